#include "CashUpWindow.h"

#include "CashUpSlip.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportPrinter.h"

#include <QApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *amountLabel(const char *name, QWidget *parent, bool bold = false)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

TCashUpFm::TCashUpFm(AccountContext &account, QWidget *parent)
    : TBaseDlgFM(parent), m_account(account)
{
    setObjectName(QStringLiteral("CashUpFm"));
    setWindowTitle(tr("交班结算"));

    auto *form = new QFormLayout;
    LblOperator = new QLabel(this);
    LblOperator->setObjectName(QStringLiteral("LblOperator"));
    LblStart = new QLabel(this);
    LblStart->setObjectName(QStringLiteral("LblStart"));
    form->addRow(tr("操作人员"), LblOperator);
    form->addRow(tr("本班开始"), LblStart);
    const char *names[] = {"LblDepositIn", "LblDepositOut", "LblRent",
                           "LblSales",     "LblOtherIn",    "LblExpense"};
    int i = 0;
    for (Till::Line line : CashUp::allLines()) {
        QLabel *l = amountLabel(names[i++], this);
        lineLabels.insert(line, l);
        form->addRow(CashUp::lineText(line), l);
    }
    LblExpected = amountLabel("LblExpected", this, true);
    form->addRow(tr("应有现金"), LblExpected);
    EDCounted = new QLineEdit(this);
    EDCounted->setObjectName(QStringLiteral("EDCounted"));
    EDCounted->setAlignment(Qt::AlignRight);
    Input::acceptMoneyOnly(EDCounted);
    form->addRow(tr("实点现金"), EDCounted);
    LblDifference = amountLabel("LblDifference", this, true);
    form->addRow(tr("差    额"), LblDifference);
    EDNote = new QLineEdit(this);
    EDNote->setObjectName(QStringLiteral("EDNote"));
    form->addRow(tr("备    注"), EDNote);
    // Every field is named by its caption for screen readers and automation.
    for (int row = 0; row < form->rowCount(); ++row) {
        auto *caption = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        QWidget *field = form->itemAt(row, QFormLayout::FieldRole)->widget();
        if (caption && field)
            caption->setBuddy(field);
    }

    BtnOK = new QPushButton(tr("结算"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setAutoDefault(false);
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setAutoDefault(false);
    setCancelButton(BtnCancel);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(line);
    layout->addLayout(buttons);
    // Narrow, so each figure stands near its caption.
    resize(380, layout->sizeHint().height());

    connect(BtnOK, &QPushButton::clicked, this, &TCashUpFm::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(EDCounted, &QLineEdit::textChanged, this, &TCashUpFm::showDifference);

    try {
        LblOperator->setText(Db::scalar(QStringLiteral("SELECT Name FROM TBPersons WHERE ID = ?"),
                                        {m_account.operatorId()}, m_account.db())
                                 .toString());
        m_figures = CashUp::openShift(m_account.db(), m_account.operatorId());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    LblStart->setText(m_figures.startAt.isEmpty() ? tr("本班尚无收付") : m_figures.startAt);
    for (auto it = lineLabels.cbegin(); it != lineLabels.cend(); ++it)
        it.value()->setText(m_figures.line(it.key()).toString());
    LblExpected->setText(m_figures.expected().toString());
    showDifference();
    EDCounted->setFocus();
}

void TCashUpFm::showDifference()
{
    const std::optional<Money> counted = Money::parse(EDCounted->text());
    LblDifference->setText(counted ? (*counted - m_figures.expected()).toString() : QString());
}

void TCashUpFm::BtnOKClick()
{
    const std::optional<Money> counted = Money::parse(EDCounted->text());
    if (!counted) {
        Msg::error(this, tr("金额输入有错，请检查！"));
        EDCounted->selectAll();
        EDCounted->setFocus();
        return;
    }
    if (Msg::askYesNo(this, tr("确定结算本班吗？结算后本班的收付不再改变。")) != QMessageBox::Yes) {
        return;
    }
    try {
        m_stored = CashUp::close(m_account.db(), m_account.operatorId(), *counted, EDNote->text(),
                                 QDateTime::currentDateTime());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    try {
        const ReportPrintOutcome outcome = ReportPrinter::print(CashUpSlip::document(
            m_stored, m_account.shop().company, ReceiptPaper::current(m_account.db())));
        showStatusNotice(outcome.message);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    Msg::info(this, tr("交班结算完成，差额 %1 元。").arg(m_stored.difference.toString()));
    accept();
}

void ShowCashUp(AccountContext &account)
{
    TCashUpFm dialog(account, QApplication::activeWindow());
    dialog.exec();
}
