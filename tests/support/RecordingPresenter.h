#pragma once

#include "toolkit/MessageBox.h"

#include <QList>
#include <QQueue>

// Records every message box instead of showing it, and answers questions from a queue
// (Yes when the queue is empty). Installs itself for its lifetime.
class RecordingPresenter : public Msg::Presenter
{
public:
    RecordingPresenter();
    ~RecordingPresenter() override;

    QMessageBox::StandardButton present(const Msg::Request &request) override;

    QList<Msg::Request> shown;
    QQueue<QMessageBox::StandardButton> answers;
    // Runs while a box would be on screen, e.g. to look at the window behind it.
    std::function<void(const Msg::Request &)> onShow;

    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear() { shown.clear(); }

private:
    Msg::Presenter *m_previous;
};
