// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/SpellingDrill.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

namespace kt {

namespace {
const QString ReadyPrompt =
    QStringLiteral("When you are ready to spell this word press the ENTER key or click on the Ready button.");
const QString AlreadyTried = QStringLiteral("You already tried that word.  Try a new word.");
} // namespace

SpellingDrill::SpellingDrill() : Form(windows::SpellingDrill)
{
    setCaption(QStringLiteral("Spell This Word"));
    setSizeTwips(7200, 4560);
    setBackColor(Colour::LightCyan);
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), 240, 240, 6720, 720);
    LabelInstructions->setFontSize(11, true);
    TextSpelledWord = addTextBox(QStringLiteral("TextSpelledWord"), 1440, 1200, 4320, 840);
    TextSpelledWord->setFont(scriptFont(28, true));
    TextSpelledWord->setAlignment(Qt::AlignCenter);
    CommandReady = addButton(QStringLiteral("CommandReady"), 240, 2400, 2160, 480, QStringLiteral("&Ready"));
    CommandAnother = addButton(QStringLiteral("CommandAnother"), 2520, 2400, 2160, 480, QStringLiteral("Try a &New Word"));
    CommandSeeAgain =
        addButton(QStringLiteral("CommandSeeAgain"), 4800, 2400, 2160, 480, QStringLiteral("See the Word &Again"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 4800, 3600, 2160, 480, QStringLiteral("&Quit"));
    LabelScore = addLabel(QStringLiteral("LabelScore"), 240, 3360, 3600, 360, QStringLiteral("Score = "));
    LabelAttempts = addLabel(QStringLiteral("LabelAttempts"), 240, 3840, 3600, 360, QStringLiteral("Attempts = "));
    for (Label* label : {LabelScore, LabelAttempts})
        label->setFontSize(12, true);
    Timer1 = addTimer(QStringLiteral("Timer1"), 1000, false);

    connect(CommandReady, &QPushButton::clicked, this, &SpellingDrill::CommandReady_Click);
    connect(CommandAnother, &QPushButton::clicked, this, &SpellingDrill::CommandAnother_Click);
    connect(CommandSeeAgain, &QPushButton::clicked, this, &SpellingDrill::CommandSeeAgain_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &Form::unload);
    connect(TextSpelledWord, &TextBox::keyPressed, this, &SpellingDrill::TextSpelledWord_KeyPress);
    Timer1->onTimer([this] { Timer1_Timer(); });
}

void SpellingDrill::Form_Load()
{
    centre();
    LabelInstructions->clear();
    showScore();
    UsedWords.fill(false);
    session().WordCount = 0;
    UsedCount = 0;
    FreshWord = true;
    NumWords = qint16(LoadSpellingList(session().WordFileName, session().WordList).count);
    if (NumWords == 0) {
        LabelInstructions->setText(QStringLiteral("Can't find file!"));
        beep();
        return;
    }
    randomize();
    NextWord();
}

// ---------------------------------------------------------------- events

void SpellingDrill::CommandReady_Click()
{
    if (NumWords == 0)
        return;
    TextSpelledWord->clear();
    ReadyPressed = true;
    LabelInstructions->setText(QStringLiteral("Now spell the word then press ENTER."));
    TextSpelledWord->setFocus();
}

void SpellingDrill::CommandAnother_Click()
{
    if (NumWords == 0)
        return;
    LabelInstructions->clear();
    FreshWord = true;
    ReadyPressed = false;
    NextWord();
}

void SpellingDrill::CommandSeeAgain_Click()
{
    if (NumWords == 0)
        return;
    TextSpelledWord->setText(wordOnShow());
    LabelInstructions->setText(FreshWord ? ReadyPrompt : AlreadyTried);
    ReadyPressed = false;
    CommandReady->setFocus();
}

void SpellingDrill::TextSpelledWord_KeyPress(int& ascii)
{
    if (ascii != KeyEnter)
        return;
    ascii = 0;
    if (NumWords == 0)
        return;
    if (!FreshWord)
        LabelInstructions->setText(AlreadyTried);
    else if (!ReadyPressed)
        LabelInstructions->setText(QStringLiteral("Click on the Ready button first."));
    if (!(ReadyPressed && FreshWord))
        return;
    checkAnswer();
}

void SpellingDrill::Timer1_Timer()
{
    // Ready pressed before the word was said: the child is spelling already.
    if (!ReadyPressed)
        LabelInstructions->setText(ReadyPrompt);
    Timer1->setEnabled(false);
    PronounceWord();
}

// ---------------------------------------------------------------- procedures

QString SpellingDrill::wordOnShow() const { return slotAt(session().WordList, session().WordCount); }

void SpellingDrill::NextWord()
{
    SessionState& s = session();
    if (s.RandomWordOrder) {
        // Every word comes once before any comes again.
        int k = 0;
        do {
            k = qBound(1, int(intFloor(rnd() * NumWords)) + 1, int(NumWords));
        } while (UsedWords[k]);
        s.WordCount = qint16(k);
        UsedWords[k] = true;
        if (++UsedCount == NumWords) {
            UsedWords.fill(false);
            UsedCount = 0;
        }
    } else {
        s.WordCount = qint16(s.WordCount + 1);
        if (s.WordCount > NumWords)
            s.WordCount = 1;
    }
    TextSpelledWord->setText(wordOnShow());
    // Enter means Ready while the word is on show; typing would add to it.
    CommandReady->setFocus();
    if (soundOn())
        Timer1->setEnabled(true);
    else
        LabelInstructions->setText(ReadyPrompt);
}

void SpellingDrill::PronounceWord()
{
    const QString word = wordOnShow().trimmed();
    // The user's own recording of the word, when there is one.
    const QString recording = wordRecordingName(word);
    if (!recording.isEmpty()) {
        const QString path = Paths::findInDir(session().dataDirectory(), recording);
        if (!path.isEmpty())
            playSound(path);
    }
    for (const QChar c : word) {
        const QString letter = QString(c) + QStringLiteral(".wav");
        if (!platform().paths.findProgramFile(letter).isEmpty())
            playSound(letter);
    }
}

void SpellingDrill::checkAnswer()
{
    SessionState& s = session();
    const bool right = TextSpelledWord->text().trimmed().toLower() == wordOnShow().trimmed().toLower();
    if (right) {
        LabelInstructions->setText(QStringLiteral("Right!  Now press ENTER to try another word."));
        CommandAnother->setFocus();
        s.SpellAttempts = addSaturating16(s.SpellAttempts, 1);
        s.SpellRight = addSaturating16(s.SpellRight, 1);
        FreshWord = false;
        ReadyPressed = false;
    } else {
        LabelInstructions->setText(QStringLiteral("I'm sorry, please try again."));
        // An empty answer is not an attempt.
        if (!TextSpelledWord->text().isEmpty())
            s.SpellAttempts = addSaturating16(s.SpellAttempts, 1);
        TextSpelledWord->clear();
    }
    // No attempt counted yet: there is no percentage to show, the score stays.
    if (s.SpellAttempts > 0)
        s.SpellingScore = qint16(100 * int(s.SpellRight) / int(s.SpellAttempts));
    showScore();

    playPraise(right);
    if (s.SpellAttempts > 0 && s.SpellAttempts % 10 == 0 && s.VisualRewardsOn)
        Forms::show(windows::VisualRewards);
}

void SpellingDrill::showScore()
{
    LabelScore->setText(QStringLiteral("Score = ") + spaced(int(session().SpellingScore)) + QStringLiteral("%"));
    LabelAttempts->setText(QStringLiteral("Attempts = ") + spaced(int(session().SpellAttempts)));
}

} // namespace kt
