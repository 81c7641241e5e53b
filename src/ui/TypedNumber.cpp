// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TypedNumber.h"

#include "ui/Numbers.h"

#include <cmath>
#include <limits>

namespace kt {

std::optional<qint16> readTypedWhole(const QString& text)
{
    const std::optional<double> value = readTypedNumber(text, NumberType::Double);
    if (!value || *value != std::trunc(*value) || !fitsNumberType(*value, NumberType::Integer16))
        return std::nullopt;
    return qint16(*value);
}

bool fitsNumberType(double value, NumberType type)
{
    if (!std::isfinite(value))
        return false;
    switch (type) {
    case NumberType::Integer16: {
        const double whole = roundHalfEven(value);
        return whole >= -32768.0 && whole <= 32767.0;
    }
    case NumberType::Single:
        return std::fabs(value) <= double(std::numeric_limits<float>::max());
    case NumberType::Double:
        return true;
    }
    return false;
}

std::optional<double> readTypedNumber(const QString& text, NumberType type)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    bool overflow = false;
    const double value = val(text, &overflow);
    // A 0 counts only when the child typed one: "abc" is not zero.
    if (value == 0.0 && !text.contains(QLatin1Char('0')))
        return std::nullopt;
    if (overflow || !fitsNumberType(value, type))
        return std::nullopt;
    if (type == NumberType::Integer16)
        return roundHalfEven(value);
    return value;
}

} // namespace kt
