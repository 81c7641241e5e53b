// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of the clock quiz: the child picks a level (whole hours, quarter
// hours, five minutes, any minute) and presses "Start".
#include "ui/Form.h"

#include <array>

namespace kt {

class TellTime : public Form {
    Q_OBJECT
public:
    TellTime();

protected:
    void Form_Load() override;

private:
    QAction* menExitTellTime;
    std::array<QAction*, 5> MenLevel{}; // MenLevel1..MenLevel4 at 1..4
    CommandButton* Command1;
    CommandButton* TellTimeBeginCommand;

    void MenLevel_Click(int level);
    void TellTimeBeginCommand_Click();
    void Command1_Click();
    void menExitTellTime_Click();
};

} // namespace kt
