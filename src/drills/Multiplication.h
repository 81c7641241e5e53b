// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long multiplication: one digit by one digit (with a grid of suns to count)
// at level 1, a two- or three-digit number by one digit at levels 2 and 3,
// and two two-digit numbers at level 4, where the two partial products are
// added column by column.
#include "drills/StepDrill.h"

namespace kt {

class Multiplication : public StepDrill {
    Q_OBJECT
public:
    Multiplication();

protected:
    void Form_Load() override;
    void endProblem() override;
    void wipePicture() override;

private:
    void ClearWorking();
    void MakeQuestion();
    void AskFirstStep();
    void DrawSuns();
    QList<StepRow> stepTable(int level);
    // Level 4 before the second row: its placeholder zero, the carries cleared.
    void prepareSecondRow();
    // Before the column sums: the rule over the sum, and a "0" in every empty
    // cell of the partial products, so every column adds three numbers.
    void fillZeros();
    void Timer3_Timer();
    void CommandAnother_Click();
    void CommandReturn_Click();

    qint16 level() const;

    Label *NUM11, *NUM12, *NUM13, *NUM21, *NUM22, *TimesSymbol;
    Label *Carry1, *Carry2, *carry3, *carry4, *carry5, *carry6;
    Label *num31, *num32, *num33, *num34, *num41, *num42, *num43, *num44;
    Label *num51, *num52, *num53, *num54, *num55;
    Label* LabelLemon;
    LineControl *Line1, *Line2, *Line3, *Line4, *Line5, *Line6;
    CommandButton *CommandAnother, *CommandReturn;
    Timer* Timer3;
};

} // namespace kt
