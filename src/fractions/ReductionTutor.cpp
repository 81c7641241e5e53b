// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/ReductionTutor.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"
#include "ui/TypedNumber.h"

#include <cmath>

namespace kt {
namespace {
// The chain of fractions, in twips: one place per fraction, the equals
// signs between them.
constexpr int ChainLeft = 360;
constexpr int ChainTop = 2280;
constexpr int PlaceWidth = 1500;
constexpr int TermWidth = 1140;
constexpr int TermHeight = 360;

} // namespace

ReductionTutor::ReductionTutor() : Form(windows::ReductionTutor)
{
    setCaption(QStringLiteral("Basic Fraction Reduction"));
    setSizeTwips(9600, 5760);
    setBackColor(Colour::White);

    const auto scriptLabel = [this](const QString& name, int left, int top, int width, int height,
                                    const QString& caption, int size) {
        Label* label = addLabel(name, left, top, width, height, caption);
        label->setScriptFont(size, true);
        label->setWordWrap(true);
        return label;
    };
    Label1 = scriptLabel(QStringLiteral("Label1"), 360, 300, 1500, 360, QStringLiteral("Numerator"), 11);
    Label2 = scriptLabel(QStringLiteral("Label2"), 360, 780, 1500, 360, QStringLiteral("Denominator"), 11);
    Text1 = addTextBox(QStringLiteral("Text1"), 1920, 270, 1320, 390);
    Text2 = addTextBox(QStringLiteral("Text2"), 1920, 750, 1320, 390);
    LabelInstruction = scriptLabel(QStringLiteral("LabelInstruction"), 3600, 270, 5640, 870,
                                   QStringLiteral("Enter values for the fraction you want to reduce.  Use only integers."), 12);
    cmdSolve = addButton(QStringLiteral("cmdSolve"), 360, 1380, 1320, 450, QStringLiteral("&Solve"));
    cmdClear = addButton(QStringLiteral("cmdClear"), 1920, 1380, 1320, 450, QStringLiteral("&Clear"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 3480, 1380, 1320, 450, QStringLiteral("&Return"));
    LabelScore = scriptLabel(QStringLiteral("LabelScore"), 6840, 1440, 2400, 390, QStringLiteral("Score"), 12);
    LabelScore->hide();

    for (int i = 0; i < PrimeDialogue::ChainPlaces; ++i) {
        const int left = ChainLeft + i * PlaceWidth;
        for (auto* terms : {&Numerator, &Denominator}) {
            const int top = terms == &Numerator ? ChainTop : ChainTop + TermHeight + 120;
            Label* term = addLabel(*terms, i, left, top, TermWidth, TermHeight);
            term->setFont(sansFont(12, true));
            term->setAlignment(Qt::AlignCenter);
        }
        addLine(DivideLine, i, left + 90, ChainTop + TermHeight + 60, left + TermWidth - 90,
                ChainTop + TermHeight + 60, 0, 2);
        if (i + 1 < PrimeDialogue::ChainPlaces) {
            Label* sign = addLabel(equal, i, left + TermWidth, ChainTop + 180, PlaceWidth - TermWidth,
                                   TermHeight, QStringLiteral("="));
            sign->setFont(sansFont(14, true));
            sign->setAlignment(Qt::AlignCenter);
        }
    }
    LabelOneAnswer = addLabel(QStringLiteral("LabelOneAnswer"), ChainLeft + PlaceWidth, ChainTop + 180,
                              TermWidth * 2, TermHeight, QStringLiteral("1"));
    LabelOneAnswer->setFont(sansFont(14, true));

    LabelQuestion = scriptLabel(QStringLiteral("LabelQuestion"), 360, 3660, 6000, 960,
                                QStringLiteral("Can 2 be divided by 2 without a remainder?"), 14);
    addOption(Option1, 0, 6900, 3720, 1200, 360, QStringLiteral("Yes"));
    addOption(Option1, 1, 6900, 4200, 1200, 360, QStringLiteral("No"));
    for (OptionButton* option : Option1)
        option->setFont(scriptFont(12, true));
    frameLines << addLine(QStringLiteral("Line1"), 6780, 3630, 8220, 3630, Colour::Blue, 2)
               << addLine(QStringLiteral("Line2"), 8220, 3630, 8220, 4650, Colour::Blue, 2)
               << addLine(QStringLiteral("Line3"), 8220, 4650, 6780, 4650, Colour::Blue, 2)
               << addLine(QStringLiteral("Line4"), 6780, 4650, 6780, 3630, Colour::Blue, 2);
    LabelRight = scriptLabel(QStringLiteral("LabelRight"), 360, 4800, 3600, 540, QStringLiteral("Right!"), 20);
    LabelRight->setForeColor(Colour::LightRed);

    Timer2 = addTimer(QStringLiteral("Timer2"), 1000);
    Timer2->onTimer([this] { Timer2_Timer(); });

    connect(Text1, &TextBox::changed, this, &ReductionTutor::Text1_Change);
    connect(Text2, &TextBox::changed, this, &ReductionTutor::Text2_Change);
    // Enter checks the box first; a refused entry keeps the focus there.
    setEnterOrder({Text1, Text2}, [this] { cmdSolve->setFocus(); },
                  [this](TextBox* box) { return box == Text1 ? checkNumerator() : checkDenominator(); });
    connect(cmdSolve, &QPushButton::clicked, this, &ReductionTutor::cmdSolve_Click);
    connect(cmdClear, &QPushButton::clicked, this, &ReductionTutor::cmdClear_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &ReductionTutor::CommandReturn_Click);
    Option1.on(&OptionButton::doubleClicked, this, [this](int index, int) { Option1_DblClick(index); });
    Option1.on(&OptionButton::keyPressed, this, [this](int index, int, int ascii) { Option1_KeyPress(index, ascii); });
}

void ReductionTutor::Form_Load()
{
    centre();
    if (HideScore == 0)
        showScore();
    HideWorking();
}

void ReductionTutor::Text1_Change() { HideWorking(); }

void ReductionTutor::Text2_Change() { HideWorking(); }

void ReductionTutor::cmdSolve_Click()
{
    if (!checkNumerator()) {
        Text1->setFocus();
        return;
    }
    if (!checkDenominator()) {
        Text2->setFocus();
        return;
    }
    HideWorking();
    const int n = *readTypedWhole(Text1->text());
    const int d = *readTypedWhole(Text2->text());
    Numerator[0]->setText(Text1->text());
    Denominator[0]->setText(Text2->text());
    Numerator[0]->show();
    Denominator[0]->show();
    DivideLine[0]->show();
    switch (immediateAnswer(Text1->text(), Text2->text(), n, d)) {
    case ImmediateAnswer::One:
        stateAnswer(QStringLiteral("The answer is one!"), QStringLiteral("1"));
        break;
    case ImmediateAnswer::Zero:
        stateAnswer(QStringLiteral("The answer is zero!"), QStringLiteral("0"));
        break;
    case ImmediateAnswer::Quotient: {
        const QString quotient = spaced(double(n) / d);
        stateAnswer(QStringLiteral("The answer is") + quotient + QLatin1Char('.'), quotient);
        break;
    }
    case ImmediateAnswer::None:
        dialogue.emplace(Fraction{n, d});
        NextPrime();
        break;
    }
}

void ReductionTutor::cmdClear_Click()
{
    HideWorking();
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
}

void ReductionTutor::CommandReturn_Click() { unload(); }

void ReductionTutor::Option1_DblClick(int index)
{
    if (ReductionDone || !dialogue)
        return;
    LabelRight->show();
    // Yes (0) is right when the answer is yes, No (1) when it is no.
    const bool right = (index == 0) == dialogue->ExpectedYes();
    if (right) {
        LabelRight->setText(QStringLiteral("right!"));
        playPraise(true);
    } else {
        LabelRight->setText(QStringLiteral("wrong"));
        if (soundOn())
            beep();
    }
    // Right or wrong, the dialogue goes on as the right answer leads it.
    dialogue->answer();
    showChain();
    NextPrime();
    if (HideScore == 0)
        LabelScore->show();
    if (ReductionDone) {
        for (OptionButton* option : Option1)
            option->hide();
        for (LineControl* line : std::as_const(frameLines))
            line->hide();
        session().FractionScore = addSaturating16(session().FractionScore, 1);
        if (HideScore == 0)
            showScore();
        Text1->setFocus();
    }
    // The next question, or the closing sentence, comes a second later.
    LabelQuestion->hide();
    LabelRight->show();
    Timer2->setEnabled(true);
}

void ReductionTutor::Option1_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        Option1_DblClick(index);
}

void ReductionTutor::Timer2_Timer()
{
    LabelQuestion->show();
    LabelRight->hide();
    Timer2->setEnabled(false);
}

bool ReductionTutor::checkNumerator()
{
    HideWorking();
    if (readTypedWhole(Text1->text()))
        return true;
    refuseEntry(Text1, QStringLiteral("Use an integer."));
    return false;
}

bool ReductionTutor::checkDenominator()
{
    HideWorking();
    if (const std::optional<qint16> d = readTypedWhole(Text2->text()); d && *d >= 1)
        return true;
    refuseEntry(Text2, QStringLiteral("Use a positive integer."));
    return false;
}

void ReductionTutor::stateAnswer(const QString& sentence, const QString& answer)
{
    ReductionDone = true;
    LabelQuestion->setText(sentence);
    equal[0]->show();
    LabelOneAnswer->setText(answer);
    LabelOneAnswer->show();
    LabelQuestion->show();
    Text1->setFocus();
}

void ReductionTutor::NextPrime()
{
    if (dialogue->done()) {
        LabelQuestion->setText(QStringLiteral("This fraction can not be reduced further."));
        LabelQuestion->show();
        ReductionDone = true;
        return;
    }
    LabelQuestion->setText(QStringLiteral("Can both the numerator and denominator be divided by ")
                           + spaced(dialogue->prime()) + QStringLiteral(" without a remainder?"));
    ShowYesNo();
    ReductionDone = false;
}

void ReductionTutor::ShowYesNo()
{
    LabelQuestion->show();
    for (OptionButton* option : Option1)
        option->show();
    for (LineControl* line : std::as_const(frameLines))
        line->show();
    Option1[0]->setFocus();
}

void ReductionTutor::showChain()
{
    const QList<Fraction>& chain = dialogue->chain();
    for (int i = 1; i < chain.size(); ++i) {
        Numerator[i]->setText(spaced(chain[i].numerator));
        Denominator[i]->setText(spaced(chain[i].denominator));
        Numerator[i]->show();
        Denominator[i]->show();
        DivideLine[i]->show();
        equal[i - 1]->show();
    }
}

void ReductionTutor::HideWorking()
{
    for (int i = 0; i < PrimeDialogue::ChainPlaces; ++i) {
        Numerator[i]->hide();
        Denominator[i]->hide();
        DivideLine[i]->hide();
        if (equal[i])
            equal[i]->hide();
    }
    for (Label* label : {LabelOneAnswer, LabelRight, LabelQuestion})
        label->hide();
    for (OptionButton* option : Option1)
        option->hide();
    for (LineControl* line : std::as_const(frameLines))
        line->hide();
    // A question still due from the last answer belongs to working that is
    // gone, and hidden choices take no answers.
    Timer2->setEnabled(false);
    ReductionDone = true;
}

void ReductionTutor::showScore()
{
    LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().FractionScore)));
    LabelScore->show();
}

} // namespace kt
