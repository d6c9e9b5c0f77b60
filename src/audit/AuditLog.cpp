#include "AuditLog.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Money.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Audit {
namespace {

struct KindName
{
    Kind kind;
    const char *text;
};

const KindName kKinds[] = {
    {Kind::Rental, QT_TRANSLATE_NOOP("Audit", "出租")},
    {Kind::Return, QT_TRANSLATE_NOOP("Audit", "归还")},
    {Kind::Sale, QT_TRANSLATE_NOOP("Audit", "销售")},
    {Kind::SaleEdit, QT_TRANSLATE_NOOP("Audit", "销售修改")},
    {Kind::SaleUndo, QT_TRANSLATE_NOOP("Audit", "销售撤销")},
    {Kind::StockAdd, QT_TRANSLATE_NOOP("Audit", "入库")},
    {Kind::StockEdit, QT_TRANSLATE_NOOP("Audit", "影碟修改")},
    {Kind::StockDelete, QT_TRANSLATE_NOOP("Audit", "库存删除")},
    {Kind::WriteOff, QT_TRANSLATE_NOOP("Audit", "报损")},
    {Kind::Member, QT_TRANSLATE_NOOP("Audit", "会员")},
    {Kind::MemberPayment, QT_TRANSLATE_NOOP("Audit", "会员缴费")},
    {Kind::Staff, QT_TRANSLATE_NOOP("Audit", "人员")},
    {Kind::Permission, QT_TRANSLATE_NOOP("Audit", "权限")},
    {Kind::Option, QT_TRANSLATE_NOOP("Audit", "出租选项")},
    {Kind::ShopDetails, QT_TRANSLATE_NOOP("Audit", "单位信息")},
    {Kind::FeeClass, QT_TRANSLATE_NOOP("Audit", "费用类别")},
    {Kind::Category, QT_TRANSLATE_NOOP("Audit", "影片类别")},
    {Kind::IncomeType, QT_TRANSLATE_NOOP("Audit", "收支类型")},
    {Kind::Supplier, QT_TRANSLATE_NOOP("Audit", "供应商")},
    {Kind::InOutRecord, QT_TRANSLATE_NOOP("Audit", "费用收支")},
    {Kind::Login, QT_TRANSLATE_NOOP("Audit", "登陆")},
    {Kind::LoginFailed, QT_TRANSLATE_NOOP("Audit", "登陆失败")},
    {Kind::Leave, QT_TRANSLATE_NOOP("Audit", "暂时离开")},
    {Kind::Backup, QT_TRANSLATE_NOOP("Audit", "备份")},
    {Kind::Restore, QT_TRANSLATE_NOOP("Audit", "恢复")},
    {Kind::AccountSwitch, QT_TRANSLATE_NOOP("Audit", "帐户切换")},
    {Kind::CashUp, QT_TRANSLATE_NOOP("Audit", "交班结算")},
};

// Columns never written into the log, whatever table they are in.
bool secret(const QString &column)
{
    return column.compare(QLatin1String("PWS"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString kindText(Kind kind)
{
    for (const KindName &k : kKinds) {
        if (k.kind == kind)
            return QString::fromUtf8(k.text);
    }
    return QString();
}

QString kindCaption(Kind kind)
{
    for (const KindName &k : kKinds) {
        if (k.kind == kind)
            return QCoreApplication::translate("Audit", k.text);
    }
    return QString();
}

QString notRecordedText()
{
    return QCoreApplication::translate("Audit", "操作日志未能写入。");
}

QList<Kind> allKinds()
{
    QList<Kind> kinds;
    for (const KindName &k : kKinds)
        kinds << k.kind;
    return kinds;
}

void recordAs(const QSqlDatabase &db, qint64 userId, Kind kind, const QString &subject,
              const QString &before, const QString &after)
{
    Db::exec(QStringLiteral("INSERT INTO TBAuditLog (At, UserId, Kind, Subject, Before, After) "
                            "VALUES (?, ?, ?, ?, ?, ?)"),
             {SqlDialect::dateTimeText(QDateTime::currentDateTime()), userId, kindText(kind),
              subject, before, after},
             db);
}

void record(const AccountContext &account, Kind kind, const QString &subject, const QString &before,
            const QString &after)
{
    recordAs(account.db(), account.operatorId(), kind, subject, before, after);
}

QString snapshot(const QSqlDatabase &db, const QString &table, const QString &keyColumn, qint64 key)
{
    // The schema's columns in its order and spelling (a server reports names in lower case);
    // money columns are declared BIGINT and hold cents. Table and key are the program's own.
    const QList<Schema::Column> columns = Schema::declaredColumns(table);
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key}, db);
    if (!q.next())
        return QString();
    const QSqlRecord row = q.record();
    QStringList parts;
    for (const Schema::Column &c : columns) {
        const QString &column = c.name;
        if (secret(column) || column.compare(keyColumn, Qt::CaseInsensitive) == 0)
            continue;
        const QVariant value = row.value(column);
        QString text = value.isNull() ? QString() : value.toString();
        if (!value.isNull() && c.type == QLatin1String("BIGINT"))
            text = Money::fromCents(value.toLongLong()).toString();
        parts << column + QLatin1Char('=') + text;
    }
    return parts.join(QLatin1String("; "));
}

RowChange::RowChange(const AccountContext &account, Kind kind, const QString &table,
                     const QString &keyColumn, qint64 key)
    : m_account(account), m_kind(kind), m_table(table), m_keyColumn(keyColumn), m_key(key),
      m_before(key != 0 ? snapshot(account.db(), table, keyColumn, key) : QString())
{
}

void RowChange::record(qint64 key) const
{
    const qint64 row = key != 0 ? key : m_key;
    Audit::record(m_account, m_kind, QStringLiteral("%1=%2").arg(m_keyColumn).arg(row), m_before,
                  snapshot(m_account.db(), m_table, m_keyColumn, row));
}

QString listSql(const Filter &filter, QVariantList *params)
{
    // The log stores the kind in Chinese whatever the language; the list shows it translated.
    QString kind;
    for (const KindName &k : kKinds) {
        const QString stored = QString::fromUtf8(k.text);
        const QString caption = QCoreApplication::translate("Audit", k.text);
        if (caption == stored)
            continue;
        kind += QStringLiteral(" WHEN ? THEN ?");
        params->append(stored);
        params->append(caption);
    }
    kind = kind.isEmpty()
               ? QStringLiteral("a.Kind")
               : QStringLiteral("CASE a.Kind") + kind + QStringLiteral(" ELSE a.Kind END AS Kind");
    QString sql = QStringLiteral("SELECT a.ID, a.At, a.UserId, p.Name, ") + kind +
                  QStringLiteral(", a.Subject, a.Before, a.After FROM TBAuditLog AS a "
                                 "LEFT JOIN TBPersons AS p ON p.ID = a.UserId WHERE 1 = 1");
    // The stored time is "yyyy-MM-dd HH:mm:ss": a day's rows sort between the day and the next.
    if (filter.from.isValid()) {
        sql += QStringLiteral(" AND a.At >= ?");
        params->append(SqlDialect::dateText(filter.from));
    }
    if (filter.to.isValid()) {
        sql += QStringLiteral(" AND a.At < ?");
        params->append(SqlDialect::dateText(filter.to.addDays(1)));
    }
    if (filter.userId != 0) {
        sql += QStringLiteral(" AND a.UserId = ?");
        params->append(filter.userId);
    }
    if (!filter.kind.isEmpty()) {
        sql += QStringLiteral(" AND a.Kind = ?");
        params->append(filter.kind);
    }
    return sql + QStringLiteral(" ORDER BY a.ID DESC");
}

} // namespace Audit
