#pragma once

#include <QString>

class QCoreApplication;

// The one place where the program's translators are installed. At start-up it loads Qt's own
// Chinese texts (standard buttons OK/Yes/No/Cancel, file dialogs, context menus of edits), so
// no English word shows up in a Chinese program.
namespace Translations {

// The folder Qt's own translation files are read from (Qt's translations path).
QString qtTranslationsFolder();

// Installs Qt's own zh_CN translations into the application. Returns false when the files are
// missing (the program then runs on with Qt's English texts in the standard dialogs).
// Installing twice keeps one translator.
bool installQtTranslations(QCoreApplication &app);

} // namespace Translations
