#include "StaffStore.h"

#include "audit/AuditLog.h"

#include "data/Db.h"
#include "data/SqlDialect.h"
#include "data/Password.h"
#include "data/Schema.h"

namespace Settings {

QString staffListSql()
{
    return QStringLiteral("SELECT ID, Number, Name, Telephone, Address, PWS, Memo, PerFlag "
                          "FROM TBPersons WHERE PerFlag = 0 OR PerFlag = 3 OR PerFlag IS NULL "
                          "ORDER BY ID");
}

bool someoneMayChangeSettings()
{
    return Db::scalar(QStringLiteral("SELECT 1 FROM TBUserPower AS u "
                                     "JOIN TBPersons AS p ON p.ID = u.UserId "
                                     "WHERE u.PowerId = ? "
                                     "AND (p.PerFlag IS NULL OR p.PerFlag <> ?) LIMIT 1"),
                      {PowerSystemSettings, StaffDeleted})
        .isValid();
}

namespace {

bool permissionControlOn()
{
    const QVariant mode =
        Db::scalar(QStringLiteral("SELECT CateValue FROM TBKindValue WHERE CateID = ?"),
                   {Schema::OptionPermissionMode});
    return mode.toString().trimmed().toInt() != 0;
}

bool holdsSettings(qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT 1 FROM TBUserPower WHERE UserId = ? AND PowerId = ?"),
                      {id, PowerSystemSettings})
        .isValid();
}

// Inside the transaction of a change to staff member id, which held the system settings
// permission before: with permission control on, somebody must still hold it afterwards, or
// nobody could reach the settings again (nor switch permission control off). The refusal
// rolls the change back.
void keepSomeoneWithSettings(bool heldBefore)
{
    if (heldBefore && permissionControlOn() && !someoneMayChangeSettings())
        refuse(Field::None, QCoreApplication::translate("Settings", LastSettingsHolderSource));
}

} // namespace

QList<Power> powerCatalogue()
{
    QList<Power> list;
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT PowerId, PowerName FROM TBPowerStand ORDER BY %1")
                     .arg(SqlDialect::insertionOrder()));
    while (q.next())
        list.append({int(Db::integer(q, "PowerId")), Db::text(q, "PowerName")});
    return list;
}

QList<int> grantedPowers(qint64 staffId)
{
    QList<int> ids;
    QSqlQuery q = Db::exec(QStringLiteral("SELECT PowerId FROM TBUserPower WHERE UserId = ? "
                                          "ORDER BY %1")
                               .arg(SqlDialect::insertionOrder()),
                           {staffId});
    while (q.next())
        ids.append(int(Db::integer(q, "PowerId")));
    return ids;
}

namespace {

QString storedPassword(qint64 staffId)
{
    return Db::scalar(QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {staffId})
        .toString();
}

// The permissions of a staff member as the audit log shows them: "1, 3, 11".
QString powersText(qint64 staffId)
{
    QStringList ids;
    for (int p : grantedPowers(staffId))
        ids << QString::number(p);
    return ids.join(QLatin1String(", "));
}

} // namespace

qint64 saveStaff(qint64 id, const StaffEntry &e, const QList<int> &powerIds)
{
    if (e.name.isEmpty())
        refuse(Field::StaffName, QCoreApplication::translate("Settings", "请输入人员名称！"));

    Db::Transaction tx;
    const bool heldSettings = id != 0 && holdsSettings(id);
    const Audit::RowChange change(Audit::Kind::Staff, QStringLiteral("TBPersons"),
                                  QStringLiteral("ID"), id);
    const QString powersBefore = id != 0 ? powersText(id) : QString();
    const QString stored = id != 0 && e.keepPassword ? storedPassword(id)
                                                     : Password::hash(e.password);
    const QVariantList values{e.name, stored, e.address, e.contact, e.memo};
    if (id == 0) {
        // PerFlag is left to its default: an ordinary staff member.
        id = Db::insert(QStringLiteral("INSERT INTO TBPersons (Name, PWS, "
                                                      "Address, Telephone, Memo) "
                                                      "VALUES (?, ?, ?, ?, ?)"),
                                       values);
    } else {
        QSqlQuery q = Db::exec(QStringLiteral("UPDATE TBPersons SET Name = ?, PWS = ?, "
                                              "Address = ?, Telephone = ?, Memo = ? "
                                              "WHERE ID = ?"),
                               QVariantList(values) << id);
        if (q.numRowsAffected() != 1)
            throw Db::DbError(QCoreApplication::translate("Settings", "该人员已不存在！"));
    }

    Db::exec(QStringLiteral("DELETE FROM TBUserPower WHERE UserId = ?"), {id});
    QList<int> written;
    for (int powerId : powerIds) {
        if (written.contains(powerId))
            continue;
        Db::exec(QStringLiteral("INSERT INTO TBUserPower (UserId, PowerId) VALUES (?, ?)"),
                 {id, powerId});
        written.append(powerId);
    }
    keepSomeoneWithSettings(heldSettings);
    change.record(id);
    const QString powersAfter = powersText(id);
    if (powersAfter != powersBefore) {
        Audit::record(Audit::Kind::Permission, QStringLiteral("UserId=%1").arg(id), powersBefore,
                      powersAfter);
    }
    tx.commit();
    return id;
}

void deleteStaff(qint64 id)
{
    Db::Transaction tx;
    const bool heldSettings = holdsSettings(id);
    const Audit::RowChange change(Audit::Kind::Staff, QStringLiteral("TBPersons"),
                                  QStringLiteral("ID"), id);
    const QString powersBefore = powersText(id);
    Db::exec(QStringLiteral("UPDATE TBPersons SET PerFlag = ? WHERE ID = ?"), {StaffDeleted, id});
    Db::exec(QStringLiteral("DELETE FROM TBUserPower WHERE UserId = ?"), {id});
    keepSomeoneWithSettings(heldSettings);
    change.record();
    if (!powersBefore.isEmpty()) {
        Audit::record(Audit::Kind::Permission, QStringLiteral("UserId=%1").arg(id), powersBefore,
                      QString());
    }
    tx.commit();
}

} // namespace Settings
