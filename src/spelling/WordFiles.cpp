// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/WordFiles.h"

#include "shell/SessionState.h"
#include "ui/DataFile.h"
#include "ui/Platform.h"
#include "ui/SafeFileName.h"

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
} // namespace

// ---------------------------------------------------------------- the table

QString slotText(const QString& word) { return word.left(WordWidth).leftJustified(WordWidth, QLatin1Char(' ')); }

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
    const QString stem = word.trimmed().left(8);
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
    if (QFileInfo(wordFileName).isFile())
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

WordFileResult SaveSpellingList(const QString& path, const QStringList& table, int count, int skipSlot)
{
    QString error;
    if (replaceFileAtomically(path, wordListBytes(table, count, skipSlot), &error))
        return {};
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
