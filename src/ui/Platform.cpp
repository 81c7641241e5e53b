// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Platform.h"

#include "ui/PlainFile.h"
#include "ui/SoundModule.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace kt {

double Clock::secondsSinceMidnight() const
{
    const QTime t = timeOfDay();
    return t.msecsSinceStartOfDay() / 1000.0;
}

namespace {

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QTime timeOfDay() const override { return QTime::currentTime(); }
};

// The classic 24-bit linear congruential generator of BASIC runtimes: cheap,
// repeatable, and good enough for picking digits.
class LinearCongruentialRandom : public RandomSource {
public:
    double next() override
    {
        m_state = (m_state * 1140671485u + 12820163u) & 0xFFFFFFu;
        return m_state / 16777216.0;
    }
    void reseedFromClock(const Clock& clock) override
    {
        const double seconds = clock.secondsSinceMidnight();
        const quint32 bits = quint32(seconds * 1000.0);
        m_state = ((bits & 0xFFFFu) << 8 | (bits >> 16 & 0xFFu)) & 0xFFFFFFu;
    }

private:
    quint32 m_state = 0x50000;
};

class DesktopBeeper : public Beeper {
public:
    void beep() override { QApplication::beep(); }
};

} // namespace

QWidget* messageBoxOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // No window has the focus (another program has it): the newest visible
    // window of the program is the one the child is looking at.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (window->isVisible() && !window->isMinimized() && window->windowType() != Qt::Popup
            && window->windowType() != Qt::ToolTip)
            return window;
    }
    return nullptr;
}

namespace {

MsgResult showMessageBox(const MessageRequest& request)
{
    // Owned by the window that raised it, the box opens centred over that
    // window rather than somewhere on a large screen.
    QMessageBox box(messageBoxOwner());
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case MsgIcon::None: break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (request.buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgResult::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultButton == MsgResult::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

QString defaultWindowsDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

} // namespace

QString programDirectory()
{
    const QString chosen = qEnvironmentVariable("KITE_MEDIA_DIR");
    if (!chosen.isEmpty())
        return QDir::cleanPath(QDir(chosen).absolutePath());
    // Never the current folder (a stray "7.WAV" there would replace a
    // recording) and never a folder fixed at build time (it would hide a
    // broken install): the media folder beside the program, the same in the
    // build tree (build/bin, build/share/kite-tutor) and after an install.
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (appDir.isEmpty())
        return {};
    return QDir::cleanPath(appDir + QStringLiteral("/../share/kite-tutor"));
}

std::unique_ptr<RandomSource> makeClassicRandom() { return std::make_unique<LinearCongruentialRandom>(); }

bool Paths::isUsableName(const QString& name)
{
    // A line break would split the name in a list; a byte the locale cannot
    // decode gives a name that opens nothing.
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return false;
    return !name.isEmpty() && QFile::decodeName(QFile::encodeName(name)) == name;
}

QStringList Paths::plainFiles(const QString& dir)
{
    // No links (QDir::Files lists none of FIFOs, sockets and devices either).
    QStringList found;
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QString& entry : entries)
        if (isUsableName(entry))
            found << entry;
    return found;
}

QString Paths::findInDir(const QString& dir, const QString& name)
{
    if (dir.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QString exact = dir + QLatin1Char('/') + name;
    if (fileKind(exact) == FileKind::Plain)
        return exact;
    const QStringList entries = plainFiles(dir);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + QLatin1Char('/') + entry;
    return {};
}

QString Paths::findProgramFile(const QString& name) const
{
    for (const QString& dir : programDirs) {
        const QString found = findInDir(dir, name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList Paths::match(const QString& dir, const QString& pattern)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    const QStringList entries = plainFiles(dir);
    for (const QString& entry : entries)
        if (re.match(entry).hasMatch())
            found << entry;
    return found;
}

Platform& platform()
{
    static Platform services = [] {
        Platform p;
        p.clock = std::make_unique<SystemClock>();
        p.random = makeClassicRandom();
        p.beeper = std::make_unique<DesktopBeeper>();
        p.messageHandler = showMessageBox;
        p.endProgram = [] { QCoreApplication::quit(); };
        return p;
    }();
    return services;
}

void installDesktopPlatform()
{
    Platform& p = platform();
    p.paths.programDirs = QStringList{programDirectory()};
    p.paths.windowsDir = defaultWindowsDir();
    p.wavePlayer = makeDesktopWavePlayer();
}

double rnd() { return platform().random->next(); }

void randomize() { platform().random->reseedFromClock(*platform().clock); }

void beep()
{
    if (platform().beeper)
        platform().beeper->beep();
}

MsgResult msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                 MsgResult defaultButton)
{
    MessageRequest request{text, title.isEmpty() ? QStringLiteral("Kite-Tutor") : title, buttons, icon,
                           buttons == MsgButtons::YesNo && defaultButton == MsgResult::Ok ? MsgResult::Yes
                                                                                          : defaultButton};
    return platform().messageHandler(request);
}

} // namespace kt
