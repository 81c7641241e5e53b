// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names typed by a user that become file names in the data directory (user
// names, homework lists, recorded words): nothing typed may place a file
// outside that directory or make a name the file system cannot hold.
#include <QString>

namespace kt {

// A typed name made safe as a file stem: cut at its first ".", stripped of
// path separators, drive colons, wildcards, quotes, control characters and
// surrounding blanks. Empty when nothing is left.
QString safeFileStem(const QString& typed);

// Whether `name` (a stem with or without extension) can be used as it is:
// not empty, not "." or "..", and free of separators, drive colons,
// wildcards, quotes and control characters.
bool isSafeFileName(const QString& name);

// The first `units` UTF-16 units of `text`, one fewer when the cut would
// split a character outside the basic plane (an emoji) in two.
QString leftWhole(const QString& text, qsizetype units);

} // namespace kt
