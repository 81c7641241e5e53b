// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FirstPaintReporter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace kt {

bool FirstPaintReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    if (!m_windowName.isEmpty() && qobject_cast<QWidget*>(watched)->window()->objectName() != m_windowName)
        return false;
    QCoreApplication::instance()->removeEventFilter(this);
    // Reported once the paint has been flushed, after this event is handled.
    QTimer::singleShot(0, [] {
        std::fprintf(stderr, "first-paint-epoch-ms %lld\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    });
    return false;
}

} // namespace kt
