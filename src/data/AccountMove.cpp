#include "AccountMove.h"

#include "Collation.h"
#include "DataModule.h"
#include "Db.h"
#include "PgCopy.h"
#include "Schema.h"
#include "SqlDialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstdio>
#include <optional>

namespace AccountMove {
namespace {

// The program's own refusal in the middle of a copy: the target's transaction is rolled back.
struct Refusal
{
    QString why;
};

bool isNumberColumn(const QString &type)
{
    return type == QLatin1String("KEY") || type == QLatin1String("INTEGER") ||
           type == QLatin1String("BIGINT");
}

QStringList moneyColumns(const QString &table)
{
    QStringList money;
    for (const Schema::Column &c : Schema::declaredColumns(table)) {
        if (c.type == QLatin1String("BIGINT"))
            money << c.name;
    }
    return money;
}

QString keyOf(const QString &table)
{
    const QList<Schema::Column> columns = Schema::declaredColumns(table);
    return !columns.isEmpty() && columns.first().type == QLatin1String("KEY") ? columns.first().name
                                                                              : QString();
}

TableFigures figuresOf(const QString &table, const QSqlDatabase &db)
{
    TableFigures f;
    f.table = table;
    const QStringList money = moneyColumns(table);
    QStringList parts{QStringLiteral("count(*)")};
    for (const QString &m : money)
        parts << QStringLiteral("coalesce(CAST(sum(%1) AS BIGINT), 0)").arg(m);
    // Table and column names come from the schema, never from input.
    QSqlQuery q =
        Db::exec(QStringLiteral("SELECT %1 FROM %2").arg(parts.join(u", "), table), {}, db);
    if (!q.next())
        throw Db::DbError(
            QCoreApplication::translate("AccountMove", "无法读取 %1 的行数").arg(table));
    f.rows = q.value(0).toLongLong();
    for (int i = 0; i < money.size(); ++i)
        f.sums.append({money.at(i), q.value(i + 1).toLongLong()});
    return f;
}

// The value as the target column's type holds it. A value that is not what the column
// declares (a text in a number column, a fraction in a count) is refused rather than changed.
QVariant normalised(const QVariant &value, const Schema::Column &column, const QString &table,
                    const QVariant &rowKey)
{
    if (!isNumberColumn(column.type)) {
        if (value.isNull())
            return QVariant(QMetaType::fromType<QString>());
        return value.toString();
    }
    if (value.isNull())
        return QVariant(QMetaType::fromType<qlonglong>());
    const int type = value.metaType().id();
    if (type == QMetaType::Double || type == QMetaType::Float) {
        const double d = value.toDouble();
        if (d == static_cast<double>(static_cast<qint64>(d)))
            return static_cast<qlonglong>(d);
    } else {
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        if (ok)
            return n;
    }
    throw Refusal{QCoreApplication::translate(
                      "AccountMove", "%1.%2 的第 %3 行存放着“%4”，不是整数，无法准确迁移。")
                      .arg(table, column.name, rowKey.toString(), value.toString())};
}

// Rows into one table of an account file: many rows to a prepared statement.
class FileRows
{
public:
    FileRows(const QSqlDatabase &db, const QString &table, const QStringList &columns)
        : m_db(db), m_table(table), m_columns(columns), m_full(db),
          m_perStatement(qMax(1, 4000 / int(columns.size())))
    {
    }
    void add(const QVariantList &row)
    {
        m_batch += row;
        if (m_batch.size() == m_perStatement * m_columns.size())
            flush();
    }
    void finish() { flush(); }

private:
    QString statementFor(int rows) const
    {
        const QString oneRow = QLatin1Char('(') +
                               QStringList(m_columns.size(), QStringLiteral("?")).join(u", ") +
                               QLatin1Char(')');
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
            .arg(m_table, m_columns.join(u", "), QStringList(rows, oneRow).join(u", "));
    }
    void flush()
    {
        const int rows = int(m_batch.size() / m_columns.size());
        if (rows == 0)
            return;
        QSqlQuery partial(m_db);
        const bool full = rows == m_perStatement;
        QSqlQuery &write = full ? m_full : partial;
        if (!full || !m_fullPrepared) {
            if (!write.prepare(statementFor(rows)))
                throw Db::engineError(write.lastError(), m_table, m_db.driver());
            m_fullPrepared = m_fullPrepared || full;
        }
        for (int i = 0; i < m_batch.size(); ++i)
            write.bindValue(i, m_batch.at(i));
        if (!write.exec())
            throw Db::engineError(write.lastError(), QStringLiteral("INSERT INTO ") + m_table,
                                  m_db.driver());
        m_batch.clear();
    }

    QSqlDatabase m_db;
    QString m_table;
    QStringList m_columns;
    QSqlQuery m_full;
    bool m_fullPrepared = false;
    int m_perStatement;
    QVariantList m_batch;
};

// Copies the rows of table in the order they were written: into a server through its bulk
// load, into a file through batched inserts.
void copyTable(const QString &table, qint64 total, const QSqlDatabase &from, const QSqlDatabase &to,
               const Progress &progress)
{
    const QList<Schema::Column> columns = Schema::declaredColumns(table);
    QStringList names;
    for (const Schema::Column &c : columns)
        names << c.name;
    const QString key = keyOf(table);
    const QString order = key.isEmpty() ? SqlDialect::insertionOrder(from) : key;

    QSqlQuery read(from);
    read.setForwardOnly(true);
    if (!read.exec(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(names.join(u", "), table, order))) {
        throw Db::engineError(read.lastError(), read.lastQuery(), from.driver());
    }

    std::optional<PgCopy> bulk;
    std::optional<FileRows> rows;
    if (SqlDialect::engineOf(to) == SqlDialect::Engine::Postgres)
        bulk.emplace(to, table, names);
    else
        rows.emplace(to, table, names);

    constexpr qint64 ProgressEvery = 2000;
    qint64 done = 0;
    QVariantList row;
    row.reserve(columns.size());
    while (read.next()) {
        row.clear();
        const QVariant rowKey = key.isEmpty() ? QVariant(done + 1) : read.value(0);
        for (int c = 0; c < columns.size(); ++c)
            row.append(normalised(read.value(c), columns.at(c), table, rowKey));
        if (bulk)
            bulk->add(row);
        else
            rows->add(row);
        ++done;
        if (progress && done % ProgressEvery == 0)
            progress(table, done, total);
    }
    if (read.lastError().isValid())
        throw Db::engineError(read.lastError(), read.lastQuery(), from.driver());
    if (bulk)
        bulk->finish();
    else
        rows->finish();
    if (progress)
        progress(table, done, total);
}

QString difference(const TableFigures &source, const TableFigures &target)
{
    if (source.rows != target.rows) {
        return QCoreApplication::translate("AccountMove", "%1：原帐户 %2 行，目标 %3 行")
            .arg(source.table)
            .arg(source.rows)
            .arg(target.rows);
    }
    for (int i = 0; i < source.sums.size() && i < target.sums.size(); ++i) {
        if (source.sums.at(i) != target.sums.at(i)) {
            return QCoreApplication::translate("AccountMove", "%1.%2：原帐户合计 %3，目标合计 %4")
                .arg(source.table, source.sums.at(i).first)
                .arg(source.sums.at(i).second)
                .arg(target.sums.at(i).second);
        }
    }
    return {};
}

// The source read in one snapshot from the first read to the end of the move.
class Snapshot
{
public:
    explicit Snapshot(const QSqlDatabase &db) : m_db(db)
    {
        const bool server = SqlDialect::engineOf(db) == SqlDialect::Engine::Postgres;
        const QString begin =
            server ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")
                   : QStringLiteral("BEGIN");
        QSqlQuery q(m_db);
        if (!q.exec(begin))
            throw Db::engineError(q.lastError(), begin, m_db.driver());
    }
    ~Snapshot() { QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK")); }
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

private:
    QSqlDatabase m_db;
};

// Copies every table from from (in a snapshot) to to (the schema written, every table empty)
// in one transaction, checks both sides' figures and commits only when they agree.
QList<TableFigures> copyAll(const QSqlDatabase &from, const QSqlDatabase &to,
                            const Progress &progress, void (*beforeCommit)(const QSqlDatabase &))
{
    Snapshot snapshot(from);
    const QList<TableFigures> source = figures(from);

    Db::Transaction tx(to);
    for (const TableFigures &t : source)
        copyTable(t.table, t.rows, from, to, progress);
    for (const QString &table : Schema::tableNames()) {
        const QString key = keyOf(table);
        if (!key.isEmpty())
            SqlDialect::followKeys(table, key, to);
    }
    if (beforeCommit)
        beforeCommit(to);
    const QList<TableFigures> target = figures(to);
    for (int i = 0; i < source.size(); ++i) {
        const QString differs = difference(source.at(i), target.value(i));
        if (!differs.isEmpty())
            throw Refusal{
                QCoreApplication::translate("AccountMove", "迁移后的核对不一致，已撤销：") +
                differs};
    }
    tx.commit();
    return source;
}

QString reasonOf(const Db::DbError &e)
{
    return e.details().isEmpty() ? e.message() : e.message() + QLatin1Char('\n') + e.details();
}

void dropSchemaTables(const QSqlDatabase &db)
{
    for (const QString &table : Schema::tableNames()) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DROP TABLE IF EXISTS %1 CASCADE").arg(table)))
            qCWarning(lcData) << "move: could not drop" << table << q.lastError().text();
    }
}

// A connection name no other part of the program uses.
QString freshConnectionName(const char *what)
{
    return QStringLiteral("AccountMove-%1-%2")
        .arg(QLatin1String(what), QUuid::createUuid().toString(QUuid::Id128));
}

// Removes the connection when the move is over, however it ends.
class ConnectionGuard
{
public:
    explicit ConnectionGuard(QString name) : m_name(std::move(name)) {}
    ~ConnectionGuard()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    ConnectionGuard(const ConnectionGuard &) = delete;
    ConnectionGuard &operator=(const ConnectionGuard &) = delete;
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    QString name() const { return m_name; }

private:
    QString m_name;
};

} // namespace

QList<TableFigures> figures(const QSqlDatabase &db)
{
    QList<TableFigures> all;
    for (const QString &table : Schema::tableNames())
        all.append(figuresOf(table, db));
    return all;
}

Result toServer(const QSqlDatabase &from, const ServerAddress &to, const Progress &progress)
{
    Result result;
    const ConnectionGuard target(freshConnectionName("server"));
    if (!connectServer(to, target.name(), &result.why))
        return result;
    const QSqlDatabase db = target.db();
    bool schemaWritten = false;
    try {
        const QStringList present = serverTableNames(db);
        if (!present.isEmpty()) {
            result.why =
                QCoreApplication::translate(
                    "AccountMove",
                    "数据库 %1 中已有 %2 个表；帐户只能迁移到空数据库中。没有写入任何内容。")
                    .arg(to.database)
                    .arg(present.size());
            return result;
        }
        schemaWritten = true;
        Schema::create(db);
        result.tables = copyAll(from, db, progress, &markServerAccount);
        result.ok = true;
    } catch (const Db::DbError &e) {
        result.why = reasonOf(e);
    } catch (const Refusal &r) {
        result.why = r.why;
    }
    if (!result.ok) {
        result.tables.clear();
        if (schemaWritten)
            dropSchemaTables(db);
        return result;
    }
    // Fresh statistics for the server's planner; the move stands without them.
    QSqlQuery analyze(db);
    if (!analyze.exec(QStringLiteral("ANALYZE")))
        qCWarning(lcData) << "move: ANALYZE failed" << analyze.lastError().text();
    return result;
}

Result toFile(const QSqlDatabase &from, const QString &path, bool replace, const Progress &progress)
{
    Result result;
    const QFileInfo info(path);
    if (info.exists() && !replace) {
        result.why =
            QCoreApplication::translate("AccountMove", "文件“%1”已经存在；迁移不会覆盖已有的文件。")
                .arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (!info.absoluteDir().exists()) {
        result.why = QCoreApplication::translate("AccountMove", "文件夹“%1”不存在。")
                         .arg(QDir::toNativeSeparators(info.absolutePath()));
        return result;
    }
    const QString part = info.absoluteFilePath() + QStringLiteral(".part-") +
                         QUuid::createUuid().toString(QUuid::Id128).left(8);
    {
        const ConnectionGuard target(freshConnectionName("file"));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), target.name());
        db.setDatabaseName(part);
        try {
            if (!db.open() || !Collation::registerWith(db))
                throw Db::engineError(db.lastError(), part, db.driver());
            Schema::create(db);
            result.tables = copyAll(from, db, progress, nullptr);
            result.ok = true;
        } catch (const Db::DbError &e) {
            result.why = reasonOf(e);
        } catch (const Refusal &r) {
            result.why = r.why;
        }
    }
    // The connection is closed: the file is complete, or it goes.
    if (result.ok && std::rename(QFile::encodeName(part).constData(),
                                 QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        result.ok = false;
        result.why = QCoreApplication::translate("AccountMove", "无法把完成的文件改名为“%1”。")
                         .arg(QDir::toNativeSeparators(path));
    }
    if (!result.ok) {
        result.tables.clear();
        QFile::remove(part);
        QFile::remove(part + QStringLiteral("-journal"));
    }
    return result;
}

QStringList describe(const QList<TableFigures> &tables)
{
    QStringList lines;
    for (const TableFigures &t : tables) {
        QString line =
            QCoreApplication::translate("AccountMove", "%1：%2 行").arg(t.table).arg(t.rows);
        for (const auto &[column, cents] : t.sums) {
            const qint64 whole = (cents < 0 ? -cents : cents);
            line += QStringLiteral("，%1 %2%3.%4")
                        .arg(column, cents < 0 ? QStringLiteral("-") : QString())
                        .arg(whole / 100)
                        .arg(whole % 100, 2, 10, QLatin1Char('0'));
        }
        lines << line;
    }
    return lines;
}

} // namespace AccountMove
