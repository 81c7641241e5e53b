// SPDX-License-Identifier: GPL-3.0-or-later
// Typed numbers: the first byte picks the type the window computes in, the
// rest is what was typed. Empty, or 0 with no "0" typed, is refused; the value
// is Val's and must fit the type; whole numbers round halves to even.
#include "Check.h"
#include "Models.h"
#include "ui/TypedNumber.h"

#include <cfloat>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size == 0)
        return 0;
    const kt::NumberType type = kt::NumberType(bytes[0] % 3);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes + 1), qsizetype(size - 1));
    const std::optional<double> read = kt::readTypedNumber(text, type);

    const model::Number number = model::val(text);
    if (number.tiny)
        return 0; // may read as 0 (then refused) or as itself: both are sound
    std::optional<double> expected;
    const bool refused = text.trimmed().isEmpty() || (number.value == 0 && !text.contains(u'0')) || number.overflow;
    if (!refused) {
        switch (type) {
        case kt::NumberType::Integer16: {
            const double whole = std::nearbyint(number.value);
            if (whole >= -32768 && whole <= 32767)
                expected = whole;
            break;
        }
        case kt::NumberType::Single:
            if (std::fabs(number.value) <= FLT_MAX)
                expected = number.value;
            break;
        case kt::NumberType::Double: expected = number.value; break;
        }
    }
    KITE_CHECK(read.has_value() == expected.has_value());
    if (read)
        KITE_CHECK(*read == *expected);
    return 0;
}
