// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one of the program's windows to a PNG picture, headless and
// repeatably, for the docs and for looking at a layout without a display:
//
//   kite-screenshot <window name> <out.png> [--level N] [--answer N] [--list NAME]
//                   [--do ACTION]...
//                   [--via WINDOW] [--scale F]
//
// The window opens with the build's media as its program directory, a fresh
// temporary data directory, the sound off, and the random generator seeded
// from a fixed time of day, so the same command draws the same problem.
// --level sets the level of the arithmetic drills and the clock (and level 3
// makes the fractions window subtract); --via opens the window that leads to
// this one first (English before SentenceBuilder); --answer answers that many steps of a choice
// drill right. --list names the word list a spelling window opens on. --do acts on a control, in the order given: "type:Text1=12"
// writes into an entry box, "click:cmdSolve" presses a button,
// "enter:Text1=word" types a word key by key and presses Enter,
// "menu:mnuOptions" opens a menu over the window, "dblclick:Option1(0)"
// answers with a choice, "drop:Image1(0)@120,80" drags a
// picture with the mouse and lets go at that pixel of the window. Timers run for their due time
// after opening and after each answer or action, so counting pictures,
// verdicts and the questions that follow them are on screen. --scale draws the
// window that many times larger.
#include "shell/SessionState.h"
#include "app/WindowCatalog.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QMouseEvent>
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
    if (!verdict)
        verdict = form->findChild<QLabel*>(QStringLiteral("WrongLabel"));
    for (int i = 1; verdict && i <= 3; ++i) {
        auto* choice = form->findChild<kt::OptionButton*>(kt::elementName(QStringLiteral("Option1"), i));
        if (!choice || choice->isHidden())
            return false;
        emit choice->doubleClicked(i);
        if (verdict->text().startsWith(QLatin1String("Right")))
            return true;
    }
    return false;
}

// Presses the left button on a picture and lets go at `to`, a pixel of the
// window's surface, as a mouse drag does.
bool dropPicture(kt::Form* form, const QString& action)
{
    const QStringList parts = action.split(QLatin1Char('@'));
    const QStringList xy = parts.value(1).split(QLatin1Char(','));
    auto* picture = form->findChild<QWidget*>(parts.value(0));
    if (!picture || xy.size() != 2)
        return false;
    const QPoint from = picture->rect().center();
    const QPoint to = form->surface()->mapToGlobal(QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
    QMouseEvent press(QEvent::MouseButtonPress, from, picture->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, picture->mapFromGlobal(to), to, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &release);
    return true;
}

// Types text into a box key by key, as a child would, with Enter after it
// when asked.
void typeInto(QWidget* box, const QString& text, bool enter)
{
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &key);
    }
    if (enter) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(box, &key);
    }
}

// One --do action: "type:Name=text", "enter:Name=text", "click:Name",
// "dblclick:Name", "drop:Name@x,y" or "menu:Name" (the menu it opened is
// painted over the window). False when the action names nothing.
bool act(kt::Form* form, const QString& action, QMenu** opened)
{
    const QString verb = action.section(QLatin1Char(':'), 0, 0);
    const QString target = action.section(QLatin1Char(':'), 1);
    const QString name = target.section(QLatin1Char('='), 0, 0);
    if (verb == QLatin1String("type") || verb == QLatin1String("enter")) {
        auto* box = form->findChild<QLineEdit*>(name);
        if (box)
            typeInto(box, target.section(QLatin1Char('='), 1), verb == QLatin1String("enter"));
        return box != nullptr;
    }
    if (verb == QLatin1String("click")) {
        auto* button = form->findChild<QAbstractButton*>(target);
        if (button)
            button->click();
        return button != nullptr;
    }
    if (verb == QLatin1String("drop"))
        return dropPicture(form, target);
    if (verb == QLatin1String("dblclick")) {
        auto* choice = form->findChild<kt::OptionButton*>(target);
        if (choice)
            emit choice->doubleClicked(choice->index());
        return choice != nullptr;
    }
    if (verb == QLatin1String("menu")) {
        auto* entry = form->findChild<QAction*>(target);
        auto* menu = entry ? kt::submenuPopup(entry) : nullptr;
        auto* bar = form->findChild<QMenuBar*>();
        if (!menu || !bar)
            return false;
        menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
        *opened = menu;
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
    const QCommandLineOption doOption(QStringLiteral("do"), QStringLiteral("Acts on a control: type:Name=text, enter:Name=text, click:Name, dblclick:Name, drop:Name@x,y, menu:Name."), QStringLiteral("ACTION"));
    parser.addOption(levelOption);
    parser.addOption(answerOption);
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("Word list of a spelling window."), QStringLiteral("name"));
    parser.addOption(doOption);
    parser.addOption(listOption);
    const QCommandLineOption viaOption(QStringLiteral("via"), QStringLiteral("Window to open first."), QStringLiteral("WINDOW"));
    parser.addOption(viaOption);
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Size factor."), QStringLiteral("F"), QStringLiteral("1"));
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
    s.FractionAddMode = level == 3 ? 0 : 1;
    s.WordFileName = parser.value(listOption);
    kt::registerWindows();
    if (parser.isSet(viaOption) && !kt::Forms::show(parser.value(viaOption)))
        return fail(QStringLiteral("no window named %1").arg(parser.value(viaOption)));
    s.ClockLevel = level;

    kt::Form* form = kt::Forms::show(args.at(0));
    if (!form)
        return fail(QStringLiteral("no window named %1").arg(args.at(0)));
    runFor(700);
    for (int n = parser.value(answerOption).toInt(); n > 0; --n) {
        if (!answerStep(form))
            return fail(QStringLiteral("could not answer a step of %1").arg(args.at(0)));
        runFor(700);
    }
    QMenu* menu = nullptr;
    for (const QString& action : parser.values(doOption)) {
        if (!act(form, action, &menu))
            return fail(QStringLiteral("cannot do %1 in %2").arg(action, args.at(0)));
        runFor(1100);
    }
    QPixmap picture = form->grab();
    if (menu) {
        QPainter painter(&picture);
        painter.drawPixmap(menu->pos() - form->pos(), menu->grab());
    }
    if (!picture.save(args.at(1)))
        return fail(QStringLiteral("cannot write %1").arg(args.at(1)));
    return 0;
}
