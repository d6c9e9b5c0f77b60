#include "MessageBox.h"

#include "data/Db.h"

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

QMessageBox::StandardButton showReal(const Request &r)
{
    QMessageBox box(qtIcon(r.icon), r.caption, r.text, r.buttons, r.parent);
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    box.setTextFormat(Qt::PlainText);
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
    return g_presenter ? g_presenter->present(request) : showReal(request);
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
