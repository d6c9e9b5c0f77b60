#pragma once

#include <QList>
#include <QString>

// The user guide: one short page per window, built into the program. Each Chinese page is
// resources/help/<key>.html (with its screenshot <key>.png beside it); the English pages are
// resources/help/en/<key>.html, shown while the English translation is loaded.
namespace HelpTopics {

struct Topic
{
    QString key;   // file name without extension
    QString title; // the Chinese source of the title in the guide's list of pages
};

// The pages in the order the guide lists them; the first is the main window's.
const QList<Topic> &topics();

// The title of a page in the program's language.
QString titleOf(const Topic &topic);

// The resource path of a page in the program's language ("qrc:/help/<key>.html",
// "qrc:/help/en/<key>.html").
QString pageUrl(const QString &key);

// The page that explains a window of class className (the window in front when F1 is
// pressed); the main window's page for a window without one of its own. detail tells apart
// what one class shows: the rental window's mode (0 rent out, 1 take back), the settings
// window's page index. report: the window is one of the reports.
QString topicForWindow(const QString &className, int detail = 0, bool report = false);

} // namespace HelpTopics
