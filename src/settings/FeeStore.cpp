#include "FeeStore.h"

#include "audit/AuditLog.h"

#include "data/AccountContext.h"
#include "data/Db.h"

namespace Settings {
namespace {

const QString kId = QStringLiteral("ID");

// Titles carry the name of their fee class (TBName.Ver) and of their category
// (TBName.Categray), not its ID. A row of table with column nameColumn is "in use" when
// titles carry its name and no other row of the same name remains to stand for them.
struct NamedRow
{
    const char *table;      // TBVer or TBCategray
    const char *nameColumn; // Name or Categray
    const char *titleColumn; // TBName.Ver or TBName.Categray
    Audit::Kind kind;
    const char *goneText; // the row was deleted meanwhile (e.g. at another counter)
};
const NamedRow kFeeClass{"TBVer", "Name", "Ver", Audit::Kind::FeeClass,
                         QT_TRANSLATE_NOOP("Settings", "该费用类型已不存在！")};
const NamedRow kCategory{"TBCategray", "Categray", "Categray", Audit::Kind::Category,
                         QT_TRANSLATE_NOOP("Settings", "该影片类型已不存在！")};

[[noreturn]] void rowGone(const NamedRow &r)
{
    throw Db::DbError(QCoreApplication::translate("Settings", r.goneText));
}

void requireRow(const QSqlQuery &q, const NamedRow &r)
{
    if (q.numRowsAffected() != 1)
        rowGone(r);
}

QString nameOf(const QSqlDatabase &db, const NamedRow &r, qint64 id)
{
    QSqlQuery q = Db::exec(QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?")
                               .arg(QLatin1String(r.nameColumn), QLatin1String(r.table)),
                           {id}, db);
    if (!q.next())
        rowGone(r);
    return q.value(0).toString();
}

// The titles that would lose their class or category if row id went or changed its name.
qint64 titlesRelyingOn(const QSqlDatabase &db, const NamedRow &r, qint64 id, const QString &name)
{
    const bool twin = Db::scalar(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND ID <> ?")
                                     .arg(QLatin1String(r.table), QLatin1String(r.nameColumn)),
                                 {name, id}, db)
                          .isValid();
    if (twin)
        return 0;
    return Db::scalar(QStringLiteral("SELECT count(*) FROM TBName WHERE %1 = ?")
                          .arg(QLatin1String(r.titleColumn)),
                      {name}, db)
        .toLongLong();
}

// A rename carries over to the titles that carry the old name, so they stay in their class.
void carryRenameOver(const QSqlDatabase &db, const NamedRow &r, qint64 id, const QString &oldName,
                     const QString &newName)
{
    if (oldName == newName || titlesRelyingOn(db, r, id, oldName) == 0)
        return;
    Db::exec(
        QStringLiteral("UPDATE TBName SET %1 = ? WHERE %1 = ?").arg(QLatin1String(r.titleColumn)),
        {newName, oldName}, db);
}

void deleteUnused(const AccountContext &account, const NamedRow &r, qint64 id,
                  const QString &inUseText)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const qint64 titles = titlesRelyingOn(db, r, id, nameOf(db, r, id));
    if (titles > 0)
        refuse(Field::None, inUseText.arg(titles));
    const Audit::RowChange change(account, r.kind, QLatin1String(r.table), kId, id);
    Db::exec(QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(QLatin1String(r.table)), {id}, db);
    change.record();
    tx.commit();
}

} // namespace

QString feeClassListSql()
{
    return QStringLiteral("SELECT ID, Name, Fee, Deposit FROM TBVer ORDER BY ID");
}

QString categoryListSql()
{
    return QStringLiteral("SELECT ID, Categray FROM TBCategray ORDER BY ID");
}

qint64 saveFeeClass(const AccountContext &account, qint64 id, const FeeClassEntry &e)
{
    const QSqlDatabase db = account.db();
    if (e.name.isEmpty())
        refuse(Field::FeeClassName, QCoreApplication::translate("Settings", "请输入类型名称！"));
    if (e.fee.isEmpty())
        refuse(Field::FeeRent, QCoreApplication::translate("Settings", "请输入租金/天金额！"));
    if (e.deposit.isEmpty())
        refuse(Field::FeeDeposit, QCoreApplication::translate("Settings", "请输入押金金额！"));
    const std::optional<Money> fee = Money::parse(e.fee);
    if (!fee)
        refuse(Field::FeeRent, QCoreApplication::translate("Settings", "租金/天金额输入有错误，请检查！"));
    const std::optional<Money> deposit = Money::parse(e.deposit);
    if (!deposit)
        refuse(Field::FeeDeposit, QCoreApplication::translate("Settings", "押金金额输入有错误，请检查！"));

    Db::Transaction tx(db);
    const Audit::RowChange change(account, kFeeClass.kind, QLatin1String(kFeeClass.table), kId, id);
    if (id == 0) {
        id = Db::insert(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
                        {e.name, fee->cents(), deposit->cents()}, db);
        change.record(id);
        tx.commit();
        return id;
    }
    const QString oldName = nameOf(db, kFeeClass, id);
    carryRenameOver(db, kFeeClass, id, oldName, e.name);
    requireRow(Db::exec(QStringLiteral("UPDATE TBVer SET Name = ?, Fee = ?, Deposit = ? "
                                       "WHERE ID = ?"),
                        {e.name, fee->cents(), deposit->cents(), id}, db),
               kFeeClass);
    change.record();
    tx.commit();
    return id;
}

void deleteFeeClass(const AccountContext &account, qint64 id)
{
    deleteUnused(
        account, kFeeClass, id,
        QCoreApplication::translate("Settings", "该费用类型还有%1部影碟在使用，不能删除！"));
}

qint64 saveCategory(const AccountContext &account, qint64 id, const QString &name)
{
    const QSqlDatabase db = account.db();
    if (name.isEmpty())
        refuse(Field::CategoryName, QCoreApplication::translate("Settings", "请输入影片类型！"));
    Db::Transaction tx(db);
    const Audit::RowChange change(account, kCategory.kind, QLatin1String(kCategory.table), kId, id);
    if (id == 0) {
        id = Db::insert(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"), {name}, db);
        change.record(id);
        tx.commit();
        return id;
    }
    const QString oldName = nameOf(db, kCategory, id);
    carryRenameOver(db, kCategory, id, oldName, name);
    requireRow(
        Db::exec(QStringLiteral("UPDATE TBCategray SET Categray = ? WHERE ID = ?"), {name, id}, db),
        kCategory);
    change.record();
    tx.commit();
    return id;
}

void deleteCategory(const AccountContext &account, qint64 id)
{
    deleteUnused(
        account, kCategory, id,
        QCoreApplication::translate("Settings", "该影片类型还有%1部影碟在使用，不能删除！"));
}

} // namespace Settings
