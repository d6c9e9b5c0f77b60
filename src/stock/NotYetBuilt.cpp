// Stock windows that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void CreateRepertoryFm() {}
QWidget *RepertoryWindow() { return nullptr; }
void ShowRepertoryFm() { showNotYetBuilt(QStringLiteral("库存")); }
