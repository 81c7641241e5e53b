// The real wave player against a real sound server: clips must block for
// their own length and reach the sink whole and in order; without a server
// the player must return at once.
//
// Needs a PulseAudio server with a null sink (scripts/with-pulse.sh provides
// one); the server tests skip when none is reachable. What reached the sink is
// recorded from its monitor source with parec.
#include "ui/Platform.h"
#include "ui/SinkWavePlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <cstdio>
#include <vector>

using namespace kt;

namespace {

constexpr int kRecordRate = 44100;
const char kChildMode[] = "KITE_SOUND_TEST_CHILD";

struct Tone {
    QString file;    // name on disk
    QString asked;   // name the program asks for
    double hz;
    int ms;
    int rate;        // file's own rate and format, to exercise conversion
    int channels;
    int sfFormat;
};

// Writes a sine that starts and ends on a rising zero crossing (whole periods),
// so its length can be measured exactly from the crossings in the recording.
bool writeTone(const QString& path, const Tone& t)
{
    SF_INFO info{};
    info.samplerate = t.rate;
    info.channels = t.channels;
    info.format = SF_FORMAT_WAV | t.sfFormat;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const qint64 frames = qint64(t.rate) * t.ms / 1000;
    std::vector<float> data(size_t(frames * t.channels));
    for (qint64 i = 0; i < frames; ++i)
        for (int c = 0; c < t.channels; ++c)
            data[size_t(i * t.channels + c)] = float(0.5 * std::sin(2 * M_PI * t.hz * double(i) / t.rate));
    const bool ok = sf_writef_float(f, data.data(), frames) == frames;
    sf_close(f);
    return ok;
}

struct Segment {
    double hz;
    double startMs;
    double lengthMs;
};

// Splits a recording into runs of one tone, found from the spacing of rising
// zero crossings. Silence from a null sink is exact zero and has no crossings.
QList<Segment> findTones(const std::vector<qint16>& x, const QList<double>& tones)
{
    std::vector<double> crossings; // rising zero crossings, in samples
    for (size_t n = 1; n < x.size(); ++n)
        if (x[n - 1] < 0 && x[n] >= 0)
            crossings.push_back(double(n - 1) + double(-x[n - 1]) / double(x[n] - x[n - 1]));

    QList<Segment> found;
    int label = -1;
    double runStart = 0;
    double runEnd = 0;
    auto close = [&] {
        if (label >= 0)
            found.append({tones[label], runStart * 1000.0 / kRecordRate, (runEnd - runStart) * 1000.0 / kRecordRate});
        label = -1;
    };
    for (size_t k = 1; k < crossings.size(); ++k) {
        const double period = crossings[k] - crossings[k - 1];
        const double hz = kRecordRate / period;
        int which = -1;
        for (int i = 0; i < tones.size(); ++i)
            if (std::abs(hz / tones[i] - 1.0) < 0.03)
                which = i;
        if (which != label) {
            const bool afterSilence = label < 0;
            close();
            if (which >= 0) {
                label = which;
                // A tone after silence starts on a zero sample, which is no
                // crossing from below: its first period is found one late.
                runStart = crossings[k - 1] - (afterSilence ? period : 0.0);
            }
        }
        if (which >= 0)
            runEnd = crossings[k];
    }
    close();
    return found;
}

QString monitorSource()
{
    const QString fromEnv = qEnvironmentVariable("KITE_PULSE_MONITOR");
    if (!fromEnv.isEmpty())
        return fromEnv;
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("get-default-sink")});
    if (!pactl.waitForFinished(3000))
        return {};
    const QString sink = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
    return sink.isEmpty() ? QString() : sink + QStringLiteral(".monitor");
}

// The no-server case runs in a child process of this same program, with the
// server address pointing nowhere; it prints how long the calls took.
int runChild()
{
    int argc = 1;
    char name[] = "tst_sound_server";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const Tone tone{QStringLiteral("beep.wav"), QStringLiteral("BEEP.WAV"), 440, 300, 22050, 1, SF_FORMAT_PCM_16};
    if (!dir.isValid() || !writeTone(dir.filePath(tone.file), tone))
        return 3;
    platform().paths.programDirs = QStringList{dir.path()};

    SinkWavePlayer player;
    QElapsedTimer timer;
    timer.start();
    player.play(tone.asked);
    const qint64 first = timer.elapsed();
    player.play(tone.asked);
    player.play(QStringLiteral("missing.wav"));
    const qint64 total = timer.elapsed();
    std::printf("first=%lld total=%lld available=%d\n", qint64(first), qint64(total), player.available() ? 1 : 0);
    return 0;
}

} // namespace

class TestSoundServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void clipsBlockForTheirLengthAndArriveWholeInOrder();
    void noServerPlaysNothingAndReturnsAtOnce();
    void windowKeepsPaintingWhileAClipPlays();

private:
    QTemporaryDir m_dir;
};

void TestSoundServer::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestSoundServer::clipsBlockForTheirLengthAndArriveWholeInOrder()
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        QSKIP("no sound server; run under scripts/with-pulse.sh");
    const QString monitor = monitorSource();
    if (monitor.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        QSKIP("cannot record the sink (no parec or no monitor source)");

    // Different file formats on purpose: each must come out at its own length.
    const QList<Tone> tones{
        {QStringLiteral("tonea.wav"), QStringLiteral("TONEA.WAV"), 440, 300, 22050, 1, SF_FORMAT_PCM_16},
        {QStringLiteral("ToneB.WAV"), QStringLiteral("toneb.wav"), 880, 200, 44100, 2, SF_FORMAT_PCM_16},
        {QStringLiteral("default.wav"), QString(), 630, 100, 16000, 1, SF_FORMAT_PCM_U8},
        {QStringLiteral("tonec.wav"), QStringLiteral("tonec.wav"), 1260, 400, 48000, 1, SF_FORMAT_FLOAT},
    };
    for (const Tone& t : tones)
        QVERIFY(writeTone(m_dir.filePath(t.file), t));
    platform().paths.programDirs = QStringList{m_dir.path()};

    // What is played: A, B, a missing file (the default sound), C.
    const QStringList asked{tones[0].asked, tones[1].asked, QStringLiteral("nosuch.WAV"), tones[3].asked};
    const QList<int> expectedMs{300, 200, 100, 400};
    const QList<double> expectedHz{440, 880, 630, 1260};

    const QString rawPath = m_dir.filePath(QStringLiteral("monitor.raw"));
    QProcess recorder;
    recorder.setStandardOutputFile(rawPath);
    recorder.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=") + monitor, QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                    QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                    QStringLiteral("--latency-msec=10")});
    QVERIFY2(recorder.waitForStarted(3000), "parec did not start");
    // Let the recording get going before the first clip.
    QElapsedTimer wait;
    wait.start();
    while (QFileInfo(rawPath).size() < 4410 && wait.elapsed() < 3000)
        QTest::qWait(20);
    QVERIFY2(QFileInfo(rawPath).size() > 0, "nothing recorded from the monitor");

    SinkWavePlayer player;
    QList<qint64> blockedMs;
    QElapsedTimer timer;
    timer.start();
    for (const QString& name : asked) {
        const qint64 before = timer.elapsed();
        player.play(name);
        blockedMs << timer.elapsed() - before;
    }
    const qint64 totalMs = timer.elapsed();
    QVERIFY(player.available());

    QTest::qWait(300);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(3000));

    // KITE_SOUND_TEST_KEEP=<file> keeps the recording for a closer look.
    const QString keep = qEnvironmentVariable("KITE_SOUND_TEST_KEEP");
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(rawPath, keep);
    }
    QFile raw(rawPath);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    std::vector<qint16> samples(size_t(bytes.size() / 2));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    const QList<Segment> segments = findTones(samples, expectedHz);

    QString report;
    for (int i = 0; i < asked.size(); ++i)
        report += QStringLiteral("%1 blocked %2 ms; ").arg(asked[i]).arg(blockedMs[i]);
    for (const Segment& s : segments)
        report += QStringLiteral("[%1 Hz at %2 ms, %3 ms] ").arg(s.hz).arg(s.startMs, 0, 'f', 1).arg(s.lengthMs, 0, 'f', 1);
    qInfo().noquote() << report;

    // Whole and in order: exactly the four tones, each at its full length.
    // The pipe sink of scripts/with-pulse.sh never rewinds, so its monitor is
    // exact. Other sinks rewind when a stream starts, and their monitor then
    // misses up to a few ms of each start that a listener does hear.
    const double tolerance = qEnvironmentVariableIsSet("KITE_PULSE_MONITOR") ? 3.0 : 6.0;
    QCOMPARE(segments.size(), asked.size());
    for (int i = 0; i < asked.size(); ++i) {
        QCOMPARE(segments[i].hz, expectedHz[i]);
        QVERIFY2(std::abs(segments[i].lengthMs - expectedMs[i]) < tolerance, qPrintable(report));
    }
    // One after another, with only short pauses between them.
    for (int i = 1; i < segments.size(); ++i) {
        const double gap = segments[i].startMs - (segments[i - 1].startMs + segments[i - 1].lengthMs);
        QVERIFY2(gap >= 0 && gap < 60, qPrintable(report));
    }

    // Each call blocks about as long as its clip is heard.
    const int sum = 300 + 200 + 100 + 400;
    QVERIFY2(totalMs >= sum - 20 && totalMs <= sum + 250, qPrintable(report));
    for (int i = 0; i < asked.size(); ++i)
        QVERIFY2(blockedMs[i] >= expectedMs[i] - 20 && blockedMs[i] <= expectedMs[i] + 200, qPrintable(report));
}

void TestSoundServer::noServerPlaysNothingAndReturnsAtOnce()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QFile config(home.filePath(QStringLiteral("client.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("autospawn = no\n");
    config.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + home.filePath(QStringLiteral("no-such-socket")));
    env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), config.fileName());
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(20000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(out + QString::fromUtf8(child.readAllStandardError())));

    const QStringList fields = out.trimmed().split(QLatin1Char(' '));
    QCOMPARE(fields.size(), 3);
    const int first = fields[0].section(QLatin1Char('='), 1).toInt();
    const int total = fields[1].section(QLatin1Char('='), 1).toInt();
    qInfo().noquote() << out.trimmed();
    QVERIFY2(first < 200, qPrintable(out));
    QVERIFY2(total < 200, qPrintable(out));
    QCOMPARE(fields[2], QStringLiteral("available=0"));
}

void TestSoundServer::windowKeepsPaintingWhileAClipPlays()
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        QSKIP("no sound server; run under scripts/with-pulse.sh");
    const Tone tone{QStringLiteral("long.wav"), QStringLiteral("LONG.WAV"), 523, 600, 22050, 1, SF_FORMAT_PCM_16};
    QVERIFY(writeTone(m_dir.filePath(tone.file), tone));
    platform().paths.programDirs = QStringList{m_dir.path()};

    // Counts the paints that happen while the clip is still playing.
    class PaintCounter : public QWidget {
    public:
        QElapsedTimer* clock = nullptr;
        qint64 playingUntil = 0;
        int paintsDuringClip = 0;

    protected:
        void paintEvent(QPaintEvent*) override
        {
            if (clock->isValid() && clock->elapsed() < playingUntil)
                ++paintsDuringClip;
        }
    };
    QElapsedTimer clock;
    PaintCounter window;
    window.clock = &clock;
    window.resize(200, 100);
    window.show();
    QTest::qWait(50);

    SinkWavePlayer player;
    player.play(tone.asked); // the first play opens the sink
    // Something asks for a repaint a little after the clip starts.
    QTimer::singleShot(150, &window, [&window] { window.update(); });
    clock.start();
    window.playingUntil = 550;
    player.play(tone.asked);
    QVERIFY2(clock.elapsed() >= 550, "the clip did not play to its end before returning");
    QVERIFY2(window.paintsDuringClip >= 1, "the window was not repainted while the clip played");
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildMode))
        return runChild();
    QApplication app(argc, argv);
    TestSoundServer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sound_server.moc"
