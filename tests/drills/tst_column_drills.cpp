// SPDX-License-Identifier: GPL-3.0-or-later
// The addition and subtraction drills, worked a column at a time: which digits
// the draws make, the questions, carries and borrows written into the working,
// the spoken column, the suns to count and the score.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

namespace {
const QString Add = windows::Addition, Sub = windows::Subtraction;
// Addition draws A1, N1 (0..8), then at level 2 A2, N2, N3, A3. Subtraction
// draws A1, the lower ones digit until it is not larger, then at level 2 A2,
// N2, A3 and the lower hundreds digit until it is smaller.
QList<double> sums(const QList<int>& digits)
{
    QList<double> draws;
    for (const int d : digits)
        draws << (draws.size() == 1 ? lower(d) : digit(d));
    return draws << Tail;
}
// 535 - 272: the hundreds draw 6 is not below 5 and is drawn again.
const QList<double> borrowing{digit(5), lower(2), digit(3), digit(7), digit(5), lower(6), lower(2), Tail};
} // namespace

class TestColumnDrills : public QObject, public DrillFixture {
    Q_OBJECT

    void open(const QString& window, int level, const QList<double>& draws)
    {
        (window == Add ? session().AddLevel : session().SubLevel) = qint16(level);
        openOn(window, draws);
        QVERIFY(form);
    }
    qint16& score(const QString& window) { return window == Add ? session().AddScore : session().SubScore; }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void walksTheColumns_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("working"); // Y1 Y2 Y3 Y4 C1 C2 after the last answer
        QTest::newRow("9 + 8") << Add << 1 << sums({9, 8}) << "9 + 8 =?:17" << "7 1    ";
        QTest::newRow("1 + 0, no tens") << Add << 1 << sums({1, 0}) << "1 + 0 =?:1" << "1     ";
        QTest::newRow("carries in every column") << Add << 2 << sums({7, 8, 4, 5, 9, 9})
                                                 << "7 + 8 =?:15|1 + 4 + 5 = ?:10|1 + 9 + 9 = ?:19" << "5 0 9 1 1 1";
        QTest::newRow("zero carries") << Add << 2 << sums({4, 5, 3, 2, 1, 1})
                                      << "4 + 5 =?:9|0 + 3 + 2 = ?:5|0 + 1 + 1 = ?:2" << "9 5 2  0 0";
        QTest::newRow("9 - 9") << Sub << 1 << QList<double>{digit(9), Tail} << "9 - 9 =?:0" << "0     ";
        QTest::newRow("ones drawn again") << Sub << 1 << QList<double>{digit(1), lower(5), lower(3), lower(1), Tail}
                                          << "1 - 1 =?:0" << "0     ";
        QTest::newRow("hundreds of one force 0 below")
            << Sub << 2 << QList<double>{digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail}
            << "5 - 2 =?:3|3 - 3 = ?:0|1 - 0 = ?:1" << "3 0 1   ";
        QTest::newRow("tens borrow from the hundreds") << Sub << 2 << borrowing << "5 - 2 =?:3|13 - 7 = ?:6|4 - 2 = ?:2"
                                                       << "3 6 2  13 4";
        // An equal lower tens digit needs no borrow either.
        QTest::newRow("475 - 132, no borrow")
            << Sub << 2 << QList<double>{digit(5), lower(2), digit(7), digit(7), digit(4), lower(1), Tail}
            << "5 - 2 =?:3|7 - 7 = ?:0|4 - 1 = ?:3" << "3 0 3   ";
        QTest::newRow("hundreds difference 0 after a borrow")
            << Sub << 2 << QList<double>{digit(5), lower(4), digit(3), digit(7), digit(5), lower(4), Tail}
            << "5 - 4 =?:1|13 - 7 = ?:6|4 - 4 = ?:0" << "1 6 0  13 4";
    }
    void walksTheColumns()
    {
        QFETCH(QString, window);
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QString, steps);
        QFETCH(QString, working);
        score(window) = 7;
        open(window, level, draws);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(box->random->position, draws.size() + 2); // the right option and one draw per wrong choice
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 7"));
        walk(steps);
        QCOMPARE(texts({"Y1", "Y2", "Y3", "Y4", "C1", "C2"}).join(QLatin1Char(' ')), working);
        QCOMPARE(text(window == Add ? "Label_Carry" : "Label_Borrow"), QString());
        // The borrow marks stay until the next problem.
        const bool borrowed = window == Sub && !text("C1").isEmpty();
        if (window == Sub)
            QVERIFY(shown("Line4") == borrowed && shown("Line5") == borrowed);
        QCOMPARE(score(window), qint16(7 + level));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  %1").arg(7 + level));
    }

    // The first column and the second, each read aloud and lit up in turn,
    // with the carry or borrow named between them.
    void narrationAndHighlightFollowTheColumn_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("second");
        QTest::newRow("addition") << Add << sums({7, 8, 4, 5, 9, 9}) << "7 plus 8 equals:15" << "Carry the 1"
                                  << "1 plus 4 plus 5 equals";
        QTest::newRow("addition, no carry") << Add << sums({4, 5, 3, 2, 1, 1}) << "4 plus 5 equals:9" << ""
                                            << "0 plus 3 plus 2 equals";
        QTest::newRow("subtraction") << Sub << borrowing << "5 minus 2 equals:3" << "Borrow 1 from 5"
                                     << "13 minus 7 equals";
    }
    void narrationAndHighlightFollowTheColumn()
    {
        QFETCH(QString, window);
        QFETCH(QList<double>, draws);
        QFETCH(QString, first);
        QFETCH(QString, hint);
        QFETCH(QString, second);
        session().SoundOn = 1;
        open(window, 2, draws);
        QCOMPARE(colour("A1"), qbColor(Yellow));
        QCOMPARE(narration(), first.section(QLatin1Char(':'), 0, 0));
        QVERIFY(answer(form, first.section(QLatin1Char(':'), 1).toInt()));
        QCOMPARE(text(window == Add ? "Label_Carry" : "Label_Borrow"), hint);
        QCOMPARE(colour("A1"), qbColor(White));
        QCOMPARE(colour("C1"), qbColor(Yellow)); // the carry, or the borrowed tens
        QCOMPARE(narration(), second);
    }

    void sunsCountTheColumnAndAreWipedAfterAnAnswer_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("before"); // right answers before the column
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("suns");  // x,y,colour of the drawing
        QTest::addColumn<QString>("wiped"); // after a wrong answer
        const QString count = QStringLiteral("Count the suns to find the answer.");
        QTest::newRow("7 + 8, no carry") << Add << sums({7, 8, 2, 3, 1, 1}) << QList<int>{} << count
                                         << "37,73,0 37,55,14 79,55,14 86,55,0 37,25,14 86,25,14 93,25,0"
                                         << "37,55,0 86,25,0";
        QTest::newRow("carry + 2 + 3") << Add << sums({7, 8, 2, 3, 1, 1}) << QList<int>{15} << count
                                       << "37,73,14 44,73,0 44,55,14 51,55,0 51,25,14 58,25,0" << "37,73,0 51,25,0";
        // 13 suns, ten in a row and three below; the first seven are taken
        // away (magenta), matching seven magenta suns below.
        QTest::newRow("13 - 7") << Sub << borrowing << QList<int>{3} << "Count the yellow suns to find the answer."
                                << "32,55,13 74,55,13 32,25,13 74,25,13 81,55,14 95,55,14 81,25,0 32,45,14 46,45,14 53,45,0"
                                << "32,45,0 95,55,0 32,55,0";
    }
    void sunsCountTheColumnAndAreWipedAfterAnAnswer()
    {
        QFETCH(QString, window);
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, before);
        QFETCH(QString, caption);
        QFETCH(QString, suns);
        QFETCH(QString, wiped);
        open(window, 2, draws);
        for (const int a : before) {
            QVERIFY(answer(form, a));
            fire("Timer4");
        }
        fire("Timer3");
        QVERIFY(shown("SunLabel"));
        QCOMPARE(text("SunLabel"), caption);
        QCOMPARE(undrawn(suns), QString());
        QVERIFY(answer(form, -1, false));
        fire("Timer4");
        QCOMPARE(undrawn(wiped), QString());
        QVERIFY(!shown("SunLabel"));
    }

    void anotherProblemStartsAfreshAndReturnKeepsTheScore_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<double>>("next");
        QTest::addColumn<QString>("steps");
        QTest::newRow("addition") << Add << sums({9, 8, 1, 1, 1, 1}) << sums({2, 3, 1, 1, 1, 1})
                                  << "9 + 8 =?:17|1 + 1 + 1 = ?:3|0 + 1 + 1 = ?:2|2 + 3 =?:5";
        QTest::newRow("subtraction") << Sub << borrowing
                                     << QList<double>{digit(4), lower(4), digit(2), digit(2), digit(2), lower(1), Tail}
                                     << "5 - 2 =?:3|13 - 7 = ?:6|4 - 2 = ?:2|4 - 4 =?:0";
    }
    void anotherProblemStartsAfreshAndReturnKeepsTheScore()
    {
        QFETCH(QString, window);
        QFETCH(QList<double>, draws);
        QFETCH(QList<double>, next);
        QFETCH(QString, steps);
        open(window, 2, draws);
        fire("Timer3");
        walk(steps.section(QLatin1Char('|'), 0, 2));
        script(next);
        clickOn("CommandAgain");
        QCOMPARE(box->random->reseeds, 2);
        QVERIFY(shown("QuestionLabel") && shown("Option1(3)") && !shown("SunLabel") && drawn(37, 55, Black));
        QCOMPARE(texts({"LabelWrong", "Y1", "Y2", "Y3", "Y4", "C1", "C2"}), QStringList(7, QString()));
        if (window == Sub)
            QVERIFY(!shown("Line4") && !shown("Line5"));
        walk(steps.section(QLatin1Char('|'), 3));
        clickOn("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(window));
        QCOMPARE(score(window), qint16(2));
    }
};

QTEST_MAIN(TestColumnDrills)
#include "tst_column_drills.moc"
