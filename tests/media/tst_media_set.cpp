// SPDX-License-Identifier: GPL-3.0-or-later
// The generated media set in KITE_MEDIA_DIR: every recording name the program forms resolves
// (without regard to case) to real audio, every picture loads, the word lists are well formed;
// and the sound module, opened at the first sound, not at start-up.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/DataFile.h"
#include "ui/SoundModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

struct WaveFacts {
    QString problem; // empty when it is 0.1 to 5 s of audible 16-bit audio
    int peak = 0;    // largest sample magnitude
    double leadMs = 0, trailMs = 0; // silence (below -50 dBFS) before the first and after the last sound
};

// Silent: 47 dB under the common peak of -3 dBFS, below what a child hears.
constexpr int kSilence = 104; // -50 dBFS

WaveFacts readWave(const QString& path)
{
    WaveFacts facts;
    const auto fail = [&facts](const QString& why) { return facts.problem = why, facts; };
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    std::vector<short> x(file ? size_t(info.frames * info.channels) : 0);
    const bool whole = file && sf_readf_short(file, x.data(), info.frames) == info.frames;
    if (file)
        sf_close(file);
    if (!whole || x.empty() || info.format != (SF_FORMAT_WAV | SF_FORMAT_PCM_16))
        return fail(QStringLiteral("not 16-bit WAVE audio"));
    if (const double seconds = double(info.frames) / info.samplerate; seconds < 0.1 || seconds > 5.0)
        return fail(QStringLiteral("odd length %1 s").arg(seconds));
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < qsizetype(x.size()); ++i) {
        const int v = qAbs(int(x[size_t(i)]));
        facts.peak = qMax(facts.peak, v);
        if (v >= kSilence) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    const double msPerSample = 1000.0 / info.samplerate / info.channels;
    facts.leadMs = first * msPerSample;
    facts.trailMs = (qsizetype(x.size()) - 1 - last) * msPerSample;
    return facts.peak < 1000 ? fail(QStringLiteral("silent")) : facts;
}

double decibels(double ratio) { return 20.0 * std::log10(ratio); }

// Every recording name the program forms apart from English words, lower case:
// what the real SayNumber asks for, praise, letters and the rest.
QSet<QString> recordingNames()
{
    kt::test::Sandbox sandbox(false);
    kt::session().SoundOn = 1;
    QStringList texts{"plus", "minus", "times", "divide", "equals", "what", "goes", "how", "0.5"};
    // Every whole number the drills can show, and far beyond: all spoken from recordings there are.
    for (int n = -1200; n <= 1200; ++n)
        texts << QString::number(n);
    for (int n : {9999, 10000, 32767, 32768, 99999, -32768, -40000})
        texts << QString::number(n);
    for (const QString& text : std::as_const(texts))
        kt::SayNumber(text);
    QSet<QString> names{"tryagn2.wav", "tryagain.wav", "default.wav", "that.wav", "those.wav", "great.wav",
                        "good.wav", "yougotit.wav", "excell.wav", "fantasti.wav", "waytogo.wav", "super.wav",
                        "alright.wav", "alright2.wav", "clap.wav", "excell2.wav", "good2.wav", "great2.wav", "super2.wav"};
    for (const QString& piece : std::as_const(sandbox.player->played))
        names << piece.toLower();
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c)) + QStringLiteral(".wav");
    return names;
}

} // namespace

class TestMediaSet : public QObject {
    Q_OBJECT

    QHash<QString, QString> m_byLowerName; // lower-case name -> actual path

    QString resolve(const QString& name) const { return m_byLowerName.value(name.toLower()); }
    QByteArray readAll(const QString& name) const
    {
        QFile f(resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void expectSound(const QString& name)
    {
        const QString problem = resolve(name).isEmpty() ? QStringLiteral("missing") : readWave(resolve(name)).problem;
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
    }
    // A word list: present, CRLF line ends throughout, every word 1 to 16 characters.
    void readList(const QString& list, QStringList* words)
    {
        QVERIFY2(!resolve(list).isEmpty(), qPrintable(list + " is missing"));
        const QByteArray bytes = readAll(list);
        QVERIFY2(bytes.endsWith("\r\n") && bytes.count("\n") == bytes.count("\r\n"), qPrintable(list + " has a line not ended by CR LF"));
        for (const QStringList& line : kt::FieldReader::readAll(bytes))
            for (const QString& w : line)
                *words << w.trimmed();
        for (const QString& w : std::as_const(*words))
            QVERIFY2(!w.isEmpty() && w.size() <= 16, qPrintable(list + QStringLiteral(": ") + w));
    }

private slots:
    // The program itself needs none of the sound libraries; the first play opens the module.
    void programStartsWithoutTheSoundLibraries()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/kite-tutor")});
        QVERIFY(ldd.waitForFinished(20000));
        const QString needed = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Widgets")), qPrintable(needed));
        for (const char* library : {"libQt6Multimedia", "libsndfile", "libpulse"})
            QVERIFY2(!needed.contains(QLatin1String(library)), library);
    }
    void firstPlayOpensTheModule()
    {
        QVERIFY2(QFileInfo::exists(kt::soundModulePath()), qPrintable(kt::soundModulePath()));
        qputenv("PULSE_SERVER", "unix:/nonexistent/kite-tutor-test"); // no server: play returns at once
        kt::platform().paths.programDirs = {qEnvironmentVariable("KITE_MEDIA_DIR")};
        const std::unique_ptr<kt::WavePlayer> player = kt::makeDesktopWavePlayer();
        QVERIFY(!kt::soundModuleLoaded());
        player->play(QStringLiteral("7.WAV"));
        QVERIFY(kt::soundModuleLoaded());
        player->play(QStringLiteral("plus.WAV"));
    }

    void initTestCase()
    {
        const QDir dir(qEnvironmentVariable("KITE_MEDIA_DIR"));
        QVERIFY2(!dir.path().isEmpty() && dir.exists(), "KITE_MEDIA_DIR is not set or does not exist");
        for (const QString& e : dir.entryList(QDir::Files)) {
            QVERIFY2(!m_byLowerName.contains(e.toLower()), qPrintable(QStringLiteral("two files share the name ") + e));
            m_byLowerName.insert(e.toLower(), dir.filePath(e));
        }
    }

    void everyRecordingIsThere()
    {
        for (const QString& name : recordingNames())
            expectSound(name);
    }

    // Pieces spoken one after another ("three hundred" "forty" "seven") join
    // like one phrase: no recording starts or ends with more than 20 ms of
    // silence, and all of them peak within 1 dB of each other.
    void recordingsJoinAtOneLevel()
    {
        const QStringList sounds = m_byLowerName.keys().filter(QStringLiteral(".wav"));
        QVERIFY(sounds.size() >= 150);
        QMap<int, QString> byPeak;
        for (const QString& name : sounds) {
            const WaveFacts facts = readWave(resolve(name));
            QVERIFY2(facts.problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + facts.problem));
            QVERIFY2(facts.leadMs <= 20.0 && facts.trailMs <= 20.0, qPrintable(QStringLiteral(
                "%1: %2 ms of silence before, %3 after").arg(name).arg(facts.leadMs).arg(facts.trailMs)));
            byPeak.insert(facts.peak, name);
        }
        const double spread = decibels(double(byPeak.lastKey()) / byPeak.firstKey());
        QVERIFY2(spread <= 1.0, qPrintable(QStringLiteral("%1 peaks %2 dB above %3").arg(byPeak.last()).arg(spread)
                                               .arg(byPeak.first())));
        // One level, and not a quiet one: within 1 dB of -3 dBFS.
        QVERIFY2(qAbs(decibels(byPeak.lastKey() / 32768.0) + 3.0) <= 1.0, qPrintable(byPeak.last()));
    }

    // The sentence builder plays the first 8 characters of a word: each must be recorded under a name of its own.
    void englishLists()
    {
        const QSet<QString> fixed = recordingNames();
        QHash<QString, QString> owner;
        for (const QString& list : QStringList{"s_noun.dat", "s_verb.dat", "p_noun.dat", "p_verb.dat", "Adject.dat", "Adverb.dat"}) {
            QStringList words;
            readList(list, &words);
            QVERIFY2(words.size() >= 10, qPrintable(list));
            for (const QString& w : std::as_const(words)) {
                const QString name = w.left(8).toLower() + QStringLiteral(".wav");
                expectSound(name);
                QVERIFY2(!owner.contains(name) && !fixed.contains(name),
                         qPrintable(QStringLiteral("%1 (%2) shares %3 with %4").arg(w, list, name, owner.value(name))));
                owner.insert(name, w + QStringLiteral(" (") + list + QLatin1Char(')'));
            }
        }
    }

    void levelListsGrowHarder()
    {
        double previous = 0;
        for (const QString& list : QStringList{"Level1.lib", "Level2.lib", "Level3.lib", "Level4.lib"}) {
            QStringList words;
            readList(list, &words);
            for (const QByteArray& line : readAll(list).split('\n'))
                QVERIFY2(line.isEmpty() || (line.startsWith('"') && line.endsWith("\"\r")), line.constData());
            QVERIFY2(words.size() >= 40 && words.size() <= 60, qPrintable(QStringLiteral("%1 words").arg(words.size())));
            QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), words.size());
            double total = 0;
            for (const QString& w : std::as_const(words)) {
                total += w.size();
                // The drill spells each word aloud letter by letter.
                for (QChar c : w)
                    QVERIFY2(!resolve(QString(c) + QStringLiteral(".wav")).isEmpty(), qPrintable(w + ": no recording for " + c));
            }
            QVERIFY2(total / words.size() > previous, qPrintable(list));
            previous = total / words.size();
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QList<QPair<QStringList, QSize>> sizes{
            {{"dog.bmp", "worm.bmp", "woolly.bmp"}, {641, 480}}, {{"mouse.bmp"}, {480, 360}},
            {{"face1.bmp", "face1smile.bmp", "face1laugh.bmp", "face10.bmp", "face10smile.bmp", "face100.bmp"}, {32, 32}},
            {{"about1.bmp", "about2.bmp"}, {96, 96}}, {{"planet.bmp"}, {100, 100}}, {{"bee.bmp"}, {48, 48}}};
        for (const auto& [names, size] : sizes)
            for (const QString& name : names)
                QTest::newRow(qPrintable(name)) << name << size;
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = readAll(name);
        QVERIFY2(bytes.startsWith("BM"), qPrintable(name + " is missing or no bitmap"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        const QImage img(resolve(name));
        QCOMPARE(img.size(), size);
        // A real drawing, not a blank fill: no single colour covers 95% of it.
        QHash<QRgb, int> colours;
        int commonest = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                commonest = qMax(commonest, ++colours[img.pixel(x, y)]);
        QVERIFY2(colours.size() >= 2 && commonest < 0.95 * img.width() * img.height(), qPrintable(name + " looks blank"));
    }

    void programIcon() { QCOMPARE(QImage(resolve(QStringLiteral("org.kitetutor.KiteTutor.png"))).size(), QSize(128, 128)); }
};

QTEST_MAIN(TestMediaSet)
#include "tst_media_set.moc"
