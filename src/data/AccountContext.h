#pragma once

#include "Db.h"
#include "OperatorSession.h"
#include "ShopOptions.h"

#include <QSqlDatabase>
#include <QString>

// The shop's name, address and telephone: the first TBSetup row, printed on receipts and slips
// and shown in the main window's caption.
struct ShopDetails
{
    QString company;
    QString address;
    QString telephone;

    bool operator==(const ShopDetails &) const = default;

    // Empty texts when the account has no row. Throws Db::DbError.
    static ShopDetails read(const QSqlDatabase &db);
};

// The account in use and who works in it: the connection, the account's name, the shop's
// details and the operator's session. Widget-free; the one object the windows, the receipts and
// the stores are given instead of keeping copies of their own or reaching for globals. The data
// module opens the connection; the login produces the session; an account switched or restored
// clears both the shop's details and the session.
class AccountContext
{
public:
    // The context of the account on the connection named connectionName (the program's own is
    // MainConn; another counter in the same process, a tool or a test has its own).
    explicit AccountContext(const QString &connectionName = QLatin1String(Db::MainConnName));
    AccountContext(const AccountContext &) = delete;
    AccountContext &operator=(const AccountContext &) = delete;

    QString connectionName() const { return m_connectionName; }
    QSqlDatabase db() const;

    // The account open on the connection: the file's full path, or for an account on a server
    // the server's address in its text form (serverAccountOf tells them apart). Empty before
    // one is open.
    const QString &account() const { return m_account; }
    void setAccount(const QString &account) { m_account = account; }

    // The options of the account, read through their one reader each time (another counter or
    // the settings page may have changed them). Throws Db::DbError.
    ShopOptions options() const { return ShopOptions::read(db()); }

    const ShopDetails &shop() const { return m_shop; }
    void setShop(const ShopDetails &shop) { m_shop = shop; }
    // Reads the shop's details from the account. Throws Db::DbError; they stay as they were.
    void readShop();

    const OperatorSession &session() const { return m_session; }
    // TBPersons.ID of the operator logged in; 0 before the login.
    int operatorId() const { return m_session.userId; }
    // The login: the operator's session as the account grants it. Throws Db::DbError; the
    // operator is then logged in with nothing granted (OperatorSession::lockedDown).
    void signIn(int userId);
    // The session read again for the same operator (the permissions may have changed); the
    // same refusal as signIn when the account cannot be read.
    void refreshSession() { signIn(operatorId()); }
    // The operator without reading what he may do: nothing granted until refreshSession().
    void setOperator(int userId) { m_session = OperatorSession::lockedDown(userId); }
    // Nobody at the counter: another account was opened, whose staff logs in anew.
    void signOut() { m_session = OperatorSession(); }
    // Another file (or a restored one) is open: nothing of the previous one carries over.
    void forget();

private:
    QString m_connectionName;
    QString m_account;
    ShopDetails m_shop;
    OperatorSession m_session;
};
