// The early-learning rules that need no window: the eight praise phrases, the
// three letters of an alphabet question, clock times, phrases and hands, and
// the sentence builder's words, dots, recordings and pauses.
#include "early/ClockFace.h"
#include "early/EarlyPraise.h"
#include "early/LetterChoice.h"
#include "early/SentenceBuilder.h"

#include <QTest>

using namespace kt;

namespace {
// A draw source that returns the values in order, then the last one again.
std::function<double()> draws(const QList<double>& values)
{
    auto position = std::make_shared<int>(0);
    return [values, position] { return values.at(qMin((*position)++, int(values.size()) - 1)); };
}
// The draw that makes Int(n r) come out as `result`.
double pick(int result, int n) { return (result + 0.5) / n; }
// The draw that makes the random small letter come out as `letter`.
double letterDraw(char letter) { return (letter - 97) / 25.0; }
} // namespace

class TestEarlyRules : public QObject {
    Q_OBJECT
private slots:
    void praiseFile_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("file");
        QTest::newRow("0 gives 1") << 0.0 << "great.wav";
        QTest::newRow("1.5 rounds to even 2") << 0.5 / 7 << "good.wav";
        QTest::newRow("3") << 2.0 / 7 << "yougotit.wav";
        QTest::newRow("4.5 rounds to even 4") << 3.5 / 7 << "excell.wav";
        QTest::newRow("5") << 4.0 / 7 << "fantasti.wav";
        QTest::newRow("6") << 5.0 / 7 << "waytogo.wav";
        QTest::newRow("7.4") << 6.4 / 7 << "super.wav";
        QTest::newRow("7.5 rounds to even 8") << 6.5 / 7 << "alright.wav";
        QTest::newRow("just below 1") << 0.9999 << "alright.wav";
    }
    void praiseFile()
    {
        QFETCH(double, r);
        QFETCH(QString, file);
        QCOMPARE(earlyPraiseFile(r), file);
    }

    void smallLetter_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("letter");
        QTest::newRow("0 is a") << 0.0 << "a";
        QTest::newRow("97.5 rounds to even b") << 0.5 / 25 << "b";
        QTest::newRow("98.5 rounds to even b") << 1.5 / 25 << "b";
        QTest::newRow("109.5 rounds to even n") << 12.5 / 25 << "n";
        QTest::newRow("121.5 rounds to even z") << 24.5 / 25 << "z";
        QTest::newRow("largest r is z") << 0.9999 << "z";
    }
    void smallLetter()
    {
        QFETCH(double, r);
        QFETCH(QString, letter);
        QCOMPARE(QString(randomSmallLetter(r)), letter);
    }

    void threeLetters_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<int>("rightPlace");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("drawsUsed");
        QTest::newRow("A right at 1: 2 then 3") << 1 << QList<double>{pick(0, 3), letterDraw('q'), letterDraw('d')}
                                                << "A" << 1 << "aqd" << 3;
        QTest::newRow("B right at 2: 3 then 1") << 2 << QList<double>{pick(1, 3), letterDraw('q'), letterDraw('d')}
                                                << "B" << 2 << "dbq" << 3;
        QTest::newRow("Z right at 3: 1 then 2") << 26 << QList<double>{pick(2, 3), letterDraw('q'), letterDraw('d')}
                                                 << "Z" << 3 << "qdz" << 3;
        QTest::newRow("the right letter is drawn again")
            << 3 << QList<double>{pick(0, 3), letterDraw('c'), letterDraw('c'), letterDraw('e'), letterDraw('f')}
            << "C" << 1 << "cef" << 5;
        QTest::newRow("the second equal to the first is drawn again")
            << 5 << QList<double>{pick(0, 3), letterDraw('g'), letterDraw('g'), letterDraw('e'), letterDraw('h')}
            << "E" << 1 << "egh" << 5;
        QTest::newRow("a number out of range starts at A") << 27 << QList<double>{pick(0, 3), letterDraw('b'), letterDraw('c')}
                                                           << "A" << 1 << "abc" << 3;
    }
    void threeLetters()
    {
        QFETCH(int, number);
        QFETCH(QList<double>, values);
        QFETCH(QString, capital);
        QFETCH(int, rightPlace);
        QFETCH(QString, letters);
        QFETCH(int, drawsUsed);
        int used = 0;
        const auto next = [&] { return values.at(qMin(used++, int(values.size()) - 1)); };
        const LetterChoice choice = chooseLetters(number, next);
        QCOMPARE(QString(choice.capital), capital);
        QCOMPARE(choice.rightPlace, rightPlace);
        QCOMPARE(QString(choice.letters.data(), 3), letters);
        QCOMPARE(used, drawsUsed);
    }

    void letterOrder()
    {
        QCOMPARE(nextLetterNumber(1), 2);
        QCOMPARE(nextLetterNumber(25), 26);
        QCOMPARE(nextLetterNumber(26), 1);
        QCOMPARE(letterRecording(QStringLiteral("A")), QStringLiteral("A.WAV"));
    }

    void timePhrases_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("3:00") << 3 << 0 << "3 o'clock";
        QTest::newRow("3:01") << 3 << 1 << "1 minute after 3 o'clock";
        QTest::newRow("3:02") << 3 << 2 << "2 minutes after 3 o'clock";
        QTest::newRow("3:15") << 3 << 15 << "15 minutes after 3 o'clock";
        QTest::newRow("3:30") << 3 << 30 << "30 minutes after 3 o'clock";
        QTest::newRow("3:31") << 3 << 31 << "29 minutes till 4 o'clock";
        QTest::newRow("3:45") << 3 << 45 << "15 minutes till 4 o'clock";
        QTest::newRow("3:58") << 3 << 58 << "2 minutes till 4 o'clock";
        QTest::newRow("3:59") << 3 << 59 << "One minute till 4 o'clock";
        QTest::newRow("11:40 names 12") << 11 << 40 << "20 minutes till 12 o'clock";
        QTest::newRow("12:00") << 12 << 0 << "12 o'clock";
        QTest::newRow("12:35 names 1") << 12 << 35 << "25 minutes till 1 o'clock";
        QTest::newRow("12:59") << 12 << 59 << "One minute till 1 o'clock";
    }
    void timePhrases()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, phrase);
        QCOMPARE(timePhrase(minute, hour), phrase);
    }

    void minutesByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("shown");
        QTest::newRow("level 1 whole hours") << 1 << 59 << 0;
        QTest::newRow("level 2 rounds down to 45") << 2 << 59 << 45;
        QTest::newRow("level 2 keeps 15") << 2 << 15 << 15;
        QTest::newRow("level 2 14 is 0") << 2 << 14 << 0;
        QTest::newRow("level 3 rounds down to 35") << 3 << 39 << 35;
        QTest::newRow("level 4 any minute") << 4 << 59 << 59;
    }
    void minutesByLevel()
    {
        QFETCH(int, level);
        QFETCH(int, minute);
        QFETCH(int, shown);
        QCOMPARE(minuteForLevel(minute, level), shown);
    }

    void threeDifferentHours()
    {
        // minute, hour pairs: the second repeats hour 4, the third repeats 4, then 9.
        const QList<double> values{pick(7, 60), pick(3, 12), pick(20, 60), pick(3, 12), pick(30, 60), pick(8, 12),
                                   pick(40, 60), pick(3, 12), pick(50, 60), pick(8, 12), pick(59, 60), pick(11, 12)};
        const auto times = threeTimes(4, draws(values));
        QCOMPARE(times[0], (ClockTime{4, 7}));
        QCOMPARE(times[1], (ClockTime{9, 30}));
        QCOMPARE(times[2], (ClockTime{12, 59}));
        const auto quarters = threeTimes(2, draws(values));
        QCOMPARE(quarters[0], (ClockTime{4, 0}));
        QCOMPARE(quarters[2], (ClockTime{12, 45}));
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("3:05") << 3 << 5 << "Correct  -  3:05";
        QTest::newRow("12:30") << 12 << 30 << "Correct  -  12:30";
        QTest::newRow("1:00") << 1 << 0 << "Correct  -  1:00";
    }
    void verdicts()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, verdict);
        QCOMPARE(correctVerdict({hour, minute}), verdict);
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
        QTest::newRow("minute 15") << minuteHandAngle(15) << MinuteHandLength << QPointF(-44, -43);
        QTest::newRow("minute 30") << minuteHandAngle(30) << MinuteHandLength << QPointF(-119, -118);
        QTest::newRow("minute 45") << minuteHandAngle(45) << MinuteHandLength << QPointF(-194, -44);
        QTest::newRow("3:00 hour hand") << hourHandAngle(3, 0) << HourHandLength << QPointF(-69, -43);
        QTest::newRow("3:30 hour hand, 15 degrees lower") << hourHandAngle(3, 30) << HourHandLength
                                                          << QPointF(-119 + 48, -43 - 13);
        QTest::newRow("tick at 1 o'clock") << 60.0 << TickRadius << QPointF(-119 + 50, -43 + 86);
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
        QTest::newRow("one quoted word a line") << QByteArray("\"puppy\"\r\n\"kitten\"\r\n") << QStringList{"puppy", "kitten"};
        QTest::newRow("bare words, LF ends") << QByteArray("duck\npony") << QStringList{"duck", "pony"};
        QTest::newRow("commas inside quotes stay") << QByteArray("\"slowly, slowly\",fast\r\n")
                                                   << QStringList{"slowly, slowly", "fast"};
        QTest::newRow("leading blanks skipped") << QByteArray("   big,  small\r\n") << QStringList{"big", "small"};
        QTest::newRow("blank lines skipped") << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("byte order mark dropped") << QByteArray("\xEF\xBB\xBF\"tiny\"\r\n") << QStringList{"tiny"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void wordLists()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, words);
        QCOMPARE(readWordList(file), words);
    }

    void sentence()
    {
        QCOMPARE(makeSentence("That", "happy", "puppy", "jumps", "quickly"), QStringLiteral("That happy puppy jumps quickly."));
        QCOMPARE(makeSentence("Those", "", "", "", ""), QStringLiteral("Those    ."));
        QCOMPARE(builderCaption("Those"), QStringLiteral("Make a sentence with a plural noun."));
        QCOMPARE(builderCaption("That"), QStringLiteral("Make a sentence with a singular noun."));
    }

    void dots_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("x");
        const QString s = QStringLiteral("That big dog runs fast."); // 23 characters
        QTest::newRow("first word") << s << "That" << 4 * (1 + 2 - 11.5) - 3;
        QTest::newRow("middle word") << s << "dog" << 4 * (10 + 1.5 - 11.5) - 3;
        QTest::newRow("last word") << s << "fast" << 4 * (19 + 2 - 11.5) - 3;
        QTest::newRow("a word used twice points at the first")
            << QStringLiteral("That fast dog runs fast.") << "fast" << 4 * (6 + 2 - 12) - 3.0;
        QTest::newRow("absent word") << s << "cat" << 4 * (0 + 1.5 - 11.5) - 3;
    }
    void dots()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, word);
        QFETCH(double, x);
        QCOMPARE(dotX(sentence, word), x);
    }

    void recordings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("recording");
        QTest::newRow("short word") << "puppy" << "puppy.wav";
        QTest::newRow("first 8 characters") << "elephants" << "elephant.wav";
        QTest::newRow("blank inside") << "ice cream" << "ice crea.wav";
        QTest::newRow("empty plays nothing") << "" << "";
        QTest::newRow("path separator") << "../../x" << "";
        QTest::newRow("backslash") << "a\\b" << "";
        QTest::newRow("wildcard star") << "d*g" << "";
        QTest::newRow("wildcard question mark") << "dog?" << "";
        QTest::newRow("drive colon") << "c:dog" << "";
        QTest::newRow("parent directory") << ".." << "";
    }
    void recordings()
    {
        QFETCH(QString, word);
        QFETCH(QString, recording);
        QCOMPARE(wordRecording(word), recording);
    }

    void speechDelay_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("slower");
        QTest::addColumn<int>("faster");
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("0") << 0 << 100 << 0 << 0;
        QTest::newRow("100") << 100 << 200 << 0 << 100;
        QTest::newRow("5000") << 5000 << 5100 << 4900 << 5000;
        QTest::newRow("10000") << 10000 << 10000 << 9900 << 10000;
        QTest::newRow("9950 stops at the top") << 9950 << 10000 << 9850 << 9950;
        QTest::newRow("50 stops at the bottom") << 50 << 150 << 0 << 50;
    }
    void speechDelay()
    {
        QFETCH(int, delay);
        QFETCH(int, slower);
        QFETCH(int, faster);
        QFETCH(int, pauseMs);
        QCOMPARE(int(slowerDelay(qint16(delay))), slower);
        QCOMPARE(int(fasterDelay(qint16(delay))), faster);
        QCOMPARE(pauseMilliseconds(qint16(delay)), pauseMs);
    }
};

QTEST_GUILESS_MAIN(TestEarlyRules)
#include "tst_early_rules.moc"
