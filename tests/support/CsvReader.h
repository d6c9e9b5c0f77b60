#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Reads CSV the way a spreadsheet does (quoted fields may hold commas, doubled quotes and
// line breaks; records end with CR LF), so tests check what a user's program would see.
namespace CsvReader {

// Records of fields from the text, without a byte order mark.
QList<QStringList> parse(const QString &text);

// The records of a file's bytes; *hadBom tells whether they began with the UTF-8 BOM.
QList<QStringList> parseFile(const QString &path, bool *hadBom = nullptr);

} // namespace CsvReader
