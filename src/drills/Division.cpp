// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/Division.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

namespace kt {
namespace {
// Window and working, in twips: the divisor left of the bracket, the
// dividend's three columns under the bar.
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 6600;
constexpr int DigitWidth = 600;
constexpr int DivisorLeft[3] = {0, 3600, 4200};
constexpr int ColumnLeft[4] = {0, 5040, 5640, 6240};
constexpr int QuotientTop = 600;
constexpr int DividendTop = 1320;
constexpr int ProductTop = 1980;
constexpr int DifferenceTop = 2700;
constexpr int SecondProductTop = 3360;
constexpr int RemainderTop = 4080;

const Phrase GoesInto{Working::GoesInto, QString(), {QStringLiteral(" goes into ")},
                      QStringLiteral(" how many times?"), {QStringLiteral("goes")}, QStringLiteral("how")};
// The later "goes into" questions have a blank before the question mark.
const Phrase GoesIntoAgain{Working::GoesInto, QString(), {QStringLiteral(" goes into ")},
                           QStringLiteral(" how many times ?"), {QStringLiteral("goes")}, QStringLiteral("how")};
const Phrase Times{Working::Product, QString(), {QStringLiteral(" X ")}, QStringLiteral(" = ?"),
                   {QStringLiteral("times")}, QStringLiteral("equals")};
const Phrase Minus{Working::Difference, QString(), {QStringLiteral(" - ")}, QStringLiteral(" = ?"),
                   {QStringLiteral("minus")}, QStringLiteral("equals")};

const ChoiceLayout choiceLayout{
    240, 1200, 2400, 480, 240,
    QRect(240, 120, 9120, 480),   // QuestionLabel: one line above the quotient, as wide as the window
    QRect(240, 4200, 2400, 600),  // LabelWrong
    QRect(240, 4920, 3000, 480),  // LabelScore
    18,
};

ChoiceRules divideRules()
{
    ChoiceRules rules;
    rules.pictureTimer.clear(); // nothing is drawn to count on
    return rules;
}
} // namespace

Division::Division() : StepDrill(windows::Division, divideRules())
{
    setSizeTwips(WindowWidth, WindowHeight);
    setBackColor(Colour::Black);

    const auto cell = [this](const QString& name, int left, int top) {
        Label* label = addLabel(name, left, top, DigitWidth, 600);
        label->setScriptFont(26, true);
        label->setAlignment(Qt::AlignCenter);
        label->setForeColor(Colour::White);
        return label;
    };
    D1 = cell(QStringLiteral("D1"), DivisorLeft[1], DividendTop);
    D2 = cell(QStringLiteral("D2"), DivisorLeft[2], DividendTop);
    const auto row = [&](const char* letter, int top, Label*& c1, Label*& c2, Label*& c3) {
        c1 = cell(QLatin1String(letter) + QLatin1Char('1'), ColumnLeft[1], top);
        c2 = cell(QLatin1String(letter) + QLatin1Char('2'), ColumnLeft[2], top);
        c3 = cell(QLatin1String(letter) + QLatin1Char('3'), ColumnLeft[3], top);
    };
    row("A", QuotientTop, A1, A2, A3);
    row("N", DividendTop, N1, N2, N3);
    X1 = cell(QStringLiteral("X1"), ColumnLeft[1], ProductTop); // the first product has two columns
    X2 = cell(QStringLiteral("X2"), ColumnLeft[2], ProductTop);
    row("Y", DifferenceTop, Y1, Y2, Y3);
    row("Z", SecondProductTop, Z1, Z2, Z3);
    row("R", RemainderTop, R1, R2, R3);

    Line1 = addLine(QStringLiteral("Line1"), 4920, 1260, 4920, 1980, Colour::White, 3);
    Line2 = addLine(QStringLiteral("Line2"), 4920, 1260, 6960, 1260, Colour::White, 3);
    Line3 = addLine(QStringLiteral("Line3"), 5040, 2640, 6960, 2640, Colour::White, 3);
    Line4 = addLine(QStringLiteral("Line4"), 5040, 4020, 6960, 4020, Colour::White, 3);
    // Down arrows for the digit brought down, beside its column.
    Line5 = addLine(QStringLiteral("Line5"), 6200, 1920, 6200, 2700, Colour::LightGreen, 2);
    Line6 = addLine(QStringLiteral("Line6"), 6120, 2580, 6200, 2700, Colour::LightGreen, 2);
    Line7 = addLine(QStringLiteral("Line7"), 6280, 2580, 6200, 2700, Colour::LightGreen, 2);
    Line8 = addLine(QStringLiteral("Line8"), 6800, 1920, 6800, 2700, Colour::LightGreen, 2);
    Line9 = addLine(QStringLiteral("Line9"), 6720, 2580, 6800, 2700, Colour::LightGreen, 2);
    Line10 = addLine(QStringLiteral("Line10"), 6880, 2580, 6800, 2700, Colour::LightGreen, 2);

    Label_R = addLabel(QStringLiteral("Label_R"), 5040, 4800, 4200, 480);
    Label_R->setForeColor(Colour::White);
    Label_R->setFontSize(14, true);

    addChoiceControls(choiceLayout);
    // A small arrow from the question down to the choices.
    addPointerArrow(600, 720, 1140);

    CommandAgain = addButton(QStringLiteral("CommandAgain"), 3600, 5760, 2400, 600, QStringLiteral("Try &Another One"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 6240, 5760, 1800, 600, QStringLiteral("&Return"));
    connect(CommandAgain, &QPushButton::clicked, this, &Division::CommandAgain_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &Division::CommandReturn_Click);
}

qint16 Division::level() const { return session().DivLevel; }

QList<StepRow> Division::stepTable(int level)
{
    using Z = LeadingZeros;
    const Operand divisor{D1, D2};
    const Operand difference{Y1, Y2, Y3};
    if (level == 3)
        return {
            {9, &GoesInto, {divisor, {N1, N2}}, {A1, A2}, Z::Written, 10},
            {10, &Times, {{A1, A2}, divisor}, {X1, X2}, Z::Written, 11},
            {11, &Minus, {{N1, N2}, {X1, X2}}, {Y1, Y2}, Z::Written, 12,
             [this] { Line3->show(), bringDown(N3, Y3, {Line8, Line9, Line10}); }},
            {12, &GoesIntoAgain, {divisor, difference}, {A3}, Z::Written, 13},
            {13, &Times, {A3, divisor}, {Z1, Z2, Z3}, Z::Written, 14, [this] { Line4->show(); }},
            {14, &Minus, {difference, {Z1, Z2, Z3}}, {R1, R2, R3}, Z::Written, 0},
        };
    return {
        {1, &GoesInto, {D1, N1}, {A1}, Z::Written, 2},
        {2, &Times, {A1, D1}, {X1}, Z::Written, 3},
        {3, &Minus, {N1, X1}, {Y1}, Z::Written, level == 1 ? 0 : 4,
         [this, level] { Line3->show(); if (level == 2) bringDown(N2, Y2, {Line5, Line6, Line7}); }},
        {4, &GoesIntoAgain, {D1, {Y1, Y2}}, {A2}, Z::Written, 5},
        {5, &Times, {A2, D1}, {Z1, Z2}, Z::Written, 6, [this] { Line4->show(); }},
        {6, &Minus, {{{Y1, Y2}, true}, {{Z1, Z2}, true}}, {R1, R2}, Z::Written, 0},
    };
}

void Division::Form_Load()
{
    centre();
    scale(-100, 100, 100, -100);
    ClearWorking();
    setCaption(QStringLiteral("Level") + spaced(int(level())) + QStringLiteral(" Divide.  Double click on correct answer."));
    clearChoiceValues();
    LabelWrong->setText(QString());
    showScore(session().DivScore);
    locked = 0;
    MakeQuestion();
    AskFirstStep();
}

void Division::ClearWorking()
{
    for (LineControl* line : {Line3, Line4, Line5, Line6, Line7, Line8, Line9, Line10})
        line->hide();
    Label_R->setText(QString());
    for (Label* label : {D1, D2, A1, A2, A3, N1, N2, N3, X1, X2, Y1, Y2, Y3, Z1, Z2, Z3, R1, R2, R3}) {
        label->setText(QString());
        label->setForeColor(Colour::White);
    }
}

void Division::MakeQuestion()
{
    randomize();
    D1->setText(plain(randomInt(9, 1)));
    // The first digit of the dividend is at least the divisor's first digit.
    N1->setText(plain(randomInt(9, 1)));
    while (value(D1) > value(N1))
        N1->setText(plain(randomInt(9, 1)));
    if (level() >= 2)
        N2->setText(plain(randomInt(9, 1)));
    if (level() == 3) {
        N3->setText(plain(randomInt(9, 1)));
        D2->setText(plain(randomInt(9, 1)));
    }
}

void Division::AskFirstStep()
{
    setSteps(stepTable(level()));
    firstStep = level() == 3 ? 9 : 1;
    askStep(firstStep);
}

void Division::bringDown(Label* digit, Label* to, std::initializer_list<LineControl*> arrow)
{
    to->setText(digit->text());
    for (LineControl* line : arrow)
        line->show();
}

void Division::endProblem()
{
    Label_R->setText(QStringLiteral("Remainder = ") + (level() == 1 ? plain(int(expected)) : spaced(int(expected))));
    finishProblem(session().DivScore, level());
}

void Division::CommandAgain_Click()
{
    reopenAnswerArea();
    ClearWorking();
    MakeQuestion();
    AskFirstStep();
}

void Division::CommandReturn_Click() { unload(); }

} // namespace kt
