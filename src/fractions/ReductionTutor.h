// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions level 4: the child types a fraction and presses Solve. A fraction
// equal to one, a zero numerator or a numerator that goes into the
// denominator is answered at once; any other is reduced in a spoken yes/no
// dialogue over the primes ("Can both the numerator and denominator be
// divided by  2 without a remainder?"), writing the chain 12/18 = 6/9 = 2/3.
#include "fractions/PrimeDialogue.h"
#include "shell/HideScoreFlag.h"
#include "ui/Form.h"

#include <optional>

namespace kt {

class ReductionTutor : public Form, public HideScoreFlag {
    Q_OBJECT
public:
    ReductionTutor();

protected:
    void Form_Load() override;

private:
    void Text1_Change();
    void Text2_Change();
    void cmdSolve_Click();
    void cmdClear_Click();
    void CommandReturn_Click();
    void Option1_DblClick(int index);
    void Option1_KeyPress(int index, int keyAscii);
    void Timer2_Timer();

    // Whether the typed numerator or denominator is taken; a refused box is
    // emptied and focused with its message.
    bool checkNumerator();
    bool checkDenominator();
    // The answer stated at once: "The answer is one!" and the like, with the
    // whole answer after the first equals sign.
    void stateAnswer(const QString& sentence, const QString& answer);
    // The open question of the dialogue, or its closing sentence.
    void NextPrime();
    void ShowYesNo();
    void showChain();
    void HideWorking();
    void showScore();

    TextBox *Text1, *Text2;
    Label *Label1, *Label2, *LabelInstruction, *LabelOneAnswer, *LabelQuestion, *LabelRight, *LabelScore;
    CommandButton *cmdSolve, *cmdClear, *CommandReturn;
    ControlArray<Label> Numerator{QStringLiteral("Numerator")};
    ControlArray<Label> Denominator{QStringLiteral("Denominator")};
    ControlArray<LineControl> DivideLine{QStringLiteral("DivideLine")};
    ControlArray<Label> equal{QStringLiteral("equal")};
    ControlArray<OptionButton> Option1{QStringLiteral("Option1")};
    QList<LineControl*> frameLines; // Line1 to Line4 around Yes and No
    Timer* Timer2;

    std::optional<PrimeDialogue> dialogue;
    bool ReductionDone = true;
};

} // namespace kt
