// Settings windows that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void CreateSetupFm() {}
QWidget *SetupWindow() { return nullptr; }
void ShowSetupPage(int) { showNotYetBuilt(QStringLiteral("设置")); }
