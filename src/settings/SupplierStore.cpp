#include "SupplierStore.h"

#include "audit/AuditLog.h"

#include "data/AccountContext.h"
#include "data/Db.h"

namespace Settings {
namespace {
const QString kTable = QStringLiteral("TbProvide");
const QString kId = QStringLiteral("ID");
} // namespace

QString supplierListSql()
{
    return QStringLiteral("SELECT ID, Company, Address, OfficeTel, Memo FROM TbProvide "
                          "ORDER BY Company COLLATE PINYIN, ID");
}

qint64 saveSupplier(const AccountContext &account, qint64 id, const SupplierEntry &e)
{
    const QSqlDatabase db = account.db();
    if (e.company.isEmpty())
        refuse(Field::SupplierCompany, QCoreApplication::translate("Settings", "请输入供应商公司名称！"));
    const QVariantList values{e.company, e.address, e.telephone, e.memo};
    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::Supplier, kTable, kId, id);
    if (id == 0) {
        id = Db::insert(QStringLiteral("INSERT INTO TbProvide (Company, "
                                       "Address, OfficeTel, Memo) "
                                       "VALUES (?, ?, ?, ?)"),
                        values, db);
    } else {
        QSqlQuery q = Db::exec(QStringLiteral("UPDATE TbProvide SET Company = ?, Address = ?, "
                                              "OfficeTel = ?, Memo = ? WHERE ID = ?"),
                               QVariantList(values) << id, db);
        if (q.numRowsAffected() != 1)
            throw Db::DbError(QCoreApplication::translate("Settings", "该供应商已不存在！"));
    }
    change.record(id);
    tx.commit();
    return id;
}

void deleteSupplier(const AccountContext &account, qint64 id)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const qint64 titles =
        Db::scalar(QStringLiteral("SELECT count(*) FROM TBName WHERE Provide = ?"), {id}, db)
            .toLongLong();
    if (titles > 0)
        refuse(Field::None, QCoreApplication::translate("Settings", "该供应商还有%1部影碟的资料，不能删除！").arg(titles));
    const Audit::RowChange change(account, Audit::Kind::Supplier, kTable, kId, id);
    Db::exec(QStringLiteral("DELETE FROM TbProvide WHERE ID = ?"), {id}, db);
    change.record();
    tx.commit();
}

} // namespace Settings
