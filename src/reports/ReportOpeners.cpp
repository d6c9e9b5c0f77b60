// The openers of the rental, overdue, member and ranking reports: each window is created on
// first use, stays for the program's life, and is shown and rebuilt on every call.
#include "RentalReportWindow.h"

#include "shell/Openers.h"

#include <QPointer>

namespace {

QPointer<TResQPFm> g_rentalReport;

} // namespace

void ShowRentalReport()
{
    if (!g_rentalReport)
        g_rentalReport = new TResQPFm;
    showReportWindow(g_rentalReport);
}
