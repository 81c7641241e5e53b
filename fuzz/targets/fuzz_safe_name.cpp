// SPDX-License-Identifier: GPL-3.0-or-later
// Safe file names: what is typed before the first "." without separators,
// drive colons, wildcards, quotes or unprintable characters, blanks trimmed;
// the result is always accepted, and nothing with a separator ever is.
#include "Check.h"
#include "ui/SafeFileName.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    QString expected;
    for (const QChar c : typed) {
        if (c == u'.')
            break;
        if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c))
            expected += c;
    }
    expected = expected.trimmed();
    const QString safe = kt::safeFileStem(typed);
    KITE_CHECK(safe == expected);
    KITE_CHECK(safe.isEmpty() || kt::isSafeFileName(safe));
    KITE_CHECK(kt::safeFileStem(safe) == safe);
    if (typed.contains(u'/') || typed.contains(u'\\') || typed.contains(u'\0') || typed == u"." || typed == u"..")
        KITE_CHECK(!kt::isSafeFileName(typed));
    return 0;
}
