// The addition drill: the problems it draws, the column questions, the carries
// written into the working, the spoken column, the suns and the score.
#include "DrillTest.h"
#include "shell/KiteTu.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

#include <QAction>

using namespace kt;
using namespace kt::test;

class TestAddForm : public QObject, public DrillFixture {
    Q_OBJECT

    // Opens the drill at `level` on a problem with the given digits, in the
    // order they are drawn: A1, N1, then at level 2 A2, N2, N3, A3. The draws
    // after the digits are `after`.
    void open(int level, std::initializer_list<int> digits, const QList<double>& after = {Tail})
    {
        session().AddLevel = qint16(level);
        QList<double> draws;
        for (const int d : digits)
            draws << (draws.size() == 1 ? lower(d) : digit(d)); // N1 is 0..8, the others 1..9
        openOn(windows::Addition, draws + after);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void captionAndScoreAtLoad_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("caption");
        QTest::newRow("level 1") << 1 << "Addition Level 1.  Double click on the correct answer.";
        QTest::newRow("level 2") << 2 << "Addition Level 2.  Double click on the correct answer.";
    }
    void captionAndScoreAtLoad()
    {
        QFETCH(int, level);
        QFETCH(QString, caption);
        session().AddScore = 7;
        open(level, {3, 4, 1, 1, 1, 1});
        QCOMPARE(form->caption(), caption);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 7"));
        QCOMPARE(text("LabelWrong"), QString());
        QCOMPARE(box->random->reseeds, 1);
        // Verdict, narration, suns and wipe follow each other at these delays.
        const QList<std::pair<const char*, int>> intervals{{"Timer1", 1000}, {"Timer2", 100}, {"Timer3", 500}, {"Timer4", 100}};
        for (const auto& [name, ms] : intervals)
            QCOMPARE(timer(form, name)->interval(), ms);
    }

    void levelOneAsksTheOnesColumn()
    {
        open(1, {9, 8});
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 + 8 =?"));
        QCOMPARE(text("A1"), QStringLiteral("9"));
        QCOMPARE(text("N1"), QStringLiteral("8"));
        for (const char* name : {"A2", "A3", "N2", "N3", "Y1", "Y2", "C1"})
            QCOMPARE(text(name), QString());
        QCOMPARE(colour("A1"), qbColor(14));
        QCOMPARE(colour("N1"), qbColor(14));
        QVERIFY(choiceShowing(form, 17));
        QVERIFY(shown("Line11") && shown("Line12") && shown("Line13"));
        QVERIFY(!shown("SunLabel"));
        QVERIFY(timer(form, "Timer2")->enabled() && timer(form, "Timer3")->enabled());
    }

    void levelOneRightAnswerFinishesTheProblem()
    {
        open(1, {9, 8});
        QVERIFY(answer(form, 17));
        QCOMPARE(text("Y1"), QStringLiteral("7"));
        QCOMPARE(text("Y2"), QStringLiteral("1"));
        QCOMPARE(colour("A1"), qbColor(15));
        QCOMPARE(session().AddScore, qint16(1));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  1"));
        QVERIFY(!shown("QuestionLabel") && !shown("Option1(1)") && !shown("Label2") && !shown("Line11"));
        timer(form, "Timer1")->fire();
        QCOMPARE(text("LabelWrong"), QStringLiteral("Right!"));
    }

    void levelOneSmallSumLeavesTheTensEmpty()
    {
        // The right answer 1 in option 1; the first wrong draw also gives 1
        // and is drawn again.
        open(1, {1, 0}, {ScriptedRandom::pick(1, 3, 1), wrongDraw(1, 1), wrongDraw(2, 1), wrongDraw(4, 1)});
        QCOMPARE(option(form, 1)->text(), QStringLiteral("1"));
        QCOMPARE(option(form, 2)->text(), QStringLiteral("2"));
        QCOMPARE(option(form, 3)->text(), QStringLiteral("4"));
        QVERIFY(answer(form, 1));
        QCOMPARE(text("Y1"), QStringLiteral("1"));
        QCOMPARE(text("Y2"), QString());
    }

    void narrationReadsTheColumnThenFocusesTheFirstChoice()
    {
        session().SoundOn = 1;
        open(1, {9, 8});
        timer(form, "Timer2")->fire();
        QCOMPARE(box->player->played, (QStringList{"9.WAV", "plus.WAV", "8.WAV", "equals.WAV"}));
        QCOMPARE(form->focusWidget(), option(form, 1));
        QVERIFY(!timer(form, "Timer2")->enabled());
    }

    void levelTwoCarriesThroughEveryColumn()
    {
        session().SoundOn = 1;
        open(2, {7, 8, 4, 5, 9, 9});
        QCOMPARE(text("QuestionLabel"), QStringLiteral("7 + 8 =?"));
        QVERIFY(answer(form, 15));
        QCOMPARE(text("Y1"), QStringLiteral("5"));
        QCOMPARE(text("C1"), QStringLiteral("1"));
        QCOMPARE(text("Label_Carry"), QStringLiteral("Carry the 1"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 + 4 + 5 = ?"));
        QCOMPARE(colour("A1"), qbColor(15));
        QCOMPARE(colour("N1"), qbColor(15));
        for (const char* name : {"C1", "A2", "N2"})
            QCOMPARE(colour(name), qbColor(14));
        box->player->played.clear();
        timer(form, "Timer2")->fire();
        QCOMPARE(box->player->played,
                 (QStringList{"1.WAV", "plus.WAV", "4.WAV", "plus.WAV", "5.WAV", "equals.WAV"}));
        QCOMPARE(session().AddScore, qint16(0));

        QVERIFY(answer(form, 10));
        QCOMPARE(text("Y2"), QStringLiteral("0"));
        QCOMPARE(text("C2"), QStringLiteral("1"));
        QCOMPARE(text("Label_Carry"), QStringLiteral("Carry the 1"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 + 9 + 9 = ?"));

        QVERIFY(answer(form, 19));
        QCOMPARE(text("Y3"), QStringLiteral("9"));
        QCOMPARE(text("Y4"), QStringLiteral("1"));
        QCOMPARE(text("Label_Carry"), QString());
        for (const char* name : {"C2", "A3", "N3"})
            QCOMPARE(colour(name), qbColor(15));
        QCOMPARE(session().AddScore, qint16(2));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  2"));
    }

    void levelTwoWithoutCarriesWritesZeroCarries()
    {
        open(2, {4, 5, 3, 2, 1, 1});
        QVERIFY(answer(form, 9));
        QCOMPARE(text("Y1"), QStringLiteral("9"));
        QCOMPARE(text("C1"), QStringLiteral("0"));
        QCOMPARE(text("Label_Carry"), QString());
        QCOMPARE(text("QuestionLabel"), QStringLiteral("0 + 3 + 2 = ?"));
        QVERIFY(answer(form, 5));
        QCOMPARE(text("Y2"), QStringLiteral("5"));
        QCOMPARE(text("C2"), QStringLiteral("0"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("0 + 1 + 1 = ?"));
        QVERIFY(answer(form, 2));
        QCOMPARE(text("Y3"), QStringLiteral("2"));
        QCOMPARE(text("Y4"), QString());
    }

    void wrongAnswerKeepsTheColumn()
    {
        open(2, {7, 8, 4, 5, 9, 9});
        QVERIFY(answerWrong(form, 15));
        QCOMPARE(text("LabelWrong"), QStringLiteral("Wrong"));
        QCOMPARE(text("Y1"), QString());
        QCOMPARE(text("QuestionLabel"), QStringLiteral("7 + 8 =?"));
        QVERIFY(answer(form, 15));
        QCOMPARE(text("Y1"), QStringLiteral("5"));
    }

    void sunsCountEachColumnAndAreWipedAfterAnAnswer()
    {
        open(2, {7, 8, 2, 3, 1, 1});
        timer(form, "Timer3")->fire();
        QVERIFY(shown("SunLabel"));
        QCOMPARE(text("SunLabel"), QStringLiteral("Count the suns to find the answer."));
        QVERIFY(isBlack(form, 37, 73)); // no carry into the ones column
        QVERIFY(isYellow(form, 37, 55) && isYellow(form, 79, 55) && isBlack(form, 86, 55));
        QVERIFY(isYellow(form, 37, 25) && isYellow(form, 86, 25) && isBlack(form, 93, 25));
        QVERIFY(!timer(form, "Timer3")->enabled());

        QVERIFY(answerWrong(form, 15));
        timer(form, "Timer4")->fire();
        QVERIFY(isBlack(form, 37, 55) && isBlack(form, 86, 25));
        QVERIFY(!shown("SunLabel"));

        QVERIFY(answer(form, 15));
        timer(form, "Timer4")->fire();
        timer(form, "Timer3")->fire();
        // Tens column: the carry 1, then 2 and 3.
        QVERIFY(isYellow(form, 37, 73) && isBlack(form, 44, 73));
        QVERIFY(isYellow(form, 44, 55) && isBlack(form, 51, 55));
        QVERIFY(isYellow(form, 51, 25) && isBlack(form, 58, 25));
    }

    void anotherProblemStartsAfresh()
    {
        open(1, {9, 8});
        timer(form, "Timer3")->fire();
        QVERIFY(answer(form, 17));
        box->random->values = {digit(2), lower(3), Tail};
        box->random->position = 0;
        click(control<QWidget>(form, QStringLiteral("CommandAgain")));
        QCOMPARE(box->random->reseeds, 2);
        QVERIFY(shown("QuestionLabel") && shown("Option1(1)") && shown("Option1(3)") && shown("Label3"));
        QVERIFY(shown("Line11"));
        QCOMPARE(text("LabelWrong"), QString());
        QCOMPARE(text("QuestionLabel"), QStringLiteral("2 + 3 =?"));
        QCOMPARE(text("Y1"), QString());
        QCOMPARE(text("Y2"), QString());
        QVERIFY(!shown("SunLabel"));
        QVERIFY(isBlack(form, 37, 55));
        QVERIFY(answer(form, 5));
        QCOMPARE(session().AddScore, qint16(2));
    }

    void returnClosesTheWindowAndKeepsTheScore()
    {
        open(1, {2, 2});
        QVERIFY(answer(form, 4));
        click(control<QWidget>(form, QStringLiteral("CommandReturn")));
        processEvents();
        QVERIFY(!Forms::find(windows::Addition));
        QCOMPARE(session().AddScore, qint16(1));
    }

    void menuRestartsTheDrillAtTheChosenLevel()
    {
        box->makeDataDir();
        auto* main = Forms::get<KiteTu>(windows::MainWindow);
        main->showForm();
        box->random->values = {digit(2), lower(2), Tail};
        main->findChild<QAction*>(QStringLiteral("menuAddLevel1"))->trigger();
        processEvents();
        form = Forms::find(windows::Addition);
        QVERIFY(form);
        QVERIFY(answer(form, 4));
        const QPointer<Form> first = form;

        box->random->values = {digit(1), lower(1), digit(1), digit(1), digit(1), digit(1), Tail};
        box->random->position = 0;
        main->findChild<QAction*>(QStringLiteral("menuAddLevel2"))->trigger();
        processEvents();
        form = Forms::find(windows::Addition);
        QVERIFY(form && form != first);
        QVERIFY(!first);
        QCOMPARE(form->caption(), QStringLiteral("Addition Level 2.  Double click on the correct answer."));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 1"));
        QCOMPARE(text("LabelWrong"), QString());
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 + 1 =?"));
    }
};

QTEST_MAIN(TestAddForm)
#include "tst_add_form.moc"
