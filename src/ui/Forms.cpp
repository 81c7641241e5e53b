// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Forms.h"

#include "ui/Form.h"

#include <QHash>
#include <QMap>
#include <QPointer>

namespace kt {
namespace {
struct Registry {
    QMap<QString, Forms::Factory> factories;
    QHash<QString, QPointer<Form>> open;
    bool ending = false;
};

Registry& registry()
{
    static Registry r;
    return r;
}
} // namespace

void Forms::registerForm(const QString& name, Factory factory) { registry().factories.insert(name, std::move(factory)); }

bool Forms::isRegistered(const QString& name) { return registry().factories.contains(name); }

QStringList Forms::registeredNames() { return registry().factories.keys(); }

Form* Forms::find(const QString& name)
{
    const auto it = registry().open.constFind(name);
    return it == registry().open.constEnd() ? nullptr : it->data();
}

Form* Forms::get(const QString& name)
{
    if (Form* form = find(name))
        return form;
    const auto it = registry().factories.constFind(name);
    if (it == registry().factories.constEnd())
        return nullptr;
    return (*it)();
}

Form* Forms::show(const QString& name)
{
    Form* form = get(name);
    if (form)
        form->showForm();
    return form;
}

void Forms::unload(const QString& name)
{
    if (Form* form = find(name))
        form->unload();
}

void Forms::adopt(Form* form)
{
    const QString name = form->objectName();
    registry().open.insert(name, form);
    QObject::connect(form, &QObject::destroyed, [name, form] {
        auto& open = registry().open;
        const auto it = open.find(name);
        // A newer instance of the same window may already be registered.
        if (it != open.end() && (it->isNull() || it->data() == form))
            open.erase(it);
    });
}

void Forms::release(Form* form)
{
    auto& open = registry().open;
    const auto it = open.find(form->objectName());
    if (it != open.end() && it->data() == form)
        open.erase(it);
}

bool Forms::programEnding() { return registry().ending; }

void Forms::setProgramEnding(bool ending) { registry().ending = ending; }

void Forms::closeAll()
{
    const auto open = registry().open;
    for (const QPointer<Form>& form : open)
        if (form)
            form->close();
}

void Forms::reset()
{
    closeAll();
    registry().factories.clear();
    registry().ending = false;
}

} // namespace kt
