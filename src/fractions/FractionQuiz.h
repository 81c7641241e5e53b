// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions level 1: a planet with a pie slice of its disc painted black, and
// six fixed answers from a quarter to all of it. Until the right answer, each
// answer moves FractionScore: up one when right, down one when wrong.
#include "shell/ChoiceDrill.h"
#include "shell/HideScoreFlag.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace kt {

// Where the division lines of the slice run, and how far it reaches.
struct PieAnswer {
    int sliceAngle;     // degrees, counter-clockwise from three o'clock
    QString caption;
};
// The six answers by Index 1 to 6 (element 0 unused).
const std::array<PieAnswer, 7>& pieAnswers();

// Int(radius cos t), Int(radius sin t) for t = degrees / 57.296.
QPoint PolarOffset(int radius, int degrees);

class FractionQuiz : public ChoiceDrill, public HideScoreFlag {
    Q_OBJECT
public:
    FractionQuiz();

protected:
    void Form_Load() override;
    void afterRightAnswer(int answeredStep) override;

private:
    void Timer1_Timer();
    void TryAnotherCommand_Click();
    void BasicFracReturn_Click();

    void PickMissingPart();
    void DrawMissingPart();
    // The planet in its box on the window's surface; drawing goes over it,
    // and wiping the drawing shows the whole planet again.
    void showPlanet();

    Label* Label1;
    LineControl *Line1, *Line2, *Line3;
    CommandButton *TryAnotherCommand, *BasicFracReturn;
    Timer* questionTimer; // "Timer1": draws the question half a second after it is enabled

    // The right answer's Index is the choice answering's correctIndex.
    qint16 LastAnswerIndex = 0;
    qint16 SliceAngle = 0;
    qint16 SliceRadius = 52;
};

} // namespace kt
