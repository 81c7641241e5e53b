// SPDX-License-Identifier: GPL-3.0-or-later
// The shell: start-up and the settings file; the main window's menu and
// navigation rules (with small stand-in windows in place of the activities);
// the user-name window and the records it saves; spoken numbers and praise;
// the picture reward and the About window.
#include "TestKit.h"

#include "shell/About.h"
#include "shell/HideScoreFlag.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/Settings.h"
#include "shell/Speech.h"
#include "shell/Startup.h"
#include "shell/UserNameEntry.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QtTest>

using namespace kt;
using kt::test::Sandbox;
using kt::test::ScriptedRandom;

namespace {

QStringList g_log;

// Logs its load and unload and carries the HideScore flag it was shown with.
class StandInWindow : public Form, public HideScoreFlag {
public:
    explicit StandInWindow(const QString& name) : Form(name) {}
    qint16 hideScoreAtLoad = 99;

protected:
    void Form_Load() override
    {
        hideScoreAtLoad = HideScore;
        g_log << QStringLiteral("load ") + objectName();
    }
    void Form_Unload(bool&) override { g_log << QStringLiteral("unload ") + objectName(); }
};

void enterName(UserNameEntry* form, const QString& name)
{
    kt::test::typeText(kt::test::control<TextBox>(form, QStringLiteral("TextName")), name);
    kt::test::pressEnter(kt::test::control<TextBox>(form, QStringLiteral("TextName")));
    kt::test::processEvents();
}
QStringList dataFiles(const Sandbox& sandbox)
{
    return QDir(sandbox.dataDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
QByteArray line(const QString& name, const QByteArray& scores = "0,0,0,0,0,0,0,0,0")
{
    return "\"12-05-2026\",\"16:20:05\",\"" + name.toUtf8() + "\"," + scores + "\r\n";
}
// The main window, its timer fired so the name window is open.
MainWindow* startMain()
{
    auto* main = dynamic_cast<MainWindow*>(Forms::show(windows::MainWindow));
    kt::test::control<Timer>(main, QStringLiteral("Timer1"))->fire();
    return main;
}
void closeMain(MainWindow* main, const Sandbox& sandbox)
{
    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
}

QStringList wavs(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

void saveBitmap(const QString& path, const QColor& colour, QSize size = QSize(8, 6))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}
QString dataPath(const Sandbox& sandbox, const QString& name) { return sandbox.dataDir() + QLatin1Char('/') + name; }
VisualRewards* openReward(Sandbox& sandbox, QList<double> draws = {})
{
    sandbox.random->values = draws;
    return dynamic_cast<VisualRewards*>(Forms::show(windows::VisualRewards));
}
QColor aboutPictureColour(const About* form)
{
    return form->surface()->grab().toImage().pixelColor(kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->geometry().center());
}
void expectClosesAfterFiveSeconds(VisualRewards* form)
{
    QVERIFY(kt::test::control<Timer>(form, QStringLiteral("Timer1"))->enabled());
    kt::test::control<Timer>(form, QStringLiteral("Timer1"))->fire();
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::VisualRewards));
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    // For the tests of the main window's menu and of speech; the others make their own.
    std::unique_ptr<Sandbox> sandbox;
    MainWindow* main = nullptr;

    // The main window, with stand-ins registered for the given windows.
    void openWithStandIns(const QStringList& names)
    {
        sandbox = std::make_unique<Sandbox>(false);
        sandbox->makeDataDir();
        Forms::registerForm(windows::MainWindow, [] { return new MainWindow; });
        for (const QString& name : names)
            Forms::registerForm(name, [name] { return new StandInWindow(name); });
        main = Forms::get<MainWindow>(windows::MainWindow);
        main->showForm();
        g_log.clear();
    }
    QAction* action(const QString& name) { return main->findChild<QAction*>(name); }
    void choose(const QString& name)
    {
        QAction* entry = action(name);
        QVERIFY2(entry, qPrintable(name));
        QVERIFY2(entry->isEnabled(), qPrintable(name));
        entry->trigger();
        test::processEvents();
    }
    bool checked(const QString& name) { return action(name)->isChecked(); }

    void speaking()
    {
        sandbox = std::make_unique<Sandbox>(false);
        session().SoundOn = 1;
    }
    QStringList& played() { return sandbox->player->played; }
    void script(double r)
    {
        sandbox->random->values = {r};
        sandbox->random->position = 0;
    }

private slots:
    void cleanup()
    {
        sandbox.reset();
        main = nullptr;
    }

    // Start-up makes the data directory, reads the switches (levels start
    // afresh) and shows the main window, even when no directory can be made.
    void subMainStarts_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("first run") << QByteArray() << false;
        QTest::newRow("saved switches") << QByteArray("1,0,0\r\n") << false;
        QTest::newRow("a plain file where the directory belongs") << QByteArray() << true;
    }
    void subMainStarts()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, blocked);
        test::Sandbox sandbox;
        if (blocked)
            QVERIFY(QFile(sandbox.dataDir()).open(QIODevice::WriteOnly));
        else if (!settings.isEmpty())
            sandbox.writeDataFile(QStringLiteral("kitetu.dat"), settings);
        session().MulLevel = 4;
        SubMain();
        QCOMPARE(QFileInfo(sandbox.dataDir()).isDir(), !blocked);
        QCOMPARE(session().settingsFile(), sandbox.dataDir() + "/kitetu.dat");
        Form* main = Forms::find(windows::MainWindow);
        QVERIFY(main && main->isVisible());
        QCOMPARE(session().MulLevel, qint16(1));
        QCOMPARE(bool(session().SoundOn), !settings.isEmpty());
    }

    void firstRunWritesZerosAndSavedSwitchesComeBack()
    {
        test::Sandbox sandbox;
        sandbox.makeDataDir();
        session().SoundOn = 1;
        LoadSettings();
        QVERIFY(!session().SoundOn);
        QCOMPARE(sandbox.readDataFile("kitetu.dat"), QByteArray("0,0,0\r\n"));
        session().SoundOn = 1;
        session().VisualRewardsOn = 1;
        QVERIFY(SaveSettings());
        QCOMPARE(sandbox.readDataFile("kitetu.dat"), QByteArray("1,0,1\r\n"));
        resetSession();
        session().WindowsDir = sandbox.windowsDir();
        LoadSettings();
        QVERIFY(session().SoundOn);
        QVERIFY(!session().RandomWordOrder);
        QVERIFY(session().VisualRewardsOn);
    }

    void damagedFilesGiveDefaultsForWhatCannotBeRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("rewards");
        QTest::newRow("empty") << "kitetu.dat" << QByteArray() << 0 << 0 << 0;
        QTest::newRow("short") << "kitetu.dat" << QByteArray("1\r\n") << 1 << 0 << 0;
        QTest::newRow("two fields") << "kitetu.dat" << QByteArray("1,1") << 1 << 1 << 0;
        QTest::newRow("text") << "kitetu.dat" << QByteArray("yes,\"x\",1\r\n") << 0 << 0 << 1;
        QTest::newRow("out of range") << "kitetu.dat" << QByteArray("7,-1,40000\r\n") << 0 << 0 << 0;
        QTest::newRow("lf only") << "kitetu.dat" << QByteArray("1\n0\n1\n") << 1 << 0 << 1;
        QTest::newRow("binary") << "kitetu.dat" << QByteArray("\x00\xff\x01,\x02", 5) << 0 << 0 << 0;
        QTest::newRow("NULs after a 1") << "kitetu.dat" << QByteArray("1\0\0,0,1\0\r\n", 10) << 0 << 0 << 0;
        QTest::newRow("name in capitals") << "KITETU.DAT" << QByteArray("1,1,1\r\n") << 1 << 1 << 1;
        QTest::newRow("huge line") << "kitetu.dat" << QByteArray(2 * 1024 * 1024, '1') << 0 << 0 << 0;
    }

    void damagedFilesGiveDefaultsForWhatCannotBeRead()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(int, sound);
        QFETCH(int, order);
        QFETCH(int, rewards);
        test::Sandbox sandbox;
        sandbox.writeDataFile(file, contents);
        LoadSettings();
        QCOMPARE(int(session().SoundOn), sound);
        QCOMPARE(int(session().RandomWordOrder), order);
        QCOMPARE(int(session().VisualRewardsOn), rewards);
        // A damaged file is left alone until the program saves at exit.
        QCOMPARE(sandbox.readDataFile(file), contents);
    }

    void unsavableSettingsAreReported()
    {
        test::Sandbox sandbox;
        QString error;
        // No data directory at all: the save fails and says why.
        QVERIFY(!SaveSettings(&error) && !error.isEmpty());

        // A link in its place is neither read nor written through.
        sandbox.makeDataDir();
        const QString outside = sandbox.windowsDir() + QStringLiteral("outside.dat");
        QFile target(outside);
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write("1,1,1\r\n") == 7);
        target.close();
        QVERIFY(QFile::link(outside, sandbox.dataDir() + QStringLiteral("/kitetu.dat")));
        LoadSettings();
        QVERIFY(!session().SoundOn);
        QVERIFY(!SaveSettings(&error));
        QVERIFY2(error.endsWith(QStringLiteral("it is not an ordinary file")), qPrintable(error));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray("1,1,1\r\n"));
        QVERIFY(QFileInfo(sandbox.dataDir() + QStringLiteral("/kitetu.dat")).isSymLink());
    }

    // At each start Level 1 of every drill, Fractions Level 1 and Factor
    // Polynomials carry the mark; the sound mark follows the settings.
    void initialMarks()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        const QStringList ticked{"menuAddLevel1", "menuSubLevel1", "menuMulLevel1", "menuDivLevel1",
                                 "menuFractLevel1", "menuFactor", "menuSoundOff"};
        for (const QString& name : ticked)
            QVERIFY2(checked(name), qPrintable(name));
        QVERIFY(!checked("menuSoundOn")); // a first run starts with sound off
        QVERIFY(!checked("menuAddLevel2"));
    }

    void entriesWithoutWindowAreDisabled()
    {
        openWithStandIns({windows::Addition});
        QVERIFY(action("menuAdd")->isEnabled());
        QVERIFY(!action("menSub")->isEnabled());
        QVERIFY(!action("mnuSpelling")->isEnabled());
        QVERIFY(action("menuExit")->isEnabled());
    }

    void levelEntryClosesActivitiesAndMovesOnlyItsOwnMarks()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuSubLevel1");
        QCOMPARE(g_log, QStringList{"load Sub_form"});
        g_log.clear();
        choose("menuAddLevel2");
        QCOMPARE(g_log, (QStringList{"unload Sub_form", "load Add_form"}));
        QCOMPARE(session().AddLevel, qint16(2));
        QVERIFY(checked("menuAddLevel2"));
        QVERIFY(!checked("menuAddLevel1"));
        QVERIFY(checked("menuSubLevel1"));
        QVERIFY(!Forms::find(windows::Subtraction));
    }

    void closeAllFollowsTheFixedOrder()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        // Open every listed activity, then one menu choice closes them in order.
        for (const QString& name : windows::activityCloseOrder())
            Forms::show(name);
        g_log.clear();
        choose("mnuNumbers");
        QStringList expected;
        for (const QString& name : windows::activityCloseOrder())
            expected << QStringLiteral("unload ") + name;
        expected << QStringLiteral("load frmNumbers");
        QCOMPARE(g_log, expected);
        // Windows outside the list stay open.
        choose("mnuCurrentScores");
        choose("menuAddLevel1");
        QVERIFY(Forms::find(windows::Counting));
        QVERIFY(Forms::find(windows::CurrentScores));
    }

    void sameDrillTwiceRestartsIt()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuMulLevel3");
        Form* first = Forms::find(windows::Multiplication);
        g_log.clear();
        choose("menuMulLevel3");
        QCOMPARE(g_log, (QStringList{"unload Mul_Form", "load Mul_Form"}));
        QVERIFY(Forms::find(windows::Multiplication) != first);
        QCOMPARE(session().MulLevel, qint16(3));
    }

    void fractionLevelsSetModeAndHideScore()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuFractLevel2");
        QCOMPARE(session().FractionAddMode, qint16(1));
        choose("menuFractLevel3");
        QCOMPARE(session().FractionAddMode, qint16(0));
        QVERIFY(checked("menuFractLevel3"));
        QVERIFY(!checked("menuFractLevel1"));
        QVERIFY(!checked("menuFractLevel2"));
        choose("menuFractLevel5");
        QCOMPARE(Forms::find<StandInWindow>(windows::FractionsWithVariables)->hideScoreAtLoad, qint16(-1));
        choose("menuFractLevel4");
        QCOMPARE(Forms::find<StandInWindow>(windows::ReductionTutor)->hideScoreAtLoad, qint16(0));
        choose("menuFractLevel1");
        QCOMPARE(Forms::find<StandInWindow>(windows::FractionQuiz)->hideScoreAtLoad, qint16(0));
        QVERIFY(!Forms::find(windows::ReductionTutor));
    }

    void equationSubmenuClosesAllOnOpening()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuAddLevel1");
        choose("menuSimultaneous");
        QVERIFY(checked("menuSimultaneous"));
        QVERIFY(!checked("menuFactor"));
        QCOMPARE(Forms::find<StandInWindow>(windows::SimultaneousEquations)->hideScoreAtLoad, qint16(-1));
        g_log.clear();
        QMenu* equations = submenuPopup(action("mnuEquations"));
        QVERIFY(equations);
        emit equations->aboutToShow();
        QCOMPARE(g_log, QStringList{"unload SimultaneousLinearEquations"});
        QVERIFY(!checked("menuFactor"));
        QVERIFY(!checked("menuSimultaneous"));
    }

    void equationTypeLeavesTheOpenActivityAlone()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuAddLevel2");
        choose("mnuEquations3");
        QVERIFY(Forms::find(windows::Addition));
        QVERIFY(Forms::find(windows::equation(3)));
        g_log.clear();
        choose("mnuEquations3"); // already open: only brought to the front
        QVERIFY(g_log.isEmpty());
        choose("menuFactor");
        QVERIFY(checked("menuFactor"));
        QVERIFY(!Forms::find(windows::equation(3)));
    }

    void userNameWindowOpensOnceAfterHalfASecond()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        QVERIFY(!Forms::find(windows::UserNameEntry));
        choose("menuAddLevel1"); // an activity opened before the timer fires
        kt::test::control<Timer>(main, QStringLiteral("Timer1"))->fire();
        QVERIFY(Forms::find(windows::UserNameEntry));
        QVERIFY(!kt::test::control<Timer>(main, QStringLiteral("Timer1"))->enabled());
        kt::test::control<Timer>(main, QStringLiteral("Timer1"))->fire(); // a late tick of a disabled timer does nothing
        QVERIFY(Forms::find(windows::Addition));
        // Change User Name on the open window only brings it to the front.
        Form* first = Forms::find(windows::UserNameEntry);
        choose("mnuChangeUser");
        QCOMPARE(Forms::find(windows::UserNameEntry), first);
        QCOMPARE(g_log.count(QStringLiteral("load frmUserName")), 1);
    }

    void exitSavesSettingsAndEndsWithoutOtherUnloads()
    {
        openWithStandIns(windows::activityCloseOrder()
                         << windows::Counting << windows::UserNameEntry << windows::CurrentScores
                         << windows::PreviousScores);
        choose("menuSoundOn");
        QVERIFY(checked("menuSoundOn") && !checked("menuSoundOff"));
        choose("menuAddLevel1");
        g_log.clear();
        choose("menuExit");
        QCOMPARE(sandbox->endProgramCalls, 1);
        QCOMPARE(sandbox->readDataFile(QStringLiteral("kitetu.dat")), QByteArray("1,0,0\r\n"));
        QVERIFY(g_log.isEmpty()); // the drill vanished without its own unload
    }

    void nameIsConfirmedByEnterOrTheCloseBox()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        startMain();
        auto* form = Forms::find<UserNameEntry>(windows::UserNameEntry);
        QVERIFY(form && form->isVisible());
        // Loading alone names the session.
        QCOMPARE(session().UserName, QStringLiteral("Unknown"));
        enterName(form, QStringLiteral("Ann"));
        QVERIFY(!Forms::find(windows::UserNameEntry));
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Unknown.scr")), line("Unknown"));
        QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));

        // The close box confirms the name too.
        form = dynamic_cast<UserNameEntry*>(Forms::show(windows::UserNameEntry));
        session().AddScore = 4;
        session().MulScore = 1;
        kt::test::typeText(kt::test::control<TextBox>(form, QStringLiteral("TextName")), QStringLiteral("Bob"));
        form->close();
        kt::test::processEvents();
        QVERIFY(!Forms::find(windows::UserNameEntry));
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), line("Ann", "0,4,0,1,0,0,0,0,0"));
        QCOMPARE(session().UserName, QStringLiteral("Bob"));
        QCOMPARE(session().AddScore, qint16(0));
        QVERIFY(sandbox.messages.isEmpty());
    }

    // A changed name saves the previous name's scores and starts at zero;
    // confirming the current one (or nothing, as Unknown) writes nothing.
    void typedNames_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("files");
        const auto row = [](const char* tag, const QString& user, const QString& typed, const QString& name, bool saved) {
            QTest::newRow(tag) << user << typed << name << (saved ? QStringList{user + ".scr"} : QStringList());
        };
        // How a typed name is made safe is the score records' test.
        row("plain", "Zoe", "Ann", "Ann", true);
        row("eight characters at most", "Zoe", "Alexandra", "Alexandr", true);
        row("unsafe name", "Zoe", "../x", "Unknown", true);
        row("case change is a new name", "Ann", "ann", "ann", true);
        row("same name", "Ann", "Ann", "Ann", false);
        row("same before the dot", "Ann", "Ann.Smith", "Ann", false);
        row("empty OK", "", "", "Unknown", false);
    }
    void typedNames()
    {
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QStringList, files);
        Sandbox sandbox;
        sandbox.makeDataDir();
        session().UserName = user;
        session().SpellingScore = 4;

        enterName(dynamic_cast<UserNameEntry*>(Forms::show(windows::UserNameEntry)), typed);
        QVERIFY(!Forms::find(windows::UserNameEntry));
        QCOMPARE(session().UserName, name);
        QCOMPARE(session().SpellingScore, qint16(files.isEmpty() ? 4 : 0));
        QCOMPARE(dataFiles(sandbox), files);
        for (const QString& file : files)
            QCOMPARE(sandbox.readDataFile(file), line(user, "0,0,0,0,0,0,0,4,0"));
        QCOMPARE(QDir(sandbox.windowsDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("kitetu")});
    }

    void exitWritesTheLastRecord_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("name confirmed") << true;
        QTest::newRow("name window still open") << false;
    }
    void exitWritesTheLastRecord()
    {
        QFETCH(bool, confirmed);
        Sandbox sandbox;
        sandbox.makeDataDir();
        MainWindow* main = startMain();
        auto* form = Forms::find<UserNameEntry>(windows::UserNameEntry);
        // The text of a name window still open at the end is not taken.
        confirmed ? enterName(form, QStringLiteral("Ann")) : kt::test::typeText(kt::test::control<TextBox>(form, QStringLiteral("TextName")), QStringLiteral("Ann"));
        closeMain(main, sandbox);
        QVERIFY(!Forms::find(windows::UserNameEntry));
        const QString last = confirmed ? QStringLiteral("Ann") : QStringLiteral("Unknown");
        QCOMPARE(sandbox.readDataFile(last + QStringLiteral(".scr")), line(last));
        QCOMPARE(dataFiles(sandbox), (confirmed ? QStringList{"Ann.scr", "Unknown.scr", "kitetu.dat"}
                                                : QStringList{"Unknown.scr", "kitetu.dat"}));
        QVERIFY(sandbox.messages.isEmpty());
    }

    void unwritableDataDirectoryIsReported()
    {
        Sandbox sandbox;
        QVERIFY(QFile(sandbox.dataDir()).open(QIODevice::WriteOnly));
        MainWindow* main = startMain();
        session().AddScore = 2;
        enterName(Forms::find<UserNameEntry>(windows::UserNameEntry), QStringLiteral("Ann"));

        // The change goes ahead; the failure is told, with the lost record.
        QCOMPARE(session().UserName, QStringLiteral("Ann"));
        QCOMPARE(session().AddScore, qint16(0));
        QCOMPARE(sandbox.messages.size(), 1);
        QVERIFY(sandbox.messages.at(0).text.contains(QStringLiteral("Unknown")));
        QVERIFY(sandbox.messages.at(0).text.contains(QStringLiteral("0,2,0,0,0,0,0,0,0")));

        // Exit reports the record of Ann too, and the program still ends.
        closeMain(main, sandbox);
        QVERIFY(sandbox.messages.size() >= 2);
        QVERIFY(sandbox.messages.at(1).text.startsWith(QStringLiteral("The scores of Ann could not be saved")));
        QVERIFY(QFileInfo(sandbox.dataDir()).isFile());
    }

    void sayNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("leading space") << " 7" << wavs("7.WAV");
        QTest::newRow("19") << "19" << wavs("19.WAV");
        QTest::newRow("20") << "20" << wavs("20.WAV");
        QTest::newRow("21") << "21" << wavs("20.WAV 1.WAV");
        QTest::newRow("47 trailing space") << "47 " << wavs("40.WAV 7.WAV");
        QTest::newRow("305") << "305" << wavs("300.WAV 5.WAV");
        QTest::newRow("312") << "312" << wavs("300.WAV 12.WAV"); // the teens stay one word
        QTest::newRow("999") << "999" << wavs("900.WAV 90.WAV 9.WAV");
        QTest::newRow("3.5") << "3.5" << wavs("3.wav point.wav 5.wav");
        QTest::newRow(".5") << ".5" << wavs("point.wav 5.wav");
        QTest::newRow("word") << "plus" << wavs("plus.WAV");
        // Blank text asks for ".WAV", so the default sound plays.
        QTest::newRow("blanks only") << "   " << wavs(".WAV");
        QTest::newRow("spaced -47") << " -47" << wavs("minus.WAV 40.WAV 7.WAV");
        QTest::newRow("-3.5") << "-3.5" << wavs("minus.WAV 3.wav point.wav 5.wav");
        QTest::newRow("lone minus sign") << "-" << wavs("-.WAV");
        // Four or more digits: digit by digit, never "1234.WAV".
        QTest::newRow("1234 trailing space") << "1234 " << wavs("1.WAV 2.WAV 3.WAV 4.WAV");
    }
    void sayNumber()
    {
        speaking();
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        SayNumber(text);
        QCOMPARE(played(), expected);
    }

    void silentWhenSoundIsOffButPartsSpeakWhateverTheSetting()
    {
        speaking();
        session().SoundOn = 0;
        for (const char* text : {"7", "347", "3.5", "plus", "", "-5", "1234"})
            SayNumber(QString::fromLatin1(text));
        QVERIFY(played().isEmpty());
        SaySmall(QStringLiteral("05"));
        SayTens(QStringLiteral("47"));
        // Given four digits, the hundreds part speaks the first digit and the last two.
        SayHundreds(QStringLiteral("1234"));
        QCOMPARE(played(), wavs("5.WAV 40.WAV 7.WAV 100.WAV 30.WAV 4.WAV"));
    }

    // n = r * 13 + 1 rounded: each praise in order at r = (n - 1) / 13, plus the
    // rounding edges; "try again" draws no number. Choosing plays nothing.
    void pickPraise()
    {
        speaking();
        QStringList seen;
        for (double r : {0.0, 1 / 13.0, 2 / 13.0, 3 / 13.0, 4 / 13.0, 5 / 13.0, 6 / 13.0, 7 / 13.0, 8 / 13.0,
                         9 / 13.0, 10 / 13.0, 11 / 13.0, 12 / 13.0, 0.999, 0.03, 0.05}) {
            script(r);
            seen << PickPraise(1);
            QCOMPARE(sandbox->random->position, 1);
        }
        QCOMPARE(seen, wavs("great.wav good.wav yougotit.wav excell.wav fantasti.wav waytogo.wav super.wav alright.wav "
                            "alright2.wav clap.wav excell2.wav good2.wav great2.wav super2.wav great.wav good.wav"));
        for (int flag : {0, 2, -1}) {
            script(0.5);
            QCOMPARE(PickPraise(flag), QStringLiteral("tryagn2.wav"));
            QCOMPARE(sandbox->random->position, 0);
        }
        QVERIFY(played().isEmpty());
    }

    // Each opening draws again; a draw can reach every bitmap.
    void eachOfThreeCanBeChosen()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(dataPath(sandbox, QStringLiteral("a.bmp")), Qt::red);
        saveBitmap(dataPath(sandbox, QStringLiteral("b.BMP")), Qt::green);
        saveBitmap(dataPath(sandbox, QStringLiteral("c.bmp")), Qt::blue);
        sandbox.writeDataFile(QStringLiteral("Ann.scr"), "not a picture");
        sandbox.random->values = {ScriptedRandom::pick(1, 3), ScriptedRandom::pick(2, 3), ScriptedRandom::pick(0, 3)};
        const QList<QPair<QString, QColor>> shown{{"b.BMP", Qt::green}, {"c.bmp", Qt::blue}, {"a.bmp", Qt::red}};
        for (const auto& [file, colour] : shown) {
            auto* form = dynamic_cast<VisualRewards*>(Forms::show(windows::VisualRewards));
            QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label1"))->text(), dataPath(sandbox, file));
            QCOMPARE(kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->pixmap().toImage().pixelColor(0, 0), colour);
            expectClosesAfterFiveSeconds(form);
        }
        QCOMPARE(sandbox.random->position, 3);
    }

    void onlyTheFirst101TakePart()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        for (int i = 0; i < 105; ++i)
            saveBitmap(dataPath(sandbox, QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))), Qt::yellow, QSize(2, 2));
        VisualRewards* form = openReward(sandbox, {0.9999999});
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label1"))->text(), dataPath(sandbox, QStringLiteral("p100.bmp")));
        QVERIFY(kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->hasPicture());
    }

    void nothingToShowGivesAnEmptyWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no data directory") << QString() << QByteArray();
        QTest::newRow("no bitmaps") << "Ann.scr" << QByteArray();
        QTest::newRow("unreadable bitmap") << "broken.bmp" << QByteArray("BM this is not really a picture");
    }
    void nothingToShowGivesAnEmptyWindow()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        Sandbox sandbox;
        if (!file.isEmpty())
            sandbox.writeDataFile(file, bytes);
        VisualRewards* form = openReward(sandbox);
        QVERIFY(!kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->hasPicture());
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label1"))->text(), QString());
        QCOMPARE(sandbox.random->position, 0);
        QVERIFY(sandbox.messages.isEmpty());
        expectClosesAfterFiveSeconds(form);
    }

    void largePictureIsFitted()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(dataPath(sandbox, QStringLiteral("photo.bmp")), Qt::magenta, QSize(2000, 1000));
        VisualRewards* form = openReward(sandbox);
        QVERIFY(kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->hasPicture());
        const QSize shown = kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->pixmap().size();
        QVERIFY(shown.width() <= px(6480) && shown.height() <= px(4860));
        QCOMPARE(shown.width(), 2 * shown.height());
        QVERIFY(kt::test::control<ImageBox>(form, QStringLiteral("Image1"))->geometry().right() < form->surface()->width());
    }

    void aboutPicturesAlternate()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(sandbox.programDir() + QStringLiteral("/about1.bmp"), Qt::red, QSize(96, 96));
        saveBitmap(sandbox.programDir() + QStringLiteral("/about2.bmp"), Qt::blue, QSize(96, 96));
        auto* form = dynamic_cast<About*>(Forms::show(windows::About));
        QVERIFY(form);
        // Image2 until the first tick, then Image1 and Image2 in turn.
        QCOMPARE(aboutPictureColour(form), QColor(Qt::blue));
        for (const QColor colour : {Qt::red, Qt::blue, Qt::red}) {
            kt::test::control<Timer>(form, QStringLiteral("Timer1"))->fire();
            QCOMPARE(aboutPictureColour(form), colour);
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
