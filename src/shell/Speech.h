// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's voice: praise after an answer and numbers read aloud from
// recorded pieces ("300.WAV", "40.WAV", "7.WAV"). Every piece plays to its end
// before the next one starts (kt::playSound).
#include <QString>

namespace kt {

// The praise recording to play after an answer: one of fourteen praise files
// chosen at random when rightFlag is 1, "tryagn2.wav" otherwise. Plays nothing.
QString PickPraise(int rightFlag);

// The early-learning windows (letters, clock) praise from a set of their own:
// eight phrases after a right answer, "tryagain.wav" after a wrong one.
enum class PraiseSet { Drills, Early };

// The early set's phrase for a right answer from r in [0, 1):
// n = CInt(7 r + 1), 1 to 8, so the first and the last come half as often.
QString earlyPraiseFile(double r);

// The praise recording for an answer from `set`. A right answer takes one
// draw of the shared generator.
QString pickPraise(bool right, PraiseSet set);

// Praise after an answer: the recording is drawn always (so the order of
// random draws never depends on the sound switch) and played only when the
// sound is on.
void playPraise(bool right, PraiseSet set = PraiseSet::Drills);

// Speaks `text` when the sound is switched on (soundOn()):
// 0 to 999 from the number recordings, a decimal number digit by digit with
// "point", any other word w as "w.WAV". Beyond the classic set, a negative
// number is spoken "minus" and then its magnitude, and a number of four or
// more digits digit by digit, so no recording outside the set is asked for.
void SayNumber(const QString& text);

// The three parts of SayNumber, which speak whatever sound setting is on:
// 0 to 19 and words, 20 to 99, 100 to 999.
void SaySmall(const QString& text);
void SayTens(const QString& text);
void SayHundreds(const QString& text);

} // namespace kt
