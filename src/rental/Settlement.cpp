#include "Settlement.h"

#include "ReceiptReport.h"
#include "SettlementWindow.h"

#include "data/AccountContext.h"

#include "data/Db.h"
#include "shell/WorkArea.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportPrinter.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void printReceipt(const AccountContext &account, const Receipt::Content &receipt, QWidget *parent)
{
    ReportDocument doc;
    try {
        if (!Receipt::printingOn(account.db()))
            return;
        doc = Receipt::document(Receipt::currentHeader(account), receipt,
                                ReceiptPaper::current(account.db()));
    } catch (const Db::DbError &e) {
        Msg::error(parent, QCoreApplication::translate("TInforFm", "单据打印失败：%1").arg(e.message()));
        return;
    }
    const ReportPrintOutcome outcome = ReportPrinter::print(doc);
    showStatusNotice(outcome.message);
    if (!outcome.ok)
        Msg::error(parent, QCoreApplication::translate("TInforFm", "单据打印失败：%1").arg(outcome.message));
}

} // namespace

TInforFm::TInforFm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TInforFm"));
    setWindowTitle(tr("结算提示"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(440, 235);

    auto *root = new QVBoxLayout(this);
    auto *box = new QGroupBox(tr("结算信息"), this);
    auto *boxLayout = new QVBoxLayout(box);
    Label1 = new QLabel(box);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("SimSun"));
    font.setPointSize(20);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setWordWrap(true);
    Label1->setMinimumSize(330, 130);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    boxLayout->addWidget(Label1);
    root->addWidget(box, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtn1 = new QPushButton(tr("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    buttons->addWidget(BitBtn1);
    root->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TInforFm::setSummary(const QString &summary)
{
    Label1->setText(QString(summary).replace(QChar(13), QChar(10)));
    Label1->setAccessibleDescription(Label1->text());
}

void ShowSettlement(const AccountContext &account, const QString &summary,
                    const Receipt::Content &receipt, QWidget *parent)
{
    {
        TInforFm prompt(parent);
        prompt.setSummary(summary);
        prompt.BitBtn1->setFocus();
        prompt.exec();
    }
    // The prompt has closed (确定, Enter or the close box): the receipt, if the shop wants one.
    printReceipt(account, receipt, parent);
}
