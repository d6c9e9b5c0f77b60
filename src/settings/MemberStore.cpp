#include "MemberStore.h"

#include "audit/AuditLog.h"
#include "cashup/Till.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <limits>

namespace Settings {
namespace {

const QString kMembers = QStringLiteral("TBAssociator");
const QString kId = QStringLiteral("ID");
const QString kPayments = QStringLiteral("TBInOutMoney");
const QString kFid = QStringLiteral("FID");

Money paymentAmount(const QSqlDatabase &db, qint64 paymentId)
{
    return Money::fromCents(
        Db::scalar(QStringLiteral("SELECT Moneys FROM TBInOutMoney WHERE FID = ? AND CateID = ?"),
                   {paymentId, Schema::TypeMemberPayment}, db)
            .toLongLong());
}

// The allowance edit takes digits only, but pasted text reaches it unchecked: it must be a
// whole, non-negative number of films within the integer range.
std::optional<int> parseAllowance(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return int(n);
}

void checkMember(const QSqlDatabase &db, qint64 id, const MemberEntry &e)
{
    if (e.num.isEmpty())
        refuse(Field::MemberNumber, QCoreApplication::translate("Settings", "请输入会员编号！"));
    if (e.name.isEmpty())
        refuse(Field::MemberName, QCoreApplication::translate("Settings", "请输入会员姓名！"));
    if (!e.allowance.isEmpty() && !parseAllowance(e.allowance))
        refuse(Field::MemberAllowance, saveFailedText(), Refusal::Tone::Information);

    // The rental window finds a member by number: two members sharing one would have
    // rentals booked to whichever the lookup meets first.
    QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Name FROM TBAssociator "
                                          "WHERE Num = ? AND ID <> ? LIMIT 1"),
                           {e.num, id}, db);
    if (q.next()) {
        refuse(Field::MemberNumber,
               QCoreApplication::translate("Settings", "会员编号【%1】已被会员【%2】使用，请输入其他编号！")
                   .arg(e.num, Db::text(q, "Name")));
    }
}

void checkNotProtected(const QSqlDatabase &db, qint64 id)
{
    const QVariant flag =
        Db::scalar(QStringLiteral("SELECT ASFlag FROM TBAssociator WHERE ID = ?"), {id}, db);
    if (!flag.isValid())
        throw Db::DbError(QCoreApplication::translate("Settings", "该会员已不存在！"));
    if (flag.toInt() == MemberProtected)
        refuse(Field::None, QCoreApplication::translate("Settings", "该会员资料受保护，不能修改或删除！"));
}

} // namespace

QString memberListSql()
{
    return QStringLiteral("SELECT ID, Num, Name, Telephone, Grade, Sum, SDT, DateT, Memo, ASFlag "
                          "FROM TBAssociator WHERE COALESCE(ASFlag, 0) < 2 ORDER BY Num, ID");
}

QString memberPaymentsSql()
{
    return QStringLiteral("SELECT FID, FeeDate, Moneys, ClientID, Memo FROM TBInOutMoney "
                          "WHERE ClientID = ? AND CateID = %1 ORDER BY FeeDate, FID")
        .arg(Schema::TypeMemberPayment);
}

QString memberRentalsSql()
{
    return QStringLiteral("SELECT b.ID, c.CustomNum, b.DatTime, c.Name, c.Nlang, c.Ver, "
                          "c.Categray, c.Address1, b.ReDate "
                          "FROM TBBusinessDetail AS b JOIN TBName AS c ON b.CDNum = c.ID "
                          "WHERE b.Ass_Number = ? ORDER BY b.DatTime, b.ID");
}

qint64 saveMember(const AccountContext &account, qint64 id, const MemberEntry &e,
                  const QDate &today)
{
    const QSqlDatabase db = account.db();
    checkMember(db, id, e);
    if (id != 0)
        checkNotProtected(db, id);

    const std::optional<int> allowance = parseAllowance(e.allowance);
    const QString sdt = SqlDialect::dateText(e.endDate.isValid() ? e.endDate : noEndDate());
    const QString dateT = SqlDialect::dateText(today);

    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::Member, kMembers, kId, id);
    if (id == 0) {
        // ASFlag is left to its default (0); without an allowance Sum keeps its default too.
        QString sql = QStringLiteral("INSERT INTO TBAssociator (Num, Name, Telephone, Grade, "
                                     "SDT, DateT, Memo%1) VALUES (?, ?, ?, ?, ?, ?, ?%2)");
        QVariantList params{e.num, e.name, e.telephone, e.grade, sdt, dateT, e.memo};
        if (allowance) {
            sql = sql.arg(QStringLiteral(", Sum"), QStringLiteral(", ?"));
            params << *allowance;
        } else {
            sql = sql.arg(QString(), QString());
        }
        const qint64 newId = Db::insert(sql, params, db);
        change.record(newId);
        tx.commit();
        return newId;
    }

    QString sql = QStringLiteral("UPDATE TBAssociator SET Num = ?, Name = ?, Telephone = ?, "
                                 "Grade = ?, SDT = ?, DateT = ?, Memo = ?%1 WHERE ID = ?");
    QVariantList params{e.num, e.name, e.telephone, e.grade, sdt, dateT, e.memo};
    if (allowance) {
        sql = sql.arg(QStringLiteral(", Sum = ?"));
        params << *allowance;
    } else {
        sql = sql.arg(QString());
    }
    params << id;
    QSqlQuery q = Db::exec(sql, params, db);
    if (q.numRowsAffected() != 1)
        throw Db::DbError(QCoreApplication::translate("Settings", "该会员已不存在！"));
    change.record();
    tx.commit();
    return id;
}

void deleteMember(const AccountContext &account, qint64 id)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    checkNotProtected(db, id);
    // Discs still out are the member's deposit and debt: the member stays until they are back.
    const qint64 out = Db::scalar(QStringLiteral("SELECT count(*) FROM TBBusinessDetail "
                                                 "WHERE Ass_Number = ? AND ReDate IS NULL"),
                                  {id}, db)
                           .toLongLong();
    if (out > 0)
        refuse(Field::None, QCoreApplication::translate("Settings", "该会员还有%1张影碟未归还，不能删除！").arg(out));
    const Audit::RowChange change(account, Audit::Kind::Member, kMembers, kId, id);
    Db::exec(QStringLiteral("DELETE FROM TBAssociator WHERE ID = ?"), {id}, db);
    change.record();
    tx.commit();
}

qint64 addMemberPayment(const AccountContext &account, qint64 memberId, const QDate &date,
                        Money amount, const QString &memo)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const qint64 fid = Db::insert(
        QStringLiteral("INSERT INTO TBInOutMoney (FeeDate, CateID, Moneys, ClientID, "
                       "Per, Memo) VALUES (?, ?, ?, ?, 0, ?)"),
        {SqlDialect::dateText(date), Schema::TypeMemberPayment, amount.cents(), memberId, memo}, db,
        QStringLiteral("FID"));
    Till::bookRecordChange(account, Money(), amount);
    Audit::RowChange(account, Audit::Kind::MemberPayment, kPayments, kFid, 0).record(fid);
    tx.commit();
    return fid;
}

void updateMemberPayment(const AccountContext &account, qint64 paymentId, const QDate &date,
                         Money amount, const QString &memo)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::MemberPayment, kPayments, kFid, paymentId);
    const Money before = paymentAmount(db, paymentId);
    QSqlQuery q = Db::exec(
        QStringLiteral("UPDATE TBInOutMoney SET FeeDate = ?, Moneys = ?, "
                       "Memo = ? WHERE FID = ? AND CateID = ?"),
        {SqlDialect::dateText(date), amount.cents(), memo, paymentId, Schema::TypeMemberPayment},
        db);
    if (q.numRowsAffected() != 1)
        throw Db::DbError(QCoreApplication::translate("Settings", "该交费记录已不存在！"));
    Till::bookRecordChange(account, before, amount);
    change.record();
    tx.commit();
}

void deleteMemberPayment(const AccountContext &account, qint64 paymentId)
{
    const QSqlDatabase db = account.db();
    Db::Transaction tx(db);
    const Audit::RowChange change(account, Audit::Kind::MemberPayment, kPayments, kFid, paymentId);
    const Money before = paymentAmount(db, paymentId);
    QSqlQuery q = Db::exec(QStringLiteral("DELETE FROM TBInOutMoney WHERE FID = ? AND CateID = ?"),
                           {paymentId, Schema::TypeMemberPayment}, db);
    if (q.numRowsAffected() == 1) {
        Till::bookRecordChange(account, before, Money());
        change.record();
    }
    tx.commit();
}

} // namespace Settings
