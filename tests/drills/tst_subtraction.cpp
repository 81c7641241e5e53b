// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction drill: problems that never need a borrow in the ones or
// hundreds column, the borrow in the tens column, the suns taken away.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestSubtraction : public QObject, public DrillFixture {
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

    // Which digits come out of the draws: a lower digit is drawn again while it is too large.
    void problemDraws_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("hundreds"); // A3 N3
        QTest::newRow("9 - 9") << 1 << QList<double>{digit(9), Tail} << "9 - 9 =?" << " ";
        QTest::newRow("ones drawn again") << 1 << QList<double>{digit(1), lower(5), lower(3), lower(1), Tail}
                                          << "1 - 1 =?" << " ";
        QTest::newRow("hundreds of one force 0 below")
            << 2 << QList<double>{digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail}
            << "5 - 2 =?" << "1 0";
    }
    void problemDraws()
    {
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QString, question);
        QFETCH(QString, hundreds);
        open(level, draws);
        QCOMPARE(text("QuestionLabel"), question);
        QCOMPARE(texts({"A3", "N3"}).join(QLatin1Char(' ')), hundreds);
        QCOMPARE(box->random->position, draws.size() + 2); // the right option and one draw per wrong choice
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

        box->player->played.clear();
        fire("Timer2");
        QCOMPARE(box->player->played, (QStringList{"13.WAV", "minus.WAV", "7.WAV", "equals.WAV"}));

        fire("Timer4");
        fire("Timer3");
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
        fire("Timer4");
        QVERIFY(drawn(32, 45, Black) && drawn(95, 55, Black) && !shown("SunLabel"));

        QVERIFY(answer(form, 2));
        QCOMPARE(texts({"Y3", "Y4"}), (QStringList{"2", ""}));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  14"));
        // The borrow marks stay until the next problem.
        QVERIFY(shown("Line4") && shown("Line5"));

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
        QVERIFY(answer(form, 0));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("4 - 1 = ?"));
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

QTEST_MAIN(TestSubtraction)
#include "tst_subtraction.moc"
