#pragma once
// Synchronous sound, as the program's activities rely on: a recording plays to
// its end before anything else happens. While it plays, the windows keep
// painting, user input is queued and delivered afterwards, and ui timers that
// fall due are held and fired once the handler that played the sound returns.
#include <QString>

namespace kt {

// Plays the named recording synchronously through the platform's wave player.
void playSound(const QString& name);

// True while a recording is playing.
bool soundPlaying();

class Timer;
// A timer that fell due during a sound; fired after the sound ends.
void holdTimerUntilSoundEnds(Timer* timer);

} // namespace kt
