#include "FaultAccount.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/SampleAccount.h"
#include "data/SqlDialect.h"

#include <QFile>
#include <QHash>
#include <QSqlQuery>

namespace FaultAccount {

QString copyCode(int index)
{
    return QStringLiteral("F%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

bool onServer(const QString &account)
{
    return account.contains(QLatin1Char('='));
}

bool open(const QString &account, const QString &connectionName, QString *why)
{
    if (!onServer(account))
        return openAccountFile(account, connectionName, why);
    const std::optional<ServerAddress> address = ServerAddress::fromText(account);
    if (!address) {
        if (why)
            *why = QStringLiteral("no server address: ") + account;
        return false;
    }
    return openServerAccount(*address, connectionName, why);
}

bool create(const QString &account, QString *why)
{
    if (!onServer(account) && !SampleAccount::createEmptyAccount(account, why))
        return false;
    const QString conn = QStringLiteral("faultaccount-create");
    bool ok = open(account, conn, why);
    if (ok) {
        const QSqlDatabase db = QSqlDatabase::database(conn, false);
        try {
            Db::Transaction tx(db);
            Db::exec(QStringLiteral("INSERT INTO TBVer (Name, Fee, Deposit) VALUES ('DVD', ?, ?)"),
                     {FeeCents, DepositCents}, db);
            for (int i = 0; i < CopyCount; ++i) {
                Db::exec(QStringLiteral("INSERT INTO TBName (CustomNum, Name, Ver, Amount, Copy, "
                                        "Mone) VALUES (?, ?, 'DVD', 1, 1, 1000)"),
                         {copyCode(i), QStringLiteral("影片%1").arg(i + 1)}, db);
            }
            Db::exec(QStringLiteral("INSERT INTO TBAssociator (Num, Name, Sum) "
                                    "VALUES ('M1', '会员甲', ?)"),
                     {Allowance}, db);
            // Any insert that leaves a copy with two lines without a return date (two open
            // rentals, a rental and a sale, two sales) is written down, inside the very
            // transaction that made it.
            Db::exec(QStringLiteral("CREATE TABLE FaultDoubleOpen (CDNum INTEGER, LineID INTEGER)"),
                     {}, db);
            if (onServer(account)) {
                Db::exec(QStringLiteral(
                             "CREATE FUNCTION fault_watch() RETURNS trigger LANGUAGE plpgsql AS "
                             "$$BEGIN IF (SELECT count(*) FROM TBBusinessDetail WHERE CDNum = "
                             "NEW.CDNum AND ReDate IS NULL) > 1 THEN INSERT INTO FaultDoubleOpen "
                             "VALUES (NEW.CDNum, NEW.ID); END IF; RETURN NULL; END$$"),
                         {}, db);
                Db::exec(QStringLiteral("CREATE TRIGGER FaultWatch AFTER INSERT ON "
                                        "TBBusinessDetail FOR EACH ROW EXECUTE FUNCTION "
                                        "fault_watch()"),
                         {}, db);
            } else {
                Db::exec(QStringLiteral(
                             "CREATE TRIGGER FaultWatch AFTER INSERT ON TBBusinessDetail "
                             "WHEN (SELECT count(*) FROM TBBusinessDetail WHERE CDNum = NEW.CDNum "
                             "AND ReDate IS NULL) > 1 BEGIN INSERT INTO FaultDoubleOpen "
                             "VALUES (NEW.CDNum, NEW.ID); END"),
                         {}, db);
            }
            tx.commit();
        } catch (const Db::DbError &e) {
            ok = false;
            if (why)
                *why = e.details();
        }
    }
    {
        QSqlDatabase db = QSqlDatabase::database(conn, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    return ok;
}

qint64 memberId(const QSqlDatabase &db)
{
    static qint64 id = 0;
    if (id == 0) {
        id = Db::scalar(QStringLiteral("SELECT ID FROM TBAssociator WHERE Num = 'M1'"), {}, db)
                 .toLongLong();
    }
    return id;
}

qint64 count(const QSqlDatabase &db, const QString &table, const QString &where)
{
    QString sql = QStringLiteral("SELECT count(*) FROM ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return Db::scalar(sql, {}, db).toLongLong();
}

namespace {

qint64 sum(const QSqlDatabase &db, const QString &sql)
{
    return Db::scalar(sql, {}, db).toLongLong();
}

// The last operation of the journal on each line decides what must be found in the account.
void checkJournal(const QSqlDatabase &db, const QString &journalPath, QStringList *out)
{
    QFile journal(journalPath);
    if (!journal.open(QIODevice::ReadOnly)) {
        *out << QStringLiteral("journal %1 cannot be read").arg(journalPath);
        return;
    }
    QHash<qint64, char> last;
    QList<qint64> order;
    const QList<QByteArray> lines = journal.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 2 || parts.first().size() != 1)
            continue;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const qint64 id = parts.at(i).toLongLong();
            if (!last.contains(id))
                order << id;
            last[id] = parts.first().at(0);
        }
    }
    for (qint64 id : order) {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT Ass_Number, ReDate FROM TBBusinessDetail "
                                              "WHERE ID = ?"),
                               {id}, db);
        const bool exists = q.next();
        const bool sale = exists && Db::integer(q, "Ass_Number") == -1;
        const bool returned = exists && !q.value(1).isNull();
        bool ok = true;
        switch (last.value(id)) {
        case 'R':
            ok = exists && !sale;
            break;
        case 'T':
            ok = exists && !sale && returned;
            break;
        case 'S':
            ok = exists && sale;
            break;
        case 'u': // an undo begun: committed or not when the counter was killed
            ok = !exists || sale;
            break;
        case 'U':
            ok = !exists;
            break;
        }
        if (!ok)
            *out << QStringLiteral("committed operation %1 on line %2 is not in the account")
                        .arg(QLatin1Char(last.value(id)))
                        .arg(id);
    }
}

} // namespace

QStringList violations(const QSqlDatabase &db, const QString &journalPath)
{
    QStringList out;
    // A file's pages checked by its engine; a server keeps its own.
    if (SqlDialect::engineOf(db) == SqlDialect::Engine::Sqlite) {
        const QString integrity =
            Db::scalar(QStringLiteral("PRAGMA integrity_check"), {}, db).toString();
        if (integrity != QLatin1String("ok"))
            out << QStringLiteral("integrity check: ") + integrity;
    }

    if (const qint64 n = count(db, QStringLiteral("FaultDoubleOpen")))
        out << QStringLiteral("%1 times a copy had two open lines").arg(n);

    const QString rentalLines = QStringLiteral("TBBusinessDetail WHERE Ass_Number <> -1");
    const qint64 lineDeposits = sum(db, QStringLiteral("SELECT COALESCE(SUM(Deposit), 0) FROM ") +
                                            rentalLines);
    const qint64 booked = sum(db, QStringLiteral("SELECT COALESCE(SUM(Moneys), 0) FROM "
                                                 "TBInOutMoney WHERE CateID = 8 AND Moneys > 0"));
    if (lineDeposits != booked)
        out << QStringLiteral("deposits booked %1, on lines %2").arg(booked).arg(lineDeposits);
    const qint64 returnedDeposits =
        sum(db, QStringLiteral("SELECT COALESCE(SUM(Deposit), 0) FROM ") + rentalLines +
                    QStringLiteral(" AND ReDate IS NOT NULL"));
    const qint64 refunded = sum(db, QStringLiteral("SELECT COALESCE(-SUM(Moneys), 0) FROM "
                                                   "TBInOutMoney WHERE CateID = 8 AND Moneys < 0"));
    if (returnedDeposits != refunded)
        out << QStringLiteral("refunds %1, deposits of returned lines %2")
                   .arg(refunded)
                   .arg(returnedDeposits);
    const qint64 returnedLines =
        count(db, QStringLiteral("TBBusinessDetail"), QStringLiteral("Ass_Number <> -1 AND "
                                                                     "ReDate IS NOT NULL"));
    const qint64 rentBookings = count(db, QStringLiteral("TBInOutMoney"), QStringLiteral("CateID = 3"));
    if (returnedLines != rentBookings)
        out << QStringLiteral("%1 returned lines, %2 rent bookings").arg(returnedLines).arg(rentBookings);

    const qint64 member =
        Db::scalar(QStringLiteral("SELECT ID FROM TBAssociator WHERE Num = 'M1'"), {}, db).toLongLong();
    const qint64 left =
        Db::scalar(QStringLiteral("SELECT Sum FROM TBAssociator WHERE ID = ?"), {member}, db)
            .toLongLong();
    const qint64 rentedByMember = count(db, QStringLiteral("TBBusinessDetail"),
                                        QStringLiteral("Ass_Number = %1").arg(member));
    if (left != Allowance - rentedByMember)
        out << QStringLiteral("allowance %1 after %2 rentals").arg(left).arg(rentedByMember);

    const qint64 soldWithoutLine = count(
        db, QStringLiteral("TBName"),
        QStringLiteral("Quality = 5 AND ID NOT IN (SELECT CDNum FROM TBBusinessDetail "
                       "WHERE Ass_Number = -1)"));
    const qint64 lineWithoutSold = count(
        db, QStringLiteral("TBBusinessDetail"),
        QStringLiteral("Ass_Number = -1 AND CDNum NOT IN (SELECT ID FROM TBName "
                       "WHERE Quality = 5)"));
    if (soldWithoutLine || lineWithoutSold)
        out << QStringLiteral("%1 copies marked sold without a sale line, %2 sale lines of "
                              "copies not marked sold")
                   .arg(soldWithoutLine)
                   .arg(lineWithoutSold);

    if (!journalPath.isEmpty())
        checkJournal(db, journalPath, &out);
    return out;
}

} // namespace FaultAccount
