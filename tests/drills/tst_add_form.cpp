// The addition drill: the problems it draws, the column questions, the carries
// written into the working, the spoken column, the suns and the score.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"


using namespace kt;
using namespace kt::test;

class TestAddForm : public QObject, public DrillFixture {
    Q_OBJECT

    // Digits in drawing order: A1, N1 (0..8), then at level 2 A2, N2, N3, A3.
    void open(int level, std::initializer_list<int> digits)
    {
        session().AddLevel = qint16(level);
        QList<double> draws;
        for (const int d : digits)
            draws << (draws.size() == 1 ? lower(d) : digit(d));
        openOn(windows::Addition, draws << Tail);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void levelOneAsksNinePlusEight()
    {
        session().SoundOn = 1;
        session().AddScore = 7;
        open(1, {9, 8});
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 7"));
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 + 8 =?"));
        QCOMPARE(texts({"A1", "N1"}), (QStringList{"9", "8"}));
        QCOMPARE(texts({"A2", "A3", "N2", "N3", "Y1", "Y2", "C1"}), QStringList(7, QString()));
        QCOMPARE(colour("A1"), qbColor(Yellow));
        QCOMPARE(colour("N1"), qbColor(Yellow));

        fire("Timer2");
        QCOMPARE(box->player->played, (QStringList{"9.WAV", "plus.WAV", "8.WAV", "equals.WAV"}));
        QCOMPARE(form->focusWidget(), option(form, 1));

        QVERIFY(answer(form, 17));
        QCOMPARE(texts({"Y1", "Y2"}), (QStringList{"7", "1"}));
        QCOMPARE(colour("A1"), qbColor(White));
        QCOMPARE(session().AddScore, qint16(8));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  8"));
        QVERIFY(!shown("QuestionLabel") && !shown("Option1(1)") && !shown("Label2") && !shown("Line11"));
        fire("Timer1");
        QCOMPARE(text("LabelWrong"), QStringLiteral("Right!"));
    }

    void levelOneSmallSumLeavesTheTensEmpty()
    {
        open(1, {1, 0});
        QVERIFY(answer(form, 1));
        QCOMPARE(texts({"Y1", "Y2"}), (QStringList{"1", ""}));
    }

    void levelTwoCarriesThroughEveryColumn()
    {
        session().SoundOn = 1;
        open(2, {7, 8, 4, 5, 9, 9});
        QCOMPARE(text("QuestionLabel"), QStringLiteral("7 + 8 =?"));
        QVERIFY(answer(form, 15));
        QCOMPARE(texts({"Y1", "C1", "Label_Carry"}), (QStringList{"5", "1", "Carry the 1"}));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 + 4 + 5 = ?"));
        QCOMPARE(colour("A1"), qbColor(White));
        for (const char* name : {"C1", "A2", "N2"})
            QCOMPARE(colour(name), qbColor(Yellow));
        box->player->played.clear();
        fire("Timer2");
        QCOMPARE(box->player->played, (QStringList{"1.WAV", "plus.WAV", "4.WAV", "plus.WAV", "5.WAV", "equals.WAV"}));
        QCOMPARE(session().AddScore, qint16(0));

        QVERIFY(answer(form, 10));
        QCOMPARE(texts({"Y2", "C2", "Label_Carry"}), (QStringList{"0", "1", "Carry the 1"}));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 + 9 + 9 = ?"));

        QVERIFY(answer(form, 19));
        QCOMPARE(texts({"Y3", "Y4", "Label_Carry"}), (QStringList{"9", "1", ""}));
        for (const char* name : {"C2", "A3", "N3"})
            QCOMPARE(colour(name), qbColor(White));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  2"));
    }

    void levelTwoWithoutCarriesWritesZeroCarries()
    {
        open(2, {4, 5, 3, 2, 1, 1});
        QVERIFY(answer(form, 9));
        QCOMPARE(texts({"C1", "Label_Carry", "QuestionLabel"}), (QStringList{"0", "", "0 + 3 + 2 = ?"}));
        QVERIFY(answer(form, 5));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("0 + 1 + 1 = ?"));
        QVERIFY(answer(form, 2));
        QCOMPARE(texts({"Y3", "Y4"}), (QStringList{"2", ""}));
    }

    void sunsCountEachColumnAndAreWipedAfterAnAnswer()
    {
        open(2, {7, 8, 2, 3, 1, 1});
        fire("Timer3");
        QCOMPARE(text("SunLabel"), QStringLiteral("Count the suns to find the answer."));
        QVERIFY(shown("SunLabel"));
        QVERIFY(drawn(37, 73, Black)); // no carry into the ones column
        QVERIFY(drawn(37, 55, Yellow) && drawn(79, 55, Yellow) && drawn(86, 55, Black));
        QVERIFY(drawn(37, 25, Yellow) && drawn(86, 25, Yellow) && drawn(93, 25, Black));

        QVERIFY(answer(form, 15, false));
        QCOMPARE(texts({"Y1", "QuestionLabel"}), (QStringList{"", "7 + 8 =?"}));
        fire("Timer4");
        QVERIFY(drawn(37, 55, Black) && drawn(86, 25, Black) && !shown("SunLabel"));

        QVERIFY(answer(form, 15));
        fire("Timer4");
        fire("Timer3");
        // Tens column: the carry 1, then 2 and 3.
        QVERIFY(drawn(37, 73, Yellow) && drawn(44, 73, Black));
        QVERIFY(drawn(44, 55, Yellow) && drawn(51, 55, Black));
        QVERIFY(drawn(51, 25, Yellow) && drawn(58, 25, Black));
    }

    void anotherProblemStartsAfreshAndReturnKeepsTheScore()
    {
        open(1, {9, 8});
        fire("Timer3");
        QVERIFY(answer(form, 17));
        script({digit(2), lower(3), Tail});
        clickOn("CommandAgain");
        QCOMPARE(box->random->reseeds, 2);
        QVERIFY(shown("QuestionLabel") && shown("Option1(3)") && shown("Label3") && shown("Line11"));
        QVERIFY(!shown("SunLabel") && drawn(37, 55, Black));
        QCOMPARE(texts({"LabelWrong", "Y1", "Y2", "QuestionLabel"}), (QStringList{"", "", "", "2 + 3 =?"}));
        QVERIFY(answer(form, 5));
        clickOn("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(windows::Addition));
        QCOMPARE(session().AddScore, qint16(2));
    }
};

QTEST_MAIN(TestAddForm)
#include "tst_add_form.moc"
