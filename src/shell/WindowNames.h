// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the program's windows (their objectNames), shared by the main
// menu, the window catalogue and the tests; each constant is named after the
// class that shows the window.
#include <QString>
#include <QStringList>

namespace kt::windows {

inline const QString MainWindow = QStringLiteral("KiteTu");
inline const QString UserNameEntry = QStringLiteral("frmUserName");
inline const QString CurrentScores = QStringLiteral("FormScoreList");
inline const QString PreviousScores = QStringLiteral("frmScores");
inline const QString About = QStringLiteral("About");
inline const QString Essay = QStringLiteral("frmEssay");
inline const QString VisualRewards = QStringLiteral("VisualRewards");

inline const QString Counting = QStringLiteral("frmNumbers");
inline const QString Addition = QStringLiteral("Add_form");
inline const QString Subtraction = QStringLiteral("Sub_form");
inline const QString Multiplication = QStringLiteral("Mul_Form");
inline const QString Division = QStringLiteral("Divide_form");
inline const QString FractionQuiz = QStringLiteral("BasicFractionsForm");
inline const QString AddingFractions = QStringLiteral("AddFractionForm");
inline const QString ReductionTutor = QStringLiteral("BasicFractionReduction");
inline const QString FractionsWithVariables = QStringLiteral("FractionReduction");
inline const QString QuadraticFactoring = QStringLiteral("Factor");
inline const QString SimultaneousEquations = QStringLiteral("SimultaneousLinearEquations");
inline const QString ScientificNotation = QStringLiteral("FrmScientific");
inline const QString SpellingBee = QStringLiteral("Beez");
inline const QString SpellingDrill = QStringLiteral("Spell_It");
inline const QString HomeworkFileName = QStringLiteral("FileNameInput");
inline const QString HomeworkWords = QStringLiteral("InputHomeWork");
inline const QString WordFilePicker = QStringLiteral("InputFileName2");
inline const QString WordSearch = QStringLiteral("WordSearch");
inline const QString Alphabet = QStringLiteral("Alphabet");
inline const QString TellTime = QStringLiteral("TellTime");
inline const QString ClockQuiz = QStringLiteral("TimeLevel1Form");
inline const QString English = QStringLiteral("English");
inline const QString SentenceBuilder = QStringLiteral("English1");

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
