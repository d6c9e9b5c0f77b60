#include "ServerValues.h"

#include "Db.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>

#include <climits>

namespace ServerValues {

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

} // namespace

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

Parameters::Parameters(const QVariantList &params)
{
    const qsizetype n = params.size();
    m_data.resize(n);
    m_pointers.resize(n);
    m_types.resize(n);
    m_lengths.resize(n);
    m_formats.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QVariant &v = params[i];
        QByteArray &out = m_data[i];
        unsigned type = 0;
        int format = 0;
        if (v.isNull()) {
            m_pointers[i] = nullptr;
            m_types[i] = 0;
            m_lengths[i] = 0;
            m_formats[i] = 0;
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
            out = v.toBool() ? "true" : "false";
            type = BoolOid;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            const qlonglong number = v.toLongLong();
            out = QByteArray::number(number);
            // As the server types a literal number: integer when it fits, else bigint.
            type = (number >= INT_MIN && number <= INT_MAX) ? Int4Oid : Int8Oid;
            break;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            out = QByteArray::number(v.toDouble(), 'g', 17);
            type = NumericOid;
            break;
        case QMetaType::QDate: out = v.toDate().toString(Qt::ISODate).toLatin1(); break;
        case QMetaType::QDateTime:
            out = v.toDateTime().toString(Qt::ISODateWithMs).toLatin1();
            break;
        case QMetaType::QByteArray:
            out = v.toByteArray();
            type = ByteaOid;
            format = 1;
            break;
        default: out = v.toString().toUtf8(); break;
        }
        m_pointers[i] = out.constData();
        m_types[i] = type;
        m_lengths[i] = int(out.size());
        m_formats[i] = format;
    }
}

QVariant valueAt(const PGresult *r, int row, int column)
{
    const unsigned oid = PQftype(r, column);
    if (PQgetisnull(r, row, column))
        return QVariant(metaTypeOf(oid));
    const char *text = PQgetvalue(r, row, column);
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
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &size);
        const QByteArray b(reinterpret_cast<const char *>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return b;
    }
    default: return QString::fromUtf8(text, PQgetlength(r, row, column));
    }
}

QSqlRecord recordOf(const PGresult *r)
{
    QSqlRecord record;
    for (int c = 0; c < PQnfields(r); ++c)
        record.append(QSqlField(QString::fromUtf8(PQfname(r, c)), metaTypeOf(PQftype(r, c))));
    return record;
}

QSqlError errorOf(const PGresult *r, PGconn *pg)
{
    const char *field = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const QString state = field ? QString::fromLatin1(field) : QString();
    const QString message =
        QString::fromUtf8(r ? PQresultErrorMessage(r) : PQerrorMessage(pg)).trimmed();
    return QSqlError(QStringLiteral("QPSQL: Unable to run the statement"), message,
                     QSqlError::StatementError, state);
}

void failUnlessDone(PGresult *r, PGconn *pg, const QString &sql, const QSqlDriver *driver)
{
    const ExecStatusType status = PQresultStatus(r);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return;
    const QSqlError error = errorOf(r, pg);
    PQclear(r);
    throw Db::engineError(error, sql, driver);
}

} // namespace ServerValues
