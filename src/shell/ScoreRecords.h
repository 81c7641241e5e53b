#pragma once
// Score records: one line per record in "<name>.scr" of the data directory,
// appended when the user changes and when the program ends, never rewritten.
#include "shell/SessionState.h"

#include <QByteArray>
#include <QString>

namespace kt {

// A typed name made safe as a file stem: cut at its first "." and stripped of
// path separators, control characters and characters no file name may hold.
// Empty when nothing is left.
QString safeUserName(const QString& typed);

// The score file of a user: an existing file whose name matches without
// regard to case, else the file to create.
QString scoreFilePath(const QString& name);

// One record line: "MM-DD-YYYY","HH:MM:SS","name",nine scores, CR LF.
QByteArray scoreRecordLine(const ScoreRecord& record);

// Reads the records of a score file's bytes; lines that are not records are
// skipped.
QList<ScoreRecord> readScoreRecords(const QByteArray& bytes);

// Appends the current scores as a record of `name` (an empty or unsafe name
// is recorded as "Unknown"). A record that cannot be written is reported in a
// message box and the program goes on; returns whether it was written.
bool WriteScoreRecord(const QString& name);

} // namespace kt
