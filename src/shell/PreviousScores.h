// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every score record kept for a chosen name, read back from that name's score
// file, and the deletion of a score file.
#include "ui/Form.h"

#include <QList>

namespace kt {

class ScoreChart;

class PreviousScores : public Form {
    Q_OBJECT
public:
    PreviousScores();

protected:
    void Form_Load() override;

private:
    ComboBox* CboNames;
    TextArea* Text1;
    CommandButton* cmdDelete;
    CommandButton* cmdReturn;
    // The chosen name's records over time, under the buttons.
    ScoreChart* Chart;

    void CboNames_Click();
    void CboNames_Change();
    void cmdDelete_Click();
    void cmdReturn_Click();

    // Empties the list's text without reading any file.
    void clearChoice();
};

} // namespace kt
