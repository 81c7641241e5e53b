// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of adding and subtracting two fractions through their least
// common denominator, and the short decimal texts the child chooses from.
// Plain functions: the window asks them, the tests table them.
#include <QString>
#include <functional>

namespace kt {

// The least common denominator of d1 and d2 (both at least 1), found the way
// the lesson explains it: the smaller denominator's first multiple that the
// greater one also reaches, trying the greater times 1, 2, ... 10.
int leastCommonDenominator(int d1, int d2);

// n / d written over the denominator l, rounded to a whole number as the
// program rounds (halves to even): the numerator of step 2 or 3.
int numeratorOver(int n, int d, int l);

// A subtraction is posed only when the first fraction exceeds the second by
// more than a tenth, so the difference is positive and not too small.
bool subtractionPosable(int n1, int d1, int n2, int d2);

// The decimal value of a sum as shown in a choice or the final answer: the
// single-precision number as text, without the leading blank and without a
// 0 before the point, cut to its first four characters (14/15 gives ".933",
// 16/15 "1.06", 2 "2").
QString decimalText(float value);

// A wrong decimal choice for the right value q (positive): r * q + q / 2 with
// r from `nextRandom`, drawn again while it is below 0.1, equals q, or would
// look exactly like q once cut to four characters.
float wrongDecimal(float q, const std::function<double()>& nextRandom);

} // namespace kt
