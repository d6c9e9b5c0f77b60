#include "AuditLogWindow.h"

#include "data/AccountContext.h"

#include "AuditLog.h"

#include "stock/EntryHelpers.h"

#include "data/Db.h"
#include "shell/Openers.h"
#include "shell/WorkArea.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QComboBox>
#include <QDateEdit>
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

QPointer<TAuditLogFm> g_auditLog;

} // namespace

TAuditLogFm::TAuditLogFm(AccountContext &account, QWidget *parent)
    : TBaseFm(parent), m_account(account)
{
    setObjectName(QStringLiteral("AuditLogFm"));
    setWindowTitle(tr("操作日志"));
    setAutoFillBackground(true);

    const QDate today = QDate::currentDate();
    DTPFrom = dateEdit("DTPFrom", today.addDays(-6), this);
    DTPTo = dateEdit("DTPTo", today, this);
    CombUser = new QComboBox(this);
    CombUser->setObjectName(QStringLiteral("CombUser"));
    CombUser->setMinimumWidth(110);
    CombKind = new QComboBox(this);
    CombKind->setObjectName(QStringLiteral("CombKind"));
    CombKind->addItem(tr("所有类型"));
    for (Audit::Kind k : Audit::allKinds())
        CombKind->addItem(Audit::kindCaption(k), Audit::kindText(k));
    BtnQuery = button(tr("查询"), "BtnQuery", this);
    BtnExport = button(tr("导出"), "BtnExport", this);
    BitBtn1 = button(tr("关闭"), "BitBtn1", this);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setAccessibleName(tr("操作日志"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("ID"));
    dxDBGrid1->addColumn(QStringLiteral("At"), tr("时间"), Grid::Kind::DateTime, 150);
    dxDBGrid1->addColumn(QStringLiteral("Name"), tr("操作人员"), Grid::Kind::Text, 80);
    dxDBGrid1->addColumn(QStringLiteral("Kind"), tr("类型"), Grid::Kind::Text, 80);
    dxDBGrid1->addColumn(QStringLiteral("Subject"), tr("对象"), Grid::Kind::Text, 180);
    dxDBGrid1->addColumn(QStringLiteral("Before"), tr("修改前"), Grid::Kind::Text, 260);
    dxDBGrid1->addColumn(QStringLiteral("After"), tr("修改后"), Grid::Kind::Text, 260);
    dxDBGrid1->setFooter(QStringLiteral("Name"), Grid::Summary::Count, tr("共0条"));
    dxDBGrid1->setKeyField(QStringLiteral("ID"));

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(EntryHelpers::caption(tr("起始日期"), DTPFrom, this));
    tools->addWidget(DTPFrom);
    tools->addWidget(EntryHelpers::caption(tr("截止日期"), DTPTo, this));
    tools->addWidget(DTPTo);
    tools->addWidget(EntryHelpers::caption(tr("操作人员"), CombUser, this));
    tools->addWidget(CombUser);
    tools->addWidget(EntryHelpers::caption(tr("操作类型"), CombKind, this));
    tools->addWidget(CombKind);
    tools->addWidget(BtnQuery);
    tools->addWidget(BtnExport);
    tools->addStretch();
    tools->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(EntryHelpers::banner(tr("操作日志"), this));
    layout->addLayout(tools);
    layout->addWidget(dxDBGrid1, 1);

    connect(BtnQuery, &QPushButton::clicked, this, &TAuditLogFm::BtnQueryClick);
    connect(BtnExport, &QPushButton::clicked, this, &TAuditLogFm::BtnExportClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);
}

void TAuditLogFm::showEvent(QShowEvent *event)
{
    TBaseFm::showEvent(event);
    if (!event->spontaneous()) {
        fillUsers();
        BtnQueryClick();
    }
}

void TAuditLogFm::fillUsers()
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

void TAuditLogFm::BtnQueryClick()
{
    Audit::Filter f;
    f.from = DTPFrom->date();
    f.to = DTPTo->date();
    f.userId = CombUser->currentData().toLongLong();
    f.kind = CombKind->currentData().toString();
    QVariantList params;
    const QString sql = Audit::listSql(f, &params);
    try {
        dxDBGrid1->open(m_account.db(), sql, params);
    } catch (const Db::DbError &e) {
        dxDBGrid1->clear();
        Msg::fault(this, e);
    }
}

void TAuditLogFm::BtnExportClick()
{
    dxDBGrid1->exportWithDialog();
}

void ShowAuditLog(AccountContext &account)
{
    if (!g_auditLog) {
        g_auditLog = new TAuditLogFm(account);
        if (WorkArea *area = mainWorkArea())
            area->place(g_auditLog);
    }
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_auditLog);
    else
        g_auditLog->show();
    g_auditLog->raise();
}
