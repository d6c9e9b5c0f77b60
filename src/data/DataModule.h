#pragma once

#include "AccountContext.h"
#include "DataFolder.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// Values every part of the program shares while it runs.
extern QString CurrentDBFile; // full path of the file MainConn is open on

// Opens an existing account file on the connection named connectionName. Never creates a
// file: a missing file, a file that is not SQLite and an SQLite file without this program's
// tables all fail, with the reason in *why. The path may hold any characters.
bool openAccountFile(const QString &path, const QString &connectionName, QString *why);

// The data module: owns MainConn from start-up to exit.
class TDataModule1 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    // Finds the current account (the stored path, or data/Sample.MDB which is then stored)
    // and opens MainConn on it. False when it cannot be opened; *why says why.
    bool connectCurrentAccount(QString *why);
};

extern TDataModule1 *DataModule1;
