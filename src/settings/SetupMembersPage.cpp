// The members page: the member list, the member's details, and the two sub-pages with the
// member's payments and rentals.
#include "SetupLayout.h"
#include "SetupWindow.h"

#include "MemberStore.h"

#include "rental/MemberPayment.h"
#include "toolkit/DataGrid.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
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

namespace {
QString editingText()
{
    return QCoreApplication::translate("TSetupFm", "修改");
}

QString addingText()
{
    return QCoreApplication::translate("TSetupFm", "添加");
}
} // namespace

QWidget *TSetupFm::buildMembersPage()
{
    auto *page = new QWidget(this);
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);

    ASGrid = makeGrid(QStringLiteral("ASGrid"), tr("会员列表"));
    ASGrid->setParent(page);
    ASGrid->addHiddenColumn(QStringLiteral("ID"));
    ASGrid->addColumn(QStringLiteral("Num"), tr("编号"), Grid::Kind::Text, 38,
                      Qt::AlignCenter);
    ASGrid->addColumn(QStringLiteral("Name"), tr("姓名"), Grid::Kind::Text, 107);
    ASGrid->setFooterVisible(false);
    ASGrid->setFixedWidth(161);
    routeMainList(ASGrid);
    row->addWidget(ASGrid);

    auto *right = new QVBoxLayout;
    row->addLayout(right, 1);

    auto *panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("FlatPanel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    EDNum = addField(grid, 0, 0, tr("会员编号"), QStringLiteral("EDNum"), panel);
    EDNAme = addField(grid, 0, 2, tr("姓    名"), QStringLiteral("EDNAme"), panel);
    EDPhone = addField(grid, 1, 0, tr("电    话"), QStringLiteral("EDPhone"), panel);
    EDGrade = addField(grid, 1, 2, tr("等    级"), QStringLiteral("EDGrade"), panel);
    EDViewNum =
        addField(grid, 2, 0, tr("可观看的影片数"), QStringLiteral("EDViewNum"), panel);
    Input::acceptDigitsOnly(EDViewNum);
    grid->addWidget(new QLabel(tr("(每租一张减一，0：表示已不能再租)"), panel), 2, 2,
                    1, 2);
    EDViewDate = new QDateEdit(panel);
    EDViewDate->setObjectName(QStringLiteral("EDViewDate"));
    EDViewDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    EDViewDate->setCalendarPopup(true);
    EDViewDate->setDate(Settings::noEndDate());
    addCaption(grid, 3, 0, tr("观看影片的终止日期"), EDViewDate);
    grid->addWidget(new QLabel(tr("(“2000-01-01”表示不限制终止日期)"), panel), 3, 2, 1,
                    2);
    EDMemo = addField(grid, 4, 0, tr("说    明"), QStringLiteral("EDMemo"), panel, 3);
    grid->addWidget(rule(panel), 5, 0, 1, 4);

    auto *state = new QHBoxLayout;
    state->addWidget(new QLabel(tr("当前状态："), panel));
    Label20 = new QLabel(editingText(), panel);
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

    PageControl2 = new QTabWidget(page);
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
    SDBGridFee = makeGrid(QStringLiteral("SDBGridFee"), tr("会员交费"));
    SDBGridFee->setParent(TabSheet5);
    SDBGridFee->setKeyField(QStringLiteral("FID"));
    SDBGridFee->addHiddenColumn(QStringLiteral("FID"));
    SDBGridFee->addColumn(QStringLiteral("FeeDate"), tr("交费日期"), Grid::Kind::Date,
                          100);
    SDBGridFee->addColumn(QStringLiteral("Moneys"), tr("金额"), Grid::Kind::Money, 110);
    SDBGridFee->addColumn(QStringLiteral("Memo"), tr("说明"));
    SDBGridFee->setFooter(QStringLiteral("Moneys"), Grid::Summary::Sum,
                          tr("共0.00 元"));
    SDBGridFee->setLastColumnFills(true);
    routeSecondList(SDBGridFee);
    fees->addWidget(SDBGridFee, 1);
    PageControl2->addTab(TabSheet5, tr("会员交费"));

    TabSheet6 = new QWidget(PageControl2);
    TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
    auto *leases = new QVBoxLayout(TabSheet6);
    leases->setContentsMargins(2, 2, 2, 2);
    leases->addWidget(
        new QLabel(tr("用户租赁列表，其中归还日期为空表示该影片未归还。"), TabSheet6));
    SDBGridLease = makeGrid(QStringLiteral("SDBGridLease"), tr("会员租碟"));
    SDBGridLease->setParent(TabSheet6);
    SDBGridLease->addHiddenColumn(QStringLiteral("ID"));
    SDBGridLease->addColumn(QStringLiteral("CustomNum"), tr("编号"), Grid::Kind::Text,
                            70, Qt::AlignCenter);
    SDBGridLease->addColumn(QStringLiteral("DatTime"), tr("出租日期"), Grid::Kind::Date,
                            86);
    SDBGridLease->addColumn(QStringLiteral("ReDate"), tr("归还日期"), Grid::Kind::Date,
                            86);
    SDBGridLease->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 140);
    SDBGridLease->addColumn(QStringLiteral("Nlang"), tr("语言"), Grid::Kind::Text, 50);
    SDBGridLease->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 50);
    SDBGridLease->addColumn(QStringLiteral("Categray"), tr("类型"));
    SDBGridLease->setFooter(QStringLiteral("Name"), Grid::Summary::Count,
                            tr("共 0 部"));
    SDBGridLease->setLastColumnFills(true);
    routeSecondList(SDBGridLease);
    leases->addWidget(SDBGridLease, 1);
    PageControl2->addTab(TabSheet6, tr("会员租碟"));
    PageControl2->setCurrentWidget(TabSheet6);

    connect(PageControl2, &QTabWidget::currentChanged, this, [this] {
        PageControl2Changing();
        openMemberSubList(); // TabSheet5Show / TabSheet6Show
    });
    connect(BtnASAdd, &QPushButton::clicked, this, &TSetupFm::BtnASAddClick);
    connect(BtnAsSave, &QPushButton::clicked, this, &TSetupFm::BtnAsSaveClick);
    connect(BtnASDel, &QPushButton::clicked, this, &TSetupFm::BtnASDelClick);
    connect(BtnSAdd, &QPushButton::clicked, this, &TSetupFm::BtnSAddClick);
    connect(BtnSEdit, &QPushButton::clicked, this, &TSetupFm::BtnSEditClick);
    connect(BtnDel, &QPushButton::clicked, this, &TSetupFm::BtnDelClick);
    updatePaymentButtons();
    return page;
}

void TSetupFm::TabSheet1Show()
{
    m_pageKind = KindMembers;
    setHeader(tr("在这儿您可以设置出租会员的基本信息。"));
    EDViewDate->setDate(Settings::noEndDate());
    m_memberAdding = false;
    try {
        ASGrid->open(Settings::memberListSql());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

qint64 TSetupFm::currentMemberId() const
{
    return keyOf(ASGrid, m_memberAdding);
}

void TSetupFm::setMemberEditsEnabled(bool saveAllowed, bool deleteAllowed)
{
    BtnAsSave->setEnabled(saveAllowed);
    BtnASDel->setEnabled(deleteAllowed);
}

void TSetupFm::memberAfterScroll()
{
    m_memberAdding = false;
    if (!ASGrid->hasCurrentRow()) {
        // No member on show: a save starts a new one, whatever the edits still hold.
        Label20->setText(addingText());
        setMemberEditsEnabled(true, false);
        openMemberSubList();
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
    Label20->setText(editingText());
    openMemberSubList();
}

void TSetupFm::PageControl2Changing()
{
    m_routing = false;
    SDBGridFee->clear();
    SDBGridLease->clear();
    m_routing = true;
}

void TSetupFm::openMemberSubList()
{
    const qint64 id = currentMemberId();
    const bool payments = PageControl2->currentWidget() == TabSheet5;
    DataGrid *shown = payments ? SDBGridFee : SDBGridLease;
    DataGrid *other = payments ? SDBGridLease : SDBGridFee;
    m_routing = false;
    other->clear();
    m_routing = true;
    try {
        if (id == 0)
            shown->clear();
        else if (payments)
            shown->open(Settings::memberPaymentsSql(), {id});
        else
            shown->open(Settings::memberRentalsSql(), {id});
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    updatePaymentButtons();
}

void TSetupFm::updatePaymentButtons()
{
    const bool payments = PageControl2->currentWidget() == TabSheet5;
    BtnSAdd->setEnabled(payments && currentMemberId() != 0);
    const bool hasRow = payments && SDBGridFee->hasCurrentRow();
    BtnSEdit->setEnabled(hasRow);
    BtnDel->setEnabled(hasRow);
}

void TSetupFm::BtnASAddClick()
{
    startNewRow(ASGrid, &m_memberAdding);
    for (QLineEdit *e : {EDNum, EDNAme, EDPhone, EDGrade, EDViewNum, EDMemo})
        e->clear();
    EDViewDate->setDate(QDate::currentDate());
    Label20->setText(addingText());
    setMemberEditsEnabled(true, false);
    openMemberSubList();
    EDNum->setFocus(Qt::OtherFocusReason);
}

void TSetupFm::BtnAsSaveClick()
{
    Settings::MemberEntry entry;
    entry.num = EDNum->text();
    entry.name = EDNAme->text();
    entry.telephone = EDPhone->text();
    entry.grade = EDGrade->text();
    entry.allowance = EDViewNum->text();
    entry.endDate = EDViewDate->date();
    entry.memo = EDMemo->text();
    saveRow(ASGrid, &m_memberAdding, SaveNotice::Told,
            [&] { return Settings::saveMember(currentMemberId(), entry, QDate::currentDate()); });
}

void TSetupFm::BtnASDelClick()
{
    deleteRow(ASGrid, currentMemberId(),
              tr("确定要删除会员【%1】相关资料吗？").arg(ASGrid->value(QStringLiteral("Name")).toString()),
              &Settings::deleteMember);
}

void TSetupFm::BtnSAddClick()
{
    const qint64 member = currentMemberId();
    if (member == 0)
        return;
    QDate date = QDate::currentDate();
    Money amount;
    QString memo;
    qint64 added = 0;
    if (EditMemberPayment(date, amount, memo, this)) {
        try {
            added = Settings::addMemberPayment(member, date, amount, memo);
        } catch (const Db::DbError &e) {
            Msg::fault(this, e, Settings::saveFailedText());
        }
    }
    reopenAt(SDBGridFee, added);
}

void TSetupFm::BtnSEditClick()
{
    if (!SDBGridFee->hasCurrentRow())
        return;
    const qint64 payment = SDBGridFee->value(QStringLiteral("FID")).toLongLong();
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
            Settings::updateMemberPayment(payment, date, amount, memo);
        } catch (const Db::DbError &e) {
            Msg::fault(this, e, Settings::saveFailedText());
        }
    }
    reopenAt(SDBGridFee, payment);
}

void TSetupFm::BtnDelClick()
{
    if (!SDBGridFee->hasCurrentRow())
        return;
    const qint64 payment = SDBGridFee->value(QStringLiteral("FID")).toLongLong();
    if (Msg::askYesNo(this, tr("确定要删除交费记录吗?"), Msg::SystemCaption,
                      Msg::Icon::Warning) != QMessageBox::Yes) {
        return;
    }
    try {
        Settings::deleteMemberPayment(payment);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    reopenAt(SDBGridFee, 0);
}
