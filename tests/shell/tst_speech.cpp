// SPDX-License-Identifier: GPL-3.0-or-later
// Praise choice and spoken numbers: which recordings are asked for, in order.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"

#include <QTest>

using namespace kt;

namespace {
QStringList wavs(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts); }
} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Sandbox> m_sandbox;
    QStringList& played() { return m_sandbox->player->played; }
    void script(double r)
    {
        m_sandbox->random->values = {r};
        m_sandbox->random->position = 0;
    }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<test::Sandbox>(false);
        session().SoundOn = 1;
    }
    void cleanup() { m_sandbox.reset(); }

    void sayNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("leading space") << " 7" << wavs("7.WAV");
        QTest::newRow("19") << "19" << wavs("19.WAV");
        QTest::newRow("20") << "20" << wavs("20.WAV");
        QTest::newRow("21") << "21" << wavs("20.WAV 1.WAV");
        QTest::newRow("47 trailing space") << "47 " << wavs("40.WAV 7.WAV");
        QTest::newRow("305") << "305" << wavs("300.WAV 5.WAV");
        QTest::newRow("312") << "312" << wavs("300.WAV 12.WAV"); // the teens stay one word
        QTest::newRow("999") << "999" << wavs("900.WAV 90.WAV 9.WAV");
        QTest::newRow("3.5") << "3.5" << wavs("3.wav point.wav 5.wav");
        QTest::newRow(".5") << ".5" << wavs("point.wav 5.wav");
        QTest::newRow("word") << "plus" << wavs("plus.WAV");
        // Blank text asks for ".WAV", so the default sound plays.
        QTest::newRow("blanks only") << "   " << wavs(".WAV");
        QTest::newRow("spaced -47") << " -47" << wavs("minus.WAV 40.WAV 7.WAV");
        QTest::newRow("-3.5") << "-3.5" << wavs("minus.WAV 3.wav point.wav 5.wav");
        QTest::newRow("lone minus sign") << "-" << wavs("-.WAV");
        // Four or more digits: digit by digit, never "1234.WAV".
        QTest::newRow("1234 trailing space") << "1234 " << wavs("1.WAV 2.WAV 3.WAV 4.WAV");
    }
    void sayNumber()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        SayNumber(text);
        QCOMPARE(played(), expected);
    }

    void silentWhenSoundIsOffButPartsSpeakWhateverTheSetting()
    {
        session().SoundOn = 0;
        for (const char* text : {"7", "347", "3.5", "plus", "", "-5", "1234"})
            SayNumber(QString::fromLatin1(text));
        QVERIFY(played().isEmpty());
        SaySmall(QStringLiteral("05"));
        SayTens(QStringLiteral("47"));
        // Given four digits, the hundreds part speaks the first digit and the last two.
        SayHundreds(QStringLiteral("1234"));
        QCOMPARE(played(), wavs("5.WAV 40.WAV 7.WAV 100.WAV 30.WAV 4.WAV"));
    }

    // n = r * 13 + 1 rounded: each praise in order at r = (n - 1) / 13, plus the
    // rounding edges; "try again" draws no number. Choosing plays nothing.
    void pickPraise()
    {
        QStringList seen;
        for (double r : {0.0, 1 / 13.0, 2 / 13.0, 3 / 13.0, 4 / 13.0, 5 / 13.0, 6 / 13.0, 7 / 13.0, 8 / 13.0,
                         9 / 13.0, 10 / 13.0, 11 / 13.0, 12 / 13.0, 0.999, 0.03, 0.05}) {
            script(r);
            seen << PickPraise(1);
            QCOMPARE(m_sandbox->random->position, 1);
        }
        QCOMPARE(seen, wavs("great.wav good.wav yougotit.wav excell.wav fantasti.wav waytogo.wav super.wav alright.wav "
                            "alright2.wav clap.wav excell2.wav good2.wav great2.wav super2.wav great.wav good.wav"));
        for (int flag : {0, 2, -1}) {
            script(0.5);
            QCOMPARE(PickPraise(flag), QStringLiteral("tryagn2.wav"));
            QCOMPARE(m_sandbox->random->position, 0);
        }
        QVERIFY(played().isEmpty());
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
