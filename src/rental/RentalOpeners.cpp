// The rental desk's openers: the rental list lives in the work area, the rental window is a
// dialog created for one use.
#include "LeaseList.h"
#include "LeaseListWindow.h"
#include "LeaseWindow.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QApplication>
#include <QPointer>

namespace {

QPointer<TLeaseMainFM> g_leaseList;

} // namespace

void CreateLeaseList(AccountContext &account)
{
    if (g_leaseList)
        return;
    g_leaseList = new TLeaseMainFM(account);
    if (WorkArea *area = mainWorkArea())
        area->place(g_leaseList);
}

QWidget *LeaseListWindow()
{
    return g_leaseList;
}

void ShowLeaseList(AccountContext &account)
{
    const bool created = !g_leaseList;
    CreateLeaseList(account);
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_leaseList);
    else
        g_leaseList->show();
    // A window already on screen gets no show event: it checks for changes here.
    if (!created)
        g_leaseList->RefreshIfChanged();
    g_leaseList->update();
}

void RefreshLeaseList()
{
    if (g_leaseList)
        g_leaseList->requery();
}

void ShowLeaseWindow(AccountContext &account, int mode)
{
    TLeaseFm window(account, QApplication::activeWindow());
    window.prepare(mode);
    window.exec();
}
