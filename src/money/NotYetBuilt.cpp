// Income and expense windows that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void CreateInOutMoneyList() {}
QWidget *InOutMoneyListWindow() { return nullptr; }
void ShowInOutMoneyList() { showNotYetBuilt(QStringLiteral("费用收支")); }
