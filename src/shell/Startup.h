// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kt {

// The stand-in for the Windows directory: the user's data location, with a
// trailing "/".
QString GetWindowsDir();

// Under a file-size limit (ulimit -f) a write past it would end the program
// with SIGXFSZ, half a record written. Ignored, the write fails with "File
// too large" instead, and the writer's own clean-up and message follow.
// Called first thing in main().
void ignoreFileSizeSignal();

// The program's start: finds the data location, creates the data directory
// (errors ignored; later writes report them) and shows the main window.
void SubMain();

} // namespace kt
