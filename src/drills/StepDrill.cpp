// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/StepDrill.h"

#include "shell/Speech.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Timer.h"

namespace kt {

int stepAnswer(Working working, const QList<int>& values)
{
    const auto at = [&values](qsizetype i) { return i < values.size() ? values.at(i) : 0; };
    switch (working) {
    case Working::Product:
        return at(0) * at(1) + at(2);
    case Working::Sum:
        return at(0) + at(1) + at(2);
    case Working::GoesInto:
        return at(0) == 0 ? 0 : int(intFloor(double(at(1)) / at(0)));
    case Working::Difference:
        return at(0) - at(1);
    }
    return 0;
}

QString stepQuestion(const Phrase& phrase, const QStringList& operands)
{
    QString text = phrase.before;
    for (qsizetype i = 0; i < operands.size(); ++i) {
        if (i > 0)
            text += phrase.joins.value(i - 1);
        text += operands.at(i);
    }
    return text + phrase.after;
}

QList<std::optional<QString>> answerDigits(int answer, int cellCount, LeadingZeros zeros)
{
    if (cellCount == 1)
        return {plain(answer)};
    QList<std::optional<QString>> digits;
    int place = 1;
    for (int i = 1; i < cellCount; ++i)
        place *= 10;
    int rest = answer;
    for (int i = 0; i < cellCount; ++i, place /= 10) {
        const int digit = i == 0 ? rest / place : (rest / place) % 10;
        const bool leading = i < cellCount - 1 && answer < place;
        if (leading && zeros == LeadingZeros::Omitted)
            digits << std::nullopt;
        else
            digits << plain(digit);
        if (i == 0)
            rest -= digit * place;
    }
    return digits;
}

StepDrill::StepDrill(const QString& name, ChoiceRules rules) : ChoiceDrill(name, std::move(rules))
{
    Timer2 = addTimer(QStringLiteral("Timer2"), 100);
    Timer2->onTimer([this] { Timer2_Timer(); });
}

const StepRow* StepDrill::row(int number) const
{
    for (const StepRow& r : m_rows)
        if (r.step == number)
            return &r;
    return nullptr;
}

int StepDrill::value(const Label* label) { return toInt16(val(label->text())); }

int StepDrill::value(const Operand& operand)
{
    int number = 0;
    for (const Label* digit : operand.digits)
        number = number * 10 + value(digit);
    return number;
}

QString StepDrill::written(const Operand& operand)
{
    return operand.spaced ? spaced(value(operand)) : plain(value(operand));
}

void StepDrill::highlight(const StepRow& r, int colour)
{
    for (const Operand& operand : r.operands)
        for (Label* digit : operand.digits)
            digit->setForeColor(colour);
}

void StepDrill::askStep(int number)
{
    step = qint16(number);
    const StepRow* r = row(number);
    if (!r)
        return;
    QList<int> values;
    QStringList texts;
    for (const Operand& operand : r->operands) {
        values << value(operand);
        texts << written(operand);
    }
    offerChoices(stepAnswer(r->phrase->working, values));
    QuestionLabel->setText(stepQuestion(*r->phrase, texts));
    highlight(*r, Colour::Yellow);
    Timer2->setEnabled(true);
}

void StepDrill::afterRightAnswer(int answeredStep)
{
    const StepRow* r = row(answeredStep);
    if (!r)
        return;
    highlight(*r, Colour::White);
    const QList<std::optional<QString>> digits = answerDigits(expected, int(r->cells.size()), r->zeros);
    for (qsizetype i = 0; i < r->cells.size(); ++i)
        if (digits.at(i))
            r->cells.at(i)->setText(*digits.at(i));
    if (r->then)
        r->then();
    if (r->next != 0)
        askStep(r->next);
    else
        endProblem();
}

void StepDrill::Timer2_Timer()
{
    // A finished problem has no question left to read.
    const StepRow* r = locked == 0 ? row(step) : nullptr;
    if (r) {
        for (qsizetype i = 0; i < r->operands.size(); ++i) {
            if (i > 0)
                SayNumber(r->phrase->words.value(i - 1));
            SayNumber(plain(value(r->operands.at(i))));
        }
        SayNumber(r->phrase->lastWord);
        if (step == firstStep)
            Option1[1]->setFocus();
    }
    Timer2->setEnabled(false);
}

} // namespace kt
