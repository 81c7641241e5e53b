// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composition root: the one place that knows every window of the program.

namespace kt {

// Registers every window of the program with its factory.
void registerWindows();

} // namespace kt
