#pragma once

#include <QString>

class AccountContext;
#include <QStringList>

// Account files: one database file per account in the data folder, new ones copied from the
// template, and switching an account context's connection from one to another while the program
// runs.
namespace AccountFiles {

// The empty account every new one is copied from; never opened, never listed.
inline const QString TemplateName = QStringLiteral("LumoModal.MDB");
inline const QString Extension = QStringLiteral(".MDB");

enum class NameCheck {
    Ok,
    Empty,      // nothing typed
    NotAllowed, // not usable as a file name in the data folder ("/", "..\x", control chars)
    NoTemplate, // the template is missing from the data folder
    Exists,     // an account of that name exists (letter case ignored, as the list does)
};

// Whether an account named name may be created in folder. The name is taken as typed.
NameCheck checkAccountName(const QString &folder, const QString &name);

// folder + name + ".MDB".
QString accountPath(const QString &folder, const QString &name);

// Copies the template to the new account's file. Never replaces an existing file and never
// leaves a partial one behind; the new file is writable by its owner even when the template
// is not. False with *why when the copy failed.
bool createAccountFile(const QString &folder, const QString &name, QString *why);

// File names (with extension, without folder) of the account files in folder: "*.MDB" in any
// letter case, hidden ones included, the template left out; sorted by name, letter case
// ignored.
QStringList listAccounts(const QString &folder);

enum class SwitchResult {
    Switched, // the connection is open on the new file, the context names it
    Restored, // the new file could not be opened; the connection is open on the previous again
    Lost,     // neither opened: the connection is closed
};

// Closes the connection of account and opens it on path (a file's path, or a server account's
// address, see openAccount); a file that is missing, not SQLite or not an account
// of this program is refused without being changed or created, and the connection returns to
// the file it had. Callers drop their own queries on the connection first. *why holds the
// reason of a failure.
SwitchResult switchAccount(AccountContext &account, const QString &path, QString *why);

} // namespace AccountFiles
