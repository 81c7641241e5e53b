// SPDX-License-Identifier: GPL-3.0-or-later
// The reduction tutor: typed fractions, the answers stated at once, the
// yes/no dialogue over the primes with its chain, and refused entries.
#include "FractionTest.h"
#include "shell/SessionState.h"

using namespace kt;
using namespace kt::test;

class TestReductionTutor : public QObject, public FractionFixture {
    Q_OBJECT

    void solve(const QString& numerator, const QString& denominator)
    {
        get<TextBox>("Text1")->setText(numerator);
        get<TextBox>("Text2")->setText(denominator);
        click(get("cmdSolve"));
    }
    // Answers the open question, then lets the next one appear.
    void answer(bool yes) { doubleClick(get(yes ? "Option1(0)" : "Option1(1)")), fire("Timer2"); }
    QString place(int i) const
    {
        return text(QStringLiteral("Numerator(%1)").arg(i)) + "/" + text(QStringLiteral("Denominator(%1)").arg(i));
    }
    static QString question(int p)
    {
        return QStringLiteral("Can both the numerator and denominator be divided by  %1 without a remainder?").arg(p);
    }

private slots:
    void init()
    {
        start();
        session().FractionScore = 4;
        QVERIFY(openLevel(4, windows::ReductionTutor));
    }
    void cleanup() { stop(); }

    void dialogueWritesTheChainAndScoresWhenItEnds()
    {
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 4"));
        QVERIFY(!shown("Numerator(0)") && !shown("LabelQuestion") && !shown("Option1(0)") && !shown("Line1"));
        session().SoundOn = 1;
        solve("12", "18");
        QCOMPARE(text("LabelQuestion"), question(2));
        QVERIFY(shown("Option1(1)") && shown("Line4"));
        QCOMPARE(form->focusWidget(), get("Option1(0)"));

        doubleClick(get("Option1(0)"));
        QCOMPARE(text("LabelRight"), QStringLiteral("right!"));
        QVERIFY(shown("LabelRight") && !shown("LabelQuestion"));
        QCOMPARE(box->player->played.size(), 1); // praise
        QCOMPARE(place(0) + " = " + place(1), QStringLiteral("12/18 =  6/ 9"));
        QVERIFY(shown("equal(0)") && shown("DivideLine(1)"));
        fire("Timer2");
        QVERIFY(shown("LabelQuestion") && !shown("LabelRight"));
        QCOMPARE(text("LabelQuestion"), question(3));

        // A wrong answer beeps, and the chain goes on as the right one leads it.
        doubleClick(get("Option1(1)"));
        QCOMPARE(text("LabelRight"), QStringLiteral("wrong"));
        QCOMPARE(box->beeper->beeps, 1);
        QCOMPARE(place(2), QStringLiteral(" 2/ 3"));
        QCOMPARE(text("LabelQuestion"), QStringLiteral("This fraction can not be reduced further."));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 5"));
        QVERIFY(!shown("Option1(0)") && !shown("Line1"));
        QCOMPARE(form->focusWidget(), get("Text1"));
        doubleClick(get("Option1(0)")); // over: ignored
        QCOMPARE(session().FractionScore, qint16(5));
        QCOMPARE(box->beeper->beeps, 1);
    }

    void aLongReductionKeepsToSixPlaces()
    {
        solve("192", "320");
        for (int i = 0; i < 6; ++i)
            answer(true);
        QCOMPARE(place(4) + " = " + place(5), QStringLiteral(" 12/ 20 =  3/ 5"));
        QVERIFY(shown("equal(4)"));
        answer(false); // 3
        QCOMPARE(text("LabelQuestion"), QStringLiteral("This fraction can not be reduced further."));
    }

    void immediateAnswersScoreNothing_data()
    {
        QTest::addColumn<QString>("numerator");
        QTest::addColumn<QString>("denominator");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("answer");
        QTest::newRow("one") << "4" << "4" << "The answer is one!" << "1";
        QTest::newRow("4 over 04") << "4" << "04" << "The answer is 1." << " 1";
        QTest::newRow("zero") << "0" << "7" << "The answer is zero!" << "0";
        QTest::newRow("00") << "00" << "7" << "The answer is zero!" << "0";
        QTest::newRow("-0") << "-0" << "7" << "The answer is zero!" << "0";
        QTest::newRow("2/4") << "2" << "4" << "The answer is .5." << " .5";
        QTest::newRow("negative") << "-3" << "4" << "The answer is-.75." << "-.75";
        QTest::newRow("5/1 cannot be reduced") << "5" << "1" << "This fraction can not be reduced further." << "";
    }
    void immediateAnswersScoreNothing()
    {
        QFETCH(QString, numerator);
        QFETCH(QString, denominator);
        QFETCH(QString, sentence);
        QFETCH(QString, answer);
        solve(numerator, denominator);
        QCOMPARE(text("LabelQuestion"), sentence);
        QVERIFY(shown("LabelQuestion") && !shown("Option1(0)"));
        QCOMPARE(shown("LabelOneAnswer") && shown("equal(0)"), !answer.isEmpty());
        QCOMPARE(text("LabelOneAnswer"), answer.isEmpty() ? QStringLiteral("1") : answer);
        QCOMPARE(place(0), numerator + "/" + denominator);
        doubleClick(get("Option1(0)"));
        QCOMPARE(session().FractionScore, qint16(4));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("numerator");
        QTest::addColumn<QString>("denominator");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty numerator") << "" << "4" << "Text1";
        QTest::newRow("letters") << "abc" << "4" << "Text1";
        QTest::newRow("decimal") << "1.5" << "4" << "Text1";
        QTest::newRow("past 16 bits") << "40000" << "4" << "Text1";
        QTest::newRow("zero denominator") << "3" << "0" << "Text2";
        QTest::newRow("negative denominator") << "3" << "-3" << "Text2";
    }
    void refusedEntries()
    {
        QFETCH(QString, numerator);
        QFETCH(QString, denominator);
        QFETCH(QString, box);
        solve(numerator, denominator);
        QCOMPARE(messages(), QStringList{box == "Text1" ? "Use an integer." : "Use a positive integer."});
        QVERIFY(get<TextBox>(box)->text().isEmpty());
        QCOMPARE(form->focusWidget(), get(box));
        QVERIFY(!shown("Numerator(0)") && !shown("LabelQuestion"));
    }

    void enterWalksTheBoxesAndEditingHidesTheWorking()
    {
        auto* text1 = get<TextBox>("Text1");
        typeText(text1, "x");
        pressEnter(text1);
        QCOMPARE(form->focusWidget(), text1);
        typeText(text1, "6");
        pressEnter(text1);
        QCOMPARE(form->focusWidget(), get("Text2"));
        typeText(get("Text2"), "3");
        pressEnter(get("Text2"));
        QCOMPARE(form->focusWidget(), get("cmdSolve"));
        QCOMPARE(messages(), QStringList{"Use an integer."});

        click(get("cmdSolve"));
        answer(false);
        doubleClick(get("Option1(0)")); // 6/3 = 2/1; the verdict is up
        QCOMPARE(place(1), QStringLiteral(" 2/ 1"));
        typeText(get("Text2"), "0");
        QVERIFY(!shown("Numerator(1)") && !shown("LabelRight"));
        fire("Timer2");
        QVERIFY(!shown("LabelQuestion"));
        click(get("cmdClear"));
        QVERIFY(text1->text().isEmpty() && get<TextBox>("Text2")->text().isEmpty());
        QCOMPARE(session().FractionScore, qint16(5));
        click(get("CommandReturn"));
        processEvents();
        QVERIFY(!Forms::find(windows::ReductionTutor));
    }
};

QTEST_MAIN(TestReductionTutor)
#include "tst_reduction_tutor.moc"
