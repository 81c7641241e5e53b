// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spelling word lists: the table of 1000 slots of 16 characters, the level
// lists that come with the program ("Level1.lib".."Level4.lib") and the
// homework lists a parent types in ("name.shw" in the data directory). This
// unit alone reads, writes, names and deletes the files; the windows call it
// and show the message a failure comes back with.
//
// A file is the program's field format: one word per field, fields separated
// by commas or line ends, a quoted field keeping its inner blanks. A list is
// written one quoted, blank-padded 16-character field per line.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kt {

namespace spelling {
constexpr int MaxWords = 1000;   // slots in a table
constexpr int WordWidth = 16;    // characters in a slot
constexpr int MaxTypedWords = 999; // the word entry window stops before slot 1000
} // namespace spelling

// ---------------------------------------------------------------- the table
// A table is a QStringList whose element slot-1 holds slot `slot` (1..1000).
// Slots never stored read as 16 blanks; slots outside 1..1000 are never
// read or written.

// A word as a slot holds it: cut to 16 UTF-16 units (15 when the 16th would
// be the first half of an emoji) or padded with blanks.
QString slotText(const QString& word);
QString slotAt(const QStringList& table, int slot);
// The word of a slot without its surrounding blanks: its identity in every
// comparison.
QString wordAt(const QStringList& table, int slot);
void storeWord(QStringList& table, int slot, const QString& word);

// ---------------------------------------------------------------- words typed

// A double quote would end the word's field early and break the file.
bool isStorableWord(const QString& word);

// The name of a word's own recording in the data directory: its first 8
// UTF-16 units (whole characters only) followed by ".wav". Empty when the word could name a path
// (separator, drive colon, wildcard) or nothing: then no recording is
// looked up.
QString wordRecordingName(const QString& word);

// ---------------------------------------------------------------- names

// A homework list name from what the user typed: blanks around it removed,
// everything from the first "." on dropped, then only letters, digits,
// blanks, "-" and "_" kept, lower case, ".shw" appended ("Spell 1.txt" gives
// "spell 1.shw"). Empty when nothing usable is left.
QString homeworkFileName(const QString& typed);
// The full path of a homework list name in the data directory.
QString homeworkPath(const QString& fileName);
// Where the list named by `WordFileName` is: a bare name is a program file
// (a level list), anything else a path. Empty when there is no such file.
QString wordFilePath(const QString& wordFileName);
bool wordFileExists(const QString& wordFileName);
// Where a save of that list goes: the file found, or the path itself for a
// list not written yet.
QString wordFileTarget(const QString& wordFileName);

// ---------------------------------------------------------------- files

struct WordListRead {
    int count = 0;          // words stored in slots 1..count
    bool found = false;     // the file exists
    bool readable = true;   // it could be read whole
    bool tooLong = false;   // it holds more than 1000 words (only 1000 stored)
    QByteArray stamp;       // what the file held (a hash), for SaveSpellingList
    // Why an editor cannot work on this file; empty when it can.
    QString editorProblem() const;
};

// Reads a list into `table`: a missing, unreadable or empty file gives no
// words; never more than 1000 are stored. Slots above the count keep what
// they held.
WordListRead LoadSpellingList(const QString& wordFileName, QStringList& table);

struct WordFileResult {
    bool ok = true;
    QString message; // what to tell the user when !ok
    bool changedOnDisk = false; // not saved: someone else saved the file since
};

// What the list `wordFileName` holds now, as LoadSpellingList's stamp tells
// it; a list not written yet has a stamp too.
QByteArray wordListStamp(const QString& wordFileName);

// Replaces the file whole with slots 1..count, leaving out slot `skipSlot`
// (0: none), with the data folder locked. A failed write leaves the old file
// as it was. With `stamp` (what the file held when the editor read it), a
// file changed since is not replaced: the result says so and *stamp becomes
// what the file holds now, so saving again replaces it. After a save *stamp
// is what was written.
WordFileResult SaveSpellingList(const QString& path, const QStringList& table, int count, int skipSlot = 0,
                                QByteArray* stamp = nullptr);

// Deletes a homework list picked in the file picker.
WordFileResult deleteWordFile(const QString& path);

} // namespace kt
