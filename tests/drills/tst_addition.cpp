// SPDX-License-Identifier: GPL-3.0-or-later
// The addition drill: the column questions, the carries written into the
// working, the spoken column, the suns and the score.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestAddition : public QObject, public DrillFixture {
    Q_OBJECT

    // Digits in drawing order: A1, N1 (0..8), then at level 2 A2, N2, N3, A3.
    void open(int level, const QList<int>& digits)
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

    void walksTheColumns_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("working"); // Y1 Y2 Y3 Y4 C1 C2 after the last answer
        QTest::newRow("9 + 8") << 1 << QList<int>{9, 8} << QStringList{"9 + 8 =?"} << QList<int>{17} << "7 1    ";
        QTest::newRow("1 + 0, no tens") << 1 << QList<int>{1, 0} << QStringList{"1 + 0 =?"} << QList<int>{1}
                                        << "1     ";
        QTest::newRow("carries in every column") << 2 << QList<int>{7, 8, 4, 5, 9, 9}
                                            << QStringList{"7 + 8 =?", "1 + 4 + 5 = ?", "1 + 9 + 9 = ?"}
                                            << QList<int>{15, 10, 19} << "5 0 9 1 1 1";
        QTest::newRow("zero carries") << 2 << QList<int>{4, 5, 3, 2, 1, 1}
                                                 << QStringList{"4 + 5 =?", "0 + 3 + 2 = ?", "0 + 1 + 1 = ?"}
                                                 << QList<int>{9, 5, 2} << "9 5 2  0 0";
    }
    void walksTheColumns()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, digits);
        QFETCH(QStringList, questions);
        QFETCH(QList<int>, answers);
        QFETCH(QString, working);
        session().AddScore = 7;
        open(level, digits);
        QCOMPARE(box->random->reseeds, 1);
        for (qsizetype i = 0; i < questions.size(); ++i) {
            QCOMPARE(text("QuestionLabel"), questions[i]);
            QVERIFY(answer(form, answers[i]));
            if (i == 0 && level == 2)
                QCOMPARE(text("Label_Carry"), answers[0] >= 10 ? QStringLiteral("Carry the 1") : QString());
        }
        QCOMPARE(texts({"Y1", "Y2", "Y3", "Y4", "C1", "C2"}).join(QLatin1Char(' ')), working);
        QCOMPARE(text("Label_Carry"), QString());
        QCOMPARE(session().AddScore, qint16(7 + level));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  %1").arg(7 + level));
    }

    void narrationAndHighlightFollowTheColumn()
    {
        session().SoundOn = 1;
        open(2, {7, 8, 4, 5, 9, 9});
        QCOMPARE(colour("A1"), qbColor(Yellow));
        QCOMPARE(narration(), QStringLiteral("7 plus 8 equals"));
        QVERIFY(answer(form, 15));
        QCOMPARE(colour("A1"), qbColor(White));
        QCOMPARE(colour("C1"), qbColor(Yellow));
        QCOMPARE(narration(), QStringLiteral("1 plus 4 plus 5 equals"));
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
        QVERIFY(shown("QuestionLabel") && shown("Option1(3)") && !shown("SunLabel") && drawn(37, 55, Black));
        QCOMPARE(texts({"LabelWrong", "Y1", "Y2", "QuestionLabel"}), (QStringList{"", "", "", "2 + 3 =?"}));
        QVERIFY(answer(form, 5));
        clickOn("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(windows::Addition));
        QCOMPARE(session().AddScore, qint16(2));
    }
};

QTEST_MAIN(TestAddition)
#include "tst_addition.moc"
