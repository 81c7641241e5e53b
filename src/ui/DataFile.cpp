// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DataFile.h"

#include "ui/Numbers.h"
#include "ui/PlainFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kt {

namespace {

bool isBlankByte(char c) { return c == ' ' || c == '\t'; }
bool isLineByte(char c) { return c == '\r' || c == '\n'; }

void setError(QString* error, const QString& path, const QString& reason)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
}

} // namespace

// ---------------------------------------------------------------- FieldWriter

void FieldWriter::separate()
{
    if (m_lineHasField)
        m_bytes.append(',');
    m_lineHasField = true;
}

void FieldWriter::text(const QString& value)
{
    QString clean = value;
    // Input # ends a quoted field at the next quote or line end whatever
    // follows, so neither may appear inside one.
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    separate();
    m_bytes.append('"');
    m_bytes.append(clean.toUtf8());
    m_bytes.append('"');
}

void FieldWriter::number(int value)
{
    separate();
    m_bytes.append(QByteArray::number(value));
}

void FieldWriter::number(double value)
{
    separate();
    m_bytes.append(plain(value).toLatin1());
}

void FieldWriter::endLine()
{
    m_bytes.append("\r\n");
    m_lineHasField = false;
}

// ---------------------------------------------------------------- FieldReader

FieldReader::FieldReader(QByteArray data) : m_data(std::move(data))
{
    settle();
}

bool FieldReader::atLineBreak() const
{
    return m_pos < m_data.size() && isLineByte(m_data.at(m_pos));
}

void FieldReader::consumeLineBreak()
{
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    if (m_pos < n && d[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < n && d[m_pos] == '\n')
            ++m_pos;
    } else if (m_pos < n && d[m_pos] == '\n') {
        ++m_pos;
    } else {
        return;
    }
    ++m_line;
    m_atLineStart = true;
}

void FieldReader::settle()
{
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    for (;;) {
        while (m_pos < n && isBlankByte(d[m_pos]))
            ++m_pos;
        if (!atLineBreak())
            break;
        consumeLineBreak();
    }
    if (m_pos >= n)
        m_atLineStart = true;
}

QString FieldReader::text()
{
    if (atEnd()) {
        m_pastEnd = true;
        return QString();
    }
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    qsizetype q = m_pos;
    QString value;
    if (d[q] == '"') {
        const qsizetype start = ++q;
        while (q < n && d[q] != '"' && !isLineByte(d[q]))
            ++q;
        value = QString::fromUtf8(d + start, q - start);
        if (q < n && d[q] == '"') {
            ++q;
            // Whatever stands between the closing quote and the separator is dropped.
            while (q < n && d[q] != ',' && !isLineByte(d[q]))
                ++q;
        }
    } else {
        const qsizetype start = q;
        while (q < n && d[q] != ',' && !isLineByte(d[q]))
            ++q;
        qsizetype end = q;
        while (end > start && isBlankByte(d[end - 1]))
            --end;
        value = QString::fromUtf8(d + start, end - start);
    }
    m_pos = q;
    m_atLineStart = false;
    if (m_pos < n && d[m_pos] == ',')
        ++m_pos; // a line end right after it is swallowed by settle()
    else
        consumeLineBreak();
    settle();
    return value;
}

double FieldReader::number()
{
    return val(text());
}

qint16 FieldReader::int16()
{
    return toInt16(number());
}

void FieldReader::skipLine()
{
    if (m_atLineStart)
        return;
    const char* d = m_data.constData();
    const qsizetype n = m_data.size();
    while (m_pos < n && !isLineByte(d[m_pos]))
        ++m_pos;
    consumeLineBreak();
    settle();
    m_atLineStart = true;
}

QList<QStringList> FieldReader::readAll(const QByteArray& data)
{
    QList<QStringList> lines;
    FieldReader reader(data);
    while (!reader.atEnd()) {
        if (reader.atLineStart() || lines.isEmpty())
            lines.append(QStringList());
        lines.last().append(reader.text());
    }
    return lines;
}

// ---------------------------------------------------------------- whole files

std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes, bool* cut)
{
    if (cut)
        *cut = false;
    const int fd = openPlainFile(path, O_RDONLY);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    maxBytes = qMax<qint64>(0, maxBytes);
    // Read in chunks rather than trusting size(): the file may grow while it
    // is read, and a cap of megabytes must not be reserved for a few bytes.
    QByteArray data;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 room = maxBytes - data.size();
        // One byte past the cap tells a file of exactly maxBytes from a longer one.
        const qint64 got = file.read(chunk, qMin<qint64>(sizeof chunk, room + 1));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (got > room) {
            data.append(chunk, room);
            if (cut)
                *cut = true;
            break;
        }
        data.append(chunk, got);
    }
    return data;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes)
{
    bool cut = false;
    std::optional<QByteArray> data = readFileStart(path, maxBytes, &cut);
    if (cut)
        return std::nullopt;
    return data;
}

namespace {

// Writes all of `bytes`. A write the kernel cuts short (full disk, file-size
// limit) reports no error of its own; writing the rest brings out the reason.
bool writeAll(QFileDevice& file, const QByteArray& bytes, QString* reason)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            *reason = file.errorString();
            if (file.error() == QFileDevice::NoError || reason->isEmpty())
                *reason = QStringLiteral("the data could not be written in full");
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error, Flush flush)
{
    // A link is refused, not replaced: the user meant the file it points
    // to, and writing there would change a file outside the folder.
    struct stat old;
    const bool existed = ::lstat(QFile::encodeName(path).constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        setError(error, path, notPlainFileReason());
        return false;
    }
    const QFileInfo target(path);
    // A hidden name of its own beside the target: rename() is atomic only
    // within one file system, and two copies saving at once never share one.
    QString temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.')
                    + QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFull, 36)
                    + QStringLiteral(".tmp");
        fd = ::open(QFile::encodeName(temporary).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        setError(error, path, qt_error_string(errno));
        return false;
    }
    if (existed)
        ::fchmod(fd, old.st_mode & 07777); // the file keeps who may read it
    QFile file;
    QString reason;
    // Unbuffered: every write reaches the temporary file at once, so a full
    // disk shows in the write's result, not in a flush nobody checks.
    bool written = file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    if (!written) {
        reason = file.errorString();
        ::close(fd);
    }
    written = written && writeAll(file, bytes, &reason);
    if (written && flush == Flush::ToDisk && ::fsync(fd) != 0) {
        reason = qt_error_string(errno);
        written = false;
    }
    file.close();
    // rename() replaces the name itself: even a link put there meanwhile is
    // replaced, never written through.
    if (written && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        reason = qt_error_string(errno);
        written = false;
    }
    if (!written) {
        ::unlink(QFile::encodeName(temporary).constData());
        setError(error, path, reason);
    }
    return written;
}

bool appendWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QString reason;
    bool created = false;
    int fd = openPlainFile(path, O_WRONLY | O_APPEND, &reason);
    if (fd < 0 && fileKind(path) == FileKind::Missing) {
        // O_EXCL: made here, so removed again if the record fails.
        fd = openPlainFile(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, &reason);
        created = fd >= 0;
    }
    QFile file;
    // Unbuffered: the one write goes straight to the file, so its result is
    // what reached the file and nothing is left to fail later in close().
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                             QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        setError(error, path, reason.isEmpty() ? file.errorString() : reason);
        return false;
    }
    const qint64 before = file.size();
    if (bytes.isEmpty()) {
        file.close();
        return true;
    }
    if (!writeAll(file, bytes, &reason)) {
        // A half line would make every later record read out of step.
        file.resize(before);
        file.close();
        if (created)
            ::unlink(QFile::encodeName(path).constData()); // no empty file for a record never written
        setError(error, path, reason);
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        setError(error, path, file.errorString());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- DirectoryLock

DirectoryLock::DirectoryLock(const QString& dir)
{
#ifdef Q_OS_UNIX
    m_fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    // A copy holds the lock only for one append; one that is stuck (stopped
    // in a debugger, a hung network drive) must not hang this program's exit,
    // so after a few seconds the write goes ahead unguarded.
    for (int attempt = 0; attempt < 250; ++attempt) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_locked = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;
        ::usleep(20 * 1000);
    }
#else
    Q_UNUSED(dir);
#endif
}

DirectoryLock::~DirectoryLock()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor releases the lock
#endif
}

} // namespace kt
