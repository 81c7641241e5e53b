// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synchronous sound, as the program's activities rely on: a recording plays to
// its end before anything else happens. While it plays, the windows keep
// painting and user input is queued and delivered afterwards; ui timers that
// fall due and windows asked to close meanwhile wait until the handler that
// played the sound has returned.
#include <QObject>
#include <QString>
#include <functional>

namespace kt {

class Timer;

// Plays the named recording synchronously through the platform's wave player.
void playSound(const QString& name);

// True while a recording is playing.
bool soundPlaying();

// A timer that fell due during a sound; it fires once the sound has ended,
// unless it is enabled again or disabled meanwhile.
void holdTimerUntilSoundEnds(Timer* timer);
void forgetHeldTimer(Timer* timer);

// Runs `action` once the sound has ended and the handler that played it has
// returned; nothing runs if `owner` is gone by then.
void runAfterSound(QObject* owner, std::function<void()> action);

} // namespace kt
