// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers the spelling tests share: a window found by name once queued
// events have run, and its controls read, typed into and clicked.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

#include <QAction>
#include <QApplication>

namespace kt::test {
namespace w = kt::windows;

inline Form* window(const QString& name) { return processEvents(), Forms::find(name); }
template <typename T = QWidget> T* in(const QString& form, const char* name)
{
    return control<T>(window(form), QString::fromLatin1(name));
}
inline QString textOf(const QString& form, const char* name) { return texts(window(form), {name}).value(0); }
inline bool visible(const QString& form, const char* name) { return !in(form, name)->isHidden(); }
inline void press(const QString& form, const char* button) { click(in(form, button)); }
inline void enterIn(const QString& form, const char* box, const QString& text)
{
    typeText(in(form, box), text);
    pressEnter(in(form, box));
}

} // namespace kt::test
