#include "TitleEditWindow.h"

#include "data/AccountContext.h"

#include "EntryHelpers.h"
#include "StockStore.h"

#include "data/Db.h"
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

template <typename W> W *field(const char *name, QWidget *parent)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace

TRepertoryDetailEditFm::TRepertoryDetailEditFm(AccountContext &account, qint64 titleId,
                                               QWidget *parent)
    : TBaseDlgFM(parent), m_titleId(titleId), m_account(account)
{
    setObjectName(QStringLiteral("RepertoryDetailEditFm"));
    setWindowTitle(tr("影片资料修改（按ESC键关闭窗口）"));
    resize(600, 330);

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
    CatComB->setEditable(true);
    CatComB->setInsertPolicy(QComboBox::NoInsert);
    FlatEdit3 = field<QLineEdit>("FlatEdit3", this);
    VerComB = field<QComboBox>("VerComB", this);
    FlatEdit4 = field<QLineEdit>("FlatEdit4", this);
    dxCurrencyEdit1 = field<QLineEdit>("dxCurrencyEdit1", this);
    dxCurrencyEdit1->setAlignment(Qt::AlignRight);
    EDAddress = field<QLineEdit>("EDAddress", this);
    for (QLineEdit *e : {EDNum, EDName, EDAddress})
        e->setMaxLength(50);
    for (QLineEdit *e : {EDDirect, EDActRole})
        e->setMaxLength(100);
    CatComB->lineEdit()->setMaxLength(50);

    BtnSave = new QPushButton(tr("确定"), this);
    BtnSave->setObjectName(QStringLiteral("BtnSave"));
    BtnSave->setAutoDefault(false);
    BtnClose = new QPushButton(tr("退出"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setAutoDefault(false);

    auto *strip = EntryHelpers::banner(QString(), this);
    strip->setFixedHeight(10);

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
    auto add = [&](int row, int col, const QString &text, QWidget *w, int span = 1) {
        QLabel *label = EntryHelpers::caption(text, w, this);
        form->addWidget(label, row, col * 2);
        form->addWidget(w, row, col * 2 + 1, 1, span);
        return label;
    };
    add(0, 0, tr("自 编 码"), EDNum);
    add(0, 1, tr("影片名称"), EDName);
    add(1, 0, tr("导    演"), EDDirect, 3);
    add(2, 0, tr("主要演员"), EDActRole, 3);
    add(3, 0, tr("语言类型"), LanComB);
    add(3, 1, tr("影片类型"), CatComB);
    add(4, 0, tr("张数/每套"), FlatEdit3);
    add(4, 1, tr("版本说明"), VerComB);
    Label4 = add(5, 0, tr("套    数"), FlatEdit4);
    add(5, 1, tr("总 价 格"), dxCurrencyEdit1);
    add(6, 0, tr("存放地址"), EDAddress, 3);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    FlatEdit4->setEnabled(false);
    Label4->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnClose);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 8);
    body->addLayout(top);
    body->addWidget(rule);
    body->addLayout(form);
    body->addStretch();
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip);
    layout->addLayout(body, 1);

    QWidget *order[] = {dxDateEdit1,     ProComB,   EDNum,   EDName,    EDDirect,
                        EDActRole,       LanComB,   CatComB, FlatEdit3, VerComB,
                        dxCurrencyEdit1, EDAddress, BtnSave, BtnClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(BtnSave, &QPushButton::clicked, this, &TRepertoryDetailEditFm::BtnSaveClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    FormShow();
}

void TRepertoryDetailEditFm::FormShow()
{
    dxDateEdit1->setDate(QDate::currentDate());
    EntryHelpers::fillLookup(LanComB, StockStore::languages(m_account.db()), false);
    EntryHelpers::fillLookup(CatComB, StockStore::categories(m_account.db()), false);
    EntryHelpers::fillLookup(VerComB, StockStore::versions(m_account.db()), false);
    EntryHelpers::fillLookup(ProComB, StockStore::suppliers(m_account.db()), false);

    m_loaded = StockStore::loadTitle(m_account.db(), m_titleId);
    if (!m_loaded)
        return;
    const TitleRecord &t = *m_loaded;
    FlatEdit3->setText(QString::number(t.amount));
    FlatEdit4->setText(QString::number(t.copy));
    EDName->setText(t.name);
    EntryHelpers::selectId(ProComB, t.provide);
    if (t.datTime.isValid())
        dxDateEdit1->setDate(t.datTime);
    EDAddress->setText(t.address1);
    EntryHelpers::selectText(VerComB, t.ver);
    EntryHelpers::selectText(LanComB, t.nlang);
    EntryHelpers::selectText(CatComB, t.categray);
    // The category box takes typed text: a category missing from the table stays as stored.
    CatComB->setEditText(t.categray);
    dxCurrencyEdit1->setText(t.mone.toString());
    EDNum->setText(t.customNum);
    EDDirect->setText(t.direct);
    EDActRole->setText(t.actRole);
}

void TRepertoryDetailEditFm::BtnSaveClick()
{
    auto refuse = [this](const QString &text, QWidget *focus) {
        Msg::error(this, text);
        focus->setFocus(Qt::OtherFocusReason);
    };
    if (EDNum->text().trimmed().isEmpty())
        return refuse(tr("请输入影片自编码!"), EDNum);
    if (EDName->text().trimmed().isEmpty())
        return refuse(tr("请输入影片名称!"), EDName);
    if (VerComB->currentIndex() < 0)
        return refuse(tr("请选择影片版本!"), VerComB);
    // A row without a supplier would be written with no supplier at all: refuse instead.
    if (ProComB->currentIndex() < 0)
        return refuse(tr("请选择供应商!"), ProComB);
    int discs = 0;
    int sets = 0;
    // The number of sets cannot be changed here: it is written back as it was read.
    if (!EntryHelpers::readCount(this, FlatEdit3, TypedCounts::DiscsPerSet, &discs) ||
        !EntryHelpers::readCount(this, FlatEdit4, TypedCounts::AnyInteger, &sets))
        return;
    const std::optional<Money> price = Money::parse(dxCurrencyEdit1->text());
    if (!price)
        return refuse(tr("请输入影片价格!"), dxCurrencyEdit1);

    TitleRecord t;
    t.customNum = EDNum->text();
    t.name = EDName->text();
    // A language missing from the table shows no item; the stored text is kept, not erased.
    t.nlang = LanComB->currentIndex() >= 0 ? LanComB->currentText()
                                           : (m_loaded ? m_loaded->nlang : QString());
    t.ver = VerComB->currentText();
    t.categray = CatComB->currentText();
    t.amount = discs;
    t.copy = sets;
    t.datTime = dxDateEdit1->date();
    t.provide = ProComB->currentData().toLongLong();
    t.mone = *price;
    t.address1 = EDAddress->text();
    t.direct = EDDirect->text();
    t.actRole = EDActRole->text();

    try {
        if (StockStore::updateTitle(m_account, m_titleId, t))
            Msg::info(this, tr("影片保存操作成功!"));
        else
            Msg::info(this, tr("影片保存操作失败!"));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("影片保存操作失败!"));
    }
    accept();
}
