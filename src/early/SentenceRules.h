// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English sentence builder without its windows: the word list files, the
// sentence, where the dot under a spoken word goes, the recording that says a
// word, and the pause between words.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kt {

// The entries of a word list file in file order: comma- or line-separated
// fields, a quoted field kept whole (commas and all, quotes dropped), leading
// blanks of an unquoted field skipped, empty lines skipped.
QStringList readWordList(const QByteArray& bytes);

// "That happy puppy jumps quickly.": determiner, adjective, noun, verb and
// adverb joined by single blanks, and a full stop.
QString makeSentence(const QString& determiner, const QString& adjective, const QString& noun,
                     const QString& verb, const QString& adverb);

// The x of the dot under `word` in the drawing coordinates of the builder
// (the sentence centred on x = 0 at 4 units a character):
// 4 x (p + length of word / 2 - length of sentence / 2) - 3, with p the
// 1-based position of the word's first occurrence, 0 when it does not occur.
double dotX(const QString& sentence, const QString& word);

// The recording that says a word: its first 8 characters + ".wav"
// ("elephants" -> "elephant.wav"). Empty, so nothing plays, for an empty word
// and for a typed word that could name a file elsewhere (a path separator, a
// drive colon, a wildcard, a quote).
QString wordRecording(const QString& word);

// The builder's caption for the chosen determiner: "Those" asks for a plural
// noun, anything else for a singular one.
QString builderCaption(const QString& determiner);

// The pause setting, kept within 0..10000: "Say Slower" adds 100, "Say Faster"
// takes 100 away.
inline constexpr int MaxSpeechDelay = 10000;
inline constexpr int SpeechDelayStep = 100;
qint16 slowerDelay(qint16 delay);
qint16 fasterDelay(qint16 delay);

// The pause after each spoken word: one millisecond per unit of the setting,
// so none at 0, a tenth of a second more per "Say Slower", ten seconds at most.
int pauseMilliseconds(qint16 delay);

} // namespace kt
