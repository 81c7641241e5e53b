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

// Reads a sound file with libsndfile (any WAV it understands: PCM 8-32 bit,
// float, IMA and MS ADPCM, GSM, ...) and converts it to `format` (Int16 only):
// channels mixed down or copied, the rate changed by linear interpolation.
// Returns false, leaving `pcm` empty, when the file cannot be read or holds
// no samples.
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
    // when that is missing too. Returns when the sound has been heard, at once
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
