#include "WaitCursor.h"

#include "data/Db.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace WaitCursor {
namespace {

// Runs inside the engine's wait, where no statement may be started: only the cursor changes.
// The zero timer fires once the event loop runs again, i.e. after the waiting call returned.
void waitStarted()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(0, qApp, [] { QGuiApplication::restoreOverrideCursor(); });
}

} // namespace

void showDuringDataWaits()
{
    Db::setWaitNotifier(&waitStarted);
}

} // namespace WaitCursor
