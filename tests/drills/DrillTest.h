// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers the drill tests share: scripted digits and choices, answering the
// way a child does, and a drill window opened on scripted draws.
#include "TestKit.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Timer.h"

#include <functional>

namespace kt::test {

// Last scripted draw: puts the right answer in option 3, never a wrong choice equal to it.
constexpr double Tail = 0.999;
using namespace kt::Colour; // the palette's names: Black, Yellow, White ...

inline double digit(int d) { return ScriptedRandom::pick(d, 9, 1); } // 1..9
inline double lower(int d) { return ScriptedRandom::pick(d, 9, 0); } // 0..8

// The draw that makes the wrong choice for `expected` come out as `result`.
inline double wrongDraw(int result, int expected)
{
    const int m = qMax(expected, 3);
    return qMin((result + 0.5 - m / 2.0) / m, 0.999);
}

inline OptionButton* option(QObject* form, int index)
{
    return control<OptionButton>(form, elementName(QStringLiteral("Option1"), index));
}

// Double-clicks the choice showing `value` (or, when `right` is false, one
// not showing it); false when there is none.
inline bool answer(QObject* form, int value, bool right = true)
{
    for (int i = 1; i <= 3; ++i)
        if (OptionButton* o = option(form, i); o && (o->text() == plain(value)) == right) {
            doubleClick(o);
            return true;
        }
    return false;
}

inline Timer* timer(QObject* form, const char* name) { return control<Timer>(form, QString::fromLatin1(name)); }

struct DrillFixture {
    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void start() { box = std::make_unique<Sandbox>(); }
    void stop() { box.reset(), form = nullptr; }
    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    void openOn(const QString& window, const QList<double>& draws) { script(draws), form = Forms::show(window); }
    QString text(const char* name) const { return control<QLabel>(form, QString::fromLatin1(name))->text(); }
    QStringList texts(std::initializer_list<const char*> names) const
    {
        QStringList all;
        for (const char* name : names)
            all << text(name);
        return all;
    }
    QColor colour(const char* name) const { return control<Label>(form, QString::fromLatin1(name))->foreColor(); }
    bool shown(const char* name) const { return !control<QWidget>(form, QString::fromLatin1(name))->isHidden(); }
    // Whether the window's drawing has colour `qb` at user coordinates (x, y).
    bool drawn(double x, double y, int qb) const { return drawnColour(form, x, y) == qbColor(qb); }
    void fire(const char* name) const { timer(form, name)->fire(); }
    // What Timer2 reads aloud, recordings joined by blanks without ".WAV".
    QString narration() const
    {
        box->player->played.clear();
        fire("Timer2");
        return box->player->played.join(QLatin1Char(' ')).remove(QStringLiteral(".WAV"));
    }
    void clickOn(const char* name) const { click(control<QWidget>(form, QString::fromLatin1(name))); }
    // Checks "x,y,colour x,y,colour ..." of the drawing; returns the first spot that differs.
    QString undrawn(const QString& spots) const
    {
        for (const QString& spot : spots.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (const QStringList p = spot.split(QLatin1Char(',')); !drawn(p[0].toDouble(), p[1].toDouble(), p[2].toInt()))
                return spot;
        return QString();
    }
    // Works through "question:answer|question:answer|...": checks each question,
    // calls `each` with its index, then answers it right.
    void walk(const QString& steps, const std::function<void(int)>& each = {}) const
    {
        const QStringList all = steps.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (int i = 0; i < all.size(); ++i) {
            QCOMPARE(text("QuestionLabel"), all[i].section(QLatin1Char(':'), 0, 0));
            if (each)
                each(i);
            QVERIFY(answer(form, all[i].section(QLatin1Char(':'), 1).toInt()));
        }
    }
};

} // namespace kt::test
