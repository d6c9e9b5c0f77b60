#include "TypeStore.h"

#include "audit/AuditLog.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Schema.h"

namespace Settings {
namespace {

const QString kTable = QStringLiteral("TBKindValue");
const QString kId = QStringLiteral("ID");

// Refuses a row that is built in; throws when the row is gone or is not a type row.
void checkUserType(const QSqlDatabase &db, qint64 id)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT Flag FROM TBKindValue "
                                          "WHERE ID = ? AND CateID = ?"),
                           {id, Schema::OptionTypeRow}, db);
    if (!q.next())
        throw Db::DbError(QCoreApplication::translate("Settings", "该收支类型已不存在！"));
    if (isBuiltInType(id, int(Db::integer(q, "Flag"))))
        refuse(Field::None, QCoreApplication::translate("Settings", "系统内置的收支类型不能修改或删除！"));
}

} // namespace

QString typeListSql()
{
    return QStringLiteral("SELECT ID, CateID, CateValue, Flag, Memo FROM TBKindValue "
                          "WHERE CateID = %1 ORDER BY CateValue COLLATE PINYIN, ID")
        .arg(Schema::OptionTypeRow);
}

bool isBuiltInType(qint64 id, int flag)
{
    return flag >= 1 || id == Schema::TypeRent || id == Schema::TypeDeposit ||
           id == Schema::TypeMemberPayment;
}

qint64 saveType(const AccountContext &account, qint64 id, const QString &name, const QString &memo)
{
    const QSqlDatabase db = account.db();
    if (name.isEmpty())
        refuse(Field::TypeName, QCoreApplication::translate("Settings", "请输入收支名称！"));
    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::IncomeType, kTable, kId, id);
    if (id == 0) {
        id = Db::insert(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag, Memo) "
                                       "VALUES (?, ?, 0, ?)"),
                        {Schema::OptionTypeRow, name, memo}, db);
    } else {
        checkUserType(db, id);
        Db::exec(QStringLiteral("UPDATE TBKindValue SET CateValue = ?, Flag = 0, Memo = ? "
                                "WHERE ID = ?"),
                 {name, memo, id}, db);
    }
    change.record(id);
    tx.commit();
    return id;
}

void deleteType(const AccountContext &account, qint64 id)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    checkUserType(db, id);
    // Records of a deleted type would vanish from the income and expense list.
    const qint64 records =
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBInOutMoney WHERE CateID = ?"), {id}, db)
            .toLongLong();
    if (records > 0)
        refuse(Field::None, QCoreApplication::translate("Settings", "该收支类型已有%1笔收支记录，不能删除！").arg(records));
    const Audit::RowChange change(account, Audit::Kind::IncomeType, kTable, kId, id);
    Db::exec(QStringLiteral("DELETE FROM TBKindValue WHERE ID = ?"), {id}, db);
    change.record();
    tx.commit();
}

} // namespace Settings
