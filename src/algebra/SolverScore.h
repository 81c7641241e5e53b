// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score of the factoring and simultaneous-equation windows: one shared
// counter (SolverScore), a point for each solution of changed inputs, shown
// in LabelScore only while the menu leaves HideScore at 0.
#include "shell/HideScoreFlag.h"

namespace kt {

class Label;

class SolverScore : public HideScoreFlag {
protected:
    // At load: shows "Score =" and the counter, or hides the label.
    void showScore();
    // The inputs were edited since the last solution.
    void markInputsChanged() { m_inputsChanged = true; }
    // A solution: a point when the inputs changed since the last one.
    void countSolution();

    Label* LabelScore = nullptr;

private:
    bool m_inputsChanged = false;
};

} // namespace kt
