#pragma once

#include "ReportFrame.h"

class QLineEdit;

// "租赁过期报表" in the work area: discs out for more than the days typed into Edit1.
class TDeferFm : public TQChildFm
{
    Q_OBJECT
public:
    explicit TDeferFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads Edit1; a text that is not a whole number of days is refused and the pages
    // already shown stay.
    void BuildReport() override;

    QLineEdit *Edit1 = nullptr;
};
