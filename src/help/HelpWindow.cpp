#include "HelpWindow.h"

#include "HelpTopics.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>

namespace {

QPointer<THelpFm> g_help;

constexpr int KeyRole = Qt::UserRole;

} // namespace

THelpFm *helpWindow()
{
    return g_help;
}

void ShowHelp(const QString &key)
{
    if (QWidget *modal = QApplication::activeModalWidget()) {
        THelpFm guide(modal);
        guide.setModal(true);
        guide.showTopic(key);
        guide.exec();
        return;
    }
    if (!g_help)
        g_help = new THelpFm(QApplication::activeWindow());
    g_help->showTopic(key);
    g_help->show();
    g_help->raise();
    g_help->activateWindow();
}

THelpFm::THelpFm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpFm"));
    setWindowTitle(tr("使用帮助"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    HelpTopicList = new QListWidget(this);
    HelpTopicList->setObjectName(QStringLiteral("HelpTopicList"));
    HelpTopicList->setAccessibleName(tr("帮助目录"));
    HelpTopicList->setFixedWidth(170);
    for (const HelpTopics::Topic &t : HelpTopics::topics()) {
        auto *item = new QListWidgetItem(HelpTopics::titleOf(t), HelpTopicList);
        item->setData(KeyRole, t.key);
    }

    HelpText = new QTextBrowser(this);
    HelpText->setObjectName(QStringLiteral("HelpText"));
    HelpText->setAccessibleName(tr("帮助内容"));
    HelpText->setOpenLinks(true);
    HelpText->setOpenExternalLinks(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(HelpTopicList);
    row->addWidget(HelpText, 1);
    resize(860, 560);

    connect(HelpTopicList, &QListWidget::currentRowChanged, this, [this](int current) {
        if (current < 0)
            return;
        const QUrl url(
            HelpTopics::pageUrl(HelpTopicList->item(current)->data(KeyRole).toString()));
        if (HelpText->source() != url)
            HelpText->setSource(url);
    });
    // A link to another page selects that page in the list as well.
    connect(HelpText, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        const QString key = url.fileName().section(QLatin1Char('.'), 0, 0);
        for (int i = 0; i < HelpTopicList->count(); ++i) {
            if (HelpTopicList->item(i)->data(KeyRole).toString() == key) {
                const QSignalBlocker quiet(HelpTopicList);
                HelpTopicList->setCurrentRow(i);
            }
        }
    });
    showTopic(HelpTopics::topics().constFirst().key);
}

void THelpFm::showTopic(const QString &key)
{
    for (int i = 0; i < HelpTopicList->count(); ++i) {
        if (HelpTopicList->item(i)->data(KeyRole).toString() == key) {
            HelpTopicList->setCurrentRow(i);
            return;
        }
    }
    HelpTopicList->setCurrentRow(0);
}

QString THelpFm::currentTopic() const
{
    const QListWidgetItem *item = HelpTopicList->currentItem();
    return item ? item->data(KeyRole).toString() : QString();
}
