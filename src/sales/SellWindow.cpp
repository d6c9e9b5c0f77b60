#include "SellWindow.h"

#include "PriceBox.h"

#include "stock/EntryHelpers.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "rental/PickLists.h"
#include "rental/Settlement.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

using SaleStore::SaleRow;

namespace {

const QString kRow = QStringLiteral("Row");

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *edit(const char *name, const QString &text, QWidget *parent)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

TSellFm::TSellFm(AccountContext &account, qint64 saleId, QWidget *parent)
    : TBaseDlgFM(parent), m_saleId(saleId), m_account(account)
{
    setObjectName(QStringLiteral("SellFm"));
    setWindowTitle(tr("影碟销售(按ESC键退出)"));
    resize(720, 500);

    EDPic = edit("EDPic", QString(), this);
    EDPic->setMaxLength(50);
    BtnSearch = button(QStringLiteral("..."), "BtnSearch", this);
    BtnSearch->setAccessibleName(tr("选择影片"));
    BtnSearch->setToolTip(tr("选择影片 (F2)"));
    BtnSearch->setFocusPolicy(Qt::NoFocus);
    BtnSearch->setFixedWidth(28);
    EDPrice = edit("EDPrice", QStringLiteral("0.00"), this);
    EDPrice->setAlignment(Qt::AlignRight);
    PriceBox::makePriceBox(EDPrice);
    EDAmount = edit("EDAmount", QStringLiteral("1"), this);
    EDAmount->setAlignment(Qt::AlignRight);
    PriceBox::makeQuantityBox(EDAmount);
    BtnAdd = button(tr("添加"), "BtnAdd", this);
    BtnDel = button(tr("删除"), "BtnDel", this);
    BtnSave = button(tr("完成(F12)"), "BtnSave", this);
    BtnDel->setEnabled(false);
    BtnSave->setEnabled(false);

    auto *saleBox = new QGroupBox(tr("销售信息"), this);
    auto *saleGrid = new QGridLayout(saleBox);
    saleGrid->addWidget(EntryHelpers::caption(tr("影片编码"), EDPic, saleBox), 0, 0);
    auto *codeRow = new QHBoxLayout;
    codeRow->setSpacing(2);
    codeRow->addWidget(EDPic);
    codeRow->addWidget(BtnSearch);
    saleGrid->addLayout(codeRow, 0, 1);
    saleGrid->addWidget(EntryHelpers::caption(tr("销售价格"), EDPrice, saleBox), 1, 0);
    saleGrid->addWidget(EDPrice, 1, 1);
    saleGrid->addWidget(new QLabel(tr("元"), saleBox), 1, 2);
    saleGrid->addWidget(EntryHelpers::caption(tr("销售数量"), EDAmount, saleBox), 2, 0);
    saleGrid->addWidget(EDAmount, 2, 1);
    saleGrid->addWidget(new QLabel(tr("套"), saleBox), 2, 2);
    auto *saleButtons = new QHBoxLayout;
    saleButtons->addWidget(BtnAdd);
    saleButtons->addWidget(BtnDel);
    saleButtons->addWidget(BtnSave);
    saleGrid->addLayout(saleButtons, 3, 0, 1, 3);

    LabName = valueLabel("LabName", this);
    LabCate = valueLabel("LabCate", this);
    LabVer = valueLabel("LabVer", this);
    LabLang = valueLabel("LabLang", this);
    LabDirect = valueLabel("LabDirect", this);
    LabActRole = valueLabel("LabActRole", this);
    auto *infoBox = new QGroupBox(tr("影片信息"), this);
    auto *infoGrid = new QGridLayout(infoBox);
    const std::pair<const char *, QLabel *> info[] = {
        {QT_TR_NOOP("名称:"), LabName},   {QT_TR_NOOP("类型:"), LabCate},
        {QT_TR_NOOP("版本:"), LabVer},    {QT_TR_NOOP("语言:"), LabLang},
        {QT_TR_NOOP("导演:"), LabDirect}, {QT_TR_NOOP("主演:"), LabActRole}};
    int i = 0;
    for (const auto &[text, value] : info) {
        auto *caption = new QLabel(tr(text), infoBox);
        caption->setBuddy(value);
        infoGrid->addWidget(caption, i / 2, (i % 2) * 2);
        infoGrid->addWidget(value, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    infoGrid->setColumnStretch(1, 1);
    infoGrid->setColumnStretch(3, 1);

    EDYJ = edit("EDYJ", QStringLiteral("0.00"), this);
    EDYJ->setReadOnly(true);
    EDYJ->setAlignment(Qt::AlignRight);
    EDYJ->setFocusPolicy(Qt::NoFocus);
    EDYJ->setMaximumWidth(140);
    QFont big = EDYJ->font();
    big.setPixelSize(18);
    big.setBold(true);
    EDYJ->setFont(big);
    auto *totalCaption = EntryHelpers::caption(tr("总金额"), EDYJ, this);
    totalCaption->setFont(big);

    dxDBGrid2 = new DataGrid(this);
    dxDBGrid2->setObjectName(QStringLiteral("dxDBGrid2"));
    dxDBGrid2->addHiddenColumn(kRow);
    dxDBGrid2->addColumn(QStringLiteral("name"), tr("名称"), Grid::Kind::Text, 110);
    dxDBGrid2->addColumn(QStringLiteral("NLang"), tr("语言"), Grid::Kind::Text, 50);
    dxDBGrid2->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 50);
    dxDBGrid2->addColumn(QStringLiteral("Categray"), tr("类型"), Grid::Kind::Text, 50);
    dxDBGrid2->addColumn(QStringLiteral("Direct"), tr("导演"), Grid::Kind::Text, 70);
    dxDBGrid2->addColumn(QStringLiteral("ActRole"), tr("主演"), Grid::Kind::Text, 80);
    dxDBGrid2->addColumn(QStringLiteral("Address1"), tr("存放地址"), Grid::Kind::Text, 60);
    dxDBGrid2->addColumn(QStringLiteral("RMoney"), tr("单价"), Grid::Kind::Money, 60);
    dxDBGrid2->addColumn(QStringLiteral("Amount"), tr("数量"), Grid::Kind::Integer, 45);
    dxDBGrid2->addColumn(QStringLiteral("SumMoney"), tr("金额"), Grid::Kind::Money);
    dxDBGrid2->setKeyField(kRow);
    dxDBGrid2->setLastColumnFills(true);
    dxDBGrid2->view()->setFocusPolicy(Qt::ClickFocus);

    auto *upper = new QHBoxLayout;
    upper->addWidget(saleBox);
    upper->addWidget(infoBox, 1);
    auto *totalRow = new QHBoxLayout;
    totalRow->addStretch();
    totalRow->addWidget(totalCaption);
    totalRow->addWidget(EDYJ);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 8);
    body->addLayout(upper);
    body->addLayout(totalRow);
    body->addWidget(dxDBGrid2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(EntryHelpers::banner(tr("录入影碟销售情况"), this));
    layout->addLayout(body, 1);

    QWidget *order[] = {EDPic, EDPrice, EDAmount, BtnAdd, BtnDel, BtnSave};
    for (size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);

    EDPic->installEventFilter(this);
    connect(BtnSearch, &QPushButton::clicked, this, &TSellFm::BtnSearchClick);
    connect(BtnAdd, &QPushButton::clicked, this, &TSellFm::BtnAddClick);
    connect(BtnDel, &QPushButton::clicked, this, &TSellFm::BtnDelClick);
    connect(BtnSave, &QPushButton::clicked, this, &TSellFm::BtnSaveClick);
    connect(dxDBGrid2, &DataGrid::currentRowChanged, this, &TSellFm::ADOListAfterScroll);
    connect(dxDBGrid2, &DataGrid::rowActivated, this, &TSellFm::EditRow);

    FormShow();
}

void TSellFm::showEvent(QShowEvent *event)
{
    TBaseDlgFM::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        EDPic->setFocus(Qt::OtherFocusReason);
    }
}

void TSellFm::FormShow()
{
    if (m_saleId > 0)
        m_rows = SaleStore::loadSaleLine(m_account.db(), m_saleId);
    showRows();
    showCopy(nullptr);
    EDPrice->setText(QStringLiteral("0.00"));
    EDAmount->setText(QStringLiteral("1"));
}

bool TSellFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EDPic && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window coming up (a message box, the pick list) is not leaving the box,
        // nor is a focus change that ends in the box itself.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            QApplication::focusWidget() != EDPic) {
            lookUp(Leaving::Yes);
        }
    }
    return TBaseDlgFM::eventFilter(watched, event);
}

bool TSellFm::keyStep(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F12) {
        BtnSaveClick();
        return true;
    }
    if (event->key() == Qt::Key_F2 && QApplication::focusWidget() == EDPic) {
        BtnSearchClick();
        return true;
    }
    return TBaseDlgFM::keyStep(event);
}

void TSellFm::showRows()
{
    QList<QVariantList> rows;
    rows.reserve(m_rows.size());
    for (int k = 0; k < m_rows.size(); ++k) {
        const SaleRow &r = m_rows.at(k);
        rows.append({k, r.copy.name, r.copy.nlang, r.copy.ver, r.copy.categray, r.copy.direct,
                     r.copy.actRole, r.copy.address1, r.rmoney.cents(), r.amount, r.sum().cents()});
    }
    dxDBGrid2->setRows({kRow, QStringLiteral("name"), QStringLiteral("NLang"),
                        QStringLiteral("Ver"), QStringLiteral("Categray"), QStringLiteral("Direct"),
                        QStringLiteral("ActRole"), QStringLiteral("Address1"),
                        QStringLiteral("RMoney"), QStringLiteral("Amount"),
                        QStringLiteral("SumMoney")},
                       rows);
    EDYJ->setText(SaleStore::total(m_rows).toString());
    ADOListAfterScroll();
}

void TSellFm::ADOListAfterScroll()
{
    const bool any = !m_rows.isEmpty();
    BtnDel->setEnabled(any);
    BtnSave->setEnabled(any);
    // With rows Esc removes the current one; with none it closes the window.
    setCancelButton(any ? BtnDel : nullptr);
}

void TSellFm::showCopy(const SaleStore::SaleCopy *copy)
{
    LabName->setText(copy ? copy->name : QString());
    LabCate->setText(copy ? copy->categray : QString());
    LabVer->setText(copy ? copy->ver : QString());
    LabLang->setText(copy ? copy->nlang : QString());
    LabDirect->setText(copy ? copy->direct : QString());
    LabActRole->setText(copy ? copy->actRole : QString());
}

bool TSellFm::EDPicExit()
{
    return lookUp(Leaving::No);
}

bool TSellFm::lookUp(Leaving leaving)
{
    const QString code = EDPic->text();
    if (code.isEmpty())
        return false;
    if (m_found && m_found->customNum == code)
        return true;
    if (m_missPending)
        return false; // the miss of this code is about to be reported
    try {
        m_found = SaleStore::findSaleableCopy(m_account.db(), code);
    } catch (const Db::DbError &e) {
        m_found.reset();
        Msg::fault(this, e);
        return false;
    }
    if (m_found) {
        showCopy(&*m_found);
        return true;
    }
    showCopy(nullptr);
    if (leaving == Leaving::No) {
        reportMiss();
        return false;
    }
    // The focus is on its way out of the box: let that move finish, then tell the operator
    // and bring the focus back. A message box opened in the middle of a focus change would
    // leave the focus and the selection in a muddle.
    m_missPending = true;
    QTimer::singleShot(0, this, [this] {
        m_missPending = false;
        reportMiss();
    });
    return false;
}

void TSellFm::reportMiss()
{
    Msg::error(this, tr("影片影片编码不存在或没有出租记录,请检查!"));
    activateWindow(); // the box is gone: keys belong to this window again
    EDPic->setFocus(Qt::OtherFocusReason);
    EDPic->selectAll();
}

void TSellFm::BtnSearchClick()
{
    EDPic->setText(SelectTitle(m_account, this, TitleChoice::Available));
    m_found.reset();
    activateWindow(); // the pick list is gone: keys belong to this window again
    EDPic->setFocus(Qt::OtherFocusReason);
}

void TSellFm::refuse(const QString &text, QLineEdit *field)
{
    Msg::error(this, text);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void TSellFm::BtnAddClick()
{
    if (EDPic->text().isEmpty())
        return refuse(tr("请输入影片的编码！"), EDPic);
    if (EDPrice->text().isEmpty())
        return refuse(tr("请输入影片的价格！"), EDPrice);
    if (EDAmount->text().isEmpty())
        return refuse(tr("请输入影片的数量！"), EDAmount);
    const std::optional<Money> price = PriceBox::parsePrice(EDPrice->text());
    if (!price)
        return refuse(tr("影片的价格输入有错误，请检查！"), EDPrice);
    const std::optional<int> amount = PriceBox::parseQuantity(EDAmount->text());
    if (!amount)
        return refuse(tr("影片的数量输入有错误，请检查！"), EDAmount);
    // The row always takes the copy whose code stands in the box, whatever was looked up last.
    if (!EDPicExit())
        return;

    SaleRow row;
    row.copy = *m_found;
    row.rmoney = *price;
    row.amount = *amount;
    QList<SaleRow> rows = m_rows;
    rows.append(row);
    if (!SaleStore::checkedTotal(rows)) {
        return refuse(tr("总金额超出范围，请检查影片的价格和数量！"), EDPrice);
    }
    m_rows.append(row);
    showRows();
    dxDBGrid2->locateValue(kRow, int(m_rows.size()) - 1);
    resetEntry();
}

void TSellFm::resetEntry()
{
    EDPic->clear();
    m_found.reset();
    showCopy(nullptr);
    EDPrice->setText(QStringLiteral("0.00"));
    EDAmount->setText(QStringLiteral("1"));
    EDPic->setFocus(Qt::OtherFocusReason);
}

void TSellFm::BtnDelClick()
{
    if (!dxDBGrid2->hasCurrentRow())
        return;
    const int row = dxDBGrid2->value(kRow).toInt();
    if (row < 0 || row >= m_rows.size())
        return;
    const int position = dxDBGrid2->currentPosition();
    m_rows.removeAt(row);
    showRows();
    if (dxDBGrid2->rowCount() > 0)
        dxDBGrid2->setCurrentPosition(qMin(position, dxDBGrid2->rowCount() - 1));
    EDPic->setFocus(Qt::OtherFocusReason);
    EDPic->selectAll();
}

void TSellFm::EditRow()
{
    if (!dxDBGrid2->hasCurrentRow())
        return;
    const int row = dxDBGrid2->value(kRow).toInt();
    if (row < 0 || row >= m_rows.size())
        return;
    // The row comes back into the entry boxes, off the list: 添加 puts it back as corrected.
    // Its copy is taken as it was found, so the copy of a sale line being corrected, which the
    // lookup no longer offers, can be added again.
    const SaleRow r = m_rows.takeAt(row);
    showRows();
    EDPic->setText(r.copy.customNum);
    m_found = r.copy;
    showCopy(&r.copy);
    EDPrice->setText(r.rmoney.toString());
    EDAmount->setText(QString::number(r.amount));
    EDPrice->setFocus(Qt::OtherFocusReason);
    EDPrice->selectAll();
}

void TSellFm::BtnSaveClick()
{
    if (m_rows.isEmpty()) {
        Msg::error(this, tr("出租列表不能为空!"));
        return;
    }
    QList<qint64> lineIds;
    try {
        const auto sold = SaleStore::completeSale(m_account.db(), m_rows, m_saleId,
                                                  m_account.operatorId(), QDate::currentDate());
        if (!sold) {
            Msg::error(this, tr("影片【%1】（编码 %2）已出租或已售出，不能销售，"
                                "请从列表中删除!")
                                 .arg(sold.refusal().name, sold.refusal().code));
            return;
        }
        lineIds = sold.value();
    } catch (const Db::DbError &e) {
        // A fault the operator can act on gets its own message; anything else the system's.
        if (e.fault() == Db::Fault::Other)
            Msg::show({this, Msg::SystemCaption, tr("数据保存错误!"), Msg::Icon::Error,
                       QMessageBox::Ok, QMessageBox::Ok, e.details()});
        else
            Msg::fault(this, e);
        return;
    }
    const Money total = SaleStore::total(m_rows);
    const QString summary = SaleStore::saleSummary(int(m_rows.size()), total);
    // The corrected line is gone; further sales from this window are new ones.
    m_saleId = -1;
    Receipt::Content receipt;
    try {
        receipt = Receipt::saleContent(m_account.db(), lineIds);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("单据数据读取失败："));
    }
    ShowSettlement(m_account, summary, receipt, this);
    m_rows.clear();
    showRows();
    resetEntry();
}
