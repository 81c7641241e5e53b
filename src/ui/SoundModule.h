// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's wave player, loaded on first use. The real player (Qt
// Multimedia's sink and libsndfile, with the PulseAudio client, codecs and
// Kerberos libraries they pull in: 22 shared objects) lives in a module of its
// own, kite-sound, that is opened when the first recording plays. Start-up
// then loads none of it, and a window that never speaks never pays for it.
#include "ui/Platform.h"

#include <memory>

namespace kt {

// The module's one entry point: makes the real player, which finds program
// files through `findProgramFile` (the program's own lookup; the module
// shares no state with the program).
#define KITE_SOUND_MODULE_ENTRY "kite_sound_make_player"
using MakeSoundPlayer = WavePlayer* (*)(const std::function<QString(const QString&)>* findProgramFile);

// Where the program looks for the module: lib/kite-tutor beside bin/, in the
// build tree and after an install alike.
QString soundModulePath();

// A wave player that opens the module and makes the real player at its first
// play. Without the module (a broken install) it stays silent and says so
// once on standard error, as a program without a sound server stays silent.
std::unique_ptr<WavePlayer> makeDesktopWavePlayer();

// Whether the module has been opened in this process.
bool soundModuleLoaded();

} // namespace kt
