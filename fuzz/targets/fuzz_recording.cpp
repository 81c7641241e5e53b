// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings: any bytes under a recording's name, in any format the sound
// library opens whatever the name (WAV, FLAC, Ogg, AIFF, ...), decode within
// the recording limits or are refused. The test runs with -malloc_limit_mb=64:
// no single allocation may pass the memory bound of a recording.
#include "Check.h"
#include "InputFile.h"
#include "ui/SinkWavePlayer.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString path = writeInputFile(QStringLiteral("word.wav"), inputBytes(bytes, size));

    const QAudioFormat format = kt::sinkAudioFormat();
    QByteArray pcm;
    const bool decoded = kt::decodeWaveFile(path, format, &pcm);
    KITE_CHECK(decoded != pcm.isEmpty());
    // Never longer than the longest recording allowed, whatever the header said.
    const qint64 longest = qint64(kt::kMaxRecordingSeconds) * format.sampleRate() * format.bytesPerFrame();
    KITE_CHECK(pcm.size() <= longest + format.bytesPerFrame());
    KITE_CHECK(pcm.size() % format.bytesPerFrame() == 0);
    return 0;
}
