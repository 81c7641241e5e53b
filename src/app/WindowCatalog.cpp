// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, one line each: its name and how it is made.
#include "app/WindowCatalog.h"

#include "algebra/EquationSolver.h"
#include "algebra/QuadraticFactoring.h"
#include "algebra/ScientificNotation.h"
#include "algebra/SimultaneousEquations.h"
#include "drills/Addition.h"
#include "drills/Counting.h"
#include "drills/Division.h"
#include "drills/Multiplication.h"
#include "drills/Subtraction.h"
#include "early/Alphabet.h"
#include "early/ClockQuiz.h"
#include "early/English.h"
#include "early/SentenceBuilder.h"
#include "early/TellTime.h"
#include "fractions/AddingFractions.h"
#include "fractions/FractionQuiz.h"
#include "fractions/FractionsWithVariables.h"
#include "fractions/ReductionTutor.h"
#include "shell/About.h"
#include "shell/CurrentScores.h"
#include "shell/Essay.h"
#include "shell/MainWindow.h"
#include "shell/PreviousScores.h"
#include "shell/UserNameEntry.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "spelling/HomeworkFileName.h"
#include "spelling/HomeworkWords.h"
#include "spelling/SpellingBee.h"
#include "spelling/SpellingDrill.h"
#include "spelling/WordFilePicker.h"
#include "spelling/WordSearch.h"
#include "ui/Forms.h"

namespace kt {

void registerWindows()
{
    Forms::registerForm(windows::MainWindow, [] { return new MainWindow; });
    Forms::registerForm(windows::Essay, [] { return new Essay; });
    Forms::registerForm(windows::Counting, [] { return new Counting; });
    Forms::registerForm(windows::Addition, [] { return new Addition; });
    Forms::registerForm(windows::Subtraction, [] { return new Subtraction; });
    Forms::registerForm(windows::Multiplication, [] { return new Multiplication; });
    Forms::registerForm(windows::Division, [] { return new Division; });
    Forms::registerForm(windows::FractionQuiz, [] { return new FractionQuiz; });
    Forms::registerForm(windows::AddingFractions, [] { return new AddingFractions; });
    Forms::registerForm(windows::ReductionTutor, [] { return new ReductionTutor; });
    Forms::registerForm(windows::FractionsWithVariables, [] { return new FractionsWithVariables; });
    Forms::registerForm(windows::UserNameEntry, [] { return new UserNameEntry; });
    Forms::registerForm(windows::CurrentScores, [] { return new CurrentScores; });
    Forms::registerForm(windows::PreviousScores, [] { return new PreviousScores; });
    Forms::registerForm(windows::VisualRewards, [] { return new VisualRewards; });
    Forms::registerForm(windows::About, [] { return new About; });
    for (int type = 1; type <= 8; ++type)
        Forms::registerForm(windows::equation(type), [type] { return new EquationSolver(type); });
    Forms::registerForm(windows::QuadraticFactoring, [] { return new QuadraticFactoring; });
    Forms::registerForm(windows::SimultaneousEquations, [] { return new SimultaneousEquations; });
    Forms::registerForm(windows::ScientificNotation, [] { return new ScientificNotation; });
    Forms::registerForm(windows::SpellingBee, [] { return new SpellingBee; });
    Forms::registerForm(windows::SpellingDrill, [] { return new SpellingDrill; });
    Forms::registerForm(windows::HomeworkFileName, [] { return new HomeworkFileName; });
    Forms::registerForm(windows::HomeworkWords, [] { return new HomeworkWords; });
    Forms::registerForm(windows::WordFilePicker, [] { return new WordFilePicker; });
    Forms::registerForm(windows::WordSearch, [] { return new WordSearch; });
    Forms::registerForm(windows::Alphabet, [] { return new Alphabet; });
    Forms::registerForm(windows::English, [] { return new English; });
    Forms::registerForm(windows::SentenceBuilder, [] { return new SentenceBuilder; });
    Forms::registerForm(windows::TellTime, [] { return new TellTime; });
    Forms::registerForm(windows::ClockQuiz, [] { return new ClockQuiz; });
}

} // namespace kt
