#include "InputFilters.h"

#include "data/Money.h"

#include <QLineEdit>

namespace Input {
namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString asciiDigits(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF10 && u <= 0xFF19)
            c = QChar(u'0' + (u - 0xFF10));
        else if (u == 0xFF0E)
            c = u'.';
    }
    return out;
}

QValidator::State DigitsValidator::validate(QString &input, int &) const
{
    input = asciiDigits(input);
    for (QChar c : input) {
        if (!isAsciiDigit(c))
            return Invalid;
    }
    if (m_maxDigits > 0 && input.size() > m_maxDigits)
        return Invalid;
    return Acceptable;
}

void DigitsValidator::fixup(QString &input) const
{
    input = asciiDigits(input);
}

QValidator::State MoneyValidator::validate(QString &input, int &) const
{
    input = asciiDigits(input);
    int points = 0;
    int decimals = 0;
    for (QChar c : input) {
        if (c == u'.') {
            if (++points > 1)
                return Invalid;
        } else if (!isAsciiDigit(c)) {
            return Invalid;
        } else if (points == 1 && ++decimals > 2) {
            return Invalid;
        }
    }
    // Empty and "12." are left to the code that reads the field, as without a validator;
    // what is refused here is what no amount can become (beyond the range included).
    const QString whole = input.endsWith(u'.') ? input.chopped(1) : input;
    return whole.isEmpty() || Money::parse(whole) ? Acceptable : Invalid;
}

void MoneyValidator::fixup(QString &input) const
{
    input = asciiDigits(input);
}

void acceptDigitsOnly(QLineEdit *field, int maxDigits)
{
    field->setValidator(new DigitsValidator(maxDigits, field));
}

void acceptMoneyOnly(QLineEdit *field)
{
    field->setValidator(new MoneyValidator(field));
}

} // namespace Input
