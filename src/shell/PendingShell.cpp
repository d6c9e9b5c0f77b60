// Account and backup windows that are not built yet.
#include "NotYetBuilt.h"
#include "Openers.h"

void ShowNewAccount() { showNotYetBuilt(QStringLiteral("新建帐户")); }
void ShowOpenAccount() { showNotYetBuilt(QStringLiteral("打开帐户")); }
void ShowBackup() { showNotYetBuilt(QStringLiteral("保存/备份")); }
