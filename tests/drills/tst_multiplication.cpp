// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication drill walked through its step table at every level: the
// questions, the digits written into the working, the placeholder zero and
// the zero-fill of level 4, the narration, the level-1 suns and the score.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

namespace {
// The draw that makes Int((r + 0.05) * 9) come out as d (level 1 factors).
double levelOneDigit(int d) { return (d + 0.5) / 9 - 0.05; }
} // namespace

class TestMultiplication : public QObject, public DrillFixture {
    Q_OBJECT

    // Factor digits in drawing order: NUM11, NUM21, NUM12, NUM13, NUM22.
    void open(int level, const QList<int>& digits)
    {
        session().MulLevel = qint16(level);
        QList<double> draws;
        for (const int d : digits)
            draws << (level == 1 ? levelOneDigit(d) : digit(d));
        openOn(windows::Multiplication, draws << Tail);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void walksTheStepTable_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("working");    // every filled cell after the last answer
        QTest::addColumn<QString>("lastSpoken"); // the narration of the last question
        QTest::newRow("7 x 8") << 1 << QList<int>{7, 8} << QStringList{"What is 7 x 8 = ?"} << QList<int>{56}
                               << "num32=5 num31=6" << "7 times 8 equals";
        QTest::newRow("45 x 7") << 2 << QList<int>{5, 7, 4}
                                << QStringList{"What is 5 x 7 = ?", "What is 4 x 7 + 3 = ?"} << QList<int>{35, 31}
                                << "Carry1=3 num33=3 num32=1 num31=5" << "4 times 7 plus 3 equals";
        QTest::newRow("321 x 4, carry 0")
            << 3 << QList<int>{1, 4, 2, 3}
            << QStringList{"What is 1 x 4 = ?", "What is 2 x 4 + 0 = ?", "What is 3 x 4 + 0 = ?"}
            << QList<int>{4, 8, 12} << "Carry1=0 Carry2=0 num34=1 num33=2 num32=8 num31=4" << "3 times 4 plus 0 equals";
        QTest::newRow("23 x 45") << 4 << QList<int>{3, 5, 2, 4}
                                 << QStringList{"What is 3 x 5 = ?", "What is 2 x 5 + 1 = ?", "What is 3 x 4 = ?",
                                                "What is 2 x 4 + 1 = ?", "What is 5 + 0 = ?",
                                                "What is 0 + 1 + 2 = ?", "What is 0 + 1 + 9 = ?",
                                                "What is 1 + 0 + 0 = ?"}
                                 << QList<int>{15, 11, 12, 9, 5, 3, 10, 1}
                                 << "Carry1=1 carry4=0 carry5=0 carry6=1 num34=0 num33=1 num32=1 num31=5 num44=0 "
                                    "num43=9 num42=2 num41=0 num54=1 num53=0 num52=3 num51=5"
                                 << "1 plus 0 plus 0 equals";
    }
    void walksTheStepTable()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, digits);
        QFETCH(QStringList, questions);
        QFETCH(QList<int>, answers);
        QFETCH(QString, working);
        QFETCH(QString, lastSpoken);
        session().SoundOn = 1;
        session().MulScore = 5;
        open(level, digits);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 5"));
        QString spoken;
        for (qsizetype i = 0; i < questions.size(); ++i) {
            QCOMPARE(text("QuestionLabel"), questions[i]);
            spoken = narration();
            QCOMPARE(shown("Line6"), level == 4 && i >= 4); // the rule over the sum, from the column sums on
            QVERIFY(answer(form, answers[i]));
        }
        QCOMPARE(spoken, lastSpoken);
        QStringList filled;
        for (const char* cell : {"Carry1", "Carry2", "carry3", "carry4", "carry5", "carry6", "num34", "num33", "num32",
                                 "num31", "num44", "num43", "num42", "num41", "num55", "num54", "num53", "num52",
                                 "num51"})
            if (!text(cell).isEmpty())
                filled << QString::fromLatin1(cell) + QLatin1Char('=') + text(cell);
        QCOMPARE(filled.join(QLatin1Char(' ')), working);
        QCOMPARE(int(session().MulScore), 5 + level);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = %1").arg(5 + level)); // no second blank
    }

    void levelOneSunsAppearAfterTheQuestionAndGoAfterTheFirstAnswer()
    {
        open(1, {3, 2});
        QVERIFY(!shown("LabelLemon"));
        fire("Timer3");
        QVERIFY(shown("LabelLemon"));
        // Three columns of two suns: x = 37, 44, 51; y = 2, -6.
        QVERIFY(drawn(37, 2, Yellow) && drawn(51, -6, Yellow));
        QVERIFY(drawn(58, 2, Black) && drawn(37, -14, Black));
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

};

QTEST_MAIN(TestMultiplication)
#include "tst_multiplication.moc"
