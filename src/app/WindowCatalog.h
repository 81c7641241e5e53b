// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composition root: the one place that knows every window of the program.

namespace kt {

// Registers every window of the program with its factory.
void registerWindows();

// The largest window of the program as designed, in twips: the size factor
// must leave room for it on the screen. Previous Scores is the tallest; the
// catalogue test holds this to every registered window.
constexpr int LargestWindowWidthTwips = 12480;
constexpr int LargestWindowHeightTwips = 10080;

} // namespace kt
