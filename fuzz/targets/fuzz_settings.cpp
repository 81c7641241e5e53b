// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: the first three fields, whatever the lines, each 0 or 1
// and anything else 0.
#include "Check.h"
#include "Models.h"
#include "shell/Settings.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    QStringList all;
    for (const QStringList& line : model::fields(data))
        all += line;
    static const QRegularExpression whole(QStringLiteral("^[+-]?0*([01])$"));
    const std::array<qint16, 3> switches = kt::readSettingsSwitches(data);
    for (int i = 0; i < 3; ++i) {
        qint16 expected = 0;
        if (i < all.size()) {
            const QRegularExpressionMatch match = whole.match(all.at(i).trimmed());
            if (match.hasMatch() && !(all.at(i).trimmed().startsWith(u'-') && match.captured(1) == u"1"))
                expected = qint16(match.captured(1).toInt());
        }
        KITE_CHECK(switches[i] == expected);
    }
    return 0;
}
