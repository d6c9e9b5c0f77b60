#include "Language.h"

#include "data/SettingsStore.h"
#include "toolkit/MessageBox.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

namespace Language {

QString resolve(const QString &stored, const QLocale &system)
{
    if (stored == Chinese || stored == English)
        return stored;
    const QLocale::Language spoken = system.language();
    return spoken == QLocale::Chinese || spoken == QLocale::C || spoken == QLocale::AnyLanguage
               ? Chinese
               : English;
}

QString translationsFolder(const QString &programDir)
{
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(dir.filePath(QStringLiteral("../share/rentora/translations")));
}

bool install(QCoreApplication *app, const QString &language, const QString &folder)
{
    if (language == Chinese)
        return true;
    auto *translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("rentora_") + language, folder)) {
        delete translator;
        return false;
    }
    app->installTranslator(translator);
    return true;
}

QString installForStartup(QCoreApplication *app)
{
    const QString language = resolve(GetLanguage(), QLocale::system());
    if (!install(app, language, translationsFolder(QCoreApplication::applicationDirPath())))
        return Chinese;
    return language;
}

QMenu *createMenu(QWidget *parent)
{
    auto *menu = new QMenu(QCoreApplication::translate("Language", "语言"), parent);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto *group = new QActionGroup(menu);
    const QString stored = GetLanguage();
    struct Entry
    {
        const char *objectName;
        QString text;
        QString value;
    };
    const Entry entries[] = {
        {"LangSystem", QCoreApplication::translate("Language", "跟随系统"), QString()},
        {"LangChinese", QStringLiteral("中文"), Chinese},
        {"LangEnglish", QStringLiteral("English"), English},
    };
    for (const Entry &e : entries) {
        QAction *a = menu->addAction(e.text);
        a->setObjectName(QLatin1String(e.objectName));
        a->setCheckable(true);
        a->setChecked(stored == e.value
                      || (e.value.isEmpty() && stored != Chinese && stored != English));
        group->addAction(a);
        const QString value = e.value;
        QObject::connect(a, &QAction::triggered, menu, [parent, value] {
            if (GetLanguage() == value)
                return;
            SetLanguage(value);
            Msg::info(parent, QCoreApplication::translate(
                                  "Language", "语言设置将在下次启动程序时生效。"));
        });
    }
    return menu;
}

} // namespace Language
