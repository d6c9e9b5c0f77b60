#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The account the fault tests work on: one fee class, a few copies, one member with a large
// allowance, and a watch that records any moment a copy has two open lines.
namespace FaultAccount {

inline constexpr int CopyCount = 8;
inline constexpr qint64 Allowance = 1'000'000;
inline constexpr qint64 FeeCents = 300;
inline constexpr qint64 DepositCents = 2000;

QString copyCode(int index);

// The account is a file's path or, for a run on a server, the address of a database on it in
// its text form (ServerAddress::toText).
bool onServer(const QString &account);
// Opens the account on the connection named connectionName.
bool open(const QString &account, const QString &connectionName, QString *why);

// Writes the account (a new file at the path, or into the empty database at the address);
// false with *why when it could not.
bool create(const QString &account, QString *why);

// The member's ID in the account on db.
qint64 memberId(const QSqlDatabase &db);

// Every broken rule of the account on db: the engine's integrity check, copies rented or sold
// twice at once, deposits and refunds booked against the lines, allowances, sold copies.
// With a journal of committed operations (see faultchild), also every one of them missing.
QStringList violations(const QSqlDatabase &db, const QString &journalPath = QString());

// Rows of a table on db.
qint64 count(const QSqlDatabase &db, const QString &table, const QString &where = QString());

} // namespace FaultAccount
