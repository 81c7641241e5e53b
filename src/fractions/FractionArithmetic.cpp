// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/FractionArithmetic.h"

#include "ui/Numbers.h"

#include <algorithm>
#include <numeric>

namespace kt {

int leastCommonDenominator(int d1, int d2)
{
    if (d1 == d2)
        return d1;
    const int s = std::min(d1, d2);
    const int g = std::max(d1, d2);
    for (int i = 1; i <= 10; ++i) {
        // The quotient is taken in single precision and truncated, as the
        // lesson's working does; exact for the small denominators it poses.
        const int q = int(fix(float(g * i) / float(s)));
        if (s * q == g * i)
            return s * q;
    }
    // Denominators the drill never draws still get a right answer.
    return std::lcm(d1, d2);
}

int numeratorOver(int n, int d, int l) { return int(roundHalfEven(double(n) * l / d)); }

bool subtractionPosable(int n1, int d1, int n2, int d2)
{
    return n1 * d2 - n2 * d1 > 0.1 * d1 * d2;
}

QString decimalText(float value) { return plainSingle(value).left(4); }

float wrongDecimal(float q, const std::function<double()>& nextRandom)
{
    const QString shown = decimalText(q);
    for (;;) {
        const float w = float(nextRandom()) * q + q / 2.0f;
        // A choice that reads like the right one but is graded wrong would
        // be unfair, so it is drawn again as well.
        if (w >= 0.1f && w != q && decimalText(w) != shown)
            return w;
    }
}

} // namespace kt
