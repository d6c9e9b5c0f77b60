#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QSqlError>

#include <libpq-fe.h>

class QSqlDriver;

// Values between the program and the server's client library: the values of a statement as
// the server reads them, the cells of a result as the program reads them, and the server's
// refusals as the program's faults. Shared by the statements on the account's connection and
// the rows streamed on a connection of their own.
namespace ServerValues {

// The client library's connection behind db, or nullptr when db is no PostgreSQL connection.
PGconn *connectionOf(const QSqlDatabase &db);

// A statement's values as the server reads them: text (or bytes), each with the type of a
// literal of its kind, so that the server infers what it would infer for the literal. The
// lists are laid out as the client library takes them.
class Parameters
{
public:
    explicit Parameters(const QVariantList &params);
    Parameters(const Parameters &) = delete;
    Parameters &operator=(const Parameters &) = delete;

    int count() const { return int(m_types.size()); }
    const QList<unsigned> &types() const { return m_types; }
    const char *const *values() const { return m_pointers.constData(); }
    const int *lengths() const { return m_lengths.constData(); }
    const int *formats() const { return m_formats.constData(); }

private:
    QList<QByteArray> m_data;
    QList<const char *> m_pointers;
    QList<unsigned> m_types;
    QList<int> m_lengths;
    QList<int> m_formats;
};

// The type a column of the server's type oid reads as.
QMetaType metaTypeOf(unsigned oid);
// The cell at row and column of r, typed as metaTypeOf its column says; null as a null value.
QVariant valueAt(const PGresult *r, int row, int column);
// The columns of r with their names and types.
QSqlRecord recordOf(const PGresult *r);

// Throws the server's error, its SQLSTATE as the fault, unless r holds the result of a
// statement that ran; frees a failed r. sql names the statement in the error.
void failUnlessDone(PGresult *r, PGconn *pg, const QString &sql, const QSqlDriver *driver);
// The server's error of a failed result r (or of pg when there is none) as the driver's.
QSqlError errorOf(const PGresult *r, PGconn *pg);

} // namespace ServerValues
