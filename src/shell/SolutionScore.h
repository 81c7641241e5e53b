// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score of a window that works a solution from typed values (factoring,
// simultaneous equations, fractions with variables): a point in the
// window's counter for each solution of changed inputs, shown in LabelScore
// only while the menu leaves HideScore at 0.
#include "shell/HideScoreFlag.h"
#include "shell/SessionState.h"

namespace kt {

class Label;

class SolutionScore : public HideScoreFlag {
protected:
    // The counter of the session the points go to, as SessionState::SolverScore.
    explicit SolutionScore(qint16 SessionState::*counter) : m_counter(counter) {}

    // At load: shows "Score =" and the counter, or hides the label.
    void showScore();
    // The inputs were edited since the last solution.
    void markInputsChanged() { m_inputsChanged = true; }
    // A solution: a point when the inputs changed since the last one.
    void countSolution();

    Label* LabelScore = nullptr;

private:
    qint16 SessionState::*m_counter;
    bool m_inputsChanged = false;
};

} // namespace kt
