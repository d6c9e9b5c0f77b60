#pragma once

#include <QString>

class QCoreApplication;
class QLocale;
class QMenu;
class QWidget;

// The language of the user interface. The program's texts are written in Chinese; an English
// translation (rentora_en.qm) is loaded over them when English is chosen, or when the system
// speaks another language than Chinese. The choice is stored and takes effect at the next
// start, since windows read their texts once when they are made.
namespace Language {

inline const QString Chinese = QStringLiteral("zh_CN");
inline const QString English = QStringLiteral("en");

// The language to use: the stored choice when there is one, else Chinese for a Chinese
// system locale or one without a language (the "C" locale), English for any other.
QString resolve(const QString &stored, const QLocale &system);

// Where the .qm files lie: "translations" beside the program when run from where it was
// built, <prefix>/share/rentora/translations when installed.
QString translationsFolder(const QString &programDir);

// Loads the program's translation for language into app (nothing to load for Chinese).
// False when the file is missing or unreadable; the texts then stay Chinese.
bool install(QCoreApplication *app, const QString &language, const QString &folder);

// Start-up: resolves the stored choice against the system locale and installs it.
QString installForStartup(QCoreApplication *app);

// The "语言" menu: follow the system, 中文, English; choosing stores the choice and tells the
// operator it applies from the next start.
QMenu *createMenu(QWidget *parent);

} // namespace Language
