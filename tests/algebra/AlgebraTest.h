// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the algebra window tests share: a window opened in a sandbox and
// made active, typing into its boxes by name, clicking its buttons, and
// reading labels, messages and the focused control.
#include "TestKit.h"
#include "shell/HideScoreFlag.h"
#include "shell/SessionState.h"
#include "ui/Forms.h"

#include <QApplication>
#include <memory>

namespace kt::test {

struct AlgebraFixture {
    std::unique_ptr<Sandbox> sandbox;
    Form* form = nullptr;

    void open(const QString& window)
    {
        sandbox = std::make_unique<Sandbox>();
        form = Forms::show(window);
        QApplication::setActiveWindow(form);
    }
    // A scored solver opened with its HideScore flag and the shared score.
    void open(const QString& window, qint16 hideScore, qint16 solverScore = 0)
    {
        sandbox = std::make_unique<Sandbox>();
        session().SolverScore = solverScore;
        dynamic_cast<HideScoreFlag*>(Forms::get(window))->HideScore = hideScore;
        form = Forms::show(window);
        QApplication::setActiveWindow(form);
    }
    void close() { sandbox.reset(), form = nullptr; }

    TextBox* entry(const QString& name) const { return control<TextBox>(form, name); }
    // Replaces a box's text the way a child does: select all, then type.
    void type(const QString& name, const QString& text) const
    {
        TextBox* box = entry(name);
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            typeText(box, text);
    }
    void press(const QString& button) const { click(control<QWidget>(form, button)); }
    QString text(const QString& name) const { return control<QLabel>(form, name)->text(); }
    QStringList texts(const QStringList& names) const
    {
        QStringList all;
        for (const QString& name : names)
            all << text(name);
        return all;
    }
    bool shown(const QString& name) const { return control<QWidget>(form, name)->isVisible(); }
    QString focused() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // The texts of the message boxes shown so far.
    QStringList messages() const
    {
        QStringList texts;
        for (const MessageRequest& m : sandbox->messages)
            texts << m.text;
        return texts;
    }
};

} // namespace kt::test
