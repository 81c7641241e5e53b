// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/WordFiles.h"

#include "shell/SessionState.h"
#include "ui/DataFile.h"
#include "ui/PlainFile.h"
#include "ui/Platform.h"
#include "ui/SafeFileName.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kt {

using namespace spelling;

namespace {
// Far more than 1000 words of any sensible length; a larger file is not a
// word list and is not read at all.
constexpr qint64 MaxListBytes = 1024 * 1024;

bool inTable(int slot) { return slot >= 1 && slot <= MaxWords; }

// What a list held when it was read: a hash of its bytes; "none" when there
// was no such file, "unreadable" when it could not be read whole.
QByteArray stampOf(const QString& path)
{
    if (fileKind(path) == FileKind::Missing)
        return QByteArrayLiteral("none");
    const std::optional<QByteArray> bytes = readWholeFile(path, MaxListBytes);
    return bytes ? QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) : QByteArrayLiteral("unreadable");
}
} // namespace

// ---------------------------------------------------------------- the table

QString slotText(const QString& word)
{
    return leftWhole(word, WordWidth).leftJustified(WordWidth, QLatin1Char(' '));
}

QString slotAt(const QStringList& table, int slot)
{
    if (!inTable(slot) || slot > table.size())
        return QString(WordWidth, QLatin1Char(' '));
    return table.at(slot - 1);
}

QString wordAt(const QStringList& table, int slot) { return slotAt(table, slot).trimmed(); }

void storeWord(QStringList& table, int slot, const QString& word)
{
    if (!inTable(slot))
        return;
    while (table.size() < slot)
        table.append(QString(WordWidth, QLatin1Char(' ')));
    table[slot - 1] = slotText(word);
}

// ---------------------------------------------------------------- words typed

bool isStorableWord(const QString& word) { return !word.contains(QLatin1Char('"')); }

QString wordRecordingName(const QString& word)
{
    const QString stem = leftWhole(word.trimmed(), 8);
    const QString name = stem + QStringLiteral(".wav");
    if (stem.isEmpty() || !isSafeFileName(name))
        return {};
    return name;
}

// ---------------------------------------------------------------- names

QString homeworkFileName(const QString& typed)
{
    // The shared rule first (cut at ".", no separators or control
    // characters), then the narrower set a list name is made of.
    const QString stem = safeFileStem(typed.trimmed());
    QString kept;
    for (const QChar c : stem)
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_'))
            kept += c;
    kept = kept.trimmed().toLower();
    if (kept.isEmpty())
        return {};
    return kept + QStringLiteral(".shw");
}

QString homeworkPath(const QString& fileName) { return session().dataDirectory() + QLatin1Char('/') + fileName; }

QString wordFilePath(const QString& wordFileName)
{
    if (wordFileName.isEmpty())
        return {};
    if (!wordFileName.contains(QLatin1Char('/')))
        return platform().paths.findProgramFile(wordFileName);
    if (fileKind(wordFileName) == FileKind::Plain)
        return wordFileName;
    // The program forms names in lower case; a list copied in by hand may not be.
    const QFileInfo info(wordFileName);
    return Paths::findInDir(info.path(), info.fileName());
}

bool wordFileExists(const QString& wordFileName) { return !wordFilePath(wordFileName).isEmpty(); }

QString wordFileTarget(const QString& wordFileName)
{
    const QString found = wordFilePath(wordFileName);
    return found.isEmpty() ? wordFileName : found;
}

// ---------------------------------------------------------------- files

QString WordListRead::editorProblem() const
{
    if (!readable)
        return QStringLiteral("That word file can't be read.");
    if (tooLong)
        return QStringLiteral("That word file holds more than 1000 words.  A word file can keep no more than "
                              "1000, so it can't be changed here.");
    return {};
}

WordListRead LoadSpellingList(const QString& wordFileName, QStringList& table)
{
    WordListRead result;
    const QString path = wordFilePath(wordFileName);
    if (path.isEmpty())
        return result;
    result.found = true;
    const std::optional<QByteArray> bytes = readWholeFile(path, MaxListBytes);
    if (!bytes) {
        result.readable = false;
        return result;
    }
    result.stamp = QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256);
    FieldReader reader(*bytes);
    while (!reader.atEnd() && result.count < MaxWords) {
        ++result.count;
        storeWord(table, result.count, reader.text());
    }
    result.tooLong = !reader.atEnd();
    return result;
}

namespace {
QByteArray wordListBytes(const QStringList& table, int count, int skipSlot)
{
    FieldWriter writer;
    for (int slot = 1; slot <= qMin(count, MaxWords); ++slot) {
        if (slot == skipSlot)
            continue;
        writer.text(slotAt(table, slot));
        writer.endLine();
    }
    return writer.bytes();
}
} // namespace

QByteArray wordListStamp(const QString& wordFileName)
{
    const QString path = wordFilePath(wordFileName);
    return path.isEmpty() ? QByteArrayLiteral("none") : stampOf(path);
}

WordFileResult SaveSpellingList(const QString& path, const QStringList& table, int count, int skipSlot,
                                QByteArray* stamp)
{
    // Another copy of the program may be saving this list too: the check and
    // the write are one step.
    const DirectoryLock lock(QFileInfo(path).absolutePath());
    if (stamp && !stamp->isEmpty()) {
        const QByteArray now = stampOf(path);
        if (now != *stamp) {
            // The next save replaces what is there now, unless it changes again.
            *stamp = now;
            // The window words what to do next in its own terms.
            WordFileResult changed{false, QStringLiteral("Someone else has saved this word file since you opened it, "
                                                          "so it was not saved.")};
            changed.changedOnDisk = true;
            return changed;
        }
    }
    QString error;
    const QByteArray bytes = wordListBytes(table, count, skipSlot);
    if (replaceFileAtomically(path, bytes, &error)) {
        if (stamp)
            *stamp = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        return {};
    }
    return {false, QStringLiteral("The word file could not be saved (%1).  The old file is unchanged.").arg(error)};
}

WordFileResult deleteWordFile(const QString& path)
{
    QFile file(path);
    if (file.remove())
        return {};
    return {false, QStringLiteral("The word file could not be deleted (%1).").arg(file.errorString())};
}

} // namespace kt
