// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Score records: one line per record in "<name>.scr" of the data directory,
// appended when the user changes and when the program ends, never rewritten.
#include "shell/SessionState.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace kt {

// The most of a score file that is read back; a larger file shows the
// records of its first part.
inline constexpr qint64 kMaxScoreFileBytes = 16 * 1024 * 1024;

// A typed user name made safe as a file stem (the general rule of
// safeFileStem). Empty when nothing is left.
QString safeUserName(const QString& typed);

// The name a record is kept under: the safe form of `name`, or "Unknown"
// when nothing of it is safe.
QString recordName(const QString& name);

// Whether `stem` + ".scr" names a score file the program can open and delete:
// not empty, no ".", no separator, wildcard, quote or control character.
// Blanks are part of the name ("Ann .scr" is the file of "Ann ").
bool isScoreFileStem(const QString& stem);

// The existing score file of a user, matched without regard to case ("ann"
// finds "Ann.scr"); empty when there is none or when `name` is not a score
// file stem (a name typed into a list must not reach outside the directory).
QString findScoreFile(const QString& name);

// The score file a record of `name` goes to: the existing one matched without
// regard to case, else the file to create. Empty for a name that is not safe.
QString scoreFilePath(const QString& name);

// One record line: "MM-DD-YYYY","HH:MM:SS","name",nine scores, CR LF.
QByteArray scoreRecordLine(const ScoreRecord& record);

// Reads the records of a score file's bytes; lines that are not records
// (too few fields, no valid date) are skipped.
QList<ScoreRecord> readScoreRecords(const QByteArray& bytes);

// Reads the records of a score file, at most `maxBytes` of it (memory grows
// with the file, not with the cap): a larger file gives the whole lines of its
// first part. An unreadable file gives none.
QList<ScoreRecord> readScoreFile(const QString& path, qint64 maxBytes = kMaxScoreFileBytes);

// How a record is shown: "05-Dec-26" then, for each score, three blanks and
// at least four digits ("0002").
QString scoreDisplayLine(const ScoreRecord& record);

// Appends the current scores as a record of `name` (an empty or unsafe name
// is recorded as "Unknown"), taking turns with other copies of the program.
// Returns whether it was written; if not, *error (if given) is the message
// for the user, with the record itself so it can be noted down.
bool WriteScoreRecord(const QString& name, QString* error = nullptr);

// Deletes the score file of `name` (a listed or typed name). Returns whether
// it was deleted; if not, *error (if given) is the message for the user.
bool deleteScoreFile(const QString& name, QString* error = nullptr);

} // namespace kt
