// SPDX-License-Identifier: GPL-3.0-or-later
// How "347" sounds through the real player: the silence between its three
// pieces, the delay from the call to the first sample at the sink, and how
// much of each piece is heard. Run it under a sound server with a monitor:
//
//   scripts/with-pulse.sh build/bin/bench_speech [media-dir] [repetitions]
//
// The media directory defaults to $KITE_MEDIA_DIR; pieces missing there are
// made with espeak-ng into a temporary directory.
#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "ui/Platform.h"
#include "ui/SinkWavePlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace kt;

namespace {

constexpr int kRate = 44100;
const QStringList kPieces{QStringLiteral("300.WAV"), QStringLiteral("40.WAV"), QStringLiteral("7.WAV")};
const QStringList kPhrases{QStringLiteral("three hundred"), QStringLiteral("forty"), QStringLiteral("seven")};

struct Clip {
    qint64 frames = 0;  // whole clip at the sink's rate
    qint64 lead = 0;    // exact-zero samples at its start
    qint64 trail = 0;   // and at its end
    qint64 content() const { return frames - lead - trail; }
};

Clip measureClip(const QString& path)
{
    Clip clip;
    QByteArray pcm;
    if (!decodeWaveFile(path, sinkAudioFormat(), &pcm))
        return clip;
    const auto* x = reinterpret_cast<const qint16*>(pcm.constData());
    clip.frames = pcm.size() / 2;
    while (clip.lead < clip.frames && x[clip.lead] == 0)
        ++clip.lead;
    while (clip.trail < clip.frames - clip.lead && x[clip.frames - 1 - clip.trail] == 0)
        ++clip.trail;
    return clip;
}

double ms(double frames) { return frames * 1000.0 / kRate; }

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The longest run of exact zeros that overlaps [from, to).
std::pair<qint64, qint64> longestZeroRun(const std::vector<qint16>& x, qint64 from, qint64 to)
{
    from = std::max<qint64>(0, from);
    to = std::min<qint64>(qint64(x.size()), to);
    std::pair<qint64, qint64> best{-1, 0};
    qint64 i = from;
    while (i < to) {
        if (x[size_t(i)] != 0) {
            ++i;
            continue;
        }
        qint64 a = i;
        while (a > 0 && x[size_t(a - 1)] == 0)
            --a;
        qint64 b = i;
        while (b < qint64(x.size()) && x[size_t(b)] == 0)
            ++b;
        if (b - a > best.second)
            best = {a, b - a};
        i = b;
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString mediaDir = args.size() > 1 ? args[1] : qEnvironmentVariable("KITE_MEDIA_DIR");
    const int repetitions = args.size() > 2 ? std::max(1, args[2].toInt()) : 20;

    installDesktopPlatform();
    QTemporaryDir spoken;
    QStringList dirs;
    if (!mediaDir.isEmpty())
        dirs << mediaDir;
    for (int i = 0; i < kPieces.size(); ++i) {
        if (!mediaDir.isEmpty() && !Paths::findInDir(mediaDir, kPieces[i]).isEmpty())
            continue;
        const QString out = spoken.filePath(kPieces[i]);
        if (QProcess::execute(QStringLiteral("espeak-ng"), {QStringLiteral("-z"), QStringLiteral("-w"), out, kPhrases[i]}) != 0) {
            std::fprintf(stderr, "bench_speech: %s is missing and espeak-ng failed\n", qPrintable(kPieces[i]));
            return 1;
        }
    }
    dirs.prepend(spoken.path()); // only holds what the media directory lacks
    platform().paths.programDirs = dirs;
    session().SoundOn = 1;

    std::vector<Clip> clips;
    for (const QString& piece : kPieces) {
        const QString path = platform().paths.findProgramFile(piece);
        clips.push_back(measureClip(path));
        std::printf("%-8s %s: %.1f ms, %.1f ms silent at the start, %.1f ms at the end\n", qPrintable(piece),
                    qPrintable(path), ms(clips.back().frames), ms(clips.back().lead), ms(clips.back().trail));
        if (clips.back().content() <= 0)
            return 1;
    }

    QString monitor = qEnvironmentVariable("KITE_PULSE_MONITOR");
    if (monitor.isEmpty()) {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("get-default-sink")});
        pactl.waitForFinished(3000);
        const QString sink = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
        if (!sink.isEmpty())
            monitor = sink + QStringLiteral(".monitor");
    }
    if (monitor.isEmpty()) {
        std::fprintf(stderr, "bench_speech: no sound server; run it under scripts/with-pulse.sh\n");
        return 1;
    }

    // The recording is read as it arrives: the earliest arrival of each sample
    // count, less that many samples' time, dates the recording's first sample.
    QElapsedTimer wall;
    wall.start();
    QByteArray recorded;
    double recordingStartNs = 1e300;
    QProcess recorder;
    QObject::connect(&recorder, &QProcess::readyReadStandardOutput, [&] {
        recorded += recorder.readAllStandardOutput();
        const double t = double(wall.nsecsElapsed()) - double(recorded.size() / 2) * 1e9 / kRate;
        recordingStartNs = std::min(recordingStartNs, t);
    });
    recorder.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=") + monitor, QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                    QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                    QStringLiteral("--latency-msec=5")});
    if (!recorder.waitForStarted(3000)) {
        std::fprintf(stderr, "bench_speech: parec did not start\n");
        return 1;
    }
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    std::vector<double> callNs;
    std::vector<double> callMs;
    for (int r = 0; r < repetitions; ++r) {
        const double t0 = double(wall.nsecsElapsed());
        SayNumber(QStringLiteral("347"));
        const double t1 = double(wall.nsecsElapsed());
        callNs.push_back(t0);
        callMs.push_back((t1 - t0) / 1e6);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    recorder.terminate();
    recorder.waitForFinished(3000);
    recorded += recorder.readAllStandardOutput();

    std::vector<qint16> x(size_t(recorded.size() / 2));
    std::memcpy(x.data(), recorded.constData(), x.size() * 2);

    // Each repetition: from the first non-zero sample after its call on.
    std::vector<double> gaps, delays, heard, overhead;
    double worstHeard = 1e9;
    for (int r = 0; r < repetitions; ++r) {
        qint64 i = qint64((callNs[size_t(r)] - recordingStartNs) * kRate / 1e9);
        i = std::max<qint64>(0, i);
        while (i < qint64(x.size()) && x[size_t(i)] == 0)
            ++i;
        if (i >= qint64(x.size()))
            break;
        const qint64 start = i;
        delays.push_back((recordingStartNs + double(start) * 1e9 / kRate - callNs[size_t(r)]) / 1e6);

        // Piece boundaries: the zero run where each piece's content should end.
        const qint64 b1Expected = start + clips[0].content();
        const auto run1 = longestZeroRun(x, b1Expected - 220, b1Expected + clips[0].trail + 2205);
        const qint64 b2Expected = run1.first + run1.second + clips[1].content();
        const auto run2 = longestZeroRun(x, b2Expected - 220, b2Expected + clips[1].trail + 2205);
        if (run1.first < 0 || run2.first < 0)
            continue;

        const double gap1 = ms(run1.second - clips[0].trail - clips[1].lead);
        const double gap2 = ms(run2.second - clips[1].trail - clips[2].lead);
        gaps.push_back(gap1);
        gaps.push_back(gap2);
        const double h1 = double(run1.first - start) / clips[0].content();
        const double h2 = double(run2.first - (run1.first + run1.second)) / clips[1].content();
        // The last piece may hold zeros inside; measure it up to its expected end.
        qint64 last = run2.first + run2.second;
        qint64 lastNonZero = last;
        for (qint64 k = last; k < std::min<qint64>(qint64(x.size()), last + clips[2].content() + 4410); ++k)
            if (x[size_t(k)] != 0)
                lastNonZero = k + 1;
        const double h3 = double(lastNonZero - last) / clips[2].content();
        for (double h : {h1, h2, h3}) {
            heard.push_back(h);
            worstHeard = std::min(worstHeard, h);
        }
        const double span = ms(lastNonZero - start);
        overhead.push_back(callMs[size_t(r)] - span - ms(clips[0].lead + clips[2].trail));
    }

    if (gaps.empty()) {
        std::fprintf(stderr, "bench_speech: nothing recognisable was recorded\n");
        return 1;
    }
    std::printf("repetitions analysed: %zu of %d\n", gaps.size() / 2, repetitions);
    std::printf("gap between pieces: median %.1f ms, max %.1f ms, min %.1f ms\n", median(gaps),
                *std::max_element(gaps.begin(), gaps.end()), *std::min_element(gaps.begin(), gaps.end()));
    std::printf("call to first sample at the sink: median %.1f ms, max %.1f ms\n", median(delays),
                *std::max_element(delays.begin(), delays.end()));
    std::printf("share of each piece heard: median %.1f %%, worst %.1f %%\n", median(heard) * 100, worstHeard * 100);
    std::printf("SayNumber(\"347\") call time beyond the sound itself: median %.1f ms, max %.1f ms\n",
                median(overhead), *std::max_element(overhead.begin(), overhead.end()));
    return 0;
}
