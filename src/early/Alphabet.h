// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Matching capital and small letters: a capital on a big button, three small
// letters below it; the child clicks the small form of the capital. The
// capitals come in order, A to Z and round again, one per "Try Another One".
#include "ui/Form.h"

#include <array>

namespace kt {

class Alphabet : public Form {
    Q_OBJECT
public:
    Alphabet();

protected:
    void Form_Load() override;

private:
    Label* Instructions;
    CommandButton* UpperCaseLetterCommand;
    std::array<CommandButton*, 4> Letter{};       // Letter1..Letter3 at 1..3
    std::array<Label*, 4> RewardLabel{};          // RewardLabel1..RewardLabel3 at 1..3
    Label* MyScoreIsLabel;
    Label* ScoreLabel;
    CommandButton* TryAnotherCommand;
    CommandButton* Command1;
    QAction* ExitItem;

    void Letter_Click(int place);
    void UpperCaseLetterCommand_Click();
    void TryAnotherCommand_Click();
    void Command1_Click();
    void ExitItem_Click();

    void NewLetter();
    // Says a letter from its recording when the sound is on.
    static void sayLetter(const QString& letter);

    qint16 LetterNumber = 1;
    qint16 RightPlace = 1;
    bool LetterAnswered = false;
};

} // namespace kt
