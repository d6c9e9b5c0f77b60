#include "ReportPrinter.h"

#include "data/DataModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {

QString g_pdfInstead;
ReportPrintOutcome g_last;

ReportPrintOutcome remember(ReportPrintOutcome outcome)
{
    g_last = outcome;
    return outcome;
}

ReportPrintOutcome failed(const QString &why)
{
    ReportPrintOutcome o;
    o.message = QCoreApplication::translate("ReportPrinter", "打印失败：%1").arg(why);
    return remember(o);
}

// A file name in folder that does not exist yet: two prints within one second get "-2", "-3".
QString freshPath(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    QString path = dir.filePath(fileName);
    const QString base = QFileInfo(fileName).completeBaseName();
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n));
    return path;
}

} // namespace

namespace ReportPrinter {

QString printsFolder()
{
    return dataFolder() + QStringLiteral("prints/");
}

QString pdfFileName(const QString &reportName, const QDateTime &when)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = reportName.simplified();
    name.replace(unsafe, QStringLiteral("_"));
    name.remove(QLatin1Char(' '));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("report"));
    return name + QLatin1Char('-') + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".pdf");
}

void setPdfInstead(const QString &folder)
{
    g_pdfInstead = folder;
}

QString pdfInsteadFolder()
{
    return g_pdfInstead;
}

ReportPrintOutcome lastOutcome()
{
    return g_last;
}

ReportPrintOutcome saveToFolder(const ReportDocument &document, const QString &folder)
{
    if (document.isEmpty())
        return failed(QCoreApplication::translate("ReportPrinter", "报表没有页面"));
    if (!QDir().mkpath(folder))
        return failed(
            QCoreApplication::translate("ReportPrinter", "无法创建文件夹 %1").arg(folder));
    const QString path =
        freshPath(folder, pdfFileName(document.name(), QDateTime::currentDateTime()));
    QString why;
    if (!document.exportPdf(path, &why))
        return failed(why);
    ReportPrintOutcome o;
    o.target = ReportPrintOutcome::Target::PdfFile;
    o.ok = true;
    o.path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    o.message = QCoreApplication::translate("ReportPrinter", "已存为 PDF 文件：%1").arg(o.path);
    return remember(o);
}

ReportPrintOutcome printOn(const ReportDocument &document, const QPrinterInfo &info)
{
    if (document.isEmpty())
        return failed(QCoreApplication::translate("ReportPrinter", "报表没有页面"));
    if (!g_pdfInstead.isEmpty())
        return saveToFolder(document, g_pdfInstead);
    if (info.isNull()) {
        ReportPrintOutcome o = saveToFolder(document, printsFolder());
        if (o.ok) {
            o.message =
                QCoreApplication::translate("ReportPrinter", "没有安装打印机，已存为 PDF 文件：%1")
                    .arg(o.path);
            remember(o);
        }
        return o;
    }

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(document.name());
    printer.setCreator(QStringLiteral("Rentora"));
    printer.setCopyCount(1);
    if (!printer.isValid())
        return failed(QCoreApplication::translate("ReportPrinter", "打印机 %1 不可用")
                          .arg(info.printerName()));

    return printWith(document, printer);
}

ReportPrintOutcome printWith(const ReportDocument &document, QPrinter &printer)
{
    if (document.isEmpty())
        return failed(QCoreApplication::translate("ReportPrinter", "报表没有页面"));
    const QString name = printer.outputFormat() == QPrinter::PdfFormat
                             ? QDir::toNativeSeparators(printer.outputFileName())
                             : printer.printerName();
    printer.setFullPage(true); // the report draws its own margins
    if (!printer.setPageLayout(document.pageLayout()))
        printer.setPageSize(document.pageLayout().pageSize());
    const int first = printer.fromPage() > 0 ? std::max(printer.fromPage(), 1) : 1;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), document.pageCount())
                                          : document.pageCount();
    if (first > last)
        return failed(
            QCoreApplication::translate("ReportPrinter", "没有要打印的页面（报表共 %1 页）")
                .arg(document.pageCount()));
    // A printer that cannot make copies itself gets every page as often as asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);

    QPainter painter;
    if (!painter.begin(&printer))
        return failed(QCoreApplication::translate("ReportPrinter", "无法打开打印机 %1").arg(name));
    const QRectF paper(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
    bool firstSheet = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = first; page <= last; ++page) {
            if (!firstSheet && !printer.newPage()) {
                painter.end();
                return failed(
                    QCoreApplication::translate("ReportPrinter", "打印机 %1 没有接受第 %2 页")
                        .arg(name)
                        .arg(page));
            }
            firstSheet = false;
            document.render(page - 1, painter, paper, false);
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failed(QCoreApplication::translate("ReportPrinter", "打印机 %1 出错").arg(name));

    ReportPrintOutcome o;
    o.ok = true;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        o.target = ReportPrintOutcome::Target::PdfFile;
        o.path = name;
        o.message = QCoreApplication::translate("ReportPrinter", "已存为 PDF 文件：%1").arg(name);
    } else {
        o.target = ReportPrintOutcome::Target::Printer;
        o.printerName = name;
        o.message = QCoreApplication::translate("ReportPrinter", "已发送到打印机 %1").arg(name);
    }
    return remember(o);
}

namespace {

// Draws image centred into the painter's device inside 10 mm margins.
void drawFitted(QPainter &painter, const QImage &image, const QRectF &paper, qreal dotsPerMm)
{
    const QRectF room =
        paper.adjusted(10 * dotsPerMm, 10 * dotsPerMm, -10 * dotsPerMm, -10 * dotsPerMm);
    QSizeF size = image.size();
    size.scale(room.size(), Qt::KeepAspectRatio);
    const QRectF target(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

const QPageLayout kLandscapeA4(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                               QMarginsF(0, 0, 0, 0));

} // namespace

ReportPrintOutcome printImage(const QImage &image, const QString &name)
{
    if (image.isNull())
        return failed(QCoreApplication::translate("ReportPrinter", "没有可打印的图表"));
    const QPrinterInfo info =
        g_pdfInstead.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
    if (info.isNull()) {
        const QString folder = g_pdfInstead.isEmpty() ? printsFolder() : g_pdfInstead;
        if (!QDir().mkpath(folder))
            return failed(
                QCoreApplication::translate("ReportPrinter", "无法创建文件夹 %1").arg(folder));
        const QString path = freshPath(folder, pdfFileName(name, QDateTime::currentDateTime()));
        {
            QPdfWriter writer(path);
            writer.setTitle(name);
            writer.setCreator(QStringLiteral("Rentora"));
            writer.setResolution(300);
            writer.setPageLayout(kLandscapeA4);
            QPainter painter;
            if (!painter.begin(&writer))
                return failed(
                    QCoreApplication::translate("ReportPrinter", "无法写入文件：%1").arg(path));
            drawFitted(painter, image, QRectF(0, 0, writer.width(), writer.height()), 300 / 25.4);
        }
        ReportPrintOutcome o;
        o.target = ReportPrintOutcome::Target::PdfFile;
        o.ok = true;
        o.path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        o.message =
            g_pdfInstead.isEmpty()
                ? QCoreApplication::translate("ReportPrinter",
                                              "没有安装打印机，已存为 PDF 文件：%1")
                      .arg(o.path)
                : QCoreApplication::translate("ReportPrinter", "已存为 PDF 文件：%1").arg(o.path);
        return remember(o);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(name);
    printer.setCreator(QStringLiteral("Rentora"));
    printer.setFullPage(true);
    printer.setPageLayout(kLandscapeA4);
    QPainter painter;
    if (!painter.begin(&printer))
        return failed(QCoreApplication::translate("ReportPrinter", "无法打开打印机 %1")
                          .arg(info.printerName()));
    drawFitted(painter, image, printer.paperRect(QPrinter::DevicePixel),
               printer.resolution() / 25.4);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failed(
            QCoreApplication::translate("ReportPrinter", "打印机 %1 出错").arg(info.printerName()));
    ReportPrintOutcome o;
    o.target = ReportPrintOutcome::Target::Printer;
    o.ok = true;
    o.printerName = info.printerName();
    o.message =
        QCoreApplication::translate("ReportPrinter", "已发送到打印机 %1").arg(o.printerName);
    return remember(o);
}

ReportPrintOutcome print(const ReportDocument &document)
{
    if (!g_pdfInstead.isEmpty())
        return printOn(document, QPrinterInfo());
    return printOn(document, QPrinterInfo::defaultPrinter());
}

} // namespace ReportPrinter
