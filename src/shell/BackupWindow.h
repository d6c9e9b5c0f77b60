#pragma once

#include "BaseWindows.h"

#include "data/DataModule.h"

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "数据备份": copies the account in use to a file of the operator's choice, by default one
// named after today's date in the data folder's backup folder. The dialog stays open after a backup.
class TBackupFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    // account: the account to copy (the file its connection is open on).
    explicit TBackupFm(AccountContext &account, QWidget *parent = nullptr,
                       const QString &folder = dataFolder());

    void BtnBakClick();
    void BitBtn1Click(); // "...": choose the target in a save dialog
    // Copies source to target, advancing the progress bar; reports success or failure.
    bool CopyDataFile(const QString &source, const QString &target);

    QLabel *Label3 = nullptr;
    QLineEdit *EDPath = nullptr;
    QPushButton *BitBtn1 = nullptr; // ...
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *BtnBak = nullptr;
    QPushButton *BtnClose = nullptr;

    // Replaces the save dialog (tests): returns the chosen file name, or empty when cancelled.
    using SaveNameProvider = std::function<QString(QWidget *parent, const QString &folder)>;
    static void setSaveNameProvider(SaveNameProvider provider);

private:
    AccountContext &m_account;
    QString m_source;
    QString m_lastFailure; // the reason of the last failed copy, for the details
    QString m_folder;
};

// A chosen backup name without an extension gets ".MDB", as the account files have.
QString withBackupExtension(const QString &fileName);
