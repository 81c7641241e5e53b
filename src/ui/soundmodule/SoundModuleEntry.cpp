// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the kite-sound module (see ui/SoundModule.h): built into
// the module only, never into the program.
#include "ui/SinkWavePlayer.h"
#include "ui/SoundModule.h"

extern "C" Q_DECL_EXPORT kt::WavePlayer* kite_sound_make_player(
    const std::function<QString(const QString&)>* findProgramFile)
{
    return new kt::SinkWavePlayer(*findProgramFile);
}
