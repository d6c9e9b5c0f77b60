#include "CompareChartWindow.h"

#include "data/AccountContext.h"

#include "ChartData.h"
#include "ChartLook.h"
#include "ChartScale.h"

#include "data/Db.h"
#include "toolkit/MessageBox.h"
#include "toolkit/WrapLayout.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Narrower than this a month's bar and its value mark run into the next month's.
constexpr int kPixelsPerMonth = 72;

qreal yuan(Money m)
{
    // Drawing needs a real number; the figures themselves stay exact in Money.
    return qreal(m.cents()) / 100.0;
}

QString monthLabel(const QString &key)
{
    return TCompareChFm::tr("%1月", "a month on the axis, %1 as yyyy-MM").arg(key);
}

void setBarLabels(QAbstractBarSeries *series)
{
    series->setBarWidth(0.5);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(12);
}

QCategoryAxis *monthAxis(QChart *chart, QAbstractSeries *series)
{
    auto *axis = new QCategoryAxis(chart);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setGridLineVisible(false);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    return axis;
}

QValueAxis *valueAxis(QChart *chart, QAbstractSeries *series)
{
    auto *axis = new QValueAxis(chart);
    axis->setLabelFormat(QStringLiteral("%.2f")); // money: yuan with two decimals
    chart->addAxis(axis, Qt::AlignLeft);
    series->attachAxis(axis);
    return axis;
}

void setMonths(QCategoryAxis *axis, const QStringList &labels)
{
    for (const QString &old : axis->categoriesLabels())
        axis->remove(old);
    axis->setStartValue(-0.5);
    for (int i = 0; i < labels.size(); ++i)
        axis->append(labels.at(i), i + 0.5);
}

void fitValues(QValueAxis *axis, qreal top)
{
    // Round steps worked out from the figures alone: the same figures give the same axis.
    const ChartScale::Axis scale = ChartScale::moneyAxis(top);
    axis->setRange(0, scale.max);
    axis->setTickCount(scale.ticks);
}

QChartView *trendView(const QString &title, QWidget *parent, const char *name)
{
    QChartView *view = ChartLook::chartView(QString(), 12, parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(title);
    // The chart centres its own title; these charts carry theirs at the left edge.
    auto *caption = new QLabel(title, view);
    caption->setObjectName(QLatin1String(name) + QStringLiteral("Title"));
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(12);
    caption->setFont(font);
    QPalette p = caption->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    caption->setPalette(p);
    caption->move(8, 6);
    caption->adjustSize();
    view->chart()->setMargins(QMargins(4, 22, 4, 0));
    return view;
}

} // namespace

TCompareChFm::TCompareChFm(AccountContext &account, QWidget *parent)
    : QWidget(parent), m_account(account)
{
    setObjectName(QStringLiteral("CompareChFm"));
    setWindowTitle(tr("月平均收支"));
    setAutoFillBackground(true);

    WrapLayout *row = nullptr;
    m_strip = ChartLook::headerStrip(this, &row);
    const auto picker = [&](const char *name, const QString &text) {
        auto *edit = new QDateEdit(QDate::currentDate(), m_strip);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        auto *label = new QLabel(text, m_strip);
        label->setBuddy(edit);
        row->addGroup({label, edit});
        return edit;
    };
    DateTimePicker1 = picker("DateTimePicker1", tr("从"));
    DateTimePicker2 = picker("DateTimePicker2", tr("到"));
    FlatButton4 = new QPushButton(tr("刷新"), m_strip);
    FlatButton4->setObjectName(QStringLiteral("FlatButton4"));
    FlatButton4->setAutoDefault(false);
    ComBType = new QComboBox(m_strip);
    ComBType->setObjectName(QStringLiteral("ComBType"));
    ComBType->addItems({tr("金额"), tr("数量")});
    LabelType = new QLabel(tr("类型"), m_strip);
    LabelType->setBuddy(ComBType);
    LabelType->hide();
    ComBType->hide();
    row->addSpacing(12);
    // Hidden, so they take no room (a box around them would).
    row->addWidget(LabelType);
    row->addWidget(ComBType);
    row->addWidget(FlatButton4);
    row->addStretch();
    // Both charts, one above the other, as they are on screen.
    // The picture and CSV buttons stay together at the right end of their line.
    QLayout *outputs = row->addGroup({})->layout();
    ChartLook::addPictureButtons(
        this, outputs,
        [this] {
            const int top = m_strip->height();
            return isVisible() ? grab(QRect(0, top, width(), height() - top)) : QPixmap();
        },
        tr("月平均收支"));
    ChartLook::addCsvButton(
        this, outputs, [this] { return ChartCsv::months(m_spent, m_taken); }, tr("月平均收支"));

    // Upper chart: spending per month.
    Chart1 = trendView(tr("月支出走势图"), this, "Chart1");
    auto *spending = new QBarSeries(Chart1);
    Series1 = new QBarSet(QString(), spending);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setColor(QColor(62, 181, 163));
    Series1->setBorderColor(QColor(0, 128, 192));
    spending->append(Series1);
    setBarLabels(spending);
    Chart1->chart()->addSeries(spending);
    Chart1->chart()->legend()->hide();
    Chart1Months = monthAxis(Chart1->chart(), spending);
    m_chart1Values = valueAxis(Chart1->chart(), spending);

    BtnLeft = new QPushButton(QStringLiteral("←"), Chart1);
    BtnLeft->setObjectName(QStringLiteral("BtnLeft"));
    BtnLeft->setToolTip(tr("左移"));
    BtnLeft->setAccessibleName(tr("左移"));
    BtnRight = new QPushButton(QStringLiteral("→"), Chart1);
    BtnRight->setObjectName(QStringLiteral("BtnRight"));
    BtnRight->setToolTip(tr("右移"));
    BtnRight->setAccessibleName(tr("右移"));
    for (QPushButton *b : {BtnLeft, BtnRight}) {
        b->setAutoDefault(false);
        b->setFixedSize(26, 22);
        b->setStyleSheet(QStringLiteral("font-weight: bold; color: olive;"));
    }

    // Lower chart: rent and deposits per month, stacked.
    Chart2 = trendView(tr("月收入走势图"), this, "Chart2");
    auto *takings = new QStackedBarSeries(Chart2);
    BarSeries1 = new QBarSet(tr("租金收入"), takings);
    BarSeries1->setObjectName(QStringLiteral("BarSeries1"));
    BarSeries1->setColor(QColor(255, 128, 64));
    Series2 = new QBarSet(tr("押金"), takings);
    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setColor(Qt::red);
    takings->append(BarSeries1);
    takings->append(Series2);
    setBarLabels(takings);
    Chart2->chart()->addSeries(takings);
    Chart2->chart()->legend()->setAlignment(Qt::AlignTop);
    Chart2->chart()->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    Chart2Months = monthAxis(Chart2->chart(), takings);
    m_chart2Values = valueAxis(Chart2->chart(), takings);

    // The strip on top, as many lines high as its controls need at the window's width; the
    // two charts share the rest evenly.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_strip);
    layout->addWidget(Chart1, 1);
    layout->addWidget(Chart2, 1);
    // ← and → stay at the upper chart's top right corner.
    Chart1->installEventFilter(this);

    connect(FlatButton4, &QPushButton::clicked, this, &TCompareChFm::Draw);
    connect(BtnLeft, &QPushButton::clicked, this, &TCompareChFm::BtnLeftClick);
    connect(BtnRight, &QPushButton::clicked, this, &TCompareChFm::BtnRightClick);
}

void TCompareChFm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Drawn each time the window turns from hidden to visible, not when it is only raised.
    if (!event->spontaneous())
        Draw();
}

bool TCompareChFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Chart1 && event->type() == QEvent::Resize) {
        BtnRight->move(Chart1->width() - BtnRight->width() - 8, 6);
        BtnLeft->move(BtnRight->x() - BtnLeft->width() - 2, 6);
    }
    return QWidget::eventFilter(watched, event);
}

void TCompareChFm::Draw()
{
    Series1->remove(0, Series1->count());
    BarSeries1->remove(0, BarSeries1->count());
    Series2->remove(0, Series2->count());

    m_spent.clear();
    m_taken.clear();
    QList<Charts::MonthSpending> spent;
    QList<Charts::MonthTakings> taken;
    try {
        spent = Charts::monthlySpending(m_account.db());
        taken = Charts::monthlyTakings(m_account.db());
        m_spent = spent;
        m_taken = taken;
    } catch (const Db::DbError &e) {
        Msg::fault(this, e, tr("收支数据读取失败！"));
        return;
    }

    // Bounds set by ← or → stay as they are, whatever the new months are.
    const qreal lower1 = Chart1Months->min(), upper1 = Chart1Months->max();
    const qreal lower2 = Chart2Months->min(), upper2 = Chart2Months->max();

    QStringList months;
    qreal top = 0;
    for (const Charts::MonthSpending &m : spent) {
        Series1->append(yuan(m.spent));
        months << monthLabel(m.month);
        top = std::max(top, yuan(m.spent));
    }
    setMonths(Chart1Months, months);
    fitValues(m_chart1Values, top);

    months.clear();
    top = 0;
    for (const Charts::MonthTakings &m : taken) {
        BarSeries1->append(yuan(m.rent));
        Series2->append(yuan(m.deposit));
        months << monthLabel(m.month);
        top = std::max(top, yuan(m.rent) + yuan(m.deposit));
    }
    setMonths(Chart2Months, months);
    fitValues(m_chart2Values, top);

    if (m_boundsFixed) {
        Chart1Months->setRange(lower1, upper1);
        Chart2Months->setRange(lower2, upper2);
    } else {
        fitMonths(Chart1Months, int(spent.size()));
        fitMonths(Chart2Months, int(taken.size()));
    }
}

void TCompareChFm::fitMonths(QCategoryAxis *axis, int months)
{
    // All months when they fit the width; otherwise the latest that do, the earlier ones a
    // press of → away.
    const int fits = std::max(6, width() / kPixelsPerMonth);
    const int shown = std::max(1, std::min(months, fits));
    const qreal upper = std::max(months, 1) - 0.5;
    axis->setRange(upper - shown, upper);
}

void TCompareChFm::shiftMonths(int percent)
{
    for (QCategoryAxis *axis : {Chart1Months, Chart2Months}) {
        const qreal shift = (axis->max() - axis->min()) * percent / 100.0;
        axis->setRange(axis->min() + shift, axis->max() + shift);
    }
    m_boundsFixed = true;
}

void TCompareChFm::BtnLeftClick()
{
    shiftMonths(10);
}

void TCompareChFm::BtnRightClick()
{
    shiftMonths(-10);
}
