// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/Solving.h"

#include "ui/Numbers.h"
#include "ui/TypedNumber.h"

#include <cmath>
#include <string>

namespace kt::algebra {

QString plainWithZero(double value)
{
    QString text = plain(value);
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QLatin1String("-.")))
        text.insert(1, QLatin1Char('0'));
    return text;
}

QString plainSeven(double value) { return plainSingle(float(value)); }
QString spacedSeven(double value) { return spacedSingle(float(value)); }

std::optional<QuadraticWorking> factorQuadratic(double a, double b, double c)
{
    const double b2 = b * b;
    const double fourAC = 4 * a * c;
    if (fourAC > b2)
        return std::nullopt;
    QuadraticWorking w;
    w.discriminant = b2 - fourAC;
    w.twoA = 2 * a;
    const double root = std::sqrt(w.discriminant);
    // q is -b and the root added with the same sign: no cancellation. One
    // root is q / a, the other c / q (the roots multiply to c / a).
    if (b >= 0) {
        const double q = -(b + root) / 2;
        w.f2 = q / a;
        w.f1 = q == 0 ? 0.0 : c / q; // q is 0 only when b and c are both 0
    } else {
        const double q = (root - b) / 2;
        w.f1 = q / a;
        w.f2 = c / q;
    }
    return w;
}

std::optional<CramerSolution> solveCramer(qint16 a1, qint16 b1, qint16 c1, qint16 a2, qint16 b2, qint16 c2)
{
    const qint32 d = qint32(a1) * b2 - qint32(b1) * a2;
    if (d == 0)
        return std::nullopt;
    const qint32 nx = qint32(c1) * b2 - qint32(b1) * c2;
    const qint32 ny = qint32(a1) * c2 - qint32(a2) * c1;
    return CramerSolution{d, double(nx) / d, double(ny) / d};
}

std::optional<QString> scientificText(const QString& typed)
{
    const QString text = typed.trimmed();
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digitAt = [&](qsizetype k) { return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };

    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    // The significant digits as typed, and the power of ten of the first one.
    std::string digits;
    qint64 exponent = -1;
    bool anyDigit = false;
    for (; digitAt(i); ++i) {
        anyDigit = true;
        if (!digits.empty() || text[i] != QLatin1Char('0'))
            digits.push_back(char(text[i].unicode()));
        if (!digits.empty())
            ++exponent;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        for (++i; digitAt(i); ++i) {
            anyDigit = true;
            if (digits.empty() && text[i] == QLatin1Char('0'))
                --exponent;
            else
                digits.push_back(char(text[i].unicode()));
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negativePower = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            negativePower = text[i++] == QLatin1Char('-');
        if (!digitAt(i))
            return std::nullopt;
        qint64 power = 0;
        for (; digitAt(i); ++i)
            power = qMin<qint64>(power * 10 + text[i].digitValue(), 1'000'000'000);
        exponent += negativePower ? -power : power;
    }
    if (i != n || digits.empty())
        return std::nullopt;
    // The value must be one the program can hold: not beyond a double, and
    // not so small that it reads as 0.
    const auto value = readTypedNumber(text, NumberType::Double);
    if (!value || *value == 0)
        return std::nullopt;

    digits.resize(qMax<size_t>(digits.size(), 4), '0');
    int kept = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
    if (digits[3] >= '5')
        ++kept;
    if (kept == 1000) { // 9.995 carries into the next power of ten
        kept = 100;
        ++exponent;
    }
    QString out = negative ? QStringLiteral("-") : QString();
    out += QStringLiteral("%1.%2E%3%4")
               .arg(kept / 100)
               .arg(kept % 100, 2, 10, QLatin1Char('0'))
               .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(qAbs(exponent), 2, 10, QLatin1Char('0'));
    return out;
}

} // namespace kt::algebra
