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
        // The caption tells the two uses apart: "影碟出租" or "影碟归还".
        detail = window->windowTitle().contains(QStringLiteral("归还")) ? 1 : 0;
    } else if (className == QLatin1String("TSetupFm")) {
        if (auto *pages = window->findChild<QTabWidget *>(QStringLiteral("PageControl1")))
            detail = pages->currentIndex();
    }
    return HelpTopics::topicForWindow(className, detail, window->inherits("TQChildFm"));
}
