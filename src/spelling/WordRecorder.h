// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recordings of homework words, made in the background when a list is saved:
// every word without its own recording ("elephants" is said from
// "elephant.wav" in the data directory) is spoken with the voice of the
// program's recordings, one word at a time, by the voice command. A
// recording already there is never replaced (a parent's own voice wins);
// each new one is written under a hidden name of its run's own
// (".elephant.wav.<tag>.part") and renamed into place whole. The voice dies
// with the program; unfinished files older than an hour, left by a run that
// was killed, are removed when the next run starts.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QProcess;
class QProgressBar;
class QTimer;

namespace kt {

struct WordToRecord {
    QString word;     // as said: the slot's text without surrounding blanks
    QString fileName; // wordRecordingName(word)
    bool operator==(const WordToRecord&) const = default;
};

// The words of slots 1..count whose recording is missing from `dir` (looked
// up without regard to case, as the drill looks), one per recording name,
// the first word to use the name winning. Words whose name could not be a
// file name are left out.
QList<WordToRecord> missingRecordings(const QStringList& table, int count, const QString& dir);

// How a word is spoken: a program and its first arguments, followed by the
// word and the file to write. The installed say_word.sh beside the program,
// or the program named by KITE_VOICE_COMMAND (for trying another voice, and
// for tests). Exit status 0: written; 3: no voice installed; else failed.
QStringList voiceCommand();

class WordRecorder : public QObject {
    Q_OBJECT
public:
    explicit WordRecorder(QObject* parent = nullptr);
    // Stops the word being spoken; its unfinished file is removed.
    ~WordRecorder() override;

    // Speaks `words` into `dir`, one after the other. Does nothing while a
    // run is going on.
    void start(const QList<WordToRecord>& words, const QString& dir);
    // Stops at once and forgets the words left; the word being spoken leaves
    // no file behind. No signal follows.
    void cancel();
    bool isRunning() const { return m_process != nullptr; }
    int total() const { return int(m_words.size()); }
    int done() const { return m_done; }
    int made() const { return m_made; }
    int failed() const { return m_failed; }
    // What the editor tells the user once the run has finished: no voice
    // installed, or words the voice failed on. Empty when all went well.
    QString problem() const;

    // The longest one word may take before it counts as failed.
    static constexpr int WordTimeoutMs = 60000;

signals:
    // After each word, whatever became of it.
    void progress(int done, int total);
    // Once every word is done, or at once when no voice is installed (then
    // nothing was made).
    void finished(bool noVoice);

private:
    void speakNext();
    void wordEnded(int exitCode, bool crashed);
    void stop();
    QString partialPath() const;

    QList<WordToRecord> m_words;
    QString m_dir;
    QString m_runTag; // in the unfinished file's name: this run's own
    int m_done = 0, m_made = 0, m_failed = 0;
    bool m_noVoice = false;
    QProcess* m_process = nullptr;
    std::unique_ptr<QTemporaryDir> m_scratch; // the voice's own working files
    QTimer* m_watchdog;
};

// What both list editors do after a save: record the words that have no
// recording yet, showing the run in the editor's progress bar, tell once
// what went wrong, then go on.
class NewWordsRecording : public QObject {
    Q_OBJECT
public:
    NewWordsRecording(QProgressBar* bar, QObject* parent);

    // Records the words of slots 1..count of `table` that have no recording
    // in the data directory, then calls `next`. Returns false, after calling
    // `next` at once, when none is missing. While a run goes on, the request
    // waits for its end and then records what is missing by then.
    bool start(const QStringList& table, int count, std::function<void()> next = {});
    // Stops the run and forgets what was to follow; no file is left half made.
    void cancel();

signals:
    void progress(int done, int total);

private:
    void recorderFinished();

    QProgressBar* m_bar;
    WordRecorder* m_recorder;
    std::function<void()> m_next;
    std::function<bool()> m_again; // a request made while a run went on
};

} // namespace kt
