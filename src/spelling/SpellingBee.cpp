// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/SpellingBee.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kt {

SpellingBee::SpellingBee() : Form(windows::SpellingBee)
{
    setCaption(QStringLiteral("Spelling Beez"));
    buildMenus();
    setSizeTwips(7200, 5400);
    // White, as the bee picture's own background.
    setBackColor(Colour::White);
    Image1 = addImage(QStringLiteral("Image1"), 3600, 2700, 720, 720);
    const QString bee = platform().paths.findProgramFile(QStringLiteral("bee.bmp"));
    if (!bee.isEmpty())
        Image1->loadPicture(bee);
    Timer1 = addTimer(QStringLiteral("Timer1"), 100, true);
    Timer1->onTimer([this] { Timer1_Timer(); });
}

void SpellingBee::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, auto handler,
                       bool checked = false) {
        QAction* action = addMenuItem(menu, name, caption, checked);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* menuActions = addMenu(bar, QStringLiteral("menuActions"), QStringLiteral("&Actions"));
    item(menuActions, QStringLiteral("menuInputHomework"), QStringLiteral("Create &New Spelling Homework File"),
         &SpellingBee::menuInputHomework_Click);
    item(menuActions, QStringLiteral("menuLastHomework"), QStringLiteral("&Practice Existing Spelling Homework"),
         &SpellingBee::menuLastHomework_Click);
    QMenu* menuRandomWords =
        addMenu(menuActions, QStringLiteral("menuRandomWords"), QStringLiteral("Practice &Dictionary's Words Files"));
    for (int level = 1; level <= 4; ++level)
        item(menuRandomWords, QStringLiteral("menuLevel%1").arg(level), QStringLiteral("&Level %1 Words").arg(level),
             [this, level] { menuLevel_Click(level); });
    QMenu* menuEditFile = addMenu(menuActions, QStringLiteral("menuEditFile"), QStringLiteral("&Edit Existing Homework File"));
    item(menuEditFile, QStringLiteral("menuAddWords"), QStringLiteral("&Add Words to File"), [this] { editAction_Click(WordListAction::AddWords); });
    item(menuEditFile, QStringLiteral("menuChangeWord"), QStringLiteral("&Change a Word"), [this] { editAction_Click(WordListAction::ChangeWord); });
    item(menuEditFile, QStringLiteral("menuDeleteWord"), QStringLiteral("&Delete a Word"), [this] { editAction_Click(WordListAction::DeleteWord); });
    item(menuActions, QStringLiteral("menuDeleteFile"), QStringLiteral("&Delete a Word File"), [this] { editAction_Click(WordListAction::DeleteList); });
    item(menuActions, QStringLiteral("menuExit"), QStringLiteral("&Exit"), &SpellingBee::menuExit_Click);

    QMenu* menuOptions = addMenu(bar, QStringLiteral("menuOptions"), QStringLiteral("&Options"));
    QMenu* menuOrder = addMenu(menuOptions, QStringLiteral("menuOrder"), QStringLiteral("Word &Order"));
    menuRandom = item(menuOrder, QStringLiteral("menuRandom"), QStringLiteral("&Random"), &SpellingBee::menuRandom_Click);
    menuSequential = item(menuOrder, QStringLiteral("menuSequential"), QStringLiteral("&Sequential"),
                          &SpellingBee::menuSequential_Click, true);
    QMenu* menuVisualRewards = addMenu(menuOptions, QStringLiteral("menuVisualRewards"), QStringLiteral("&Visual Rewards"));
    menuVisualOn = item(menuVisualRewards, QStringLiteral("menuVisualOn"), QStringLiteral("&On"), &SpellingBee::menuVisualOn_Click);
    menuVisualOff = item(menuVisualRewards, QStringLiteral("menuVisualOff"), QStringLiteral("O&ff"),
                         &SpellingBee::menuVisualOff_Click, true);

    QAction* menuHelp = bar->addAction(QStringLiteral("&Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    connect(menuHelp, &QAction::triggered, this, &SpellingBee::menuHelp_Click);
}

void SpellingBee::Form_Load()
{
    centre();
    placeImage(widthTwips() / 2, heightTwips() / 2);
    if (session().VisualRewardsOn) {
        setMenuChecked(menuVisualOn, true);
        setMenuChecked(menuVisualOff, false);
    }
    if (session().RandomWordOrder) {
        setMenuChecked(menuRandom, true);
        setMenuChecked(menuSequential, false);
    }
}

// ---------------------------------------------------------------- Actions

void SpellingBee::menuInputHomework_Click()
{
    session().WordFileAction = WordListAction::Create;
    closeDrill();
    Forms::show(windows::HomeworkFileName);
}

void SpellingBee::menuLastHomework_Click()
{
    closeDrill();
    session().WordFileAction = WordListAction::Practise;
    Forms::show(windows::WordFilePicker);
}

void SpellingBee::menuLevel_Click(int level)
{
    closeDrill();
    session().WordFileName = QStringLiteral("Level%1.lib").arg(level);
    Forms::show(windows::SpellingDrill);
}

void SpellingBee::editAction_Click(WordListAction action)
{
    session().WordFileAction = action;
    // A drill left open would grade against a list the editor changes.
    closeDrill();
    Forms::show(windows::WordFilePicker);
}

void SpellingBee::menuExit_Click() { unload(); }

// ---------------------------------------------------------------- Options

void SpellingBee::menuRandom_Click()
{
    closeDrill();
    session().RandomWordOrder = true;
    setMenuChecked(menuRandom, true);
    setMenuChecked(menuSequential, false);
}

void SpellingBee::menuSequential_Click()
{
    closeDrill();
    session().RandomWordOrder = false;
    setMenuChecked(menuRandom, false);
    setMenuChecked(menuSequential, true);
}

void SpellingBee::menuVisualOn_Click()
{
    session().VisualRewardsOn = true;
    setMenuChecked(menuVisualOn, true);
    setMenuChecked(menuVisualOff, false);
    if (Paths::match(session().dataDirectory(), QStringLiteral("*.bmp")).isEmpty()) {
        msgBox(QStringLiteral("I can't find any bitmap graphic files.  You must create your own and place them in the %1 "
                              "directory.")
                   .arg(session().dataDirectory()));
        session().VisualRewardsOn = false;
    }
}

void SpellingBee::menuVisualOff_Click()
{
    session().VisualRewardsOn = false;
    setMenuChecked(menuVisualOff, true);
    setMenuChecked(menuVisualOn, false);
}

void SpellingBee::menuHelp_Click()
{
    msgBox(QStringLiteral("You may record your own word sound files (wave files with a .WAV extension) and place them in "
                          "the ")
           + session().dataDirectory()
           + QStringLiteral(" directory so the words will be pronounced.  Use the first 8 characters of the word as the "
                            "file name plus the .wav extension.  You may also place visual reward files (bitmap files "
                            "with a .BMP extension) in this directory.  If the visual reward files are present and the "
                            "Visual Rewards option is turned on, students get a visual reward for each 10 attempts."));
}

// ---------------------------------------------------------------- the wandering bee

void SpellingBee::Timer1_Timer()
{
    const int height = heightTwips();
    const int width = widthTwips();
    // Back to the middle near the top or left edge, or beyond the window.
    int y = m_imageTop;
    if (y < 100)
        y = toInt16(height / 2.0);
    if (height < y)
        y = toInt16(height / 2.0);
    int x = m_imageLeft;
    if (x < 100)
        x = toInt16(width / 2.0);
    if (width < x)
        x = toInt16(width / 2.0);
    const int stepLeft = int(intFloor(rnd() * 100)) - 50;
    const int stepTop = int(intFloor(rnd() * 100)) - 50;
    placeImage(x + stepLeft, y + stepTop);
}

void SpellingBee::placeImage(int left, int top)
{
    m_imageLeft = toInt16(left);
    m_imageTop = toInt16(top);
    Image1->move(px(m_imageLeft), px(m_imageTop));
}

void SpellingBee::closeDrill() { Forms::unload(windows::SpellingDrill); }

} // namespace kt
