// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChoiceDrill.h"

#include "shell/Speech.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <algorithm>
#include <cstdlib>

namespace kt {

int randomInt(int n, int k) { return int(intFloor(n * rnd())) + k; }

int wrongChoice(int expected, double r)
{
    const int m = std::max(expected, 3);
    return int(intFloor(r * m + m / 2.0));
}

ChoiceDrill::ChoiceDrill(const QString& name, ChoiceRules rules)
    : Form(name), Option1(rules.choices), m_rules(std::move(rules))
{
}

void ChoiceDrill::addChoiceControls(const ChoiceLayout& layout)
{
    const int stride = layout.optionHeight + layout.orHeight;
    for (int i = 1; i <= m_rules.choiceCount; ++i) {
        OptionButton* option = addOption(Option1, i, layout.optionsLeft, layout.optionsTop + (i - 1) * stride,
                                         layout.optionWidth, layout.optionHeight);
        option->setFont(scriptFont(layout.optionPointSize, true));
        option->setForeColor(Colour::White);
    }
    Option1.on(&OptionButton::doubleClicked, this, [this](int index, int) { Option1_DblClick(index); });
    Option1.on(&OptionButton::keyPressed, this, [this](int index, int, int ascii) { Option1_KeyPress(index, ascii); });

    for (qsizetype i = 0; i < m_rules.orLabels.size(); ++i) {
        Label* label = addLabel(m_rules.orLabels.at(i), layout.optionsLeft + 360,
                                layout.optionsTop + int(i + 1) * stride - layout.orHeight, layout.optionWidth - 360,
                                layout.orHeight, QStringLiteral("OR"));
        label->setFontSize(9, true);
        label->setForeColor(Colour::White);
        orLabels << label;
    }

    const auto label = [&](const QString& name, const QRect& r, const QString& caption, int colour, int size) {
        if (name.isEmpty())
            return static_cast<Label*>(nullptr);
        Label* l = addLabel(name, r.left(), r.top(), r.width(), r.height(), caption);
        l->setForeColor(colour);
        l->setFontSize(size, true);
        return l;
    };
    QuestionLabel = label(m_rules.question, layout.question, QString(), 14, 16);
    LabelWrong = label(m_rules.verdict, layout.verdict, QStringLiteral("Hi!"), 14, 24);
    LabelScore = label(m_rules.score, layout.score, QString(), 4, 14);

    if (!m_rules.verdictTimer.isEmpty()) {
        Timer1 = addTimer(m_rules.verdictTimer, 1000);
        Timer1->onTimer([this] { Timer1_Timer(); });
    }
    if (!m_rules.pictureTimer.isEmpty()) {
        Timer4 = addTimer(m_rules.pictureTimer, 100);
        Timer4->onTimer([this] { Timer4_Timer(); });
    }
}

void ChoiceDrill::addDigitGrid(std::initializer_list<DigitRow> rows, int firstLeft, int step, DigitFace big,
                               DigitFace small)
{
    for (const DigitRow& row : rows) {
        const DigitFace face = row.small ? small : big;
        int left = firstLeft;
        for (const DigitCell& cell : row.cells) {
            if (cell.label) {
                Label* label = addLabel(QLatin1String(cell.name), left, row.top, std::abs(step), face.height);
                label->setScriptFont(face.points, true);
                label->setAlignment(Qt::AlignCenter);
                label->setForeColor(Colour::White);
                *cell.label = label;
            }
            left += step;
        }
    }
}

std::array<LineControl*, 3> ChoiceDrill::addPointerArrow(int x, int top, int bottom)
{
    constexpr int Head = 120;
    const std::array<LineControl*, 3> arrow{
        addLine(QStringLiteral("Line11"), x, top, x, bottom, Colour::Yellow, 2),
        addLine(QStringLiteral("Line12"), x - Head, bottom - Head, x, bottom, Colour::Yellow, 2),
        addLine(QStringLiteral("Line13"), x + Head, bottom - Head, x, bottom, Colour::Yellow, 2)};
    for (LineControl* line : arrow)
        addToAnswerArea(line);
    return arrow;
}

void ChoiceDrill::offerChoices(int rightAnswer)
{
    expected = qint16(rightAnswer);
    correctIndex = qint16(randomInt(3, 1));
    answered = false;
    for (int i = 1; i <= 3; ++i)
        Option1[i]->setText(plain(rightAnswer));
    MakeWrongChoices(rightAnswer);
}

void ChoiceDrill::MakeWrongChoices(int rightAnswer)
{
    // The two other choices, in the order each right choice fills them.
    static const int others[4][2] = {{0, 0}, {2, 3}, {1, 3}, {2, 1}};
    const QString right = Option1[correctIndex]->text();
    for (const int j : others[correctIndex]) {
        // Redrawn until it differs from the right answer; the two wrong
        // choices may still equal each other.
        while (Option1[j]->text() == right)
            Option1[j]->setText(plain(wrongChoice(rightAnswer, rnd())));
    }
}

void ChoiceDrill::offerWrittenChoices(int rightIndex)
{
    correctIndex = qint16(rightIndex);
    answered = false;
}

void ChoiceDrill::Option1_DblClick(int index)
{
    if (locked || !Option1.contains(index))
        return;
    const bool right = index == correctIndex;
    const bool firstRight = !answered;
    if (LabelWrong)
        LabelWrong->setText(right ? m_rules.rightVerdict : m_rules.wrongVerdict);
    if (step < m_rules.speakChoiceBelowStep)
        SayNumber(Option1[index]->text());
    if (m_rules.verdictClearing == VerdictClearing::TimerBeforePraise)
        startVerdictTimer();
    // Once a question is answered right, further answers only change the verdict.
    if (firstRight)
        scoreAnswer(right);
    if (m_rules.clearSelectionAfterAnswer)
        clearChoiceValues();
    if (right) {
        answered = true;
        afterRightAnswer(step);
    }
    if (m_rules.verdictClearing == VerdictClearing::TimerAfterStep)
        startVerdictTimer();
    if (m_rules.verdictClearing == VerdictClearing::AtOnceWithSound) {
        if (soundOn() && LabelWrong)
            LabelWrong->setText(QString());
        else
            startVerdictTimer();
    }
    if (m_rules.wipePictureAfterAnswer && Timer4)
        Timer4->setEnabled(true);
}

void ChoiceDrill::scoreAnswer(bool right)
{
    qint16* score = m_rules.answerScore ? &(session().*m_rules.answerScore) : nullptr;
    if (score) {
        const int moved = addSaturating16(*score, right ? m_rules.pointsRight : m_rules.pointsWrong);
        *score = qint16(std::max(moved, std::min(m_rules.scoreFloor, int(*score))));
    }
    playPraise(right, m_rules.praise);
    if (score && LabelScore && (!m_rules.scoreShown || m_rules.scoreShown()))
        LabelScore->setText(m_rules.scoreCaptionAfter + spaced(int(*score)));
}

void ChoiceDrill::startVerdictTimer()
{
    if (Timer1)
        Timer1->setEnabled(true);
}

void ChoiceDrill::Option1_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        Option1_DblClick(index);
}

void ChoiceDrill::Timer1_Timer()
{
    if ((!locked || !m_rules.keepFinishedVerdict) && LabelWrong)
        LabelWrong->setText(QString());
    Timer1->setEnabled(false);
}

void ChoiceDrill::Timer4_Timer()
{
    wipePicture();
    Timer4->setEnabled(false);
}

void ChoiceDrill::finishProblem(qint16& score, int points)
{
    locked = true;
    score = addSaturating16(score, points);
    if (LabelScore)
        LabelScore->setText(m_rules.scoreCaptionAfter + spaced(int(score)));
    if (QuestionLabel)
        QuestionLabel->setText(QString());
    setAnswerAreaVisible(false);
}

void ChoiceDrill::showScore(qint16 score)
{
    if (LabelScore)
        LabelScore->setText(m_rules.scoreCaptionAtLoad + spaced(int(score)));
}

void ChoiceDrill::reopenAnswerArea()
{
    setAnswerAreaVisible(true);
    locked = false;
    answered = false;
    clearChoiceValues();
    if (LabelWrong)
        LabelWrong->setText(QString());
}

void ChoiceDrill::clearChoiceValues()
{
    for (OptionButton* option : Option1)
        option->setValue(false);
}

void ChoiceDrill::setAnswerAreaVisible(bool visible)
{
    if (QuestionLabel)
        QuestionLabel->setVisible(visible);
    for (Label* label : std::as_const(orLabels))
        label->setVisible(visible);
    for (OptionButton* option : Option1)
        option->setVisible(visible);
    for (QWidget* widget : std::as_const(m_answerArea))
        widget->setVisible(visible);
}

} // namespace kt
