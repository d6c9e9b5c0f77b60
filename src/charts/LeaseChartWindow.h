#pragma once

#include "ChartData.h"

#include <QWidget>

class AccountContext;
class QChartView;
class QComboBox;
class QDateEdit;
class QPieSeries;
class QPushButton;

// "租赁分析": a pie of the discs that went out between two dates, per title or per category.
class TLeaseCharFm : public QWidget
{
    Q_OBJECT
public:
    explicit TLeaseCharFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads the period's figures and draws them; without any, hides the chart and says so.
    void Draw();

    QDateEdit *DTPBegin = nullptr;
    QDateEdit *DTPend = nullptr;
    QComboBox *ComBCate = nullptr;      // 按影片名称 / 按影片类型
    QPushButton *FlatButton4 = nullptr; // 刷新
    QChartView *Chart1 = nullptr;
    QPieSeries *Series1 = nullptr;

private:
    // As drawn, for 导出 CSV.
    QList<Charts::Slice> m_slices;
    bool m_byCategory = false;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
