#pragma once

#include <QDialog>

class QListWidget;
class QTextBrowser;

// "使用帮助": the user guide inside the program. The pages on the left, the page on the right;
// links between pages and the screenshots come from the program's own resources, so no
// outside viewer is needed.
class THelpFm : public QDialog
{
    Q_OBJECT
public:
    explicit THelpFm(QWidget *parent = nullptr);

    // Shows the page with this key (HelpTopics); an unknown key shows the first page.
    void showTopic(const QString &key);
    QString currentTopic() const;

    QListWidget *HelpTopicList = nullptr;
    QTextBrowser *HelpText = nullptr;
};

// Opens the guide on a page. Over a modal dialog the guide opens on top of it (modal itself,
// since the dialog blocks every other window); otherwise one guide window is kept and
// brought to the front.
void ShowHelp(const QString &key);

// The guide window kept for the main window, if one was opened (tests).
THelpFm *helpWindow();
