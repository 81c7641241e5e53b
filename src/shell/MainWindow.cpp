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
    setBackColor(qbColor(Colour::White));
    Timer1 = addTimer(QStringLiteral("Timer1"), 500, false);
    Timer1->onTimer([this] { Timer1_Timer(); });
    buildMenus();
}

namespace {
const QString NoWindow;
} // namespace

// A menu entry that opens a window (or acts, when `window` is empty).
struct MainWindow::Entry {
    const char* name;
    const char* caption;
    const QString& window;
    void (MainWindow::*handler)();
    bool ticked = false;
};

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    QAction* options = addSubmenu(bar, QStringLiteral("menuOptions"), QStringLiteral("&Options"));
    addEntry(options, {"menuAbout", "&About Kite-Tutor", windows::About, &MainWindow::menuAbout_Click});
    QAction* sound = addSubmenu(options, QStringLiteral("menSound"), QStringLiteral("&Sound"));
    menuSoundOn = addEntry(sound, {"menuSoundOn", "&On", NoWindow, &MainWindow::menuSoundOn_Click, true});
    menuSoundOff = addEntry(sound, {"menuSoundOff", "O&ff", NoWindow, &MainWindow::menuSoundOff_Click});
    addEntry(options, {"menuEssay", "&Learning at Home", windows::Essay, &MainWindow::menuEssay_Click});
    addEntry(options, {"menuExit", "&Exit", NoWindow, &MainWindow::menuExit_Click});

    QAction* math = addSubmenu(bar, QStringLiteral("menuMath"), QStringLiteral("&Math"));
    addEntry(math, {"mnuNumbers", "&Numbers", windows::Counting, &MainWindow::mnuNumbers_Click});
    buildLevelMenus(math);
    buildAlgebraMenu(math);
    addEntry(math, {"mnuScientific", "&Scientific Notation", windows::ScientificNotation, &MainWindow::mnuScientific_Click});

    // Top-level entries that act at once.
    const Entry topEntries[] = {
        {"mnuAlphabet", "&Alphabet", windows::Alphabet, &MainWindow::mnuAlphabet_Click},
        {"mnuSpelling", "&Spelling", windows::SpellingBee, &MainWindow::mnuSpelling_Click},
        {"mnuEnglish", "&English", windows::English, &MainWindow::mnuEnglish_Click},
        {"mnuTellTime", "&Tell Time", windows::TellTime, &MainWindow::mnuTellTime_Click},
    };
    for (const Entry& entry : topEntries) {
        QAction* action = bar->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.handler);
        m_windowEntries.append({action, entry.window});
    }

    QAction* scores = addSubmenu(bar, QStringLiteral("menuScores"), QStringLiteral("&Scores"));
    addEntry(scores, {"mnuCurrentScores", "See &Current Scores", windows::CurrentScores, &MainWindow::mnuCurrentScores_Click});
    addEntry(scores, {"mnuPreviousScores", "See &All Previous Scores", windows::PreviousScores,
                      &MainWindow::mnuPreviousScores_Click});
    addEntry(scores, {"mnuChangeUser", "Change &User Name", windows::UserNameEntry, &MainWindow::mnuChangeUser_Click});
}

QAction* MainWindow::addEntry(QAction* submenu, const Entry& entry)
{
    QAction* action = addMenuItem(submenu, QString::fromLatin1(entry.name), QString::fromLatin1(entry.caption),
                                  entry.ticked);
    connect(action, &QAction::triggered, this, entry.handler);
    // Disabled while its window is not part of the program.
    if (!entry.window.isEmpty())
        m_windowEntries.append({action, entry.window});
    return action;
}

void MainWindow::buildLevelMenus(QAction* math)
{
    // Each level submenu: entries "Level&1".."Level&n" named prefix1..prefixn.
    const struct {
        const char* name;
        const char* caption;
        const char* prefix;
        QList<QAction*> MainWindow::*group;
        void (MainWindow::*handler)(int);
        QStringList windows; // one for the whole submenu, or one per level
    } levelMenus[] = {
        {"menuAdd", "&Addition", "menuAddLevel", &MainWindow::menuAddLevel, &MainWindow::menuAddLevel_Click,
         {windows::Addition, windows::Addition}},
        {"menSub", "&Subtraction", "menuSubLevel", &MainWindow::menuSubLevel, &MainWindow::menuSubLevel_Click,
         {windows::Subtraction, windows::Subtraction}},
        {"menuMultiply", "&Multiplication", "menuMulLevel", &MainWindow::menuMulLevel, &MainWindow::menuMulLevel_Click,
         QStringList(4, windows::Multiplication)},
        {"menuDivision", "&Division", "menuDivLevel", &MainWindow::menuDivLevel, &MainWindow::menuDivLevel_Click,
         QStringList(3, windows::Division)},
        {"menuFraction", "&Fractions", "menuFractLevel", &MainWindow::menuFractLevel, &MainWindow::menuFractLevel_Click,
         {windows::FractionQuiz, windows::AddingFractions, windows::AddingFractions, windows::ReductionTutor,
          windows::FractionsWithVariables}},
    };
    const char* const fractionCaptions[] = {"Level&1 (Basic Fractions)", "Level&2 (Add Fractions)",
                                            "Level&3 (Subtract Fractions)", "Level&4 (Fraction Reduction #1)",
                                            "Level&5 (Fraction Reduction #2)"};
    for (const auto& levels : levelMenus) {
        QAction* submenu = addSubmenu(math, QString::fromLatin1(levels.name), QString::fromLatin1(levels.caption));
        const bool fractions = levels.group == &MainWindow::menuFractLevel;
        QList<QAction*>& group = this->*levels.group;
        for (int level = 1; level <= levels.windows.size(); ++level) {
            const QString caption = fractions ? QString::fromLatin1(fractionCaptions[level - 1])
                                              : QStringLiteral("Level&%1").arg(level);
            QAction* action = addMenuItem(submenu, QString::fromLatin1(levels.prefix) + QString::number(level),
                                          caption, level == 1);
            connect(action, &QAction::triggered, this, [this, handler = levels.handler, level] {
                (this->*handler)(level);
            });
            group << action;
            // A drill's levels share one window: its submenu stands for them all.
            if (fractions)
                m_windowEntries.append({action, levels.windows.at(level - 1)});
        }
        if (!fractions)
            m_windowEntries.append({submenu, levels.windows.first()});
    }
}

void MainWindow::buildAlgebraMenu(QAction* math)
{
    QAction* algebra = addSubmenu(math, QStringLiteral("menuAlgebra"), QStringLiteral("&Algebra"));
    mnuEquations = addSubmenu(algebra, QStringLiteral("mnuEquations"), QStringLiteral("Solve &Equations"),
                              [this] { mnuEquations_Click(); });
    const char* const equationCaptions[] = {
        "Type #&1, aX=b",     "Type #&2, X/a=b", "Type #&3, aX+b=c", "Type #&4, X/a+b=c", "Type #&5, Hypotenuse of Right Triangle",
        "Type #&6, Leg of Right Triangle", "Type #&7, a(X+b)=c", "Type #&8, (x+b)/a=c"};
    for (int type = 1; type <= 8; ++type) {
        QAction* action = addMenuItem(mnuEquations, QStringLiteral("mnuEquations%1").arg(type),
                                      QString::fromLatin1(equationCaptions[type - 1]));
        connect(action, &QAction::triggered, this, [this, type] { mnuEquationsType_Click(type); });
        m_windowEntries.append({action, windows::equation(type)});
    }
    menuFactor = addEntry(algebra, {"menuFactor", "Factor &Polynomials", windows::QuadraticFactoring, &MainWindow::menuFactor_Click, true});
    menuSimultaneous = addEntry(algebra, {"menuSimultaneous", "&Solve Simultaneous Eq.", windows::SimultaneousEquations,
                                          &MainWindow::menuSimultaneous_Click});
}

void MainWindow::enableAvailableEntries()
{
    for (const auto& [action, window] : m_windowEntries)
        action->setEnabled(Forms::isRegistered(window));
}

// ---------------------------------------------------------------- load and unload

void MainWindow::Form_Load()
{
    // The picture is read while the rest of the window is made; the window
    // sits behind the activities and seldom repaints, so it keeps no copy.
    const QString picture = platform().paths.findProgramFile(QStringLiteral("dog.bmp"));
    if (!picture.isEmpty())
        setPicture(picture, PictureCopy::LetGoWhenIdle);
    setSizeTwips(WidthTwips, HeightTwips);
    centre();

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
    setMenuChecked(mnuEquations, false);
    setHideScore(windows::QuadraticFactoring, -1);
    Forms::show(windows::QuadraticFactoring);
}

void MainWindow::menuSimultaneous_Click()
{
    UnloadActivityWindows();
    setMenuChecked(menuSimultaneous, true);
    setMenuChecked(menuFactor, false);
    setMenuChecked(mnuEquations, false);
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
