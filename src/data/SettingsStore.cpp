#include "SettingsStore.h"

#include <QSettings>

namespace {

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Quorvale SoftWare"), QStringLiteral("Rentora"));
}

} // namespace

QString GetRunData()
{
    return store().value(QStringLiteral("RunData")).toString();
}

bool SetRunData(const QString &path)
{
    QSettings s = store();
    s.setValue(QStringLiteral("RunData"), path);
    s.sync();
    return s.status() == QSettings::NoError;
}

int GetNoteFlag()
{
    bool ok = false;
    const int v = store().value(QStringLiteral("Note_Flag")).toInt(&ok);
    return ok ? v : 0;
}

void SetNoteFlag(int flag)
{
    QSettings s = store();
    s.setValue(QStringLiteral("Note_Flag"), flag);
    s.sync();
}
