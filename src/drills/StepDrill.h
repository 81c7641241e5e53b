// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long multiplication and long division are written as step tables: one row
// per question of the worked problem, saying which numbers of the working it
// asks about, how it is phrased and spoken, which cells the right answer is
// written into and which step follows. StepDrill walks such a table.
#include "shell/ChoiceDrill.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace kt {

class Label;

// What a step asks of its operands' values.
enum class Working {
    Product,    // a x b, plus a carry c when there is a third operand
    Sum,        // a + b (+ c)
    GoesInto,   // how many times a goes into b: Int(b / a)
    Difference, // a - b
};

// How a kind of question is written and read aloud:
// before + a + joins[0] + b (+ joins[1] + c) + after, spoken as
// a, words[0], b (, words[1], c), lastWord.
struct Phrase {
    Working working;
    QString before;
    QStringList joins;
    QString after;
    QStringList words;
    QString lastWord;
};

// A number of the working, read from its digit labels (most significant
// first) by the numeric value of their captions.
struct Operand {
    Operand(Label* digit) : digits{digit} {}
    Operand(std::initializer_list<Label*> number, bool spaced = false) : digits(number), spaced(spaced) {}
    QList<Label*> digits;
    bool spaced = false; // written with the leading blank of a non-negative number
};

// Whether the leading zeros of an answer are written into its cells.
enum class LeadingZeros { Written, Omitted };

struct StepRow {
    int step;
    const Phrase* phrase;
    QList<Operand> operands;
    QList<Label*> cells; // where the answer goes, most significant first
    LeadingZeros zeros;
    int next;            // 0: the problem is finished
    std::function<void()> then = {}; // working shown once the answer is written
};

// The right answer of a step from its operands' values.
int stepAnswer(Working working, const QList<int>& values);
// The question text from the operands as written.
QString stepQuestion(const Phrase& phrase, const QStringList& operands);
// The answer as written into `cellCount` cells, most significant first: one
// cell takes the whole number; several take one digit each, a leading zero
// written or left out (nullopt: the cell is left as it is).
QList<std::optional<QString>> answerDigits(int answer, int cellCount, LeadingZeros zeros);

class StepDrill : public ChoiceDrill {
    Q_OBJECT
public:
    StepDrill(const QString& name, ChoiceRules rules);

protected:
    // The table of the problem on screen (it may depend on the level).
    void setSteps(QList<StepRow> rows) { m_rows = std::move(rows); }
    // Asks the row of `number`: choices, question, yellow operands, narration.
    void askStep(int number);
    void afterRightAnswer(int answeredStep) override;
    // The last row was answered: the window states the result and scores.
    virtual void endProblem() = 0;

    // Narration (100 ms after a question): the operands and the words, then
    // at the first question of a problem the focus on the first choice.
    void Timer2_Timer();

    static int value(const Label* label);
    static int value(const Operand& operand);
    static QString written(const Operand& operand);

    Timer* Timer2 = nullptr;
    int firstStep = 1;

private:
    const StepRow* row(int number) const;
    void highlight(const StepRow& row, int colour);

    QList<StepRow> m_rows;
};

} // namespace kt
