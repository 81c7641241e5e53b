// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions level 5: the child types the eight numbers of
//   (a X^r / b Y^s) * (c X^t / d Y^u)
// into boxes inside the printed formula, presses Solve, and the last line
// shows the product worked out: ac/bd as a decimal, X to the power r + t and
// Y to the power s + u.
#include "fractions/VariableProduct.h"
#include "shell/HideScoreFlag.h"
#include "ui/Form.h"

namespace kt {

class FractionReduction : public Form, public HideScoreFlag {
    Q_OBJECT
public:
    FractionReduction();

protected:
    void Form_Load() override;

private:
    void Text_Change();
    void CommandSolve_Click();
    void cmdClear_Click();
    void CommandReturn_Click();

    // Checks one box; a refused box is emptied, InputError set and the
    // instruction tells what the box needs.
    void checkBox(TextBox* box);
    void refuse(TextBox* box);
    void HideResult();
    // Writes the coefficient and moves X, Y and their powers in after it.
    void showProduct(const VariableProduct& product);
    // Places a control of the result row, in twips within Picture1.
    void placeInPanel(QWidget* control, int left);
    // The b and d boxes must not be zero; the others only need a number.
    bool isDenominator(const TextBox* box) const { return box == Textb || box == Textd; }
    float value(const TextBox* box) const;

    TextBox *Texta, *Textb, *Textc, *Textd, *textR, *textS, *TextT, *TextU;
    Label *LabelInstruction, *LabelScore, *LabelAdivB, *LabelCdivD, *LabelACdivBD;
    ControlArray<Label> LabelRplusT{QStringLiteral("LabelRplusT")};
    ControlArray<Label> LabelSplusU{QStringLiteral("LabelSplusU")};
    Label *Picture1, *LabelFinalAnswer, *Labelx, *LabelY;
    CommandButton *CommandSolve, *cmdClear, *CommandReturn;

    qint16 ScoreDue = 0;
    qint16 InputError = 0;
};

} // namespace kt
