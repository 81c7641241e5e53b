#include "shell/ScoreRecords.h"

#include "ui/DataFile.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

namespace kt {

QString safeUserName(const QString& typed)
{
    QString name = typed.section(QLatin1Char('.'), 0, 0);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar c : name)
        if (c.unicode() >= 32 && c.unicode() != 127 && !forbidden.contains(c))
            safe += c;
    return safe.trimmed();
}

QString scoreFilePath(const QString& name)
{
    const QString fileName = name + QStringLiteral(".scr");
    const QString existing = platform().paths.findInDir(session().dataDirectory(), fileName);
    return existing.isEmpty() ? session().dataDirectory() + QLatin1Char('/') + fileName : existing;
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

bool WriteScoreRecord(const QString& name)
{
    SessionState& s = session();
    QString stem = safeUserName(name);
    if (stem.isEmpty())
        stem = QStringLiteral("Unknown");
    s.RecordBuffer.date = platform().clock->today();
    s.RecordBuffer.time = platform().clock->timeOfDay();
    s.RecordBuffer.name = stem;
    s.RecordBuffer.scores = s.currentScores();

    QString error;
    if (appendWhole(scoreFilePath(stem), scoreRecordLine(s.RecordBuffer), &error))
        return true;
    msgBox(QStringLiteral("The scores of %1 could not be saved in %2:\n%3")
               .arg(stem, s.dataDirectory(), error),
           MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

} // namespace kt
