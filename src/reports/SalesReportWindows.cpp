#include "SalesReportWindows.h"

#include "SalesReports.h"

TSellStockRep::TSellStockRep(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TSellStockRep"));
    setReportTitle(QString::fromUtf8(SalesReports::SummaryTitle));
}

void TSellStockRep::BuildReport()
{
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return SalesReports::summaryRows(from, to); }))
        return;
    QuickRep1 = SalesReports::summaryDefinition(heading());
    TQChildFm::BuildReport();
}

TQSellDetailFm::TQSellDetailFm(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TQSellDetailFm"));
    setReportTitle(QString::fromUtf8(SalesReports::DetailTitle));
}

void TQSellDetailFm::BuildReport()
{
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return SalesReports::detailRows(from, to); }))
        return;
    QuickRep1 = SalesReports::detailDefinition(heading());
    TQChildFm::BuildReport();
}
