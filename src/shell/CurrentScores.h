// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current user's scores of this run, as they stood when the window was
// opened.
#include "ui/Form.h"

#include <array>

namespace kt {

class CurrentScores : public Form {
    Q_OBJECT
public:
    CurrentScores();

protected:
    void Form_Load() override;

private:
    Label* LabelName;
    Label* Label10;
    // Name labels Lbl1, lbl2 .. lbl9 and their value labels Label1 .. Label9,
    // in score-record order (index 0 is Numbers).
    std::array<Label*, 9> scoreNames{};
    std::array<Label*, 9> scoreValues{};
    CommandButton* Command1;

    void Command1_Click();
};

} // namespace kt
