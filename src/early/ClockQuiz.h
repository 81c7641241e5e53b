// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock quiz: a clock face with the hands of a random time and three
// times in words; the child double-clicks (or presses Enter on) the one the
// clock shows. The level decides which minutes occur. A right first answer
// earns 2 points, each wrong answer before it costs 1, never below 0.
#include "early/ClockFace.h"
#include "shell/ChoiceDrill.h"

#include <array>

namespace kt {

class ClockQuiz : public ChoiceDrill {
    Q_OBJECT
public:
    ClockQuiz();

protected:
    void Form_Load() override;
    void afterRightAnswer(int answeredStep) override;

private:
    // The three times in words: the choice array, named "TimeChoice(i)".
    ControlArray<OptionButton>& TimeChoice = Option1;
    // Prompt and verdict: "Which is correct?", "Wrong" or the right time.
    Label*& Label13 = LabelWrong;
    std::array<Label*, 13> NumeralLabel{}; // Label1..Label12 at 1..12
    CommandButton* DoAgainComButton;
    CommandButton* ReturnComButton;

    void Timer1_Timer();
    void DoAgainComButton_Click();
    void ReturnComButton_Click();

    // The answering rules of the clock: its controls, verdicts, praise and score.
    static ChoiceRules clockRules();
    void NewClockQuestion();
    void DrawClock();
    void drawHands(const ClockTime& time, const QColor& hourColour, const QColor& minuteColour);
    void addNumerals();
    void addShapes();

    // Elements 1..3: the times of the three choices; element 4: the time the
    // clock shows now, erased before the next one is drawn (0:00 at first).
    std::array<qint16, 5> ChoiceHour{};
    std::array<qint16, 5> ChoiceMinute{};
};

} // namespace kt
