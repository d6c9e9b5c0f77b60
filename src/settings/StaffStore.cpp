#include "StaffStore.h"

#include "audit/AuditLog.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Password.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

namespace Settings {

QString staffListSql()
{
    return QStringLiteral("SELECT ID, Number, Name, Telephone, Address, PWS, Memo, PerFlag "
                          "FROM TBPersons WHERE PerFlag = 0 OR PerFlag = 3 OR PerFlag IS NULL "
                          "ORDER BY ID");
}

bool someoneMayChangeSettings(const QSqlDatabase &db)
{
    return Db::scalar(QStringLiteral("SELECT 1 FROM TBUserPower AS u "
                                     "JOIN TBPersons AS p ON p.ID = u.UserId "
                                     "WHERE u.PowerId = ? "
                                     "AND (p.PerFlag IS NULL OR p.PerFlag <> ?) LIMIT 1"),
                      {PowerSystemSettings, StaffDeleted}, db)
        .isValid();
}

namespace {

bool permissionControlOn(const QSqlDatabase &db)
{
    const QVariant mode =
        Db::scalar(QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = ?"),
                   {Schema::OptionPermissionMode}, db);
    return mode.toString().trimmed().toInt() != 0;
}

bool holdsSettings(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT 1 FROM TBUserPower WHERE UserId = ? AND PowerId = ?"),
                      {id, PowerSystemSettings}, db)
        .isValid();
}

// Inside the transaction of a change to staff member id, which held the system settings
// permission before: with permission control on, somebody must still hold it afterwards, or
// nobody could reach the settings again (nor switch permission control off). The refusal
// rolls the change back.
void keepSomeoneWithSettings(const QSqlDatabase &db, bool heldBefore)
{
    if (heldBefore && permissionControlOn(db) && !someoneMayChangeSettings(db))
        refuse(Field::None, QCoreApplication::translate("Settings", LastSettingsHolderSource));
}

} // namespace

QList<Power> powerCatalogue(const QSqlDatabase &db)
{
    QList<Power> list;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT PowerId, PowerName FROM TBPowerStand ORDER BY %1")
                               .arg(SqlDialect::insertionOrder(db)),
                           {}, db);
    while (q.next())
        list.append({int(Db::integer(q, "PowerId")), Db::text(q, "PowerName")});
    return list;
}

QList<int> grantedPowers(const QSqlDatabase &db, qint64 staffId)
{
    QList<int> ids;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT PowerId FROM TBUserPower WHERE UserId = ? "
                                          "ORDER BY %1")
                               .arg(SqlDialect::insertionOrder(db)),
                           {staffId}, db);
    while (q.next())
        ids.append(int(Db::integer(q, "PowerId")));
    return ids;
}

namespace {

QString storedPassword(const QSqlDatabase &db, qint64 staffId)
{
    return Db::scalar(QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {staffId}, db)
        .toString();
}

// The permissions of a staff member as the audit log shows them: "1, 3, 11".
QString powersText(const QSqlDatabase &db, qint64 staffId)
{
    QStringList ids;
    for (int p : grantedPowers(db, staffId))
        ids << QString::number(p);
    return ids.join(QLatin1String(", "));
}

} // namespace

qint64 saveStaff(const AccountContext &account, qint64 id, const StaffEntry &e,
                 const QList<int> &powerIds)
{
    const QSqlDatabase db = account.db();
    if (e.name.isEmpty())
        refuse(Field::StaffName, QCoreApplication::translate("Settings", "请输入人员名称！"));

    Db::Transaction tx(db);
    const bool heldSettings = id != 0 && holdsSettings(db, id);
    const Audit::RowChange change(account, Audit::Kind::Staff, QStringLiteral("TBPersons"),
                                  QStringLiteral("ID"), id);
    const QString powersBefore = id != 0 ? powersText(db, id) : QString();
    const QString stored =
        id != 0 && e.keepPassword ? storedPassword(db, id) : Password::hash(e.password);
    const QVariantList values{e.name, stored, e.address, e.contact, e.memo};
    if (id == 0) {
        // PerFlag is left to its default: an ordinary staff member.
        id = Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS, "
                                       "Address, Telephone, Memo) "
                                       "VALUES (?, ?, ?, ?, ?)"),
                        values, db);
    } else {
        QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBPersons SET Name = ?, PWS = ?, "
                                              "Address = ?, Telephone = ?, Memo = ? "
                                              "WHERE ID = ?"),
                               QVariantList(values) << id, db);
        if (q.numRowsAffected() != 1)
            throw Db::DbError(QCoreApplication::translate("Settings", "该人员已不存在！"));
    }

    Db::exec(QStringLiteral("DELETE FROM TBUserPower WHERE UserId = ?"), {id}, db);
    QList<int> written;
    for (int powerId : powerIds) {
        if (written.contains(powerId))
            continue;
        Db::exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (?, ?)"),
                 {id, powerId}, db);
        written.append(powerId);
    }
    keepSomeoneWithSettings(db, heldSettings);
    change.record(id);
    const QString powersAfter = powersText(db, id);
    if (powersAfter != powersBefore) {
        Audit::record(account, Audit::Kind::Permission, QStringLiteral("UserId=%1").arg(id),
                      powersBefore, powersAfter);
    }
    tx.commit();
    return id;
}

void deleteStaff(const AccountContext &account, qint64 id)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const bool heldSettings = holdsSettings(db, id);
    const Audit::RowChange change(account, Audit::Kind::Staff, QStringLiteral("TBPersons"),
                                  QStringLiteral("ID"), id);
    const QString powersBefore = powersText(db, id);
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = ? WHERE ID = ?"), {StaffDeleted, id},
             db);
    Db::exec(QStringLiteral("DELETE FROM TBUserPower WHERE UserId = ?"), {id}, db);
    keepSomeoneWithSettings(db, heldSettings);
    change.record();
    if (!powersBefore.isEmpty()) {
        Audit::record(account, Audit::Kind::Permission, QStringLiteral("UserId=%1").arg(id),
                      powersBefore, QString());
    }
    tx.commit();
}

} // namespace Settings
