// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowCatalog.h"
#include "shell/KiteTu.h"
#include "shell/Startup.h"
#include "ui/FirstPaintReporter.h"
#include "ui/InteractionReporter.h"
#include "ui/Form.h"
#include "ui/Platform.h"
#include "ui/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

namespace {

// Reads the command line before the display is opened, so --version and
// --help work without one. Returns the size factor asked for (0: choose it
// from the screen), or -1 when the program should end with `exitCode`.
double readCommandLine(int argc, char* argv[], int& exitCode)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("A learning program for school children."));
    // The display's own options ("-reverse", "-platform") are left to Qt.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Shows these options."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Shows the program's version."));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Shows every window <factor> times its designed size, from 1 to 4 "
                                                  "(by default the main window takes about two thirds of the screen "
                                                  "and the largest window fits it)."),
                                   QStringLiteral("factor"));
    options.addOptions({help, version, scale});
    options.parse(arguments);
    if (options.isSet(help)) {
        // Without an application object the parser cannot name the program.
        std::fputs(qPrintable(options.helpText().replace(QStringLiteral("<executable_name>"),
                                                         QStringLiteral("kite-tutor"))),
                   stdout);
        exitCode = 0;
        return -1;
    }
    if (options.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), kt::ProgramVersion);
        exitCode = 0;
        return -1;
    }
    if (!options.isSet(scale))
        return 0;
    bool ok = false;
    const double factor = options.value(scale).toDouble(&ok);
    if (!ok || factor < 1.0 || factor > 4.0) {
        std::fprintf(stderr, "kite-tutor: --scale takes a factor from 1 to 4, such as 1.5 or 2 (not \"%s\")\n",
                     qPrintable(options.value(scale)));
        exitCode = 2;
        return -1;
    }
    return factor;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Kite-Tutor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kt::ProgramVersion));
    int exitCode = 0;
    double factor = readCommandLine(argc, argv, exitCode);
    if (factor < 0)
        return exitCode;

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.kitetutor.KiteTutor"));
    kt::FirstPaintReporter reporter(QStringLiteral("KiteTu"));
    if (qEnvironmentVariableIsSet("KITE_REPORT_FIRST_PAINT"))
        app.installEventFilter(&reporter);
    kt::InteractionReporter interactions({QStringLiteral("LabelWrong")});
    if (qEnvironmentVariableIsSet("KITE_REPORT_INTERACTION"))
        app.installEventFilter(&interactions);
    if (factor == 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        factor = screen ? kt::scaleForScreen(screen->availableGeometry().size(),
                                             kt::KiteTu::HeightTwips / kt::TwipsPerPixel,
                                             QSize(kt::LargestWindowWidthTwips, kt::LargestWindowHeightTwips)
                                                 / kt::TwipsPerPixel)
                        : 1.0;
    }
    kt::setUiScale(factor);
    kt::installDesktopPlatform();
    kt::registerWindows();
    kt::SubMain();
    return QApplication::exec();
}
