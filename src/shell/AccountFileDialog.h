#pragma once

#include <QString>

class QWidget;

// The file dialog of the account windows: an account or backup file picked in a folder.
namespace AccountFileDialog {

enum class Purpose {
    Open,              // an existing file
    Save,              // a new name; the dialog asks before an existing file is replaced
    SaveAskedByCaller, // a new name; the caller asks about an existing file itself
};

// The chosen file's path, or empty when the operator cancelled. The caption and the filter are
// passed in already translated, in the caller's words.
QString ask(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
            Purpose purpose);

} // namespace AccountFileDialog
