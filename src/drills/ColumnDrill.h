// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame the addition and subtraction drills share: two numbers written in
// columns (first number A3 A2 A1 over second number N3 N2 N1, the answer
// Y4 Y3 Y2 Y1 under the bar, small carry or borrow digits C2 C1 above), worked
// one column at a time. Each column is a three-way choice; its digits light up
// yellow, the column is read aloud 100 ms after it is asked ("seven, plus,
// eight, equals") and yellow suns to count appear 500 ms after it is asked.
#include "shell/ChoiceDrill.h"
#include "shell/SessionState.h"

namespace kt {

// What tells the two column drills apart, besides their own steps.
struct ColumnDrillKind {
    QString name;        // window name
    QString title;       // caption before the level: "Addition Level"
    QString sign;        // written between the numbers of a question: "+"
    QString word;        // spoken between them: "plus"
    QString sunText;     // SunLabel
    double wipeLeft;     // left edge of the sun area, in drawing units
    qint16 SessionState::*level;
    qint16 SessionState::*score;
};

class ColumnDrill : public ChoiceDrill {
    Q_OBJECT
public:
    explicit ColumnDrill(const ColumnDrillKind& kind);

protected:
    void Form_Load() override;

    virtual void ClearWorking();
    virtual void MakeQuestion() = 0;
    virtual void SetUpStep1() = 0;
    virtual void DrawSuns() = 0;
    void wipePicture() override;

    // Asks the column made of `operands` (top to bottom, as written in the
    // question) with the right answer `rightAnswer`: choices, question,
    // yellow digits, pointer, and the narration and sun timers.
    void askColumn(const QList<Label*>& operands, int rightAnswer);
    // A right answer closed the column: next step, its digits white again.
    void closeColumn();
    // Writes `expected` under the column: its ones digit into `ones` and, for
    // 10 or more, its tens digit into `tens`; below 10 `tens` gets "0" when
    // `zeroWhenSmall` (a carry of 0) and is left alone otherwise.
    void writeAnswer(Label* ones, Label* tens, bool zeroWhenSmall);
    // The problem is solved: the drill's score gains its level.
    void finish();

    qint16 level() const { return session().*m_kind.level; }
    // The suns of the column being asked: a carry (addition only), the upper
    // and the lower digit.
    int topSuns() const;
    int middleSuns() const;
    int bottomSuns() const;
    // A sun of the given palette colour centred at (x, y) in drawing units.
    void drawSun(double x, double y, int colour);

    // The numeric value of a label's caption (0 when empty).
    static int value(const Label* label);
    static void setDigit(Label* label, int number);

    Label *A1, *A2, *A3, *N1, *N2, *N3, *Y1, *Y2, *Y3, *Y4, *C1, *C2;
    Label* SunLabel;
    LineControl *Line1, *Line2;
    std::array<LineControl*, 3> pointerArrow{}; // "Line11".."Line13"
    CommandButton *CommandAgain, *CommandReturn;
    Timer *Timer2, *Timer3;

private:
    void Timer2_Timer();
    void Timer3_Timer();
    void CommandAgain_Click();
    void CommandReturn_Click();

    ColumnDrillKind m_kind;
    QList<Label*> m_operands; // the digits of the column being asked
};

} // namespace kt
