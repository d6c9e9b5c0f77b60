#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>

// The settings pages check what the operator typed before anything is written. A refused
// entry carries the message to show, how to show it and the field that gets the focus.
namespace Settings {

struct Refusal
{
    enum class Tone { Error, Information };

    QString field; // objectName of the edit at fault; empty when no field is to blame
    QString message;
    Tone tone = Tone::Error;
};

// Thrown by the save and delete functions of the settings pages when an entry is refused.
// Nothing has been written when it is thrown.
class Refused : public std::exception
{
public:
    explicit Refused(Refusal refusal) : m_refusal(std::move(refusal)) {}
    const Refusal &refusal() const { return m_refusal; }
    const char *what() const noexcept override { return "entry refused"; }

private:
    Refusal m_refusal;
};

[[noreturn]] inline void refuse(const QString &field, const QString &message,
                                Refusal::Tone tone = Refusal::Tone::Error)
{
    throw Refused(Refusal{field, message, tone});
}

// Messages the pages share.
inline QString savedText()
{
    return QCoreApplication::translate("Settings", "数据保存成功！");
}
inline QString saveFailedText()
{
    return QCoreApplication::translate("Settings", "数据保存失败！");
}

} // namespace Settings
