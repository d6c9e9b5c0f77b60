// The sales subsystem's openers: the sales list work window and the sale window.
#include "SalesDialogs.h"
#include "SellMainWindow.h"
#include "SellWindow.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QPointer>

namespace {
QPointer<TSellMainFm> g_sellMain;
}

void CreateSellMainFm(AccountContext &account)
{
    if (g_sellMain)
        return;
    g_sellMain = new TSellMainFm(account);
    if (WorkArea *area = mainWorkArea())
        area->place(g_sellMain);
}

QWidget *SellMainWindow()
{
    return g_sellMain;
}

void ShowSellMainFm(AccountContext &account)
{
    CreateSellMainFm(account);
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_sellMain);
    else
        g_sellMain->show();
    g_sellMain->raise();
    g_sellMain->update();
}

void ShowSellFm(AccountContext &account, qint64 saleId, QWidget *parent)
{
    {
        TSellFm dialog(account, saleId, parent);
        dialog.exec();
    }
    if (g_sellMain)
        g_sellMain->RefreshList();
}
