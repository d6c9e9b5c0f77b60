#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Tables written for spreadsheets: comma-separated, fields quoted where they hold a comma, a
// quote or a line break (quotes doubled), lines ended by CR LF, UTF-8 with a byte order mark so
// that a spreadsheet opens Chinese text intact.
namespace Csv {

QByteArray toBytes(const QStringList &header, const QList<QStringList> &rows);

// Writes the table into path, replacing the file only when all of it was written. False with
// the reason in *error.
bool write(const QString &path, const QStringList &header, const QList<QStringList> &rows,
           QString *error);

} // namespace Csv
