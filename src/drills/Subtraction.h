// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Written column subtraction: level 1 takes a one-digit number from a larger
// or equal one, level 2 works with three-digit numbers and borrows in the tens
// column when it must. The suns taken away turn magenta, so the yellow suns
// left count the answer.
#include "drills/ColumnDrill.h"

namespace kt {

class Subtraction : public ColumnDrill {
    Q_OBJECT
public:
    Subtraction();

protected:
    void ClearWorking() override;
    void MakeQuestion() override;
    void SetUpStep1() override;
    void DrawSuns() override;
    void afterRightAnswer(int answeredStep) override;

private:
    // The tens column: borrows one hundred into it when the lower digit is larger.
    void askTens();
    // The hundreds column, from the digit left after a borrow.
    void askHundreds();
    // Asks top - bottom.
    void askDifference(Label* top, Label* bottom);

    Label* Label_Borrow;
    LineControl *Line4, *Line5;
};

} // namespace kt
