// SPDX-License-Identifier: GPL-3.0-or-later
// Score files: a record for every line of at least twelve fields whose first
// is a real "MM-DD-YYYY" date, with its name and nine 16-bit scores.
#include "Check.h"
#include "Models.h"
#include "shell/ScoreRecords.h"

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
    return 0;
}
