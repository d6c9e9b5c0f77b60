#pragma once

#include "Refusal.h"

#include <QString>

class AccountContext;

// Income/expense types: the TBKindValue rows of group 3. Built-in types (Flag 1 or more,
// and the rent, deposit and member payment rows whose IDs the program books under) are
// locked; every type saved here is a user type (Flag 0).
namespace Settings {

QString typeListSql();

// Is the type row with this ID and Flag locked against changes and deletion?
bool isBuiltInType(qint64 id, int flag);

// Writes a type (a new row when id is 0). Refused: an empty name, a built-in type.
// Returns the type's ID.
qint64 saveType(const AccountContext &account, qint64 id, const QString &name, const QString &memo);
// Deletes a user type; income and expense records booked under it stay. A built-in type
// is refused.
void deleteType(const AccountContext &account, qint64 id);

} // namespace Settings
