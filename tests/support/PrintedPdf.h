#pragma once

#include <QString>
#include <QStringList>

// Reading back what was printed: PDF files written by the program or by the test printer of
// scripts/start-printer.sh (a queue that keeps each job's PDF as the program sent it).
namespace PrintedPdf {

// Standard output of a tool (pdftotext, pdfinfo, pdffonts); empty when it is missing or fails.
QString runTool(const QString &program, const QStringList &args);

// The text of a PDF, laid out and with runs of white space made one space.
QString text(const QString &path);

// One line of `pdffonts` per font embedded in the PDF (its two heading lines left out).
QStringList fonts(const QString &path);

// Every PDF file in the folder and below it.
QStringList filesIn(const QString &folder);

// Where the test printer stores its jobs: ${HOME}/PDF.
QString printerFolder();

// Waits up to a minute for a job in printerFolder() that is not among `before` and whose file
// name or text holds `marker`; its path, or an empty string when none came.
QString waitForJob(const QStringList &before, const QString &marker);

} // namespace PrintedPdf
