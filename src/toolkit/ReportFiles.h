#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file a report, table or chart is saved into: asked with a save dialog, or by a chooser
// that tests put in its place.
namespace ReportFiles {

using Chooser = std::function<QString(QWidget *parent, const QString &caption,
                                      const QString &suggested, const QString &filter)>;
// Replaces the save dialog; an empty chooser brings the dialog back.
void setSaveFileChooser(Chooser chooser);

// The chosen path, ending in suffix (".pdf", ".csv", ".png"); empty when cancelled.
QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
                       const QString &filter, const QString &suffix);

// A file name in the home folder for what is saved: name, the time, suffix.
QString suggestedPath(const QString &name, const QString &suffix);

} // namespace ReportFiles
