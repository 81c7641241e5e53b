// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Settings.h"

#include "shell/SessionState.h"
#include "ui/DataFile.h"
#include "ui/PlainFile.h"
#include "ui/Platform.h"

namespace kt {
namespace {

// A switch is 0 or 1; anything else in the file is damage, read as off.
qint16 readSwitch(FieldReader& reader)
{
    if (reader.atEnd())
        return 0;
    const QString text = reader.text().trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    // toInt stops at a NUL character: "1" followed by NULs is damage too.
    if (text.contains(QChar(u'\0')))
        return 0;
    return ok && (value == 0 || value == 1) ? qint16(value) : qint16(0);
}

QByteArray settingsLine()
{
    const SessionState& s = session();
    FieldWriter writer;
    writer.number(int(s.SoundOn));
    writer.number(int(s.RandomWordOrder));
    writer.number(int(s.VisualRewardsOn));
    writer.endLine();
    return writer.bytes();
}

// The settings file, matched without regard to case as the user may have
// copied it from elsewhere.
QString settingsPath()
{
    const QString existing = Paths::findInDir(session().dataDirectory(), QStringLiteral("kitetu.dat"));
    return existing.isEmpty() ? session().settingsFile() : existing;
}

} // namespace

std::array<qint16, 3> readSettingsSwitches(const QByteArray& bytes)
{
    FieldReader reader(bytes);
    std::array<qint16, 3> switches{};
    for (qint16& value : switches)
        value = readSwitch(reader);
    return switches;
}

void LoadSettings()
{
    SessionState& s = session();
    const QString path = settingsPath();
    if (fileKind(path) == FileKind::Missing) {
        s.SoundOn = s.RandomWordOrder = s.VisualRewardsOn = false;
        // Lost or left empty by a crash, the file reads as these very
        // defaults and is written again at the next start.
        const DirectoryLock lock(s.dataDirectory());
        replaceFileAtomically(path, settingsLine(), nullptr, Flush::Later);
        return;
    }
    // A link or FIFO under the name reads as nothing: every switch off.
    const std::optional<QByteArray> bytes = readWholeFile(path, 64 * 1024);
    const std::array<qint16, 3> switches = readSettingsSwitches(bytes.value_or(QByteArray()));
    // The file holds 0 or 1 (anything else reads as 0).
    s.SoundOn = switches[0] == 1;
    s.RandomWordOrder = switches[1] == 1;
    s.VisualRewardsOn = switches[2] == 1;
}

bool SaveSettings(QString* error)
{
    // Copies of the program take turns at the data folder's files.
    const DirectoryLock lock(session().dataDirectory());
    return replaceFileAtomically(settingsPath(), settingsLine(), error);
}

} // namespace kt
