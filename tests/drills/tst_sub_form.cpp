// The subtraction drill: problems that never need a borrow in the ones or
// hundreds column, the borrow in the tens column, the suns taken away.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestSubForm : public QObject, public DrillFixture {
    Q_OBJECT

    // Draws: A1, the lower ones digit until it is not larger, then at level 2
    // A2, N2, A3 and the lower hundreds digit until it is smaller.
    void open(int level, const QList<double>& draws)
    {
        session().SubLevel = qint16(level);
        openOn(windows::Subtraction, draws);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void nineTakesNineWithoutADraw()
    {
        open(1, {digit(9), Tail});
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 - 9 =?"));
        // The first digit, the right option and one draw per wrong choice.
        QCOMPARE(box->random->position, 4);
        for (int i = 1; i <= 3; ++i) {
            const int choice = option(form, i)->text().toInt();
            QVERIFY2(choice >= 0 && choice <= 4, qPrintable(option(form, i)->text()));
        }
        QVERIFY(answer(form, 0));
        QCOMPARE(text("Y1"), QStringLiteral("0"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  1"));
    }

    void lowerOnesDigitIsDrawnUntilItIsNotLarger()
    {
        open(1, {digit(1), lower(5), lower(3), lower(1), Tail});
        QCOMPARE(text("QuestionLabel"), QStringLiteral("1 - 1 =?"));
    }

    void tensColumnBorrowsFromTheHundreds()
    {
        session().SoundOn = 1;
        session().SubScore = 12;
        // 535 - 272: the hundreds draw 6 is not below 5 and is drawn again.
        open(2, {digit(5), lower(2), digit(3), digit(7), digit(5), lower(6), lower(2), Tail});
        QCOMPARE(texts({"LabelScore", "N3"}), (QStringList{"Score = 12", "2"}));
        QVERIFY(!shown("Line4") && !shown("Line5"));
        QVERIFY(answer(form, 3));
        QVERIFY(shown("Line4") && shown("Line5"));
        QCOMPARE(texts({"Y1", "C1", "C2"}), (QStringList{"3", "13", "4"}));
        QCOMPARE(texts({"Label_Borrow", "QuestionLabel"}), (QStringList{"Borrow 1 from 5", "13 - 7 = ?"}));
        QCOMPARE(colour("C1"), qbColor(Yellow));
        QCOMPARE(colour("N2"), qbColor(Yellow));
        QCOMPARE(colour("A2"), qbColor(White));

        box->player->played.clear();
        fire("Timer2");
        QCOMPARE(box->player->played, (QStringList{"13.WAV", "minus.WAV", "7.WAV", "equals.WAV"}));

        fire("Timer4");
        fire("Timer3");
        QVERIFY(shown("SunLabel"));
        QCOMPARE(text("SunLabel"), QStringLiteral("Count the yellow suns to find the answer."));
        // 13 suns: ten in the first row, three in a second; the first seven
        // are taken away (magenta), matching seven magenta suns below.
        for (int i = 1; i <= 7; ++i)
            QVERIFY2(drawn(25 + 7 * i, 55, Magenta) && drawn(25 + 7 * i, 25, Magenta), qPrintable(QString::number(i)));
        for (int i = 8; i <= 10; ++i)
            QVERIFY2(drawn(25 + 7 * i, 55, Yellow), qPrintable(QString::number(i)));
        QVERIFY(drawn(81, 25, Black));
        QVERIFY(drawn(32, 45, Yellow) && drawn(46, 45, Yellow) && drawn(53, 45, Black));

        QVERIFY(answer(form, 6));
        QCOMPARE(texts({"Y2", "Label_Borrow", "QuestionLabel"}), (QStringList{"6", "", "4 - 2 = ?"}));
        QCOMPARE(colour("C1"), qbColor(White));
        QCOMPARE(colour("C2"), qbColor(Yellow));
        QCOMPARE(colour("A3"), qbColor(White));
        fire("Timer4");
        QVERIFY(drawn(32, 45, Black) && drawn(95, 55, Black) && !shown("SunLabel"));

        QVERIFY(answer(form, 2));
        QCOMPARE(texts({"Y3", "Y4"}), (QStringList{"2", ""}));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  14"));
        // The borrow marks stay until the next problem.
        QVERIFY(shown("Line4") && shown("Line5"));
        QCOMPARE(text("C1"), QStringLiteral("13"));

        script({digit(4), lower(4), digit(2), digit(2), digit(2), lower(1), Tail});
        clickOn("CommandAgain");
        QVERIFY(!shown("Line4") && !shown("Line5"));
        QCOMPARE(texts({"C1", "C2"}), QStringList(2, QString()));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 4 =?"));
    }

    void withoutABorrowTheUpperDigitsAreUsed()
    {
        // 475 - 132; an equal lower tens digit needs no borrow either.
        open(2, {digit(5), lower(2), digit(7), digit(7), digit(4), lower(1), Tail});
        QVERIFY(answer(form, 3));
        QCOMPARE(texts({"QuestionLabel", "C1"}), (QStringList{"7 - 7 = ?", ""}));
        QVERIFY(!shown("Line4") && !shown("Line5"));
        QCOMPARE(colour("A2"), qbColor(Yellow));
        QVERIFY(answer(form, 0));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 1 = ?"));
        QCOMPARE(colour("A3"), qbColor(Yellow));
    }

    void hundredsOfOneForceZeroBelow()
    {
        open(2, {digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail});
        QCOMPARE(texts({"A3", "N3"}), (QStringList{"1", "0"}));
    }

    void hundredsDifferenceOfZeroAfterABorrowShowsZero()
    {
        // 535 - 474: after the borrow 4 - 4 is left in the hundreds.
        open(2, {digit(5), lower(4), digit(3), digit(7), digit(5), lower(4), Tail});
        QVERIFY(answer(form, 1) && answer(form, 6));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 4 = ?"));
        QVERIFY(answer(form, 0));
        QCOMPARE(text("Y3"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestSubForm)
#include "tst_sub_form.moc"
