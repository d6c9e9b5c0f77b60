#include "TitleEntryWindow.h"

#include "data/AccountContext.h"

#include "labels/LabelWindow.h"

#include "EntryHelpers.h"
#include "StockStore.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using CopyNumbering::Mode;

namespace {

const QString kRow = QStringLiteral("Row");

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

template <typename W> W *field(const char *name, QWidget *parent)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace

TRepertoryDetailFM::TRepertoryDetailFM(AccountContext &account, QWidget *parent)
    : TBaseDlgFM(parent), m_account(account)
{
    setObjectName(QStringLiteral("RepertoryDetailFM"));
    setWindowTitle(tr("库存影片编辑（按ESC键关闭窗口）"));
    resize(660, 560);

    dxDateEdit1 = field<QDateEdit>("dxDateEdit1", this);
    dxDateEdit1->setCalendarPopup(true);
    dxDateEdit1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ProComB = field<QComboBox>("ProComB", this);
    EDNum = field<QLineEdit>("EDNum", this);
    EDName = field<QLineEdit>("EDName", this);
    EDDirect = field<QLineEdit>("EDDirect", this);
    EDActRole = field<QLineEdit>("EDActRole", this);
    LanComB = field<QComboBox>("LanComB", this);
    CatComB = field<QComboBox>("CatComB", this);
    VerComB = field<QComboBox>("VerComB", this);
    FlatEdit3 = field<QLineEdit>("FlatEdit3", this);
    FlatEdit3->setText(QStringLiteral("2"));
    FlatEdit4 = field<QLineEdit>("FlatEdit4", this);
    FlatEdit4->setText(QStringLiteral("1"));
    EntryHelpers::acceptDigitsOnly(FlatEdit4);
    dxCurrencyEdit1 = field<QLineEdit>("dxCurrencyEdit1", this);
    dxCurrencyEdit1->setAlignment(Qt::AlignRight);
    EDAddress = field<QLineEdit>("EDAddress", this);
    for (QLineEdit *e : {EDNum, EDName, EDDirect, EDActRole, FlatEdit3, FlatEdit4, EDAddress})
        e->setMaxLength(e == EDDirect || e == EDActRole ? 100 : 50);

    BtnAdd = button(tr("添加"), "BtnAdd", this);
    BtnEdit = button(tr("保存"), "BtnEdit", this);
    BtnDel = button(tr("删除"), "BtnDel", this);
    BtnSaveAgin = button(tr("保存/新添"), "BtnSaveAgin", this);
    BtnLabel = button(tr("打印标签"), "BtnLabel", this);
    BtnSave = button(tr("保存/退出"), "BtnSave", this);
    BtnClose = button(tr("退出"), "BtnClose", this);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setGroupBoxVisible(false);
    dxDBGrid1->addHiddenColumn(kRow);
    dxDBGrid1->addColumn(QStringLiteral("DatTime"), tr("进货日期"), Grid::Kind::Date,
                         90);
    dxDBGrid1->addColumn(QStringLiteral("CustomNum"), tr("自编码"), Grid::Kind::Text,
                         90, Qt::AlignCenter);
    dxDBGrid1->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 200);
    dxDBGrid1->addColumn(QStringLiteral("Mone"), tr("价格"), Grid::Kind::Money, 80);
    dxDBGrid1->addColumn(QStringLiteral("Copy"), tr("数量"), Grid::Kind::Integer);
    dxDBGrid1->setFooter(QStringLiteral("Copy"), Grid::Summary::Sum, tr("共 0 部"));
    dxDBGrid1->setSort(QStringLiteral("Name"), Qt::DescendingOrder);
    dxDBGrid1->setKeyField(kRow);

    auto *top = new QHBoxLayout;
    top->addWidget(EntryHelpers::caption(tr("进货日期"), dxDateEdit1, this));
    top->addWidget(dxDateEdit1);
    top->addSpacing(20);
    top->addWidget(EntryHelpers::caption(tr("供 应 商"), ProComB, this));
    top->addWidget(ProComB, 1);
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(6);
    auto add = [&](int row, int col, const QString &text, QWidget *w, int span = 1) {
        form->addWidget(EntryHelpers::caption(text, w, this), row, col * 2);
        form->addWidget(w, row, col * 2 + 1, 1, span);
    };
    add(0, 0, tr("自 编 码"), EDNum);
    add(0, 1, tr("影片名称"), EDName, 3);
    add(1, 0, tr("导    演"), EDDirect, 5);
    add(2, 0, tr("主要演员"), EDActRole, 5);
    add(3, 0, tr("语言类型"), LanComB);
    add(3, 1, tr("影片类型"), CatComB);
    add(3, 2, tr("版本说明"), VerComB);
    add(4, 0, tr("张数/每套"), FlatEdit3);
    add(4, 1, tr("数    量"), FlatEdit4);
    add(4, 2, tr("总 价 格"), dxCurrencyEdit1);
    add(5, 0, tr("存放地址"), EDAddress, 5);
    for (int c : {1, 3, 5})
        form->setColumnStretch(c, 1);

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(BtnAdd);
    listButtons->addWidget(BtnEdit);
    listButtons->addWidget(BtnDel);
    listButtons->addWidget(BtnLabel);
    listButtons->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BtnSaveAgin);
    bottom->addWidget(BtnSave);
    bottom->addWidget(BtnClose);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 8);
    body->addLayout(top);
    body->addWidget(rule);
    body->addLayout(form);
    body->addLayout(listButtons);
    body->addWidget(dxDBGrid1, 1);
    body->addLayout(bottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(EntryHelpers::banner(tr("影碟信息输入"), this));
    layout->addLayout(body, 1);

    // Enter walks the fields in this order, so a film is entered without the mouse.
    QWidget *order[] = {
        EDNum,     EDName,      EDDirect,          EDActRole,   LanComB, CatComB, VerComB,
        FlatEdit3, FlatEdit4,   dxCurrencyEdit1,   EDAddress,   BtnEdit, BtnAdd,  BtnDel,
        ProComB,   dxDateEdit1, dxDBGrid1->view(), BtnSaveAgin, BtnSave, BtnClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(BtnAdd, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnAddClick);
    connect(BtnEdit, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnEditClick);
    connect(BtnDel, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnDelClick);
    connect(BtnSaveAgin, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnSaveAginClick);
    connect(BtnSave, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnSaveClick);
    connect(BtnLabel, &QPushButton::clicked, this, &TRepertoryDetailFM::BtnLabelClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(dxDBGrid1, &DataGrid::currentRowChanged, this, [this] {
        if (!m_showingRows)
            ADOListAfterScroll();
    });
    // A click on the row that is already current loads it as well.
    connect(dxDBGrid1->view(), &QAbstractItemView::clicked, this,
            &TRepertoryDetailFM::ADOListAfterScroll);
    // Tied to the field alone: the field still loses its focus while the dialog is being
    // destroyed, when nothing of this class may be touched any more.
    connect(dxCurrencyEdit1, &QLineEdit::editingFinished, dxCurrencyEdit1,
            [edit = dxCurrencyEdit1] {
                if (const auto price = Money::parse(edit->text()))
                    edit->setText(price->toString());
            });

    FormShow();
}

TRepertoryDetailFM::~TRepertoryDetailFM()
{
    // The base class destroys the controls after this class's part is gone; a control losing
    // its focus then must not call back into this class.
    const QList<QObject *> controls = findChildren<QObject *>();
    for (QObject *control : controls)
        disconnect(control, nullptr, this, nullptr);
}

void TRepertoryDetailFM::showEvent(QShowEvent *event)
{
    TBaseDlgFM::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        EDNum->setFocus(Qt::OtherFocusReason);
    }
}

void TRepertoryDetailFM::FormShow()
{
    dxDateEdit1->setDate(QDate::currentDate());
    fillLookups();
    m_pending.clear();
    showPending();
    m_mode = Mode::Entry;
}

void TRepertoryDetailFM::fillLookups()
{
    EntryHelpers::fillLookup(LanComB, StockStore::languages(m_account.db()), true);
    EntryHelpers::fillLookup(CatComB, StockStore::categories(m_account.db()), true);
    EntryHelpers::fillLookup(VerComB, StockStore::versions(m_account.db()), true);
    EntryHelpers::fillLookup(ProComB, StockStore::suppliers(m_account.db()), false);
}

void TRepertoryDetailFM::showPending()
{
    QList<QVariantList> rows;
    rows.reserve(m_pending.size());
    for (int i = 0; i < m_pending.size(); ++i) {
        const TitleRecord &t = m_pending.at(i);
        rows.append({i, t.datTime.toString(QStringLiteral("yyyy-MM-dd")), t.customNum, t.name,
                     t.mone.cents(), t.copy});
    }
    m_showingRows = true;
    dxDBGrid1->setRows({kRow, QStringLiteral("DatTime"), QStringLiteral("CustomNum"),
                        QStringLiteral("Name"), QStringLiteral("Mone"), QStringLiteral("Copy")},
                       rows);
    m_showingRows = false;
}

int TRepertoryDetailFM::currentPendingRow() const
{
    if (!dxDBGrid1->hasCurrentRow())
        return -1;
    return dxDBGrid1->value(kRow).toInt();
}

void TRepertoryDetailFM::ADOListAfterScroll()
{
    const int row = currentPendingRow();
    if (row < 0 || row >= m_pending.size() || m_pending.at(row).customNum.isEmpty())
        return;
    loadRow(row);
    m_mode = Mode::Edit;
}

void TRepertoryDetailFM::loadRow(int row)
{
    const TitleRecord &t = m_pending.at(row);
    FlatEdit3->setText(QString::number(t.amount));
    FlatEdit4->setText(QString::number(t.copy));
    EDName->setText(t.name);
    EntryHelpers::selectId(ProComB, t.provide);
    dxDateEdit1->setDate(t.datTime);
    EDAddress->setText(t.address1);
    EntryHelpers::selectText(VerComB, t.ver);
    EntryHelpers::selectText(LanComB, t.nlang);
    EntryHelpers::selectText(CatComB, t.categray);
    dxCurrencyEdit1->setText(t.mone.toString());
    EDNum->setText(t.customNum);
    EDDirect->setText(t.direct);
    EDActRole->setText(t.actRole);
}

void TRepertoryDetailFM::clearFields()
{
    for (QLineEdit *e : {EDNum, EDName, EDDirect, EDActRole, EDAddress, dxCurrencyEdit1})
        e->clear();
    FlatEdit3->setText(QStringLiteral("2"));
    FlatEdit4->setText(QStringLiteral("1"));
    for (QComboBox *box : {LanComB, CatComB, VerComB})
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    dxDateEdit1->setDate(QDate::currentDate());
    m_mode = Mode::Entry;
}

void TRepertoryDetailFM::BtnAddClick()
{
    clearFields();
    EDNum->setFocus(Qt::OtherFocusReason);
}

void TRepertoryDetailFM::BtnEditClick()
{
    auto refuse = [this](const QString &text, QWidget *focus) {
        Msg::error(this, text);
        focus->setFocus(Qt::OtherFocusReason);
    };
    if (EDNum->text().trimmed().isEmpty())
        return refuse(tr("请输入自编码!"), EDNum);
    if (EDName->text().trimmed().isEmpty())
        return refuse(tr("请输入影片名称!"), EDName);
    const std::optional<Money> price = Money::parse(dxCurrencyEdit1->text());
    if (!price)
        return refuse(tr("请输入影片价格!"), dxCurrencyEdit1);
    if (ProComB->currentIndex() < 0)
        return refuse(tr("请选择供应商!"), ProComB);
    int discs = 0;
    int quantity = 0;
    if (!EntryHelpers::readCount(this, FlatEdit3, TypedCounts::DiscsPerSet, &discs) ||
        !EntryHelpers::readCount(this, FlatEdit4, TypedCounts::CopiesAtOnce, &quantity))
        return;

    TitleRecord film;
    film.customNum = EDNum->text();
    film.name = EDName->text();
    film.nlang = LanComB->currentText();
    film.ver = VerComB->currentText();
    film.categray = CatComB->currentText();
    film.amount = discs;
    film.copy = 1;
    film.datTime = dxDateEdit1->date();
    film.provide = ProComB->currentData().toLongLong();
    film.mone = *price;
    film.address1 = EDAddress->text();
    film.direct = EDDirect->text();
    film.actRole = EDActRole->text();

    const QList<int> touched = m_pending.apply(film, quantity, m_mode, currentPendingRow());
    showPending();
    if (!touched.isEmpty()) {
        m_showingRows = true;
        dxDBGrid1->locateValue(kRow, touched.last());
        m_showingRows = false;
    }
    clearFields();
    EDNum->setFocus(Qt::OtherFocusReason);
}

void TRepertoryDetailFM::BtnDelClick()
{
    const int row = currentPendingRow();
    if (row < 0)
        return;
    const int position = dxDBGrid1->currentPosition();
    m_pending.remove(row);
    showPending();
    if (dxDBGrid1->rowCount() == 0)
        return;
    m_showingRows = true;
    dxDBGrid1->setCurrentPosition(qMin(position, dxDBGrid1->rowCount() - 1));
    m_showingRows = false;
    ADOListAfterScroll();
}

bool TRepertoryDetailFM::BtnSaveAginClick()
{
    try {
        StockStore::writeTitles(m_account, m_pending.rows());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("影片保存失败，未写入任何记录!"));
        return false;
    }
    m_pending.clear();
    showPending();
    return true;
}

void TRepertoryDetailFM::BtnSaveClick()
{
    if (BtnSaveAginClick())
        accept();
}

void TRepertoryDetailFM::BtnLabelClick()
{
    // The copies of the list, all ticked: labels go on the discs as they are shelved.
    QList<LabelSheet::Label> labels;
    QList<int> all;
    for (int i = 0; i < dxDBGrid1->rowCount(); ++i) {
        labels.append({dxDBGrid1->textAt(i, QStringLiteral("CustomNum")),
                       dxDBGrid1->textAt(i, QStringLiteral("Name"))});
        all << i;
    }
    if (labels.isEmpty())
        return;
    ShowLabelPrint(labels, all, this);
}
