// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowCatalog.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/FirstPaintReporter.h"
#include "ui/InteractionReporter.h"
#include "ui/Form.h"
#include "ui/Platform.h"
#include "ui/SoundModule.h"
#include "ui/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

namespace {

// Reads the command line before the display is opened, so --version and
// --help work without one. Returns the size factor asked for (0: choose it
// from the screen), or -1 when the program should end with `exitCode`.
// `say` receives the recording --say names.
double readCommandLine(int argc, char* argv[], int& exitCode, QString& say)
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
    // An installed program's check that its media, its sound module and the
    // sound server work together, without opening a window.
    const QCommandLineOption sayOption(QStringLiteral("say"),
                                       QStringLiteral("Plays one of the program's recordings (such as clap.wav) "
                                                      "and ends: a check that sound works."),
                                       QStringLiteral("recording"));
    options.addOptions({help, version, scale, sayOption});
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
    say = options.value(sayOption);
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

// Plays `name` from the program's media through the sound module; 0 when the
// recording was found and the module loaded (whether a sound server listened
// is for the caller to hear).
int sayOnce(const QString& name)
{
    kt::installDesktopPlatform();
    const QString path = kt::platform().paths.findProgramFile(name);
    if (path.isEmpty()) {
        std::fprintf(stderr, "kite-tutor: no recording \"%s\" in %s\n", qPrintable(name),
                     qPrintable(kt::programDirectory()));
        return 1;
    }
    kt::platform().wavePlayer->play(name);
    if (!kt::soundModuleLoaded())
        return 1;
    std::printf("kite-tutor: played %s\n", qPrintable(path));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    kt::ignoreFileSizeSignal();
    QCoreApplication::setApplicationName(QStringLiteral("Kite-Tutor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kt::ProgramVersion));
    int exitCode = 0;
    QString say;
    double factor = readCommandLine(argc, argv, exitCode, say);
    if (factor < 0)
        return exitCode;

    QApplication app(argc, argv);
    if (!say.isEmpty())
        return sayOnce(say);
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
                                             kt::MainWindow::HeightTwips / kt::TwipsPerPixel,
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
