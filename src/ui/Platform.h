// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services every window uses, behind small interfaces so a test
// can put a fixed clock, a scripted random source or a recording wave player in
// their place. Windows reach them through kt::platform().
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <memory>

class QWidget;

namespace kt {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime timeOfDay() const = 0;
    // Seconds since midnight with fractions, the classic random seed.
    double secondsSinceMidnight() const;
};

// The one shared generator of uniform values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Windows reseed from the clock before they draw a question.
    virtual void reseedFromClock(const Clock& clock) = 0;
};

// Plays one recording by the bare name the program formed ("7.WAV"), or by
// full path for a user's own recording in the data directory, to its end,
// before returning. A missing file plays the default sound instead.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play(const QString& name) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// Where the program's own files and the user's files live, and the
// case-insensitive lookups the program relies on.
class Paths {
public:
    // Program directories in search order: the program directory (see
    // programDirectory()); tests put their own in place.
    QStringList programDirs;
    // The user's data location with a trailing "/": the stand-in for the
    // Windows directory.
    QString windowsDir;

    // The existing file in `dir` whose name matches `name` without regard to
    // case, as a full path; empty when there is none. Only plain files count:
    // never a link, FIFO, device or folder (see ui/PlainFile.h).
    static QString findInDir(const QString& dir, const QString& name);
    // A program file (recording, picture, word list) by bare name; empty when
    // no program directory holds it.
    QString findProgramFile(const QString& name) const;
    // File names (not paths) in `dir` matching a wildcard pattern such as
    // "*.scr", without regard to case, in directory order (sorted by name).
    // Plain files with usable names only, as plainFiles() lists them.
    static QStringList match(const QString& dir, const QString& pattern);
    // The plain files of `dir` whose names the program can use, by name.
    static QStringList plainFiles(const QString& dir);
    // A name without control characters (a line break would show as two
    // lines) that the file system's encoding holds as it is.
    static bool isUsableName(const QString& name);
};

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Exclamation, Stop, Question };
enum class MsgResult { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title;             // "Kite-Tutor" unless a window says otherwise
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgResult defaultButton = MsgResult::Ok;
};
using MessageHandler = std::function<MsgResult(const MessageRequest&)>;

struct Platform {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<WavePlayer> wavePlayer;
    std::unique_ptr<Beeper> beeper;
    Paths paths;
    MessageHandler messageHandler;
    // Ends the program (the main window's exit); tests record it instead.
    std::function<void()> endProgram;
};

Platform& platform();

// The folder of the program's own files (recordings, pictures, word lists):
// KITE_MEDIA_DIR when it is set, else ../share/kite-tutor beside the
// executable.
QString programDirectory();

// The real services of a desktop session: system clock, the classic linear
// congruential generator, the sound server, the user's data location.
void installDesktopPlatform();

// The program's own generator: the classic 24-bit linear congruential one.
std::unique_ptr<RandomSource> makeClassicRandom();

// The window a message box belongs to and is centred over: the active
// window, else the newest visible window of the program; null when none.
QWidget* messageBoxOwner();

// Shorthands used all over the windows.
double rnd();                     // next value of the shared generator
void randomize();                 // reseed from the clock
void beep();
MsgResult msgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString(),
                 MsgResult defaultButton = MsgResult::Ok);

} // namespace kt
