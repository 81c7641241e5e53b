// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, one line each: its name and how it is made.
#include "app/WindowCatalog.h"

#include "shell/About.h"
#include "algebra/QuadraticFactoring.h"
#include "algebra/ScientificNotation.h"
#include "algebra/SimultaneousEquations.h"
#include "algebra/EquationSolver.h"
#include "drills/Add_form.h"
#include "drills/Divide_form.h"
#include "drills/Mul_Form.h"
#include "drills/frmNumbers.h"
#include "drills/Sub_form.h"
#include "early/Alphabet.h"
#include "early/English.h"
#include "early/English1.h"
#include "early/TellTime.h"
#include "early/TimeLevel1Form.h"
#include "fractions/AddFractionForm.h"
#include "fractions/BasicFractionReduction.h"
#include "fractions/BasicFractionsForm.h"
#include "fractions/FractionsWithVariables.h"
#include "shell/Essay.h"
#include "shell/FormScoreList.h"
#include "shell/KiteTu.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "shell/frmScores.h"
#include "shell/frmUserName.h"
#include "spelling/Beez.h"
#include "spelling/FileNameInput.h"
#include "spelling/InputFileName2.h"
#include "spelling/InputHomeWork.h"
#include "spelling/Spell_It.h"
#include "spelling/WordSearch.h"
#include "ui/Forms.h"

namespace kt {

void registerWindows()
{
    Forms::registerForm(windows::MainWindow, [] { return new KiteTu; });
    Forms::registerForm(windows::Essay, [] { return new Essay; });
    Forms::registerForm(windows::Numbers, [] { return new frmNumbers; });
    Forms::registerForm(windows::Addition, [] { return new AddForm; });
    Forms::registerForm(windows::Subtraction, [] { return new SubForm; });
    Forms::registerForm(windows::Multiplication, [] { return new MulForm; });
    Forms::registerForm(windows::Division, [] { return new DivideForm; });
    Forms::registerForm(windows::BasicFractions, [] { return new BasicFractionsForm; });
    Forms::registerForm(windows::AddFractions, [] { return new AddFractionForm; });
    Forms::registerForm(windows::FractionReduction1, [] { return new BasicFractionReduction; });
    Forms::registerForm(windows::FractionReduction2, [] { return new FractionsWithVariables; });
    Forms::registerForm(windows::UserName, [] { return new frmUserName; });
    Forms::registerForm(windows::CurrentScores, [] { return new FormScoreList; });
    Forms::registerForm(windows::PreviousScores, [] { return new frmScores; });
    Forms::registerForm(windows::VisualRewards, [] { return new VisualRewards; });
    Forms::registerForm(windows::About, [] { return new About; });
    for (int type = 1; type <= 8; ++type)
        Forms::registerForm(windows::equation(type), [type] { return new EquationSolver(type); });
    Forms::registerForm(windows::Factor, [] { return new QuadraticFactoring; });
    Forms::registerForm(windows::Simultaneous, [] { return new SimultaneousEquations; });
    Forms::registerForm(windows::Scientific, [] { return new ScientificNotation; });
    Forms::registerForm(windows::SpellingBee, [] { return new Beez; });
    Forms::registerForm(windows::SpellingDrill, [] { return new Spell_It; });
    Forms::registerForm(windows::HomeworkFileName, [] { return new FileNameInput; });
    Forms::registerForm(windows::HomeworkWords, [] { return new InputHomeWork; });
    Forms::registerForm(windows::WordFilePicker, [] { return new InputFileName2; });
    Forms::registerForm(windows::WordSearch, [] { return new WordSearch; });
    Forms::registerForm(windows::Alphabet, [] { return new Alphabet; });
    Forms::registerForm(windows::English, [] { return new English; });
    Forms::registerForm(windows::SentenceBuilder, [] { return new English1; });
    Forms::registerForm(windows::TellTime, [] { return new TellTime; });
    Forms::registerForm(windows::ClockQuiz, [] { return new TimeLevel1Form; });
}

} // namespace kt
