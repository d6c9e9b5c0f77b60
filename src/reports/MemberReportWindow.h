#pragma once

#include "ReportFrame.h"

// "会员租赁报表" in the work area: the rentals of the range in the pickers, by customer.
class TAssociatorRepFm : public TQChildFm
{
    Q_OBJECT
public:
    explicit TAssociatorRepFm(AccountContext &account, QWidget *parent = nullptr);

    void BuildReport() override;
};
