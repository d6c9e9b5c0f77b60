// The stock subsystem's openers: the stock list work window and its two dialogs.
#include "RepertoryWindow.h"
#include "StockDialogs.h"
#include "TitleEditWindow.h"
#include "TitleEntryWindow.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QPointer>

namespace {
QPointer<TRepertoryFm> g_repertory;
}

void CreateRepertoryFm(AccountContext &account)
{
    if (g_repertory)
        return;
    g_repertory = new TRepertoryFm(account);
    if (WorkArea *area = mainWorkArea())
        area->place(g_repertory);
}

QWidget *RepertoryWindow()
{
    return g_repertory;
}

void ShowRepertoryFm(AccountContext &account)
{
    const bool existed = g_repertory;
    CreateRepertoryFm(account);
    // Sales and write-offs made elsewhere change the stock: show it as it is now.
    if (existed)
        g_repertory->RefreshIfChanged();
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_repertory);
    else
        g_repertory->show();
    g_repertory->raise();
}

void ShowRepertoryDetailFm(AccountContext &account, QWidget *parent)
{
    TRepertoryDetailFM dialog(account, parent);
    dialog.exec();
}

void ShowRepertoryDetailEditFm(AccountContext &account, qint64 titleId, QWidget *parent)
{
    TRepertoryDetailEditFm dialog(account, titleId, parent);
    dialog.exec();
}
