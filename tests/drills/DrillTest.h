#pragma once
// Helpers the drill tests share: scripting a problem's digits and its
// choices, and answering the way a child does.
#include "TestKit.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Timer.h"

#include <QTest>

namespace kt::test {

// A value that, once it is the last one scripted, keeps every later draw
// harmless: the right answer goes to option 3 and every wrong choice comes
// out at the top of its range, never equal to the right answer.
constexpr double Tail = 0.999;

// The draw that makes a digit of 1..9, Int(9 r) + 1, come out as `d`.
inline double digit(int d) { return ScriptedRandom::pick(d, 9, 1); }
// The draw that makes a digit of 0..8, Int(9 r), come out as `d`.
inline double lower(int d) { return ScriptedRandom::pick(d, 9, 0); }

// The draw that makes the wrong choice for `expected` come out as `result`.
inline double wrongDraw(int result, int expected)
{
    const int m = qMax(expected, 3);
    return qMin((result + 0.5 - m / 2.0) / m, 0.999);
}

inline QString captionOf(QObject* form, const QString& name)
{
    const QLabel* label = control<QLabel>(form, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

inline OptionButton* option(QObject* form, int index)
{
    return control<OptionButton>(form, elementName(QStringLiteral("Option1"), index));
}

// The choice that shows `answer`; null when none does.
inline OptionButton* choiceShowing(QObject* form, int answer)
{
    for (int i = 1; i <= 3; ++i)
        if (OptionButton* o = option(form, i); o && o->text() == plain(answer))
            return o;
    return nullptr;
}

// Double-clicks the choice showing `answer`; false when no choice shows it.
inline bool answer(QObject* form, int value)
{
    OptionButton* choice = choiceShowing(form, value);
    if (!choice)
        return false;
    doubleClick(choice);
    return true;
}

// Double-clicks a choice that does not show `rightAnswer`.
inline bool answerWrong(QObject* form, int rightAnswer)
{
    for (int i = 1; i <= 3; ++i)
        if (OptionButton* o = option(form, i); o && o->text() != plain(rightAnswer)) {
            doubleClick(o);
            return true;
        }
    return false;
}

inline Timer* timer(QObject* form, const char* name) { return control<Timer>(form, QString::fromLatin1(name)); }

inline bool isYellow(const Form* form, double x, double y) { return drawnColour(form, x, y) == qbColor(14); }
inline bool isMagenta(const Form* form, double x, double y) { return drawnColour(form, x, y) == qbColor(13); }
inline bool isBlack(const Form* form, double x, double y) { return drawnColour(form, x, y) == qbColor(0); }

// A drill window under test: the sandbox, the window opened on scripted
// draws, and its controls by name.
struct DrillFixture {
    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void start() { box = std::make_unique<Sandbox>(); }
    void stop()
    {
        box.reset();
        form = nullptr;
    }
    // Opens `window` with the generator handing out `draws` from the first.
    void openOn(const QString& window, const QList<double>& draws)
    {
        box->random->values = draws;
        box->random->position = 0;
        form = Forms::show(window);
    }
    QString text(const char* name) const { return captionOf(form, QString::fromLatin1(name)); }
    QColor colour(const char* name) const { return control<Label>(form, QString::fromLatin1(name))->foreColor(); }
    bool shown(const char* name) const { return !control<QWidget>(form, QString::fromLatin1(name))->isHidden(); }
};

} // namespace kt::test
