// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers typed into entry boxes. One rule for every window that reads a
// typed value: the value is the longest numeric prefix ("3x" reads 3); an
// empty box, or one that reads 0 without a "0" typed, is not a number; and a
// value must fit the type the window computes in, so "40000" is no 16-bit
// whole number, "1e39" no single and "1e999" no double.
#include <QString>
#include <optional>

namespace kt {

enum class NumberType { Integer16, Single, Double };

// The value read from `text`, or nullopt when the text holds no number by the
// rule above or the value does not fit `type`. Whole numbers come back
// rounded as the program rounds (halves to even).
std::optional<double> readTypedNumber(const QString& text, NumberType type = NumberType::Double);

// A typed whole number of the program's 16-bit range: the rule above, and the
// value must be whole ("3" and "3.0" read 3; "3.5" and "40000" are refused).
std::optional<qint16> readTypedWhole(const QString& text);

// Whether a computed result can be shown: finite and within `type`.
bool fitsNumberType(double value, NumberType type);

} // namespace kt
