// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Factoring a quadratic P(Y) = aY^2 + bY + c with the quadratic formula: the
// child types a, b and c; Solve fills the formula with them and shows the
// discriminant, 2a and the two roots.
#include "shell/SolutionScore.h"
#include "shell/WorkedSolutionForm.h"

namespace kt {

class QuadraticFactoring : public WorkedSolutionForm, public SolutionScore {
    Q_OBJECT
public:
    QuadraticFactoring();

protected:
    void Form_Load() override;

private:
    void Text_Change();
    void CommandSolve_Click();
    void CmdClear_Click();
    void CommandQuit_Click();

    // Each false after reporting the box and emptying it.
    bool validateA();
    bool validateB();
    bool validateC();
    // A value the window cannot use: the reason in LabelInstructions, the
    // message in a box, the box emptied and focused.
    void refuse(TextBox* box, const QString& instruction, const QString& message);
    void ResetWorking();

    TextBox *TextA, *TextB, *TextC;
    CommandButton* CommandSolve;
    Label *LabelInstructions, *bsqr4ac, *Label2a, *F1Answer, *F2Answer;
    ControlArray<Label>& a;
    ControlArray<Label>& b;
    ControlArray<Label>& c;
    QList<QWidget*> m_numericRows; // rows 5 to 7, hidden until solved
};

} // namespace kt
