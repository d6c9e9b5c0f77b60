#include "MemberReportWindow.h"

#include "data/AccountContext.h"

#include "MemberReport.h"

TAssociatorRepFm::TAssociatorRepFm(AccountContext &account, QWidget *parent)
    : TQChildFm(account, parent)
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
    if (!bindRows([&] { return MemberReport::rows(from, to, m_account.db()); }))
        return;
    QuickRep1 = MemberReport::definition(heading());
    setCsvColumns(ReportCsv::memberColumns());
    TQChildFm::BuildReport();
}
