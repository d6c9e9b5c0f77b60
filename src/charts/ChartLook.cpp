#include "ChartLook.h"

#include "ChartData.h"

#include "data/Db.h"
#include "toolkit/MessageBox.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>

#include <iterator>

namespace ChartLook {
namespace {

// Neighbouring slices in clearly different colours (the chart's own theme shades one hue).
const QColor kSliceColours[] = {
    {0xe6, 0x4b, 0x3c}, {0x34, 0x98, 0xdb}, {0x2e, 0xcc, 0x71}, {0xf3, 0x9c, 0x12},
    {0x9b, 0x59, 0xb6}, {0x1a, 0xbc, 0x9c}, {0xe6, 0x7e, 0x22}, {0x34, 0x49, 0x5e},
    {0xf1, 0xc4, 0x0f}, {0xc0, 0x39, 0x2b}, {0x29, 0x80, 0xb9}, {0x27, 0xae, 0x60},
    {0x8e, 0x44, 0xad}, {0x16, 0xa0, 0x85}, {0xd3, 0x54, 0x00}, {0x7f, 0x8c, 0x8d},
    {0xff, 0x79, 0xb0}, {0x6d, 0x4c, 0x41}, {0x00, 0x96, 0x88}, {0xbd, 0xc3, 0xc7},
};

} // namespace

QWidget *headerStrip(QWidget *parent, QHBoxLayout **layout)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("HeaderStrip"));
    strip->setFixedHeight(33);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(6);
    *layout = row;
    return strip;
}

QChartView *chartView(const QString &title, int titlePixels, QWidget *parent)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(titlePixels);
    chart->setTitleFont(font);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setAnimationOptions(QChart::NoAnimation);
    QFont legendFont(QStringLiteral("SimSun"));
    legendFont.setPixelSize(12);
    chart->legend()->setFont(legendFont);

    auto *view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("Chart1"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::NoRubberBand);
    view->setDragMode(QGraphicsView::NoDrag);
    view->setFrameShape(QFrame::NoFrame);
    view->setAccessibleName(title);
    return view;
}

QChartView *pieView(const QString &title, int titlePixels, QWidget *parent, QPieSeries **series)
{
    QChartView *view = chartView(title, titlePixels, parent);
    auto *pie = new QPieSeries(view);
    pie->setObjectName(QStringLiteral("Series1"));
    pie->setPieSize(0.62);
    view->chart()->addSeries(pie);
    view->chart()->legend()->setAlignment(Qt::AlignLeft);
    *series = pie;
    return view;
}

namespace {

// One slice per entry, labelled "name (value)".
void showSlices(QPieSeries *series, const QList<Charts::Slice> &slices)
{
    series->clear();
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(12);
    int n = 0;
    for (const Charts::Slice &s : slices) {
        QPieSlice *slice =
            series->append(QStringLiteral("%1 (%2)").arg(s.label).arg(s.value), qreal(s.value));
        slice->setColor(kSliceColours[n++ % std::size(kSliceColours)]);
        slice->setBorderColor(Qt::white);
        slice->setLabelFont(font);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelArmLengthFactor(0.12);
        slice->setLabelVisible(true);
    }
}

void tellNoData(QWidget *parent)
{
    Msg::info(parent, QStringLiteral("我没有找到您需要的数据!"), QStringLiteral("Rentora"));
}

} // namespace

void drawPie(QWidget *window, QChartView *view, QPieSeries *series,
             const std::function<QList<Charts::Slice>()> &read, const QString &failText)
{
    QList<Charts::Slice> slices;
    try {
        slices = read();
    } catch (const Db::DbError &e) {
        view->hide();
        series->clear();
        Msg::error(window, failText + QLatin1Char('\n') + e.message());
        return;
    }
    if (slices.isEmpty()) {
        view->hide();
        series->clear();
        tellNoData(window);
        return;
    }
    view->show();
    showSlices(series, slices);
}

} // namespace ChartLook
