// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fraction window tests share: a sandbox, the window under test,
// its controls by name and the main menu's Fractions levels.
#include "TestKit.h"
#include "shell/MainWindow.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>
#include <QApplication>

namespace kt::test {

struct FractionFixture {
    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void start() { box = std::make_unique<Sandbox>(); }
    void stop() { box.reset(), form = nullptr; }
    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    // Opens the window as the main menu's Fractions entry `level` does.
    Form* openLevel(int level, const QString& window)
    {
        box->makeDataDir();
        Forms::get<MainWindow>(windows::MainWindow)->showForm();
        const QString entry = QStringLiteral("menuFractLevel%1").arg(level);
        Forms::get<MainWindow>(windows::MainWindow)->findChild<QAction*>(entry)->trigger();
        processEvents();
        form = Forms::find(window);
        if (form)
            QApplication::setActiveWindow(form);
        return form;
    }
    template <typename T = QWidget> T* get(const QString& name) const { return control<T>(form, name); }
    QString text(const QString& name) const { return get<QLabel>(name)->text(); }
    QStringList texts(std::initializer_list<const char*> names) const
    {
        QStringList all;
        for (const char* name : names)
            all << text(QString::fromLatin1(name));
        return all;
    }
    bool shown(const QString& name) const { return !get<QWidget>(name)->isHidden(); }
    void fire(const QString& name) const { get<Timer>(name)->fire(); }
    QStringList messages() const
    {
        QStringList texts;
        for (const MessageRequest& m : box->messages)
            texts << m.text;
        return texts;
    }
};

} // namespace kt::test
