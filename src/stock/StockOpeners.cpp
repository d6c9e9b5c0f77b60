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

void CreateRepertoryFm()
{
    if (g_repertory)
        return;
    g_repertory = new TRepertoryFm;
    if (WorkArea *area = mainWorkArea())
        area->place(g_repertory);
}

QWidget *RepertoryWindow()
{
    return g_repertory;
}

void ShowRepertoryFm()
{
    const bool existed = g_repertory;
    CreateRepertoryFm();
    // Sales and write-offs made elsewhere change the stock: show it as it is now.
    if (existed)
        g_repertory->RefreshIfChanged();
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(g_repertory);
    else
        g_repertory->show();
    g_repertory->raise();
}

void ShowRepertoryDetailFm(QWidget *parent)
{
    TRepertoryDetailFM dialog(parent);
    dialog.exec();
}

void ShowRepertoryDetailEditFm(qint64 titleId, QWidget *parent)
{
    TRepertoryDetailEditFm dialog(titleId, parent);
    dialog.exec();
}
