// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message timer with the classic enable semantics: enabling (re)starts the
// interval, the handler runs at every tick while enabled, and a handler that
// disables its timer makes it a one-shot.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace kt {

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, const QString& name, int intervalMs, bool enabled = false);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    int interval() const { return m_interval; }
    // Changing the interval of a running timer restarts its count.
    void setInterval(int ms);

    // The window's `TimerN_Timer` handler.
    void onTimer(std::function<void()> handler) { m_handler = std::move(handler); }

    // Runs the handler now, as a tick would; tests drive timers with it.
    void fire();

private:
    void tick();
    QTimer m_timer;
    int m_interval;
    bool m_enabled = false;
    std::function<void()> m_handler;
};

} // namespace kt
