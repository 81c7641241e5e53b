#include "ui/Sound.h"

#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>

namespace kt {
namespace {
int g_depth = 0;
QList<QPointer<Timer>> g_held;
bool g_releasePosted = false;

void releaseHeldTimers()
{
    g_releasePosted = false;
    // A handler may be playing a sequence of pieces: wait for the last one.
    if (g_depth > 0)
        return;
    const auto held = std::exchange(g_held, {});
    for (const QPointer<Timer>& timer : held)
        if (timer)
            timer->fire();
}

void postRelease()
{
    if (g_held.isEmpty() || g_releasePosted || !QCoreApplication::instance())
        return;
    g_releasePosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &releaseHeldTimers, Qt::QueuedConnection);
}
} // namespace

bool soundPlaying() { return g_depth > 0; }

void holdTimerUntilSoundEnds(Timer* timer)
{
    for (const QPointer<Timer>& held : g_held)
        if (held == timer)
            return;
    g_held.append(timer);
}

void playSound(const QString& name)
{
    WavePlayer* player = platform().wavePlayer.get();
    if (!player)
        return;
    ++g_depth;
    player->play(name);
    --g_depth;
    if (g_depth == 0)
        postRelease();
}

} // namespace kt
