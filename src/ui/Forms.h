// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows by name: the factories that create them and the
// instances that are open. "Show" creates a window that does not exist yet
// and loads it; a window that exists is only brought to the front.
#include <QString>
#include <QStringList>
#include <functional>

namespace kt {

class Form;

class Forms {
public:
    using Factory = std::function<Form*()>;

    static void registerForm(const QString& name, Factory factory);
    static bool isRegistered(const QString& name);
    // Every window that can be shown, by name.
    static QStringList registeredNames();

    // The open instance, or null.
    static Form* find(const QString& name);
    template <typename T> static T* find(const QString& name) { return dynamic_cast<T*>(find(name)); }
    // The instance, created (not yet loaded) when missing; null when no
    // factory is registered. Lets a caller set a public flag before showing.
    static Form* get(const QString& name);
    template <typename T> static T* get(const QString& name) { return dynamic_cast<T*>(get(name)); }
    static Form* show(const QString& name);
    // Closes the named window if it is open, running its own unload.
    static void unload(const QString& name);

    // Called by every Form's constructor so instances created directly are
    // tracked too.
    static void adopt(Form* form);
    // A closed window no longer counts as open.
    static void release(Form* form);

    // The program is ending: windows vanish without their own unload.
    static bool programEnding();
    static void setProgramEnding(bool ending);
    static void closeAll();
    // Forget factories and end state (tests).
    static void reset();
};

} // namespace kt
