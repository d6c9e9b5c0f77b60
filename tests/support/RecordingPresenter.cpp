#include "RecordingPresenter.h"

RecordingPresenter::RecordingPresenter() : m_previous(Msg::setPresenter(this)) {}

RecordingPresenter::~RecordingPresenter()
{
    Msg::setPresenter(m_previous);
}

QMessageBox::StandardButton RecordingPresenter::present(const Msg::Request &request)
{
    shown.append(request);
    if (onShow)
        onShow(request);
    if (!answers.isEmpty())
        return answers.dequeue();
    return (request.buttons & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
}

QStringList RecordingPresenter::texts() const
{
    QStringList list;
    for (const Msg::Request &r : shown)
        list << r.text;
    return list;
}
