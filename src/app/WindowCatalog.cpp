// Every window of the program, one line each: its name and how it is made.
#include "app/WindowCatalog.h"

#include "shell/About.h"
#include "algebra/Factor.h"
#include "algebra/FrmScientific.h"
#include "algebra/SimultaneousLinearEquations.h"
#include "algebra/frmEquation.h"
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
#include "shell/Essay.h"
#include "shell/FormScoreList.h"
#include "shell/KiteTu.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "shell/frmScores.h"
#include "shell/frmUserName.h"
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
    Forms::registerForm(windows::UserName, [] { return new frmUserName; });
    Forms::registerForm(windows::CurrentScores, [] { return new FormScoreList; });
    Forms::registerForm(windows::PreviousScores, [] { return new frmScores; });
    Forms::registerForm(windows::VisualRewards, [] { return new VisualRewards; });
    Forms::registerForm(windows::About, [] { return new About; });
    for (int type = 1; type <= 8; ++type)
        Forms::registerForm(windows::equation(type), [type] { return new frmEquation(type); });
    Forms::registerForm(windows::Factor, [] { return new Factor; });
    Forms::registerForm(windows::Simultaneous, [] { return new SimultaneousLinearEquations; });
    Forms::registerForm(windows::Scientific, [] { return new FrmScientific; });
    Forms::registerForm(windows::Alphabet, [] { return new Alphabet; });
    Forms::registerForm(windows::English, [] { return new English; });
    Forms::registerForm(windows::SentenceBuilder, [] { return new English1; });
    Forms::registerForm(windows::TellTime, [] { return new TellTime; });
    Forms::registerForm(windows::ClockQuiz, [] { return new TimeLevel1Form; });
}

} // namespace kt
