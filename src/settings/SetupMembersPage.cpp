#include "SetupMembersPage.h"

#include "data/AccountContext.h"

#include "ListEditor.h"
#include "MemberStore.h"
#include "SetupLayout.h"

#include "rental/MemberPayment.h"
#include "toolkit/DataGrid.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace SetupLayout;

SetupMembersPage::SetupMembersPage(AccountContext &account, QWidget *parent)
    : SetupPage(account, parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);

    ASGrid = listGrid(QStringLiteral("ASGrid"), tr("会员列表"), this);
    ASGrid->addHiddenColumn(QStringLiteral("ID"));
    ASGrid->addColumn(QStringLiteral("Num"), tr("编号"), Grid::Kind::Text, 38, Qt::AlignCenter);
    ASGrid->addColumn(QStringLiteral("Name"), tr("姓名"), Grid::Kind::Text, 107);
    ASGrid->setFooterVisible(false);
    ASGrid->setFixedWidth(161);
    row->addWidget(ASGrid);

    auto *right = new QVBoxLayout;
    row->addLayout(right, 1);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("FlatPanel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    EDNum = addField(grid, 0, 0, tr("会员编号"), QStringLiteral("EDNum"), panel);
    EDNAme = addField(grid, 0, 2, tr("姓    名"), QStringLiteral("EDNAme"), panel);
    EDPhone = addField(grid, 1, 0, tr("电    话"), QStringLiteral("EDPhone"), panel);
    EDGrade = addField(grid, 1, 2, tr("等    级"), QStringLiteral("EDGrade"), panel);
    EDViewNum = addField(grid, 2, 0, tr("可观看的影片数"), QStringLiteral("EDViewNum"), panel);
    Input::acceptDigitsOnly(EDViewNum);
    grid->addWidget(new QLabel(tr("(每租一张减一，0：表示已不能再租)"), panel), 2, 2, 1, 2);
    EDViewDate = new QDateEdit(panel);
    EDViewDate->setObjectName(QStringLiteral("EDViewDate"));
    EDViewDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    EDViewDate->setCalendarPopup(true);
    EDViewDate->setDate(Settings::noEndDate());
    addCaption(grid, 3, 0, tr("观看影片的终止日期"), EDViewDate);
    grid->addWidget(new QLabel(tr("(“2000-01-01”表示不限制终止日期)"), panel), 3, 2, 1, 2);
    EDMemo = addField(grid, 4, 0, tr("说    明"), QStringLiteral("EDMemo"), panel, 3);
    grid->addWidget(rule(panel), 5, 0, 1, 4);

    auto *state = new QHBoxLayout;
    state->addWidget(new QLabel(tr("当前状态："), panel));
    Label20 = new QLabel(tr("修改"), panel);
    Label20->setObjectName(QStringLiteral("Label20"));
    QPalette statePalette = Label20->palette();
    statePalette.setColor(QPalette::WindowText, Qt::darkRed);
    Label20->setPalette(statePalette);
    state->addWidget(Label20);
    BtnASAdd = button(tr("添  加"), QStringLiteral("BtnASAdd"), panel);
    BtnAsSave = button(tr("保  存"), QStringLiteral("BtnAsSave"), panel);
    BtnASDel = button(tr("删  除"), QStringLiteral("BtnASDel"), panel);
    QBoxLayout *buttons = buttonRow(BtnASAdd, BtnAsSave, BtnASDel);
    buttons->insertLayout(0, state);
    grid->addLayout(buttons, 6, 0, 1, 4);
    right->addWidget(panel);

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    right->addWidget(PageControl2, 1);

    TabSheet5 = new QWidget(PageControl2);
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    auto *fees = new QVBoxLayout(TabSheet5);
    fees->setContentsMargins(2, 2, 2, 2);
    auto *toolbar = new QHBoxLayout;
    BtnSAdd = button(tr("添加"), QStringLiteral("BtnSAdd"), TabSheet5);
    BtnSEdit = button(tr("修改"), QStringLiteral("BtnSEdit"), TabSheet5);
    BtnDel = button(tr("删除"), QStringLiteral("BtnDel"), TabSheet5);
    for (QPushButton *b : {BtnSAdd, BtnSEdit, BtnDel})
        toolbar->addWidget(b);
    toolbar->addStretch(1);
    fees->addLayout(toolbar);
    SDBGridFee = listGrid(QStringLiteral("SDBGridFee"), tr("会员交费"), TabSheet5);
    SDBGridFee->setKeyField(QStringLiteral("FID"));
    SDBGridFee->addHiddenColumn(QStringLiteral("FID"));
    SDBGridFee->addColumn(QStringLiteral("FeeDate"), tr("交费日期"), Grid::Kind::Date, 100);
    SDBGridFee->addColumn(QStringLiteral("Moneys"), tr("金额"), Grid::Kind::Money, 110);
    SDBGridFee->addColumn(QStringLiteral("Memo"), tr("说明"));
    SDBGridFee->setFooter(QStringLiteral("Moneys"), Grid::Summary::Sum, tr("共0.00 元"));
    SDBGridFee->setLastColumnFills(true);
    fees->addWidget(SDBGridFee, 1);
    PageControl2->addTab(TabSheet5, tr("会员交费"));

    auto *rentals = new QWidget(PageControl2);
    rentals->setObjectName(QStringLiteral("TabSheet6"));
    auto *leases = new QVBoxLayout(rentals);
    leases->setContentsMargins(2, 2, 2, 2);
    leases->addWidget(new QLabel(tr("用户租赁列表，其中归还日期为空表示该影片未归还。"), rentals));
    SDBGridLease = listGrid(QStringLiteral("SDBGridLease"), tr("会员租碟"), rentals);
    SDBGridLease->addHiddenColumn(QStringLiteral("ID"));
    SDBGridLease->addColumn(QStringLiteral("CustomNum"), tr("编号"), Grid::Kind::Text, 70,
                            Qt::AlignCenter);
    SDBGridLease->addColumn(QStringLiteral("DatTime"), tr("出租日期"), Grid::Kind::Date, 86);
    SDBGridLease->addColumn(QStringLiteral("ReDate"), tr("归还日期"), Grid::Kind::Date, 86);
    SDBGridLease->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 140);
    SDBGridLease->addColumn(QStringLiteral("Nlang"), tr("语言"), Grid::Kind::Text, 50);
    SDBGridLease->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 50);
    SDBGridLease->addColumn(QStringLiteral("Categray"), tr("类型"));
    SDBGridLease->setFooter(QStringLiteral("Name"), Grid::Summary::Count, tr("共 0 部"));
    SDBGridLease->setLastColumnFills(true);
    leases->addWidget(SDBGridLease, 1);
    PageControl2->addTab(rentals, tr("会员租碟"));
    PageControl2->setCurrentWidget(rentals);

    // Payments are entered in the member payment dialog and shown at once: a save there says
    // nothing more.
    m_members = new ListEditor(ASGrid, ListEditor::SaveNotice::Told, this);
    m_payments = new ListEditor(SDBGridFee, ListEditor::SaveNotice::Quiet, this);
    m_rentals = new ListEditor(SDBGridLease, ListEditor::SaveNotice::Quiet, this);
    connect(m_members, &ListEditor::rowChanged, this, &SetupMembersPage::memberShown);
    connect(m_payments, &ListEditor::rowChanged, this, &SetupMembersPage::updatePaymentButtons);
    connect(m_rentals, &ListEditor::rowChanged, this, &SetupMembersPage::updatePaymentButtons);
    connect(PageControl2, &QTabWidget::currentChanged, this, [this] {
        m_payments->clearQuietly();
        m_rentals->clearQuietly();
        openSubList();
    });
    connect(BtnASAdd, &QPushButton::clicked, this, &SetupMembersPage::startNewMember);
    connect(BtnAsSave, &QPushButton::clicked, this, &SetupMembersPage::saveMember);
    connect(BtnASDel, &QPushButton::clicked, this, &SetupMembersPage::deleteMember);
    connect(BtnSAdd, &QPushButton::clicked, this, &SetupMembersPage::addPayment);
    connect(BtnSEdit, &QPushButton::clicked, this, &SetupMembersPage::editPayment);
    connect(BtnDel, &QPushButton::clicked, this, &SetupMembersPage::deletePayment);
    updatePaymentButtons();
}

QString SetupMembersPage::header() const
{
    return tr("在这儿您可以设置出租会员的基本信息。");
}

void SetupMembersPage::enter()
{
    EDViewDate->setDate(Settings::noEndDate());
    m_members->open(m_account.db(), Settings::memberListSql());
}

void SetupMembersPage::setMemberEditsEnabled(bool saveAllowed, bool deleteAllowed)
{
    BtnAsSave->setEnabled(saveAllowed);
    BtnASDel->setEnabled(deleteAllowed);
}

void SetupMembersPage::memberShown()
{
    if (!ASGrid->hasCurrentRow()) {
        // No member on show: a save starts a new one, whatever the edits still hold.
        Label20->setText(tr("添加"));
        setMemberEditsEnabled(true, false);
        openSubList();
        return;
    }
    auto field = [this](const char *name) { return ASGrid->value(QLatin1String(name)).toString(); };
    EDNum->setText(field("Num"));
    EDNAme->setText(field("Name"));
    EDPhone->setText(field("Telephone"));
    EDGrade->setText(field("Grade"));
    const QVariant sum = ASGrid->value(QStringLiteral("Sum"));
    EDViewNum->setText(sum.isValid() ? QString::number(sum.toLongLong()) : QString());
    const QDate end = SqlDialect::parseDate(field("SDT"));
    EDViewDate->setDate(end.isValid() ? end : Settings::noEndDate());
    EDMemo->setText(field("Memo"));
    const bool isProtected =
        ASGrid->value(QStringLiteral("ASFlag")).toInt() == Settings::MemberProtected;
    setMemberEditsEnabled(!isProtected, !isProtected);
    Label20->setText(tr("修改"));
    openSubList();
}

void SetupMembersPage::startNewMember()
{
    m_members->startNew();
    for (QLineEdit *e : {EDNum, EDNAme, EDPhone, EDGrade, EDViewNum, EDMemo})
        e->clear();
    EDViewDate->setDate(QDate::currentDate());
    Label20->setText(tr("添加"));
    setMemberEditsEnabled(true, false);
    openSubList();
    EDNum->setFocus(Qt::OtherFocusReason);
}

void SetupMembersPage::saveMember()
{
    Settings::MemberEntry entry;
    entry.num = EDNum->text();
    entry.name = EDNAme->text();
    entry.telephone = EDPhone->text();
    entry.grade = EDGrade->text();
    entry.allowance = EDViewNum->text();
    entry.endDate = EDViewDate->date();
    entry.memo = EDMemo->text();
    const qint64 id = m_members->currentKey();
    m_members->save(
        [&] { return Settings::saveMember(m_account, id, entry, QDate::currentDate()); });
}

void SetupMembersPage::deleteMember()
{
    m_members->remove(tr("确定要删除会员【%1】相关资料吗？")
                          .arg(ASGrid->value(QStringLiteral("Name")).toString()),
                      [this](qint64 id) { Settings::deleteMember(m_account, id); });
}

bool SetupMembersPage::paymentsOnShow() const
{
    return PageControl2->currentWidget() == TabSheet5;
}

void SetupMembersPage::openSubList()
{
    const qint64 id = m_members->currentKey();
    const bool payments = paymentsOnShow();
    ListEditor *shown = payments ? m_payments : m_rentals;
    (payments ? m_rentals : m_payments)->clearQuietly();
    if (id == 0)
        shown->grid()->clear();
    else if (payments)
        shown->open(m_account.db(), Settings::memberPaymentsSql(), {id});
    else
        shown->open(m_account.db(), Settings::memberRentalsSql(), {id});
    updatePaymentButtons();
}

void SetupMembersPage::updatePaymentButtons()
{
    const bool payments = paymentsOnShow();
    BtnSAdd->setEnabled(payments && m_members->currentKey() != 0);
    const bool hasRow = payments && SDBGridFee->hasCurrentRow();
    BtnSEdit->setEnabled(hasRow);
    BtnDel->setEnabled(hasRow);
}

void SetupMembersPage::addPayment()
{
    const qint64 member = m_members->currentKey();
    if (member == 0)
        return;
    QDate date = QDate::currentDate();
    Money amount;
    QString memo;
    qint64 added = 0;
    if (EditMemberPayment(date, amount, memo, this)) {
        try {
            added = Settings::addMemberPayment(m_account, member, date, amount, memo);
        } catch (const Db::DbError &e) {
            Msg::fault(this, e, Settings::saveFailedText());
        }
    }
    m_payments->reopenAt(added);
}

void SetupMembersPage::editPayment()
{
    const qint64 payment = m_payments->currentKey();
    if (payment == 0)
        return;
    QDate date = SqlDialect::parseDate(SDBGridFee->value(QStringLiteral("FeeDate")).toString());
    const auto stored =
        Money::tryFromCents(SDBGridFee->value(QStringLiteral("Moneys")).toLongLong());
    if (!stored) {
        Msg::error(this, MoneyRangeError().message());
        return;
    }
    Money amount = *stored;
    QString memo = SDBGridFee->value(QStringLiteral("Memo")).toString();
    if (EditMemberPayment(date, amount, memo, this)) {
        try {
            Settings::updateMemberPayment(m_account, payment, date, amount, memo);
        } catch (const Db::DbError &e) {
            Msg::fault(this, e, Settings::saveFailedText());
        }
    }
    m_payments->reopenAt(payment);
}

void SetupMembersPage::deletePayment()
{
    m_payments->remove(tr("确定要删除交费记录吗?"),
                       [this](qint64 id) { Settings::deleteMemberPayment(m_account, id); });
}
