#include "ReportFiles.h"

#include "ReportPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>

namespace ReportFiles {
namespace {

Chooser g_chooser;

} // namespace

void setSaveFileChooser(Chooser chooser)
{
    g_chooser = std::move(chooser);
}

QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
                       const QString &filter, const QString &suffix)
{
    QString path = g_chooser ? g_chooser(parent, caption, suggested, filter)
                             : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

QString suggestedPath(const QString &name, const QString &suffix)
{
    QString file = ReportPrinter::pdfFileName(name, QDateTime::currentDateTime());
    file.chop(4); // ".pdf"
    return QDir(QDir::homePath()).filePath(file + suffix);
}

} // namespace ReportFiles
