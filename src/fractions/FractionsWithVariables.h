// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions level 5: the child types the eight numbers of
//   (a X^r / b Y^s) * (c X^t / d Y^u)
// into boxes inside the printed formula, presses Solve, and the last line
// shows the product worked out: ac/bd as a decimal, X to the power r + t and
// Y to the power s + u.
#include "fractions/VariableProduct.h"
#include "shell/SolutionScore.h"
#include "shell/WorkedSolutionForm.h"

namespace kt {

class FractionsWithVariables : public WorkedSolutionForm, public SolutionScore {
    Q_OBJECT
public:
    FractionsWithVariables();

protected:
    void Form_Load() override;

private:
    void Text_Change();
    void CommandSolve_Click();
    void cmdClear_Click();
    void CommandReturn_Click();

    // Whether one box is taken; a refused box is emptied and the
    // instruction tells what the box needs.
    bool check(TextBox* box);
    void refuse(TextBox* box);
    void HideResult();
    // Writes the coefficient and sets X, Y and their powers after it.
    void showProduct(const VariableProduct& product);
    // The b and d boxes must not be zero; the others only need a number.
    bool isDenominator(const TextBox* box) const { return box == Textb || box == Textd; }
    float value(const TextBox* box) const;

    TextBox *Texta, *Textb, *Textc, *Textd, *textR, *textS, *TextT, *TextU;
    Label *LabelInstruction, *Picture1, *LabelFinalAnswer, *Labelx, *LabelY;
    ControlArray<Label>& LabelRplusT;
    ControlArray<Label>& LabelSplusU;
    CommandButton *CommandSolve, *cmdClear, *CommandReturn;

};

} // namespace kt
