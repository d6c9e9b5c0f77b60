// Reports that are not built yet.
#include "shell/NotYetBuilt.h"
#include "shell/Openers.h"

void ShowOverdueReport() { showNotYetBuilt(QStringLiteral("租赁过期报表")); }
void ShowMemberReport() { showNotYetBuilt(QStringLiteral("会员报表")); }
void ShowQStoreRep() { showNotYetBuilt(QStringLiteral("库存报表")); }
void ShowSellStockRep() { showNotYetBuilt(QStringLiteral("销售汇总表")); }
void ShowQSellDetailFm() { showNotYetBuilt(QStringLiteral("销售明细表")); }
void ShowQPHFm(int mode)
{
    showNotYetBuilt(mode == 0 ? QStringLiteral("租赁排行榜") : QStringLiteral("销售排行榜"));
}
