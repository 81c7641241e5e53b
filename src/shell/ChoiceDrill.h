// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way every choice activity asks and answers: a question with a few
// choices (option buttons "Option1(1)".."Option1(3)" with "OR" between them in
// the column drills). The child double-clicks a choice or presses Enter on it;
// the window shows its verdict, may speak the chosen number, plays praise or
// "try again", and on a right answer hands the step to the window, which sets
// up the next step or finishes the problem.
//
// The activities differ only in the rules they hand over (ChoiceRules): the
// control names, how many choices, the verdict texts, when the verdict is
// cleared, whether each answer moves the score (and its floor), and the score
// captions. The mechanics below never ask which activity they serve.
#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/Form.h"

#include <QList>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>

namespace kt {

// Int(n * r) + k for the next value r of the shared generator.
int randomInt(int n, int k = 0);

// A wrong choice for a step whose right answer is `expected`, from r in [0, 1):
// Int(r * m + m / 2) with m = expected, but at least 3. So it lies between
// Int(m / 2) and the largest whole number below 1.5 m.
int wrongChoice(int expected, double r);

// Where a window puts its choice controls, in twips.
struct ChoiceLayout {
    int optionsLeft;
    int optionsTop;   // top of the first choice
    int optionWidth;
    int optionHeight;
    int orHeight;     // the "OR" label between two choices (0: choices touch)
    QRect question;   // the question label
    QRect verdict;    // the verdict label
    QRect score;      // the score label
    int optionPointSize = 20; // script face of the choices
};

// When the verdict is cleared after an answer.
enum class VerdictClearing {
    TimerBeforePraise, // the verdict timer starts before the praise plays
    TimerAfterStep,    // ... after the step handler has run
    AtOnceWithSound,   // emptied at once when the sounds have played, else by the timer
    Never,             // the verdict stands until the window changes it
};

struct ChoiceRules {
    // Control names; an empty name means the window has no such control.
    QString choices = QStringLiteral("Option1");
    int choiceCount = 3;
    QStringList orLabels{QStringLiteral("Label2"), QStringLiteral("Label3")};
    QString question = QStringLiteral("QuestionLabel");
    QString verdict = QStringLiteral("LabelWrong");
    QString score = QStringLiteral("LabelScore");
    QString verdictTimer = QStringLiteral("Timer1"); // 1000 ms
    QString pictureTimer = QStringLiteral("Timer4"); // 100 ms, wipes the counting picture

    // What an answer shows and says.
    QString rightVerdict = QStringLiteral("Right!");
    QString wrongVerdict = QStringLiteral("Wrong");
    // The chosen caption is spoken (SayNumber) while `step` is below this.
    int speakChoiceBelowStep = 32767;
    // The praise recordings the answers draw from.
    PraiseSet praise = PraiseSet::Drills;
    bool clearSelectionAfterAnswer = true;
    VerdictClearing verdictClearing = VerdictClearing::TimerBeforePraise;
    // The verdict timer leaves the verdict of a finished problem standing.
    bool keepFinishedVerdict = true;
    // Timer4 is started after every answer (a window may change this per level).
    bool wipePictureAfterAnswer = true;

    // Scoring on each answer, for activities of one question each: until the
    // question is answered right, every answer moves `answerScore` by
    // pointsRight or pointsWrong, never below scoreFloor, and plays praise;
    // later answers only change the verdict. Null: only finishing scores.
    qint16 SessionState::*answerScore = nullptr;
    int pointsRight = 0;
    int pointsWrong = 0;
    int scoreFloor = -32768;
    // Whether the score label is rewritten after an answer; always when unset.
    std::function<bool()> scoreShown;

    // Score captions: at load, and after a finished problem or a scored answer.
    QString scoreCaptionAtLoad = QStringLiteral("Score =");
    QString scoreCaptionAfter = QStringLiteral("Score = ");
};

class ChoiceDrill : public Form {
    Q_OBJECT
public:
    explicit ChoiceDrill(const QString& name, ChoiceRules rules = {});

protected:
    // Creates the controls the rules name: the choices, the "OR" labels, the
    // question, verdict and score labels, the verdict and picture timers.
    void addChoiceControls(const ChoiceLayout& layout);
    // Controls hidden with the choices when a problem is finished and shown
    // again for the next one (the window's pointer lines).
    void addToAnswerArea(QWidget* widget) { m_answerArea << widget; }
    // The working of a written sum: rows of white digits in the script face,
    // top row first. A row's cells stand `step` twips apart from `firstLeft`
    // (a cell without a label leaves its column blank); small rows hold carries.
    struct DigitCell {
        const char* name = nullptr;
        Label** label = nullptr;
    };
    struct DigitRow {
        int top;
        bool small;
        std::initializer_list<DigitCell> cells;
    };
    struct DigitFace {
        int height, points;
    };
    void addDigitGrid(std::initializer_list<DigitRow> rows, int firstLeft, int step, DigitFace big, DigitFace small);
    // The small yellow arrow from the question down to the choices: a stem at
    // x from top to bottom and two heads ("Line11", "Line12", "Line13"),
    // hidden and shown with the choices.
    std::array<LineControl*, 3> addPointerArrow(int x, int top, int bottom);
    ChoiceRules& rules() { return m_rules; }

    // Offers a step: expected, the right choice picked at random, its caption
    // written into all three choices, then the two wrong ones drawn.
    void offerChoices(int rightAnswer);
    void MakeWrongChoices(int rightAnswer);
    // Offers choices whose captions the window has written itself (fixed
    // answers, or values of its own): `rightIndex` holds the right one.
    void offerWrittenChoices(int rightIndex);

    // Called after a right answer with the number of the step answered: sets
    // up the next step or finishes the problem.
    virtual void afterRightAnswer(int answeredStep) = 0;
    // Timer4, 100 ms after an answer: wipe the step's counting picture.
    virtual void wipePicture() {}

    // The problem is done: answering stops, `score` gains `points` and is
    // shown, and the question and choices are hidden until the next problem.
    void finishProblem(qint16& score, int points);
    // The score caption as shown at load.
    void showScore(qint16 score);
    // Before the next problem: the question and choices come back, answering
    // is open again, no choice is marked and the verdict is cleared.
    void reopenAnswerArea();
    void clearChoiceValues();

    void Option1_DblClick(int index);
    void Option1_KeyPress(int index, int keyAscii);
    void Timer1_Timer();
    void Timer4_Timer();

    ControlArray<OptionButton> Option1; // indices 1..choiceCount
    QList<Label*> orLabels; // "OR" between the choices
    Label* QuestionLabel = nullptr;
    Label* LabelWrong = nullptr;
    Label* LabelScore = nullptr;
    Timer* Timer1 = nullptr;
    Timer* Timer4 = nullptr;

    qint16 step = 1;
    qint16 correctIndex = 1;
    qint16 expected = 0;
    // The problem is finished: answers are ignored until the next one.
    bool locked = false;
    // The question on screen has been answered right.
    bool answered = false;

private:
    void scoreAnswer(bool right);
    void startVerdictTimer();
    void setAnswerAreaVisible(bool visible);

    ChoiceRules m_rules;
    QList<QWidget*> m_answerArea;
};

} // namespace kt
