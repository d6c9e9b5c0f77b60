#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>

// The settings pages check what the operator typed before anything is written. A refused
// entry carries the message to show, how to show it and the field that gets the focus.
namespace Settings {

// The entry at fault, named by what it holds; each page knows its own edit for it.
enum class Field {
    None, // no field is to blame
    MemberNumber,
    MemberName,
    MemberAllowance,
    OverdueDays,
    FeeClassName,
    FeeRent,
    FeeDeposit,
    CategoryName,
    StaffName,
    TypeName,
    SupplierCompany,
};

struct Refusal
{
    enum class Tone { Error, Information };

    Field field = Field::None;
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

[[noreturn]] inline void refuse(Field field, const QString &message,
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
