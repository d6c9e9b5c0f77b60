#include "LeaseListWindow.h"

#include "data/AccountContext.h"

#include "RentalLook.h"

#include "data/Db.h"
#include "shell/Openers.h"
#include "stock/StockStore.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Open rental lines of customers that exist. Sale lines (customer -1) never have a return
// date either; they are left out by the condition itself rather than by the join to the
// customers, so the engine skips them in the partial index of open lines instead of joining
// thousands of them to the titles first (half the time on a ten-year shop, file or server).
const QString kOpenLines = QStringLiteral(
    "SELECT b.ID, b.DatTime, b.RMoney, c.Num, c.Name AS CustName, a.Name AS TitleName, "
    "b.Deposit, b.Persons "
    "FROM TBBusinessDetail AS b JOIN TBName AS a ON a.ID = b.CDNum "
    "JOIN TBAssociator AS c ON c.ID = b.Ass_Number "
    "WHERE b.ReDate IS NULL AND b.Ass_Number <> -1");

} // namespace

TLeaseMainFM::TLeaseMainFM(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("TLeaseMainFM"));
    setWindowTitle(tr("影碟出租列表"));

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto *top = new QWidget(this);
    top->setFixedHeight(65);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 4);
    topLayout->setSpacing(4);
    topLayout->addWidget(RentalLook::titleStrip(
        tr("出租影碟列表,只列出出租未归还的出租信息."), top, 26));
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(8, 0, 8, 0);
    BtnAdd = new QPushButton(tr("添加"), top);
    BtnAdd->setObjectName(QStringLiteral("BtnAdd"));
    BtnAdd->setToolTip(tr("添加业务信息"));
    bar->addWidget(BtnAdd);
    bar->addSpacing(24);
    EDSearch = new QLineEdit(top);
    EDSearch->setObjectName(QStringLiteral("EDSearch"));
    EDSearch->setText(tr("在这儿输入会员的编码"));
    EDSearch->setFixedWidth(200);
    auto *caption = new QLabel(tr("查   询"), top);
    caption->setBuddy(EDSearch);
    bar->addWidget(caption);
    bar->addWidget(EDSearch);
    bar->addStretch();
    auto *tag = new QLabel(tr("客户出租列表"), top);
    QFont bold = tag->font();
    bold.setBold(true);
    tag->setFont(bold);
    bar->addWidget(tag);
    topLayout->addLayout(bar);
    root->addWidget(top);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setAccessibleName(tr("客户出租列表"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("ID"));
    dxDBGrid1->addColumn(QStringLiteral("DatTime"), tr("出租日期"), Grid::Kind::Date,
                         90);
    dxDBGrid1->addColumn(QStringLiteral("Num"), tr("会员编号"), Grid::Kind::Text, 80);
    dxDBGrid1->addColumn(QStringLiteral("CustName"), tr("客户名称"), Grid::Kind::Text,
                         100);
    dxDBGrid1->addColumn(QStringLiteral("TitleName"), tr("影片名称"), Grid::Kind::Text,
                         180);
    dxDBGrid1->addColumn(QStringLiteral("RMoney"), tr("租金"), Grid::Kind::Money, 70);
    dxDBGrid1->addColumn(QStringLiteral("Deposit"), tr("押金"), Grid::Kind::Money, 110);
    dxDBGrid1->addColumn(QStringLiteral("Persons"), tr("员工编号"), Grid::Kind::Integer,
                         70);
    dxDBGrid1->setFooter(QStringLiteral("Deposit"), Grid::Summary::Sum,
                         tr("共0.00 元"));
    dxDBGrid1->setSort(QStringLiteral("CustName"), Qt::DescendingOrder);
    dxDBGrid1->setKeyField(QStringLiteral("ID"));
    root->addWidget(dxDBGrid1, 1);

    connect(BtnAdd, &QPushButton::clicked, this, &TLeaseMainFM::BtnAddClick);
    connect(EDSearch, &QLineEdit::textChanged, this, &TLeaseMainFM::EDSearchChange);

    try {
        m_readAt = StockStore::changeStamp(m_account.db());
        dxDBGrid1->open(m_account.db(), kOpenLines);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TLeaseMainFM::requery()
{
    try {
        m_readAt = StockStore::changeStamp(m_account.db());
        dxDBGrid1->requery();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TLeaseMainFM::RefreshIfChanged()
{
    try {
        if (StockStore::changeStamp(m_account.db()) == m_readAt)
            return;
    } catch (const Db::DbError &e) {
        // Unknown: read the rows again.
        Db::logSkipped(e, "the rental list is read again");
    }
    requery();
}

void TLeaseMainFM::showEvent(QShowEvent *event)
{
    TBaseFm::showEvent(event);
    RefreshIfChanged();
}

void TLeaseMainFM::BtnAddClick()
{
    ShowLeaseWindow(m_account, 0);
    requery();
}

void TLeaseMainFM::EDSearchChange(const QString &text)
{
    if (!text.isEmpty())
        dxDBGrid1->locate(QStringLiteral("Num"), text);
}

bool TLeaseMainFM::eventFilter(QObject *watched, QEvent *event)
{
    // Clicking into the search field empties it, ready for a member number.
    if (watched == EDSearch && event->type() == QEvent::MouseButtonPress)
        EDSearch->clear();
    return TBaseFm::eventFilter(watched, event);
}
