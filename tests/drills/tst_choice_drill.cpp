// The three-way choice every column drill asks with: where the wrong choices
// come from, what an answer does, and what a finished problem locks.
#include "DrillTest.h"
#include "drills/ChoiceDrill.h"
#include "shell/SessionState.h"
#include "ui/Timer.h"

#include <QTest>

using namespace kt;
using namespace kt::test;

namespace {

// A drill with no working of its own: it offers what the test asks and notes
// which steps were answered right.
class ProbeDrill : public ChoiceDrill {
public:
    ProbeDrill() : ChoiceDrill(QStringLiteral("ProbeDrill"))
    {
        setSizeTwips(6000, 4500);
        addChoiceControls({240, 600, 2280, 540, 300, QRect(240, 0, 3000, 480), QRect(3000, 1200, 2400, 600),
                           QRect(3000, 2400, 2400, 480)});
        pointer = addLine(QStringLiteral("Pointer"), 100, 100, 200, 200);
        addToAnswerArea(pointer);
    }
    using ChoiceDrill::correctIndex;
    using ChoiceDrill::locked;
    using ChoiceDrill::offerChoices;
    using ChoiceDrill::Option1;
    using ChoiceDrill::reopenAnswerArea;
    using ChoiceDrill::showScore;
    using ChoiceDrill::step;

    QList<int> answered;
    int wipes = 0;
    bool finishOnRight = false;
    qint16 score = 0;
    LineControl* pointer;

protected:
    void afterRightAnswer(int answeredStep) override
    {
        answered << answeredStep;
        if (finishOnRight)
            finishProblem(score, 2);
        else
            step = qint16(step + 1);
    }
    void wipePicture() override { ++wipes; }
};

} // namespace

class TestChoiceDrill : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    ProbeDrill* drill = nullptr;

    OptionButton* option(int i) { return test::option(drill, i); }
    Label* label(const char* name) { return control<Label>(drill, QString::fromLatin1(name)); }
    Timer* timer(const char* name) { return test::timer(drill, name); }
    QStringList captions() { return {option(1)->text(), option(2)->text(), option(3)->text()}; }

    // Offers `expected` with the right answer in option `right`; the wrong
    // choices come from the values that follow.
    void offer(int expected, int right, QList<double> wrongDraws)
    {
        box->random->values = QList<double>{ScriptedRandom::pick(right, 3, 1)} + wrongDraws;
        box->random->position = 0;
        drill->offerChoices(expected);
        QCOMPARE(int(drill->correctIndex), right);
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        drill = new ProbeDrill;
        drill->showForm();
    }
    void cleanup()
    {
        box.reset();
        drill = nullptr;
    }

    void wrongChoiceRange_data()
    {
        QTest::addColumn<int>("expected");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("choice");
        QTest::newRow("0, lowest: m is 3") << 0 << 0.0 << 1;
        QTest::newRow("0, highest") << 0 << 0.9999 << 4;
        QTest::newRow("1, lowest equals the answer") << 1 << 0.0 << 1;
        QTest::newRow("10, lowest") << 10 << 0.0 << 5;
        QTest::newRow("10, highest") << 10 << 0.9999 << 14;
        QTest::newRow("17, lowest: half rounds down") << 17 << 0.0 << 8;
        QTest::newRow("17, highest below 25.5") << 17 << 0.9999 << 25;
        QTest::newRow("19, middle") << 19 << 0.5 << 19;
    }
    void wrongChoiceRange()
    {
        QFETCH(int, expected);
        QFETCH(double, r);
        QFETCH(int, choice);
        QCOMPARE(wrongChoice(expected, r), choice);
    }

    void rightAnswerInAllThenWrongOnesInTableOrder_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("filledFirst");
        QTest::addColumn<int>("filledSecond");
        QTest::newRow("right 1") << 1 << 2 << 3;
        QTest::newRow("right 2") << 2 << 1 << 3;
        QTest::newRow("right 3") << 3 << 2 << 1;
    }
    void rightAnswerInAllThenWrongOnesInTableOrder()
    {
        QFETCH(int, right);
        QFETCH(int, filledFirst);
        QFETCH(int, filledSecond);
        offer(10, right, {wrongDraw(5, 10), wrongDraw(6, 10)});
        QCOMPARE(option(right)->text(), QStringLiteral("10"));
        QCOMPARE(option(filledFirst)->text(), QStringLiteral("5"));
        QCOMPARE(option(filledSecond)->text(), QStringLiteral("6"));
    }

    void wrongChoiceEqualToTheAnswerIsDrawnAgain()
    {
        offer(10, 1, {wrongDraw(10, 10), wrongDraw(10, 10), wrongDraw(7, 10), wrongDraw(14, 10)});
        QCOMPARE(captions(), (QStringList{"10", "7", "14"}));
        QCOMPARE(box->random->position, 5);
    }

    void wrongChoicesMayEqualEachOther()
    {
        offer(0, 2, {wrongDraw(3, 0), wrongDraw(3, 0)});
        QCOMPARE(captions(), (QStringList{"3", "0", "3"}));
    }

    void rightDoubleClickSpeaksPraisesAndHandsOnTheStep()
    {
        session().SoundOn = 1;
        offer(12, 2, {wrongDraw(9, 12), wrongDraw(15, 12)});
        box->random->values << 0.5; // the praise: Int-rounded 7.5 -> 8, "alright.wav"
        doubleClick(option(2));
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Right!"));
        QCOMPARE(box->player->played, (QStringList{"12.WAV", "alright.wav"}));
        QCOMPARE(drill->answered, QList<int>{1});
        QCOMPARE(int(drill->step), 2);
        QVERIFY(!option(1)->isChecked() && !option(2)->isChecked() && !option(3)->isChecked());
        QVERIFY(timer("Timer1")->enabled());
        QVERIFY(timer("Timer4")->enabled());
    }

    void answerShowsTheVerdictBeforeSpeakingAndStartsTheClockBeforePraise()
    {
        // What the window shows at the moment each recording is asked for.
        class WatchingPlayer : public WavePlayer {
        public:
            std::function<QString()> look;
            QStringList seen;
            void play(const QString& name) override { seen << name + QLatin1Char(' ') + look(); }
        };
        auto watching = std::make_unique<WatchingPlayer>();
        WatchingPlayer* player = watching.get();
        platform().wavePlayer = std::move(watching);
        player->look = [this] {
            return label("LabelWrong")->text() + (timer("Timer1")->enabled() ? " timing" : " waiting");
        };
        session().SoundOn = 1;
        offer(12, 2, {wrongDraw(9, 12), wrongDraw(15, 12)});
        doubleClick(option(1));
        QCOMPARE(player->seen, (QStringList{"9.WAV Wrong waiting", "tryagn2.wav Wrong timing"}));
    }

    void wrongAnswerTriesAgain()
    {
        session().SoundOn = 1;
        offer(12, 2, {wrongDraw(9, 12), wrongDraw(15, 12)});
        doubleClick(option(3));
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Wrong"));
        QCOMPARE(box->player->played, (QStringList{"15.WAV", "tryagn2.wav"}));
        QVERIFY(drill->answered.isEmpty());
        QCOMPARE(int(drill->step), 1);
        QCOMPARE(captions(), (QStringList{"9", "12", "15"}));
        QVERIFY(!option(3)->isChecked());

        timer("Timer4")->fire();
        QCOMPARE(drill->wipes, 1);
        QVERIFY(!timer("Timer4")->enabled());
        timer("Timer1")->fire();
        QCOMPARE(label("LabelWrong")->text(), QString());
        QVERIFY(!timer("Timer1")->enabled());
    }

    void soundOffPlaysNothing()
    {
        offer(12, 2, {wrongDraw(9, 12), wrongDraw(15, 12)});
        doubleClick(option(2));
        doubleClick(option(1));
        QVERIFY(box->player->played.isEmpty());
        QCOMPARE(drill->answered, (QList<int>{1}));
    }

    void enterAnswersButSpaceAndArrowsDoNot()
    {
        offer(12, 1, {wrongDraw(9, 12), wrongDraw(15, 12)});
        option(2)->setFocus();
        pressKey(option(2), Qt::Key_Space, QStringLiteral(" "));
        pressKey(option(2), Qt::Key_Down);
        pressKey(option(2), Qt::Key_Up);
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Hi!"));
        pressEnter(option(1));
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Right!"));
        QCOMPARE(drill->answered, QList<int>{1});
        pressKey(option(2), Qt::Key_Enter, QStringLiteral("\r"));
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Wrong"));
    }

    void finishedProblemShowsScoreHidesChoicesAndIgnoresAnswers()
    {
        session().SoundOn = 1;
        drill->score = 1;
        drill->finishOnRight = true;
        offer(12, 3, {wrongDraw(9, 12), wrongDraw(15, 12)});
        doubleClick(option(3));
        QCOMPARE(int(drill->locked), 1);
        QCOMPARE(drill->score, qint16(3));
        // The finished score reads "Score = " and the spaced number: two blanks.
        QCOMPARE(label("LabelScore")->text(), QStringLiteral("Score =  3"));
        for (const char* name : {"QuestionLabel", "Label2", "Label3"})
            QVERIFY2(label(name)->isHidden(), name);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(option(i)->isHidden());
        QVERIFY(drill->pointer->isHidden());

        // The verdict stays, and answering does nothing.
        timer("Timer1")->fire();
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("Right!"));
        box->player->played.clear();
        label("LabelWrong")->setText(QStringLiteral("unchanged"));
        emit drill->Option1[3]->doubleClicked(3);
        emit drill->Option1[1]->keyPressed(1, 13);
        QVERIFY(box->player->played.isEmpty());
        QCOMPARE(label("LabelWrong")->text(), QStringLiteral("unchanged"));
        QCOMPARE(drill->answered, QList<int>{1});

        drill->reopenAnswerArea();
        QCOMPARE(int(drill->locked), 0);
        QCOMPARE(label("LabelWrong")->text(), QString());
        QVERIFY(!label("QuestionLabel")->isHidden() && !option(2)->isHidden() && !drill->pointer->isHidden());
    }

    void scoreAtLoadHasOneBlankAndStopsAt32767()
    {
        drill->showScore(0);
        QCOMPARE(label("LabelScore")->text(), QStringLiteral("Score = 0"));
        drill->showScore(-4);
        QCOMPARE(label("LabelScore")->text(), QStringLiteral("Score =-4"));
        drill->score = 32766;
        drill->finishOnRight = true;
        offer(5, 1, {wrongDraw(3, 5), wrongDraw(4, 5)});
        doubleClick(option(1));
        QCOMPARE(drill->score, qint16(32767));
        QCOMPARE(label("LabelScore")->text(), QStringLiteral("Score =  32767"));
    }
};

QTEST_MAIN(TestChoiceDrill)
#include "tst_choice_drill.moc"
