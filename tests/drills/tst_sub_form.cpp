// The subtraction drill: problems that never need a borrow in the ones or
// hundreds column, the borrow in the tens column, the suns taken away.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

using namespace kt;
using namespace kt::test;

class TestSubForm : public QObject, public DrillFixture {
    Q_OBJECT

    // Draws in order: A1, the lower ones digit until it is not larger, then at
    // level 2 A2, N2, A3 and the lower hundreds digit until it is smaller.
    void open(int level, const QList<double>& draws)
    {
        session().SubLevel = qint16(level);
        openOn(windows::Subtraction, draws);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void captionAtLoad_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("caption");
        QTest::newRow("level 1") << 1 << "Subtraction Level 1.  Double click on the correct answer.";
        QTest::newRow("level 2") << 2 << "Subtraction Level 2.  Double click on the correct answer.";
    }
    void captionAtLoad()
    {
        QFETCH(int, level);
        QFETCH(QString, caption);
        session().SubScore = 12;
        open(level, {digit(5), lower(2), digit(3), digit(3), digit(3), lower(1), Tail});
        QCOMPARE(form->caption(), caption);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 12"));
        QVERIFY(!shown("Line4") && !shown("Line5"));
        const QList<std::pair<const char*, int>> intervals{{"Timer1", 1000}, {"Timer2", 100}, {"Timer3", 500}, {"Timer4", 100}};
        for (const auto& [name, ms] : intervals)
            QCOMPARE(timer(form, name)->interval(), ms);
    }

    void nineTakesNineWithoutADraw()
    {
        open(1, {digit(9), Tail});
        QCOMPARE(text("N1"), QStringLiteral("9"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 - 9 =?"));
        // The first digit, the right option and one draw per wrong choice.
        QCOMPARE(box->random->position, 4);
        QVERIFY(choiceShowing(form, 0));
        for (int i = 1; i <= 3; ++i) {
            const int choice = option(form, i)->text().toInt();
            QVERIFY2(choice >= 0 && choice <= 4, qPrintable(option(form, i)->text()));
        }
        QVERIFY(answer(form, 0));
        QCOMPARE(text("Y1"), QStringLiteral("0"));
        QCOMPARE(session().SubScore, qint16(1));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  1"));
    }

    void lowerOnesDigitIsDrawnUntilItIsNotLarger()
    {
        open(1, {digit(1), lower(5), lower(3), lower(1), Tail});
        QCOMPARE(text("N1"), QStringLiteral("1"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 - 1 =?"));
    }

    void narrationSaysMinus()
    {
        session().SoundOn = 1;
        open(1, {digit(7), lower(3), Tail});
        timer(form, "Timer2")->fire();
        QCOMPARE(box->player->played, (QStringList{"7.WAV", "minus.WAV", "3.WAV", "equals.WAV"}));
        QCOMPARE(form->focusWidget(), option(form, 1));
    }

    void tensColumnBorrowsFromTheHundreds()
    {
        session().SoundOn = 1;
        // 535 - 272: the hundreds draw 6 is not below 5 and is drawn again.
        open(2, {digit(5), lower(2), digit(3), digit(7), digit(5), lower(6), lower(2), Tail});
        QCOMPARE(text("N3"), QStringLiteral("2"));
        QVERIFY(answer(form, 3));
        QCOMPARE(text("Y1"), QStringLiteral("3"));
        QVERIFY(shown("Line4") && shown("Line5"));
        QCOMPARE(text("C1"), QStringLiteral("13"));
        QCOMPARE(text("C2"), QStringLiteral("4"));
        QCOMPARE(text("Label_Borrow"), QStringLiteral("Borrow 1 from 5"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("13 - 7 = ?"));
        QCOMPARE(colour("C1"), qbColor(14));
        QCOMPARE(colour("N2"), qbColor(14));
        QCOMPARE(colour("A2"), qbColor(15));
        QVERIFY(choiceShowing(form, 6));

        box->player->played.clear();
        timer(form, "Timer2")->fire();
        QCOMPARE(box->player->played, (QStringList{"13.WAV", "minus.WAV", "7.WAV", "equals.WAV"}));

        timer(form, "Timer4")->fire();
        timer(form, "Timer3")->fire();
        QCOMPARE(text("SunLabel"), QStringLiteral("Count the yellow suns to find the answer."));
        QVERIFY(shown("SunLabel"));
        // 13 suns: ten in the first row, three in a second; the first seven
        // are taken away (magenta), matching seven magenta suns below.
        for (int i = 1; i <= 7; ++i)
            QVERIFY2(isMagenta(form, 25 + 7 * i, 55) && isMagenta(form, 25 + 7 * i, 25), qPrintable(QString::number(i)));
        for (int i = 8; i <= 10; ++i)
            QVERIFY2(isYellow(form, 25 + 7 * i, 55), qPrintable(QString::number(i)));
        QVERIFY(isBlack(form, 81, 25));
        QVERIFY(isYellow(form, 32, 45) && isYellow(form, 46, 45) && isBlack(form, 53, 45));

        QVERIFY(answer(form, 6));
        QCOMPARE(text("Y2"), QStringLiteral("6"));
        QCOMPARE(text("Label_Borrow"), QString());
        QCOMPARE(colour("C1"), qbColor(15));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 2 = ?"));
        QCOMPARE(colour("C2"), qbColor(14));
        QCOMPARE(colour("A3"), qbColor(15));
        timer(form, "Timer4")->fire();
        QVERIFY(isBlack(form, 32, 45) && isBlack(form, 95, 55));
        QVERIFY(!shown("SunLabel"));

        QVERIFY(answer(form, 2));
        QCOMPARE(text("Y3"), QStringLiteral("2"));
        QCOMPARE(text("Y4"), QString());
        QCOMPARE(session().SubScore, qint16(2));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  2"));
        // The borrow marks stay until the next problem.
        QVERIFY(shown("Line4") && shown("Line5"));
        QCOMPARE(text("C1"), QStringLiteral("13"));

        box->random->values = {digit(4), lower(4), digit(2), digit(2), digit(2), lower(1), Tail};
        box->random->position = 0;
        click(control<QWidget>(form, QStringLiteral("CommandAgain")));
        QVERIFY(!shown("Line4") && !shown("Line5"));
        QCOMPARE(text("C1"), QString());
        QCOMPARE(text("C2"), QString());
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 4 =?"));
    }

    void withoutABorrowTheUpperDigitsAreUsed()
    {
        // 475 - 132; an equal lower tens digit needs no borrow either.
        open(2, {digit(5), lower(2), digit(7), digit(7), digit(4), lower(1), Tail});
        QVERIFY(answer(form, 3));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("7 - 7 = ?"));
        QVERIFY(!shown("Line4") && !shown("Line5"));
        QCOMPARE(text("C1"), QString());
        QCOMPARE(colour("A2"), qbColor(14));
        QVERIFY(answer(form, 0));
        QCOMPARE(text("Y2"), QStringLiteral("0"));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 1 = ?"));
        QCOMPARE(colour("A3"), qbColor(14));
        QVERIFY(answer(form, 3));
        QCOMPARE(text("Y3"), QStringLiteral("3"));
    }

    void hundredsOfOneForceZeroBelow()
    {
        open(2, {digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail});
        QCOMPARE(text("A3"), QStringLiteral("1"));
        QCOMPARE(text("N3"), QStringLiteral("0"));
    }

    void hundredsDifferenceOfZeroAfterABorrowShowsZero()
    {
        // 535 - 474: after the borrow 4 - 4 is left in the hundreds.
        open(2, {digit(5), lower(4), digit(3), digit(7), digit(5), lower(4), Tail});
        QVERIFY(answer(form, 1));
        QVERIFY(answer(form, 6));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 4 = ?"));
        QVERIFY(answer(form, 0));
        QCOMPARE(text("Y3"), QStringLiteral("0"));
        QCOMPARE(session().SubScore, qint16(2));
    }
};

QTEST_MAIN(TestSubForm)
#include "tst_sub_form.moc"
