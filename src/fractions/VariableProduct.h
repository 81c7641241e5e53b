// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product of two fractions with powers of X and Y:
//   (a X^r / b Y^s) * (c X^t / d Y^u) = (ac / bd) X^(r+t) / Y^(s+u),
// worked in single precision, and the texts of its result row.
#include <QString>

namespace kt {

struct VariableFractions {
    float a, b, c, d; // coefficients: a over b, c over d
    float r, s, t, u; // exponents: X^r over Y^s, X^t over Y^u
};

// Which box a product cannot be worked from, when one of them is at fault.
enum class ProductFault { None, Denominators, Coefficient, XExponent, YExponent };

struct VariableProduct {
    ProductFault fault = ProductFault::None;
    float coefficient = 0; // (c * a) / (d * b)
    float xExponent = 0;   // r + t
    float yExponent = 0;   // s + u
    bool showX = false;    // X and its exponent are written
    bool showY = false;    // "/  Y" and its exponent are written
};

// The product, or the fault that keeps it from being shown: denominators
// whose product is 0 in single precision (b = d = 1e-30), or a coefficient
// or exponent that is not a finite single-precision number.
VariableProduct multiplyVariableFractions(const VariableFractions& f);

// The coefficient as the result row shows it: at least one digit before the
// point and one to six after it, rounded ("0.5", "2.0", "0.333333",
// "-0.75"): the single's exact value rounded once to six decimals, so
// 0.1 stays 0.1 and 6/13 gives 0.461538.
QString coefficientText(float value);

} // namespace kt
