#pragma once

#include <QString>
#include <QWidget>

class AccountContext;

// One page of the settings window. The window shows a page's header above it and tells it when
// it comes into view (it reads its data afresh) and when another page takes its place (its lists
// let their rows go).
class SetupPage : public QWidget
{
    Q_OBJECT
public:
    // account: the account the page edits, given by the settings window.
    explicit SetupPage(AccountContext &account, QWidget *parent = nullptr)
        : QWidget(parent), m_account(account)
    {
    }

    // The line the window shows above the page; empty keeps the one shown before.
    virtual QString header() const = 0;
    // The page comes into view: it reads what it shows.
    virtual void enter() = 0;
    // Another page takes this one's place: every list of the page lets its rows go, quietly.
    virtual void leave();

protected:
    AccountContext &m_account;
};
