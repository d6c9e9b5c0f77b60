#include "PrintedPdf.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace PrintedPdf {

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString text(const QString &path)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
        .simplified();
}

QStringList fonts(const QString &path)
{
    const QStringList lines = runTool(QStringLiteral("pdffonts"), {path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(2);
}

QStringList filesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QString printerFolder()
{
    return QDir::homePath() + QStringLiteral("/PDF");
}

QString waitForJob(const QStringList &before, const QString &marker)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        QTest::qWait(250);
        for (const QString &f : filesIn(printerFolder())) {
            if (before.contains(f))
                continue;
            // The printer renames a job into place only once it is whole.
            if (f.contains(marker) || text(f).contains(marker))
                return f;
        }
    }
    return QString();
}

} // namespace PrintedPdf
