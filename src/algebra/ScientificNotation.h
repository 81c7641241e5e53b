// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scientific notation: a number typed by the child rewritten in the
// 0.00E+00 form.
#include "shell/WorkedSolutionForm.h"

namespace kt {

class ScientificNotation : public WorkedSolutionForm {
    Q_OBJECT
public:
    ScientificNotation();

protected:
    void Form_Load() override;

private:
    void TextInputNumber_Change();
    void cmdSolve_Click();
    void cmdClear_Click();
    void cmdExit_Click();

    TextBox* TextInputNumber;
    Label* LabelFinalAnswer;
};

} // namespace kt
