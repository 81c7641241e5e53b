// SPDX-License-Identifier: GPL-3.0-or-later
// English sentence lists (s_noun.dat, p_verb.dat, Adject.dat, Adverb.dat):
// whatever the file holds, read as the sentence builder reads it, gives the
// reference reader's fields in file order (after a UTF-8 byte order mark); a
// file past the cap is refused whole; and the recording that says any word
// is a plain name in the media folder: at most 8 whole characters of the
// word + ".wav", or none at all.
#include "Check.h"
#include "InputFile.h"
#include "Models.h"
#include "early/SentenceRules.h"
#include "ui/DataFile.h"
#include "ui/SafeFileName.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray data = inputBytes(bytes, size);
    const QString path = writeInputFile(QStringLiteral("s_noun.dat"), data);

    const qint64 cap = data.size() / 2 + (data.isEmpty() ? 0 : data.at(0) & 7);
    const std::optional<QByteArray> capped = kt::readWholeFile(path, cap);
    KITE_CHECK(capped.has_value() == (data.size() <= cap));
    const std::optional<QByteArray> read = kt::readWholeFile(path);
    KITE_CHECK(read && *read == data);

    QStringList expected;
    for (const QStringList& line : model::fields(data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data))
        expected << line;
    const QStringList words = kt::readWordList(*read);
    KITE_CHECK(words == expected);

    for (const QString& word : words) {
        const QString recording = kt::wordRecording(word);
        if (recording.isEmpty())
            continue;
        KITE_CHECK(recording.endsWith(QStringLiteral(".wav")));
        const QString stem = recording.chopped(4);
        KITE_CHECK(!stem.isEmpty() && stem.size() <= 8 && word.startsWith(stem));
        KITE_CHECK(!stem.back().isHighSurrogate());
        KITE_CHECK(kt::isSafeFileName(recording) && kt::isSafeFileName(stem));
    }
    return 0;
}
