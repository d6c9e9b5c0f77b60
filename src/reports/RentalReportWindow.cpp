#include "RentalReportWindow.h"

#include "RentalReport.h"

TResQPFm::TResQPFm(QWidget *parent) : TQChildFm(parent)
{
    setObjectName(QStringLiteral("TResQPFm"));
    setReportTitle(RentalReport::Title);
}

void TResQPFm::BuildReport()
{
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return RentalReport::rows(from, to); }))
        return;
    QuickRep1 = RentalReport::definition(heading());
    TQChildFm::BuildReport();
}
