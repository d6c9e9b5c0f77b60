#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Codes and member numbers are found whatever their letter case, as the shop's old database
// engine found them, and a code typed exactly as stored wins over one that differs in case.
namespace CodeMatch {

// Runs sql, whose "%1" stands right after the comparison of the typed code, first as an exact
// comparison (the plain index) and, when that finds nothing, with COLLATE NOCASE (the NOCASE
// index). Returns the query positioned on its first row, or not on a row when neither found one.
QSqlQuery first(const QSqlDatabase &db, const QString &sql, const QVariantList &params);

} // namespace CodeMatch
