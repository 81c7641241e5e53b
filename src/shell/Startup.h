// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kt {

// The stand-in for the Windows directory: the user's data location, with a
// trailing "/".
QString GetWindowsDir();

// The program's start: finds the data location, creates the data directory
// (errors ignored; later writes report them) and shows the main window.
void SubMain();

} // namespace kt
