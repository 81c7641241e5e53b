// SPDX-License-Identifier: GPL-3.0-or-later
// The real wave player against a real sound server (scripts/with-pulse.sh; else the server tests skip):
// clips block for their own length and reach the sink whole and in order; without a server, play returns at once.
#include "ui/Platform.h"
#include "ui/SinkWavePlayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <sndfile.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

using namespace kt;

namespace {

constexpr int kRecordRate = 44100;
const char kChildMode[] = "KITE_SOUND_TEST_CHILD";

// A file on disk, the name the program asks for, and the file's own rate and format.
struct Tone { QString file, asked; double hz; int ms, rate, channels, sfFormat; };

// Writes each tone as a sine of whole periods, so its length can be measured from the rising zero
// crossings, and makes their directory the program's.
bool installTones(const QString& dir, const QList<Tone>& tones)
{
    for (const Tone& t : tones) {
        SF_INFO info{0, t.rate, t.channels, SF_FORMAT_WAV | t.sfFormat, 0, 0};
        SNDFILE* f = sf_open(QFile::encodeName(dir + QLatin1Char('/') + t.file).constData(), SFM_WRITE, &info);
        const qint64 frames = qint64(t.rate) * t.ms / 1000;
        std::vector<float> data(size_t(frames * t.channels));
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = float(0.5 * std::sin(2 * M_PI * t.hz * double(i / t.channels) / t.rate));
        if (!f || sf_writef_float(f, data.data(), frames) != frames || sf_close(f) != 0)
            return false;
    }
    platform().paths.programDirs = QStringList{dir};
    return true;
}

struct Segment { double hz, startMs, endMs; };

// Splits a recording (16-bit mono) into runs of one tone by the spacing of rising zero crossings.
// Silence from the sink is exact zero and has no crossings.
QList<Segment> findTones(const QByteArray& raw, const QList<Tone>& tones)
{
    const auto* x = reinterpret_cast<const qint16*>(raw.constData());
    QList<Segment> found;
    double last = -1;
    for (qsizetype n = 1; n < raw.size() / 2; ++n) {
        if (x[n - 1] >= 0 || x[n] < 0)
            continue;
        const double crossing = (double(n - 1) + double(-x[n - 1]) / double(x[n] - x[n - 1])) * 1000.0 / kRecordRate;
        const double period = crossing - last;
        for (const Tone& t : tones) {
            if (last < 0 || std::abs(1000.0 / period / t.hz - 1.0) >= 0.03)
                continue;
            const bool follows = !found.isEmpty() && found.last().endMs == last;
            if (follows && found.last().hz == t.hz)
                found.last().endMs = crossing;
            else // a tone after silence starts on a zero sample: its first crossing is found one period late
                found.append({t.hz, follows ? last : last - period, crossing});
        }
        last = crossing;
    }
    return found;
}

// A FLAC stream of its header alone (42 bytes) that claims what it likes.
QByteArray flacHeader(quint32 rate, int channels, quint64 frames)
{
    // The last block, STREAMINFO of 34 bytes: frame sizes unknown, 16 bits a sample, no MD5.
    const quint64 packed = qToBigEndian(quint64(rate) << 44 | quint64(channels - 1) << 41 | quint64(15) << 36 | frames);
    return QByteArray("fLaC\x80\x00\x00\x22\x10\x00\x10\x00", 12) + QByteArray(6, '\0')
           + QByteArray(reinterpret_cast<const char*>(&packed), 8) + QByteArray(16, '\0');
}

// A 16-bit PCM WAV header for a data chunk of `dataBytes`.
QByteArray wavHeader(quint32 rate, int channels, quint32 dataBytes)
{
    const auto le = [](quint32 v, int bytes) { return QByteArray(reinterpret_cast<const char*>(&v), bytes); };
    return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(rate, 4)
           + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2) + "data" + le(dataBytes, 4);
}

// Writes a recording; a WAV file is stretched (sparse, all zeros) to the length its header gives.
bool writeRecording(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    const qint64 size = bytes.startsWith("RIFF") ? 8 + qFromLittleEndian<quint32>(bytes.constData() + 4) : 0;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
           && file.resize(qMax(size, bytes.size()));
}

// Decodes in a child process and tells how it went: "decoded", "refused", or
// what went wrong. A hung decoder is killed after 20 s.
QString decodeInChild(const QString& path)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(20);
#if !defined(__SANITIZE_ADDRESS__)
        // A runaway allocation fails here instead of swapping the machine.
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        const rlim_t size = rlim_t(statm.readAll().split(' ').first().toLongLong() * ::sysconf(_SC_PAGESIZE));
        const struct rlimit limit{size + (rlim_t(1) << 30), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
#endif
        struct rusage before, after;
        ::getrusage(RUSAGE_SELF, &before);
        QByteArray pcm;
        bool ok = false;
        try {
            ok = decodeWaveFile(path, sinkAudioFormat(), &pcm);
        } catch (const std::bad_alloc&) {
            ::_exit(3);
        }
        ::getrusage(RUSAGE_SELF, &after);
        const long grewKb = after.ru_maxrss - before.ru_maxrss;
        std::fprintf(stderr, "%s: peak memory +%ld kB\n", QTest::currentDataTag(), grewKb);
        ::_exit(grewKb > 64 * 1024 ? 2 : ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const QStringList outcomes{"decoded", "refused", "took over 64 MB", "ran out of memory"};
    return WIFEXITED(status) ? outcomes.value(WEXITSTATUS(status)) : QStringLiteral("hung or died");
}

} // namespace

class TestSoundServer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // Hostile recordings: a header may claim anything. What decoding costs is
    // bounded (duration, samples with all channels counted, read in blocks),
    // a FIFO never blocks, a link is never followed.
    void hostileRecordings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("decoded");
        const quint32 mb = 1 << 20;
        const QByteArray word = wavHeader(22050, 1, 22050);
        QTest::newRow("FLAC: 587 million frames at 1 MHz") << flacHeader(1000000, 1, 587000000) << "" << false;
        QTest::newRow("FLAC: 8 channels at 655350 Hz, 600 s") << flacHeader(655350, 8, 655350ULL * 600) << "" << false;
        QTest::newRow("sparse 64 MB: 64 channels at 2 MHz") << wavHeader(2000000, 64, 64 * mb - 44) << "" << false;
        QTest::newRow("sparse 100 MB: 64 channels at 2 MHz") << wavHeader(2000000, 64, 100 * mb - 44) << "" << false;
        QTest::newRow("31 s at 8 kHz") << wavHeader(8000, 1, 31 * 8000 * 2) << "" << false;
        QTest::newRow("a word: 0.5 s at 22050 Hz") << word << "" << true;
        QTest::newRow("29 s, 48 kHz stereo") << wavHeader(48000, 2, 29 * 48000 * 4) << "" << true;
        QTest::newRow("the most samples allowed: 30 s at 139810 Hz") << wavHeader(139810, 1, 4194300 * 2) << "" << true;
        QTest::newRow("FIFO") << QByteArray() << "fifo" << false;
        QTest::newRow("link to a word") << word << "link" << false;
    }
    void hostileRecordings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kind);
        QFETCH(bool, decoded);
        const QString path = m_dir.filePath("cat.wav"), real = m_dir.filePath("real.wav");
        QFile::remove(path);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "link")
            QVERIFY(writeRecording(real, bytes) && QFile::link(real, path));
        else
            QVERIFY(writeRecording(path, bytes));
        QCOMPARE(decodeInChild(path), QString(decoded ? "decoded" : "refused"));
    }

    // A user's recording that is refused plays nothing, as a missing one:
    // the drill spells the word instead. A program file plays the default.
    void aRefusedRecordingIsAsIfMissing()
    {
        const QString path = m_dir.filePath(QStringLiteral("long.wav"));
        QVERIFY(writeRecording(path, wavHeader(8000, 1, 31 * 8000 * 2)));
        QStringList asked;
        SinkWavePlayer player([&asked](const QString& name) {
            asked << name;
            return QString();
        });
        player.play(path);
        player.play(QStringLiteral("missing.wav"));
        QCOMPARE(asked, (QStringList{"missing.wav", "default.wav"}));
    }

    void clipsBlockForTheirLengthAndArriveWholeInOrder()
    {
        // The pipe sink of with-pulse.sh never rewinds, so its monitor carries exactly what is heard.
        const QString monitor = qEnvironmentVariable("KITE_PULSE_MONITOR");
        if (QMediaDevices::defaultAudioOutput().isNull() || monitor.isEmpty() || QStandardPaths::findExecutable("parec").isEmpty())
            QSKIP("no sound server or no monitor to record; run under scripts/with-pulse.sh");
        // Formats differ on purpose; played: A, B, a missing file (the default sound), C.
        const QList<Tone> tones{{"tonea.wav", "TONEA.WAV", 440, 300, 22050, 1, SF_FORMAT_PCM_16},
                                {"ToneB.WAV", "toneb.wav", 880, 200, 44100, 2, SF_FORMAT_PCM_16},
                                {"default.wav", "nosuch.WAV", 630, 100, 16000, 1, SF_FORMAT_PCM_U8},
                                {"tonec.wav", "tonec.wav", 1260, 400, 48000, 1, SF_FORMAT_FLOAT}};
        QVERIFY(installTones(m_dir.path(), tones));

        const QString rawPath = m_dir.filePath("monitor.raw");
        QProcess recorder;
        recorder.setStandardOutputFile(rawPath);
        recorder.start("parec", {"--device=" + monitor, "--raw", "--format=s16le", "--rate=44100", "--channels=1",
                                 "--latency-msec=10"});
        QVERIFY2(recorder.waitForStarted(3000), "parec did not start");
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo(rawPath).size() >= 4410, "nothing recorded from the monitor", 3000);

        SinkWavePlayer player;
        QList<qint64> blockedMs;
        QString report;
        QElapsedTimer timer;
        timer.start();
        for (const Tone& t : tones) {
            const qint64 before = timer.elapsed();
            player.play(t.asked);
            blockedMs << timer.elapsed() - before;
            report += QString("%1 blocked %2 ms; ").arg(t.asked).arg(blockedMs.last());
        }
        const qint64 totalMs = timer.elapsed();
        QVERIFY(player.available());
        QTest::qWait(300);
        recorder.terminate();
        QVERIFY(recorder.waitForFinished(3000));

        QFile raw(rawPath);
        const QList<Segment> segments = findTones(raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray(), tones);
        for (const Segment& s : segments)
            report += QString("[%1 Hz at %2 ms, %3 ms] ").arg(s.hz).arg(s.startMs, 0, 'f', 1).arg(s.endMs - s.startMs, 0, 'f', 1);
        QVERIFY2(segments.size() == tones.size(), qPrintable(report));
        int sum = 0;
        for (int i = 0; i < tones.size(); ++i) {
            sum += tones[i].ms;
            QCOMPARE(segments[i].hz, tones[i].hz);
            QVERIFY2(std::abs(segments[i].endMs - segments[i].startMs - tones[i].ms) < 3.0, qPrintable(report));
            // Each call blocks about as long as its clip is heard, and the next follows after a short pause.
            QVERIFY2(blockedMs[i] >= tones[i].ms - 20 && blockedMs[i] <= tones[i].ms + 200, qPrintable(report));
            const double gap = i > 0 ? segments[i].startMs - segments[i - 1].endMs : 0;
            QVERIFY2(gap >= 0 && gap < 60, qPrintable(report));
        }
        QVERIFY2(totalMs >= sum - 20 && totalMs <= sum + 250, qPrintable(report));
    }

    // Runs again in a child process of this program whose server address points nowhere.
    void noServerPlaysNothingAndReturnsAtOnce()
    {
        if (qEnvironmentVariableIsSet(kChildMode)) {
            QVERIFY(installTones(m_dir.path(), {{"beep.wav", "BEEP.WAV", 440, 300, 22050, 1, SF_FORMAT_PCM_16}}));
            SinkWavePlayer player;
            QElapsedTimer timer;
            timer.start();
            for (const char* name : {"BEEP.WAV", "BEEP.WAV", "missing.wav"})
                player.play(name);
            QCOMPARE_LT(timer.elapsed(), 200);
            QVERIFY(!player.available());
            return;
        }
        QTemporaryDir home;
        QFile config(home.filePath("client.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write("autospawn = no\n") > 0 && config.flush());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildMode, "1");
        env.insert("PULSE_SERVER", "unix:" + home.filePath("no-such-socket"));
        env.insert("PULSE_CLIENTCONFIG", config.fileName());
        env.insert("PULSE_RUNTIME_PATH", home.path());
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError())));
    }

    void windowKeepsPaintingWhileAClipPlays()
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("no sound server; run under scripts/with-pulse.sh");
        QVERIFY(installTones(m_dir.path(), {{"long.wav", "LONG.WAV", 523, 600, 22050, 1, SF_FORMAT_PCM_16}}));

        struct PaintCounter : QWidget {
            QElapsedTimer clock;
            int paintsDuringClip = 0;
            void paintEvent(QPaintEvent*) override { paintsDuringClip += clock.isValid() && clock.elapsed() < 550; }
        } window;
        window.resize(200, 100);
        window.show();
        QTest::qWait(50);

        SinkWavePlayer player;
        player.play("LONG.WAV"); // the first play opens the sink
        // Something asks for a repaint a little after the clip starts.
        QTimer::singleShot(150, &window, [&window] { window.update(); });
        window.clock.start();
        player.play("LONG.WAV");
        QVERIFY2(window.clock.elapsed() >= 550, "the clip did not play to its end before returning");
        QVERIFY2(window.paintsDuringClip >= 1, "the window was not repainted while the clip played");
    }
};

QTEST_MAIN(TestSoundServer)

#include "tst_sound_server.moc"
