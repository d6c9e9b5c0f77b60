// The chart windows' openers: each is created on first use, placed in the work area and kept.
#include "CompareChartWindow.h"
#include "LeaseChartWindow.h"
#include "StoreChartWindow.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QPointer>

namespace {

// Each window with the account it was built for.
template <typename T> struct Placed
{
    QPointer<T> window;
    const AccountContext *account = nullptr;
};

Placed<TLeaseCharFm> g_leaseChart;
Placed<TQStoreCharFm> g_storeChart;
Placed<TCompareChFm> g_compareChart;

template <typename T> T *showPlaced(Placed<T> &placed, AccountContext &account)
{
    QPointer<T> &window = placed.window;
    // Opened for another account (another counter's), the window is built anew for it: it
    // never keeps working on an account it was not given.
    if (window && placed.account != &account)
        delete window;
    if (!window) {
        window = new T(account);
        placed.account = &account;
        if (WorkArea *area = mainWorkArea())
            area->place(window);
    }
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(window);
    else
        window->show();
    window->raise();
    return window;
}

} // namespace

void ShowLeaseChart(AccountContext &account)
{
    showPlaced(g_leaseChart, account)->Draw();
}

void ShowStoreChart(AccountContext &account)
{
    showPlaced(g_storeChart, account)->Draw();
}

void ShowCompareChart(AccountContext &account)
{
    // Drawn when it turns visible; a later call only brings it to the front.
    showPlaced(g_compareChart, account);
}
