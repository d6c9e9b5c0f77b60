#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

class AccountContext;
class QSqlDatabase;

// The audit log (TBAuditLog): who changed what, when (to the second), with the values before
// and after. A row is written on the account's connection, so inside a caller's transaction it
// stands or falls with the change it describes. Rows are only ever added; the engine refuses
// to change or delete them.
namespace Audit {

enum class Kind {
    Rental,
    Return,
    Sale,
    SaleEdit,
    SaleUndo,
    StockAdd,
    StockEdit,
    StockDelete,
    WriteOff,
    Member,
    MemberPayment,
    Staff,
    Permission,
    Option,
    ShopDetails,
    FeeClass,
    Category,
    IncomeType,
    Supplier,
    InOutRecord,
    Login,
    LoginFailed,
    Leave,
    Backup,
    Restore,
    AccountSwitch,
    CashUp,
};

// The kind as the log stores it ("出租", "登陆失败", ...), whatever the language.
QString kindText(Kind kind);
// The kind as the operator reads it, in the program's language.
QString kindCaption(Kind kind);
QList<Kind> allKinds();

// Adds one row to account for its logged-in operator (the context's operatorId). Throws
// Db::DbError.
void record(const AccountContext &account, Kind kind, const QString &subject,
            const QString &before = QString(), const QString &after = QString());
// The same on the connection db for a named staff member (a failed login names who was tried).
void recordAs(const QSqlDatabase &db, qint64 userId, Kind kind, const QString &subject,
              const QString &before = QString(), const QString &after = QString());
// What a window says before the fault when the row of something it did could not be added.
QString notRecordedText();

// The row of table whose keyColumn is key as "column=value; ...", money columns as amounts,
// passwords left out; empty when there is no such row. table and keyColumn are the program's
// own names, never typed text.
QString snapshot(const QSqlDatabase &db, const QString &table, const QString &keyColumn,
                 qint64 key);

// One row's change: the row as it was when constructed, then as it is when recorded.
//
//     Audit::RowChange change(account, Audit::Kind::Member, QStringLiteral("TBAssociator"),
//                             QStringLiteral("ID"), id);   // id 0: a row still to be inserted
//     ... UPDATE or INSERT ...
//     change.record(newId);                                // in the same transaction
class RowChange
{
public:
    RowChange(const AccountContext &account, Kind kind, const QString &table,
              const QString &keyColumn, qint64 key);
    // Adds the log row; key names the row now (an inserted row's new key), 0 keeps the first.
    void record(qint64 key = 0) const;

private:
    const AccountContext &m_account;
    Kind m_kind;
    QString m_table;
    QString m_keyColumn;
    qint64 m_key;
    QString m_before;
};

// The viewer's filter: days from and to (inclusive), an operator (0 all), a kind (empty all).
struct Filter
{
    QDate from;
    QDate to;
    qint64 userId = 0;
    QString kind;
};

// The log rows that pass the filter, newest first, with the operator's name (Name) and the
// kind in the program's language.
QString listSql(const Filter &filter, QVariantList *params);

} // namespace Audit
