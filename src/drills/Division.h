// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long division with a remainder: one digit into one digit at level 1, one
// digit into two digits (bringing the second digit down) at level 2, and a
// two-digit divisor into three digits at level 3.
#include "drills/StepDrill.h"

namespace kt {

class Division : public StepDrill {
    Q_OBJECT
public:
    Division();

protected:
    void Form_Load() override;
    void endProblem() override;

private:
    void ClearWorking();
    void MakeQuestion();
    // The first question: step 1, or step 9 at level 3.
    void AskFirstStep();
    QList<StepRow> stepTable(int level);
    // The next digit of the dividend comes down beside the difference.
    void bringDown(Label* digit, Label* to, std::initializer_list<LineControl*> arrow);
    void CommandAgain_Click();
    void CommandReturn_Click();

    qint16 level() const;

    Label *D1, *D2, *A1, *A2, *A3, *N1, *N2, *N3, *X1, *X2;
    Label *Y1, *Y2, *Y3, *Z1, *Z2, *Z3, *R1, *R2, *R3;
    Label* Label_R;
    LineControl *Line1, *Line2, *Line3, *Line4, *Line5, *Line6, *Line7, *Line8, *Line9, *Line10;
    CommandButton *CommandAgain, *CommandReturn;
};

} // namespace kt
