// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Timer.h"

#include "ui/Sound.h"

namespace kt {

Timer::Timer(QObject* parent, const QString& name, int intervalMs, bool enabled)
    : QObject(parent), m_interval(intervalMs)
{
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setEnabled(enabled);
}

void Timer::setEnabled(bool on)
{
    // A tick held during a sound belongs to the old interval.
    forgetHeldTimer(this);
    m_enabled = on;
    if (on && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    if (m_enabled)
        setEnabled(true);
}

void Timer::tick()
{
    if (soundPlaying()) {
        holdTimerUntilSoundEnds(this);
        return;
    }
    fire();
}

void Timer::fire()
{
    if (!m_enabled)
        return;
    if (m_handler)
        m_handler();
}

} // namespace kt
