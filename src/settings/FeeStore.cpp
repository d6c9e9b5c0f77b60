#include "FeeStore.h"

#include "data/Db.h"

namespace Settings {
namespace {

void requireRow(const QSqlQuery &q, const char *what, qint64 id)
{
    if (q.numRowsAffected() != 1)
        throw Db::DbError(
            QStringLiteral("%1 %2 no longer exists").arg(QLatin1String(what)).arg(id));
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

qint64 saveFeeClass(qint64 id, const FeeClassEntry &e)
{
    if (e.name.isEmpty())
        refuse(QStringLiteral("EDFeeName"), QStringLiteral("请输入类型名称！"));
    if (e.fee.isEmpty())
        refuse(QStringLiteral("EDFee"), QStringLiteral("请输入租金/天金额！"));
    if (e.deposit.isEmpty())
        refuse(QStringLiteral("EDFeeYJ"), QStringLiteral("请输入押金金额！"));
    const std::optional<Money> fee = Money::parse(e.fee);
    if (!fee)
        refuse(QStringLiteral("EDFee"), QStringLiteral("租金/天金额输入有错误，请检查！"));
    const std::optional<Money> deposit = Money::parse(e.deposit);
    if (!deposit)
        refuse(QStringLiteral("EDFeeYJ"), QStringLiteral("押金金额输入有错误，请检查！"));

    if (id == 0) {
        return Db::lastInsertId(
            Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES (?, ?, ?)"),
                     {e.name, fee->cents(), deposit->cents()}));
    }
    requireRow(Db::exec(QStringLiteral("UPDATE TBVer SET Name = ?, Fee = ?, Deposit = ? "
                                       "WHERE ID = ?"),
                        {e.name, fee->cents(), deposit->cents(), id}),
               "fee class", id);
    return id;
}

void deleteFeeClass(qint64 id)
{
    Db::exec(QStringLiteral("DELETE FROM TBVer WHERE ID = ?"), {id});
}

qint64 saveCategory(qint64 id, const QString &name)
{
    if (name.isEmpty())
        refuse(QStringLiteral("EDCateName"), QStringLiteral("请输入影片类型！"));
    if (id == 0) {
        return Db::lastInsertId(
            Db::exec(QStringLiteral("INSERT INTO TBCategray (Categray) VALUES (?)"), {name}));
    }
    requireRow(
        Db::exec(QStringLiteral("UPDATE TBCategray SET Categray = ? WHERE ID = ?"), {name, id}),
        "category", id);
    return id;
}

void deleteCategory(qint64 id)
{
    Db::exec(QStringLiteral("DELETE FROM TBCategray WHERE ID = ?"), {id});
}

} // namespace Settings
