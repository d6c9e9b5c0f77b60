#pragma once

#include "ChartData.h"

#include <QWidget>

class AccountContext;
class QBarSet;
class QCategoryAxis;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QValueAxis;

// "月平均收支": the money spent on titles per month (upper chart) against the rent and the
// deposits of the returns per month (lower chart, stacked). The charts always cover every
// month in the account; the two dates of the header do not enter the figures.
class TCompareChFm : public QWidget
{
    Q_OBJECT
public:
    explicit TCompareChFm(AccountContext &account, QWidget *parent = nullptr);

    // Reads both queries again and draws the bars; axes moved with ← and → keep their bounds.
    void Draw();
    void BtnLeftClick();
    void BtnRightClick();

    QDateEdit *DateTimePicker1 = nullptr;
    QDateEdit *DateTimePicker2 = nullptr;
    QPushButton *FlatButton4 = nullptr; // 刷新
    QLabel *LabelType = nullptr;        // 类型, hidden
    QComboBox *ComBType = nullptr;      // 金额 / 数量, hidden
    QChartView *Chart1 = nullptr;       // 月支出走势图
    QChartView *Chart2 = nullptr;       // 月收入走势图
    QBarSet *Series1 = nullptr;         // spending
    QBarSet *BarSeries1 = nullptr;      // 租金收入
    QBarSet *Series2 = nullptr;         // 押金
    QPushButton *BtnLeft = nullptr;
    QPushButton *BtnRight = nullptr;
    QCategoryAxis *Chart1Months = nullptr;
    QCategoryAxis *Chart2Months = nullptr;

    // Whether the months' bounds were set by ← or → and so stay as they are.
    bool boundsFixed() const { return m_boundsFixed; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void shiftMonths(int percent);
    void fitMonths(QCategoryAxis *axis, int months);

    QWidget *m_strip = nullptr;
    QValueAxis *m_chart1Values = nullptr;
    QValueAxis *m_chart2Values = nullptr;
    bool m_boundsFixed = false;
    // As drawn, for 导出 CSV.
    QList<Charts::MonthSpending> m_spent;
    QList<Charts::MonthTakings> m_taken;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
