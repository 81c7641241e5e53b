// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control array: several controls of one kind under one name, addressed by
// index ("Label1(0)".."Label1(8)", "Option1(1)".."Option1(3)"), numbered from
// 0 or 1 as the window numbers them. Handlers connected through on() receive
// the element's index first, then the signal's own arguments.
#include <QMap>
#include <QObject>
#include <QString>

namespace kt {

template <typename Control>
class ControlArray {
public:
    explicit ControlArray(QString name = QString()) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    void add(int index, Control* control) { m_elements.insert(index, control); }
    // The element with this index, or null when there is none.
    Control* operator[](int index) const { return m_elements.value(index, nullptr); }
    Control* at(int index) const { return (*this)[index]; }
    bool contains(int index) const { return m_elements.contains(index); }
    int count() const { return int(m_elements.size()); }
    int lowerBound() const { return m_elements.isEmpty() ? 0 : m_elements.firstKey(); }
    QList<int> indices() const { return m_elements.keys(); }
    // The index of an element, or -1.
    int indexOf(const Control* control) const
    {
        for (auto it = m_elements.cbegin(); it != m_elements.cend(); ++it)
            if (it.value() == control)
                return it.key();
        return -1;
    }

    // Connects `signal` of every element to handler(index, args...).
    template <typename Sender, typename... Args, typename Handler>
    void on(void (Sender::*signal)(Args...), QObject* context, Handler handler) const
    {
        for (auto it = m_elements.cbegin(); it != m_elements.cend(); ++it) {
            const int index = it.key();
            QObject::connect(it.value(), signal, context,
                             [handler, index](Args... args) { handler(index, std::forward<Args>(args)...); });
        }
    }

    auto begin() const { return m_elements.cbegin(); }
    auto end() const { return m_elements.cend(); }

private:
    QString m_name;
    QMap<int, Control*> m_elements;
};

} // namespace kt
