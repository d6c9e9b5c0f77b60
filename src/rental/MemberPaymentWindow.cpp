#include "MemberPaymentWindow.h"

#include "RentalLook.h"

#include "toolkit/MessageBox.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TASSmoneyFm::TASSmoneyFm(QWidget *parent) : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("TASSmoneyFm"));
    setWindowTitle(tr("会员交费（按ESC键关闭窗口）"));
    resize(290, 170);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 8);
    root->addWidget(RentalLook::titleStrip(tr("会员交费情况"), this, 24));

    auto *form = new QFormLayout;
    form->setContentsMargins(16, 6, 16, 0);
    DTPSDate = new QDateEdit(this);
    DTPSDate->setObjectName(QStringLiteral("DTPSDate"));
    DTPSDate->setCalendarPopup(true);
    DTPSDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    EDSMoney = new QLineEdit(this);
    EDSMoney->setObjectName(QStringLiteral("EDSMoney"));
    EDRemark = new QLineEdit(this);
    EDRemark->setObjectName(QStringLiteral("EDRemark"));
    const std::pair<const char *, QWidget *> fields[] = {
        {QT_TR_NOOP("交费日期"), DTPSDate},
        {QT_TR_NOOP("交费金额"), EDSMoney},
        {QT_TR_NOOP("交费说明"), EDRemark}};
    for (const auto &[caption, field] : fields) {
        auto *label = new QLabel(tr(caption), this);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    root->addLayout(form);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    root->addWidget(line);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch();
    Btnok = new QPushButton(tr("确定"), this);
    Btnok->setObjectName(QStringLiteral("Btnok"));
    BtnClose = new QPushButton(tr("取消"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    for (QPushButton *b : {Btnok, BtnClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);

    setTabOrder(DTPSDate, EDSMoney);
    setTabOrder(EDSMoney, EDRemark);
    setTabOrder(EDRemark, Btnok);
    setTabOrder(Btnok, BtnClose);

    connect(Btnok, &QPushButton::clicked, this, &TASSmoneyFm::BtnokClick);
    connect(BtnClose, &QPushButton::clicked, this, &TASSmoneyFm::BtnCloseClick);
}

void TASSmoneyFm::load(const QDate &date, Money amount, const QString &remark)
{
    if (amount.isZero()) {
        DTPSDate->setDate(QDate::currentDate());
        EDSMoney->clear();
        EDRemark->clear();
    } else {
        DTPSDate->setDate(date.isValid() ? date : QDate::currentDate());
        EDSMoney->setText(amount.toShortString());
        EDRemark->setText(remark);
    }
    DTPSDate->setFocus();
}

QDate TASSmoneyFm::date() const
{
    return DTPSDate->date();
}

QString TASSmoneyFm::remark() const
{
    return EDRemark->text();
}

void TASSmoneyFm::BtnokClick()
{
    auto refuse = [this](const QString &text) {
        Msg::error(this, text);
        EDSMoney->setFocus();
        EDSMoney->selectAll();
    };
    if (EDSMoney->text().trimmed().isEmpty()) {
        refuse(tr("请输入会员交费金额！"));
        return;
    }
    // A correction may also be a refund, so a minus sign is read as one.
    const std::optional<Money> amount = Money::parse(EDSMoney->text(), Money::Sign::AllowNegative);
    if (!amount) {
        refuse(tr("会员交费金额输入有错，请检查！"));
        return;
    }
    m_amount = *amount;
    m_confirmed = true;
    accept();
}

void TASSmoneyFm::BtnCloseClick()
{
    m_confirmed = false;
    reject();
}
