#include "InOutMoneyWindow.h"

#include "data/AccountContext.h"

#include "InOutMoneyStore.h"

#include "stock/EntryHelpers.h"

#include "data/Db.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *pickList(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);
    box->setMinimumWidth(150);
    return box;
}

void fill(QComboBox *box, const QList<InOutMoney::Choice> &items)
{
    box->clear();
    for (const InOutMoney::Choice &c : items)
        box->addItem(c.text, c.id);
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

void selectId(QComboBox *box, qint64 id)
{
    box->setCurrentIndex(box->findData(id));
}

} // namespace

TInOutMoneyFm::TInOutMoneyFm(AccountContext &account, qint64 mode, QWidget *parent)
    : TBaseDlgFM(parent), m_mode(mode), m_account(account)
{
    setObjectName(QStringLiteral("InOutMoneyFm"));
    setWindowTitle(tr("费用收支（按ESC键关闭窗口）"));
    resize(430, 250);

    Label7 = EntryHelpers::banner(
        m_mode < 0 ? tr("费用收支添加") : tr("费用收支编辑"), this);
    Label7->setObjectName(QStringLiteral("Label7"));

    DTPDate = new QDateEdit(this);
    DTPDate->setObjectName(QStringLiteral("DTPDate"));
    DTPDate->setCalendarPopup(true);
    DTPDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ComBCate = pickList("ComBCate", this);
    CombClient = pickList("CombClient", this);
    EDMoney = new QLineEdit(this);
    EDMoney->setObjectName(QStringLiteral("EDMoney"));
    EDMoney->setMaxLength(16);
    // An amount, typed or pasted; a minus sign never gets in (the direction is chosen below).
    Input::acceptMoneyOnly(EDMoney);
    // Which way the money went: an expense is stored as a negative amount, so the list can
    // show incomes and expenses apart and their difference.
    ComBDirection = pickList("ComBDirection", this);
    ComBDirection->addItem(tr("收入"));
    ComBDirection->addItem(tr("支出"));
    ComBPer = pickList("ComBPer", this);
    EDMemo = new QLineEdit(this);
    EDMemo->setObjectName(QStringLiteral("EDMemo"));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(16, 8, 16, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    const auto add = [&](const char *text, QWidget *field, int row, int column) {
        grid->addWidget(EntryHelpers::caption(tr(text), field, this), row, column);
        grid->addWidget(field, row, column + 1);
    };
    add(QT_TR_NOOP("收支日期"), DTPDate, 0, 0);
    add(QT_TR_NOOP("收支类型"), ComBCate, 0, 2);
    add(QT_TR_NOOP("对应客户"), CombClient, 1, 0);
    add(QT_TR_NOOP("收支金额"), EDMoney, 1, 2);
    add(QT_TR_NOOP("经 手 人"), ComBPer, 2, 0);
    add(QT_TR_NOOP("收支方向"), ComBDirection, 2, 2);
    grid->addWidget(EntryHelpers::caption(tr("收支说明"), EDMemo, this), 3, 0);
    grid->addWidget(EDMemo, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    BtnAddSave = new QPushButton(tr("保存/添加"), this);
    BtnAddSave->setObjectName(QStringLiteral("BtnAddSave"));
    BtnOK = new QPushButton(tr("保存/退出"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnClose = new QPushButton(tr("退出"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    LabelSaved = new QLabel(this);
    LabelSaved->setObjectName(QStringLiteral("LabelSaved"));
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addWidget(LabelSaved, 1);
    for (QPushButton *b : {BtnAddSave, BtnOK, BtnClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 10);
    root->setSpacing(8);
    root->addWidget(Label7);
    root->addLayout(grid);
    root->addStretch();
    root->addWidget(rule);
    root->addLayout(buttons);

    setTabOrder(DTPDate, ComBCate);
    setTabOrder(ComBCate, CombClient);
    setTabOrder(CombClient, EDMoney);
    setTabOrder(EDMoney, ComBDirection);
    setTabOrder(ComBDirection, ComBPer);
    setTabOrder(ComBPer, EDMemo);
    setTabOrder(EDMemo, BtnAddSave);
    setTabOrder(BtnAddSave, BtnOK);
    setTabOrder(BtnOK, BtnClose);

    // A type chosen: the direction its records were last booked in.
    connect(ComBCate, &QComboBox::activated, this, [this] {
        try {
            if (const auto expense = InOutMoney::usuallyExpense(
                    m_account.db(), ComBCate->currentData().toLongLong()))
                ComBDirection->setCurrentIndex(*expense ? 1 : 0);
        } catch (const Db::DbError &e) {
            // Only a convenience: the operator still picks the direction.
            Db::logSkipped(e, "the direction is left as it is");
        }
    });
    connect(BtnAddSave, &QPushButton::clicked, this, &TInOutMoneyFm::BtnAddSaveClick);
    connect(BtnOK, &QPushButton::clicked, this, &TInOutMoneyFm::BtnOKClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    FormShow();
}

void TInOutMoneyFm::FormShow()
{
    try {
        fill(ComBCate, InOutMoney::userTypes(m_account.db()));
        fill(ComBPer, InOutMoney::staff(m_account.db()));
        fill(CombClient, InOutMoney::members(m_account.db()));
        DTPDate->setDate(QDate::currentDate());
        if (m_mode >= 0) {
            const std::optional<InOutMoney::Record> r = InOutMoney::load(m_account.db(), m_mode);
            if (!r) {
                // Deleted meanwhile (another counter): nothing to correct, nothing to save.
                BtnAddSave->setEnabled(false);
                BtnOK->setEnabled(false);
                Msg::error(this, tr("该收支记录已不存在！"));
                return;
            }
            DTPDate->setDate(r->date.isValid() ? r->date : QDate::currentDate());
            selectId(ComBCate, r->typeId);
            selectId(CombClient, r->clientId);
            const bool expense = r->amount < Money();
            EDMoney->setText((expense ? -r->amount : r->amount).toShortString());
            ComBDirection->setCurrentIndex(expense ? 1 : 0);
            fill(ComBPer, InOutMoney::staff(m_account.db(), r->staffId));
            selectId(ComBPer, r->staffId);
            EDMemo->setText(r->memo);
        }
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    DTPDate->setFocus();
}

std::optional<InOutMoney::Record> TInOutMoneyFm::readInput()
{
    const auto refuse = [this](const QString &text, QWidget *field) {
        Msg::error(this, text);
        field->setFocus();
        if (field == EDMoney)
            EDMoney->selectAll();
        return std::nullopt;
    };
    if (ComBCate->currentIndex() < 0)
        return refuse(tr("请选择收支类型！"), ComBCate);
    const std::optional<Money> amount = Money::parse(EDMoney->text());
    if (!amount)
        return refuse(tr("金额输入有错，请检查！"), EDMoney);
    // A record always names its member and the staff member who handled it.
    if (CombClient->currentIndex() < 0)
        return refuse(tr("请选择对应客户！"), CombClient);
    if (ComBPer->currentIndex() < 0)
        return refuse(tr("请选择经手人！"), ComBPer);

    InOutMoney::Record r;
    r.fid = m_mode;
    r.date = DTPDate->date();
    r.typeId = ComBCate->currentData().toLongLong();
    r.amount = ComBDirection->currentIndex() == 1 ? -*amount : *amount;
    r.clientId = CombClient->currentData().toLongLong();
    r.staffId = ComBPer->currentData().toLongLong();
    r.memo = EDMemo->text();
    return r;
}

bool TInOutMoneyFm::BtnAddSaveClick()
{
    const std::optional<InOutMoney::Record> r = readInput();
    if (!r)
        return false;
    try {
        if (m_mode < 0) {
            m_savedFid = InOutMoney::add(m_account, *r);
        } else {
            InOutMoney::update(m_account, *r);
            m_savedFid = m_mode;
        }
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("数据保存失败！"));
        return false;
    }
    ++m_saves;
    // The dialog keeps its contents for the next record of the same kind; this line tells
    // the operator that the click did store one.
    LabelSaved->setText(m_mode < 0 ? tr("已添加 %1 条记录").arg(m_saves)
                                   : tr("已保存"));
    return true;
}

void TInOutMoneyFm::BtnOKClick()
{
    if (BtnAddSaveClick())
        accept();
}
