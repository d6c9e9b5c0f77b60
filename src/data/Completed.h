#pragma once

#include <QString>

#include <exception>
#include <utility>
#include <variant>

// The result of a completing function of the counter (a rental, a return, a sale, a copy leaving
// the stock): what was written, or the refusal that left the account as it was. A failure of the
// engine is no refusal: it is thrown as Db::DbError, as by every other function of the data layer.
namespace Db {

// Why a request was not carried out. Nothing was written.
struct Refusal
{
    enum class Reason {
        EmptyList,         // nothing to complete
        DuplicateCopy,     // code is listed twice
        AllowanceExceeded, // allowanceLeft says how many discs the member may still rent
        NotAvailable,      // code was rented, sold or returned since it was looked up
        NotInStock,        // the copy has left the stock (sold, deleted, written off) meanwhile
    };
    Reason reason = Reason::EmptyList;
    QString code; // the copy at fault, when one is
    QString name; // its title
    qint64 allowanceLeft = 0;
};

// Thrown by refuse() inside a completing function; complete() turns it into the result, after the
// transaction guard inside has rolled back.
class Refused : public std::exception
{
public:
    explicit Refused(Refusal refusal) : m_refusal(std::move(refusal)) {}
    const Refusal &refusal() const { return m_refusal; }
    const char *what() const noexcept override { return "request refused"; }

private:
    Refusal m_refusal;
};

[[noreturn]] inline void refuse(Refusal refusal)
{
    throw Refused(std::move(refusal));
}

template <typename T>
class Completed
{
public:
    Completed(T value) : m_state(std::move(value)) {}
    Completed(Refusal refusal) : m_state(std::move(refusal)) {}

    bool done() const { return m_state.index() == 0; }
    explicit operator bool() const { return done(); }

    // Only when done().
    const T &value() const { return std::get<0>(m_state); }
    const T *operator->() const { return &value(); }
    // Only when !done().
    const Refusal &refusal() const { return std::get<1>(m_state); }

private:
    std::variant<T, Refusal> m_state;
};

// The result of a completing function that writes nothing the caller reads back.
struct Nothing
{
};

// Runs a completing function's work: what it returns is the result, a refusal it throws through
// refuse() the refusal. Db::DbError passes through.
template <typename Work>
auto complete(Work &&work) -> Completed<decltype(work())>
{
    try {
        return work();
    } catch (const Refused &r) {
        return r.refusal();
    }
}

} // namespace Db
