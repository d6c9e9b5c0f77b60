#pragma once

#include "Refusal.h"

#include "data/Money.h"

#include <QString>

class AccountContext;

// Fee classes (TBVer: a disc format with its rent and deposit per disc) and film
// categories (TBCategray), the vocabulary the stock windows offer for a title.
namespace Settings {

struct FeeClassEntry
{
    QString name;
    QString fee;     // "租金/天" as typed
    QString deposit; // "押   金" as typed
};

// Writes a fee class: a new row when id is 0, otherwise the row with that id. The name and
// both amounts must be given and the amounts must read as money (0 is valid). Returns the ID.
qint64 saveFeeClass(const AccountContext &account, qint64 id, const FeeClassEntry &entry);
void deleteFeeClass(const AccountContext &account, qint64 id);

// Writes a category: a new row when id is 0. Returns the ID.
qint64 saveCategory(const AccountContext &account, qint64 id, const QString &name);
void deleteCategory(const AccountContext &account, qint64 id);

QString feeClassListSql(); // in table order, as the stock windows list them
QString categoryListSql();

} // namespace Settings
