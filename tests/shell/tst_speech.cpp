// Praise choice and spoken numbers: which recordings are asked for, in order.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/Platform.h"
#include "ui/Sound.h"

#include <QSet>
#include <QTest>

using namespace kt;

namespace {

QStringList wavs(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// Every recording the integer path, the words "minus" and the digits may use.
QSet<QString> recordedNumberNames()
{
    QSet<QString> names;
    for (int n = 0; n < 20; ++n)
        names << QString::number(n) + QStringLiteral(".WAV");
    for (int n = 20; n < 100; n += 10)
        names << QString::number(n) + QStringLiteral(".WAV");
    for (int n = 100; n < 1000; n += 100)
        names << QString::number(n) + QStringLiteral(".WAV");
    names << QStringLiteral("minus.WAV");
    return names;
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sayNumber_data();
    void sayNumber();
    void silentWhenSoundIsOff();
    void partsSpeakWhateverTheSoundSetting_data();
    void partsSpeakWhateverTheSoundSetting();
    void everyWholeNumberUsesOnlyRecordedNames();

    void pickPraise_data();
    void pickPraise();
    void tryAgainDrawsNoRandomNumber_data();
    void tryAgainDrawsNoRandomNumber();
    void everyPraiseCanComeUp();

private:
    std::unique_ptr<test::Sandbox> m_sandbox;
    QStringList& played() { return m_sandbox->player->played; }
    // Queues the values the shared random source hands out next.
    void script(QList<double> values)
    {
        m_sandbox->random->values = std::move(values);
        m_sandbox->random->position = 0;
    }
    int randomDraws() const { return m_sandbox->random->position; }
};

void TestSpeech::init()
{
    m_sandbox = std::make_unique<test::Sandbox>(false);
    session().SoundOn = 1;
}

void TestSpeech::cleanup() { m_sandbox.reset(); }

void TestSpeech::sayNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("7") << "7" << wavs("7.WAV");
    QTest::newRow("leading space") << " 7" << wavs("7.WAV");
    QTest::newRow("leading zero") << "07" << wavs("7.WAV");
    QTest::newRow("0") << "0" << wavs("0.WAV");
    QTest::newRow("12") << "12" << wavs("12.WAV");
    QTest::newRow("19") << "19" << wavs("19.WAV");
    QTest::newRow("20") << "20" << wavs("20.WAV");
    QTest::newRow("21") << "21" << wavs("20.WAV 1.WAV");
    QTest::newRow("40") << "40" << wavs("40.WAV");
    QTest::newRow("47") << "47" << wavs("40.WAV 7.WAV");
    QTest::newRow("47 trailing space") << "47 " << wavs("40.WAV 7.WAV");
    QTest::newRow("99") << "99" << wavs("90.WAV 9.WAV");
    QTest::newRow("100") << "100" << wavs("100.WAV");
    QTest::newRow("110") << "110" << wavs("100.WAV 10.WAV");
    QTest::newRow("300") << "300" << wavs("300.WAV");
    QTest::newRow("305") << "305" << wavs("300.WAV 5.WAV");
    QTest::newRow("312") << "312" << wavs("300.WAV 12.WAV");
    QTest::newRow("340") << "340" << wavs("300.WAV 40.WAV");
    QTest::newRow("347") << "347" << wavs("300.WAV 40.WAV 7.WAV");
    QTest::newRow("999") << "999" << wavs("900.WAV 90.WAV 9.WAV");
    QTest::newRow("spaced 347") << "  347" << wavs("300.WAV 40.WAV 7.WAV");

    // Decimal numbers: one lower-case recording per character.
    QTest::newRow("3.5") << "3.5" << wavs("3.wav point.wav 5.wav");
    QTest::newRow(".5") << ".5" << wavs("point.wav 5.wav");
    QTest::newRow("12.75") << "12.75" << wavs("1.wav 2.wav point.wav 7.wav 5.wav");
    QTest::newRow("spaced 0.5") << " 0.5" << wavs("0.wav point.wav 5.wav");

    // Words are played as written, whatever their length.
    QTest::newRow("plus") << "plus" << wavs("plus.WAV");
    QTest::newRow("equals") << "equals" << wavs("equals.WAV");
    QTest::newRow("spaced word") << " minus" << wavs("minus.WAV");
    QTest::newRow("two words") << "how many" << QStringList{QStringLiteral("how many.WAV")};

    // Empty text asks for ".WAV": no such file, so the default sound plays.
    QTest::newRow("empty") << "" << wavs(".WAV");
    QTest::newRow("blanks only") << "   " << wavs(".WAV");

    // Negative numbers: "minus", then the number itself.
    QTest::newRow("-5") << "-5" << wavs("minus.WAV 5.WAV");
    QTest::newRow("-19") << "-19" << wavs("minus.WAV 19.WAV");
    QTest::newRow("spaced -47") << " -47" << wavs("minus.WAV 40.WAV 7.WAV");
    QTest::newRow("-347") << "-347" << wavs("minus.WAV 300.WAV 40.WAV 7.WAV");
    QTest::newRow("-3.5") << "-3.5" << wavs("minus.WAV 3.wav point.wav 5.wav");
    QTest::newRow("-1234") << "-1234" << wavs("minus.WAV 1.WAV 2.WAV 3.WAV 4.WAV");
    QTest::newRow("lone minus sign") << "-" << wavs("-.WAV");

    // Four or more digits: digit by digit, never "1000.WAV" and the like.
    QTest::newRow("1000") << "1000" << wavs("1.WAV 0.WAV 0.WAV 0.WAV");
    QTest::newRow("1234") << "1234" << wavs("1.WAV 2.WAV 3.WAV 4.WAV");
    QTest::newRow("0123") << "0123" << wavs("0.WAV 1.WAV 2.WAV 3.WAV");
    QTest::newRow("40000") << "40000" << wavs("4.WAV 0.WAV 0.WAV 0.WAV 0.WAV");
    QTest::newRow("1234 trailing space") << "1234 " << wavs("1.WAV 2.WAV 3.WAV 4.WAV");
}

void TestSpeech::sayNumber()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    SayNumber(text);
    QCOMPARE(played(), expected);
}

void TestSpeech::silentWhenSoundIsOff()
{
    session().SoundOn = 0;
    for (const char* text : {"7", "347", "3.5", "plus", "", "-5", "1234"})
        SayNumber(QString::fromLatin1(text));
    QVERIFY(played().isEmpty());
}

void TestSpeech::partsSpeakWhateverTheSoundSetting_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("small 05") << 0 << "05" << wavs("5.WAV");
    QTest::newRow("small 0") << 0 << "0" << wavs("0.WAV");
    QTest::newRow("small word") << 0 << "times" << wavs("times.WAV");
    QTest::newRow("tens 40") << 1 << "40" << wavs("40.WAV");
    QTest::newRow("tens 47") << 1 << "47" << wavs("40.WAV 7.WAV");
    QTest::newRow("hundreds 300") << 2 << "300" << wavs("300.WAV");
    QTest::newRow("hundreds 305") << 2 << "305" << wavs("300.WAV 5.WAV");
    QTest::newRow("hundreds 312") << 2 << "312" << wavs("300.WAV 12.WAV");
    QTest::newRow("hundreds 340") << 2 << "340" << wavs("300.WAV 40.WAV");
    // Given more digits directly, the hundreds part speaks the first digit
    // and the last two.
    QTest::newRow("hundreds 1234") << 2 << "1234" << wavs("100.WAV 30.WAV 4.WAV");
}

void TestSpeech::partsSpeakWhateverTheSoundSetting()
{
    QFETCH(int, part);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    session().SoundOn = 0;
    if (part == 0)
        SaySmall(text);
    else if (part == 1)
        SayTens(text);
    else
        SayHundreds(text);
    QCOMPARE(played(), expected);
}

void TestSpeech::everyWholeNumberUsesOnlyRecordedNames()
{
    const QSet<QString> recorded = recordedNumberNames();
    QList<int> numbers;
    for (int n = -1200; n <= 1200; ++n)
        numbers << n;
    numbers << 9999 << 10000 << 32767 << 32768 << 99999 << -32768 << -40000;
    for (int n : numbers) {
        played().clear();
        SayNumber(QString::number(n));
        QVERIFY2(!played().isEmpty(), qPrintable(QString::number(n)));
        for (const QString& name : std::as_const(played()))
            QVERIFY2(recorded.contains(name), qPrintable(QStringLiteral("%1 asked for %2").arg(n).arg(name)));
        // The pieces of a number under 1000 are at most three.
        if (std::abs(n) < 1000)
            QVERIFY(played().size() <= (n < 0 ? 4 : 3));
    }
}

void TestSpeech::pickPraise_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("expected");

    // n = r * 13 + 1, rounded with halves to even.
    QTest::newRow("r=0 -> 1") << 0.0 << "great.wav";
    QTest::newRow("r=0.03 -> 1") << 0.03 << "great.wav";
    QTest::newRow("r=0.05 -> 2") << 0.05 << "good.wav";
    QTest::newRow("r=0.25 -> 4") << 0.25 << "excell.wav";
    QTest::newRow("r=0.5 -> 7.5 -> 8") << 0.5 << "alright.wav";
    QTest::newRow("r=0.75 -> 11") << 0.75 << "excell2.wav";
    QTest::newRow("r=0.95 -> 13") << 0.95 << "great2.wav";
    QTest::newRow("r=0.999 -> 14") << 0.999 << "super2.wav";
}

void TestSpeech::pickPraise()
{
    QFETCH(double, r);
    QFETCH(QString, expected);
    script({r});
    QCOMPARE(PickPraise(1), expected);
    QCOMPARE(randomDraws(), 1);
    QVERIFY(played().isEmpty()); // choosing plays nothing
}

void TestSpeech::tryAgainDrawsNoRandomNumber_data()
{
    QTest::addColumn<int>("flag");
    QTest::newRow("0") << 0;
    QTest::newRow("2") << 2;
    QTest::newRow("-1") << -1;
}

void TestSpeech::tryAgainDrawsNoRandomNumber()
{
    QFETCH(int, flag);
    script({0.5});
    QCOMPARE(PickPraise(flag), QStringLiteral("tryagn2.wav"));
    QCOMPARE(randomDraws(), 0);
    QVERIFY(played().isEmpty());
}

void TestSpeech::everyPraiseCanComeUp()
{
    const QStringList all = wavs("great.wav good.wav yougotit.wav excell.wav fantasti.wav waytogo.wav super.wav "
                                 "alright.wav alright2.wav clap.wav excell2.wav good2.wav great2.wav super2.wav");
    QStringList seen;
    for (int k = 0; k < 14; ++k) {
        // The middle of each rounding interval: (n - 1) / 13, kept below 1.
        script({std::min(k / 13.0, 0.999)});
        seen << PickPraise(1);
    }
    QCOMPARE(seen, all);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
