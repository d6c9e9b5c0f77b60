// The openers of the rental, overdue, member and ranking reports: each window is created on
// first use, stays for the program's life, and is shown and rebuilt on every call.
#include "MemberReportWindow.h"
#include "OverdueReportWindow.h"
#include "RankingWindow.h"
#include "RentalReportWindow.h"

#include "shell/Openers.h"

#include <QPointer>

namespace {

QPointer<TResQPFm> g_rentalReport;
QPointer<TDeferFm> g_overdueReport;
QPointer<TAssociatorRepFm> g_memberReport;
QPointer<TQPHFm> g_ranking;

template <class Window> Window *once(QPointer<Window> &window)
{
    if (!window)
        window = new Window;
    return window;
}

} // namespace

void ShowRentalReport()
{
    showReportWindow(once(g_rentalReport));
}

void ShowOverdueReport()
{
    showReportWindow(once(g_overdueReport));
}

void ShowMemberReport()
{
    showReportWindow(once(g_memberReport));
}

void ShowQPHFm(int mode)
{
    once(g_ranking)->setMode(mode);
    showReportWindow(g_ranking);
}
