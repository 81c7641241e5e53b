// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/Multiplication.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

namespace kt {
namespace {
// Window and working grid, in twips: columns from ten-thousands to ones.
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 7200;
constexpr int DigitWidth = 600;
constexpr int OnesLeft = 4200; // the columns run leftwards from the ones
constexpr int ProductCarryTop = 120;
constexpr int FirstFactorTop = 480;
constexpr int SecondFactorTop = 1080;
constexpr int SumCarryTop = 1800;
constexpr int FirstRowTop = 2160;
constexpr int SecondRowTop = 2760;
constexpr int SumTop = 3480;

const Phrase Times{Working::Product, QStringLiteral("What is "), {QStringLiteral(" x "), QStringLiteral(" + ")},
                   QStringLiteral(" = ?"), {QStringLiteral("times"), QStringLiteral("plus")}, QStringLiteral("equals")};
const Phrase Plus{Working::Sum, QStringLiteral("What is "), {QStringLiteral(" + "), QStringLiteral(" + ")},
                  QStringLiteral(" = ?"), {QStringLiteral("plus"), QStringLiteral("plus")}, QStringLiteral("equals")};

const ChoiceLayout choiceLayout{
    4560, 4200, 1800, 420, 240,
    QRect(240, 4680, 4080, 480),  // QuestionLabel, left of the choices
    QRect(6480, 480, 3000, 600),  // LabelWrong
    QRect(6480, 1320, 3000, 480), // LabelScore
    18,
};

ChoiceRules mulRules()
{
    ChoiceRules rules;
    rules.verdictClearing = VerdictClearing::TimerAfterStep;
    rules.scoreCaptionAfter = QStringLiteral("Score =");
    return rules;
}
} // namespace

Multiplication::Multiplication() : StepDrill(windows::Multiplication, mulRules())
{
    setSizeTwips(WindowWidth, WindowHeight);
    setBackColor(Colour::Black);

    // The working, top row first, each row from the ones column leftwards
    // ({} leaves a column blank); carry rows are written small.
    addDigitGrid(
        {{ProductCarryTop, true, {{}, {"Carry1", &Carry1}, {"Carry2", &Carry2}, {"carry3", &carry3}}},
         {FirstFactorTop, false, {{"NUM11", &NUM11}, {"NUM12", &NUM12}, {"NUM13", &NUM13}}},
         {SecondFactorTop, false, {{"NUM21", &NUM21}, {"NUM22", &NUM22}, {}, {"TimesSymbol", &TimesSymbol}}},
         {SumCarryTop, true, {{}, {"carry4", &carry4}, {"carry5", &carry5}, {"carry6", &carry6}}},
         {FirstRowTop, false, {{"num31", &num31}, {"num32", &num32}, {"num33", &num33}, {"num34", &num34}}},
         {SecondRowTop, false, {{"num41", &num41}, {"num42", &num42}, {"num43", &num43}, {"num44", &num44}}},
         {SumTop, false, {{"num51", &num51}, {"num52", &num52}, {"num53", &num53}, {"num54", &num54}, {"num55", &num55}}}},
        OnesLeft, -DigitWidth, {600, 26}, {360, 14});
    TimesSymbol->setText(QStringLiteral("X"));
    Line1 = addLine(QStringLiteral("Line1"), 1800, 1740, 4800, 1740, Colour::White, 3);
    Line6 = addLine(QStringLiteral("Line6"), 1800, 3420, 4800, 3420, Colour::White, 3);

    addChoiceControls(choiceLayout);
    // A bracket from the question to the choices.
    Line2 = addLine(QStringLiteral("Line2"), 4320, 4920, 4440, 4920, Colour::Yellow, 2);
    Line3 = addLine(QStringLiteral("Line3"), 4440, 4410, 4440, 5730, Colour::Yellow, 2);
    Line4 = addLine(QStringLiteral("Line4"), 4440, 4410, 4560, 4410, Colour::Yellow, 2);
    Line5 = addLine(QStringLiteral("Line5"), 4440, 5730, 4560, 5730, Colour::Yellow, 2);
    for (LineControl* line : {Line2, Line3, Line4, Line5})
        addToAnswerArea(line);

    LabelLemon = addLabel(QStringLiteral("LabelLemon"), 6480, 2640, 3000, 480,
                          QStringLiteral("Count the suns to get the answer."));
    LabelLemon->setForeColor(Colour::Yellow);
    LabelLemon->setFontSize(10, true);
    LabelLemon->hide();

    CommandAnother = addButton(QStringLiteral("CommandAnother"), 240, 6360, 2400, 600, QStringLiteral("Try &Another One"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 2880, 6360, 1800, 600, QStringLiteral("&Return"));
    connect(CommandAnother, &QPushButton::clicked, this, &Multiplication::CommandAnother_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &Multiplication::CommandReturn_Click);

    Timer3 = addTimer(QStringLiteral("Timer3"), 500);
    Timer3->onTimer([this] { Timer3_Timer(); });
}

qint16 Multiplication::level() const { return session().MulLevel; }

QList<StepRow> Multiplication::stepTable(int level)
{
    using Z = LeadingZeros;
    const int afterStep2 = level == 2 ? 0 : 3;
    return {
        {1, &Times, {NUM11, NUM21},
         level == 1 ? QList<Label*>{num32, num31} : QList<Label*>{Carry1, num31},
         level == 1 ? Z::Omitted : Z::Written, level == 1 ? 0 : 2},
        {2, &Times, {NUM12, NUM21, Carry1},
         level == 3 ? QList<Label*>{Carry2, num32} : QList<Label*>{num33, num32},
         level == 3 ? Z::Written : Z::Omitted, afterStep2,
         level == 4 ? std::function<void()>([this] { prepareSecondRow(); }) : nullptr},
        level == 3 ? StepRow{3, &Times, {NUM13, NUM21, Carry2}, {num34, num33}, Z::Omitted, 0}
                   : StepRow{3, &Times, {NUM11, NUM22}, {Carry1, num42}, Z::Written, 5},
        {5, &Times, {NUM12, NUM22, Carry1}, {num44, num43}, Z::Omitted, 6, [this] { fillZeros(); }},
        {6, &Plus, {num31, num41}, {carry4, num51}, Z::Written, 7},
        {7, &Plus, {carry4, num32, num42}, {carry5, num52}, Z::Written, 8},
        {8, &Plus, {carry5, num33, num43}, {carry6, num53}, Z::Written, 9},
        {9, &Plus, {carry6, num34, num44}, {num55, num54}, Z::Omitted, 0},
    };
}

void Multiplication::Form_Load()
{
    centre();
    scale(-100, 100, 100, -100);
    setDrawWidth(7);
    ClearWorking();
    setCaption(QStringLiteral("Level") + spaced(int(level())) + QStringLiteral(" Multiply.  Double click on correct answer."));
    clearChoiceValues();
    step = 1;
    LabelWrong->setText(QString());
    showScore(session().MulScore);
    locked = 0;
    // Only the level-1 suns are wiped after an answer.
    rules().wipePictureAfterAnswer = level() == 1;
    MakeQuestion();
    AskFirstStep();
}

void Multiplication::ClearWorking()
{
    Line6->hide();
    for (Label* label : {NUM11, NUM12, NUM13, NUM21, NUM22, num31, num32, num33, num34, num41, num42, num43, num44,
                         num51, num52, num53, num54, num55, Carry1, Carry2, carry3, carry4, carry5, carry6}) {
        label->setText(QString());
        label->setForeColor(Colour::White);
    }
}

void Multiplication::MakeQuestion()
{
    randomize();
    if (level() == 1) {
        // 0 a little less often than 1..8, 9 about half as often.
        for (Label* digit : {NUM11, NUM21})
            digit->setText(plain(int(intFloor((rnd() + 0.05) * 9))));
        return;
    }
    NUM11->setText(plain(randomInt(9, 1)));
    NUM21->setText(plain(randomInt(9, 1)));
    NUM12->setText(plain(randomInt(9, 1)));
    if (level() == 3)
        NUM13->setText(plain(randomInt(9, 1)));
    if (level() == 4)
        NUM22->setText(plain(randomInt(9, 1)));
}

void Multiplication::AskFirstStep()
{
    setSteps(stepTable(level()));
    askStep(1);
    if (level() == 1)
        Timer3->setEnabled(true);
}

void Multiplication::prepareSecondRow()
{
    num41->setText(QStringLiteral("0"));
    for (Label* carry : {Carry1, Carry2, carry3})
        carry->setText(QString());
}

void Multiplication::fillZeros()
{
    Line6->show();
    for (Label* cell : {num33, num34, num44})
        if (cell->text().isEmpty())
            cell->setText(QStringLiteral("0"));
}

void Multiplication::endProblem() { finishProblem(session().MulScore, level()); }

void Multiplication::DrawSuns()
{
    for (int i = 1; i <= value(NUM11); ++i)
        for (int j = 1; j <= value(NUM21); ++j)
            drawCircle(30 + 7 * i, 10 - 8 * j, 1, qbColor(Colour::Yellow));
}

void Multiplication::Timer3_Timer()
{
    // A problem answered before the suns were due needs none.
    if (locked == 0) {
        DrawSuns();
        LabelLemon->show();
    }
    Timer3->setEnabled(false);
}

void Multiplication::wipePicture()
{
    fillBox(33, 8, 99, -70, qbColor(Colour::Black));
    LabelLemon->hide();
}

void Multiplication::CommandAnother_Click()
{
    reopenAnswerArea();
    step = 1;
    ClearWorking();
    MakeQuestion();
    if (level() == 1)
        wipePicture();
    AskFirstStep();
}

void Multiplication::CommandReturn_Click() { unload(); }

} // namespace kt
