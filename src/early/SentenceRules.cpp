// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/SentenceRules.h"

#include "ui/DataFile.h"
#include "ui/SafeFileName.h"

#include <algorithm>

namespace kt {

QStringList readWordList(const QByteArray& bytes)
{
    QStringList words;
    // A list saved by a text editor may start with a UTF-8 byte order mark.
    FieldReader reader(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    while (!reader.atEnd()) {
        const QString word = reader.text();
        if (reader.pastEnd())
            break;
        words << word;
    }
    return words;
}

QString makeSentence(const QString& determiner, const QString& adjective, const QString& noun,
                     const QString& verb, const QString& adverb)
{
    return determiner + QLatin1Char(' ') + adjective + QLatin1Char(' ') + noun + QLatin1Char(' ') + verb +
           QLatin1Char(' ') + adverb + QLatin1Char('.');
}

double dotX(const QString& sentence, const QString& word)
{
    const int p = int(sentence.indexOf(word)) + 1;
    return 4 * (p + word.size() / 2.0 - sentence.size() / 2.0) - 3;
}

QString wordRecording(const QString& word)
{
    if (!isSafeFileName(word))
        return {};
    return leftWhole(word, 8) + QStringLiteral(".wav");
}

QString builderCaption(const QString& determiner)
{
    return determiner == QLatin1String("Those") ? QStringLiteral("Make a sentence with a plural noun.")
                                                 : QStringLiteral("Make a sentence with a singular noun.");
}

qint16 slowerDelay(qint16 delay) { return qint16(std::clamp(delay + SpeechDelayStep, 0, MaxSpeechDelay)); }

qint16 fasterDelay(qint16 delay) { return qint16(std::clamp(delay - SpeechDelayStep, 0, MaxSpeechDelay)); }

int pauseMilliseconds(qint16 delay) { return std::clamp(int(delay), 0, MaxSpeechDelay); }

} // namespace kt
