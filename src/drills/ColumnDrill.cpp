// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/ColumnDrill.h"

#include "shell/Speech.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Timer.h"

#include <QStringList>

namespace kt {
namespace {
// Window and working area, in twips.
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 5400;
constexpr int DigitWidth = 600;
constexpr int CarryTop = 480;
constexpr int FirstTop = 960;
constexpr int SecondTop = 1680;
constexpr int AnswerTop = 2640;
constexpr int ThousandsLeft = 2880; // the columns follow one digit apart

// Suns are filled discs, so a child can see and count them.
constexpr double SunRadius = 1.0;

const ChoiceLayout choiceLayout{
    240, 840, 2280, 540, 300,
    QRect(1200, 0, 2800, 480),   // QuestionLabel
    QRect(240, 3300, 2400, 600), // LabelWrong
    QRect(5760, 3360, 3000, 480) // LabelScore
};
} // namespace

ColumnDrill::ColumnDrill(const ColumnDrillKind& kind) : ChoiceDrill(kind.name), m_kind(kind)
{
    setSizeTwips(WindowWidth, WindowHeight);
    setBackColor(Colour::Black);

    // The working, top row first, each row from the thousands column to the
    // ones ({} leaves a column blank); the carries are written small.
    addDigitGrid({{CarryTop, true, {{}, {"C2", &C2}, {"C1", &C1}}},
                  {FirstTop, false, {{}, {"A3", &A3}, {"A2", &A2}, {"A1", &A1}}},
                  {SecondTop, false, {{}, {"N3", &N3}, {"N2", &N2}, {"N1", &N1}}},
                  {AnswerTop, false, {{"Y4", &Y4}, {"Y3", &Y3}, {"Y2", &Y2}, {"Y1", &Y1}}}},
                 ThousandsLeft, DigitWidth, {660, 28}, {480, 16});

    Line1 = addLine(QStringLiteral("Line1"), 2760, 1920, 3240, 1920, Colour::White, 3);
    Line2 = addLine(QStringLiteral("Line2"), 2760, 2400, 5160, 2400, Colour::White, 3);

    SunLabel = addLabel(QStringLiteral("SunLabel"), 5760, 0, 3720, 480, kind.sunText);
    SunLabel->setForeColor(Colour::Yellow);
    SunLabel->setFontSize(10, true);

    addChoiceControls(choiceLayout);
    // A small arrow from the question down to the choices.
    pointerArrow = addPointerArrow(1380, 480, 780);

    CommandAgain = addButton(QStringLiteral("CommandAgain"), 2760, 4200, 2400, 600, QStringLiteral("Try &Another One"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 5760, 4200, 1800, 600, QStringLiteral("&Return"));
    connect(CommandAgain, &QPushButton::clicked, this, &ColumnDrill::CommandAgain_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &ColumnDrill::CommandReturn_Click);

    Timer2 = addTimer(QStringLiteral("Timer2"), 100);
    Timer2->onTimer([this] { Timer2_Timer(); });
    Timer3 = addTimer(QStringLiteral("Timer3"), 500);
    Timer3->onTimer([this] { Timer3_Timer(); });
}

void ColumnDrill::Form_Load()
{
    centre();
    scale(-100, 100, 100, -100);
    setCaption(m_kind.title + spaced(int(level())) + QStringLiteral(".  Double click on the correct answer."));
    ClearWorking();
    clearChoiceValues();
    LabelWrong->setText(QString());
    showScore(session().*m_kind.score);
    locked = 0;
    MakeQuestion();
    step = 1;
    SetUpStep1();
}

void ColumnDrill::ClearWorking()
{
    for (LineControl* line : pointerArrow)
        line->hide();
    SunLabel->hide();
    for (Label* label : {A1, A2, A3, N1, N2, N3, Y1, Y2, Y3, Y4, C1, C2}) {
        label->setText(QString());
        label->setForeColor(Colour::White);
    }
}

void ColumnDrill::askColumn(const QList<Label*>& operands, int rightAnswer)
{
    m_operands = operands;
    offerChoices(rightAnswer);
    QStringList digits;
    for (Label* operand : operands) {
        digits << operand->text();
        operand->setForeColor(Colour::Yellow);
    }
    // The first column's question has no space before the question mark.
    QuestionLabel->setText(digits.join(QLatin1Char(' ') + m_kind.sign + QLatin1Char(' '))
                           + (step == 1 ? QStringLiteral(" =?") : QStringLiteral(" = ?")));
    for (LineControl* line : pointerArrow)
        line->show();
    Timer3->setEnabled(true);
    Timer2->setEnabled(true);
}

void ColumnDrill::closeColumn()
{
    step = qint16(step + 1);
    for (Label* operand : std::as_const(m_operands))
        operand->setForeColor(Colour::White);
}

void ColumnDrill::writeAnswer(Label* ones, Label* tens, bool zeroWhenSmall)
{
    const QString t = plain(int(expected));
    if (expected >= 10) {
        ones->setText(t.mid(1, 1));
        tens->setText(t.left(1));
    } else {
        ones->setText(t);
        if (zeroWhenSmall)
            tens->setText(QStringLiteral("0"));
    }
}

void ColumnDrill::finish() { finishProblem(session().*m_kind.score, level()); }

int ColumnDrill::topSuns() const { return m_operands.size() == 3 ? value(m_operands.first()) : 0; }

int ColumnDrill::middleSuns() const { return m_operands.size() >= 2 ? value(m_operands.at(m_operands.size() - 2)) : 0; }

int ColumnDrill::bottomSuns() const { return m_operands.isEmpty() ? 0 : value(m_operands.last()); }

void ColumnDrill::drawSun(double x, double y, int colour) { drawCircle(x, y, SunRadius, qbColor(colour)); }

int ColumnDrill::value(const Label* label) { return toInt16(val(label->text())); }

void ColumnDrill::setDigit(Label* label, int number) { label->setText(plain(number)); }

void ColumnDrill::Timer2_Timer()
{
    // A finished problem has no column left to read.
    if (locked == 0) {
        for (qsizetype i = 0; i < m_operands.size(); ++i) {
            if (i > 0)
                SayNumber(m_kind.word);
            SayNumber(m_operands.at(i)->text());
        }
        SayNumber(QStringLiteral("equals"));
        if (step == 1)
            Option1[1]->setFocus();
    }
    Timer2->setEnabled(false);
}

void ColumnDrill::Timer3_Timer()
{
    if (locked == 0) {
        DrawSuns();
        SunLabel->show();
    }
    Timer3->setEnabled(false);
}

void ColumnDrill::wipePicture()
{
    fillBox(m_kind.wipeLeft, 80, 99, 15, qbColor(Colour::Black));
    SunLabel->hide();
}

void ColumnDrill::CommandAgain_Click()
{
    reopenAnswerArea();
    ClearWorking();
    MakeQuestion();
    wipePicture();
    step = 1;
    SetUpStep1();
}

void ColumnDrill::CommandReturn_Click() { unload(); }

} // namespace kt
