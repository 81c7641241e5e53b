// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication and division drills walked through their step tables at
// every level: the questions letter for letter, the digits written into the
// working, the placeholder zero, zero-fill and bring-down, the narration, the
// level-1 suns, the remainder and the score.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

#include <QDir>

using namespace kt;
using namespace kt::test;

namespace {
const QString Mul = windows::Multiplication, Div = windows::Division;
// The draw that makes Int((r + 0.05) * 9) come out as d (level 1 factors).
double levelOneDigit(int d) { return (d + 0.5) / 9 - 0.05; }
} // namespace

class TestStepDrills : public QObject, public DrillFixture {
    Q_OBJECT

    // Multiplication draws NUM11, NUM21, NUM12, NUM13, NUM22; division D1,
    // N1 (again while below D1), N2, N3, D2.
    void open(const QString& window, int level, const QList<int>& digits)
    {
        (window == Mul ? session().MulLevel : session().DivLevel) = qint16(level);
        QList<double> draws;
        for (const int d : digits)
            draws << (window == Mul && level == 1 ? levelOneDigit(d) : digit(d));
        openOn(window, draws << Tail);
        QVERIFY(form);
    }
    qint16& score(const QString& window) { return window == Mul ? session().MulScore : session().DivScore; }
    // Every filled cell of the working, as name=digit.
    QString working(const QString& window) const
    {
        const QStringList cells = QString::fromLatin1(
            window == Mul ? "Carry1 Carry2 carry3 carry4 carry5 carry6 num34 num33 num32 num31 num44 num43 "
                                       "num42 num41 num55 num54 num53 num52 num51"
                                     : "A1 A2 A3 N1 N2 N3 X1 X2 Y1 Y2 Y3 Z1 Z2 Z3 R1 R2 R3").split(QLatin1Char(' '));
        QStringList filled;
        for (const QString& cell : cells)
            if (const QString digit = control<QLabel>(form, cell)->text(); !digit.isEmpty())
                filled << cell + QLatin1Char('=') + digit;
        return filled.join(QLatin1Char(' '));
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void walksTheStepTable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("working");
        QTest::addColumn<QString>("result"); // Label_R of division
        QTest::addColumn<QString>("spoken"); // the narration of the first and the last question
        QTest::newRow("7 x 8") << Mul << 1 << QList<int>{7, 8} << "What is 7 x 8 = ?:56" << "num32=5 num31=6" << "" << "7 times 8 equals";
        QTest::newRow("45 x 7") << Mul << 2 << QList<int>{5, 7, 4} << "What is 5 x 7 = ?:35|What is 4 x 7 + 3 = ?:31"
                                << "Carry1=3 num33=3 num32=1 num31=5" << "" << "5 times 7 equals / 4 times 7 plus 3 equals";
        QTest::newRow("321 x 4, carry 0")
            << Mul << 3 << QList<int>{1, 4, 2, 3} << "What is 1 x 4 = ?:4|What is 2 x 4 + 0 = ?:8|What is 3 x 4 + 0 = ?:12"
            << "Carry1=0 Carry2=0 num34=1 num33=2 num32=8 num31=4" << "" << "1 times 4 equals / 3 times 4 plus 0 equals";
        QTest::newRow("23 x 45") << Mul << 4 << QList<int>{3, 5, 2, 4}
                                 << "What is 3 x 5 = ?:15|What is 2 x 5 + 1 = ?:11|What is 3 x 4 = ?:12|"
                                    "What is 2 x 4 + 1 = ?:9|What is 5 + 0 = ?:5|What is 0 + 1 + 2 = ?:3|"
                                    "What is 0 + 1 + 9 = ?:10|What is 1 + 0 + 0 = ?:1"
                                 << "Carry1=1 carry4=0 carry5=0 carry6=1 num34=0 num33=1 num32=1 num31=5 num44=0 "
                                    "num43=9 num42=2 num41=0 num54=1 num53=0 num52=3 num51=5"
                                 << "" << "3 times 5 equals / 1 plus 0 plus 0 equals";
        QTest::newRow("3 into 8") << Div << 1 << QList<int>{3, 8}
                                  << "3 goes into 8 how many times?:2|2 X 3 = ?:6|8 - 6 = ?:2" << "A1=2 N1=8 X1=6 Y1=2"
                                  << "Remainder = 2" << "3 goes 8 how / 8 minus 6 equals";
        QTest::newRow("5 into 5, drawn again") << Div << 1 << QList<int>{5, 3, 5}
                                               << "5 goes into 5 how many times?:1|1 X 5 = ?:5|5 - 5 = ?:0"
                                               << "A1=1 N1=5 X1=5 Y1=0" << "Remainder = 0" << "5 goes 5 how / 5 minus 5 equals";
        QTest::newRow("4 into 93") << Div << 2 << QList<int>{4, 9, 3}
                                   << "4 goes into 9 how many times?:2|2 X 4 = ?:8|9 - 8 = ?:1|"
                                      "4 goes into 13 how many times ?:3|3 X 4 = ?:12| 13 -  12 = ?:1"
                                   << "A1=2 A2=3 N1=9 N2=3 X1=8 Y1=1 Y2=3 Z1=1 Z2=2 R1=0 R2=1" << "Remainder =  1" << "4 goes 9 how / 13 minus 12 equals";
        QTest::newRow("4 into 87, difference 0") << Div << 2 << QList<int>{4, 8, 7}
                                                 << "4 goes into 8 how many times?:2|2 X 4 = ?:8|8 - 8 = ?:0|"
                                                    "4 goes into 7 how many times ?:1|1 X 4 = ?:4| 7 -  4 = ?:3"
                                                 << "A1=2 A2=1 N1=8 N2=7 X1=8 Y1=0 Y2=7 Z1=0 Z2=4 R1=0 R2=3"
                                                 << "Remainder =  3" << "4 goes 8 how / 7 minus 4 equals";
        QTest::newRow("38 into 345, quotient digit 0")
            << Div << 3 << QList<int>{3, 3, 4, 5, 8}
            << "38 goes into 34 how many times?:0|0 X 38 = ?:0|34 - 0 = ?:34|38 goes into 345 how many times ?:9|"
               "9 X 38 = ?:342|345 - 342 = ?:3"
            << "A1=0 A2=0 A3=9 N1=3 N2=4 N3=5 X1=0 X2=0 Y1=3 Y2=4 Y3=5 Z1=3 Z2=4 Z3=2 R1=0 R2=0 R3=3"
            << "Remainder =  3" << "30 8 goes 30 4 how / 300 40 5 minus 300 40 2 equals";
    }
    void walksTheStepTable()
    {
        QFETCH(QString, window);
        QFETCH(int, level);
        QFETCH(QList<int>, digits);
        QFETCH(QString, steps);
        QFETCH(QString, working);
        QFETCH(QString, result);
        QFETCH(QString, spoken);
        session().SoundOn = 1;
        const bool mul = window == Mul;
        score(window) = 5;
        open(window, level, digits);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 5"));
        QStringList heard;
        walk(steps, [&](int i) {
            if (i == 0 || i == steps.count(QLatin1Char('|')))
                heard << narration();
            if (mul)
                QCOMPARE(shown("Line6"), level == 4 && i >= 4); // the rule over the sum, from the column sums on
            else
                QCOMPARE(text("Label_R"), QString());
        });
        QCOMPARE(heard.join(QStringLiteral(" / ")), spoken);
        QCOMPARE(this->working(window), working);
        QCOMPARE(int(score(window)), 5 + level);
        // The multiplication score has no second blank.
        QCOMPARE(text("LabelScore"), (mul ? QStringLiteral("Score = %1") : QStringLiteral("Score =  %1")).arg(5 + level));
        if (mul)
            return;
        QCOMPARE(text("Label_R"), result);
        QVERIFY(shown("Line3") && (level == 1) != shown("Line4"));
        QCOMPARE(shown("Line5"), level == 2); // the bring-down arrows
        QCOMPARE(shown("Line8"), level == 3);
    }

    void divisorStaysYellowIntoTheNextQuestion()
    {
        open(Div, 2, {4, 9, 3});
        QVERIFY(answer(form, 2));
        QVERIFY(colour("D1") == qbColor(Yellow) && colour("A1") == qbColor(Yellow) && colour("N1") == qbColor(White));
    }

    void levelOneSunsAppearAfterTheQuestionAndGoAfterTheFirstAnswer()
    {
        open(Mul, 1, {3, 2});
        QVERIFY(!shown("LabelLemon"));
        fire("Timer3");
        QVERIFY(shown("LabelLemon"));
        // Three columns of two suns: x = 37, 44, 51; y = 2, -6.
        QCOMPARE(undrawn("37,2,14 51,-6,14 58,2,0 37,-14,0"), QString());
        QVERIFY(answer(form, 6, false));
        fire("Timer4");
        QVERIFY(!shown("LabelLemon") && drawn(37, 2, Black) && drawn(51, -6, Black));
        QVERIFY(answer(form, 6));

        script({levelOneDigit(0), levelOneDigit(6), Tail});
        clickOn("CommandAnother");
        QCOMPARE(texts({"QuestionLabel", "LabelWrong", "num31", "num32"}),
                 (QStringList{"What is 0 x 6 = ?", "", "", ""}));
        QVERIFY(shown("Option1(2)") && shown("Line2"));
        fire("Timer3");
        QVERIFY(drawn(37, 2, Black) && shown("LabelLemon")); // an empty grid for a 0 factor
    }

    void aFourDigitWrongChoiceIsSpokenDigitByDigit()
    {
        session().SoundOn = 1;
        open(Div, 3, {9, 9, 7, 5, 8}); // 975 divided by 98
        for (const int a : {0, 0, 97, 9})
            QVERIFY(answer(form, a));
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 X 98 = ?"));
        // Wrong choices reach almost one and a half times 882.
        QCOMPARE(option(form, 1)->text(), QStringLiteral("1322"));
        QCOMPARE(narration(), QStringLiteral("9 times 90 8 equals"));
        box->player->played.clear();
        doubleClick(option(form, 1));
        QCOMPARE(box->player->played, (QStringList{"1.WAV", "3.WAV", "2.WAV", "2.WAV", "tryagn2.wav"}));
        QStringList media;
        for (const QString& name : QDir(qEnvironmentVariable("KITE_MEDIA_DIR")).entryList(QDir::Files))
            media << name.toLower();
        for (const QString& played : std::as_const(box->player->played))
            QVERIFY2(media.contains(played.toLower()), qPrintable(played));
        QCOMPARE(text("LabelWrong"), QStringLiteral("Wrong"));
    }

    void anotherDivisionStartsAtTheLevelsFirstStep()
    {
        open(Div, 3, {3, 3, 4, 5, 8});
        for (const int a : {0, 0, 34, 9, 342, 3})
            QVERIFY(answer(form, a));
        script({digit(2), digit(5), digit(6), digit(7), digit(1), Tail});
        clickOn("CommandAgain");
        QCOMPARE(texts({"QuestionLabel", "Label_R", "LabelWrong", "A1", "R3"}),
                 (QStringList{"21 goes into 56 how many times?", "", "", "", ""}));
        QVERIFY(shown("Option1(3)") && shown("Line12") && !shown("Line3") && !shown("Line8"));
        QVERIFY(answer(form, 2));
        QCOMPARE(texts({"A1", "A2", "QuestionLabel"}), (QStringList{"0", "2", "2 X 21 = ?"}));
    }
};

QTEST_MAIN(TestStepDrills)
#include "tst_step_drills.moc"
