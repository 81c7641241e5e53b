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
bool isAddition(const QString& window) { return window == windows::Addition; }
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
const QList<double> borrow535minus272{digit(5), lower(2), digit(3), digit(7), digit(5), lower(6), lower(2), Tail};
} // namespace

class TestColumnDrills : public QObject, public DrillFixture {
    Q_OBJECT

    void open(const QString& window, int level, const QList<double>& draws)
    {
        (isAddition(window) ? session().AddLevel : session().SubLevel) = qint16(level);
        openOn(window, draws);
        QVERIFY(form);
    }
    qint16& score(const QString& window) { return isAddition(window) ? session().AddScore : session().SubScore; }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void walksTheColumns_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("hint");    // Label_Carry / Label_Borrow after the first answer
        QTest::addColumn<QString>("working"); // Y1 Y2 Y3 Y4 C1 C2 after the last answer
        const QString add = windows::Addition, sub = windows::Subtraction;
        QTest::newRow("9 + 8") << add << 1 << sums({9, 8}) << QStringList{"9 + 8 =?"} << QList<int>{17} << ""
                               << "7 1    ";
        QTest::newRow("1 + 0, no tens") << add << 1 << sums({1, 0}) << QStringList{"1 + 0 =?"} << QList<int>{1} << ""
                                        << "1     ";
        QTest::newRow("carries in every column")
            << add << 2 << sums({7, 8, 4, 5, 9, 9}) << QStringList{"7 + 8 =?", "1 + 4 + 5 = ?", "1 + 9 + 9 = ?"}
            << QList<int>{15, 10, 19} << "Carry the 1" << "5 0 9 1 1 1";
        QTest::newRow("zero carries") << add << 2 << sums({4, 5, 3, 2, 1, 1})
                                      << QStringList{"4 + 5 =?", "0 + 3 + 2 = ?", "0 + 1 + 1 = ?"}
                                      << QList<int>{9, 5, 2} << "" << "9 5 2  0 0";
        QTest::newRow("9 - 9") << sub << 1 << QList<double>{digit(9), Tail} << QStringList{"9 - 9 =?"}
                               << QList<int>{0} << "" << "0     ";
        QTest::newRow("ones drawn again") << sub << 1 << QList<double>{digit(1), lower(5), lower(3), lower(1), Tail}
                                          << QStringList{"1 - 1 =?"} << QList<int>{0} << "" << "0     ";
        QTest::newRow("hundreds of one force 0 below")
            << sub << 2 << QList<double>{digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail}
            << QStringList{"5 - 2 =?", "3 - 3 = ?", "1 - 0 = ?"} << QList<int>{3, 0, 1} << "" << "3 0 1   ";
        // The hundreds draw 6 is not below 5 and is drawn again.
        QTest::newRow("tens borrow from the hundreds")
            << sub << 2 << borrow535minus272 << QStringList{"5 - 2 =?", "13 - 7 = ?", "4 - 2 = ?"}
            << QList<int>{3, 6, 2} << "Borrow 1 from 5" << "3 6 2  13 4";
        // An equal lower tens digit needs no borrow either.
        QTest::newRow("475 - 132, no borrow")
            << sub << 2 << QList<double>{digit(5), lower(2), digit(7), digit(7), digit(4), lower(1), Tail}
            << QStringList{"5 - 2 =?", "7 - 7 = ?", "4 - 1 = ?"} << QList<int>{3, 0, 3} << "" << "3 0 3   ";
        QTest::newRow("hundreds difference 0 after a borrow")
            << sub << 2 << QList<double>{digit(5), lower(4), digit(3), digit(7), digit(5), lower(4), Tail}
            << QStringList{"5 - 4 =?", "13 - 7 = ?", "4 - 4 = ?"} << QList<int>{1, 6, 0} << "Borrow 1 from 5"
            << "1 6 0  13 4";
    }
    void walksTheColumns()
    {
        QFETCH(QString, window);
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, questions);
        QFETCH(QList<int>, answers);
        QFETCH(QString, hint);
        QFETCH(QString, working);
        score(window) = 7;
        open(window, level, draws);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(box->random->position, draws.size() + 2); // the right option and one draw per wrong choice
        const char* hintLabel = isAddition(window) ? "Label_Carry" : "Label_Borrow";
        for (qsizetype i = 0; i < questions.size(); ++i) {
            QCOMPARE(text("QuestionLabel"), questions[i]);
            QVERIFY(answer(form, answers[i]));
            if (i == 0 && level == 2)
                QCOMPARE(text(hintLabel), hint);
        }
        QCOMPARE(texts({"Y1", "Y2", "Y3", "Y4", "C1", "C2"}).join(QLatin1Char(' ')), working);
        QCOMPARE(text(hintLabel), QString());
        // The borrow marks stay until the next problem.
        if (!isAddition(window))
            QVERIFY(shown("Line4") == hint.startsWith("Borrow") && shown("Line5") == hint.startsWith("Borrow"));
        QCOMPARE(score(window), qint16(7 + level));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  %1").arg(7 + level));
    }

    void narrationAndHighlightFollowTheColumn_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("firstSpoken");
        QTest::addColumn<int>("firstAnswer");
        QTest::addColumn<QString>("nextSpoken");
        QTest::newRow("addition") << windows::Addition << sums({7, 8, 4, 5, 9, 9}) << "7 plus 8 equals" << 15
                                  << "1 plus 4 plus 5 equals";
        QTest::newRow("subtraction") << windows::Subtraction << borrow535minus272 << "5 minus 2 equals" << 3
                                     << "13 minus 7 equals";
    }
    void narrationAndHighlightFollowTheColumn()
    {
        QFETCH(QString, window);
        QFETCH(QList<double>, draws);
        QFETCH(QString, firstSpoken);
        QFETCH(int, firstAnswer);
        QFETCH(QString, nextSpoken);
        session().SoundOn = 1;
        open(window, 2, draws);
        QCOMPARE(colour("A1"), qbColor(Yellow));
        QCOMPARE(narration(), firstSpoken);
        QVERIFY(answer(form, firstAnswer));
        QCOMPARE(colour("A1"), qbColor(White));
        QCOMPARE(colour("C1"), qbColor(Yellow)); // the carry, or the borrowed tens
        QCOMPARE(narration(), nextSpoken);
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
        QTest::newRow("7 + 8, no carry") << windows::Addition << sums({7, 8, 2, 3, 1, 1}) << QList<int>{} << count
                                         << "37,73,0 37,55,14 79,55,14 86,55,0 37,25,14 86,25,14 93,25,0"
                                         << "37,55,0 86,25,0";
        QTest::newRow("carry + 2 + 3") << windows::Addition << sums({7, 8, 2, 3, 1, 1}) << QList<int>{15} << count
                                       << "37,73,14 44,73,0 44,55,14 51,55,0 51,25,14 58,25,0" << "37,73,0 51,25,0";
        // 13 suns, ten in a row and three below; the first seven are taken
        // away (magenta), matching seven magenta suns below.
        QTest::newRow("13 - 7") << windows::Subtraction << borrow535minus272 << QList<int>{3}
                                << "Count the yellow suns to find the answer."
                                << "32,55,13 74,55,13 32,25,13 74,25,13 81,55,14 95,55,14 81,25,0 "
                                   "32,45,14 46,45,14 53,45,0"
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
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<double>>("next");
        QTest::addColumn<QString>("question");
        QTest::newRow("addition") << windows::Addition << sums({9, 8, 1, 1, 1, 1}) << QList<int>{17, 3, 2}
                                  << sums({2, 3, 1, 1, 1, 1}) << "2 + 3 =?";
        QTest::newRow("subtraction") << windows::Subtraction << borrow535minus272 << QList<int>{3, 6, 2}
                                     << QList<double>{digit(4), lower(4), digit(2), digit(2), digit(2), lower(1), Tail}
                                     << "4 - 4 =?";
    }
    void anotherProblemStartsAfreshAndReturnKeepsTheScore()
    {
        QFETCH(QString, window);
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, answers);
        QFETCH(QList<double>, next);
        QFETCH(QString, question);
        open(window, 2, draws);
        fire("Timer3");
        for (const int a : answers)
            QVERIFY(answer(form, a));
        script(next);
        clickOn("CommandAgain");
        QCOMPARE(box->random->reseeds, 2);
        QVERIFY(shown("QuestionLabel") && shown("Option1(3)") && !shown("SunLabel") && drawn(37, 55, Black));
        QCOMPARE(texts({"LabelWrong", "Y1", "Y2", "Y3", "Y4", "C1", "C2"}), QStringList(7, QString()));
        if (!isAddition(window))
            QVERIFY(!shown("Line4") && !shown("Line5"));
        QCOMPARE(text("QuestionLabel"), question);
        clickOn("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(window));
        QCOMPARE(score(window), qint16(2));
    }
};

QTEST_MAIN(TestColumnDrills)
#include "tst_column_drills.moc"
