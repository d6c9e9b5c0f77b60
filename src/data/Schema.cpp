#include "Schema.h"

#include "Db.h"
#include "SqlDialect.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace Schema {
namespace {

struct Table
{
    const char *name;
    const char *key;     // the key column filled by the engine, or null
    const char *columns; // the other column definitions, as in CREATE TABLE
};

// Money columns hold integer cents; dates are ISO text (yyyy-MM-dd, ReDate with the time) on
// both engines, so they compare and sort alike. IDs are filled by the engine and never reused,
// as AutoNumber keys are (SqlDialect::keyColumn).
const Table kTables[] = {
    {"TBName", "ID", "CustomNum TEXT, Name TEXT, Nlang TEXT, Ver TEXT, Categray TEXT, Amount INTEGER, Copy INTEGER, Bu INTEGER, DatTime TEXT, Provide INTEGER, Mone BIGINT, Address1 TEXT, Direct TEXT, ActRole TEXT, Quality INTEGER DEFAULT 0"},
    {"TBBusinessDetail", "ID", "CDNum INTEGER, RMoney BIGINT, Amount INTEGER, Ass_Number INTEGER, DatTime TEXT, Deposit BIGINT, Persons INTEGER, ReDate TEXT, ParentID INTEGER"},
    {"TBAssociator", "ID", "Num TEXT, Name TEXT, Telephone TEXT, Grade TEXT, Sum INTEGER, SDT TEXT, DateT TEXT, Memo TEXT, ASFlag INTEGER DEFAULT 0"},
    {"TBPersons", "ID", "Number TEXT, Name TEXT, Telephone TEXT, Address TEXT, PWS TEXT, Memo TEXT, PerFlag INTEGER DEFAULT 0"},
    {"TBPowerStand", nullptr, "PowerId INTEGER, PowerName TEXT"},
    {"TBUserPower", nullptr, "UserId INTEGER, PowerId INTEGER"},
    {"TBKindValue", "ID", "CateID INTEGER, CateValue TEXT, Flag INTEGER, Memo TEXT"},
    {"TBInOutMoney", "FID", "FeeDate TEXT, CateID INTEGER, Moneys BIGINT, ClientID INTEGER, Per INTEGER, Memo TEXT"},
    {"TBVer", "ID", "Name TEXT, Fee BIGINT, Deposit BIGINT"},
    {"TBCategray", "ID", "Categray TEXT"},
    {"TBLanguage", "ID", "NLang TEXT"},
    {"TbProvide", "ID", "Company TEXT, Address TEXT, OfficeTel TEXT, Memo TEXT, Name TEXT"},
    {"TBSetup", nullptr, "company TEXT, comAddr TEXT, comTel TEXT"},
};

// The lookups the counter makes on every keystroke and transaction, so none of them scans
// all lines: copy by code, open lines by copy and by customer (partial indexes: the open
// lines are a small part of a shop's history), lines by customer and by date, member by number.
const char *const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS ix_name_code ON TBName(CustomNum)",
    "CREATE INDEX IF NOT EXISTS ix_detail_open_copy ON TBBusinessDetail(CDNum) "
    "WHERE ReDate IS NULL",
    "CREATE INDEX IF NOT EXISTS ix_detail_open_customer ON TBBusinessDetail(Ass_Number) "
    "WHERE ReDate IS NULL",
    "CREATE INDEX IF NOT EXISTS ix_detail_customer ON TBBusinessDetail(Ass_Number, DatTime)",
    "CREATE INDEX IF NOT EXISTS ix_detail_date ON TBBusinessDetail(DatTime)",
    "CREATE INDEX IF NOT EXISTS ix_member_num ON TBAssociator(Num)",
    // The counter finds codes and member numbers whatever their letter case.
    "CREATE INDEX IF NOT EXISTS ix_name_code_nocase ON TBName(CustomNum COLLATE NOCASE)",
    "CREATE INDEX IF NOT EXISTS ix_member_num_nocase ON TBAssociator(Num COLLATE NOCASE)",
    "CREATE INDEX IF NOT EXISTS ix_money_date ON TBInOutMoney(FeeDate)",
    "CREATE INDEX IF NOT EXISTS ix_money_client ON TBInOutMoney(ClientID)",
    "CREATE INDEX IF NOT EXISTS ix_userpower_user ON TBUserPower(UserId)",
};

// Tables added after the first accounts were made: created in new accounts with the others and
// added to an older account when it is opened, so neither is refused for lacking them.
const Table kAddedTables[] = {
    // Who did what and when, with the values before and after; rows are only ever added.
    {"TBAuditLog", "ID", "At TEXT, UserId INTEGER, Kind TEXT, Subject TEXT, Before TEXT, After TEXT"},
    // The cash each booking moved in or out of the till, by the operator at the counter; a
    // row belongs to the open shift until a cash-up closes it (CashUpID set).
    {"TBTill", "ID", "At TEXT, UserId INTEGER, Line INTEGER, Amount BIGINT, CashUpID INTEGER"},
    // One closed shift: its lines as summed at the cash-up, the cash counted and the difference.
    {"TBCashUp", "ID", "UserId INTEGER, StartAt TEXT, EndAt TEXT, DepositIn BIGINT, DepositOut BIGINT, Rent BIGINT, Sales BIGINT, OtherIn BIGINT, Expense BIGINT, Expected BIGINT, Counted BIGINT, Difference BIGINT, Note TEXT"},
};

void addNewTables(const QSqlDatabase &db);
void addNewRows(const QSqlDatabase &db);

// The indexes of the tables added later, on both engines.
const char *const kAddedIndexes[] = {
    "CREATE INDEX IF NOT EXISTS ix_audit_at ON TBAuditLog(At)",
    "CREATE INDEX IF NOT EXISTS ix_till_open ON TBTill(UserId) WHERE CashUpID IS NULL",
    "CREATE INDEX IF NOT EXISTS ix_cashup_end ON TBCashUp(EndAt)",
};

// The log is append-only: the engine itself refuses to change or remove a row. Triggers are
// written in each engine's own language.
const char *const kSqliteAuditGuards[] = {
    "CREATE TRIGGER IF NOT EXISTS audit_no_update BEFORE UPDATE ON TBAuditLog "
    "BEGIN SELECT RAISE(ABORT, 'audit log rows are never changed'); END",
    "CREATE TRIGGER IF NOT EXISTS audit_no_delete BEFORE DELETE ON TBAuditLog "
    "BEGIN SELECT RAISE(ABORT, 'audit log rows are never deleted'); END",
};
const char *const kPostgresAuditGuards[] = {
    "CREATE OR REPLACE FUNCTION audit_unchanged() RETURNS trigger LANGUAGE plpgsql AS "
    "$$BEGIN RAISE EXCEPTION 'audit log rows are never %', "
    "CASE TG_OP WHEN 'UPDATE' THEN 'changed' ELSE 'deleted' END; END$$",
    "CREATE OR REPLACE TRIGGER audit_no_update BEFORE UPDATE ON TBAuditLog "
    "FOR EACH ROW EXECUTE FUNCTION audit_unchanged()",
    "CREATE OR REPLACE TRIGGER audit_no_delete BEFORE DELETE ON TBAuditLog "
    "FOR EACH ROW EXECUTE FUNCTION audit_unchanged()",
};

// The collations the statements name, on a server: PINYIN (Chinese names in pinyin order,
// case ignored, digits by value, ties in a fixed order: the order of the file's collation) and
// NOCASE (codes whatever their letter case). Unquoted names fold to lower case, so the
// statements' "COLLATE PINYIN" and "COLLATE NOCASE" find them. A file registers its own.
const char *const kPostgresCollations[] = {
    "CREATE COLLATION IF NOT EXISTS pinyin "
    "(provider = icu, locale = 'zh-u-co-pinyin-kn-ks-level2')",
    "CREATE COLLATION IF NOT EXISTS nocase "
    "(provider = icu, locale = 'und-u-ks-level2', deterministic = false)",
};

// The database's own guard against renting one copy twice: at most one open rental line per
// copy. Sale lines (Ass_Number -1) are left out: a copy listed twice in one sale writes two.
const char *const kOpenRentalGuard =
    "CREATE UNIQUE INDEX IF NOT EXISTS ux_detail_open_rental ON TBBusinessDetail(CDNum) "
    "WHERE ReDate IS NULL AND Ass_Number <> -1";

QString definition(const Table &t, const QSqlDatabase &db)
{
    const QString columns = QLatin1String(t.columns);
    if (!t.key)
        return columns;
    return SqlDialect::keyColumn(QLatin1String(t.key), db) + QStringLiteral(", ") + columns;
}

QStringList columnNames(const Table &t)
{
    QStringList names;
    if (t.key)
        names << QLatin1String(t.key);
    const QStringList defs = QString::fromLatin1(t.columns).split(QLatin1Char(','));
    for (const QString &d : defs)
        names << d.trimmed().section(QLatin1Char(' '), 0, 0);
    return names;
}

bool onServer(const QSqlDatabase &db)
{
    return SqlDialect::engineOf(db) == SqlDialect::Engine::Postgres;
}

void createOpenRentalGuard(const QSqlDatabase &db)
{
    Db::exec(QLatin1String(kOpenRentalGuard), {}, db);
}

} // namespace

void create(const QSqlDatabase &db)
{
    Db::Transaction tx(db);
    if (onServer(db)) {
        for (const char *collation : kPostgresCollations)
            Db::exec(QLatin1String(collation), {}, db);
    }
    for (const Table &t : kTables) {
        Db::exec(QStringLiteral("CREATE TABLE %1 (%2)")
                     .arg(QLatin1String(t.name), definition(t, db)),
                 {}, db);
    }
    for (const char *ix : kIndexes)
        Db::exec(QLatin1String(ix), {}, db);
    createOpenRentalGuard(db);
    addNewTables(db);
    tx.commit();
}

namespace {

void addNewTables(const QSqlDatabase &db)
{
    for (const Table &t : kAddedTables) {
        Db::exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                     .arg(QLatin1String(t.name), definition(t, db)),
                 {}, db);
    }
    for (const char *statement : kAddedIndexes)
        Db::exec(QLatin1String(statement), {}, db);
    if (onServer(db)) {
        for (const char *statement : kPostgresAuditGuards)
            Db::exec(QLatin1String(statement), {}, db);
    } else {
        for (const char *statement : kSqliteAuditGuards)
            Db::exec(QLatin1String(statement), {}, db);
    }
}

void addNewRows(const QSqlDatabase &db)
{
    // The cash-up permission and the receipt roll option, for accounts made without them.
    if (Db::scalar(QStringLiteral("SELECT count(*) FROM TBPowerStand WHERE PowerId = ?"),
                   {PowerCashUp}, db)
            .toInt()
        == 0) {
        Db::exec(QStringLiteral("INSERT INTO TBPowerStand (PowerId, PowerName) VALUES (?, ?)"),
                 {PowerCashUp, QStringLiteral("交班结算")}, db);
    }
    if (Db::scalar(QStringLiteral("SELECT count(*) FROM TBKindValue WHERE CateID = ?"),
                   {OptionReceiptRoll}, db)
            .toInt()
        == 0) {
        Db::exec(QStringLiteral("INSERT INTO TBKindValue (CateID, CateValue, Flag, Memo) "
                                "VALUES (?, '0', 0, ?)"),
                 {OptionReceiptRoll, QStringLiteral("小票纸卷")}, db);
    }
}

} // namespace

void addNewParts(const QSqlDatabase &db)
{
    Db::Transaction tx(db);
    addNewTables(db);
    addNewRows(db);
    tx.commit();
}

void ensureIndexes(const QSqlDatabase &db)
{
    for (const char *ix : kIndexes)
        Db::exec(QLatin1String(ix), {}, db);
    try {
        createOpenRentalGuard(db);
    } catch (const Db::DbError &e) {
        // An older file that already holds two open rental lines of one copy: it is opened as
        // it is, the non-unique index serves the lookups, and the one writer at a time keeps
        // the counter from adding another.
        if (e.fault() != Db::Fault::Duplicate)
            throw;
        Db::logSkipped(e, "the account holds a copy rented twice; opened without the unique "
                          "index over open rental lines");
    }
}

bool hasOpenRentalGuard(const QSqlDatabase &db)
{
    const QString sql =
        onServer(db) ? QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = "
                                      "current_schema() AND indexname = 'ux_detail_open_rental'")
                     : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                                      "AND name = 'ux_detail_open_rental'");
    return Db::scalar(sql, {}, db).toInt() > 0;
}

void writeRequiredRows(const QSqlDatabase &db)
{
    Db::Transaction tx(db);
    const QString kind =
        QStringLiteral("INSERT INTO TBKindValue (ID, CateID, CateValue, Flag, Memo) "
                       "VALUES (?, ?, ?, ?, ?)");
    // Option rows: rent by days, no permission control, 7 overdue days, no receipt, POS paper.
    Db::exec(kind, {1, OptionRentRule, QStringLiteral("0"), 0, QStringLiteral("租金计算方法")}, db);
    Db::exec(kind, {2, OptionPermissionMode, QStringLiteral("0"), 0, QStringLiteral("系统运行方式")},
             db);
    Db::exec(kind, {TypeRent, OptionTypeRow, QStringLiteral("租金收入"), 1,
                    QStringLiteral("归还影碟时收取的租金")},
             db);
    Db::exec(kind, {4, OptionOverdueDays, QStringLiteral("7"), 0, QStringLiteral("过期天数")}, db);
    Db::exec(kind, {5, OptionReceiptPrinting, QStringLiteral("1"), 0, QStringLiteral("打印设置")},
             db);
    Db::exec(kind, {6, OptionReceiptPaper, QStringLiteral("1"), 0, QStringLiteral("单据类型")}, db);
    Db::exec(kind, {TypeDeposit, OptionTypeRow, QStringLiteral("押金"), 1,
                    QStringLiteral("出租收取、归还退还的押金")},
             db);
    Db::exec(kind, {TypeMemberPayment, OptionTypeRow, QStringLiteral("会员缴费"), 1,
                    QStringLiteral("会员缴纳的会费")},
             db);

    // The walk-in customer, protected on the members page. New members get IDs above 15.
    Db::exec(QStringLiteral("INSERT INTO TBAssociator (ID, Num, Name, Sum, ASFlag) "
                            "VALUES (?, '', ?, 0, 1)"),
             {WalkInCustomerId, QStringLiteral("零租客户")}, db);
    // The rows above were written with their keys; the next keys follow them.
    SqlDialect::followKeys(QStringLiteral("TBKindValue"), QStringLiteral("ID"), db);
    SqlDialect::followKeys(QStringLiteral("TBAssociator"), QStringLiteral("ID"), db);

    Db::exec(QStringLiteral("INSERT INTO TBPersons (Name, PWS, Memo) VALUES (?, ?, ?)"),
             {QStringLiteral("管理员"), QString(), QStringLiteral("初始帐户，无口令")}, db);

    const std::pair<int, const char *> powers[] = {
        {1, "出租/归还"}, {2, "库存管理"}, {3, "统计/分析"}, {4, "销售管理"},
        {5, "系统设置"},  {6, "费用收支"}, {10, "文件/帐户"},
    };
    for (const auto &[id, name] : powers) {
        Db::exec(QStringLiteral("INSERT INTO TBPowerStand (PowerId, PowerName) VALUES (?, ?)"),
                 {id, QString::fromUtf8(name)}, db);
    }

    for (const char *lang : {"国语", "粤语", "英语", "日语", "韩语", "其他"}) {
        Db::exec(QStringLiteral("INSERT INTO TBLanguage (NLang) VALUES (?)"),
                 {QString::fromUtf8(lang)}, db);
    }
    addNewRows(db);
    tx.commit();
}

QList<Column> declaredColumns(const QString &table)
{
    QList<Column> columns;
    const auto read = [&](const Table &t) {
        if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) != 0)
            return;
        if (t.key)
            columns.append({QLatin1String(t.key), QStringLiteral("KEY")});
        const QStringList defs = QString::fromLatin1(t.columns).split(QLatin1Char(','));
        for (const QString &d : defs) {
            const QString def = d.trimmed();
            columns.append({def.section(QLatin1Char(' '), 0, 0),
                            def.section(QLatin1Char(' '), 1, 1).toUpper()});
        }
    };
    for (const Table &t : kTables)
        read(t);
    for (const Table &t : kAddedTables)
        read(t);
    return columns;
}

QStringList tableNames()
{
    QStringList names;
    for (const Table &t : kTables)
        names << QLatin1String(t.name);
    for (const Table &t : kAddedTables)
        names << QLatin1String(t.name);
    return names;
}

QStringList missingParts(const QSqlDatabase &db)
{
    QStringList missing;
    for (const Table &t : kTables) {
        const QString table = QLatin1String(t.name);
        const QStringList present = SqlDialect::columnsOf(table, db);
        if (present.isEmpty()) {
            missing << table;
            continue;
        }
        for (const QString &c : columnNames(t)) {
            if (!present.contains(c.toLower()))
                missing << table + QLatin1Char('.') + c;
        }
    }
    return missing;
}

} // namespace Schema
