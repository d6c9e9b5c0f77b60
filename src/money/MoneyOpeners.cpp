// The income and expense subsystem's openers: the list lives in the work area, the entry
// dialog is created for one use.
#include "InOutMoneyListWindow.h"
#include "InOutMoneyWindow.h"
#include "MoneyDialogs.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QPointer>

namespace {
QPointer<TInOutMoneyListFm> g_moneyList;
}

void CreateInOutMoneyList(AccountContext &account)
{
    if (g_moneyList)
        return;
    g_moneyList = new TInOutMoneyListFm(account);
    if (WorkArea *area = mainWorkArea())
        area->place(g_moneyList);
}

QWidget *InOutMoneyListWindow()
{
    return g_moneyList;
}

void ShowInOutMoneyList(AccountContext &account)
{
    CreateInOutMoneyList(account);
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_moneyList);
    else
        g_moneyList->show();
    g_moneyList->raise();
}

void ShowInOutMoneyDialog(AccountContext &account, qint64 mode, QWidget *parent)
{
    {
        TInOutMoneyFm dialog(account, mode, parent);
        dialog.exec();
    }
    if (g_moneyList)
        g_moneyList->RefreshList();
}
