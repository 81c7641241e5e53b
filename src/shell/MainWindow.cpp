// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"

#include "shell/HideScoreFlag.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/Settings.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kt {

MainWindow::MainWindow() : Form(windows::MainWindow)
{
    setCaption(QStringLiteral("Kite-Tutor"));
    setBackColor(qbColor(15));
    Timer1 = addTimer(QStringLiteral("Timer1"), 500, false);
    Timer1->onTimer([this] { Timer1_Timer(); });
    buildMenus();
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    // Each entry that opens a window remembers it, to be disabled while that
    // window is not part of the program.
    auto entry = [this](QMenu* menu, const QString& name, const QString& caption, const QString& window,
                        auto handler, bool checked = false) {
        QAction* action = addMenuItem(menu, name, caption, checked);
        connect(action, &QAction::triggered, this, handler);
        if (!window.isEmpty())
            m_windowEntries.append({action, window});
        return action;
    };

    QMenu* menuOptions = addMenu(bar, QStringLiteral("menuOptions"), QStringLiteral("&Options"));
    entry(menuOptions, QStringLiteral("menuAbout"), QStringLiteral("&About Kite-Tutor"), windows::About,
          &MainWindow::menuAbout_Click);
    QMenu* menSound = addMenu(menuOptions, QStringLiteral("menSound"), QStringLiteral("&Sound"));
    menuSoundOn = entry(menSound, QStringLiteral("menuSoundOn"), QStringLiteral("&On"), {},
                        &MainWindow::menuSoundOn_Click, true);
    menuSoundOff = entry(menSound, QStringLiteral("menuSoundOff"), QStringLiteral("O&ff"), {},
                         &MainWindow::menuSoundOff_Click);
    entry(menuOptions, QStringLiteral("menuEssay"), QStringLiteral("&Learning at Home"), windows::Essay,
          &MainWindow::menuEssay_Click);
    entry(menuOptions, QStringLiteral("menuExit"), QStringLiteral("&Exit"), {}, &MainWindow::menuExit_Click);

    QMenu* menuMath = addMenu(bar, QStringLiteral("menuMath"), QStringLiteral("&Math"));
    entry(menuMath, QStringLiteral("mnuNumbers"), QStringLiteral("&Numbers"), windows::Counting,
          &MainWindow::mnuNumbers_Click);

    // A level submenu: entries "Level&1".."Level&n" named prefix1..prefixn.
    auto levels = [&](QMenu* menu, const QString& prefix, int count, const QString& window,
                      void (MainWindow::*handler)(int), const QStringList& captions = {}) {
        QList<QAction*> group;
        for (int level = 1; level <= count; ++level) {
            const QString caption = captions.isEmpty() ? QStringLiteral("Level&%1").arg(level) : captions.at(level - 1);
            QAction* action = addMenuItem(menu, prefix + QString::number(level), caption, level == 1);
            connect(action, &QAction::triggered, this, [this, handler, level] { (this->*handler)(level); });
            group << action;
        }
        m_windowEntries.append({menu->menuAction(), window});
        return group;
    };
    menuAddLevel = levels(addMenu(menuMath, QStringLiteral("menuAdd"), QStringLiteral("&Addition")),
                          QStringLiteral("menuAddLevel"), 2, windows::Addition, &MainWindow::menuAddLevel_Click);
    menuSubLevel = levels(addMenu(menuMath, QStringLiteral("menSub"), QStringLiteral("&Subtraction")),
                          QStringLiteral("menuSubLevel"), 2, windows::Subtraction, &MainWindow::menuSubLevel_Click);
    menuMulLevel = levels(addMenu(menuMath, QStringLiteral("menuMultiply"), QStringLiteral("&Multiplication")),
                          QStringLiteral("menuMulLevel"), 4, windows::Multiplication, &MainWindow::menuMulLevel_Click);
    menuDivLevel = levels(addMenu(menuMath, QStringLiteral("menuDivision"), QStringLiteral("&Division")),
                          QStringLiteral("menuDivLevel"), 3, windows::Division, &MainWindow::menuDivLevel_Click);
    menuFractLevel = levels(addMenu(menuMath, QStringLiteral("menuFraction"), QStringLiteral("&Fractions")),
                            QStringLiteral("menuFractLevel"), 5, QString(), &MainWindow::menuFractLevel_Click,
                            {QStringLiteral("Level&1 (Basic Fractions)"), QStringLiteral("Level&2 (Add Fractions)"),
                             QStringLiteral("Level&3 (Subtract Fractions)"),
                             QStringLiteral("Level&4 (Fraction Reduction #1)"),
                             QStringLiteral("Level&5 (Fraction Reduction #2)")});
    m_windowEntries.removeLast(); // each fraction level has a window of its own
    const QStringList fractionWindows{windows::FractionQuiz, windows::AddingFractions, windows::AddingFractions,
                                      windows::ReductionTutor, windows::FractionsWithVariables};
    for (int i = 0; i < menuFractLevel.size(); ++i)
        m_windowEntries.append({menuFractLevel.at(i), fractionWindows.at(i)});

    QMenu* menuAlgebra = addMenu(menuMath, QStringLiteral("menuAlgebra"), QStringLiteral("&Algebra"));
    mnuEquations = addMenu(menuAlgebra, QStringLiteral("mnuEquations"), QStringLiteral("Solve &Equations"));
    connect(mnuEquations, &QMenu::aboutToShow, this, &MainWindow::mnuEquations_Click);
    const QStringList equationCaptions{
        QStringLiteral("Type #&1, aX=b"), QStringLiteral("Type #&2, X/a=b"), QStringLiteral("Type #&3, aX+b=c"),
        QStringLiteral("Type #&4, X/a+b=c"), QStringLiteral("Type #&5, Hypotenuse of Right Triangle"),
        QStringLiteral("Type #&6, Leg of Right Triangle"), QStringLiteral("Type #&7, a(X+b)=c"),
        QStringLiteral("Type #&8, (x+b)/a=c")};
    for (int type = 1; type <= 8; ++type) {
        QAction* action = addMenuItem(mnuEquations, QStringLiteral("mnuEquations%1").arg(type),
                                      equationCaptions.at(type - 1));
        connect(action, &QAction::triggered, this, [this, type] { mnuEquationsType_Click(type); });
        m_windowEntries.append({action, windows::equation(type)});
    }
    menuFactor = entry(menuAlgebra, QStringLiteral("menuFactor"), QStringLiteral("Factor &Polynomials"),
                       windows::QuadraticFactoring, &MainWindow::menuFactor_Click, true);
    menuSimultaneous = entry(menuAlgebra, QStringLiteral("menuSimultaneous"), QStringLiteral("&Solve Simultaneous Eq."),
                             windows::SimultaneousEquations, &MainWindow::menuSimultaneous_Click);
    entry(menuMath, QStringLiteral("mnuScientific"), QStringLiteral("&Scientific Notation"), windows::ScientificNotation,
          &MainWindow::mnuScientific_Click);

    // Top-level entries that act at once.
    auto topEntry = [&](const QString& name, const QString& caption, const QString& window, auto handler) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        m_windowEntries.append({action, window});
    };
    topEntry(QStringLiteral("mnuAlphabet"), QStringLiteral("&Alphabet"), windows::Alphabet, &MainWindow::mnuAlphabet_Click);
    topEntry(QStringLiteral("mnuSpelling"), QStringLiteral("&Spelling"), windows::SpellingBee, &MainWindow::mnuSpelling_Click);
    topEntry(QStringLiteral("mnuEnglish"), QStringLiteral("&English"), windows::English, &MainWindow::mnuEnglish_Click);
    topEntry(QStringLiteral("mnuTellTime"), QStringLiteral("&Tell Time"), windows::TellTime, &MainWindow::mnuTellTime_Click);

    QMenu* menuScores = addMenu(bar, QStringLiteral("menuScores"), QStringLiteral("&Scores"));
    entry(menuScores, QStringLiteral("mnuCurrentScores"), QStringLiteral("See &Current Scores"), windows::CurrentScores,
          &MainWindow::mnuCurrentScores_Click);
    entry(menuScores, QStringLiteral("mnuPreviousScores"), QStringLiteral("See &All Previous Scores"),
          windows::PreviousScores, &MainWindow::mnuPreviousScores_Click);
    entry(menuScores, QStringLiteral("mnuChangeUser"), QStringLiteral("Change &User Name"), windows::UserNameEntry,
          &MainWindow::mnuChangeUser_Click);
}

void MainWindow::enableAvailableEntries()
{
    for (const auto& [action, window] : m_windowEntries)
        action->setEnabled(Forms::isRegistered(window));
}

// ---------------------------------------------------------------- load and unload

void MainWindow::Form_Load()
{
    setSizeTwips(WidthTwips, HeightTwips);
    centre();
    const QString picture = platform().paths.findProgramFile(QStringLiteral("dog.bmp"));
    if (!picture.isEmpty())
        setPicture(picture);

    SessionState& s = session();
    s.AddLevel = s.SubLevel = s.MulLevel = s.DivLevel = 1;
    LoadSettings();
    setMenuChecked(menuSoundOn, s.SoundOn);
    setMenuChecked(menuSoundOff, !s.SoundOn);
    enableAvailableEntries();
    Timer1->setEnabled(true);
}

void MainWindow::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    QString error;
    if (!WriteScoreRecord(session().UserName, &error))
        msgBox(error, MsgButtons::Ok, MsgIcon::Exclamation);
    if (!SaveSettings(&error))
        msgBox(QStringLiteral("The settings could not be saved:\n%1").arg(error), MsgButtons::Ok, MsgIcon::Exclamation);
    // The program ends at once: the other windows vanish without their own
    // unload handling.
    Forms::setProgramEnding(true);
    Forms::closeAll();
    platform().endProgram();
}

void MainWindow::Timer1_Timer()
{
    Timer1->setEnabled(false);
    Forms::show(windows::UserNameEntry);
}

// ---------------------------------------------------------------- Options

void MainWindow::menuAbout_Click()
{
    if (Form* about = Forms::get(windows::About)) {
        if (auto* title = about->findChild<Label*>(QStringLiteral("Label1")))
            title->setText(QStringLiteral("Kite-Tutor"));
        about->showForm();
    }
}

void MainWindow::menuSoundOn_Click()
{
    session().SoundOn = true;
    setMenuChecked(menuSoundOn, true);
    setMenuChecked(menuSoundOff, false);
}

void MainWindow::menuSoundOff_Click()
{
    session().SoundOn = false;
    setMenuChecked(menuSoundOff, true);
    setMenuChecked(menuSoundOn, false);
}

void MainWindow::menuEssay_Click() { Forms::show(windows::Essay); }

void MainWindow::menuExit_Click() { unload(); }

// ---------------------------------------------------------------- Math

void MainWindow::mnuNumbers_Click() { showActivity(windows::Counting); }

void MainWindow::menuAddLevel_Click(int level)
{
    chooseDrillLevel(session().AddLevel, menuAddLevel, level, windows::Addition);
}

void MainWindow::menuSubLevel_Click(int level)
{
    chooseDrillLevel(session().SubLevel, menuSubLevel, level, windows::Subtraction);
}

void MainWindow::menuMulLevel_Click(int level)
{
    chooseDrillLevel(session().MulLevel, menuMulLevel, level, windows::Multiplication);
}

void MainWindow::menuDivLevel_Click(int level)
{
    chooseDrillLevel(session().DivLevel, menuDivLevel, level, windows::Division);
}

void MainWindow::menuFractLevel_Click(int level)
{
    UnloadActivityWindows();
    checkOnly(menuFractLevel, level);
    switch (level) {
    case 1:
        setHideScore(windows::FractionQuiz, 0);
        Forms::show(windows::FractionQuiz);
        break;
    case 2:
    case 3:
        session().FractionAddMode = level == 2 ? 1 : 0;
        Forms::show(windows::AddingFractions);
        break;
    case 4:
        setHideScore(windows::ReductionTutor, 0);
        Forms::show(windows::ReductionTutor);
        break;
    case 5:
        setHideScore(windows::FractionsWithVariables, -1);
        Forms::show(windows::FractionsWithVariables);
        break;
    }
}

void MainWindow::mnuEquations_Click()
{
    UnloadActivityWindows();
    setMenuChecked(menuFactor, false);
    setMenuChecked(menuSimultaneous, false);
}

void MainWindow::mnuEquationsType_Click(int type) { Forms::show(windows::equation(type)); }

void MainWindow::menuFactor_Click()
{
    UnloadActivityWindows();
    setMenuChecked(menuFactor, true);
    setMenuChecked(menuSimultaneous, false);
    setMenuChecked(mnuEquations->menuAction(), false);
    setHideScore(windows::QuadraticFactoring, -1);
    Forms::show(windows::QuadraticFactoring);
}

void MainWindow::menuSimultaneous_Click()
{
    UnloadActivityWindows();
    setMenuChecked(menuSimultaneous, true);
    setMenuChecked(menuFactor, false);
    setMenuChecked(mnuEquations->menuAction(), false);
    setHideScore(windows::SimultaneousEquations, -1);
    Forms::show(windows::SimultaneousEquations);
}

void MainWindow::mnuScientific_Click() { showActivity(windows::ScientificNotation); }

// ---------------------------------------------------------------- other activities

void MainWindow::mnuAlphabet_Click() { showActivity(windows::Alphabet); }

void MainWindow::mnuSpelling_Click() { showActivity(windows::SpellingBee); }

void MainWindow::mnuEnglish_Click() { showActivity(windows::English); }

void MainWindow::mnuTellTime_Click() { showActivity(windows::TellTime); }

// ---------------------------------------------------------------- Scores

void MainWindow::mnuCurrentScores_Click() { Forms::show(windows::CurrentScores); }

void MainWindow::mnuPreviousScores_Click() { Forms::show(windows::PreviousScores); }

void MainWindow::mnuChangeUser_Click() { Forms::show(windows::UserNameEntry); }

// ---------------------------------------------------------------- private procedures

void MainWindow::UnloadActivityWindows()
{
    for (const QString& window : windows::activityCloseOrder())
        Forms::unload(window);
}

void MainWindow::chooseDrillLevel(qint16& levelVariable, const QList<QAction*>& group, int level, const QString& window)
{
    UnloadActivityWindows();
    levelVariable = qint16(level);
    checkOnly(group, level);
    Forms::show(window);
}

void MainWindow::checkOnly(const QList<QAction*>& group, int chosen)
{
    for (int i = 0; i < group.size(); ++i)
        setMenuChecked(group.at(i), i + 1 == chosen);
}

void MainWindow::setHideScore(const QString& window, qint16 flag)
{
    if (auto* scored = dynamic_cast<HideScoreFlag*>(Forms::get(window)))
        scored->HideScore = flag;
}

void MainWindow::showActivity(const QString& window)
{
    UnloadActivityWindows();
    Forms::show(window);
}

} // namespace kt
