// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real wave player: decodes a recording with libsndfile and plays it
// through one long-lived audio sink of the desktop's sound server, returning
// when the clip has been heard to its end.
//
// One sink, fed in push mode and never stopped between clips, is what makes
// consecutive pieces ("three hundred" "forty" "seven") follow each other with
// only a few milliseconds between them; a sink per clip cuts the ends of words.
#include "ui/Platform.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace kt {

// The one format every clip is converted to before it reaches the sink:
// 44100 Hz (the sound server's own rate, so it need not resample), mono,
// signed 16-bit.
QAudioFormat sinkAudioFormat();

// What one recording may be: the program's longest phrase lasts a few
// seconds. The limits hold whatever the header claims, so decoding any file
// costs a few tens of megabytes at most (docs/sound.md has the figures).
inline constexpr int kMaxRecordingSeconds = 30;
inline constexpr qint64 kMaxRecordingSamples = 4 * 1024 * 1024; // frames x channels
inline constexpr int kMaxRecordingChannels = 64;
inline constexpr qint64 kRecordingBlockFrames = 4096;

// Reads a sound file with libsndfile (any format it understands, whatever the
// name: WAV with PCM 8-32 bit, float, IMA and MS ADPCM, GSM, ...; FLAC, Ogg,
// AIFF, ...) and converts it to `format` (Int16 only): channels mixed down or
// copied, the rate changed by linear interpolation. Only a plain file is
// opened (ui/PlainFile.h). Returns false, leaving `pcm` empty, when the file
// cannot be read, holds no samples, or is refused: longer than
// kMaxRecordingSeconds or more than kMaxRecordingSamples samples by its
// header. It is read in blocks and never past what the header said.
bool decodeWaveFile(const QString& path, const QAudioFormat& format, QByteArray* pcm);

// Finds a program file by bare name, as Paths::findProgramFile does.
using ProgramFileFinder = std::function<QString(const QString& name)>;

class SinkWavePlayer : public WavePlayer {
public:
    // The finder is the platform's lookup unless one is given: the sound
    // module, loaded at the first sound, is handed the program's own.
    explicit SinkWavePlayer(ProgramFileFinder findProgramFile = [](const QString& name) {
        return platform().paths.findProgramFile(name);
    });
    ~SinkWavePlayer() override;

    // Plays the program file `name` (found without regard to case); a file
    // that is missing or unreadable plays "default.wav" instead, and nothing
    // when that is missing too. A full path (a user's own recording) that
    // cannot be decoded plays nothing, as if it were missing. Returns when the sound has been heard, at once
    // when there is no sound server.
    void play(const QString& name) override;

    // False once the sound server was found missing or failed; the player
    // then stays silent for the rest of the program.
    bool available() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kt
