#include "SetupOptionsPage.h"

#include "data/AccountContext.h"

#include "OptionStore.h"
#include "SetupLayout.h"
#include "StaffStore.h"

#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace SetupLayout;

namespace {

const char kLockOutSource[] =
    QT_TRANSLATE_NOOP("SetupOptionsPage",
                      "目前没有任何人员具有“系统设置”权限，启用权限管理方式后将无法再进入系统设置。"
                      "确定要启用权限管理方式吗？");

} // namespace

// The Chinese source; the question itself is asked in the program's language.
const QString SetupOptionsPage::LockOutQuestion = QString::fromUtf8(kLockOutSource);

namespace {

// A group box holding two radio buttons side by side; the first is selected.
QGroupBox *radioPair(QWidget *parent, const QString &caption, QRadioButton **first,
                     const QString &firstName, const QString &firstText, QRadioButton **second,
                     const QString &secondName, const QString &secondText)
{
    auto *box = new QGroupBox(caption, parent);
    auto *row = new QHBoxLayout(box);
    *first = new QRadioButton(firstText, box);
    (*first)->setObjectName(firstName);
    *second = new QRadioButton(secondText, box);
    (*second)->setObjectName(secondName);
    (*first)->setChecked(true);
    row->addWidget(*first);
    row->addWidget(*second);
    row->addStretch(1);
    return box;
}

} // namespace

SetupOptionsPage::SetupOptionsPage(AccountContext &account, QWidget *parent)
    : SetupPage(account, parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);

    column->addWidget(radioPair(this, tr("租金计算方法"), &RBtnDay, QStringLiteral("RBtnDay"),
                                tr("按出租天数记费"), &RBtnVCD, QStringLiteral("RBtnVCD"),
                                tr("按VCD每碟记费")));
    column->addWidget(radioPair(this, tr("系统运行方式"), &RBtnNo, QStringLiteral("RBtnNo"),
                                tr("无权限管理方式（任何人都可以使用系统所有功能）"), &RbtnReg,
                                QStringLiteral("RbtnReg"),
                                tr("权限管理方式（根据管理员所分配的权限进行操作）")));

    QGroupBox *print =
        radioPair(this, tr("打印设置"), &RBtnPrint, QStringLiteral("RBtnPrint"), tr("打印单据"),
                  &RBtnPrintNo, QStringLiteral("RBtnPrintNo"), tr("不打印单据"));
    // The receipt paper is kept but not offered: the receipt prints on one paper size.
    GroupPaper =
        radioPair(print, tr("单据类型"), &RBTnPrA4, QStringLiteral("RBTnPrA4"), tr("A4幅面"),
                  &RBTnPrintPOS, QStringLiteral("RBTnPrintPOS"), tr("POS机票据幅面"));
    GroupPaper->setObjectName(QStringLiteral("GroupPaper"));
    RBTnPrintPOS->setChecked(true);
    GroupPaper->setVisible(false);
    static_cast<QHBoxLayout *>(print->layout())->insertWidget(2, GroupPaper);
    column->addWidget(print);

    auto *roll = new QGroupBox(tr("小票纸张"), this);
    auto *rollRow = new QHBoxLayout(roll);
    CombRoll = new QComboBox(roll);
    CombRoll->setObjectName(QStringLiteral("CombRoll"));
    CombRoll->addItem(tr("70 x 100 mm 单据"), QStringLiteral("0"));
    CombRoll->addItem(tr("58 mm 纸卷"), QStringLiteral("58"));
    CombRoll->addItem(tr("80 mm 纸卷"), QStringLiteral("80"));
    auto *rollCaption = new QLabel(tr("单据和交班结算单的纸张"), roll);
    rollCaption->setBuddy(CombRoll);
    rollRow->addWidget(rollCaption);
    rollRow->addWidget(CombRoll);
    rollRow->addStretch(1);
    column->addWidget(roll);

    auto *overdue = new QGroupBox(tr("租赁过期设置"), this);
    auto *days = new QHBoxLayout(overdue);
    EDPassDays = new QLineEdit(QStringLiteral("3"), overdue);
    EDPassDays->setObjectName(QStringLiteral("EDPassDays"));
    EDPassDays->setMaximumWidth(60);
    Input::acceptDigitsOnly(EDPassDays);
    auto *caption = new QLabel(tr("过期天数"), overdue);
    caption->setBuddy(EDPassDays);
    days->addWidget(caption);
    days->addWidget(EDPassDays);
    days->addWidget(new QLabel(tr("天"), overdue));
    days->addStretch(1);
    column->addWidget(overdue);

    column->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtn1 = button(tr("应用"), QStringLiteral("BitBtn1"), this);
    buttons->addWidget(BitBtn1);
    column->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &SetupOptionsPage::apply);
}

QString SetupOptionsPage::header() const
{
    return tr("在这儿您可以设置出租影片的租金计算的方法以及系统管理方式。");
}

void SetupOptionsPage::enter()
{
    Settings::RentalOptions o;
    try {
        o = Settings::readRentalOptions(m_account.db());
    } catch (const Db::DbError &e) {
        // The radios keep what they showed.
        Msg::fault(this, e);
        return;
    }
    (o.rentPerDisc ? RBtnVCD : RBtnDay)->setChecked(true);
    (o.permissionControl ? RbtnReg : RBtnNo)->setChecked(true);
    (o.noReceipt ? RBtnPrintNo : RBtnPrint)->setChecked(true);
    (o.posPaper ? RBTnPrintPOS : RBTnPrA4)->setChecked(true);
    CombRoll->setCurrentIndex(qMax(0, CombRoll->findData(o.receiptRoll)));
    if (o.overdueDays)
        EDPassDays->setText(*o.overdueDays);
    if (const QString notice = Settings::unreadableNotice(o); !notice.isEmpty())
        Msg::error(this, notice);
}

void SetupOptionsPage::apply()
{
    Settings::RentalOptions o;
    o.rentPerDisc = !RBtnDay->isChecked();
    o.permissionControl = !RBtnNo->isChecked();
    o.noReceipt = !RBtnPrint->isChecked();
    o.posPaper = !RBTnPrA4->isChecked();
    o.receiptRoll = CombRoll->currentData().toString();
    o.overdueDays = EDPassDays->text();
    try {
        // Permission control without anybody allowed into the settings would lock the shop
        // out of this very page: the operator is asked before it is switched on.
        if (o.permissionControl && !Settings::someoneMayChangeSettings(m_account.db()) &&
            Msg::askYesNo(this, tr(kLockOutSource), Msg::SystemCaption, Msg::Icon::Warning,
                          QMessageBox::No) != QMessageBox::Yes) {
            RbtnReg->setFocus(Qt::OtherFocusReason);
            return;
        }
        o = Settings::saveRentalOptions(m_account, o);
    } catch (const Settings::Refused &r) {
        showRefusal(this, r.refusal());
        return;
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("数据保存出错！"));
        return;
    }
    EDPassDays->setText(o.overdueDays.value_or(Settings::DefaultOverdueDays));
    Msg::info(this, Settings::savedText());
}
