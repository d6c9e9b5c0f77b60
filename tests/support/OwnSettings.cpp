// Linked into every test program (as an object file, so it is never left out): the program's
// stored settings (RunData, Note_Flag) go to a folder of this test program's own for the run.
// Test programs that CTest runs side by side then never see each other's values, and no test
// touches the settings of the person running it.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void useOwnSettingsFolder()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useOwnSettingsFolder)
