// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's comma-separated data files (settings, score records, word
// lists): text fields in double quotes, numbers bare, fields separated by
// commas, each line ended by CR LF. Written like BASIC's Write # and read back
// field by field like Input #. Text is stored as UTF-8.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace kt {

// Builds the bytes of one or more lines. Fields of a line are separated by
// commas; endLine() closes the line with CR LF.
class FieldWriter
{
public:
    // A double-quoted text field. The format has no escape for a quote inside
    // a text, so '"' is written as '\''; CR and LF would split the record and
    // are written as blanks.
    void text(const QString& value);
    // A bare decimal number; doubles in the plain form of kt::plain(double).
    void number(int value);
    void number(double value);
    void endLine();
    QByteArray bytes() const { return m_bytes; }

private:
    void separate();

    QByteArray m_bytes;
    bool m_lineHasField = false;
};

// Reads fields back in order with Input # rules:
// - leading blanks (spaces, tabs) of a field are skipped;
// - a field starting with '"' runs to the closing '"' (blanks inside kept);
//   anything after the closing quote up to the next comma or line end is
//   ignored; without a closing quote the field runs to the end of the line;
// - any other field runs to the next comma or line end, trailing blanks cut;
// - CR LF, a lone LF and a lone CR each end a line; a comma directly before a
//   line end (blanks between allowed) does not make an extra empty field;
//   empty and blank lines are skipped.
// Reading past the last field returns "" / 0 and sets pastEnd(). Every call
// does work proportional to the bytes it consumes, so any input is safe.
class FieldReader
{
public:
    explicit FieldReader(QByteArray data);

    // No more fields.
    bool atEnd() const { return m_pos >= m_data.size(); }
    // Next field as text (UTF-8 decoded).
    QString text();
    // Next field read as a number with kt::val.
    double number();
    // Next field as a 16-bit whole number (kt::toInt16 of number()).
    qint16 int16();
    // The next field is the first field of its line (true before the first
    // read and at the end of the data).
    bool atLineStart() const { return m_atLineStart; }
    // 1-based line number of the next field.
    int line() const { return m_line; }
    // Drops the rest of the current line so the next field is the first one of
    // the following line. Does nothing when already at the start of a line.
    void skipLine();
    // A read was attempted after the last field (a short record).
    bool pastEnd() const { return m_pastEnd; }

    // Every line's fields as text, empty lines left out.
    static QList<QStringList> readAll(const QByteArray& data);

private:
    bool atLineBreak() const;
    void consumeLineBreak();
    // Moves over blanks and line ends up to the next field's first character.
    void settle();

    QByteArray m_data;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_atLineStart = true;
    bool m_pastEnd = false;
};

inline constexpr qint64 kDefaultMaxFileBytes = 16 * 1024 * 1024;

// The one reader of the program's files. Reads what the file holds, at most
// maxBytes of it (memory grows with the bytes read, not with the cap);
// nullopt if it cannot be opened or read, or is not a plain file (a link,
// FIFO, device or folder: see ui/PlainFile.h). *cut (if given) tells whether the
// file held more than maxBytes.
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes,
                                        bool* cut = nullptr);

// The whole file, or nullopt if it cannot be opened or read or holds more
// than maxBytes.
std::optional<QByteArray> readWholeFile(const QString& path,
                                        qint64 maxBytes = kDefaultMaxFileBytes);

// Whether a replaced file reaches the disk before it takes the name: what
// cannot be made again does; defaults written again at the next start if
// they are lost need not wait for the disk.
enum class Flush { ToDisk, Later };

// Writes a temporary file beside `path` and renames it over the target, so the
// old contents stay intact when anything fails, a short write on a full disk
// included. A target that is a link, FIFO, device or folder is refused. On
// failure returns false and sets *error (if given) to a readable reason.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                           Flush flush = Flush::ToDisk);

// Appends `bytes` with a single write, creating the file if needed; only to
// a plain file, never through a link. If the
// write is short or fails, the file is cut back to its former size so it only
// ever holds whole lines, and a file this call created is removed again. On
// failure returns false and sets *error (if given) to the system's reason
// ("No space left on device").
bool appendWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// An advisory lock on a directory, held from construction to destruction, so
// that copies of the program running at once take turns at a check-and-write
// (find a file, then append to it). Other copies wait, for five seconds at
// most; a directory that cannot be opened or locked in that time is not
// locked (locked() is false) and the caller goes on unguarded rather than
// lose the data or hang.
class DirectoryLock
{
public:
    explicit DirectoryLock(const QString& dir);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    bool locked() const { return m_locked; }

private:
    int m_fd = -1;
    bool m_locked = false;
};

} // namespace kt
