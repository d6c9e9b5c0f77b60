#include "AccountFileDialog.h"

#include <QFileDialog>

namespace AccountFileDialog {

QString ask(QWidget *parent, const QString &caption, const QString &folder, const QString &filter,
            Purpose purpose)
{
    QFileDialog dialog(parent, caption, folder, filter);
    if (purpose == Purpose::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("MDB"));
        if (purpose == Purpose::SaveAskedByCaller)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace AccountFileDialog
