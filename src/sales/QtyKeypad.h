#pragma once

#include <QString>

#include <optional>

namespace pelora {

// The rules of the quantity keypad's entry line. The first key after the keypad opens (and any
// key on an entry of "0") starts the entry afresh; "C" sets it to "0".
namespace QtyKeypad {

QString press(const QString& entry, bool& firstTouch, QChar key);
// One more than the entry (an entry that is not a number counts as 0).
QString increase(const QString& entry);
// One less than the entry, never below 1 (an entry that is not a number counts as 1).
QString decrease(const QString& entry);
// The most decimals a quantity is typed with (a thousandth: grams of a kilo).
constexpr int kMostDecimals = 3;
// The entry as a number: plain digits, a point and at most three decimals, a sign allowed;
// none for anything else (an exponent, a comma, a fourth decimal).
std::optional<double> read(const QString& entry);

} // namespace QtyKeypad

} // namespace pelora
