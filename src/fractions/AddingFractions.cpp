// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/AddingFractions.h"

#include "fractions/FractionArithmetic.h"
#include "shell/Speech.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

namespace kt {
namespace {
// The working row, in twips: numerators on top, denominators below the bars.
constexpr int TopRow = 480;
constexpr int BottomRow = 1260;
constexpr int BarY = 1140;
constexpr int RowHeight = 600;

ChoiceRules addingRules()
{
    ChoiceRules rules;
    rules.orLabels = {QStringLiteral("Label1"), QStringLiteral("Label2")};
    rules.verdict = QStringLiteral("WrongLabel");
    rules.score = QStringLiteral("ScoreLabel");
    rules.verdictTimer = QStringLiteral("Timer2");
    rules.pictureTimer = QString();
    rules.rightVerdict = QStringLiteral("Right");
    rules.speakChoiceBelowStep = 5; // decimals are not read out
    rules.verdictClearing = VerdictClearing::AtOnceWithSound;
    rules.keepFinishedVerdict = false;
    rules.wipePictureAfterAnswer = false;
    rules.scoreCaptionAtLoad = QStringLiteral("Score = ");
    return rules;
}

const ChoiceLayout addingLayout{
    2400, 2760, 2400, 480, 300,
    QRect(360, 2040, 8880, 540),  // QuestionLabel
    QRect(5400, 3240, 2400, 600), // WrongLabel
    QRect(6480, 4440, 2760, 480), // ScoreLabel
};
} // namespace

AddingFractions::AddingFractions() : ChoiceDrill(windows::AddingFractions, addingRules())
{
    setCaption(QStringLiteral("Adding Fractions"));
    setSizeTwips(9600, 6000);
    setBackColor(Colour::Black);

    const auto term = [this](const QString& name, int left, int top, int width) {
        Label* label = addLabel(name, left, top, width, RowHeight);
        label->setScriptFont(22, true);
        label->setForeColor(Colour::White);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    const auto bar = [this](const QString& name, int left, int width) {
        return addLine(name, left, BarY, left + width, BarY, Colour::White, 2);
    };
    const auto equals = [this](const QString& upper, const QString& lower, int left) {
        addLine(upper, left, BarY - 90, left + 300, BarY - 90, Colour::White, 2);
        addLine(lower, left, BarY + 60, left + 300, BarY + 60, Colour::White, 2);
    };
    Numerator1Label = term(QStringLiteral("Numerator1Label"), 240, TopRow, 840);
    Den1Label = term(QStringLiteral("Den1Label"), 240, BottomRow, 840);
    bar(QStringLiteral("Line1"), 300, 720);
    Line11 = addLine(QStringLiteral("Line11"), 1200, BarY, 1560, BarY, Colour::White, 3);
    Line10 = addLine(QStringLiteral("Line10"), 1380, BarY - 180, 1380, BarY + 180, Colour::White, 3);
    Numerator2Label = term(QStringLiteral("Numerator2Label"), 1680, TopRow, 840);
    Den2Label = term(QStringLiteral("Den2Label"), 1680, BottomRow, 840);
    bar(QStringLiteral("Line2"), 1740, 720);
    equals(QStringLiteral("Line3"), QStringLiteral("Line4"), 2640);
    Sum1Label = term(QStringLiteral("Sum1Label"), 3060, TopRow, 2040);
    Sum1DenLabel = term(QStringLiteral("Sum1DenLabel"), 3060, BottomRow, 2040);
    bar(QStringLiteral("Line5"), 3120, 1920);
    equals(QStringLiteral("Line6"), QStringLiteral("Line7"), 5220);
    Sum2NumLabel = term(QStringLiteral("Sum2NumLabel"), 5640, TopRow, 1080);
    Sum2DenLabel = term(QStringLiteral("Sum2DenLabel"), 5640, BottomRow, 1080);
    bar(QStringLiteral("Line8"), 5700, 960);
    equals(QStringLiteral("Line9"), QStringLiteral("Line12"), 6840);
    FinalAnswerLabel = term(QStringLiteral("FinalAnswerLabel"), 7260, BarY - RowHeight / 2, 1800);

    addChoiceControls(addingLayout);
    // A bracket from the question down to the choices.
    const int top = addingLayout.optionsTop, bottom = top + 3 * 480 + 2 * 300;
    for (LineControl* line : {addLine(QStringLiteral("Line13"), 2160, top, 2160, bottom, Colour::Yellow, 2),
                              addLine(QStringLiteral("Line14"), 2160, top, 2340, top, Colour::Yellow, 2),
                              addLine(QStringLiteral("Line15"), 2160, bottom, 2340, bottom, Colour::Yellow, 2),
                              addLine(QStringLiteral("Line16"), 1800, (top + bottom) / 2, 2160, (top + bottom) / 2, Colour::Yellow, 2)})
        addToAnswerArea(line);

    Command3D1 = addButton(QStringLiteral("Command3D1"), 360, 5160, 2400, 540, QStringLiteral("&New Problem"));
    AddReturnCommand = addButton(QStringLiteral("AddReturnCommand"), 6480, 5160, 1800, 540, QStringLiteral("&Return"));
    connect(Command3D1, &QPushButton::clicked, this, &AddingFractions::Command3D1_Click);
    connect(AddReturnCommand, &QPushButton::clicked, this, &AddingFractions::AddReturnCommand_Click);

    narrationTimer = addTimer(QStringLiteral("Timer1"), 500);
    narrationTimer->onTimer([this] { Timer1_Timer(); });
}

void AddingFractions::Form_Load()
{
    centre();
    narrationTimer->setEnabled(false);
    Timer1->setEnabled(false); // the verdict timer, "Timer2"
    for (Label* label : {Sum1DenLabel, Sum1Label, Sum2DenLabel, Sum2NumLabel, FinalAnswerLabel})
        label->setText(QString());
    if (adding())
        setCaption(QStringLiteral("Add the fractions.  Double click on the correct answers."));
    else
        setCaption(QStringLiteral("Subtract the fractions.  Double click on the correct answers."));
    Line10->setVisible(adding());
    LabelWrong->setText(QString());
    NewFractions();
    locked = false;
    AskDenominator();
    clearChoiceValues();
    showScore(session().FractionScore);
}

void AddingFractions::Command3D1_Click()
{
    setColour({Numerator1Label, Numerator2Label, Den1Label, Den2Label, Sum1DenLabel, Sum1Label, Sum2DenLabel,
               Sum2NumLabel, FinalAnswerLabel},
              Colour::White);
    for (Label* label : {Sum1DenLabel, Sum1Label, Sum2DenLabel, Sum2NumLabel, FinalAnswerLabel})
        label->setText(QString());
    reopenAnswerArea();
    NewFractions();
    AskDenominator();
}

void AddingFractions::AddReturnCommand_Click() { unload(); }

void AddingFractions::afterRightAnswer(int answeredStep)
{
    switch (answeredStep) {
    case 1:
        AskFirstNumerator();
        break;
    case 2:
        AskSecondNumerator();
        break;
    case 3:
        AskNumeratorSum();
        break;
    case 4:
        AskDecimal();
        break;
    case 5:
        ShowFinalAnswer();
        break;
    default:
        break;
    }
}

void AddingFractions::Timer1_Timer()
{
    const auto say = [](std::initializer_list<QString> pieces) {
        for (const QString& piece : pieces)
            SayNumber(piece);
    };
    const QString equals = QStringLiteral("equals"), divide = QStringLiteral("divide"), times = QStringLiteral("times");
    switch (step) {
    case 1:
        SayNumber(QStringLiteral("what"));
        Option1[1]->setFocus();
        break;
    case 2:
        say({spaced(commonDenominator()), divide, Den1Label->text(), times, Numerator1Label->text(), equals});
        break;
    case 3:
        say({spaced(commonDenominator()), divide, Den2Label->text(), times, Numerator2Label->text(), equals});
        break;
    case 4:
        say({spaced(firstNumerator()), adding() ? QStringLiteral("plus") : QStringLiteral("minus"),
             spaced(secondNumerator()), equals});
        break;
    case 5:
        say({Sum2NumLabel->text(), divide, Sum2DenLabel->text(), equals});
        break;
    case 6:
        SayNumber(FinalAnswerLabel->text());
        break;
    default:
        break;
    }
    narrationTimer->setEnabled(false);
}

void AddingFractions::NewFractions()
{
    randomize();
    do {
        Numerators[1] = qint16(randomInt(4, 1));
        Numerators[2] = qint16(randomInt(4, 1));
        Denominators[1] = qint16(randomInt(5, 3));
        Denominators[2] = qint16(randomInt(5, 3));
    } while (!adding() && !subtractionPosable(Numerators[1], Denominators[1], Numerators[2], Denominators[2]));
    Numerator1Label->setText(spaced(int(Numerators[1])));
    Numerator2Label->setText(spaced(int(Numerators[2])));
    Den1Label->setText(spaced(int(Denominators[1])));
    Den2Label->setText(spaced(int(Denominators[2])));
}

void AddingFractions::AskDenominator()
{
    step = 1;
    CommonDenominator = qint16(commonDenominator());
    QuestionLabel->setText(QStringLiteral("What is the least common denominator?"));
    offerChoices(CommonDenominator);
    narrationTimer->setEnabled(true);
}

void AddingFractions::AskFirstNumerator()
{
    step = 2;
    setColour({Numerator1Label, Den1Label, Sum1DenLabel}, Colour::Yellow);
    Sum1DenLabel->setText(spaced(commonDenominator()));
    Sum1Label->setText(QStringLiteral("?"));
    QuestionLabel->setText(QStringLiteral("What is (") + spaced(commonDenominator()) + QStringLiteral(" /")
                           + Den1Label->text() + QStringLiteral(") X ") + Numerator1Label->text() + QStringLiteral("?"));
    offerChoices(firstNumerator());
    narrationTimer->setEnabled(true);
}

void AddingFractions::AskSecondNumerator()
{
    step = 3;
    setColour({Numerator1Label, Den1Label}, Colour::White);
    setColour({Numerator2Label, Den2Label}, Colour::Yellow);
    Sum1Label->setText(spaced(firstNumerator()) + signPiece() + QStringLiteral(" ?"));
    QuestionLabel->setText(QStringLiteral("What is (") + spaced(commonDenominator()) + QStringLiteral(" /")
                           + Den2Label->text() + QStringLiteral(") X ") + Numerator2Label->text() + QStringLiteral("?"));
    offerChoices(secondNumerator());
    narrationTimer->setEnabled(true);
}

void AddingFractions::AskNumeratorSum()
{
    step = 4;
    setColour({Numerator2Label, Den2Label, Sum1DenLabel}, Colour::White);
    setColour({Sum1Label}, Colour::Yellow);
    const QString sum = spaced(firstNumerator()) + signPiece() + spaced(secondNumerator());
    Sum1Label->setText(sum);
    QuestionLabel->setText(QStringLiteral("What is  ") + sum + QStringLiteral("?"));
    offerChoices(numeratorResult());
    narrationTimer->setEnabled(true);
}

void AddingFractions::AskDecimal()
{
    step = 5;
    setColour({Sum1Label}, Colour::White);
    setColour({Sum2NumLabel, Sum2DenLabel}, Colour::Yellow);
    Sum2DenLabel->setText(Sum1DenLabel->text());
    Sum2NumLabel->setText(spaced(numeratorResult()));
    QuestionLabel->setText(QStringLiteral("What is  ") + Sum2NumLabel->text() + QStringLiteral(" /")
                           + Sum2DenLabel->text() + QStringLiteral(" ?"));
    // The decimal choices are written here: the right one and two wrong ones
    // that never read the same as it.
    const float q = decimalValue();
    const int right = randomInt(3, 1);
    const float w1 = wrongDecimal(q, rnd);
    const float w2 = wrongDecimal(q, rnd);
    const std::array<float, 3> shown = right == 1 ? std::array{q, w1, w2}
                                       : right == 2 ? std::array{w1, q, w2}
                                                    : std::array{w1, w2, q};
    for (int i = 1; i <= 3; ++i)
        Option1[i]->setText(decimalText(shown[i - 1]));
    offerWrittenChoices(right);
    narrationTimer->setEnabled(true);
}

void AddingFractions::ShowFinalAnswer()
{
    step = 6;
    setColour({Sum2NumLabel, Sum2DenLabel}, Colour::White);
    FinalAnswerLabel->setText(decimalText(decimalValue()));
    narrationTimer->setEnabled(true);
    finishProblem(session().FractionScore, 1);
}

bool AddingFractions::adding() const { return session().FractionAddMode == 1; }

QString AddingFractions::signPiece() const { return adding() ? QStringLiteral(" +") : QStringLiteral(" -"); }

int AddingFractions::commonDenominator() const
{
    return leastCommonDenominator(toInt16(val(Den1Label->text())), toInt16(val(Den2Label->text())));
}

int AddingFractions::firstNumerator() const
{
    return numeratorOver(toInt16(val(Numerator1Label->text())), toInt16(val(Den1Label->text())), commonDenominator());
}

int AddingFractions::secondNumerator() const
{
    return numeratorOver(toInt16(val(Numerator2Label->text())), toInt16(val(Den2Label->text())), commonDenominator());
}

int AddingFractions::numeratorResult() const
{
    return adding() ? firstNumerator() + secondNumerator() : firstNumerator() - secondNumerator();
}

float AddingFractions::decimalValue() const
{
    return float(val(Sum2NumLabel->text())) / float(val(Sum2DenLabel->text()));
}

void AddingFractions::setColour(std::initializer_list<Label*> labels, int qbColour)
{
    for (Label* label : labels)
        label->setForeColor(qbColour);
}

} // namespace kt
