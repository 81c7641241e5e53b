// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' colours: the classic 16-colour palette.
#include <QColor>

namespace kt {

// The palette's colours by name; each is its index, so a name goes wherever
// the colour setters (setForeColor, setBackColor, addLine) take an index.
namespace Colour {
enum Index : int {
    Black, Blue, Green, Cyan, Red, Magenta, Brown, LightGrey,
    DarkGrey, LightBlue, LightGreen, LightCyan, LightRed, LightMagenta, Yellow, White,
};
} // namespace Colour

// The classic 16-colour palette by index (Colour::Black .. Colour::White).
QColor qbColor(int index);

} // namespace kt
