// SPDX-License-Identifier: GPL-3.0-or-later
// Score files: a record for every line of at least twelve fields whose first
// is a real "MM-DD-YYYY" date, with its name and nine 16-bit scores.
#include "Check.h"
#include "InputFile.h"
#include "Models.h"
#include "shell/ScoreRecords.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    QList<QStringList> expected;
    for (const QStringList& line : model::fields(data))
        if (line.size() >= 12 && model::isRecordDate(line.at(0)))
            expected << line;
    const QList<kt::ScoreRecord> records = kt::readScoreRecords(data);
    KITE_CHECK(records.size() == expected.size());
    for (qsizetype r = 0; r < records.size(); ++r) {
        const kt::ScoreRecord& record = records.at(r);
        const QStringList& line = expected.at(r);
        KITE_CHECK(record.date.isValid());
        KITE_CHECK(record.name == line.at(2));
        for (int k = 0; k < 9; ++k)
            KITE_CHECK(record.scores[k] == model::int16(model::val(line.at(3 + k)).value));
        // What is written back reads back the same.
        const QList<kt::ScoreRecord> again = kt::readScoreRecords(kt::scoreRecordLine(record));
        KITE_CHECK(again.size() == 1 && again.first().scores == record.scores && again.first().date == record.date);
    }

    // At file level, under a size cap: the whole lines within the cap count,
    // the line the cap cuts does not.
    const QString path = writeInputFile(QStringLiteral("Ann.scr"), data);
    const qint64 cap = data.size() / 2 + (data.isEmpty() ? 0 : data.at(0) & 7);
    QByteArray within = data;
    if (within.size() > cap) {
        within.truncate(cap);
        while (!within.isEmpty() && !within.endsWith('\n') && !within.endsWith('\r'))
            within.chop(1);
    }
    const QList<kt::ScoreRecord> fromFile = kt::readScoreFile(path, cap);
    const QList<kt::ScoreRecord> fromBytes = kt::readScoreRecords(within);
    KITE_CHECK(fromFile.size() == fromBytes.size());
    for (qsizetype r = 0; r < fromFile.size(); ++r)
        KITE_CHECK(fromFile.at(r).scores == fromBytes.at(r).scores && fromFile.at(r).name == fromBytes.at(r).name);
    return 0;
}
