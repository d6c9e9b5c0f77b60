// Charts that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void ShowLeaseChart() { showNotYetBuilt(QStringLiteral("租赁分析")); }
void ShowStoreChart() { showNotYetBuilt(QStringLiteral("库存分析")); }
void ShowCompareChart() { showNotYetBuilt(QStringLiteral("月平均收支")); }
