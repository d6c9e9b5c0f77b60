#pragma once

#include "ReportDocument.h"

#include <QDateTime>
#include <QString>

class QImage;
class QPrinter;
class QPrinterInfo;

// Where a report's pages went when printed, and a status text saying so for the window.
struct ReportPrintOutcome
{
    enum class Target { Nothing, Printer, PdfFile };
    Target target = Target::Nothing;
    bool ok = false;
    QString printerName; // the printer, when the pages went to one
    QString path;        // the PDF file, when the pages went to a file
    QString message;     // "已发送到打印机 …", "没有安装打印机，已存为 PDF 文件：…", or why not
};

// Prints reports on the default printer at once: no printer dialog, no preview. Where the
// machine has no printer, the pages are written as a PDF file into the data folder's "prints"
// folder instead, and the outcome says where.
namespace ReportPrinter {

ReportPrintOutcome print(const ReportDocument &document);
// Prints on the given printer; a null printer writes the PDF into the prints folder.
ReportPrintOutcome printOn(const ReportDocument &document, const QPrinterInfo &printer);
// Prints on a printer set up by the caller (the print dialog): its page range (fromPage and
// toPage, 0 for every page) and its number of copies count.
ReportPrintOutcome printWith(const ReportDocument &document, QPrinter &printer);
// Prints a picture (a chart) on one A4 landscape sheet, scaled to fit inside 10 mm margins, on
// the default printer; without one, or with PDF instead, as a PDF file named after name.
ReportPrintOutcome printImage(const QImage &image, const QString &name);
// Writes the pages as a PDF file named after the report and the time into folder.
ReportPrintOutcome saveToFolder(const ReportDocument &document, const QString &folder);

// dataFolder() + "prints/".
QString printsFolder();
// "<report name>-yyyyMMdd-HHmmss.pdf", with characters that file names cannot hold replaced.
QString pdfFileName(const QString &reportName, const QDateTime &when);

// Sends every print to PDF files in folder instead of a printer (tests, or a counter that must
// not print); an empty folder prints normally again.
void setPdfInstead(const QString &folder);
QString pdfInsteadFolder();

// The outcome of the last print of this run.
ReportPrintOutcome lastOutcome();

} // namespace ReportPrinter
