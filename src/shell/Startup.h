#pragma once

#include <QLockFile>
#include <QString>

class QApplication;

namespace Startup {

// One copy of the program per machine: a lock file named LumoManage.lock in the machine's
// temporary folder (/tmp, whatever TMPDIR a copy was started with), held while the program
// runs and taken over when the copy that held it is gone.
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
// Puts the lock into another folder (tests, so that they never meet a running program);
// an empty folder returns to the machine's own.
void setLockFolder(const QString &folder);

// The whole run: guard, splash, data module, login, main window and work windows, the
// message loop. Returns the process's exit code, 0 on every path.
int run(QApplication &app);

} // namespace Startup
