#include "MessageBox.h"

#include "data/Db.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QSpacerItem>
#include <QWidget>

namespace Msg {
namespace {

Presenter *g_presenter = nullptr;

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The captions every window uses, shown in the language of the user interface.
QString translatedCaption(const QString &caption)
{
    static const char *const common[] = {QT_TRANSLATE_NOOP("Msg", "系统提示"),
                                         QT_TRANSLATE_NOOP("Msg", "提示")};
    for (const char *source : common) {
        if (caption == QString::fromUtf8(source))
            return QCoreApplication::translate("Msg", source);
    }
    return caption;
}

QMessageBox::StandardButton showReal(const Request &r)
{
    QMessageBox box(qtIcon(r.icon), r.caption, r.text, r.buttons, r.parent);
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    box.setTextFormat(Qt::PlainText);
    // A short text makes a narrow box, and the window manager then cuts the caption down to
    // "系… 示": keep the box wide enough for the caption beside the title-bar buttons.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(r.caption) * 2 + 200;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (!r.details.isEmpty())
        box.setDetailedText(r.details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

Presenter *setPresenter(Presenter *presenter)
{
    Presenter *previous = g_presenter;
    g_presenter = presenter;
    return previous;
}

QMessageBox::StandardButton show(const Request &request)
{
    Request r = request;
    r.caption = translatedCaption(r.caption);
    return g_presenter ? g_presenter->present(r) : showReal(r);
}

void error(QWidget *parent, const QString &text, const QString &caption)
{
    show({parent, caption, text, Icon::Error, QMessageBox::Ok, QMessageBox::Ok});
}

void info(QWidget *parent, const QString &text, const QString &caption)
{
    show({parent, caption, text, Icon::Information, QMessageBox::Ok, QMessageBox::Ok});
}

void fault(QWidget *parent, const Db::DbError &error, const QString &lead)
{
    const QString text =
        lead.isEmpty() ? error.message() : lead + QLatin1Char('\n') + error.message();
    show({parent, SystemCaption, text, Icon::Error, QMessageBox::Ok, QMessageBox::Ok,
          error.details()});
}

QMessageBox::StandardButton askYesNo(QWidget *parent, const QString &text, const QString &caption,
                                     Icon icon, QMessageBox::StandardButton defaultButton)
{
    return show({parent, caption, text, icon, QMessageBox::Yes | QMessageBox::No, defaultButton});
}

} // namespace Msg
