// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the early-learning window tests share: scripted draws by result, and
// reading and clicking a window's controls by name.
#include "TestKit.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>

namespace kt::test {

// The draw that makes Int(n r) + k come out as `result`.
inline double draw(int result, int n, int k = 0) { return ScriptedRandom::pick(result, n, k); }
// The draw that makes a random small letter come out as `letter`.
inline double letterDraw(char letter) { return (letter - 97) / 25.0; }

struct EarlyFixture {
    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void start() { box = std::make_unique<Sandbox>(); }
    void stop() { box.reset(), form = nullptr; }
    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    Form* open(const QString& window, const QList<double>& draws = {})
    {
        script(draws);
        return form = Forms::show(window);
    }
    QString text(const QString& name) const
    {
        if (auto* button = form->findChild<QAbstractButton*>(name))
            return button->text();
        return control<QLabel>(form, name)->text();
    }
    void clickOn(const QString& name) const { click(control<QWidget>(form, name)); }
    void trigger(const QString& name) const { control<QAction>(form, name)->trigger(); }
    Timer* timer(const QString& name) const { return control<Timer>(form, name); }
    QStringList played() const { return box->player->played; }
    void forgetPlayed() const { box->player->played.clear(); }
};

} // namespace kt::test
