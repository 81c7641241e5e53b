// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowNames.h"

namespace kt::windows {

const QString MainWindow = QStringLiteral("KiteTu");
const QString UserNameEntry = QStringLiteral("frmUserName");
const QString CurrentScores = QStringLiteral("FormScoreList");
const QString PreviousScores = QStringLiteral("frmScores");
const QString About = QStringLiteral("About");
const QString Essay = QStringLiteral("frmEssay");
const QString VisualRewards = QStringLiteral("VisualRewards");

const QString Counting = QStringLiteral("frmNumbers");
const QString Addition = QStringLiteral("Add_form");
const QString Subtraction = QStringLiteral("Sub_form");
const QString Multiplication = QStringLiteral("Mul_Form");
const QString Division = QStringLiteral("Divide_form");
const QString FractionQuiz = QStringLiteral("BasicFractionsForm");
const QString AddingFractions = QStringLiteral("AddFractionForm");
const QString ReductionTutor = QStringLiteral("BasicFractionReduction");
const QString FractionsWithVariables = QStringLiteral("FractionReduction");
const QString QuadraticFactoring = QStringLiteral("Factor");
const QString SimultaneousEquations = QStringLiteral("SimultaneousLinearEquations");
const QString ScientificNotation = QStringLiteral("FrmScientific");
const QString SpellingBee = QStringLiteral("Beez");
const QString SpellingDrill = QStringLiteral("Spell_It");
const QString HomeworkFileName = QStringLiteral("FileNameInput");
const QString HomeworkWords = QStringLiteral("InputHomeWork");
const QString WordFilePicker = QStringLiteral("InputFileName2");
const QString WordSearch = QStringLiteral("WordSearch");
const QString Alphabet = QStringLiteral("Alphabet");
const QString TellTime = QStringLiteral("TellTime");
const QString ClockQuiz = QStringLiteral("TimeLevel1Form");
const QString English = QStringLiteral("English");
const QString SentenceBuilder = QStringLiteral("English1");

} // namespace kt::windows
