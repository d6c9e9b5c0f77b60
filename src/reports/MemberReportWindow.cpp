#include "MemberReportWindow.h"

#include "MemberReport.h"

TAssociatorRepFm::TAssociatorRepFm(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TAssociatorRepFm"));
    setReportTitle(MemberReport::title());
}

void TAssociatorRepFm::BuildReport()
{
    if (!orderDateRange())
        return;
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return MemberReport::rows(from, to); }))
        return;
    QuickRep1 = MemberReport::definition(heading());
    setCsvColumns(ReportCsv::memberColumns());
    TQChildFm::BuildReport();
}
