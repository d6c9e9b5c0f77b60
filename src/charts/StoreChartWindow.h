#pragma once

#include "ChartData.h"

#include <QWidget>

class AccountContext;
class QChartView;
class QDateEdit;
class QPieSeries;
class QPushButton;

// "库存分析": a pie of the copies in stock per film category. The chart always shows the
// stock as it is now; the two dates of its header do not enter the figures.
class TQStoreCharFm : public QWidget
{
    Q_OBJECT
public:
    explicit TQStoreCharFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the stock and draws it; without any, hides the chart and says so.
    void Draw();

    QDateEdit *dxDateEdit2 = nullptr;   // 从
    QDateEdit *dxDateEdit1 = nullptr;   // 到
    QPushButton *FlatButton4 = nullptr; // 刷新
    QChartView *Chart1 = nullptr;
    QPieSeries *Series1 = nullptr;

private:
    QList<Charts::Slice> m_slices; // as drawn, for 导出 CSV

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
