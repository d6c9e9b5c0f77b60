#include "SetupLayout.h"

#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace SetupLayout {

QLabel *addCaption(QGridLayout *grid, int row, int column, const QString &caption, QWidget *field,
                   int span)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(field, row, column + 1, 1, span);
    return label;
}

QLineEdit *addField(QGridLayout *grid, int row, int column, const QString &caption,
                    const QString &objectName, QWidget *parent, int span)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    addCaption(grid, row, column, caption, edit, span);
    return edit;
}

QPushButton *button(const QString &caption, const QString &objectName, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QBoxLayout *buttonRow(QPushButton *add, QPushButton *save, QPushButton *del)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : {add, save, del})
        row->addWidget(b);
    return row;
}

DataGrid *listGrid(const QString &objectName, const QString &accessibleName, QWidget *parent)
{
    auto *grid = new DataGrid(parent);
    grid->setObjectName(objectName);
    grid->setAccessibleName(accessibleName);
    grid->setGroupBoxVisible(false);
    grid->setKeyField(QStringLiteral("ID"));
    return grid;
}

QVBoxLayout *listBesideFields(QWidget *page, QWidget *list, QGridLayout **fields)
{
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(list, 1);
    auto *right = new QVBoxLayout;
    *fields = new QGridLayout;
    (*fields)->setColumnStretch(1, 1);
    right->addLayout(*fields);
    right->addWidget(rule(page));
    row->addLayout(right, 1);
    return right;
}

QString fieldName(Settings::Field field)
{
    using F = Settings::Field;
    switch (field) {
    case F::None:
        return QString();
    case F::MemberNumber:
        return QStringLiteral("EDNum");
    case F::MemberName:
        return QStringLiteral("EDNAme");
    case F::MemberAllowance:
        return QStringLiteral("EDViewNum");
    case F::OverdueDays:
        return QStringLiteral("EDPassDays");
    case F::FeeClassName:
        return QStringLiteral("EDFeeName");
    case F::FeeRent:
        return QStringLiteral("EDFee");
    case F::FeeDeposit:
        return QStringLiteral("EDFeeYJ");
    case F::CategoryName:
        return QStringLiteral("EDCateName");
    case F::StaffName:
        return QStringLiteral("EDPerName");
    case F::TypeName:
        return QStringLiteral("EDCNAme");
    case F::SupplierCompany:
        return QStringLiteral("EDCompany");
    }
    return QString();
}

void showRefusal(QWidget *window, const Settings::Refusal &refusal)
{
    if (refusal.tone == Settings::Refusal::Tone::Information)
        Msg::info(window, refusal.message);
    else
        Msg::error(window, refusal.message);
    const QString name = fieldName(refusal.field);
    if (name.isEmpty())
        return;
    if (auto *field = window->findChild<QWidget *>(name)) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
    }
}

} // namespace SetupLayout
