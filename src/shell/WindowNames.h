// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the program's windows (their objectNames), shared by the main
// menu, the window catalogue and the tests; each constant is named after the
// class that shows the window. They are defined once, in WindowNames.cpp, so
// no window's file builds its own copies at start-up. Being built at start-up
// in an order of their own, they may be referred to, not copied, by other
// constants outside a function.
#include <QString>
#include <QStringList>

namespace kt::windows {

extern const QString MainWindow;
extern const QString UserNameEntry;
extern const QString CurrentScores;
extern const QString PreviousScores;
extern const QString About;
extern const QString Essay;
extern const QString VisualRewards;

extern const QString Counting;
extern const QString Addition;
extern const QString Subtraction;
extern const QString Multiplication;
extern const QString Division;
extern const QString FractionQuiz;
extern const QString AddingFractions;
extern const QString ReductionTutor;
extern const QString FractionsWithVariables;
extern const QString QuadraticFactoring;
extern const QString SimultaneousEquations;
extern const QString ScientificNotation;
extern const QString SpellingBee;
extern const QString SpellingDrill;
extern const QString HomeworkFileName;
extern const QString HomeworkWords;
extern const QString WordFilePicker;
extern const QString WordSearch;
extern const QString Alphabet;
extern const QString TellTime;
extern const QString ClockQuiz;
extern const QString English;
extern const QString SentenceBuilder;

// The equation window of type n (1 to 8).
inline QString equation(int n) { return QStringLiteral("frmEquation%1").arg(n); }

// The activity windows closed before another activity opens, in closing order.
inline QStringList activityCloseOrder()
{
    QStringList order{Subtraction,        Addition,       FractionQuiz,
                      AddingFractions,    ReductionTutor, FractionsWithVariables,
                      Multiplication,     Division,       QuadraticFactoring,
                      SimultaneousEquations, ScientificNotation, SpellingBee};
    for (int n = 1; n <= 8; ++n)
        order << equation(n);
    order << Alphabet << TellTime << English;
    return order;
}

} // namespace kt::windows
