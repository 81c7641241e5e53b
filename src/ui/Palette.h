// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' colours: the classic 16-colour palette.
#include <QColor>

namespace kt {

// The classic 16-colour palette by index (0 black .. 15 bright white).
QColor qbColor(int index);

} // namespace kt
