#include "shell/Settings.h"

#include "shell/SessionState.h"
#include "ui/DataFile.h"
#include "ui/Platform.h"

#include <QFileInfo>

namespace kt {
namespace {

// A switch is 0 or 1; anything else in the file is damage, read as off.
qint16 readSwitch(FieldReader& reader)
{
    if (reader.atEnd())
        return 0;
    bool ok = false;
    const int value = reader.text().trimmed().toInt(&ok);
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

void LoadSettings()
{
    SessionState& s = session();
    const QString path = settingsPath();
    if (!QFileInfo(path).isFile()) {
        s.SoundOn = s.RandomWordOrder = s.VisualRewardsOn = 0;
        replaceFileAtomically(path, settingsLine());
        return;
    }
    const std::optional<QByteArray> bytes = readWholeFile(path, 64 * 1024);
    FieldReader reader(bytes.value_or(QByteArray()));
    s.SoundOn = readSwitch(reader);
    s.RandomWordOrder = readSwitch(reader);
    s.VisualRewardsOn = readSwitch(reader);
}

bool SaveSettings(QString* error)
{
    return replaceFileAtomically(settingsPath(), settingsLine(), error);
}

} // namespace kt
