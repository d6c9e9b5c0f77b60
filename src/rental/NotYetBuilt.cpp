// Rental desk windows that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void CreateLeaseList() {}
QWidget *LeaseListWindow() { return nullptr; }
void ShowLeaseList() {}
void ShowLeaseWindow(int mode)
{
    showNotYetBuilt(mode == 0 ? QStringLiteral("出租") : QStringLiteral("归还"));
}
