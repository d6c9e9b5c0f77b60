// Sales windows that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void CreateSellMainFm() {}
QWidget *SellMainWindow() { return nullptr; }
void ShowSellMainFm() { showNotYetBuilt(QStringLiteral("销售")); }
