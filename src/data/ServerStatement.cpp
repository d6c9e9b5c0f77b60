#include "ServerStatement.h"

#include "Db.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>

namespace ServerStatement {

namespace {

// Type numbers of the server's built-in types (its catalogue's fixed OIDs).
enum Oid : unsigned {
    BoolOid = 16,
    ByteaOid = 17,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    OidOid = 26,
    Float4Oid = 700,
    Float8Oid = 701,
    DateOid = 1082,
    TimestampOid = 1114,
    TimestampTzOid = 1184,
    NumericOid = 1700,
};

QMetaType metaTypeOf(unsigned oid)
{
    switch (oid) {
    case BoolOid: return QMetaType::fromType<bool>();
    case ByteaOid: return QMetaType::fromType<QByteArray>();
    case Int8Oid: return QMetaType::fromType<qlonglong>();
    case Int2Oid:
    case Int4Oid: return QMetaType::fromType<int>();
    case OidOid: return QMetaType::fromType<uint>();
    case Float4Oid:
    case Float8Oid: return QMetaType::fromType<double>();
    // A sum of BIGINT money is NUMERIC: whole numbers stay exact (see value()).
    case NumericOid: return QMetaType::fromType<double>();
    case DateOid: return QMetaType::fromType<QDate>();
    case TimestampOid:
    case TimestampTzOid: return QMetaType::fromType<QDateTime>();
    default: return QMetaType::fromType<QString>();
    }
}

// A whole result of the server, read as a query's result.
class ServerResult : public QSqlResult
{
public:
    ServerResult(const QSqlDriver *driver, const QString &sql, PGresult *result)
        : QSqlResult(driver), m_result(result)
    {
        setQuery(sql);
        setActive(true);
        setSelect(PQnfields(m_result) > 0);
        setAt(QSql::BeforeFirstRow);
    }
    ~ServerResult() override { PQclear(m_result); }

protected:
    QVariant data(int column) override
    {
        const unsigned oid = PQftype(m_result, column);
        if (PQgetisnull(m_result, at(), column))
            return QVariant(metaTypeOf(oid));
        const char *text = PQgetvalue(m_result, at(), column);
        switch (oid) {
        case BoolOid: return text[0] == 't';
        case Int8Oid: return QByteArray(text).toLongLong();
        case Int2Oid:
        case Int4Oid: return QByteArray(text).toInt();
        case OidOid: return QByteArray(text).toUInt();
        case Float4Oid:
        case Float8Oid: return QByteArray(text).toDouble();
        case NumericOid: {
            bool whole = false;
            const qlonglong v = QByteArray(text).toLongLong(&whole);
            return whole ? QVariant(v) : QVariant(QByteArray(text).toDouble());
        }
        case DateOid: return QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
        case TimestampOid:
        case TimestampTzOid:
            return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
        case ByteaOid: {
            size_t size = 0;
            unsigned char *bytes =
                PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &size);
            const QByteArray b(reinterpret_cast<const char *>(bytes), qsizetype(size));
            PQfreemem(bytes);
            return b;
        }
        default: return QString::fromUtf8(text, PQgetlength(m_result, at(), column));
        }
    }
    bool isNull(int column) override { return PQgetisnull(m_result, at(), column); }
    bool reset(const QString &) override { return false; }
    bool fetch(int row) override
    {
        if (row < 0 || row >= PQntuples(m_result))
            return false;
        setAt(row);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override { return fetch(PQntuples(m_result) - 1); }
    int size() override { return isSelect() ? PQntuples(m_result) : -1; }
    int numRowsAffected() override { return QByteArray(PQcmdTuples(m_result)).toInt(); }
    // Made once: a value read by its column's name looks the name up in it every time.
    QSqlRecord record() const override
    {
        if (m_record.isEmpty()) {
            for (int c = 0; c < PQnfields(m_result); ++c)
                m_record.append(QSqlField(QString::fromUtf8(PQfname(m_result, c)),
                                          metaTypeOf(PQftype(m_result, c))));
        }
        return m_record;
    }

private:
    PGresult *m_result;
    mutable QSqlRecord m_record;
};

PGconn *connectionOf(const QSqlDatabase &db)
{
    const QSqlDriver *driver = db.driver();
    if (!driver || driver->dbmsType() != QSqlDriver::PostgreSQL)
        return nullptr;
    const QVariant handle = driver->handle();
    // The driver hands out the library's connection under its struct's name.
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "pg_conn*") != 0
            && qstrcmp(handle.typeName(), "PGconn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.data());
}

// A value as the server reads it: text (or bytes), with the type of a literal of its kind,
// so that the server infers what it would infer for the literal.
struct Value
{
    QByteArray data;
    unsigned type = 0;
    bool null = false;
    bool binary = false;
};

Value valueOf(const QVariant &v)
{
    Value out;
    if (v.isNull()) {
        out.null = true;
        return out;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        out.data = v.toBool() ? "true" : "false";
        out.type = BoolOid;
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const qlonglong n = v.toLongLong();
        out.data = QByteArray::number(n);
        // As the server types a literal number: integer when it fits, else bigint.
        out.type = (n >= INT_MIN && n <= INT_MAX) ? Int4Oid : Int8Oid;
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        out.data = QByteArray::number(v.toDouble(), 'g', 17);
        out.type = NumericOid;
        break;
    case QMetaType::QDate: out.data = v.toDate().toString(Qt::ISODate).toLatin1(); break;
    case QMetaType::QDateTime:
        out.data = v.toDateTime().toString(Qt::ISODateWithMs).toLatin1();
        break;
    case QMetaType::QByteArray:
        out.data = v.toByteArray();
        out.type = ByteaOid;
        out.binary = true;
        break;
    default: out.data = v.toString().toUtf8(); break;
    }
    return out;
}

} // namespace

bool available(const QSqlDatabase &db)
{
    return connectionOf(db) != nullptr;
}

QByteArray numberedPlaceholders(const QString &sql)
{
    const QByteArray in = sql.toUtf8();
    QByteArray out;
    out.reserve(in.size() + 16);
    int n = 0;
    char quote = 0;
    for (const char c : in) {
        if (quote) {
            out += c;
            if (c == quote)
                quote = 0; // a doubled quote closes and reopens: same result
        } else if (c == '\'' || c == '"') {
            quote = c;
            out += c;
        } else if (c == '?') {
            out += '$' + QByteArray::number(++n);
        } else {
            out += c;
        }
    }
    return out;
}

QSqlQuery exec(const QString &sql, const QVariantList &params, const QSqlDatabase &db)
{
    PGconn *pg = connectionOf(db);
    if (!pg)
        throw Db::DbError(Db::Fault::Lost, QStringLiteral("no connection to the server [") + sql
                                           + QLatin1Char(']'));
    QList<Value> values;
    values.reserve(params.size());
    for (const QVariant &p : params)
        values << valueOf(p);
    QList<const char *> data;
    QList<unsigned> types;
    QList<int> lengths;
    QList<int> formats;
    for (const Value &v : values) {
        data << (v.null ? nullptr : v.data.constData());
        types << v.type;
        lengths << int(v.data.size());
        formats << (v.binary ? 1 : 0);
    }
    PGresult *r = PQexecParams(pg, numberedPlaceholders(sql).constData(), int(values.size()),
                               types.constData(), data.constData(), lengths.constData(),
                               formats.constData(), 0);
    const ExecStatusType status = PQresultStatus(r);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const char *field = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
        const QString state = field ? QString::fromLatin1(field) : QString();
        const QString message =
            QString::fromUtf8(r ? PQresultErrorMessage(r) : PQerrorMessage(pg)).trimmed();
        PQclear(r);
        throw Db::engineError(QSqlError(QStringLiteral("QPSQL: Unable to run the statement"),
                                        message, QSqlError::StatementError,
                                        state),
                              sql, db.driver());
    }
    return QSqlQuery(new ServerResult(db.driver(), sql, r));
}

} // namespace ServerStatement
