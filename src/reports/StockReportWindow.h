#pragma once

#include "ReportFrame.h"

#include <optional>

class QComboBox;

// "库 存 报 表" in the work area: the copies in stock by category, for all suppliers or for
// the one chosen in "供应商". The report has no date range: the pickers and the page count
// are hidden.
class TQStoreRep : public TQChildFm
{
    Q_OBJECT
public:
    explicit TQStoreRep(AccountContext &account, QWidget *parent = nullptr);

    // Reads the rows of the supplier chosen (all for "所有供应商"), lays out the bands and
    // shows the pages.
    void BuildReport() override;

    // Fills the supplier list again, keeping the supplier chosen while it still exists, so
    // suppliers added since the last opening can be chosen.
    void fillSuppliers();
    // The supplier chosen; none for "所有供应商".
    std::optional<qint64> chosenSupplier() const;

    QComboBox *ComProvice = nullptr;
};
