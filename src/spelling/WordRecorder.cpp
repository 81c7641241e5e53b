// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/WordRecorder.h"

#include "shell/SessionState.h"
#include "spelling/WordFiles.h"
#include "ui/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <ctime>
#include <unistd.h>

namespace kt {

namespace {
constexpr int NoVoiceExitCode = 3;

// Unfinished recordings left by a run that was killed (the program ended
// with kill -9, the computer lost power) go when the next run starts. Ones
// younger than an hour may belong to another copy of the program at work.
void removeStalePartials(const QString& dir)
{
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    const time_t cutoff = ::time(nullptr) - 3600;
    for (const QString& name : entries) {
        if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(QStringLiteral(".part")))
            continue;
        const QByteArray path = QFile::encodeName(dir + QLatin1Char('/') + name);
        struct stat st;
        if (::lstat(path.constData(), &st) == 0 && st.st_mtime < cutoff)
            ::unlink(path.constData());
    }
}
} // namespace

QList<WordToRecord> missingRecordings(const QStringList& table, int count, const QString& dir)
{
    QList<WordToRecord> missing;
    QSet<QString> named;
    for (int slot = 1; slot <= qMin(count, spelling::MaxWords); ++slot) {
        const QString word = wordAt(table, slot);
        const QString name = wordRecordingName(word);
        if (name.isEmpty() || named.contains(name.toLower()))
            continue;
        named.insert(name.toLower());
        if (Paths::findInDir(dir, name).isEmpty())
            missing.append({word, name});
    }
    return missing;
}

QStringList voiceCommand()
{
    const QString chosen = qEnvironmentVariable("KITE_VOICE_COMMAND");
    if (!chosen.isEmpty())
        return {chosen};
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString script = QDir::cleanPath(appDir + QStringLiteral("/../" KITE_WORD_VOICE_SUBPATH));
    if (appDir.isEmpty() || !QFileInfo(script).isFile())
        return {};
    return {QStringLiteral("sh"), script};
}

WordRecorder::WordRecorder(QObject* parent) : QObject(parent), m_watchdog(new QTimer(this))
{
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(WordTimeoutMs);
    // A voice that hangs must not hold up the rest of the list.
    connect(m_watchdog, &QTimer::timeout, this, [this] {
        stop();
        wordEnded(-1, true);
    });
}

WordRecorder::~WordRecorder() { stop(); }

void WordRecorder::start(const QList<WordToRecord>& words, const QString& dir)
{
    if (isRunning())
        return;
    m_words = words;
    m_dir = dir;
    m_done = m_made = m_failed = 0;
    m_noVoice = false;
    // Two copies recording the same word must not share one unfinished file.
    m_runTag = QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFull, 36);
    removeStalePartials(dir);
    if (m_words.isEmpty()) {
        emit finished(false);
        return;
    }
    if (voiceCommand().isEmpty()) {
        m_noVoice = true;
        emit finished(true);
        return;
    }
    speakNext();
}

QString WordRecorder::problem() const
{
    if (m_noVoice)
        return QStringLiteral("The words are saved, but they can't be recorded: no voice is installed on this "
                              "computer (festival or espeak-ng).  The drill will spell them without saying them.");
    if (m_failed == 1)
        return QStringLiteral("The words are saved, but 1 of them could not be recorded.  The drill will spell "
                              "it without saying it.");
    if (m_failed > 1)
        return QStringLiteral("The words are saved, but %1 of them could not be recorded.  The drill will spell "
                              "those without saying them.")
            .arg(m_failed);
    return {};
}

QString WordRecorder::partialPath() const
{
    // Hidden, and never the name the drill looks up.
    return m_dir + QStringLiteral("/.") + m_words.at(m_done).fileName + QLatin1Char('.') + m_runTag
           + QStringLiteral(".part");
}

void WordRecorder::speakNext()
{
    if (m_done >= m_words.size()) {
        m_scratch.reset();
        emit finished(false);
        return;
    }
    if (!m_scratch)
        m_scratch = std::make_unique<QTemporaryDir>();
    QStringList command = voiceCommand();
    const QString program = command.takeFirst();
    command << m_words.at(m_done).word << partialPath();

    m_process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (m_scratch->isValid())
        environment.insert(QStringLiteral("TMPDIR"), m_scratch->path());
    m_process->setProcessEnvironment(environment);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // Its own process group, so stopping ends the synthesizer it starts too;
    // and it dies with the program, even one killed outright.
    const pid_t self = ::getpid();
    m_process->setChildProcessModifier([self] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != self) // the program ended before the line above
            ::_exit(1);
    });
    connect(m_process, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { wordEnded(exitCode, status == QProcess::CrashExit); });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            wordEnded(NoVoiceExitCode, false);
    });
    m_watchdog->start();
    m_process->start(program, command);
}

void WordRecorder::wordEnded(int exitCode, bool crashed)
{
    if (!m_process && !crashed)
        return;
    m_watchdog->stop();
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
        m_process = nullptr;
    }
    const WordToRecord current = m_words.at(m_done);
    const QString partial = partialPath();
    if (!crashed && exitCode == NoVoiceExitCode) {
        QFile::remove(partial);
        m_words.clear();
        m_done = 0;
        m_scratch.reset();
        m_noVoice = true;
        emit finished(true);
        return;
    }
    // A recording put there meanwhile (a parent's own) stays: it counts as
    // neither made nor failed, and rename never replaces a file anyway.
    if (Paths::findInDir(m_dir, current.fileName).isEmpty()) {
        const bool made = !crashed && exitCode == 0 && QFileInfo(partial).size() > 0
                          && QFile::rename(partial, m_dir + QLatin1Char('/') + current.fileName);
        ++(made ? m_made : m_failed);
    }
    QFile::remove(partial);
    ++m_done;
    emit progress(m_done, int(m_words.size()));
    speakNext();
}

void WordRecorder::cancel()
{
    stop();
    m_words.clear();
    m_done = 0;
}

void WordRecorder::stop()
{
    m_watchdog->stop();
    if (!m_process)
        return;
    m_process->disconnect(this);
    const qint64 pid = m_process->processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    m_process->kill();
    m_process->waitForFinished(3000);
    delete m_process;
    m_process = nullptr;
    if (m_done < m_words.size())
        QFile::remove(partialPath());
    m_scratch.reset();
}

NewWordsRecording::NewWordsRecording(QProgressBar* bar, QObject* parent)
    : QObject(parent), m_bar(bar), m_recorder(new WordRecorder(this))
{
    m_bar->hide();
    connect(m_recorder, &WordRecorder::progress, this, [this](int done, int total) {
        m_bar->setValue(done);
        emit progress(done, total);
    });
    connect(m_recorder, &WordRecorder::finished, this, &NewWordsRecording::recorderFinished);
}

bool NewWordsRecording::start(const QStringList& table, int count, std::function<void()> next)
{
    if (m_recorder->isRunning()) {
        m_again = [this, table, count, next] { return start(table, count, next); };
        return true;
    }
    const QString dir = session().dataDirectory();
    const QList<WordToRecord> missing = missingRecordings(table, count, dir);
    if (missing.isEmpty()) {
        if (next)
            next();
        return false;
    }
    m_next = std::move(next);
    m_bar->setRange(0, int(missing.size()));
    m_bar->setValue(0);
    m_bar->show();
    emit progress(0, int(missing.size()));
    m_recorder->start(missing, dir);
    return true;
}

void NewWordsRecording::cancel()
{
    m_next = {};
    m_again = {};
    m_recorder->cancel();
}

void NewWordsRecording::recorderFinished()
{
    m_bar->hide();
    if (!m_recorder->problem().isEmpty())
        msgBox(m_recorder->problem());
    if (auto again = std::exchange(m_again, {}))
        again();
    else if (auto next = std::exchange(m_next, {}))
        next();
}

} // namespace kt
