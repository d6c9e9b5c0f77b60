#pragma once

#include "Refusal.h"

#include <QString>

class AccountContext;

// Suppliers (TbProvide), offered for a title's supplier by the stock windows.
namespace Settings {

struct SupplierEntry
{
    QString company;
    QString address;
    QString telephone;
    QString memo;
};

QString supplierListSql();

// Inserts one supplier when id is 0, otherwise updates the supplier with that id.
// Refused: an empty company name. Returns the supplier's ID.
qint64 saveSupplier(const AccountContext &account, qint64 id, const SupplierEntry &entry);
// Deletes the supplier; titles that name it keep its ID.
void deleteSupplier(const AccountContext &account, qint64 id);

} // namespace Settings
