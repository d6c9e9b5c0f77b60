#pragma once

#include <QString>

#include <stdexcept>

// The one error of the data layer: a statement the engine refused, a fault of the account
// file, or a refusal of the program's own (an amount beyond Money's range, a row gone).
// Every caller that reads or writes data catches it and shows message().
namespace Db {

// What went wrong, as far as the operator can act on it.
enum class Fault {
    Refused,  // the program's own refusal; the message says why
    Busy,     // another program held the account longer than the busy timeout
    DiskFull, // the disk holding the account (or its log) is full
    ReadOnly, // the account file, its folder or the disk cannot be written
    Damaged,  // the file is damaged or no database at all
    Lost,     // the connection to the database server broke off
    Duplicate,// a row the database keeps unique exists already (its own guard held)
    Other,    // any other failure of the engine
};

class DbError : public std::runtime_error
{
public:
    // The program's own refusal: message is shown to the operator as it stands.
    explicit DbError(const QString &message);
    // A failure of the engine: the operator gets the fault's own message, engineText (the
    // engine's words and the statement) goes under the message box's details and into lcData.
    // accountFile: the file of the account that failed, when it is one (a damaged file's
    // message names the newest backup beside it).
    DbError(Fault fault, const QString &engineText, const QString &accountFile = QString());

    Fault fault() const { return m_fault; }
    // What the operator is told (Chinese).
    QString message() const { return m_message; }
    // The engine's text; empty for the program's own refusals.
    QString details() const { return m_details; }

private:
    Fault m_fault;
    QString m_message;
    QString m_details;
};

} // namespace Db
