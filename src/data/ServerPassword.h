#pragma once

#include "ServerAddress.h"

#include <QString>

#include <functional>
#include <optional>

// The password of a server account asked for when the server wants one that the client
// library's password file or service file does not give. It is kept in this run's memory
// only, per address, so that the connections the program opens later to the same account
// (another window's reader, a move, the next account switch) do not ask again; it is never
// written to the program's settings or to a file.
namespace ServerPassword {

// Asks the operator for the password of address. refused is empty on the first ask, and the
// server's reason when the password just given did not get the connection. Nothing when the
// operator declines.
using Prompt =
    std::function<std::optional<QString>(const ServerAddress &address, const QString &refused)>;

// The user interface installs its prompt; without one (tools, tests) nobody is asked and a
// server wanting a password refuses the connection with its own reason.
void setPrompt(Prompt prompt);
const Prompt &prompt();

// The password given for address in this run, if any.
std::optional<QString> remembered(const ServerAddress &address);
void remember(const ServerAddress &address, const QString &password);
void forget(const ServerAddress &address);
void forgetAll();

// Why a connection to address with password (empty: none) failed, as far as the password is
// concerned. Asked of the client library directly after a failed connection, because the
// failure's text is in the client's or the server's language and carries no SQLSTATE.
enum class Demand {
    Connected,     // it connects after all
    Missing,       // the server wants a password and none was given
    NotAccepted,   // a password was given and the connection failed after sending it (a
                   // wrong password, or the server refused for another reason after it)
    Other,         // the server was not reached, or refused without asking for one
};
Demand demandOf(const ServerAddress &address, const QString &password);

} // namespace ServerPassword
