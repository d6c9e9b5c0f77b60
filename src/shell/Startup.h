#pragma once

#include <QLockFile>
#include <QString>

class QApplication;

namespace Startup {

// One copy of the program per machine: a lock file named LumoManage.lock in the temporary
// folder, held while the program runs and gone with the process.
class SingleCopyGuard
{
public:
    SingleCopyGuard();
    // False when another running copy holds the lock.
    bool acquire();

private:
    QLockFile m_lock;
};

QString lockFilePath();

// The whole run: guard, splash, data module, login, main window and work windows, the
// message loop. Returns the process's exit code, 0 on every path.
int run(QApplication &app);

} // namespace Startup
