// SPDX-License-Identifier: GPL-3.0-or-later
// Word and homework lists at file level: whatever a file holds is read into
// slots of 16 UTF-16 units that never hold half a character; saved and read
// back, the list has the same words (a double quote, which a field cannot
// hold, comes back as an apostrophe).
#include "Check.h"
#include "InputFile.h"
#include "spelling/WordFiles.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
bool wholeCharacters(const QString& slot)
{
    for (qsizetype i = 0; i < slot.size(); ++i) {
        if (slot.at(i).isHighSurrogate() && (i + 1 == slot.size() || !slot.at(i + 1).isLowSurrogate()))
            return false;
        if (slot.at(i).isLowSurrogate() && (i == 0 || !slot.at(i - 1).isHighSurrogate()))
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString in = writeInputFile(QStringLiteral("in.shw"), inputBytes(bytes, size));
    const QString out = writeInputFile(QStringLiteral("out.shw"), QByteArray());

    QStringList table;
    const kt::WordListRead read = kt::LoadSpellingList(in, table);
    KITE_CHECK(read.found && read.readable && read.count >= 0 && read.count <= kt::spelling::MaxWords);
    for (int slot = 1; slot <= read.count; ++slot) {
        const QString text = kt::slotAt(table, slot);
        KITE_CHECK(text.size() == kt::spelling::WordWidth);
        KITE_CHECK(wholeCharacters(text));
    }

    KITE_CHECK(kt::SaveSpellingList(out, table, read.count).ok);
    QStringList again;
    const kt::WordListRead reread = kt::LoadSpellingList(out, again);
    KITE_CHECK(reread.count == read.count && !reread.tooLong);
    for (int slot = 1; slot <= read.count; ++slot)
        KITE_CHECK(kt::slotAt(again, slot) == kt::slotAt(table, slot).replace(QLatin1Char('"'), QLatin1Char('\'')));
    return 0;
}
