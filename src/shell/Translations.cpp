#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace Translations {

namespace {

// Owned by the application; gone with it.
QPointer<QTranslator> qtTranslator;

} // namespace

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool installQtTranslations(QCoreApplication &app)
{
    if (qtTranslator)
        return true;
    auto *translator = new QTranslator(&app);
    // qtbase holds the texts of the widgets: message box and dialog buttons, file dialogs.
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), qtTranslationsFolder())) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    qtTranslator = translator;
    return true;
}

} // namespace Translations
