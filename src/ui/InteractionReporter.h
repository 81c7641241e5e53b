// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the interaction benchmarks (bench/startup.py): prints on standard error,
// with wall-clock times in milliseconds since the epoch,
//   window-paint MS NAME       a window's first paint, once it is flushed
//   label-paint MS NAME TEXT   every flushed paint of a label named in `labels`
//   input MS press|release|double-click   a mouse event as the program gets it
//   place NAME X Y W H         where a menu entry or a named control is on the
//                              screen: the menu bar's and a named window's
//                              controls at its first paint, a menu's entries
//                              when it opens
// so a benchmark can point a real mouse at things and time what follows.
// Installed on the application only when asked for; nothing else reads it.
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

class QWidget;

namespace kt {

class InteractionReporter : public QObject {
public:
    explicit InteractionReporter(const QStringList& labels) : m_labels(labels) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportPlaces(QWidget* window);
    QSet<QObject*> m_paintedWindows;
    QStringList m_labels;
    QHash<QObject*, QString> m_labelTexts;
    ulong m_lastInput = 0;
};

} // namespace kt
