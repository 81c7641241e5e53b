// Adding and subtracting fractions: the problems drawn, the six steps with
// their questions, highlighting and narration, the decimal choices, and the
// score for a finished problem.
#include "FractionTest.h"
#include "shell/SessionState.h"
#include "ui/Controls.h"

using namespace kt;
using namespace kt::test;

class TestAddFractionForm : public QObject, public FractionFixture {
    Q_OBJECT

    // Last scripted draw: the right answer goes into option 3, wrong choices
    // come out at about 1.5 times the right one.
    static constexpr double Tail = 0.999;
    static double num(int n) { return ScriptedRandom::pick(n, 4, 1); }
    static double den(int d) { return ScriptedRandom::pick(d, 5, 3); }

    // Opens Fractions level 2 (add) or 3 (subtract) on the fractions n1/d1, n2/d2.
    void open(int level, QList<double> fractions)
    {
        script(fractions << Tail);
        QVERIFY(openLevel(level, windows::AddFractions));
    }
    OptionButton* option(int i) const { return get<OptionButton>(QStringLiteral("Option1(%1)").arg(i)); }
    QStringList options() const { return {option(1)->text(), option(2)->text(), option(3)->text()}; }
    void right() { doubleClick(option(3)); }
    QStringList spoken()
    {
        fire("Timer1");
        const QStringList said = box->player->played;
        box->player->played.clear();
        return said;
    }
    QColor colour(const char* name) const { return get<Label>(name)->foreColor(); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void addsThroughSixSteps()
    {
        open(2, {num(3), num(1), den(4), den(6)});
        session().SoundOn = 1;
        QCOMPARE(form->caption(), QStringLiteral("Add the fractions.  Double click on the correct answers."));
        QVERIFY(shown("Line10") && shown("Line11"));
        QCOMPARE(QStringList({text("Numerator1Label"), text("Den1Label"), text("Numerator2Label"), text("Den2Label")}),
                 (QStringList{" 3", " 4", " 1", " 6"}));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));

        // Step 1: the least common denominator of 4 and 6.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is the least common denominator?"));
        QCOMPARE(options(), (QStringList{"17", "17", "12"}));
        QCOMPARE(spoken(), QStringList{"what.WAV"});
        QCOMPARE(form->focusWidget(), option(1));
        doubleClick(option(1));
        QCOMPARE(box->player->played, (QStringList{"17.WAV", "tryagn2.wav"}));
        QCOMPARE(text("WrongLabel"), QString()); // emptied at once: the sounds have played
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is the least common denominator?"));
        box->player->played.clear();
        right();
        QCOMPARE(box->player->played.first(), QStringLiteral("12.WAV"));
        box->player->played.clear();

        // Step 2: 12 / 4 x 3.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is ( 12 / 4) X  3?"));
        QCOMPARE(QStringList({text("Sum1Label"), text("Sum1DenLabel")}), (QStringList{"?", " 12"}));
        for (const char* name : {"Numerator1Label", "Den1Label", "Sum1DenLabel"})
            QCOMPARE(colour(name), qbColor(14));
        QCOMPARE(options().at(2), QStringLiteral("9"));
        QCOMPARE(spoken(), (QStringList{"12.WAV", "divide.WAV", "4.WAV", "times.WAV", "3.WAV", "equals.WAV"}));
        right();
        box->player->played.clear();

        // Step 3: 12 / 6 x 1.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is ( 12 / 6) X  1?"));
        QCOMPARE(text("Sum1Label"), QStringLiteral(" 9 + ?"));
        QCOMPARE(colour("Numerator1Label"), qbColor(15));
        QCOMPARE(colour("Den2Label"), qbColor(14));
        right();
        box->player->played.clear();

        // Step 4: the sum of the new numerators.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is   9 + 2?"));
        QCOMPARE(text("Sum1Label"), QStringLiteral(" 9 + 2"));
        QCOMPARE(colour("Sum1Label"), qbColor(14));
        QCOMPARE(colour("Sum1DenLabel"), qbColor(15));
        QCOMPARE(options().at(2), QStringLiteral("11"));
        QCOMPARE(spoken(), (QStringList{"9.WAV", "plus.WAV", "2.WAV", "equals.WAV"}));
        right();
        box->player->played.clear();

        // Step 5: the decimal value, not spoken when chosen.
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is   11 / 12 ?"));
        QCOMPARE(QStringList({text("Sum2NumLabel"), text("Sum2DenLabel")}), (QStringList{" 11", " 12"}));
        QCOMPARE(options(), (QStringList{"1.37", "1.37", ".916"}));
        QCOMPARE(spoken(), (QStringList{"11.WAV", "divide.WAV", "12.WAV", "equals.WAV"}));
        doubleClick(option(2));
        QCOMPARE(box->player->played, QStringList{"tryagn2.wav"});
        right();

        // Step 6: the final answer; the problem is finished.
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral(".916"));
        QCOMPARE(colour("Sum2NumLabel"), qbColor(15));
        QVERIFY(!shown("Option1(1)") && !shown("Label1") && !shown("QuestionLabel") && !shown("Line13"));
        QCOMPARE(session().FractionScore, qint16(1));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1"));
        box->player->played.clear();
        QCOMPARE(spoken(), (QStringList{"point.wav", "9.wav", "1.wav", "6.wav"}));
        pressEnter(option(3));
        QCOMPARE(session().FractionScore, qint16(1));
        QVERIFY(box->player->played.isEmpty());
    }

    void subtractsOnlyWhenTheFirstIsLargerByMoreThanATenth()
    {
        // 1/3 - 1/4 = 1/12 is drawn again.
        open(3, {num(1), num(1), den(3), den(4), num(4), num(1), den(5), den(3)});
        session().SoundOn = 1;
        QCOMPARE(form->caption(), QStringLiteral("Subtract the fractions.  Double click on the correct answers."));
        QVERIFY(!shown("Line10") && shown("Line11"));
        QCOMPARE(QStringList({text("Numerator1Label"), text("Den1Label"), text("Numerator2Label"), text("Den2Label")}),
                 (QStringList{" 4", " 5", " 1", " 3"}));
        for (int answered = 0; answered < 3; ++answered)
            right();
        QCOMPARE(text("Sum1Label"), QStringLiteral(" 12 - 5"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is   12 - 5?"));
        box->player->played.clear();
        QCOMPARE(spoken(), (QStringList{"12.WAV", "minus.WAV", "5.WAV", "equals.WAV"}));
        right();
        right();
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral(".466"));
    }

    void aDecimalChoiceNeverReadsLikeTheRightOne()
    {
        open(2, {num(3), num(1), den(4), den(6)});
        for (int answered = 0; answered < 3; ++answered)
            right();
        // The praise, the right option, then 11/12 * 0.4995 + 11/24 = 0.91621,
        // which reads ".916" like the answer and is drawn again.
        script({Tail, Tail, 0.4995, 0.1, Tail});
        right();
        QCOMPARE(options(), (QStringList{".55", "1.37", ".916"}));
    }

    void withTheSoundOffTheVerdictStaysForASecond()
    {
        open(2, {num(4), num(2), den(3), den(3)});
        session().SoundOn = 0;
        QCOMPARE(options().at(2), QStringLiteral("3")); // equal denominators
        doubleClick(option(1));
        QCOMPARE(text("WrongLabel"), QStringLiteral("Wrong"));
        QVERIFY(get<Timer>("Timer2")->enabled());
        fire("Timer2");
        QCOMPARE(text("WrongLabel"), QString());
        right();
        QCOMPARE(text("WrongLabel"), QStringLiteral("Right"));
        QCOMPARE(options().at(2), QStringLiteral("4")); // A = N1
        for (int answered = 2; answered <= 5; ++answered)
            right();
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral("2")); // 6/3, a whole result
        QCOMPARE(text("WrongLabel"), QStringLiteral("Right"));
        fire("Timer2");
        QCOMPARE(text("WrongLabel"), QString());
        QVERIFY(box->player->played.isEmpty());
    }

    void aNewProblemStartsAfreshAndScoresOnceMore()
    {
        session().FractionScore = 5;
        open(2, {num(1), num(1), den(3), den(3)});
        for (int answered = 0; answered < 5; ++answered)
            right();
        QCOMPARE(session().FractionScore, qint16(6));
        script({num(2), num(3), den(5), den(7), Tail});
        click(get("Command3D1"));
        QVERIFY(shown("Option1(2)") && shown("Label2") && shown("QuestionLabel") && shown("Line16"));
        for (const char* name : {"Sum1Label", "Sum1DenLabel", "Sum2NumLabel", "Sum2DenLabel", "FinalAnswerLabel"})
            QCOMPARE(text(name), QString());
        QCOMPARE(colour("Sum2NumLabel"), qbColor(15));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is the least common denominator?"));
        QCOMPARE(options().at(2), QStringLiteral("35"));
        for (int answered = 0; answered < 5; ++answered)
            right();
        QCOMPARE(session().FractionScore, qint16(7));
        click(get("AddReturnCommand"));
        processEvents();
        QVERIFY(!Forms::find(windows::AddFractions));
    }

    void everyFractionsLevelOpensItsWorkingWindow()
    {
        const QStringList windowOf{windows::BasicFractions, windows::AddFractions, windows::AddFractions,
                                   windows::FractionReduction1, windows::FractionReduction2};
        for (int level = 1; level <= 5; ++level) {
            // Equal draws never make a subtraction: level 3 gets 4/3 - 1/7.
            script({num(4), num(1), den(3), den(7), Tail});
            QVERIFY(openLevel(level, windowOf[level - 1]));
            auto* menu = Forms::get<KiteTu>(windows::MainWindow);
            const auto* entry = menu->findChild<QAction*>(QStringLiteral("menuFractLevel%1").arg(level));
            QVERIFY(entry->isEnabled() && entry->isChecked());
            QVERIFY(form->isVisible());
            for (const QString& other : windowOf) // one activity at a time
                QVERIFY(other == windowOf[level - 1] || !Forms::find(other));
        }
        QCOMPARE(Forms::find(windows::FractionReduction2), form);
        QVERIFY(!shown("LabelScore")); // level 5 hides the score
        script({num(4), num(1), den(3), den(7), Tail});
        openLevel(3, windows::AddFractions);
        QCOMPARE(session().FractionAddMode, qint16(0));
        QVERIFY(form->caption().startsWith("Subtract"));
    }
};

QTEST_MAIN(TestAddFractionForm)
#include "tst_add_fraction_form.moc"
