#pragma once

#include <QString>

namespace Db {
enum class Fault;
}

// What the operator is told when the account cannot be read or written.
namespace FaultText {

// The message for a fault of the engine. Each names what happened and what to do; the damaged
// account's message names the way back, the newest backup beside accountFile (the damaged
// file; in the data folder when it is not known).
QString message(Db::Fault fault, const QString &accountFile = QString());

// The newest backup copy (*.MDB by modification time) in folder, leaving out the account in
// use (current) and the template; empty when there is none.
QString latestBackup(const QString &folder, const QString &current);

} // namespace FaultText
