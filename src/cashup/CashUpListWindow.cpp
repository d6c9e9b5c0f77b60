#include "CashUpListWindow.h"

#include "data/AccountContext.h"

#include "CashUp.h"
#include "CashUpSlip.h"

#include "stock/EntryHelpers.h"

#include "data/Db.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportPreview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QDateEdit *dateEdit(const char *name, const QDate &date, QWidget *parent)
{
    auto *e = new QDateEdit(date, parent);
    e->setObjectName(QLatin1String(name));
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return e;
}

QPointer<TCashUpListFm> g_cashUpList;

} // namespace

TCashUpListFm::TCashUpListFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("CashUpListFm"));
    setWindowTitle(tr("交班记录"));
    setAutoFillBackground(true);

    const QDate today = QDate::currentDate();
    DTPFrom = dateEdit("DTPFrom", today.addDays(1 - today.day()), this);
    DTPTo = dateEdit("DTPTo", today, this);
    CombUser = new QComboBox(this);
    CombUser->setObjectName(QStringLiteral("CombUser"));
    CombUser->setMinimumWidth(110);
    BtnQuery = button(tr("查询"), "BtnQuery", this);
    BtnReport = button(tr("报表"), "BtnReport", this);
    BitBtn1 = button(tr("关闭"), "BitBtn1", this);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setAccessibleName(tr("交班记录"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("ID"));
    dxDBGrid1->addColumn(QStringLiteral("Day"), tr("日期"), Grid::Kind::Date, 90);
    dxDBGrid1->addColumn(QStringLiteral("Name"), tr("操作人员"), Grid::Kind::Text, 80);
    dxDBGrid1->addColumn(QStringLiteral("StartAt"), tr("开始时间"),
                         Grid::Kind::DateTime, 140);
    dxDBGrid1->addColumn(QStringLiteral("EndAt"), tr("结束时间"), Grid::Kind::DateTime,
                         140);
    const std::pair<const char *, const char *> money[] = {
        {"DepositIn", QT_TR_NOOP("收取押金")}, {"DepositOut", QT_TR_NOOP("退还押金")},
        {"Rent", QT_TR_NOOP("租金收入")},      {"Sales", QT_TR_NOOP("销售收入")},
        {"OtherIn", QT_TR_NOOP("其他收入")},   {"Expense", QT_TR_NOOP("费用支出")},
        {"Expected", QT_TR_NOOP("应有现金")},  {"Counted", QT_TR_NOOP("实点现金")},
        {"Difference", QT_TR_NOOP("差额")},
    };
    for (const auto &[field, caption] : money) {
        dxDBGrid1->addColumn(QLatin1String(field), tr(caption), Grid::Kind::Money,
                             80);
        dxDBGrid1->setFooter(QLatin1String(field), Grid::Summary::Sum, QStringLiteral("0.00"));
    }
    dxDBGrid1->addColumn(QStringLiteral("Note"), tr("备注"), Grid::Kind::Text, 160);
    dxDBGrid1->setKeyField(QStringLiteral("ID"));

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(EntryHelpers::caption(tr("起始日期"), DTPFrom, this));
    tools->addWidget(DTPFrom);
    tools->addWidget(EntryHelpers::caption(tr("截止日期"), DTPTo, this));
    tools->addWidget(DTPTo);
    tools->addWidget(EntryHelpers::caption(tr("操作人员"), CombUser, this));
    tools->addWidget(CombUser);
    tools->addWidget(BtnQuery);
    tools->addWidget(BtnReport);
    tools->addStretch();
    tools->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(EntryHelpers::banner(tr("交班记录"), this));
    layout->addLayout(tools);
    layout->addWidget(dxDBGrid1, 1);

    connect(BtnQuery, &QPushButton::clicked, this, &TCashUpListFm::BtnQueryClick);
    connect(BtnReport, &QPushButton::clicked, this, &TCashUpListFm::BtnReportClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);
}

void TCashUpListFm::showEvent(QShowEvent *event)
{
    TBaseFm::showEvent(event);
    if (!event->spontaneous()) {
        fillUsers();
        BtnQueryClick();
    }
}

void TCashUpListFm::fillUsers()
{
    const qint64 chosen = CombUser->currentData().toLongLong();
    CombUser->clear();
    CombUser->addItem(tr("所有人员"), 0);
    try {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Name FROM TBPersons ORDER BY ID"), {},
                               m_account.db());
        while (q.next())
            CombUser->addItem(Db::text(q, "Name"), Db::integer(q, "ID"));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    CombUser->setCurrentIndex(qMax(0, CombUser->findData(chosen)));
}

void TCashUpListFm::BtnQueryClick()
{
    QVariantList params;
    const QString sql = CashUp::listSql(DTPFrom->date(), DTPTo->date(),
                                        CombUser->currentData().toLongLong(), &params);
    try {
        dxDBGrid1->open(m_account.db(), sql, params);
    } catch (const Db::DbError &e) {
        dxDBGrid1->clear();
        Msg::fault(this, e);
    }
}

void TCashUpListFm::BtnReportClick()
{
    QVariantList params;
    const QString sql = CashUp::listSql(DTPFrom->date(), DTPTo->date(),
                                        CombUser->currentData().toLongLong(), &params);
    ReportDocument doc;
    try {
        doc = CashUpSlip::report(ReportData::fromQuery(sql, params, m_account.db()),
                                 DTPFrom->date(), DTPTo->date());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CashUpReportFm"));
    dialog.setWindowTitle(tr("交班结算报表"));
    auto *preview = new ReportPreview(&dialog);
    preview->setObjectName(QStringLiteral("ReportPreview"));
    preview->setDocument(doc);
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(preview);
    dialog.resize(900, 700);
    dialog.exec();
}

void ShowCashUpList(AccountContext &account)
{
    if (!g_cashUpList) {
        g_cashUpList = new TCashUpListFm(account);
        if (WorkArea *area = mainWorkArea())
            area->place(g_cashUpList);
    }
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_cashUpList);
    else
        g_cashUpList->show();
    g_cashUpList->raise();
}
