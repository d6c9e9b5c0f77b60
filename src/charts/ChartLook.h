#pragma once

#include "ChartCsv.h"

#include <QList>
#include <QPixmap>
#include <QString>

#include <functional>

class QChart;
class QChartView;
class QLayout;
class QPieSeries;
class QWidget;
class WrapLayout;

namespace Charts {
struct Slice;
}

// The parts the chart windows share: the header strip, the chart views and the notice when
// there is nothing to draw.
namespace ChartLook {

// The header strip above a chart, 33 pixels high while its controls fit one line; on a
// narrower window they go on in a second line (and more) instead of being cut. Its layout
// takes the captions and fields (a caption and its field as one group).
QWidget *headerStrip(QWidget *parent, WrapLayout **layout);

// A chart view without zooming or panning, its chart without a frame or background margins,
// titled in "SimSun" at the given pixel size.
QChartView *chartView(const QString &title, int titlePixels, QWidget *parent);

// A pie chart view: legend at the left, slice labels outside with connecting lines.
QChartView *pieView(const QString &title, int titlePixels, QWidget *parent, QPieSeries **series);

// Adds "保存图片" (BtnSavePng) and "打印图表" (BtnPrintChart) to a header strip; both take the
// picture of the chart as it is on screen (a null picture while nothing is drawn), named name:
// saved as a PNG file chosen by the operator, or printed on one sheet (the default printer, or
// a PDF file without one).
using Picture = std::function<QPixmap()>;
void addPictureButtons(QWidget *window, QLayout *row, Picture picture, const QString &name);
// The same two actions, callable by tests and the buttons.
bool savePng(QWidget *window, const QPixmap &picture, const QString &name);
bool printPicture(QWidget *window, const QPixmap &picture, const QString &name);
// Adds "导出 CSV" (BtnExportCsv) to a header strip: the figures the chart shows now (table()
// has no rows while nothing is drawn) go to a CSV file chosen by the operator, as a report's
// rows do from its 导出 menu.
using Figures = std::function<ChartCsv::Table()>;
void addCsvButton(QWidget *window, QLayout *row, Figures table, const QString &name);
// The same action, callable by tests and the button.
bool exportCsv(QWidget *window, const ChartCsv::Table &table, const QString &name);
// What a chart view shows, or a null picture while it is hidden.
QPixmap pictureOf(QWidget *view);

// A pie slice's label: "name value (share%)".
QString sliceLabel(const Charts::Slice &slice, qint64 total);

// Reads the slices and shows them in the pie, one slice per entry labelled with its share. A
// database error (reported with failText before the engine's message) or an empty result hides
// the chart and clears its slices; an empty result says "我没有找到您需要的数据!". A slice the
// mouse is over stands out, and the chart's tool tip gives its figure. Returns the slices
// drawn (none when the chart was hidden).
QList<Charts::Slice> drawPie(QWidget *window, QChartView *view, QPieSeries *series,
             const std::function<QList<Charts::Slice>()> &read, const QString &failText);

} // namespace ChartLook
