// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/VariableProduct.h"

#include <cmath>

namespace kt {

VariableProduct multiplyVariableFractions(const VariableFractions& f)
{
    VariableProduct p;
    const float denominator = f.d * f.b;
    if (denominator == 0.0f) {
        p.fault = ProductFault::Denominators;
        return p;
    }
    const float numerator = f.c * f.a;
    p.coefficient = numerator / denominator;
    p.xExponent = f.r + f.t;
    p.yExponent = f.s + f.u;
    if (!std::isfinite(numerator))
        p.fault = ProductFault::Coefficient;
    else if (!std::isfinite(p.coefficient))
        p.fault = ProductFault::Denominators; // too small a magnitude below
    else if (!std::isfinite(p.xExponent))
        p.fault = ProductFault::XExponent;
    else if (!std::isfinite(p.yExponent))
        p.fault = ProductFault::YExponent;
    if (p.fault != ProductFault::None)
        return p;
    // A zero coefficient stands alone; a zero power drops its letter.
    const bool zero = numerator == 0.0f;
    p.showX = !zero && p.xExponent != 0.0f;
    p.showY = !zero && p.yExponent != 0.0f;
    return p;
}

QString coefficientText(float value)
{
    // The single's own value, rounded once: taking it to seven digits first
    // would round twice (6/13 would end in 9 instead of 8).
    QString text = QString::number(double(value), 'f', 6);
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(QLatin1String(".0")))
        text.chop(1);
    if (text == QLatin1String("-0.0"))
        text = QStringLiteral("0.0");
    return text;
}

} // namespace kt
