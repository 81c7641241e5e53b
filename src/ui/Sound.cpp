// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Sound.h"

#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>

namespace kt {
namespace {

struct DeferredAction {
    QPointer<QObject> owner;
    std::function<void()> action;
};

// How many plays are under way: a handler may play a piece while another
// piece's wait is running.
int g_soundNesting = 0;
QList<QPointer<Timer>> g_timersDueAfterSound;
QList<DeferredAction> g_actionsAfterSound;
bool g_releasePosted = false;

void releaseAfterSound()
{
    g_releasePosted = false;
    // A handler may be playing a sequence of pieces: wait for the last one.
    if (g_soundNesting > 0)
        return;
    const auto timers = std::exchange(g_timersDueAfterSound, {});
    for (const QPointer<Timer>& timer : timers)
        if (timer)
            timer->fire();
    const auto actions = std::exchange(g_actionsAfterSound, {});
    for (const DeferredAction& deferred : actions)
        if (deferred.owner)
            deferred.action();
}

// The release runs from the event loop, so only after the handler that played
// the sound has returned.
void postRelease()
{
    if (g_releasePosted || !QCoreApplication::instance())
        return;
    if (g_timersDueAfterSound.isEmpty() && g_actionsAfterSound.isEmpty())
        return;
    g_releasePosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &releaseAfterSound, Qt::QueuedConnection);
}

} // namespace

bool soundPlaying() { return g_soundNesting > 0; }

void holdTimerUntilSoundEnds(Timer* timer)
{
    if (!g_timersDueAfterSound.contains(timer))
        g_timersDueAfterSound.append(timer);
}

void forgetHeldTimer(Timer* timer) { g_timersDueAfterSound.removeAll(timer); }

void runAfterSound(QObject* owner, std::function<void()> action)
{
    g_actionsAfterSound.append({owner, std::move(action)});
    if (!soundPlaying())
        postRelease();
}

void playSound(const QString& name)
{
    WavePlayer* player = platform().wavePlayer.get();
    if (!player)
        return;
    ++g_soundNesting;
    player->play(name);
    --g_soundNesting;
    if (g_soundNesting == 0)
        postRelease();
}

} // namespace kt
