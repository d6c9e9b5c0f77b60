#pragma once

#include "data/Money.h"

#include <QString>

#include <optional>

class QLineEdit;

// The sale window's price and quantity boxes.
namespace PriceBox {

inline constexpr int MinQuantity = 1;
inline constexpr int MaxQuantity = 999;

// A price as typed: an amount with at most one decimal point and at most two decimals, within
// Money's range. "25" and "25.5" are 25.00 and 25.50; "0.0025", "2,5" and "" are not prices.
std::optional<Money> parsePrice(const QString &text);
// A quantity from 1 to 999.
std::optional<int> parseQuantity(const QString &text);

// Makes box a price box: the validator, and the whole text selected whenever the box gets the
// focus, so typing replaces "0.00" instead of being appended to it. Leaving the box writes a
// price with two decimals.
void makePriceBox(QLineEdit *box);
// Up to three digits; the whole text selected on focus as in the price box.
void makeQuantityBox(QLineEdit *box);

} // namespace PriceBox
