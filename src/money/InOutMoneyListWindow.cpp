#include "InOutMoneyListWindow.h"

#include "data/AccountContext.h"

#include "InOutMoneyStore.h"
#include "MoneyDialogs.h"

#include "stock/EntryHelpers.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportPeriodBox.h"
#include "toolkit/WrapLayout.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

const QString kFid = QStringLiteral("FID");

} // namespace

TInOutMoneyListFm::TInOutMoneyListFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("InOutMoneyListFm"));
    setWindowTitle(tr("所有费用收支列表"));
    // Placed over the other work windows: paint the whole area, never let them show through.
    setAutoFillBackground(true);

    BtnAdd = button(tr("添加"), "BtnAdd", this);
    BtnEdit = button(tr("修改"), "BtnEdit", this);
    BtnDel = button(tr("删除"), "BtnDel", this);
    BitBtn1 = button(tr("关闭"), "BitBtn1", this);
    ComBCate = new QComboBox(this);
    ComBCate->setObjectName(QStringLiteral("ComBCate"));
    ComBCate->setEditable(false);
    ComBCate->setMinimumWidth(160);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setAccessibleName(tr("所有费用收支列表"));
    dxDBGrid1->addHiddenColumn(kFid);
    dxDBGrid1->addHiddenColumn(QStringLiteral("CateID"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("Flag"));
    dxDBGrid1->addColumn(QStringLiteral("FeeDate"), tr("收支日期"), Grid::Kind::Date,
                         100, right);
    dxDBGrid1->addColumn(QStringLiteral("CateValue"), tr("收支类型"), Grid::Kind::Text,
                         120, right);
    dxDBGrid1->addColumn(QStringLiteral("Moneys"), tr("金额"), Grid::Kind::Money, 140);
    // Members and staff by name; a row deleted since shows the number stored.
    dxDBGrid1->addHiddenColumn(QStringLiteral("ClientID"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("Per"));
    dxDBGrid1->addColumn(QStringLiteral("ClientName"), tr("对应客户"),
                         Grid::Kind::Text, 110);
    dxDBGrid1->addColumn(QStringLiteral("PerName"), tr("经手人"), Grid::Kind::Text,
                         90);
    dxDBGrid1->setKeyField(kFid);

    // Filters beside the type: a date range (off at first: every record) and the direction.
    ChkDate = new QCheckBox(tr("按日期"), this);
    ChkDate->setObjectName(QStringLiteral("ChkDate"));
    const auto picker = [this](const char *name, const QDate &date) {
        auto *edit = new QDateEdit(date, this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
        return edit;
    };
    const QDate today = QDate::currentDate();
    DTPFrom = picker("DTPFrom", QDate(today.year(), today.month(), 1));
    DTPTo = picker("DTPTo", today);
    QComboBox *period = periodPresetBox(this, DTPFrom, DTPTo);
    period->setEnabled(false);
    ComBDirection = new QComboBox(this);
    ComBDirection->setObjectName(QStringLiteral("ComBDirection"));
    ComBDirection->addItem(tr("收入和支出"), int(InOutMoney::ListFilter::Direction::Both));
    ComBDirection->addItem(tr("只看收入"), int(InOutMoney::ListFilter::Direction::Income));
    ComBDirection->addItem(tr("只看支出"), int(InOutMoney::ListFilter::Direction::Expense));
    ComBDirection->setAccessibleName(tr("收支方向"));

    LabelTotals = new QLabel(this);
    LabelTotals->setObjectName(QStringLiteral("LabelTotals"));
    LabelTotals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelTotals->setContentsMargins(8, 2, 8, 4);

    // One line while the window is wide enough, more lines below on a narrow screen; each
    // caption stays with its field, the date filter's parts stay together.
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ToolStrip"));
    auto *tools = new WrapLayout(strip);
    tools->setContentsMargins(6, 0, 6, 0);
    tools->addGroup({BtnAdd, BtnEdit, BtnDel});
    tools->addSpacing(16);
    tools->addGroup({EntryHelpers::caption(tr("数据过滤"), ComBCate, strip), ComBCate});
    tools->addSpacing(12);
    tools->addGroup({ChkDate, period, DTPFrom, EntryHelpers::caption(tr("到"), DTPTo, strip), DTPTo});
    tools->addSpacing(12);
    tools->addWidget(ComBDirection);
    tools->addStretch();
    tools->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(EntryHelpers::banner(tr("所有费用收支列表"), this));
    layout->addWidget(strip);
    layout->addWidget(dxDBGrid1, 1);
    layout->addWidget(LabelTotals);

    connect(BtnAdd, &QPushButton::clicked, this, &TInOutMoneyListFm::BtnAddClick);
    connect(BtnEdit, &QPushButton::clicked, this, &TInOutMoneyListFm::BtnEditClick);
    connect(BtnDel, &QPushButton::clicked, this, &TInOutMoneyListFm::BtnDelClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TInOutMoneyListFm::BitBtn1Click);
    connect(ComBCate, &QComboBox::currentIndexChanged, this, &TInOutMoneyListFm::ComBCateChange);
    connect(ComBDirection, &QComboBox::currentIndexChanged, this, &TInOutMoneyListFm::openList);
    connect(ChkDate, &QCheckBox::toggled, this, [this, period](bool on) {
        DTPFrom->setEnabled(on);
        DTPTo->setEnabled(on);
        period->setEnabled(on);
        openList();
    });
    for (QDateEdit *edit : {DTPFrom, DTPTo}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (ChkDate->isChecked())
                openList();
        });
    }
    connect(dxDBGrid1, &DataGrid::currentRowChanged, this, &TInOutMoneyListFm::ADOListAfterScroll);
    // A double click or Enter on a record corrects it, where 修改 would.
    connect(dxDBGrid1, &DataGrid::rowActivated, this, [this] {
        if (BtnEdit->isEnabled())
            BtnEditClick();
    });
    ADOListAfterScroll();
}

void TInOutMoneyListFm::showEvent(QShowEvent *event)
{
    TBaseFm::showEvent(event);
    // Each time the window turns from hidden to visible: the types or the account may have
    // changed meanwhile.
    if (!event->spontaneous())
        FormShow();
}

void TInOutMoneyListFm::FormShow()
{
    {
        const QSignalBlocker block(ComBCate);
        ComBCate->clear();
        ComBCate->addItem(tr("所有类型"));
        try {
            for (const InOutMoney::Choice &c : InOutMoney::allTypes(m_account.db()))
                ComBCate->addItem(c.text, c.id);
        } catch (const Db::DbError &e) {
            Msg::fault(this, e);
        }
        ComBCate->setCurrentIndex(0);
    }
    openList();
}

void TInOutMoneyListFm::ComBCateChange()
{
    openList();
}

namespace {

InOutMoney::ListFilter filterOf(const TInOutMoneyListFm &w)
{
    InOutMoney::ListFilter f;
    f.typeId = w.ComBCate->currentData().toLongLong();
    if (w.ChkDate->isChecked()) {
        f.from = w.DTPFrom->date();
        f.to = w.DTPTo->date();
        // Either way round: the days between the two dates.
        if (f.from > f.to)
            std::swap(f.from, f.to);
    }
    f.direction = InOutMoney::ListFilter::Direction(w.ComBDirection->currentData().toInt());
    return f;
}

QString yuan(Money m)
{
    return QCoreApplication::translate("TInOutMoneyListFm", "%1 元").arg(m.toString());
}

} // namespace

void TInOutMoneyListFm::openList()
{
    QVariantList params;
    const QString sql = InOutMoney::listSql(filterOf(*this), &params);
    try {
        dxDBGrid1->open(m_account.db(), sql, params);
    } catch (const Db::DbError &e) {
        dxDBGrid1->clear();
        Msg::fault(this, e);
    }
    showTotals();
    ADOListAfterScroll();
}

void TInOutMoneyListFm::showTotals()
{
    try {
        const InOutMoney::Totals t = InOutMoney::totals(m_account.db(), filterOf(*this));
        LabelTotals->setText(tr("收入 %1    支出 %2    差额 %3")
                                 .arg(yuan(t.income), yuan(t.expense), yuan(t.difference())));
    } catch (const Db::DbError &e) {
        LabelTotals->setText(tr("合计读取失败：%1").arg(e.message()));
    }
}

void TInOutMoneyListFm::RefreshList()
{
    try {
        dxDBGrid1->requery();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    showTotals();
    ADOListAfterScroll();
}

void TInOutMoneyListFm::ADOListAfterScroll()
{
    // Records of built-in types belong to the rental desk and the members page.
    const bool changeable =
        dxDBGrid1->hasCurrentRow() &&
        !InOutMoney::isLockedType(dxDBGrid1->value(QStringLiteral("CateID")).toLongLong(),
                                  dxDBGrid1->value(QStringLiteral("Flag")).toInt());
    BtnEdit->setEnabled(changeable);
    BtnDel->setEnabled(changeable);
}

void TInOutMoneyListFm::BtnAddClick()
{
    ShowInOutMoneyDialog(m_account, -1, this);
}

void TInOutMoneyListFm::BtnEditClick()
{
    if (!dxDBGrid1->hasCurrentRow())
        return;
    ShowInOutMoneyDialog(m_account, dxDBGrid1->value(kFid).toLongLong(), this);
}

void TInOutMoneyListFm::BtnDelClick()
{
    if (!dxDBGrid1->hasCurrentRow() || !BtnDel->isEnabled())
        return;
    const qint64 fid = dxDBGrid1->value(kFid).toLongLong();
    if (Msg::askYesNo(this, tr("确定要删除收支记录吗？"), Msg::SystemCaption,
                      Msg::Icon::Warning) != QMessageBox::Yes) {
        return;
    }
    try {
        InOutMoney::remove(m_account, fid);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("收支记录删除失败！"));
        return;
    }
    RefreshList();
}

void TInOutMoneyListFm::BitBtn1Click()
{
    hide();
}
