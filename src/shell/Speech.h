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

// Speaks `text` when the sound is switched on (session().SoundOn != 0):
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
