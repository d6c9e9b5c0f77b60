#pragma once

#include <QList>
#include <QString>

#include <functional>

class QChart;
class QChartView;
class QHBoxLayout;
class QPieSeries;
class QWidget;

namespace Charts {
struct Slice;
}

// The parts the chart windows share: the header strip, the chart views and the notice when
// there is nothing to draw.
namespace ChartLook {

// The header strip (33 pixels) above a chart; its layout takes the captions and fields.
QWidget *headerStrip(QWidget *parent, QHBoxLayout **layout);

// A chart view without zooming or panning, its chart without a frame or background margins,
// titled in "SimSun" at the given pixel size.
QChartView *chartView(const QString &title, int titlePixels, QWidget *parent);

// A pie chart view: legend at the left, slice labels outside with connecting lines.
QChartView *pieView(const QString &title, int titlePixels, QWidget *parent, QPieSeries **series);

// Reads the slices and shows them in the pie, one slice per entry labelled "name (value)". A
// database error (reported with failText before the engine's message) or an empty result hides
// the chart and clears its slices; an empty result says "我没有找到您需要的数据!".
void drawPie(QWidget *window, QChartView *view, QPieSeries *series,
             const std::function<QList<Charts::Slice>()> &read, const QString &failText);

} // namespace ChartLook
