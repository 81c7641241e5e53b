#pragma once
// The way every column drill asks and answers: each step of a problem is a
// question with three choices (option buttons "Option1(1)".."Option1(3)" with
// "OR" between them). The child double-clicks a choice or presses Enter on it;
// the window says "Right!" or "Wrong", speaks the chosen number, plays praise
// or "try again", and on a right answer hands the step to the drill, which
// sets up the next step or finishes the problem.
#include "ui/Form.h"

#include <QList>
#include <QRect>
#include <array>

namespace kt {

// Int(n * r) + k for the next value r of the shared generator.
int randomInt(int n, int k = 0);

// A wrong choice for a step whose right answer is `expected`, from r in [0, 1):
// Int(r * m + m / 2) with m = expected, but at least 3. So it lies between
// Int(m / 2) and the largest whole number below 1.5 m.
int wrongChoice(int expected, double r);

// Where a drill puts its choice controls, in twips.
struct ChoiceLayout {
    int optionsLeft;
    int optionsTop;   // top of Option1(1)
    int optionWidth;
    int optionHeight;
    int orHeight;     // the "OR" label between two options
    QRect question;   // QuestionLabel
    QRect verdict;    // LabelWrong
    QRect score;      // LabelScore
};

class ChoiceDrill : public Form {
    Q_OBJECT
public:
    explicit ChoiceDrill(const QString& name);

protected:
    // Creates Option1(1..3), Label2, Label3, QuestionLabel, LabelWrong,
    // LabelScore, Timer1 (1000 ms) and Timer4 (100 ms).
    void addChoiceControls(const ChoiceLayout& layout);
    // Controls hidden with the choices when a problem is finished and shown
    // again for the next one (the drill's pointer lines).
    void addToAnswerArea(QWidget* widget) { m_answerArea << widget; }

    // Offers a step: expected, the right option chosen at random, its caption
    // written into all three options, then the two wrong ones drawn.
    void offerChoices(int rightAnswer);
    void MakeWrongChoices(int rightAnswer);

    // Called after a right answer with the number of the step answered: sets
    // up the next step or finishes the problem.
    virtual void afterRightAnswer(int answeredStep) = 0;
    // Timer4, 100 ms after any answer: wipe the step's counting picture.
    virtual void wipePicture() {}

    // The problem is done: answering stops, `score` gains `points` and is
    // shown, and the question and choices are hidden until the next problem.
    void finishProblem(qint16& score, int points);
    // "Score =" and the score with its leading space, as shown at load.
    void showScore(qint16 score);
    // Before the next problem: the question and choices come back, answering
    // is open again, no choice is marked and the verdict is cleared.
    void reopenAnswerArea();
    void clearChoiceValues();

    void Option1_DblClick(int index);
    void Option1_KeyPress(int index, int keyAscii);
    void Timer1_Timer();
    void Timer4_Timer();

    std::array<OptionButton*, 4> Option1{}; // indices 1..3
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* QuestionLabel = nullptr;
    Label* LabelWrong = nullptr;
    Label* LabelScore = nullptr;
    Timer* Timer1 = nullptr;
    Timer* Timer4 = nullptr;

    qint16 step = 1;
    qint16 correctIndex = 1;
    qint16 expected = 0;
    qint16 locked = 0;

private:
    void setAnswerAreaVisible(bool visible);
    QList<QWidget*> m_answerArea;
};

} // namespace kt
