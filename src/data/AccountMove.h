#pragma once

#include "ServerAddress.h"

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>

#include <functional>

// Moves an account between the two engines: an account file into an empty database on a
// server, a server account into a new account file. Every table of the schema is copied with
// every column and the IDs as they are, in one transaction on the target; the row counts and
// the sums of every money column are then read on both sides and the move is undone on any
// difference. The source is read in one snapshot, so a counter writing meanwhile changes
// neither what is copied nor what it is checked against.
namespace AccountMove {

// A table's figures: its rows and the sum of each money column (cents), by column name.
struct TableFigures
{
    QString table;
    qint64 rows = 0;
    QList<QPair<QString, qint64>> sums;

    friend bool operator==(const TableFigures &, const TableFigures &) = default;
};

struct Result
{
    bool ok = false;
    QString why;                // the reason of a refusal or a failure, for the operator
    QList<TableFigures> tables; // the figures checked on both sides (when ok)
};

// Called as rows are copied: the table, its rows copied so far and its rows in all.
using Progress = std::function<void(const QString &table, qint64 done, qint64 total)>;

// The figures of every table of the account on db.
QList<TableFigures> figures(const QSqlDatabase &db);

// Copies the account open on from into the database at to, which must hold no table: the
// schema is written there, then every row. A database that holds anything is refused before
// anything is written; a failed or unequal copy leaves the database empty again. The server's
// keys continue after the largest ID copied.
Result toServer(const QSqlDatabase &from, const ServerAddress &to, const Progress &progress = {});

// Copies the account open on from into a new account file at path, written under a temporary
// name in the same folder and renamed into place only when complete and checked. An existing
// file at path is replaced only when replace is true (a backup the operator confirmed);
// otherwise it is refused. A failed move leaves no file behind and an existing one as it was.
Result toFile(const QSqlDatabase &from, const QString &path, bool replace,
              const Progress &progress = {});

// The figures as lines for the operator: "TBName: 1200 rows, Mone 345600" (money in yuan).
QStringList describe(const QList<TableFigures> &tables);

} // namespace AccountMove
