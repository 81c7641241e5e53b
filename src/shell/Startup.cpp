// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Startup.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

#include <QDir>

#include <csignal>

namespace kt {

QString GetWindowsDir()
{
    QString dir = platform().paths.windowsDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    // A Linux path has no drive letter: its one "drive" is the root.
    session().WindowsDrive = QStringLiteral("/");
    return dir;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void SubMain()
{
    // Paths are case-sensitive here, so the directory is kept as it is.
    session().WindowsDir = GetWindowsDir();
    QDir().mkpath(session().dataDirectory());
    Forms::show(windows::MainWindow);
}

} // namespace kt
