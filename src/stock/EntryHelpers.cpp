#include "EntryHelpers.h"

#include "data/Collation.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace EntryHelpers {
namespace {

class ClickEmpties : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            static_cast<QLineEdit *>(watched)->clear();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QLabel *banner(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Banner"));
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(true);
    f.setPixelSize(14);
    label->setFont(f);
    label->setFixedHeight(28);
    label->setContentsMargins(10, 0, 10, 0);
    return label;
}

QLabel *caption(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

void acceptDigitsOnly(QLineEdit *edit)
{
    Input::acceptDigitsOnly(edit);
}

bool readCount(QWidget *window, QLineEdit *edit, TypedCounts::Bounds bounds, int *value)
{
    switch (TypedCounts::read(edit->text(), bounds, value)) {
    case TypedCounts::Reading::Ok:
        return true;
    case TypedCounts::Reading::NotAnInteger:
        Msg::error(window, QCoreApplication::translate("EntryHelpers", "“%1”不是有效的整数!")
                               .arg(edit->text()));
        break;
    case TypedCounts::Reading::OutOfRange:
        Msg::error(window,
                   QCoreApplication::translate("EntryHelpers",
                                               "“%1”超出范围，请输入%2到%3之间的整数!")
                       .arg(edit->text().trimmed())
                       .arg(bounds.min)
                       .arg(bounds.max));
        break;
    }
    if (edit->isEnabled()) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return false;
}

void emptyOnClick(QLineEdit *edit)
{
    edit->installEventFilter(new ClickEmpties(edit));
}

void fillLookup(QComboBox *box, const QList<StockStore::LookupItem> &items, bool sortByText)
{
    QList<StockStore::LookupItem> sorted = items;
    if (sortByText) {
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const StockStore::LookupItem &a, const StockStore::LookupItem &b) {
                             return Collation::lessThan(a.text, b.text);
                         });
    }
    box->clear();
    for (const StockStore::LookupItem &item : sorted)
        box->addItem(item.text, item.id);
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

void selectText(QComboBox *box, const QString &text)
{
    const int i = box->findText(text, Qt::MatchExactly);
    box->setCurrentIndex(i);
    if (i < 0 && box->isEditable())
        box->setEditText(QString());
}

void selectId(QComboBox *box, qint64 id)
{
    box->setCurrentIndex(box->findData(id));
}

} // namespace EntryHelpers
