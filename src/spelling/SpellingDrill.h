// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Spell This Word": shows a word of the chosen list, says it and spells it
// aloud, hides it when the child is ready, and checks the word typed from
// memory. Counts attempts and right answers, shows the percentage, praises,
// and every tenth attempt can show a reward picture.
#include "ui/Form.h"

#include <array>

namespace kt {

class SpellingDrill : public Form {
    Q_OBJECT
public:
    SpellingDrill();

protected:
    void Form_Load() override;

private:
    TextBox* TextSpelledWord;
    CommandButton *CommandReady, *CommandAnother, *CommandSeeAgain, *CommandReturn;
    Label *LabelInstructions, *LabelScore, *LabelAttempts;
    Timer* Timer1;

    void CommandReady_Click();
    void CommandAnother_Click();
    void CommandSeeAgain_Click();
    void TextSpelledWord_KeyPress(int& ascii);
    void Timer1_Timer();

    void NextWord();
    void PronounceWord();
    void checkAnswer();
    void showScore();
    QString wordOnShow() const;

    qint16 NumWords = 0;
    std::array<bool, 1001> UsedWords{}; // by slot, 1..1000
    qint16 UsedCount = 0;
    bool ReadyPressed = false;
    bool FreshWord = true;
};

} // namespace kt
