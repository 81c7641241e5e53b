// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmark: prints the wall-clock time at which the first
// paint of a window has been handed to the display ("first-paint-epoch-ms N"
// on standard error). Installed on the application only when asked for.
#include <QObject>
#include <QString>

namespace kt {

class FirstPaintReporter : public QObject {
public:
    // An empty name reports the first paint of any window.
    explicit FirstPaintReporter(const QString& windowName = QString()) : m_windowName(windowName) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_windowName;
};

} // namespace kt
