#pragma once

#include "ReportFrame.h"

// "租 赁 报 表" in the work area: the rentals of the range in the pickers.
class TResQPFm : public TQChildFm
{
    Q_OBJECT
public:
    explicit TResQPFm(AccountContext &account, QWidget *parent = nullptr);

    void BuildReport() override;
};
