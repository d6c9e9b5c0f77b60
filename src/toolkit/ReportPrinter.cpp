#include "ReportPrinter.h"

#include "data/DataModule.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
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
    o.message = QStringLiteral("打印失败：%1").arg(why);
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
        return failed(QStringLiteral("报表没有页面"));
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("无法创建文件夹 %1").arg(folder));
    const QString path =
        freshPath(folder, pdfFileName(document.name(), QDateTime::currentDateTime()));
    QString why;
    if (!document.exportPdf(path, &why))
        return failed(why);
    ReportPrintOutcome o;
    o.target = ReportPrintOutcome::Target::PdfFile;
    o.ok = true;
    o.path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    o.message = QStringLiteral("已存为 PDF 文件：%1").arg(o.path);
    return remember(o);
}

ReportPrintOutcome printOn(const ReportDocument &document, const QPrinterInfo &info)
{
    if (document.isEmpty())
        return failed(QStringLiteral("报表没有页面"));
    if (!g_pdfInstead.isEmpty())
        return saveToFolder(document, g_pdfInstead);
    if (info.isNull()) {
        ReportPrintOutcome o = saveToFolder(document, printsFolder());
        if (o.ok) {
            o.message = QStringLiteral("没有安装打印机，已存为 PDF 文件：%1").arg(o.path);
            remember(o);
        }
        return o;
    }

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(document.name());
    printer.setCreator(QStringLiteral("Rentora"));
    printer.setFullPage(true); // the report draws its own margins
    printer.setCopyCount(1);
    if (!printer.setPageLayout(document.pageLayout()))
        printer.setPageSize(document.pageLayout().pageSize());
    if (!printer.isValid())
        return failed(QStringLiteral("打印机 %1 不可用").arg(info.printerName()));

    QPainter painter;
    if (!painter.begin(&printer))
        return failed(QStringLiteral("无法打开打印机 %1").arg(info.printerName()));
    const QRectF paper(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return failed(QStringLiteral("打印机 %1 没有接受第 %2 页").arg(info.printerName())
                              .arg(i + 1));
        }
        document.render(i, painter, paper, false);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failed(QStringLiteral("打印机 %1 出错").arg(info.printerName()));

    ReportPrintOutcome o;
    o.target = ReportPrintOutcome::Target::Printer;
    o.ok = true;
    o.printerName = info.printerName();
    o.message = QStringLiteral("已发送到打印机 %1").arg(o.printerName);
    return remember(o);
}

ReportPrintOutcome print(const ReportDocument &document)
{
    if (!g_pdfInstead.isEmpty())
        return printOn(document, QPrinterInfo());
    return printOn(document, QPrinterInfo::defaultPrinter());
}

} // namespace ReportPrinter
