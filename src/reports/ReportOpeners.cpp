// The openers of the rental, overdue, member and ranking reports: each window is created on
// first use, stays for the program's life, and is shown and rebuilt on every call.
#include "MemberReportWindow.h"
#include "OverdueReportWindow.h"
#include "RankingWindow.h"
#include "RentalReportWindow.h"

#include "shell/Openers.h"

#include <QPointer>

namespace {

// Each window with the account it was built for.
template <class Window> struct Kept
{
    QPointer<Window> window;
    const AccountContext *account = nullptr;
};

Kept<TResQPFm> g_rentalReport;
Kept<TDeferFm> g_overdueReport;
Kept<TAssociatorRepFm> g_memberReport;
Kept<TQPHFm> g_ranking;

// Opened for another account (another counter's), a window is built anew for it: it never
// keeps working on an account it was not given.
template <class Window> Window *once(Kept<Window> &kept, AccountContext &account)
{
    if (kept.window && kept.account != &account)
        delete kept.window;
    if (!kept.window) {
        kept.window = new Window(account);
        kept.account = &account;
    }
    return kept.window;
}

} // namespace

void ShowRentalReport(AccountContext &account)
{
    showReportWindow(once(g_rentalReport, account));
}

void ShowOverdueReport(AccountContext &account)
{
    showReportWindow(once(g_overdueReport, account));
}

void ShowMemberReport(AccountContext &account)
{
    showReportWindow(once(g_memberReport, account));
}

void ShowQPHFm(AccountContext &account, int mode)
{
    once(g_ranking, account)->setMode(mode);
    showReportWindow(g_ranking.window);
}
