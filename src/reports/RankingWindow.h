#pragma once

#include "RankingReport.h"
#include "ReportFrame.h"

class QComboBox;

// The rental ranking (mode 0) and the sales ranking (mode 1) in one window: the films that
// went out most often in the range, overall or by category as ComBcate says.
class TQPHFm : public TQChildFm
{
    Q_OBJECT
public:
    explicit TQPHFm(AccountContext &account, QWidget *parent = nullptr);

    // Set by the opener before every showing; takes effect with the next build.
    void setMode(int mode);
    int mode() const { return int(m_mode); }

    void BuildReport() override;

    QComboBox *ComBcate = nullptr;

private:
    RankingReport::Mode m_mode = RankingReport::Mode::Rentals;
};
