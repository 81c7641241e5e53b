// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two linear equations a1 x + b1 y = c1, a2 x + b2 y = c2 solved by Cramer's
// rule, the rule shown as determinants and expanded with the typed
// coefficients in place of their names.
#include "shell/SolutionScore.h"
#include "shell/WorkedSolutionForm.h"

namespace kt {

class SimultaneousEquations : public WorkedSolutionForm, public SolutionScore {
    Q_OBJECT
public:
    SimultaneousEquations();

protected:
    void Form_Load() override;

private:
    void Text_Change();
    void CommandSolve_Click();
    void CmdClear_Click();
    void CommandReturn_Click();

    // False after "Use an integer value." with the box emptied and focused.
    bool validate(TextBox* box);
    void ResetWorking();

    TextBox *texta1, *textb1, *textc1, *texta2, *textb2, *textc2;
    CommandButton* CommandSolve;
    Label *LabelInstructions, *LabelAnswerx, *LabelAnswery;
    // Every place of a coefficient in the worked rule, by coefficient.
    QList<std::pair<TextBox*, ControlArray<Label>*>> m_coefficients;
};

} // namespace kt
