#pragma once

#include <QString>

// The values kept outside the database: the current account file, the tips flag and the
// language chosen in the main window's menu.
// Stored with QSettings under "Quorvale SoftWare"/"Rentora" in the user's configuration.

// The path of the current account file, or an empty string when none is stored.
QString GetRunData();
bool SetRunData(const QString &path);

// 0 = show the tips window at start-up, anything else = do not. A missing or non-numeric
// value reads as 0 (show the tips), so a fresh installation greets its first user.
int GetNoteFlag();
void SetNoteFlag(int flag);

// The language of the user interface: "zh_CN", "en", or empty to follow the system.
QString GetLanguage();
void SetLanguage(const QString &language);
