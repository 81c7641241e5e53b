// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SinkWavePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

#include "ui/PlainFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kt {
namespace {
constexpr qint64 kBufferUs = 100000;
} // namespace

QAudioFormat sinkAudioFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

bool decodeWaveFile(const QString& path, const QAudioFormat& format, QByteArray* pcm)
{
    pcm->clear();
    if (path.isEmpty() || format.sampleFormat() != QAudioFormat::Int16 || format.sampleRate() <= 0
        || format.channelCount() <= 0)
        return false;

    // Never a link, FIFO or device: a recording may come from anywhere.
    const int fd = openPlainFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    auto finish = [&] {
        if (file)
            sf_close(file);
        ::close(fd);
    };
    // The header can claim anything, and memory follows what it claims: a
    // recording longer than any phrase, or with more samples (all channels
    // counted) than such a phrase needs, is refused before anything is read.
    if (!file || info.channels <= 0 || info.channels > kMaxRecordingChannels || info.samplerate <= 0
        || info.frames <= 0 || info.frames > sf_count_t(info.samplerate) * kMaxRecordingSeconds
        || info.frames > kMaxRecordingSamples / info.channels) {
        finish();
        return false;
    }

    // Read in blocks, each mixed down at once, and never past the limit: a
    // stream may hold more than its header said.
    const int inChannels = info.channels;
    const sf_count_t limit = info.frames;
    std::vector<float> block(size_t(kRecordingBlockFrames) * size_t(inChannels));
    std::vector<float> mono;
    mono.reserve(size_t(limit));
    for (sf_count_t done = 0; done < limit;) {
        const sf_count_t n = sf_readf_float(file, block.data(), std::min<sf_count_t>(kRecordingBlockFrames, limit - done));
        if (n <= 0)
            break;
        for (sf_count_t i = 0; i < n; ++i) {
            float sum = 0;
            for (int c = 0; c < inChannels; ++c)
                sum += block[size_t(i) * size_t(inChannels) + size_t(c)];
            mono.push_back(sum / float(inChannels));
        }
        done += n;
    }
    finish();
    const sf_count_t got = sf_count_t(mono.size());
    if (got <= 0)
        return false;

    // The one signal goes to every output channel.
    const int outRate = format.sampleRate();
    const int outChannels = format.channelCount();
    const double step = double(info.samplerate) / outRate;
    const qint64 outFrames = info.samplerate == outRate
                                 ? qint64(got)
                                 : std::max<qint64>(1, std::llround(double(got) * outRate / info.samplerate));
    pcm->resize(outFrames * outChannels * qsizetype(sizeof(qint16)));
    auto* out = reinterpret_cast<qint16*>(pcm->data());
    const qint64 last = qint64(got) - 1;
    for (qint64 i = 0; i < outFrames; ++i) {
        float sample;
        if (info.samplerate == outRate) {
            sample = mono[size_t(i)];
        } else {
            const double pos = i * step;
            const qint64 k = std::min<qint64>(qint64(pos), last);
            const double frac = pos - double(k);
            const float a = mono[size_t(k)];
            const float b = mono[size_t(std::min(k + 1, last))];
            sample = float(a + (b - a) * frac);
        }
        const qint16 value = qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
        for (int c = 0; c < outChannels; ++c)
            out[i * outChannels + c] = qToLittleEndian(value);
    }
    return true;
}

struct SinkWavePlayer::Impl {
    ProgramFileFinder findProgramFile;
    QAudioFormat format = sinkAudioFormat();
    QPointer<QAudioSink> sink;
    QIODevice* io = nullptr;
    bool unavailable = false;

    // Bytes handed to the player but not yet taken by the sink. Calls that
    // arrive while another is waiting (a paint handler that speaks) append
    // here, so every clip is heard whole and in call order.
    QByteArray pending;
    qint64 queuedTotal = 0;  // bytes queued since the sink started
    qint64 writtenTotal = 0; // bytes the sink has taken

    // A clip cannot be heard before it has had time to play: the wall-clock
    // moment the queue's end can be heard at the earliest. It guards against a
    // stale timing report from the server, which would end a clip early.
    QElapsedTimer wall;
    qint64 earliestEndUs = 0;

    bool ensureSink();
    void dropSink();
    void feed();
    qint64 bytesToUs(qint64 bytes) const
    {
        return bytes * 1000000 / format.bytesPerFrame() / format.sampleRate();
    }
    bool waitUntilHeard(qint64 endMark, qint64 endWallUs, qint64 deadlineUs);
};

bool SinkWavePlayer::Impl::ensureSink()
{
    if (unavailable)
        return false;
    if (sink && io && sink->state() != QAudio::StoppedState)
        return true;
    dropSink();
    if (!QCoreApplication::instance()) {
        unavailable = true;
        return false;
    }

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        unavailable = true;
        return false;
    }
    // Parented to the application so it goes away with the sound system's
    // own objects, before static destruction.
    sink = new QAudioSink(device, format, QCoreApplication::instance());
    // A short buffer (100 ms) keeps the server's start threshold low, so a
    // clip starts as soon as its first 80 ms or so are written; the 5 ms feed
    // keeps it far from running dry.
    sink->setBufferSize(format.bytesForDuration(kBufferUs));
    // Without a sound server start() fails at once and reports no state
    // change: look at the state and error right away.
    io = sink->start();
    if (!io || sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        dropSink();
        unavailable = true;
        return false;
    }
    queuedTotal = writtenTotal = 0;
    pending.clear();
    if (!wall.isValid())
        wall.start();
    earliestEndUs = 0;
    return true;
}

void SinkWavePlayer::Impl::dropSink()
{
    io = nullptr;
    pending.clear();
    if (sink) {
        QAudioSink* old = sink;
        sink = nullptr;
        old->stop();
        delete old;
    }
}

void SinkWavePlayer::Impl::feed()
{
    if (!sink || !io || pending.isEmpty())
        return;
    const qsizetype frame = format.bytesPerFrame();
    qsizetype room = sink->bytesFree();
    room -= room % frame;
    if (room <= 0)
        return;
    const qint64 n = io->write(pending.constData(), std::min<qsizetype>(room, pending.size()));
    if (n > 0) {
        pending.remove(0, n);
        writtenTotal += n;
    }
}

bool SinkWavePlayer::Impl::waitUntilHeard(qint64 endMark, qint64 endWallUs, qint64 deadlineUs)
{
    const qint64 endUs = bytesToUs(endMark);
    auto done = [&] {
        if (!sink || sink->state() == QAudio::StoppedState)
            return true; // the server went away: nothing more will be heard
        feed();
        return writtenTotal >= endMark && sink->processedUSecs() >= endUs && wall.nsecsElapsed() / 1000 >= endWallUs;
    };
    if (done())
        return true;

    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(5);
    bool heard = false;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done()) {
            heard = true;
            loop.quit();
        } else if (wall.nsecsElapsed() / 1000 >= deadlineUs) {
            loop.quit();
        }
    });
    tick.start();
    // Paint and sound-system events go on; clicks and keys wait in the queue.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return heard;
}

SinkWavePlayer::SinkWavePlayer(ProgramFileFinder findProgramFile) : d(std::make_unique<Impl>())
{
    d->findProgramFile = std::move(findProgramFile);
}

SinkWavePlayer::~SinkWavePlayer()
{
    // The sink may already be gone with the application.
    if (d->sink && QCoreApplication::instance())
        d->dropSink();
}

bool SinkWavePlayer::available() const { return !d->unavailable; }

void SinkWavePlayer::play(const QString& name)
{
    if (d->unavailable)
        return;

    QByteArray pcm;
    // A full path is the user's own recording (a spelling word); a bare name
    // is one of the program's.
    const bool own = QDir::isAbsolutePath(name);
    const QString file = own ? name : d->findProgramFile(name);
    if (!decodeWaveFile(file, d->format, &pcm)) {
        // A user's recording refused (too long, too large, not a plain file)
        // is as if it were missing: the drill spells the word instead.
        if (own || !decodeWaveFile(d->findProgramFile(QStringLiteral("default.wav")), d->format, &pcm))
            return;
    }

    if (!d->ensureSink())
        return;

    const qint64 nowUs = d->wall.nsecsElapsed() / 1000;
    const qint64 clipUs = d->bytesToUs(pcm.size());
    d->pending.append(pcm);
    d->queuedTotal += pcm.size();
    const qint64 endMark = d->queuedTotal;
    d->earliestEndUs = std::max(d->earliestEndUs, nowUs) + clipUs;
    const qint64 endWallUs = d->earliestEndUs;
    // After an underrun the server waits for nearly a full buffer before it
    // plays again, so a clip shorter than the buffer would never start: follow
    // it with silence up to the buffer's length. The wait ends with the clip.
    const qsizetype frame = d->format.bytesPerFrame();
    qsizetype padding = std::max<qsizetype>(0, d->sink->bufferSize() - pcm.size());
    padding -= padding % frame;
    if (padding > 0) {
        d->pending.append(QByteArray(padding, '\0'));
        d->queuedTotal += padding;
        d->earliestEndUs += d->bytesToUs(padding);
    }
    // A sink that stops taking data must not hang the program.
    const qint64 deadlineUs = endWallUs + 2000000;

    if (!d->waitUntilHeard(endMark, endWallUs, deadlineUs)) {
        // Stalled: start afresh with a new sink on the next clip.
        d->dropSink();
    }
}

} // namespace kt
