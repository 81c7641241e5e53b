// SPDX-License-Identifier: GPL-3.0-or-later
// The number reader (Val) against strtod on the prefix the documented rule
// takes, and CInt against the default rounding mode.
#include "Check.h"
#include "Models.h"
#include "ui/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    bool overflow = true;
    const double value = kt::val(text, &overflow);
    const model::Number expected = model::val(text);
    KITE_CHECK(model::sameNumber(expected, value));
    KITE_CHECK(overflow == expected.overflow);
    KITE_CHECK(kt::toInt16(value) == model::int16(value));
    return 0;
}
