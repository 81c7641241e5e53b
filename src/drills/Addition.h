// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Written column addition: level 1 adds two one-digit numbers, level 2 two
// three-digit numbers with carrying, one column at a time.
#include "drills/ColumnDrill.h"

namespace kt {

class Addition : public ColumnDrill {
    Q_OBJECT
public:
    Addition();

protected:
    void MakeQuestion() override;
    void SetUpStep1() override;
    void DrawSuns() override;
    void afterRightAnswer(int answeredStep) override;

private:
    // Asks a column that adds the carry into it: carry + a + n.
    void askCarryColumn(Label* carry, Label* a, Label* n);

    LineControl* Line3;
    Label* Label_Carry;
};

} // namespace kt
