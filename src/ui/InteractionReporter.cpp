// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InteractionReporter.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace kt {

namespace {

void print(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }

// Reported once the paint has been flushed, after the event is handled.
void printAfterPaint(const QString& what)
{
    QTimer::singleShot(0, [what] { print(what.arg(now())); });
}

QString place(const QString& name, const QRect& globalRect)
{
    return QStringLiteral("place %1 %2 %3 %4 %5")
        .arg(name)
        .arg(globalRect.x())
        .arg(globalRect.y())
        .arg(globalRect.width())
        .arg(globalRect.height());
}

QString actionName(const QAction* action)
{
    if (action->menu() && !action->menu()->objectName().isEmpty())
        return action->menu()->objectName();
    return action->objectName();
}

void reportMenuEntries(QWidget* bar, const QList<QAction*>& actions,
                       const std::function<QRect(QAction*)>& geometry)
{
    for (QAction* action : actions)
        if (!actionName(action).isEmpty() && !action->isSeparator())
            print(place(actionName(action), QRect(bar->mapToGlobal(geometry(action).topLeft()), geometry(action).size())));
}

} // namespace

void InteractionReporter::reportPlaces(QWidget* window)
{
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        reportMenuEntries(bar, bar->actions(), [bar](QAction* a) { return bar->actionGeometry(a); });
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && child->isVisible() && !qobject_cast<QMenu*>(child))
            print(place(child->objectName(), QRect(child->mapToGlobal(QPoint(0, 0)), child->size())));
}

bool InteractionReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Paint: {
        QWidget* window = widget->window();
        if (!m_paintedWindows.contains(window) && !qobject_cast<QMenu*>(window)) {
            m_paintedWindows.insert(window);
            connect(window, &QObject::destroyed, this, [this, window] { m_paintedWindows.remove(window); });
            printAfterPaint(QStringLiteral("window-paint %1 ") + window->objectName());
            QPointer<QWidget> guard(window);
            QTimer::singleShot(0, this, [this, guard] {
                if (guard)
                    reportPlaces(guard);
            });
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && m_labels.contains(label->objectName())) {
            if (m_labelTexts.value(label) != label->text()) {
                m_labelTexts.insert(label, label->text());
                printAfterPaint(QStringLiteral("label-paint %1 ") + label->objectName() + QLatin1Char(' ') + label->text());
            }
        }
        break;
    }
    case QEvent::Show:
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            QPointer<QMenu> guard(menu);
            // The entries have their places once the menu is laid out.
            QTimer::singleShot(0, this, [guard] {
                if (guard)
                    reportMenuEntries(guard, guard->actions(), [m = guard.data()](QAction* a) { return m->actionGeometry(a); });
            });
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // An event travels up to its receiver's parents: report it once.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const ulong stamp = mouse->timestamp() * 4 + ulong(event->type() - QEvent::MouseButtonPress);
        if (stamp == m_lastInput)
            break;
        m_lastInput = stamp;
        const char* kind = event->type() == QEvent::MouseButtonPress     ? "press"
                           : event->type() == QEvent::MouseButtonRelease ? "release"
                                                                          : "double-click";
        print(QStringLiteral("input %1 %2 ").arg(now()).arg(QLatin1String(kind)) + widget->objectName());
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace kt
