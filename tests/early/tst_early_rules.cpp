// SPDX-License-Identifier: GPL-3.0-or-later
// The early-learning rules that need no window: the three letters of an
// alphabet question, clock times, phrases and hands, and the sentence
// builder's lists, dots and recordings.
#include "early/ClockFace.h"
#include "early/LetterChoice.h"
#include "early/SentenceRules.h"

#include <QTest>

using namespace kt;

namespace {
// Returns the values in order, then the last one again, counting the draws.
struct Draws {
    QList<double> values;
    int used = 0;
    double operator()() { return values.at(qMin(used++, int(values.size()) - 1)); }
};
double pick(int result, int n) { return (result + 0.5) / n; } // Int(n r) = result
double letter(char c) { return (c - 97) / 25.0; }              // the small letter c
} // namespace

class TestEarlyRules : public QObject {
    Q_OBJECT
private slots:
    void threeLetters_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("letters"); // capital, then buttons 1..3
        QTest::addColumn<int>("draws");
        QTest::newRow("right at 1: 2 then 3") << 1 << QList{pick(0, 3), letter('q'), letter('d')} << "Aaqd" << 3;
        QTest::newRow("right at 2: 3 then 1") << 2 << QList{pick(1, 3), letter('q'), letter('d')} << "Bdbq" << 3;
        QTest::newRow("right at 3: 1 then 2") << 26 << QList{pick(2, 3), letter('q'), letter('d')} << "Zqdz" << 3;
        QTest::newRow("right letter drawn again")
            << 3 << QList{pick(0, 3), letter('c'), letter('e'), letter('f')} << "Ccef" << 4;
        QTest::newRow("second equal to first drawn again")
            << 5 << QList{pick(0, 3), letter('g'), letter('g'), letter('h')} << "Eegh" << 4;
    }
    void threeLetters()
    {
        QFETCH(int, number);
        QFETCH(QList<double>, values);
        QFETCH(QString, letters);
        QFETCH(int, draws);
        Draws next{values};
        const LetterChoice choice = chooseLetters(number, std::ref(next));
        QCOMPARE(QString(choice.capital) + QString(choice.letters.data(), 3), letters);
        QCOMPARE(QString(choice.letters[choice.rightPlace - 1]), letters.at(0).toLower());
        QCOMPARE(next.used, draws);
        QCOMPARE(nextLetterNumber(26), 1);
    }

    void timePhrases_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("3:00") << 3 << 0 << "3 o'clock";
        QTest::newRow("3:01") << 3 << 1 << "1 minute after 3 o'clock";
        QTest::newRow("3:30") << 3 << 30 << "30 minutes after 3 o'clock";
        QTest::newRow("3:31") << 3 << 31 << "29 minutes till 4 o'clock";
        QTest::newRow("11:45 names 12") << 11 << 45 << "15 minutes till 12 o'clock";
        QTest::newRow("12:59") << 12 << 59 << "One minute till 1 o'clock";
    }
    void timePhrases()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, phrase);
        QCOMPARE(timePhrase(minute, hour), phrase);
    }

    void clockTimes()
    {
        // Minute and hour draws: the second time repeats hour 4, the third
        // repeats 4 and then 9, so both are drawn again.
        const QList<double> values{pick(7, 60), pick(3, 12), pick(20, 60), pick(3, 12), pick(34, 60), pick(8, 12),
                                   pick(40, 60), pick(3, 12), pick(50, 60), pick(8, 12), pick(59, 60), pick(11, 12)};
        const QList<std::array<ClockTime, 3>> byLevel{{{{4, 0}, {9, 0}, {12, 0}}},
                                                     {{{4, 0}, {9, 30}, {12, 45}}},
                                                     {{{4, 5}, {9, 30}, {12, 55}}},
                                                     {{{4, 7}, {9, 34}, {12, 59}}}};
        for (int level = 1; level <= 4; ++level)
            QCOMPARE(threeTimes(level, Draws{values}), byLevel[level - 1]);
        QCOMPARE(correctVerdict({3, 5}), QStringLiteral("Correct  -  3:05")); // the minutes in two digits
    }

    void handEnds_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("length");
        QTest::addColumn<QPointF>("end");
        // 57.296 is a little more than 180 / pi, so 90 degrees falls just short
        // of straight up: the floor takes 74.99999 to 74, a sine of -0.00001
        // to -1, and a cosine of 0.500005 keeps 50.
        QTest::newRow("minute 0") << minuteHandAngle(0) << MinuteHandLength << QPointF(-119, 31);
        QTest::newRow("minute 45") << minuteHandAngle(45) << MinuteHandLength << QPointF(-194, -44);
        QTest::newRow("hour 3:30") << hourHandAngle(3, 30) << HourHandLength << QPointF(-71, -56);
        QTest::newRow("tick at 1") << 60.0 << TickRadius << QPointF(-69, 43);
    }
    void handEnds()
    {
        QFETCH(double, angle);
        QFETCH(double, length);
        QFETCH(QPointF, end);
        QCOMPARE(handEnd(angle, length), end);
    }

    void wordLists_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("quoted, CR LF, byte order mark") << QByteArray("\xEF\xBB\xBF\"puppy\"\r\n\"kitten\"\r\n")
                                                        << QStringList{"puppy", "kitten"};
        QTest::newRow("commas inside quotes") << QByteArray("\"slowly, slowly\",fast\n") << QStringList{"slowly, slowly", "fast"};
        QTest::newRow("blanks and empty lines") << QByteArray("   big\r\n\r\n  small") << QStringList{"big", "small"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void wordLists()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, words);
        QCOMPARE(readWordList(file), words);
    }

    void sentenceAndDots()
    {
        const QString s = makeSentence("That", "fast", "dog", "runs", "fast");
        QCOMPARE(s, QStringLiteral("That fast dog runs fast.")); // 24 characters
        QCOMPARE(dotX(s, "That"), 4 * (1 + 2 - 12.0) - 3);
        QCOMPARE(dotX(s, "dog"), 4 * (11 + 1.5 - 12.0) - 3);
        QCOMPARE(dotX(s, "fast"), 4 * (6 + 2 - 12.0) - 3); // the first "fast", even for the adverb
    }

    void recordings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("recording");
        QTest::newRow("short") << "puppy" << "puppy.wav";
        QTest::newRow("first 8 characters") << "elephants" << "elephant.wav";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("path") << "..\\../x" << "";
    }
    void recordings()
    {
        QFETCH(QString, word);
        QFETCH(QString, recording);
        QCOMPARE(wordRecording(word), recording);
    }
};

QTEST_GUILESS_MAIN(TestEarlyRules)
#include "tst_early_rules.moc"
