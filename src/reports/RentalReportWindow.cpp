#include "RentalReportWindow.h"

#include "data/AccountContext.h"

#include "RentalReport.h"

TResQPFm::TResQPFm(AccountContext &account, QWidget *parent) : TQChildFm(account, parent)
{
    setObjectName(QStringLiteral("TResQPFm"));
    setReportTitle(RentalReport::title());
}

void TResQPFm::BuildReport()
{
    if (!orderDateRange())
        return;
    const QDate from = fromDate();
    const QDate to = toDate();
    // Read a few days at a time: a year's report shows its first page at once and pages on
    // while the rest is read.
    const bool opened = bindRowSource([&] {
        auto stream = std::make_shared<RentalReport::RowStream>(from, to, m_account.db());
        return RowSource{stream->columns(), [stream](ReportData &into, int minRows) {
                             return stream->readMore(into, minRows);
                         }};
    });
    if (!opened)
        return;
    QuickRep1 = RentalReport::definition(heading());
    setCsvColumns(ReportCsv::rentalColumns());
    TQChildFm::BuildReport();
}
