// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ScoreRecords.h"

#include "ui/DataFile.h"
#include "ui/SafeFileName.h"
#include "ui/Numbers.h"
#include "ui/PlainFile.h"
#include "ui/Platform.h"

#include <QDir>
#include <QFile>

namespace kt {

namespace {

// True when the file exists and its last line has no line end, as after a
// hand edit or a crash of some other program: a record appended straight on
// would merge with that line and both would be unreadable.
bool endsInsideLine(const QString& path)
{
    // Opened as every data file is: a FIFO under the name must not hang the
    // exit while the folder is locked.
    const int fd = openPlainFile(path, O_RDONLY);
    QFile file;
    if (fd >= 0 && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        ::close(fd);
    if (!file.isOpen() || file.size() == 0)
        return false;
    if (!file.seek(file.size() - 1))
        return false;
    char last = 0;
    if (!file.getChar(&last))
        return false;
    return last != '\n' && last != '\r';
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QString safeUserName(const QString& typed)
{
    return safeFileStem(typed);
}

QString recordName(const QString& name)
{
    const QString safe = safeUserName(name);
    return safe.isEmpty() ? QStringLiteral("Unknown") : safe;
}

bool isScoreFileStem(const QString& stem)
{
    return !stem.contains(QLatin1Char('.')) && isSafeFileName(stem);
}

QString findScoreFile(const QString& name)
{
    if (!isScoreFileStem(name))
        return {};
    return Paths::findInDir(session().dataDirectory(), name + QStringLiteral(".scr"));
}

QString scoreFilePath(const QString& name)
{
    if (name.isEmpty() || safeUserName(name) != name)
        return {};
    const QString existing = findScoreFile(name);
    return existing.isEmpty() ? session().dataDirectory() + QLatin1Char('/') + name + QStringLiteral(".scr")
                              : existing;
}

QByteArray scoreRecordLine(const ScoreRecord& record)
{
    FieldWriter writer;
    writer.text(recordDate(record.date));
    writer.text(recordTime(record.time));
    writer.text(record.name);
    for (const qint16 score : record.scores)
        writer.number(int(score));
    writer.endLine();
    return writer.bytes();
}

QList<ScoreRecord> readScoreRecords(const QByteArray& bytes)
{
    QList<ScoreRecord> records;
    FieldReader reader(bytes);
    while (!reader.atEnd()) {
        const int line = reader.line();
        bool complete = true;
        // A field of this line only: a short line must not borrow from the next.
        auto field = [&]() -> QString {
            if (reader.atEnd() || reader.line() != line) {
                complete = false;
                return {};
            }
            return reader.text();
        };
        ScoreRecord record;
        record.date = parseRecordDate(field());
        record.time = QTime::fromString(field(), QStringLiteral("HH:mm:ss"));
        record.name = field();
        for (qint16& score : record.scores)
            score = toInt16(val(field()));
        // Anything after the ninth score is not part of the record.
        if (!reader.atEnd() && reader.line() == line)
            reader.skipLine();
        if (complete && record.date.isValid())
            records.append(record);
    }
    return records;
}

QList<ScoreRecord> readScoreFile(const QString& path, qint64 maxBytes)
{
    bool cut = false;
    QByteArray bytes = readFileStart(path, maxBytes, &cut).value_or(QByteArray());
    if (cut) {
        // Cut off: only whole lines count, a half record would show wrong numbers.
        const qsizetype lastEnd = qMax(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(lastEnd + 1);
    }
    return readScoreRecords(bytes);
}

QString scoreDisplayLine(const ScoreRecord& record)
{
    QString line = mediumDate(record.date);
    for (const qint16 score : record.scores)
        line += QStringLiteral("   ") + zeroPadded(score, 4);
    return line;
}

bool WriteScoreRecord(const QString& name, QString* error)
{
    SessionState& s = session();
    const QString stem = recordName(name);
    s.RecordBuffer.date = platform().clock->today();
    s.RecordBuffer.time = platform().clock->timeOfDay();
    s.RecordBuffer.name = stem;
    s.RecordBuffer.scores = s.currentScores();
    const QByteArray record = scoreRecordLine(s.RecordBuffer);

    // The directory is made at start-up; if it has gone since, make it again
    // rather than lose the record.
    QDir().mkpath(s.dataDirectory());
    QString reason;
    bool written = false;
    {
        // Another copy of the program may be writing a record at this moment:
        // finding the file (of any case) and appending to it is one step, so
        // "Ann" and "ann" share one file and a line end is added only once.
        const DirectoryLock lock(s.dataDirectory());
        const QString path = scoreFilePath(stem);
        const QByteArray line = endsInsideLine(path) ? "\r\n" + record : record;
        written = appendWhole(path, line, &reason);
    }
    if (written)
        return true;
    // The record itself is told, so the scores can still be noted down by hand.
    setError(error, QStringLiteral("The scores of %1 could not be saved in %2:\n%3\n\nThe record was:\n%4")
                        .arg(stem, s.dataDirectory(), reason, QString::fromUtf8(record).trimmed()));
    return false;
}

bool deleteScoreFile(const QString& name, QString* error)
{
    const QString path = findScoreFile(name);
    if (path.isEmpty()) {
        setError(error, QStringLiteral("There is no score file for \"%1\".").arg(name));
        return false;
    }
    QFile file(path);
    if (!file.remove()) {
        setError(error, QStringLiteral("The score file of %1 could not be deleted:\n%2").arg(name, file.errorString()));
        return false;
    }
    return true;
}

} // namespace kt
