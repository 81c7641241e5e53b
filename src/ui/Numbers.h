// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number and date helpers that behave like the classic BASIC runtime the
// activities were designed around: Val, CInt, Int, Fix, Str and Format.
// Everything here is a pure function; nothing touches widgets or files.

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QtGlobal>

namespace kt {

// Val: the longest numeric prefix of `text`. Leading blanks (spaces, tabs)
// are skipped; then an optional sign, digits with at most one decimal point
// and an optional exponent (E or e, optional sign, digits). An "E" without
// digits after it ends the number before the E. Text without a number reads
// as 0. A magnitude too large for a double gives the largest finite double
// with the number's sign (never inf) and sets *overflow when given; one too
// small gives 0. Never throws.
double val(QStringView text, bool* overflow = nullptr);

// Round to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). NaN and infinities are returned unchanged.
double roundHalfEven(double value);

// CInt for the program's 16-bit whole numbers: round half to even, then clamp
// to [-32768, 32767]. NaN gives 0.
qint16 toInt16(double value);

// BASIC Int: round towards minus infinity (Int(-2.5) = -3).
double intFloor(double value);
// BASIC Fix: drop the fraction (Fix(-2.5) = -2).
double fix(double value);

// score + points, stopping at 32767 / -32768 instead of overflowing.
qint16 addSaturating16(qint16 score, int points);

// Str without the leading blank ("plain form") and with it ("spaced form":
// one blank before a non-negative number, "-" before a negative one).
//
// Doubles show up to 15 significant digits, singles up to 7; no trailing
// zeros, no point for whole numbers, no 0 before the point below 1
// (0.5 -> ".5", -0.25 -> "-.25"). With the value written d.ddd x 10^e after
// rounding to those digits, fixed notation is used when -5 < e < 15
// (e < 7 for singles), otherwise exponent form with a sign and at least two
// exponent digits: "1E+20", "1.5E+20", "1E-05", "-2.5E-100".
// Negative zero shows as "0". Infinities show as "1.#INF" / "-1.#INF" and
// NaN as "NaN" (the spaced form puts a blank before "1.#INF" and "NaN").
QString plain(int value);
QString plain(double value);
QString plainSingle(float value);
QString spaced(int value);
QString spaced(double value);
QString spacedSingle(float value);

// Format(value, "0000"): at least `width` digits with leading zeros, a minus
// sign in front of negative numbers (-5 -> "-0005"); longer numbers are kept
// whole (12345 with width 4 -> "12345").
QString zeroPadded(int value, int width);

// "05-Dec-26": two-digit day, English month abbreviation (whatever the
// system locale), two-digit year. An invalid date gives "".
QString mediumDate(QDate date);
// "12-05-2026": month-day-year as stored in score records. Invalid -> "".
QString recordDate(QDate date);
// "16:20:05": 24-hour clock as stored in score records. Invalid -> "".
QString recordTime(QTime time);

// Reads "MM-DD-YYYY" (surrounding blanks allowed). Anything else, or a date
// that does not exist, gives a null QDate.
QDate parseRecordDate(QStringView text);

} // namespace kt
