// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/Alphabet.h"

#include "shell/Speech.h"
#include "early/LetterChoice.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kt {

namespace {
CommandButton* letterButton(CommandButton* button, int pointSize)
{
    button->setFont(sansFont(pointSize, true));
    return button;
}
} // namespace

Alphabet::Alphabet() : Form(windows::Alphabet)
{
    setCaption(QStringLiteral("Alphabet"));
    QMenu* options = addMenu(menuBar(), QStringLiteral("menOptions"), QStringLiteral("&Options"));
    ExitItem = addMenuItem(options, QStringLiteral("ExitItem"), QStringLiteral("E&xit"));
    setSizeTwips(9620, 7200);

    Instructions = addLabel(QStringLiteral("Instructions"), 480, 180, 8660, 600,
                            QStringLiteral("Find the lower case letter for:"));
    Instructions->setFont(sansFont(20, true));
    Instructions->setForeColor(Colour::Blue);
    Instructions->setAlignment(Qt::AlignCenter);
    UpperCaseLetterCommand = letterButton(
        addButton(QStringLiteral("UpperCaseLetterCommand"), 3910, 900, 1800, 1800, QString()), 72);

    for (int place = 1; place <= 3; ++place) {
        const int left = 1200 + (place - 1) * 2810;
        RewardLabel[place] = addLabel(QStringLiteral("RewardLabel%1").arg(place), left, 3000, 1600, 540);
        RewardLabel[place]->setFont(sansFont(22, true));
        RewardLabel[place]->setForeColor(Colour::LightRed);
        RewardLabel[place]->setAlignment(Qt::AlignCenter);
        Letter[place] = letterButton(addButton(QStringLiteral("Letter%1").arg(place), left, 3600, 1600, 1600, QString()), 60);
        connect(Letter[place], &CommandButton::clicked, this, [this, place] { Letter_Click(place); });
    }

    MyScoreIsLabel = addLabel(QStringLiteral("MyScoreIsLabel"), 480, 5900, 2200, 480, QStringLiteral("My score is:"));
    MyScoreIsLabel->setFont(sansFont(16, true));
    MyScoreIsLabel->setForeColor(Colour::Blue);
    ScoreLabel = addLabel(QStringLiteral("ScoreLabel"), 2700, 5900, 1200, 480, QStringLiteral(" "));
    ScoreLabel->setFont(sansFont(16, true));
    ScoreLabel->setForeColor(Colour::LightRed);
    TryAnotherCommand = addButton(QStringLiteral("TryAnotherCommand"), 4800, 5880, 2160, 600,
                                  QStringLiteral("Try &Another One"));
    Command1 = addButton(QStringLiteral("Command1"), 7140, 5880, 1800, 600, QStringLiteral("&Return"));
    for (CommandButton* button : {TryAnotherCommand, Command1})
        button->setFont(sansFont(11, true));

    connect(UpperCaseLetterCommand, &CommandButton::clicked, this, &Alphabet::UpperCaseLetterCommand_Click);
    connect(TryAnotherCommand, &CommandButton::clicked, this, &Alphabet::TryAnotherCommand_Click);
    connect(Command1, &CommandButton::clicked, this, &Alphabet::Command1_Click);
    connect(ExitItem, &QAction::triggered, this, &Alphabet::ExitItem_Click);
}

void Alphabet::Form_Load()
{
    centre();
    const QString picture = platform().paths.findProgramFile(QStringLiteral("worm.bmp"));
    if (!picture.isEmpty())
        setPicture(picture);
    randomize();
    LetterNumber = 1;
    LetterAnswered = false;
    NewLetter();
}

void Alphabet::Letter_Click(int place)
{
    sayLetter(Letter[place]->text());
    if (place == RightPlace) {
        RewardLabel[place]->setText(QStringLiteral("YES"));
        if (!LetterAnswered) {
            playPraise(true, PraiseSet::Early);
            session().AlphabetScore = addSaturating16(session().AlphabetScore, 1);
            ScoreLabel->setText(spaced(int(session().AlphabetScore)));
            LetterAnswered = true;
        }
        TryAnotherCommand->setFocus(Qt::OtherFocusReason);
    } else {
        RewardLabel[place]->setText(QStringLiteral("NO"));
        if (!LetterAnswered)
            playPraise(false, PraiseSet::Early);
    }
}

void Alphabet::UpperCaseLetterCommand_Click() { sayLetter(UpperCaseLetterCommand->text()); }

void Alphabet::TryAnotherCommand_Click()
{
    LetterAnswered = false;
    for (int place = 1; place <= 3; ++place) {
        RewardLabel[place]->setText(QString());
        Letter[place]->setText(QString());
    }
    UpperCaseLetterCommand->setText(QString());
    LetterNumber = qint16(nextLetterNumber(LetterNumber));
    NewLetter();
}

void Alphabet::Command1_Click() { unload(); }

void Alphabet::ExitItem_Click() { unload(); }

void Alphabet::NewLetter()
{
    const LetterChoice choice = chooseLetters(LetterNumber, [] { return rnd(); });
    UpperCaseLetterCommand->setText(QString(choice.capital));
    RightPlace = qint16(choice.rightPlace);
    for (int place = 1; place <= 3; ++place)
        Letter[place]->setText(QString(choice.letters[place - 1]));
    sayLetter(UpperCaseLetterCommand->text());
}

void Alphabet::sayLetter(const QString& letter)
{
    if (soundOn())
        playSound(letterRecording(letter));
}

} // namespace kt
