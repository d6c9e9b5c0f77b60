// The openers of the stock report and the two sales reports: each window is created on first
// use, stays for the program's life, and is shown and rebuilt on every call.
#include "SalesReportWindows.h"
#include "StockReportWindow.h"

#include "shell/Openers.h"

#include <QPointer>

namespace {

// Each window with the account it was built for.
template <class Window> struct Kept
{
    QPointer<Window> window;
    const AccountContext *account = nullptr;
};

Kept<TQStoreRep> g_stockReport;
Kept<TSellStockRep> g_salesSummary;
Kept<TQSellDetailFm> g_salesDetail;

// The window for account, and whether it was built just now. Opened for another account
// (another counter's), a window is built anew for it: it never keeps working on an account it
// was not given.
template <class Window> Window *once(Kept<Window> &kept, AccountContext &account, bool *built)
{
    if (kept.window && kept.account != &account)
        delete kept.window;
    *built = !kept.window;
    if (*built) {
        kept.window = new Window(account);
        kept.account = &account;
    }
    return kept.window;
}

} // namespace

void ShowQStoreRep(AccountContext &account)
{
    bool built = false;
    TQStoreRep *window = once(g_stockReport, account, &built);
    if (!built)
        window->fillSuppliers();
    showReportWindow(window);
}

void ShowSellStockRep(AccountContext &account)
{
    bool built = false;
    showReportWindow(once(g_salesSummary, account, &built));
}

void ShowQSellDetailFm(AccountContext &account)
{
    bool built = false;
    showReportWindow(once(g_salesDetail, account, &built));
}
