// SPDX-License-Identifier: GPL-3.0-or-later
// The division drill walked through both step tables: the question texts
// letter for letter, the bring-down, the working, the remainder line and the
// score; and a four-digit wrong choice spoken with the recordings there are.
#include "DrillTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

#include <QDir>

using namespace kt;
using namespace kt::test;

class TestDivision : public QObject, public DrillFixture {
    Q_OBJECT

    // Draws in order: D1, N1 (again while below D1), N2, N3, D2.
    void open(int level, const QList<int>& digits)
    {
        session().DivLevel = qint16(level);
        QList<double> draws;
        for (const int d : digits)
            draws << digit(d);
        openOn(windows::Division, draws << Tail);
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
        QTest::addColumn<QStringList>("working"); // A1-A3 N1-N3 X1 X2 Y1-Y3 Z1-Z3 R1-R3, joined row by row
        QTest::addColumn<QString>("remainder");
        QTest::newRow("3 into 8") << 1 << QList<int>{3, 8}
                                  << QStringList{"3 goes into 8 how many times?", "2 X 3 = ?", "8 - 6 = ?"}
                                  << QList<int>{2, 6, 2} << QStringList{"2", "8", "6", "2", "", ""}
                                  << "Remainder = 2";
        QTest::newRow("5 into 5, drawn again") << 1 << QList<int>{5, 3, 5}
                                               << QStringList{"5 goes into 5 how many times?", "1 X 5 = ?",
                                                              "5 - 5 = ?"}
                                               << QList<int>{1, 5, 0} << QStringList{"1", "5", "5", "0", "", ""}
                                               << "Remainder = 0";
        QTest::newRow("4 into 93") << 2 << QList<int>{4, 9, 3}
                                   << QStringList{"4 goes into 9 how many times?", "2 X 4 = ?", "9 - 8 = ?",
                                                  "4 goes into 13 how many times ?", "3 X 4 = ?", " 13 -  12 = ?"}
                                   << QList<int>{2, 8, 1, 3, 12, 1} << QStringList{"23", "93", "8", "13", "12", "01"}
                                   << "Remainder =  1";
        QTest::newRow("4 into 87, difference 0") << 2 << QList<int>{4, 8, 7}
                                                 << QStringList{"4 goes into 8 how many times?", "2 X 4 = ?",
                                                                "8 - 8 = ?", "4 goes into 7 how many times ?",
                                                                "1 X 4 = ?", " 7 -  4 = ?"}
                                                 << QList<int>{2, 8, 0, 1, 4, 3}
                                                 << QStringList{"21", "87", "8", "07", "04", "03"}
                                                 << "Remainder =  3";
        QTest::newRow("38 into 345, quotient digit 0")
            << 3 << QList<int>{3, 3, 4, 5, 8}
            << QStringList{"38 goes into 34 how many times?", "0 X 38 = ?", "34 - 0 = ?",
                           "38 goes into 345 how many times ?", "9 X 38 = ?", "345 - 342 = ?"}
            << QList<int>{0, 0, 34, 9, 342, 3} << QStringList{"009", "345", "00", "345", "342", "003"}
            << "Remainder =  3";
    }
    void walksTheStepTable()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, digits);
        QFETCH(QStringList, questions);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, working);
        QFETCH(QString, remainder);
        session().DivScore = 2;
        open(level, digits);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 2"));
        for (qsizetype i = 0; i < questions.size(); ++i) {
            QCOMPARE(text("QuestionLabel"), questions[i]);
            QCOMPARE(text("Label_R"), QString());
            QVERIFY(answer(form, answers[i]));
        }
        const QStringList rows{texts({"A1", "A2", "A3"}).join(QString()), texts({"N1", "N2", "N3"}).join(QString()),
                               texts({"X1", "X2"}).join(QString()), texts({"Y1", "Y2", "Y3"}).join(QString()),
                               texts({"Z1", "Z2", "Z3"}).join(QString()), texts({"R1", "R2", "R3"}).join(QString())};
        QCOMPARE(rows, working);
        QCOMPARE(text("Label_R"), remainder);
        QCOMPARE(int(session().DivScore), 2 + level);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  %1").arg(2 + level));
        QVERIFY(shown("Line3") && (level == 1) != shown("Line4"));
        QCOMPARE(shown("Line5"), level == 2);
        QCOMPARE(shown("Line8"), level == 3);
    }

    void narrationAndHighlightFollowTheQuestion()
    {
        session().SoundOn = 1;
        open(2, {4, 9, 3});
        QCOMPARE(narration(), QStringLiteral("4 goes 9 how"));
        QVERIFY(answer(form, 2));
        // The divisor stays yellow into the next question; the dividend goes white.
        QVERIFY(colour("D1") == qbColor(Yellow) && colour("A1") == qbColor(Yellow) && colour("N1") == qbColor(White));
        for (const int a : {8, 1})
            QVERIFY(answer(form, a));
        QCOMPARE(narration(), QStringLiteral("4 goes 13 how"));
        for (const int a : {3, 12})
            QVERIFY(answer(form, a));
        QCOMPARE(narration(), QStringLiteral("13 minus 12 equals"));
    }

    void aFourDigitWrongChoiceIsSpokenDigitByDigit()
    {
        session().SoundOn = 1;
        open(3, {9, 9, 7, 5, 8}); // 975 divided by 98
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

    void anotherProblemStartsAtTheLevelsFirstStep()
    {
        open(3, {3, 3, 4, 5, 8});
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

QTEST_MAIN(TestDivision)
#include "tst_division.moc"
