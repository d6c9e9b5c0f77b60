// The chart windows' openers: each is created on first use, placed in the work area and kept.
#include "CompareChartWindow.h"
#include "LeaseChartWindow.h"
#include "StoreChartWindow.h"

#include "shell/Openers.h"
#include "shell/WorkArea.h"

#include <QPointer>

namespace {

QPointer<TLeaseCharFm> g_leaseChart;
QPointer<TQStoreCharFm> g_storeChart;
QPointer<TCompareChFm> g_compareChart;

template <typename T> T *showPlaced(QPointer<T> &window)
{
    if (!window) {
        window = new T;
        if (WorkArea *area = mainWorkArea())
            area->place(window);
    }
    if (WorkArea *area = mainWorkArea())
        area->bringToFront(window);
    else
        window->show();
    window->raise();
    return window;
}

} // namespace

void ShowLeaseChart()
{
    showPlaced(g_leaseChart)->Draw();
}

void ShowStoreChart()
{
    showPlaced(g_storeChart)->Draw();
}

void ShowCompareChart()
{
    // Drawn when it turns visible; a later call only brings it to the front.
    showPlaced(g_compareChart);
}
