#include "ChartLook.h"

#include "ChartData.h"
#include "ChartScale.h"

#include "data/Db.h"
#include "shell/WorkArea.h"
#include "toolkit/CsvExport.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportFiles.h"
#include "toolkit/ReportPrinter.h"
#include "toolkit/WrapLayout.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>

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

QWidget *headerStrip(QWidget *parent, WrapLayout **layout)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("HeaderStrip"));
    auto *row = new WrapLayout(strip);
    // One line: 3 + 27 + 3 pixels.
    row->setContentsMargins(8, 3, 8, 3);
    row->setMinimumLineHeight(27);
    row->setSpacing(6);
    row->setLineSpacing(4);
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

// One slice per entry, labelled with its figure and its share of the whole.
void showSlices(QChartView *view, QPieSeries *series, const QList<Charts::Slice> &slices)
{
    series->clear();
    view->setToolTip(QString());
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(12);
    qint64 total = 0;
    for (const Charts::Slice &s : slices)
        total += s.value;
    int n = 0;
    for (const Charts::Slice &s : slices) {
        const QString label = sliceLabel(s, total);
        QPieSlice *slice = series->append(label, qreal(s.value));
        // The slice under the mouse moves out a little and its figure shows as a tip.
        QObject::connect(slice, &QPieSlice::hovered, view, [view, slice, label](bool over) {
            slice->setExploded(over);
            view->setToolTip(over ? label : QString());
        });
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
    Msg::info(parent, QCoreApplication::translate("ChartLook", "我没有找到您需要的数据!"),
              QStringLiteral("Rentora"));
}

} // namespace

QString sliceLabel(const Charts::Slice &slice, qint64 total)
{
    return QStringLiteral("%1 %2 (%3)")
        .arg(slice.label)
        .arg(slice.value)
        .arg(ChartScale::percent(slice.value, total));
}

void addPictureButtons(QWidget *window, QLayout *row, Picture picture, const QString &name)
{
    auto *save = new QPushButton(QCoreApplication::translate("ChartLook", "保存图片"), window);
    save->setObjectName(QStringLiteral("BtnSavePng"));
    save->setAutoDefault(false);
    auto *print = new QPushButton(QCoreApplication::translate("ChartLook", "打印图表"), window);
    print->setObjectName(QStringLiteral("BtnPrintChart"));
    print->setAutoDefault(false);
    row->addWidget(save);
    row->addWidget(print);
    QObject::connect(save, &QPushButton::clicked, window,
                     [window, picture, name] { savePng(window, picture(), name); });
    QObject::connect(print, &QPushButton::clicked, window,
                     [window, picture, name] { printPicture(window, picture(), name); });
}

void addCsvButton(QWidget *window, QLayout *row, Figures table, const QString &name)
{
    auto *csv = new QPushButton(QCoreApplication::translate("ChartLook", "导出 CSV"), window);
    csv->setObjectName(QStringLiteral("BtnExportCsv"));
    csv->setToolTip(QCoreApplication::translate("ChartLook", "把图表的数字导出为 CSV 表格"));
    csv->setAutoDefault(false);
    row->addWidget(csv);
    QObject::connect(csv, &QPushButton::clicked, window,
                     [window, table, name] { exportCsv(window, table(), name); });
}

bool exportCsv(QWidget *window, const ChartCsv::Table &table, const QString &name)
{
    if (table.rows.isEmpty()) {
        Msg::info(window, QCoreApplication::translate("ChartLook", "没有可导出的数据。"));
        return false;
    }
    const QString path = ReportFiles::chooseSaveFile(
        window, QCoreApplication::translate("ChartLook", "导出 CSV 表格"),
        ReportFiles::suggestedPath(name, QStringLiteral(".csv")),
        QCoreApplication::translate("ChartLook", "CSV 表格 (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    QString why;
    if (!Csv::write(path, table.header, table.rows, &why)) {
        Msg::error(window, QCoreApplication::translate("ChartLook", "导出 CSV 失败：%1").arg(why));
        return false;
    }
    showStatusNotice(QCoreApplication::translate("ChartLook", "已导出 CSV 表格：%1")
                         .arg(QDir::toNativeSeparators(path)));
    return true;
}

QPixmap pictureOf(QWidget *view)
{
    return view && view->isVisible() ? view->grab() : QPixmap();
}

bool savePng(QWidget *window, const QPixmap &picture, const QString &name)
{
    if (picture.isNull()) {
        Msg::info(window, QCoreApplication::translate("ChartLook", "没有可保存的图表。"));
        return false;
    }
    const QString path = ReportFiles::chooseSaveFile(
        window, QCoreApplication::translate("ChartLook", "保存图片"),
        ReportFiles::suggestedPath(name, QStringLiteral(".png")),
        QCoreApplication::translate("ChartLook", "PNG 图片 (*.png)"), QStringLiteral(".png"));
    if (path.isEmpty())
        return false;
    if (!picture.save(path, "PNG")) {
        Msg::error(window, QCoreApplication::translate("ChartLook", "图片保存失败：%1")
                               .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    showStatusNotice(QCoreApplication::translate("ChartLook", "已保存图片：%1")
                         .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool printPicture(QWidget *window, const QPixmap &picture, const QString &name)
{
    if (picture.isNull()) {
        Msg::info(window, QCoreApplication::translate("ChartLook", "没有可打印的图表。"));
        return false;
    }
    const ReportPrintOutcome outcome = ReportPrinter::printImage(picture.toImage(), name);
    if (!outcome.ok) {
        Msg::error(window, outcome.message);
        return false;
    }
    showStatusNotice(outcome.message);
    return true;
}

QList<Charts::Slice> drawPie(QWidget *window, QChartView *view, QPieSeries *series,
                             const std::function<QList<Charts::Slice>()> &read,
                             const QString &failText)
{
    QList<Charts::Slice> slices;
    try {
        slices = read();
    } catch (const Db::DbError &e) {
        view->hide();
        series->clear();
        Msg::fault(window, e, failText);
        return {};
    }
    if (slices.isEmpty()) {
        view->hide();
        series->clear();
        tellNoData(window);
        return {};
    }
    view->show();
    showSlices(view, series, slices);
    return slices;
}

} // namespace ChartLook
