#include "SalesReportWindows.h"

#include "SalesReports.h"

TSellStockRep::TSellStockRep(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TSellStockRep"));
    setReportTitle(SalesReports::summaryTitle());
}

void TSellStockRep::BuildReport()
{
    if (!orderDateRange())
        return;
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return SalesReports::summaryRows(from, to); }))
        return;
    QuickRep1 = SalesReports::summaryDefinition(heading());
    setCsvColumns(ReportCsv::salesSummaryColumns());
    TQChildFm::BuildReport();
}

TQSellDetailFm::TQSellDetailFm(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TQSellDetailFm"));
    setReportTitle(SalesReports::detailTitle());
}

void TQSellDetailFm::BuildReport()
{
    if (!orderDateRange())
        return;
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return SalesReports::detailRows(from, to); }))
        return;
    QuickRep1 = SalesReports::detailDefinition(heading());
    setCsvColumns(ReportCsv::salesDetailColumns());
    TQChildFm::BuildReport();
}
