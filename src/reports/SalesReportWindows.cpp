#include "SalesReportWindows.h"

#include "data/AccountContext.h"

#include "SalesReports.h"

TSellStockRep::TSellStockRep(AccountContext &account, QWidget *parent) : TQChildFm(account, parent)
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
    if (!bindRows([&] { return SalesReports::summaryRows(m_account.db(), from, to); }))
        return;
    QuickRep1 = SalesReports::summaryDefinition(heading());
    setCsvColumns(ReportCsv::salesSummaryColumns());
    TQChildFm::BuildReport();
}

TQSellDetailFm::TQSellDetailFm(AccountContext &account, QWidget *parent)
    : TQChildFm(account, parent)
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
    if (!bindRows([&] { return SalesReports::detailRows(m_account.db(), from, to); }))
        return;
    QuickRep1 = SalesReports::detailDefinition(heading());
    setCsvColumns(ReportCsv::salesDetailColumns());
    TQChildFm::BuildReport();
}
