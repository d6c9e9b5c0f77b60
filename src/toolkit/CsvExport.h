#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The one place that writes CSV: every list the program exports (grids, reports, audit
// trails) goes through here, so all files read the same way in a spreadsheet.
//
// Format: fields separated by commas, records ended by CR LF, a field quoted when it holds a
// comma, a quote, a line break or leading/trailing blanks (quotes inside doubled); UTF-8 with
// a byte order mark so spreadsheets recognise the Chinese texts.
//
// A field that starts like a spreadsheet formula (=, +, -, @, tab, CR) and is not a plain
// number gets a leading apostrophe, so text typed by a user (a member's name, a note) is never
// run as a formula when the file is opened. Numbers such as "-12.50" stay as they are.
namespace Csv {

// The whole file's bytes: BOM, the header line (left out when the header is empty), the rows.
QByteArray toBytes(const QStringList &header, const QList<QStringList> &rows);

// Writes the file in one go (a failed write leaves an existing file untouched). On failure
// returns false and, when error is given, sets it to a message for the user.
bool write(const QString &path, const QStringList &header, const QList<QStringList> &rows,
           QString *error);

} // namespace Csv
