// SPDX-License-Identifier: GPL-3.0-or-later
// The three-way choice every column drill asks with: where the wrong choices
// come from, what an answer does, and what a finished problem locks.
#include "DrillTest.h"
#include "shell/ChoiceDrill.h"
#include "shell/SessionState.h"

using namespace kt;
using namespace kt::test;

namespace {

// A drill with no working of its own: it offers what the test asks and notes
// which steps were answered right.
class ProbeDrill : public ChoiceDrill {
public:
    explicit ProbeDrill(ChoiceRules rules = {}) : ChoiceDrill(QStringLiteral("ProbeDrill"), std::move(rules))
    {
        setSizeTwips(6000, 4500);
        addChoiceControls({240, 600, 2280, 540, 300, QRect(240, 0, 3000, 480), QRect(3000, 1200, 2400, 600),
                           QRect(3000, 2400, 2400, 480)});
        addToAnswerArea(pointer = addLine(QStringLiteral("Pointer"), 100, 100, 200, 200));
    }
    using ChoiceDrill::locked, ChoiceDrill::offerChoices, ChoiceDrill::offerWrittenChoices, ChoiceDrill::Option1,
        ChoiceDrill::step;
    QList<int> answeredSteps;
    int wipes = 0;
    bool finishOnRight = false;
    qint16 score = 0;
    LineControl* pointer;

protected:
    void afterRightAnswer(int answeredStep) override
    {
        answeredSteps << answeredStep;
        if (finishOnRight)
            finishProblem(score, 2);
        else
            step = qint16(step + 1);
    }
    void wipePicture() override { ++wipes; }
};

} // namespace

Q_DECLARE_METATYPE(kt::VerdictClearing)

class TestChoiceDrill : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    ProbeDrill* drill = nullptr;

    // A window of one question with six written answers, scored on every
    // answer until the right one, as the picture and clock quizzes are.
    void reopen(const ChoiceRules& rules)
    {
        drill->unload();
        (drill = new ProbeDrill(rules))->showForm();
    }
    void openOneQuestionDrill(const ChoiceRules& rules)
    {
        reopen(rules);
        for (int i = 1; i <= rules.choiceCount; ++i)
            drill->Option1[i]->setText(QString::number(i * 10));
        drill->offerWrittenChoices(2);
    }

    OptionButton* option(int i) { return test::option(drill, i); }
    Label* label(const char* name) { return control<Label>(drill, QString::fromLatin1(name)); }
    QString verdict() { return label("LabelWrong")->text(); }
    Timer* timer(const char* name) { return test::timer(drill, name); }
    QStringList captions() { return {option(1)->text(), option(2)->text(), option(3)->text()}; }

    // Offers `expected` with the right answer in option `right`, then the wrong draws.
    void offer(int expected, int right = 2, const QList<double>& wrongDraws = {wrongDraw(9, 12), wrongDraw(15, 12)})
    {
        box->random->values = QList<double>{ScriptedRandom::pick(right, 3, 1)} + wrongDraws;
        box->random->position = 0;
        drill->offerChoices(expected);
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        (drill = new ProbeDrill)->showForm();
    }
    void cleanup() { box.reset(), drill = nullptr; }

    // Below 3 the range is that of 3; half the answer rounds down.
    void wrongChoiceRange()
    {
        QCOMPARE((QList<int>{wrongChoice(0, 0.0), wrongChoice(0, 0.9999), wrongChoice(1, 0.0), wrongChoice(17, 0.0),
                             wrongChoice(17, 0.9999)}),
                 (QList<int>{1, 4, 1, 8, 25}));
    }

    void rightAnswerFirstThenWrongOnesInTableOrder()
    {
        const QList<QStringList> shown{{"10", "5", "6"}, {"5", "10", "6"}, {"6", "5", "10"}};
        for (int right = 1; right <= 3; ++right) {
            offer(10, right, {wrongDraw(5, 10), wrongDraw(6, 10)});
            QCOMPARE(captions(), shown[right - 1]);
        }
        // A wrong choice equal to the answer is drawn again; wrong ones may repeat.
        offer(10, 1, {wrongDraw(10, 10), wrongDraw(10, 10), wrongDraw(7, 10), wrongDraw(14, 10)});
        QCOMPARE(captions(), (QStringList{"10", "7", "14"}));
        QCOMPARE(box->random->position, 5);
        offer(0, 2, {wrongDraw(3, 0), wrongDraw(3, 0)});
        QCOMPARE(captions(), (QStringList{"3", "0", "3"}));
    }

    void answerShowsTheVerdictBeforeSpeakingAndStartsTheClockBeforePraise()
    {
        // Records what the window shows as each recording is asked for.
        class WatchingPlayer : public WavePlayer {
        public:
            std::function<QString()> look;
            QStringList seen;
            void play(const QString& name) override { seen << name + QLatin1Char(' ') + look(); }
        };
        auto* player = new WatchingPlayer;
        platform().wavePlayer.reset(player);
        player->look = [this] { return verdict() + (timer("Timer1")->enabled() ? " timing" : " waiting"); };
        session().SoundOn = 1;
        offer(12);
        doubleClick(option(1));
        QCOMPARE(player->seen, (QStringList{"9.WAV Wrong waiting", "tryagn2.wav Wrong timing"}));
    }

    void wrongAnswerTriesAgainThenRightHandsOnTheStep()
    {
        session().SoundOn = 1;
        offer(12);
        doubleClick(option(3));
        QVERIFY(verdict() == "Wrong" && drill->step == 1 && !option(3)->isChecked());
        QCOMPARE(captions(), (QStringList{"9", "12", "15"}));
        timer("Timer4")->fire();
        QCOMPARE(drill->wipes, 1);
        timer("Timer1")->fire();
        QCOMPARE(verdict(), QString());

        box->player->played.clear();
        box->random->values = {0.5}; // the praise "alright.wav"
        box->random->position = 0;
        doubleClick(option(2));
        QVERIFY(verdict() == "Right!" && drill->answeredSteps == QList<int>{1} && drill->step == 2);
        QCOMPARE(box->player->played, (QStringList{"12.WAV", "alright.wav"}));
        QVERIFY(!option(1)->isChecked() && !option(2)->isChecked() && !option(3)->isChecked());
    }

    void enterAnswersButSpaceAndArrowsDoNotAndSoundOffIsSilent()
    {
        offer(12, 1);
        option(2)->setFocus();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up})
            pressKey(option(2), key, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QCOMPARE(verdict(), QStringLiteral("Hi!"));
        pressEnter(option(1));
        QCOMPARE(verdict(), QStringLiteral("Right!"));
        QCOMPARE(drill->answeredSteps, QList<int>{1});
        pressKey(option(2), Qt::Key_Enter, QStringLiteral("\r"));
        QCOMPARE(verdict(), QStringLiteral("Wrong"));
        QVERIFY(box->player->played.isEmpty());
    }

    void finishedProblemShowsScoreHidesChoicesAndIgnoresAnswers()
    {
        session().SoundOn = 1;
        drill->score = 32766; // the score stops at 32767
        drill->finishOnRight = true;
        offer(12);
        doubleClick(option(2));
        QVERIFY(drill->locked == 1 && drill->score == 32767);
        QCOMPARE(label("LabelScore")->text(), QStringLiteral("Score =  32767"));
        QCOMPARE(label("LabelScore")->foreColor(), qbColor(4)); // red, not light red
        for (const char* name : {"QuestionLabel", "Label2", "Label3", "Option1(1)", "Option1(2)", "Option1(3)"})
            QVERIFY2(control<QWidget>(drill, QString::fromLatin1(name))->isHidden(), name);
        QVERIFY(drill->pointer->isHidden());

        timer("Timer1")->fire();
        QCOMPARE(verdict(), QStringLiteral("Right!"));
        box->player->played.clear();
        label("LabelWrong")->setText(QStringLiteral("unchanged"));
        emit drill->Option1[2]->doubleClicked(2);
        emit drill->Option1[1]->keyPressed(1, 13);
        QVERIFY(box->player->played.isEmpty() && verdict() == "unchanged" && drill->answeredSteps == QList<int>{1});
    }

    void oneQuestionScoresEachAnswerUntilRight_data()
    {
        QTest::addColumn<int>("pointsRight");
        QTest::addColumn<int>("pointsWrong");
        QTest::addColumn<int>("floor");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("scoreShown");
        QTest::addColumn<QList<int>>("scores"); // after each answer: 1, 6, 2 (right), 5
        QTest::addColumn<QString>("caption");
        QTest::newRow("falls freely") << 1 << -1 << -32768 << 1 << true << QList<int>{0, -1, 0, 0} << "Score =  0";
        QTest::newRow("not below 0") << 2 << -1 << 0 << 1 << true << QList<int>{0, 0, 2, 2} << "Score =  2";
        QTest::newRow("score hidden") << 1 << -1 << -32768 << 0 << false << QList<int>{-1, -2, -1, -1} << "kept";
    }
    void oneQuestionScoresEachAnswerUntilRight()
    {
        QFETCH(int, pointsRight);
        QFETCH(int, pointsWrong);
        QFETCH(int, floor);
        QFETCH(int, start);
        QFETCH(bool, scoreShown);
        QFETCH(QList<int>, scores);
        QFETCH(QString, caption);
        ChoiceRules rules;
        rules.choiceCount = 6;
        rules.orLabels.clear();
        rules.verdictTimer.clear();
        rules.pictureTimer.clear();
        rules.rightVerdict = QStringLiteral("Correct  -  3:05");
        rules.speakChoiceBelowStep = 0;
        rules.praise = PraiseSet::Early;
        rules.clearSelectionAfterAnswer = false;
        rules.verdictClearing = VerdictClearing::Never;
        rules.wipePictureAfterAnswer = false;
        rules.answerScore = &SessionState::FractionScore;
        rules.pointsRight = pointsRight;
        rules.pointsWrong = pointsWrong;
        rules.scoreFloor = floor;
        rules.scoreShown = [scoreShown] { return scoreShown; };
        openOneQuestionDrill(rules);
        // With no timer and no "or" labels named, the window makes none of them.
        QVERIFY(!drill->findChild<Timer*>(QStringLiteral("Timer1")));
        QVERIFY(!drill->findChild<Label*>(QStringLiteral("Label2")));
        label("LabelScore")->setText(QStringLiteral("kept"));
        session().SoundOn = 1;
        session().FractionScore = qint16(start);
        box->random->values = {0.0}; // the early set's first praise, "great.wav"
        box->random->position = 0;

        const QList<int> choices{1, 6, 2, 5};
        const QStringList verdicts{"Wrong", "Wrong", "Correct  -  3:05", "Wrong"};
        for (int i = 0; i < choices.size(); ++i) {
            doubleClick(option(choices[i]));
            QCOMPARE(verdict(), verdicts[i]);
            QCOMPARE(int(session().FractionScore), scores[i]);
        }
        // Nothing spoken; praise only until the right answer, which the window hears of once.
        QCOMPARE(box->player->played, (QStringList{"tryagain.wav", "tryagain.wav", "great.wav"}));
        QCOMPARE(drill->answeredSteps, QList<int>{1});
        QCOMPARE(label("LabelScore")->text(), caption);
    }

    void verdictClearedAfterTheStepOrAtOnceWhenSoundsPlayed_data()
    {
        QTest::addColumn<VerdictClearing>("clearing");
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<QString>("verdictAfter");
        QTest::addColumn<bool>("timing");
        QTest::newRow("timer after step") << VerdictClearing::TimerAfterStep << 1 << "Wrong" << true;
        QTest::newRow("at once, sound on") << VerdictClearing::AtOnceWithSound << 1 << "" << false;
        QTest::newRow("at once, sound off") << VerdictClearing::AtOnceWithSound << 0 << "Wrong" << true;
    }
    void verdictClearedAfterTheStepOrAtOnceWhenSoundsPlayed()
    {
        QFETCH(VerdictClearing, clearing);
        QFETCH(int, soundOn);
        QFETCH(QString, verdictAfter);
        QFETCH(bool, timing);
        ChoiceRules rules;
        rules.verdictClearing = clearing;
        rules.wipePictureAfterAnswer = false;
        reopen(rules);
        session().SoundOn = qint16(soundOn);
        offer(12);
        doubleClick(option(1));
        // None of these starts the verdict timer before the praise plays.
        QCOMPARE(verdict(), verdictAfter);
        QCOMPARE(timer("Timer1")->enabled(), timing);
        QVERIFY(!timer("Timer4")->enabled());
    }
};

QTEST_MAIN(TestChoiceDrill)
#include "tst_choice_drill.moc"
