#include "RepertoryWindow.h"

#include "data/AccountContext.h"

#include "labels/LabelWindow.h"

#include "EntryHelpers.h"
#include "StockDialogs.h"
#include "StockStore.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kName = QStringLiteral("Name");

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TRepertoryFm::TRepertoryFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("RepertoryFm"));
    setWindowTitle(tr("影片库存"));
    // Placed over the other work windows: paint the whole area, never let them show through.
    setAutoFillBackground(true);

    BtnAdd = button(tr("添加"), "BtnAdd", this);
    BtnEdit = button(tr("修改"), "BtnEdit", this);
    BtnDel = button(tr("删除"), "BtnDel", this);
    BtnLost = button(tr("注销"), "BtnLost", this);
    BtnLabel = button(tr("标签"), "BtnLabel", this);
    BtnClose = button(tr("退出"), "BtnClose", this);
    EDSearch = new QLineEdit(tr("请输入查询的影片名称"), this);
    EDSearch->setObjectName(QStringLiteral("EDSearch"));
    EDSearch->setMinimumWidth(220);
    EntryHelpers::emptyOnClick(EDSearch);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setGroupBoxVisible(false);
    dxDBGrid1->addHiddenColumn(QStringLiteral("ID"));
    dxDBGrid1->addColumn(QStringLiteral("CustomNum"), tr("编码"), Grid::Kind::Text, 80,
                         Qt::AlignCenter);
    dxDBGrid1->addColumn(kName, tr("名称"), Grid::Kind::Text, 150);
    dxDBGrid1->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 60);
    dxDBGrid1->addColumn(QStringLiteral("Direct"), tr("导演"), Grid::Kind::Text, 100);
    dxDBGrid1->addColumn(QStringLiteral("ActRole"), tr("主演"), Grid::Kind::Text, 150);
    dxDBGrid1->addColumn(QStringLiteral("Amount"), tr("数量"), Grid::Kind::Integer, 50);
    dxDBGrid1->addColumn(QStringLiteral("Mone"), tr("价格"), Grid::Kind::Money, 70);
    dxDBGrid1->addColumn(QStringLiteral("Copy"), tr("部数"), Grid::Kind::Integer, 50);
    dxDBGrid1->addColumn(QStringLiteral("DatTime"), tr("进货日期"), Grid::Kind::Date, 90);
    dxDBGrid1->addColumn(QStringLiteral("Company"), tr("供货商"), Grid::Kind::Text, 130);
    dxDBGrid1->addColumn(QStringLiteral("Address1"), tr("存放地址"));
    dxDBGrid1->setFooter(QStringLiteral("Direct"), Grid::Summary::Count, tr("共 0 部"));
    dxDBGrid1->setFooter(QStringLiteral("ActRole"), Grid::Summary::Sum, tr("共0.00 元"),
                         QStringLiteral("Mone"));
    dxDBGrid1->setKeyField(QStringLiteral("ID"));

    auto *tools = new QHBoxLayout;
    for (QPushButton *b : {BtnAdd, BtnEdit, BtnDel, BtnLost, BtnLabel})
        tools->addWidget(b);
    tools->addSpacing(16);
    tools->addWidget(EntryHelpers::caption(tr("查找影片"), EDSearch, this));
    tools->addWidget(EDSearch);
    tools->addStretch();
    tools->addWidget(BtnClose);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(
        EntryHelpers::banner(tr("库存影碟管理,进行影碟的录入、修改和遗失处理"), this));
    auto *toolsMargin = new QVBoxLayout;
    toolsMargin->setContentsMargins(6, 0, 6, 0);
    toolsMargin->addLayout(tools);
    layout->addLayout(toolsMargin);
    layout->addWidget(dxDBGrid1, 1);

    connect(BtnAdd, &QPushButton::clicked, this, &TRepertoryFm::BtnAddClick);
    connect(BtnEdit, &QPushButton::clicked, this, &TRepertoryFm::BtnEditClick);
    connect(BtnDel, &QPushButton::clicked, this, &TRepertoryFm::BtnDelClick);
    connect(BtnLost, &QPushButton::clicked, this, &TRepertoryFm::BtnLostClick);
    connect(BtnLabel, &QPushButton::clicked, this, &TRepertoryFm::BtnLabelClick);
    connect(BtnClose, &QPushButton::clicked, this, &TRepertoryFm::BtnCloseClick);
    connect(EDSearch, &QLineEdit::textChanged, this, &TRepertoryFm::EDSearchChange);
    connect(dxDBGrid1, &DataGrid::rowActivated, this, &TRepertoryFm::BtnEditClick);
}

void TRepertoryFm::showEvent(QShowEvent *event)
{
    TBaseFm::showEvent(event);
    if (!m_opened)
        RefreshList();
}

void TRepertoryFm::RefreshIfChanged()
{
    try {
        if (m_opened && StockStore::changeStamp(m_account.db()) == m_readAt)
            return;
    } catch (const Db::DbError &e) {
        // Unknown: read the list again.
        Db::logSkipped(e, "the stock list is read again");
    }
    RefreshList();
}

void TRepertoryFm::RefreshList()
{
    try {
        m_readAt = StockStore::changeStamp(m_account.db());
        if (m_opened) {
            dxDBGrid1->requery();
        } else {
            dxDBGrid1->open(m_account.db(), StockStore::stockListSql());
            m_opened = true;
        }
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

qint64 TRepertoryFm::currentId() const
{
    return dxDBGrid1->hasCurrentRow() ? dxDBGrid1->value(QStringLiteral("ID")).toLongLong() : 0;
}

QString TRepertoryFm::currentName() const
{
    return dxDBGrid1->hasCurrentRow() ? dxDBGrid1->value(kName).toString() : QString();
}

void TRepertoryFm::EDSearchChange(const QString &text)
{
    if (!text.isEmpty())
        dxDBGrid1->locate(kName, text);
}

void TRepertoryFm::BtnAddClick()
{
    ShowRepertoryDetailFm(m_account, this);
    RefreshList();
}

void TRepertoryFm::BtnEditClick()
{
    const qint64 id = currentId();
    if (id == 0)
        return;
    ShowRepertoryDetailEditFm(m_account, id, this);
    RefreshList();
}

void TRepertoryFm::BtnDelClick()
{
    const qint64 id = currentId();
    if (Msg::askYesNo(this, tr("确定要删除影片【%1】记录吗?").arg(currentName()),
                      Msg::SystemCaption, Msg::Icon::Warning) != QMessageBox::Yes) {
        return;
    }
    if (id == 0)
        return;
    try {
        if (!StockStore::deleteFromStock(m_account, id))
            Msg::info(this, tr("该影片已不在库存中!"));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("影片删除操作失败!"));
        return;
    }
    RefreshList();
}

void TRepertoryFm::BtnLostClick()
{
    const qint64 id = currentId();
    const QString question = tr("影片注销后将不能进行相关的操作，\n"
                                "并将删除该影片的未归还的出租记录！\n"
                                "确定要注销影片【%1】吗?")
                                 .arg(currentName());
    if (Msg::askYesNo(this, question, Msg::SystemCaption, Msg::Icon::Warning) != QMessageBox::Yes) {
        return;
    }
    if (id == 0)
        return;
    try {
        if (!StockStore::writeOff(m_account, id))
            Msg::info(this, tr("该影片已不在库存中!"));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("影片注销操作失败!"));
        return;
    }
    RefreshList();
}

void TRepertoryFm::BtnCloseClick()
{
    hide();
}

void TRepertoryFm::BtnLabelClick()
{
    // Every copy listed is offered; the current one is ticked.
    QList<LabelSheet::Label> labels;
    for (int i = 0; i < dxDBGrid1->rowCount(); ++i) {
        labels.append({dxDBGrid1->textAt(i, QStringLiteral("CustomNum")),
                       dxDBGrid1->textAt(i, QStringLiteral("Name"))});
    }
    if (labels.isEmpty())
        return;
    ShowLabelPrint(labels, {qMax(0, dxDBGrid1->currentPosition())}, this);
}
