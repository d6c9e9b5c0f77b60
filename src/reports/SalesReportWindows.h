#pragma once

#include "ReportFrame.h"

// "销售汇总报表" in the work area: quantity and takings per film in the range, by category.
class TSellStockRep : public TQChildFm
{
    Q_OBJECT
public:
    explicit TSellStockRep(AccountContext &account, QWidget *parent = nullptr);

    void BuildReport() override;
};

// "销售明细报表" in the work area: every sale line in the range, by sale date.
class TQSellDetailFm : public TQChildFm
{
    Q_OBJECT
public:
    explicit TQSellDetailFm(AccountContext &account, QWidget *parent = nullptr);

    void BuildReport() override;
};
