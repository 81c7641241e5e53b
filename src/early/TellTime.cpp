// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/TellTime.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kt {

TellTime::TellTime() : Form(windows::TellTime)
{
    setCaption(QStringLiteral("Tell Time"));
    QMenu* options = addMenu(menuBar(), QStringLiteral("menOptions"), QStringLiteral("&Options"));
    menExitTellTime = addMenuItem(options, QStringLiteral("menExitTellTime"), QStringLiteral("E&xit"));
    QMenu* levels = addMenu(menuBar(), QStringLiteral("menLevel"), QStringLiteral("&Level"));
    for (int level = 1; level <= 4; ++level) {
        MenLevel[level] = addMenuItem(levels, QStringLiteral("MenLevel%1").arg(level),
                                      QStringLiteral("Level &%1").arg(level), level == 1);
        connect(MenLevel[level], &QAction::triggered, this, [this, level] { MenLevel_Click(level); });
    }
    setSizeTwips(7200, 5400);

    TellTimeBeginCommand = addButton(QStringLiteral("TellTimeBeginCommand"), 2640, 4680, 2040, 540, QStringLiteral("&Start"));
    Command1 = addButton(QStringLiteral("Command1"), 4920, 4680, 2040, 540, QStringLiteral("&Return"));
    for (CommandButton* button : {TellTimeBeginCommand, Command1})
        button->setFont(sansFont(11, true));

    connect(TellTimeBeginCommand, &CommandButton::clicked, this, &TellTime::TellTimeBeginCommand_Click);
    connect(Command1, &CommandButton::clicked, this, &TellTime::Command1_Click);
    connect(menExitTellTime, &QAction::triggered, this, &TellTime::menExitTellTime_Click);
}

void TellTime::Form_Load()
{
    session().ClockLevel = 1;
    centre();
    const QString picture = platform().paths.findProgramFile(QStringLiteral("mouse.bmp"));
    if (!picture.isEmpty())
        setPicture(picture);
}

void TellTime::MenLevel_Click(int level)
{
    session().ClockLevel = qint16(level);
    for (int other = 1; other <= 4; ++other)
        setMenuChecked(MenLevel[other], other == level);
}

void TellTime::TellTimeBeginCommand_Click() { Forms::show(windows::ClockQuiz); }

void TellTime::Command1_Click() { unload(); }

void TellTime::menExitTellTime_Click() { unload(); }

} // namespace kt
