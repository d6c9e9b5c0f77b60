#include "HelpContext.h"

#include "help/HelpTopics.h"

#include <QTabWidget>
#include <QWidget>

QString helpTopicOf(const QWidget *window)
{
    if (!window)
        return QStringLiteral("main");
    const QString className = QString::fromLatin1(window->metaObject()->className());
    int detail = 0;
    if (className == QLatin1String("TLeaseFm")) {
        // Renting out (0) or taking back (1), whatever the language of the caption.
        detail = window->property("leaseMode").toInt() == 1 ? 1 : 0;
    } else if (className == QLatin1String("TSetupFm")) {
        if (auto *pages = window->findChild<QTabWidget *>(QStringLiteral("PageControl1")))
            detail = pages->currentIndex();
    }
    return HelpTopics::topicForWindow(className, detail, window->inherits("TQChildFm"));
}
