#pragma once

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

// The account in use and who works in it: the connection, the shop's details and the operator's
// session. Widget-free; the one object the windows, the receipts and the stores ask instead of
// keeping copies of their own. The data module opens the connection; the login produces the
// session; an account switched or restored clears both the shop's details and the session.
class AccountContext
{
public:
    // The account of this run of the program.
    static AccountContext &current();

    QSqlDatabase db() const;

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
    ShopDetails m_shop;
    OperatorSession m_session;
};
