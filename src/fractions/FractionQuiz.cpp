// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/FractionQuiz.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Pictures.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QPainter>
#include <cmath>

namespace kt {
namespace {
constexpr int WindowWidth = 8580;
constexpr int WindowHeight = 5565;
// Image1: the planet's box, in twips.
const QRect Image1Box(960, 960, 2295, 2295);
// The centre of the planet's disc in drawing units.
constexpr int CentreX = -150;
constexpr int CentreY = 48;

ChoiceRules pieRules(const FractionQuiz* form)
{
    ChoiceRules rules;
    rules.choiceCount = 6;
    rules.orLabels = {};
    rules.question = QString(); // the question is shown in the verdict label
    rules.verdict = QStringLiteral("RewardLabel");
    rules.score = QStringLiteral("ScoreLabel");
    rules.verdictTimer = QString();
    rules.pictureTimer = QString();
    rules.speakChoiceBelowStep = 0;
    rules.clearSelectionAfterAnswer = false;
    rules.verdictClearing = VerdictClearing::Never;
    rules.wipePictureAfterAnswer = false;
    rules.answerScore = &SessionState::FractionScore;
    rules.pointsRight = 1;
    rules.pointsWrong = -1;
    rules.scoreShown = [form] { return form->HideScore == 0; };
    rules.scoreCaptionAtLoad = QStringLiteral("Score = ");
    return rules;
}

const ChoiceLayout pieLayout{
    3480, 480, 5040, 450, 0,
    QRect(),                      // no question label
    QRect(240, 3900, 5400, 540),  // RewardLabel
    QRect(5880, 3960, 2520, 450), // ScoreLabel
    10,
};
} // namespace

const std::array<PieAnswer, 7>& pieAnswers()
{
    static const std::array<PieAnswer, 7> answers{{
        {0, QString()},
        {90, QStringLiteral("One out of  four parts = One fourth = 1/4")},
        {120, QStringLiteral("One out of  three parts = One third = 1/3")},
        {180, QStringLiteral("One out of  two parts = One half = 1/2 = 2/4")},
        {240, QStringLiteral("Two out of  three parts = Two thirds = 2/3")},
        {270, QStringLiteral("Three out of  four parts = Three fourths = 3/4")},
        {360, QStringLiteral("All of it = One = 1/1 = 2/2 = 3/3 = 4/4")},
    }};
    return answers;
}

QPoint PolarOffset(int radius, int degrees)
{
    const double t = degrees / 57.296;
    return QPoint(int(intFloor(radius * std::cos(t))), int(intFloor(radius * std::sin(t))));
}

FractionQuiz::FractionQuiz() : ChoiceDrill(windows::FractionQuiz, pieRules(this))
{
    setCaption(QStringLiteral("Basic Fractions"));
    setSizeTwips(WindowWidth, WindowHeight);
    setBackColor(Colour::Black);

    Label1 = addLabel(QStringLiteral("Label1"), 480, 3420, 3240, 420, QStringLiteral("This is the planet Mercury"));
    Label1->setScriptFont(12, true);
    Label1->setForeColor(Colour::LightCyan);
    Line1 = addLine(QStringLiteral("Line1"), 1200, 3420, 1680, 3000, Colour::LightCyan);
    Line2 = addLine(QStringLiteral("Line2"), 2100, 3420, 2100, 3060, Colour::LightCyan);
    Line3 = addLine(QStringLiteral("Line3"), 3000, 3420, 2520, 3000, Colour::LightCyan);

    addChoiceControls(pieLayout);
    for (int i = 1; i <= 6; ++i)
        Option1[i]->setText(pieAnswers()[i].caption);
    LabelWrong->setText(QStringLiteral(" "));
    LabelWrong->setScriptFont(18, true);
    LabelScore->setScriptFont(14, true);
    LabelScore->hide();

    TryAnotherCommand = addButton(QStringLiteral("TryAnotherCommand"), 3720, 4740, 2400, 540,
                                  QStringLiteral("Try &Another One"));
    BasicFracReturn = addButton(QStringLiteral("BasicFracReturn"), 6480, 4740, 1800, 540, QStringLiteral("&Return"));
    connect(TryAnotherCommand, &QPushButton::clicked, this, &FractionQuiz::TryAnotherCommand_Click);
    connect(BasicFracReturn, &QPushButton::clicked, this, &FractionQuiz::BasicFracReturn_Click);

    questionTimer = addTimer(QStringLiteral("Timer1"), 500);
    questionTimer->onTimer([this] { Timer1_Timer(); });
    showPlanet();
}

void FractionQuiz::Form_Load()
{
    centre();
    setCaption(QStringLiteral("Learn basic fractions.  Double click on the correct answer."));
    showScore(session().FractionScore);
    LabelScore->show();
    // Nothing to answer until the first question is drawn.
    locked = true;
    questionTimer->setEnabled(true);
}

void FractionQuiz::Timer1_Timer()
{
    questionTimer->setEnabled(false);
    PickMissingPart();
    DrawMissingPart();
    Option1[1]->setFocus();
}

void FractionQuiz::afterRightAnswer(int) { TryAnotherCommand->setFocus(); }

void FractionQuiz::TryAnotherCommand_Click()
{
    LabelWrong->setText(QStringLiteral("How much of Mercury is missing?"));
    clearChoiceValues();
    // The picture comes back whole; the next slice is drawn half a second later.
    cls();
    locked = true;
    questionTimer->setEnabled(true);
}

void FractionQuiz::BasicFracReturn_Click() { unload(); }

void FractionQuiz::PickMissingPart()
{
    randomize();
    int k = randomInt(5, 1);
    while (k == LastAnswerIndex)
        k = randomInt(6, 1);
    LastAnswerIndex = qint16(k);
    SliceAngle = qint16(pieAnswers()[k].sliceAngle);
    offerWrittenChoices(k);
    locked = false;
}

void FractionQuiz::DrawMissingPart()
{
    scale(-300, 192, 300, -192);
    SliceRadius = 52;
    setDrawWidth(2);
    const auto lineTo = [this](QPoint end, int colour) { drawLine(CentreX, CentreY, end.x(), end.y(), qbColor(colour)); };
    const QPoint centre(CentreX, CentreY);
    // Lines from the centre paint the slice solid black; one degree apart,
    // since at two degrees specks of the planet stay between them at the rim.
    for (int a = 0; a <= SliceAngle; ++a)
        lineTo(centre + PolarOffset(SliceRadius, a), 0);
    LabelWrong->setText(QStringLiteral("How much of Mercury is missing?"));

    setDrawWidth(1);
    switch (SliceAngle) {
    case 90:
    case 180:
    case 270:
        // The downward line stops at y = 0, short of the rim.
        for (const QPoint end : {QPoint(CentreX + 52, CentreY), QPoint(CentreX, CentreY + 52),
                                 QPoint(CentreX - 52, CentreY), QPoint(CentreX, 0)})
            lineTo(end, 15);
        break;
    case 120:
    case 240:
        for (const QPoint end : {centre + PolarOffset(52, 120), centre + PolarOffset(52, 240),
                                 QPoint(CentreX + 52, CentreY)})
            lineTo(end, 15);
        break;
    default:
        break;
    }
}

void FractionQuiz::showPlanet()
{
    const QImage planet = readPicture(platform().paths.findProgramFile(QStringLiteral("planet.bmp")));
    if (planet.isNull())
        return;
    // The window's picture: black space with the planet stretched into its box.
    QImage picture(px(WindowWidth), px(WindowHeight), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(px(Image1Box.left()), px(Image1Box.top()), px(Image1Box.width()),
                            px(Image1Box.height())),
                      planet);
    painter.end();
    surface()->setPicture(picture);
}

} // namespace kt
