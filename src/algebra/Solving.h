// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of the algebra windows, free of widgets: the quadratic's
// roots, Cramer's rule for two equations, the scientific-notation text and
// the number texts the windows show.
#include <QString>
#include <QtGlobal>
#include <optional>

namespace kt::algebra {

// The plain form with a 0 before the point of a magnitude below 1
// (0.5 -> "0.5", -0.25 -> "-0.25"), up to 15 significant digits.
QString plainWithZero(double value);

// The single-precision displays: up to 7 significant digits. The value must
// fit a single (see fitsNumberType).
QString plainSeven(double value);
QString spacedSeven(double value);

// The working of aY^2 + bY + c = 0 by the quadratic formula.
struct QuadraticWorking {
    double discriminant; // b^2 - 4ac
    double twoA;
    double f1; // (sqrt(D) - b) / 2a
    double f2; // -(b + sqrt(D)) / 2a
};
// Nothing when 4ac > b^2 (no real factors); a must not be 0. The smaller root
// comes from the product of the roots (c / a) rather than from a difference
// of nearly equal numbers, so (1, 10000, 1) keeps its root -.0001, and a
// zero c gives a root of exactly 0.
std::optional<QuadraticWorking> factorQuadratic(double a, double b, double c);

// a1 x + b1 y = c1, a2 x + b2 y = c2 by Cramer's rule. The products of two
// 16-bit coefficients and their differences fit 32 bits exactly.
struct CramerSolution {
    qint32 determinant; // a1 b2 - b1 a2
    double x, y;
};
// Nothing when the determinant is 0.
std::optional<CramerSolution> solveCramer(qint16 a1, qint16 b1, qint16 c1, qint16 a2, qint16 b2, qint16 c2);

// A typed number in the 0.00E+00 form: one non-zero digit, a point, two
// digits rounded half away from zero on the decimal digits as typed (so
// 9.995 gives 1.00E+01), E, the exponent's sign and at least two digits.
// Nothing when the text is not a number in full (blanks around it allowed),
// is zero, or is too large for a double.
std::optional<QString> scientificText(const QString& typed);

} // namespace kt::algebra
