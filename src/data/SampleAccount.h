#pragma once

#include <QDate>
#include <QSqlDatabase>

// Creates account files from the schema code: the empty template and a small believable shop.
namespace SampleAccount {

// Creates a new SQLite file at path (which must not exist) holding the schema and the
// required rows. Returns false with *why when the file cannot be written.
bool createEmptyAccount(const QString &path, QString *why);

// Fills an account holding only the required rows with a small shop whose history runs up
// to `today`: fee classes, categories, suppliers, titles with copies, members, staff,
// rentals out and returned, sales, income and expenses. Deterministic for a given day.
void fillSampleShop(const QSqlDatabase &db, const QDate &today);

} // namespace SampleAccount
