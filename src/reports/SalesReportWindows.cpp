#include "SalesReportWindows.h"

#include "SalesReports.h"

TSellStockRep::TSellStockRep(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TSellStockRep"));
    setReportTitle(QString::fromUtf8(SalesReports::SummaryTitle));
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
    setReportTitle(QString::fromUtf8(SalesReports::DetailTitle));
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
