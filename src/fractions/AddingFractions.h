// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fractions levels 2 (adding) and 3 (subtracting): two fractions joined by a
// plus or a minus, worked in six steps: the least common denominator, the
// first and second numerators over it, their sum or difference, its decimal
// value, and the final answer. Steps 1 to 5 are three-way choices; each right
// answer fills in, highlights and reads aloud the next part of the working.
#include "shell/ChoiceDrill.h"

namespace kt {

class AddingFractions : public ChoiceDrill {
    Q_OBJECT
public:
    AddingFractions();

protected:
    void Form_Load() override;
    void afterRightAnswer(int answeredStep) override;

private:
    void Command3D1_Click();
    void AddReturnCommand_Click();
    void Timer1_Timer();

    void NewFractions();
    void AskDenominator();
    void AskFirstNumerator();
    void AskSecondNumerator();
    void AskNumeratorSum();
    void AskDecimal();
    void ShowFinalAnswer();

    bool adding() const;
    // " +" or " -" between two numbers, "plus" or "minus" when spoken.
    QString signPiece() const;
    // Values read back from the working: L, A and B, and the decimal Q.
    int commonDenominator() const;
    int firstNumerator() const;
    int secondNumerator() const;
    int numeratorResult() const;
    float decimalValue() const;
    void setColour(std::initializer_list<Label*> labels, int qbColour);

    Label *Numerator1Label, *Den1Label, *Numerator2Label, *Den2Label;
    Label *Sum1Label, *Sum1DenLabel, *Sum2NumLabel, *Sum2DenLabel, *FinalAnswerLabel;
    LineControl *Line10, *Line11;
    CommandButton *Command3D1, *AddReturnCommand;
    Timer* narrationTimer; // "Timer1": reads the step aloud 500 ms after it is set up

    std::array<qint16, 3> Numerators{};   // elements 1 and 2
    std::array<qint16, 3> Denominators{}; // elements 1 and 2
    qint16 CommonDenominator = 0;
};

} // namespace kt
