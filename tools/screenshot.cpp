// Renders one of the program's windows to a PNG picture, headless and
// repeatably, for the docs and for looking at a layout without a display:
//
//   kite-screenshot <window name> <out.png> [--level N] [--answer N] [--scale F]
//
// The window opens with the build's media as its program directory, a fresh
// temporary data directory, the sound off, and the random generator seeded
// from a fixed time of day, so the same command draws the same problem.
// --level sets the level of the arithmetic drills; --answer answers that many
// steps of a choice drill right; --scale draws it that many times larger.
// Timers run for their due time after opening and after each answer, so
// counting pictures and verdicts are on screen.
#include "shell/SessionState.h"
#include "app/WindowCatalog.h"
#include "app/WindowCatalog.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

class FixedClock : public kt::Clock {
public:
    QDate today() const override { return {2026, 12, 5}; }
    QTime timeOfDay() const override { return {16, 20, 5}; }
};

// Lets the window's timers run as they would on screen.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Answers the current step right: tries the choices in order until the
// verdict says so. False when no choice is right (no choice drill, or done).
bool answerStep(kt::Form* form)
{
    const auto* verdict = form->findChild<QLabel*>(QStringLiteral("LabelWrong"));
    for (int i = 1; verdict && i <= 3; ++i) {
        auto* choice = form->findChild<kt::OptionButton*>(kt::elementName(QStringLiteral("Option1"), i));
        if (!choice || choice->isHidden())
            return false;
        emit choice->doubleClicked(i);
        if (verdict->text() == QLatin1String("Right!"))
            return true;
    }
    return false;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "kite-screenshot: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a Kite-Tutor window to PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("window"), QStringLiteral("Window name, e.g. Add_form."));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("PNG file to write."));
    const QCommandLineOption levelOption(QStringLiteral("level"), QStringLiteral("Drill level."), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption answerOption(QStringLiteral("answer"), QStringLiteral("Steps to answer right."), QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Size factor."), QStringLiteral("F"), QStringLiteral("1"));
    parser.addOption(levelOption);
    parser.addOption(answerOption);
    parser.addOption(scaleOption);
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        parser.showHelp(1);

    kt::setUiScale(qBound(1.0, parser.value(scaleOption).toDouble(), 4.0));
    QTemporaryDir windowsDir;
    if (!windowsDir.isValid())
        return fail(QStringLiteral("no temporary directory"));
    kt::Platform& p = kt::platform();
    p.clock = std::make_unique<FixedClock>();
    p.random->reseedFromClock(*p.clock);
    p.paths.programDirs = {QStringLiteral(KITE_MEDIA_DIR)};
    p.paths.windowsDir = windowsDir.path() + QLatin1Char('/');
    kt::SessionState& s = kt::session();
    s.WindowsDir = p.paths.windowsDir;
    s.UserName = QStringLiteral("Sam");
    const qint16 level = qint16(qBound(1, parser.value(levelOption).toInt(), 4));
    s.AddLevel = s.SubLevel = s.MulLevel = s.DivLevel = level;
    kt::registerWindows();

    kt::Form* form = kt::Forms::show(args.at(0));
    if (!form)
        return fail(QStringLiteral("no window named %1").arg(args.at(0)));
    runFor(700);
    for (int n = parser.value(answerOption).toInt(); n > 0; --n) {
        if (!answerStep(form))
            return fail(QStringLiteral("could not answer a step of %1").arg(args.at(0)));
        runFor(700);
    }
    if (!form->grab().save(args.at(1)))
        return fail(QStringLiteral("cannot write %1").arg(args.at(1)));
    return 0;
}
