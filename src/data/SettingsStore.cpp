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

QString GetLanguage()
{
    return store().value(QStringLiteral("Language")).toString();
}

void SetLanguage(const QString &language)
{
    QSettings s = store();
    if (language.isEmpty())
        s.remove(QStringLiteral("Language"));
    else
        s.setValue(QStringLiteral("Language"), language);
    s.sync();
}
