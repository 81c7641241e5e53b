// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window for every type of the Solve Equations menu (frmEquation1 to
// frmEquation8): the equation with its entry boxes in place, the fixed
// worked derivation, Solve, Clear and Return. The type's description
// (EquationTypes.h) gives the rows, the Enter order and the formula; the
// right-triangle types add the number under the root and a drawn triangle.
#include "algebra/EquationTypes.h"
#include "shell/WorkedSolutionForm.h"

namespace kt {

class EquationSolver : public WorkedSolutionForm {
    Q_OBJECT
public:
    explicit EquationSolver(int type);

protected:
    void Form_Load() override;

private:
    void Text_Change();
    void cmdSolve_Click();
    void cmdClear_Click();
    void cmdExit_Click();

    // The window's message for a value it cannot use; the focus goes to `box`.
    void refuse(TextBox* box, const QString& message);
    void hideAnswer();
    // The right triangle beside the formula, its sides named a, b and X.
    void drawTriangle(int left, int top);
    TextBox* firstBox() const { return findBox(m_type.enterOrder.first()); }

    const EquationType& m_type;
    TextBox *Texta, *Textb, *Textc; // Textc only in the types that have c

    Label* LabelFinalAnswer;
    Label* LabelSumOfSquares; // right triangles only
};

} // namespace kt
