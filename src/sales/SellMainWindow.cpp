#include "SellMainWindow.h"

#include "data/AccountContext.h"

#include "SaleStore.h"
#include "SalesDialogs.h"

#include "stock/EntryHelpers.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const QString &hint, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TSellMainFm::TSellMainFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("SellMainFm"));
    setWindowTitle(tr("影碟销售列表"));
    // Placed over the other work windows: paint the whole area, never let them show through.
    setAutoFillBackground(true);

    BtnAdd = button(tr("添加"), tr("添加业务信息"), "BtnAdd", this);
    BtnEdit = button(tr("修改"), tr("修改业务信息"), "BtnEdit", this);
    BtnDel = button(tr("删除"), tr("删除业务记录"), "BtnDel", this);
    Edsearch = new QLineEdit(tr("在这儿输入影片的名称"), this);
    Edsearch->setObjectName(QStringLiteral("Edsearch"));
    Edsearch->setMinimumWidth(220);
    EntryHelpers::emptyOnClick(Edsearch);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("ID"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("CDnum"));
    dxDBGrid1->addColumn(QStringLiteral("DatTime"), tr("销售日期"), Grid::Kind::Date,
                         90);
    dxDBGrid1->addColumn(QStringLiteral("Name"), tr("影片名称"), Grid::Kind::Text, 160);
    dxDBGrid1->addColumn(QStringLiteral("Nlang"), tr("语言"), Grid::Kind::Text, 60);
    dxDBGrid1->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 60);
    dxDBGrid1->addColumn(QStringLiteral("Categray"), tr("类型"), Grid::Kind::Text, 60);
    dxDBGrid1->addColumn(QStringLiteral("Amount"), tr("数量"), Grid::Kind::Integer, 70);
    dxDBGrid1->addColumn(QStringLiteral("Rmoney"), tr("单价"), Grid::Kind::Money, 80);
    dxDBGrid1->addColumn(QStringLiteral("Summoney"), tr("金额"), Grid::Kind::Money);
    dxDBGrid1->setFooter(QStringLiteral("Amount"), Grid::Summary::Sum, tr("共0部"));
    dxDBGrid1->setFooter(QStringLiteral("Summoney"), Grid::Summary::Sum,
                         tr(" 共0.00元"));
    dxDBGrid1->setSort(QStringLiteral("DatTime"), Qt::AscendingOrder);
    dxDBGrid1->setKeyField(QStringLiteral("ID"));

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(BtnAdd);
    tools->addWidget(BtnEdit);
    tools->addWidget(BtnDel);
    tools->addSpacing(16);
    tools->addWidget(EntryHelpers::caption(tr("查找影片"), Edsearch, this));
    tools->addWidget(Edsearch);
    tools->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(EntryHelpers::banner(tr("影碟销售列表,列出影片销售信息."), this));
    layout->addLayout(tools);
    layout->addWidget(dxDBGrid1, 1);

    connect(BtnAdd, &QPushButton::clicked, this, &TSellMainFm::BtnAddClick);
    connect(BtnEdit, &QPushButton::clicked, this, &TSellMainFm::BtnEditClick);
    connect(BtnDel, &QPushButton::clicked, this, &TSellMainFm::BtnDelClick);
    connect(Edsearch, &QLineEdit::textChanged, this, &TSellMainFm::EdsearchChange);
    connect(dxDBGrid1, &DataGrid::currentRowChanged, this, &TSellMainFm::ADOListAfterScroll);

    try {
        dxDBGrid1->open(m_account.db(), SaleStore::salesListSql());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    ADOListAfterScroll();
}

void TSellMainFm::RefreshList()
{
    try {
        dxDBGrid1->requery();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    ADOListAfterScroll();
}

void TSellMainFm::ADOListAfterScroll()
{
    // isEmpty() answers at once, while the rest of a long list is still arriving.
    const bool any = !dxDBGrid1->isEmpty();
    BtnEdit->setEnabled(any);
    BtnDel->setEnabled(any);
}

void TSellMainFm::EdsearchChange(const QString &text)
{
    if (!text.isEmpty())
        dxDBGrid1->locate(QStringLiteral("Name"), text);
}

void TSellMainFm::BtnAddClick()
{
    ShowSellFm(m_account, -1, this);
}

void TSellMainFm::BtnEditClick()
{
    if (!dxDBGrid1->hasCurrentRow())
        return;
    ShowSellFm(m_account, dxDBGrid1->value(QStringLiteral("ID")).toLongLong(), this);
}

void TSellMainFm::BtnDelClick()
{
    if (!dxDBGrid1->hasCurrentRow())
        return;
    if (Msg::askYesNo(this, tr("确认要删除销售记录吗？"), Msg::SystemCaption,
                      Msg::Icon::Error) != QMessageBox::Yes) {
        return;
    }
    try {
        SaleStore::undoSale(m_account, dxDBGrid1->value(QStringLiteral("ID")).toLongLong());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("销售记录删除失败!"));
        return;
    }
    RefreshList();
}
