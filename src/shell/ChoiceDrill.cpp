#include "shell/ChoiceDrill.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <algorithm>

namespace kt {

int randomInt(int n, int k) { return int(intFloor(n * rnd())) + k; }

int wrongChoice(int expected, double r)
{
    const int m = std::max(expected, 3);
    return int(intFloor(r * m + m / 2.0));
}

ChoiceDrill::ChoiceDrill(const QString& name) : Form(name) {}

void ChoiceDrill::addChoiceControls(const ChoiceLayout& layout)
{
    const int stride = layout.optionHeight + layout.orHeight;
    for (int i = 1; i <= 3; ++i) {
        OptionButton* option = addOption(QStringLiteral("Option1"), i, layout.optionsLeft,
                                         layout.optionsTop + (i - 1) * stride, layout.optionWidth,
                                         layout.optionHeight);
        option->setFont(scriptFont(20, true));
        option->setForeColor(15);
        connect(option, &OptionButton::doubleClicked, this, &ChoiceDrill::Option1_DblClick);
        connect(option, &OptionButton::keyPressed, this, &ChoiceDrill::Option1_KeyPress);
        Option1[i] = option;
    }
    const auto orLabel = [&](const QString& name, int below) {
        Label* label = addLabel(name, layout.optionsLeft + 360, layout.optionsTop + below * stride - layout.orHeight,
                                layout.optionWidth - 360, layout.orHeight, QStringLiteral("OR"));
        label->setFontSize(9, true);
        label->setForeColor(15);
        return label;
    };
    Label2 = orLabel(QStringLiteral("Label2"), 1);
    Label3 = orLabel(QStringLiteral("Label3"), 2);

    const auto label = [&](const QString& name, const QRect& r, const QString& caption, int colour, int size) {
        Label* l = addLabel(name, r.left(), r.top(), r.width(), r.height(), caption);
        l->setForeColor(colour);
        l->setFontSize(size, true);
        return l;
    };
    QuestionLabel = label(QStringLiteral("QuestionLabel"), layout.question, QString(), 14, 16);
    LabelWrong = label(QStringLiteral("LabelWrong"), layout.verdict, QStringLiteral("Hi!"), 14, 24);
    LabelScore = label(QStringLiteral("LabelScore"), layout.score, QString(), 4, 14);

    Timer1 = addTimer(QStringLiteral("Timer1"), 1000);
    Timer1->onTimer([this] { Timer1_Timer(); });
    Timer4 = addTimer(QStringLiteral("Timer4"), 100);
    Timer4->onTimer([this] { Timer4_Timer(); });
}

void ChoiceDrill::offerChoices(int rightAnswer)
{
    expected = qint16(rightAnswer);
    correctIndex = qint16(randomInt(3, 1));
    for (int i = 1; i <= 3; ++i)
        Option1[i]->setText(plain(rightAnswer));
    MakeWrongChoices(rightAnswer);
}

void ChoiceDrill::MakeWrongChoices(int rightAnswer)
{
    // The two other options, in the order each right option fills them.
    static const int others[4][2] = {{0, 0}, {2, 3}, {1, 3}, {2, 1}};
    const QString right = Option1[correctIndex]->text();
    for (const int j : others[correctIndex]) {
        // Redrawn until it differs from the right answer; the two wrong
        // choices may still equal each other.
        while (Option1[j]->text() == right)
            Option1[j]->setText(plain(wrongChoice(rightAnswer, rnd())));
    }
}

void ChoiceDrill::Option1_DblClick(int index)
{
    if (locked == 1 || index < 1 || index > 3)
        return;
    const bool right = index == correctIndex;
    LabelWrong->setText(right ? QStringLiteral("Right!") : QStringLiteral("Wrong"));
    SayNumber(Option1[index]->text());
    Timer1->setEnabled(true);
    const QString praise = PickPraise(right ? 1 : 0);
    if (session().SoundOn == 1)
        playSound(praise);
    clearChoiceValues();
    if (right)
        afterRightAnswer(step);
    Timer4->setEnabled(true);
}

void ChoiceDrill::Option1_KeyPress(int index, int keyAscii)
{
    if (keyAscii == 13)
        Option1_DblClick(index);
}

void ChoiceDrill::Timer1_Timer()
{
    if (locked == 0)
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
    locked = 1;
    score = addSaturating16(score, points);
    LabelScore->setText(QStringLiteral("Score = ") + spaced(int(score)));
    setAnswerAreaVisible(false);
}

void ChoiceDrill::showScore(qint16 score) { LabelScore->setText(QStringLiteral("Score =") + spaced(int(score))); }

void ChoiceDrill::reopenAnswerArea()
{
    setAnswerAreaVisible(true);
    locked = 0;
    clearChoiceValues();
    LabelWrong->setText(QString());
}

void ChoiceDrill::clearChoiceValues()
{
    for (int i = 1; i <= 3; ++i)
        Option1[i]->setValue(false);
}

void ChoiceDrill::setAnswerAreaVisible(bool visible)
{
    QuestionLabel->setVisible(visible);
    Label2->setVisible(visible);
    Label3->setVisible(visible);
    for (int i = 1; i <= 3; ++i)
        Option1[i]->setVisible(visible);
    for (QWidget* widget : std::as_const(m_answerArea))
        widget->setVisible(visible);
}

} // namespace kt
