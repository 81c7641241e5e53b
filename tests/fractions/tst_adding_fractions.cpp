// SPDX-License-Identifier: GPL-3.0-or-later
// Adding and subtracting fractions: the problems drawn, the six steps with
// their questions, highlighting and narration, the decimal choices, the score
// for a finished problem.
#include "FractionTest.h"
#include "shell/SessionState.h"

using namespace kt;
using namespace kt::test;

class TestAddingFractions : public QObject, public FractionFixture {
    Q_OBJECT

    // Last scripted draw: the right answer goes into option 3, wrong choices
    // come out at about 1.5 times the right one.
    static constexpr double Tail = 0.999;
    static double num(int n) { return ScriptedRandom::pick(n, 4, 1); }
    static double den(int d) { return ScriptedRandom::pick(d, 5, 3); }

    // Opens Fractions level 2 (add) or 3 (subtract) on the fractions drawn.
    void open(int level, QList<double> fractions)
    {
        script(fractions << Tail);
        QVERIFY(openLevel(level, windows::AddingFractions));
    }
    OptionButton* option(int i) const { return get<OptionButton>(QStringLiteral("Option1(%1)").arg(i)); }
    QStringList options() const { return {option(1)->text(), option(2)->text(), option(3)->text()}; }
    void right(int times = 1)
    {
        while (times-- > 0)
            doubleClick(option(3));
    }
    QStringList spoken()
    {
        box->player->played.clear();
        fire("Timer1");
        return box->player->played;
    }
    bool yellow(const char* name) const { return get<Label>(name)->foreColor() == qbColor(14); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void addsThroughSixSteps()
    {
        open(2, {num(3), num(1), den(4), den(6)});
        session().SoundOn = 1;
        QVERIFY(shown("Line10") && shown("Line11"));
        QCOMPARE(texts({"Numerator1Label", "Den1Label", "Numerator2Label", "Den2Label", "ScoreLabel"}),
                 (QStringList{" 3", " 4", " 1", " 6", "Score =  0"}));

        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is the least common denominator?"));
        QCOMPARE(options(), (QStringList{"17", "17", "12"}));
        QCOMPARE(spoken(), QStringList{"what.WAV"});
        right();

        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is ( 12 / 4) X  3?"));
        QCOMPARE(texts({"Sum1Label", "Sum1DenLabel"}), (QStringList{"?", " 12"}));
        QVERIFY(yellow("Numerator1Label") && yellow("Den1Label") && yellow("Sum1DenLabel"));
        QCOMPARE(spoken(), (QStringList{"12.WAV", "divide.WAV", "4.WAV", "times.WAV", "3.WAV", "equals.WAV"}));
        right();

        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is ( 12 / 6) X  1?"));
        QCOMPARE(text("Sum1Label"), QStringLiteral(" 9 + ?"));
        QVERIFY(!yellow("Numerator1Label") && yellow("Den2Label"));
        right();

        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is   9 + 2?"));
        QCOMPARE(text("Sum1Label"), QStringLiteral(" 9 + 2"));
        QVERIFY(yellow("Sum1Label") && !yellow("Sum1DenLabel") && !yellow("Den2Label"));
        QCOMPARE(options().at(2), QStringLiteral("11"));
        QCOMPARE(spoken(), (QStringList{"9.WAV", "plus.WAV", "2.WAV", "equals.WAV"}));
        right();

        // The decimal step: not spoken when chosen.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is   11 / 12 ?"));
        QCOMPARE(texts({"Sum2NumLabel", "Sum2DenLabel"}), (QStringList{" 11", " 12"}));
        QCOMPARE(options(), (QStringList{"1.37", "1.37", ".916"}));
        QCOMPARE(spoken(), (QStringList{"11.WAV", "divide.WAV", "12.WAV", "equals.WAV"}));
        box->player->played.clear();
        doubleClick(option(2));
        QCOMPARE(box->player->played, QStringList{"tryagn2.wav"});
        right();

        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral(".916"));
        QVERIFY(!yellow("Sum2NumLabel"));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1"));
        QCOMPARE(spoken(), (QStringList{"point.wav", "9.wav", "1.wav", "6.wav"}));
    }

    void subtractsOnlyWhenTheFirstIsLargerByMoreThanATenth()
    {
        // 1/3 - 1/4 = 1/12 is drawn again.
        open(3, {num(1), num(1), den(3), den(4), num(4), num(1), den(5), den(3)});
        session().SoundOn = 1;
        QVERIFY(!shown("Line10") && shown("Line11"));
        QCOMPARE(texts({"Numerator1Label", "Den1Label", "Numerator2Label", "Den2Label"}),
                 (QStringList{" 4", " 5", " 1", " 3"}));
        right(3);
        QCOMPARE(texts({"Sum1Label", "QuestionLabel"}), (QStringList{" 12 - 5", "What is   12 - 5?"}));
        QCOMPARE(spoken(), (QStringList{"12.WAV", "minus.WAV", "5.WAV", "equals.WAV"}));
        right(2);
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral(".466"));
    }

    void aDecimalChoiceNeverReadsLikeTheRightOne()
    {
        open(2, {num(3), num(1), den(4), den(6)});
        right(3);
        // The praise, the right option, then 11/12 * 0.4995 + 11/24 = 0.91621,
        // which reads ".916" like the answer and is drawn again.
        script({Tail, Tail, 0.4995, 0.1, Tail});
        right();
        QCOMPARE(options(), (QStringList{".55", "1.37", ".916"}));
    }

    void soundOffKeepsTheVerdictASecondAndNewProblemsScoreAgain()
    {
        session().FractionScore = 5;
        open(2, {num(4), num(2), den(3), den(3)});
        QCOMPARE(options().at(2), QStringLiteral("3")); // equal denominators
        doubleClick(option(1));
        QCOMPARE(text("WrongLabel"), QStringLiteral("Wrong"));
        fire("Timer2");
        QCOMPARE(text("WrongLabel"), QString());
        right();
        QCOMPARE(text("WrongLabel"), QStringLiteral("Right"));
        QCOMPARE(options().at(2), QStringLiteral("4")); // A = N1
        right(4);
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral("2")); // 6/3, a whole result
        QCOMPARE(session().FractionScore, qint16(6));
        QVERIFY(box->player->played.isEmpty());

        script({num(2), num(3), den(5), den(7), Tail});
        click(get("Command3D1"));
        QVERIFY(shown("Option1(2)") && shown("Label2") && shown("QuestionLabel") && shown("Line16"));
        QCOMPARE(texts({"Sum1Label", "Sum1DenLabel", "Sum2NumLabel", "Sum2DenLabel", "FinalAnswerLabel", "WrongLabel"}),
                 QStringList(6, QString()));
        QCOMPARE(options().at(2), QStringLiteral("35"));
        right(5);
        QCOMPARE(session().FractionScore, qint16(7));
        click(get("AddReturnCommand"));
        processEvents();
        QVERIFY(!Forms::find(windows::AddingFractions));
    }
};

QTEST_MAIN(TestAddingFractions)
#include "tst_adding_fractions.moc"
