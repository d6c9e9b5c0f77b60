// Reports that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void ShowQStoreRep() { showNotYetBuilt(QStringLiteral("库存报表")); }
void ShowSellStockRep() { showNotYetBuilt(QStringLiteral("销售汇总表")); }
void ShowQSellDetailFm() { showNotYetBuilt(QStringLiteral("销售明细表")); }
