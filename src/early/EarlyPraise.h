// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The early-learning windows (letters, clock) praise from a set of their own:
// eight phrases after a right answer, "tryagain.wav" after a wrong one.
#include <QString>

namespace kt {

// The praise for a right answer from r in [0, 1): n = CInt(7 r + 1), 1 to 8,
// so the first and the last phrase come half as often as the others.
QString earlyPraiseFile(double r);

// The recording after an answer; a right answer takes one draw of the shared
// generator (drawn whether or not the sound is on, so the order of draws never
// depends on the sound switch).
QString earlyPraise(bool right);

// Plays earlyPraise(right) when the sound is on.
void playEarlyPraise(bool right);

} // namespace kt
