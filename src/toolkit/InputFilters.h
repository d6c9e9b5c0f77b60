#pragma once

#include <QValidator>

class QLineEdit;

// What an entry field lets in, typed or pasted alike: validators, not key filters, so text
// pasted with the mouse or Ctrl+V meets the same rule as keys. Full-width digits and the
// full-width point (what a Chinese input method gives) are turned into their ASCII forms.
namespace Input {

// Digits only, at most maxDigits of them (0: any number).
class DigitsValidator : public QValidator
{
public:
    explicit DigitsValidator(int maxDigits, QObject *parent = nullptr)
        : QValidator(parent), m_maxDigits(maxDigits)
    {}
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    int m_maxDigits;
};

// An amount of money as it is typed: digits with at most one point and at most two decimals,
// within the amounts `Money::parse` accepts. Whatever passes is Acceptable (an empty field and
// a trailing point included), so Enter and leaving the field work as without a validator and
// the code that reads the field decides what an empty one means.
class MoneyValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

void acceptDigitsOnly(QLineEdit *field, int maxDigits = 0);
void acceptMoneyOnly(QLineEdit *field);

// The text with full-width digits and points made ASCII, everything else as it was.
QString asciiDigits(const QString &text);

} // namespace Input
