// The openers of the stock report and the two sales reports: each window is created on first
// use, stays for the program's life, and is shown and rebuilt on every call.
#include "SalesReportWindows.h"
#include "StockReportWindow.h"

#include "shell/Openers.h"

#include <QPointer>

namespace {

QPointer<TQStoreRep> g_stockReport;
QPointer<TSellStockRep> g_salesSummary;
QPointer<TQSellDetailFm> g_salesDetail;

} // namespace

void ShowQStoreRep()
{
    if (!g_stockReport)
        g_stockReport = new TQStoreRep;
    else
        g_stockReport->fillSuppliers();
    showReportWindow(g_stockReport);
}

void ShowSellStockRep()
{
    if (!g_salesSummary)
        g_salesSummary = new TSellStockRep;
    showReportWindow(g_salesSummary);
}

void ShowQSellDetailFm()
{
    if (!g_salesDetail)
        g_salesDetail = new TQSellDetailFm;
    showReportWindow(g_salesDetail);
}
