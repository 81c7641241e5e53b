// SPDX-License-Identifier: GPL-3.0-or-later
// The shell: start-up and settings; the main menu's rules (with stand-ins for the
// activities); the user-name window and the records it saves; spoken numbers and
// praise; the picture reward and the About window.
#include "TestKit.h"

#include "shell/HideScoreFlag.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/Settings.h"
#include "shell/Speech.h"
#include "shell/Startup.h"
#include "shell/UserNameEntry.h"
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
using kt::test::control;
using kt::test::Sandbox;
using kt::test::ScriptedRandom;

namespace {

QStringList g_log;

// Logs "+name" at load (with the HideScore flag when it is set) and "-name" at unload.
class StandInWindow : public Form, public HideScoreFlag {
public:
    explicit StandInWindow(const QString& name) : Form(name) {}

protected:
    void Form_Load() override { g_log << "+" + objectName() + (HideScore ? QString("(%1)").arg(HideScore) : ""); }
    void Form_Unload(bool&) override { g_log << "-" + objectName(); }
};

QStringList words(const char* text) { return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts); }
Timer* timer(const Form* form) { return control<Timer>(form, QStringLiteral("Timer1")); }

TextBox* nameBox(const Form* form) { return control<TextBox>(form, QStringLiteral("TextName")); }
// Types a name and confirms it with Enter or the close box.
void enterName(UserNameEntry* form, const QString& name, bool closeBox = false)
{
    test::typeText(nameBox(form), name);
    if (closeBox)
        form->close();
    else
        test::pressEnter(nameBox(form));
    test::processEvents();
}
QStringList dataFiles(const Sandbox& box)
{
    return QDir(box.dataDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
QByteArray line(const QString& name, const QByteArray& scores = "0,0,0,0,0,0,0,0,0")
{
    return "\"12-05-2026\",\"16:20:05\",\"" + name.toUtf8() + "\"," + scores + "\r\n";
}

void saveBitmap(const QString& path, const QColor& colour, QSize size = QSize(8, 6))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}
ImageBox* picture(const Form* form) { return control<ImageBox>(form, QStringLiteral("Image1")); }
Label* caption(const Form* form) { return control<Label>(form, QStringLiteral("Label1")); }

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    // For the tests of the main window's menu and of speech; the others make their own.
    std::unique_ptr<Sandbox> sandbox;
    MainWindow* main = nullptr;

    // The main window, with stand-ins for the given windows (by default every
    // activity and the shell's own windows).
    void openWithStandIns(QStringList names = {})
    {
        if (names.isEmpty())
            names = windows::activityCloseOrder() << windows::Counting << windows::UserNameEntry
                                                  << windows::CurrentScores << windows::PreviousScores;
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
        QVERIFY2(entry && entry->isEnabled(), qPrintable(name));
        entry->trigger();
        test::processEvents();
    }
    void openSubmenu(const QString& name)
    {
        QMenu* submenu = submenuPopup(action(name));
        QVERIFY2(submenu, qPrintable(name));
        emit submenu->aboutToShow();
    }

    QStringList& played() { return sandbox->player->played; }

private slots:
    void cleanup()
    {
        sandbox.reset();
        main = nullptr;
    }

    // Start-up makes the data directory (a first run writes zeros), reads the
    // switches, starts the levels afresh and shows the main window, even when
    // no directory can be made. What cannot be read gives the default (the
    // settings fuzz target holds the fields to the rules); a damaged file is
    // left alone until the program saves at exit.
    void subMainStarts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents"); // written first, unless it is a first run
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<QString>("switches");
        QTest::newRow("first run") << "" << QByteArray("0,0,0\r\n") << false << "0,0,0";
        QTest::newRow("a plain file where the directory belongs") << "" << QByteArray() << true << "0,0,0";
        QTest::newRow("saved") << "kitetu.dat" << QByteArray("1,0,1\r\n") << false << "1,0,1";
        QTest::newRow("name in capitals") << "KITETU.DAT" << QByteArray("1,1,1\r\n") << false << "1,1,1";
        QTest::newRow("huge line") << "kitetu.dat" << QByteArray(2 * 1024 * 1024, '1') << false << "0,0,0";
    }
    void subMainStarts()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(bool, blocked);
        Sandbox sandbox;
        if (blocked)
            QVERIFY(QFile(sandbox.dataDir()).open(QIODevice::WriteOnly));
        else if (!file.isEmpty())
            sandbox.writeDataFile(file, contents);
        session().MulLevel = 4;
        session().SoundOn = true;
        SubMain();
        QCOMPARE(QFileInfo(sandbox.dataDir()).isDir(), !blocked);
        QCOMPARE(sandbox.readDataFile(file.isEmpty() ? QStringLiteral("kitetu.dat") : file), contents);
        QVERIFY(Forms::find(windows::MainWindow) && Forms::find(windows::MainWindow)->isVisible());
        QCOMPARE(session().MulLevel, qint16(1));
        const SessionState& s = session();
        QTEST(QString("%1,%2,%3").arg(s.SoundOn).arg(s.RandomWordOrder).arg(s.VisualRewardsOn), "switches");
    }

    // A link in place of the settings file is neither read nor written through.
    void unsavableSettingsAreReported()
    {
        Sandbox sandbox;
        QString error;
        sandbox.writeDataFile(QStringLiteral("elsewhere.dat"), "1,1,1\r\n");
        QVERIFY(QFile::link(sandbox.dataDir() + "/elsewhere.dat", sandbox.dataDir() + "/kitetu.dat"));
        LoadSettings();
        QVERIFY(!session().SoundOn);
        QVERIFY(!SaveSettings(&error));
        QVERIFY2(error.endsWith(QStringLiteral("it is not an ordinary file")), qPrintable(error));
        QCOMPARE(sandbox.readDataFile(QStringLiteral("elsewhere.dat")), QByteArray("1,1,1\r\n"));
        QVERIFY(QFileInfo(sandbox.dataDir() + QStringLiteral("/kitetu.dat")).isSymLink());
    }

    // Menu choices in turn ("name>" opens a submenu), then what the stand-ins
    // logged and what must hold: an entry ticked, a window open ("!" before
    // either for the opposite) or a session value.
    void menuChoices_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* tag, const char* steps, const char* log, const char* expected) {
            QTest::newRow(tag) << words(steps) << words(log) << words(expected);
        };
        // At each start Level 1 of every drill, Fractions Level 1 and Factor
        // Polynomials carry the mark; a first run starts with sound off.
        row("marks at start", "", "", "menuAddLevel1 menuSubLevel1 menuMulLevel1 menuDivLevel1 menuFractLevel1 "
                                      "menuFactor menuSoundOff !menuSoundOn !menuAddLevel2");
        row("sound on", "menuSoundOn", "", "menuSoundOn !menuSoundOff");
        row("a level closes the open activity and moves only its own marks", "menuSubLevel1 menuAddLevel2",
            "+Sub_form -Sub_form +Add_form", "AddLevel=2 menuAddLevel2 !menuAddLevel1 menuSubLevel1 !Sub_form");
        row("the same drill twice restarts it", "menuMulLevel3 menuMulLevel3", "+Mul_Form -Mul_Form +Mul_Form",
            "MulLevel=3 menuMulLevel3");
        row("fractions level 2 adds", "menuFractLevel2", "+AddFractionForm", "FractionAddMode=1 menuFractLevel2");
        row("fractions level 3 does not", "menuFractLevel2 menuFractLevel3",
            "+AddFractionForm -AddFractionForm +AddFractionForm",
            "FractionAddMode=0 menuFractLevel3 !menuFractLevel1 !menuFractLevel2");
        row("fractions level 5 hides the score, 4 and 1 do not", "menuFractLevel5 menuFractLevel4 menuFractLevel1",
            "+FractionReduction(-1) -FractionReduction +BasicFractionReduction -BasicFractionReduction "
            "+BasicFractionsForm", "menuFractLevel1 BasicFractionsForm !BasicFractionReduction");
        row("simultaneous equations hide the score", "menuAddLevel1 menuSimultaneous",
            "+Add_form -Add_form +SimultaneousLinearEquations(-1)", "menuSimultaneous !menuFactor");
        row("opening the equations submenu closes all", "menuSimultaneous mnuEquations>",
            "+SimultaneousLinearEquations(-1) -SimultaneousLinearEquations", "!menuSimultaneous !menuFactor");
        // An equation type already open is only brought to the front.
        row("an equation type leaves the open activity alone", "menuAddLevel2 mnuEquations3 mnuEquations3",
            "+Add_form +frmEquation3", "Add_form frmEquation3");
        row("windows outside the close list stay open", "mnuCurrentScores mnuNumbers menuAddLevel1",
            "+FormScoreList +frmNumbers +Add_form", "FormScoreList frmNumbers Add_form");
        row("factor closes the equation type", "mnuEquations3 menuFactor",
            "+frmEquation3 -frmEquation3 +Factor(-1)", "menuFactor !frmEquation3");
    }
    void menuChoices()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        openWithStandIns();
        for (const QString& step : steps)
            step.endsWith(QLatin1Char('>')) ? openSubmenu(step.chopped(1)) : choose(step);
        QTEST(g_log, "log");
        static const QMap<QString, qint16 SessionState::*> values{
            {QStringLiteral("AddLevel"), &SessionState::AddLevel},
            {QStringLiteral("MulLevel"), &SessionState::MulLevel},
            {QStringLiteral("FractionAddMode"), &SessionState::FractionAddMode}};
        for (QString what : expected) {
            const bool yes = !what.startsWith(QLatin1Char('!'));
            what.remove(QLatin1Char('!'));
            if (what.contains(QLatin1Char('=')))
                QCOMPARE(session().*values.value(what.section('=', 0, 0)), qint16(what.section('=', 1).toInt()));
            else if (action(what))
                QVERIFY2(action(what)->isChecked() == yes, qPrintable(what));
            else
                QVERIFY2(bool(Forms::find(what)) == yes, qPrintable(what));
        }
    }

    void entriesWithoutWindowAreDisabled()
    {
        openWithStandIns({windows::Addition});
        QVERIFY(action("menuAdd")->isEnabled() && action("menuExit")->isEnabled());
        QVERIFY(!action("menSub")->isEnabled() && !action("mnuSpelling")->isEnabled());
    }

    void closeAllFollowsTheFixedOrder()
    {
        openWithStandIns();
        QStringList expected;
        for (const QString& name : windows::activityCloseOrder()) {
            Forms::show(name);
            expected << "-" + name;
        }
        g_log.clear();
        choose("mnuNumbers");
        QCOMPARE(g_log, expected << "+frmNumbers");
    }

    // The log: one name window, opened by the timer alone; the activity stays.
    // Exit then saves the settings and ends without unloading either window.
    void nameWindowOpensOnceAndExitSavesSettings()
    {
        openWithStandIns();
        session().VisualRewardsOn = true;
        choose("menuSoundOn");
        choose("menuAddLevel1"); // an activity opened before the timer fires
        QVERIFY(!Forms::find(windows::UserNameEntry));
        timer(main)->fire();
        QVERIFY(!timer(main)->enabled());
        timer(main)->fire(); // a late tick of a disabled timer does nothing
        choose("mnuChangeUser"); // on the open window only brings it to the front
        choose("menuExit");
        QCOMPARE(sandbox->endProgramCalls, 1);
        QCOMPARE(sandbox->readDataFile(QStringLiteral("kitetu.dat")), QByteArray("1,0,1\r\n"));
        QCOMPARE(g_log, words("+Add_form +frmUserName"));
    }

    // A changed name saves the previous name's scores and starts at zero;
    // confirming the current one (or nothing, as Unknown) writes nothing.
    void typedNames_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("closeBox");
        // How a typed name is made safe is the score records' test.
        QTest::newRow("plain") << "Zoe" << "Ann" << "Ann" << true << false;
        QTest::newRow("by the close box") << "Ann" << "Bob" << "Bob" << true << true;
        QTest::newRow("eight characters at most") << "Zoe" << "Alexandra" << "Alexandr" << true << false;
        QTest::newRow("unsafe name") << "Zoe" << "../x" << "Unknown" << true << false;
        QTest::newRow("case change is a new name") << "Ann" << "ann" << "ann" << true << false;
        QTest::newRow("same name") << "Ann" << "Ann" << "Ann" << false << false;
        QTest::newRow("same before the dot") << "Ann" << "Ann.Smith" << "Ann" << false << false;
        QTest::newRow("empty OK") << "" << "" << "Unknown" << false << false;
    }
    void typedNames()
    {
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        QFETCH(bool, closeBox);
        Sandbox sandbox;
        sandbox.makeDataDir();
        session().UserName = user;
        session().SpellingScore = 4;

        enterName(dynamic_cast<UserNameEntry*>(Forms::show(windows::UserNameEntry)), typed, closeBox);
        QVERIFY(!Forms::find(windows::UserNameEntry));
        QTEST(session().UserName, "name");
        QCOMPARE(session().SpellingScore, qint16(saved ? 0 : 4));
        QCOMPARE(dataFiles(sandbox), saved ? QStringList{user + ".scr"} : QStringList());
        QCOMPARE(sandbox.readDataFile(user + ".scr"), saved ? line(user, "0,0,0,0,0,0,0,4,0") : QByteArray());
        QVERIFY(sandbox.messages.isEmpty());
    }

    // At exit the last name's record is written, not the text of a name
    // window still open. A data folder that cannot be written does not stop
    // a change of name or the exit: each lost record is told.
    void exitWritesTheLastRecord_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("name confirmed") << true << false;
        QTest::newRow("name window still open") << false << false;
        QTest::newRow("data folder blocked") << true << true;
    }
    void exitWritesTheLastRecord()
    {
        QFETCH(bool, confirmed);
        QFETCH(bool, blocked);
        Sandbox sandbox;
        QVERIFY(blocked ? QFile(sandbox.dataDir()).open(QIODevice::WriteOnly) : QDir().mkpath(sandbox.dataDir()));
        Form* main = Forms::show(windows::MainWindow);
        timer(main)->fire(); // the name window opens
        auto* form = Forms::find<UserNameEntry>(windows::UserNameEntry);
        QVERIFY(form && form->isVisible());
        QCOMPARE(session().UserName, QStringLiteral("Unknown")); // loading alone names the session
        session().AddScore = 2;
        confirmed ? enterName(form, QStringLiteral("Ann")) : test::typeText(nameBox(form), QStringLiteral("Ann"));
        QCOMPARE(session().UserName, confirmed ? "Ann" : "Unknown");
        QCOMPARE(session().AddScore, qint16(confirmed ? 0 : 2));
        main->close();
        test::processEvents();
        QCOMPARE(sandbox.endProgramCalls, 1);
        QVERIFY(!Forms::find(windows::UserNameEntry));
        if (blocked) {
            const QStringList told = sandbox.messageTexts();
            QVERIFY(told.size() >= 2 && told.at(0).contains("Unknown") && told.at(0).contains("0,2,0,0,0,0,0,0,0"));
            QVERIFY(told.at(1).startsWith(QStringLiteral("The scores of Ann could not be saved")));
            QVERIFY(QFileInfo(sandbox.dataDir()).isFile());
            return;
        }
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Unknown.scr")), line("Unknown", "0,2,0,0,0,0,0,0,0"));
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), confirmed ? line("Ann") : QByteArray());
        QCOMPARE(dataFiles(sandbox), (confirmed ? QStringList{"Ann.scr", "Unknown.scr", "kitetu.dat"}
                                                : QStringList{"Unknown.scr", "kitetu.dat"}));
        QVERIFY(sandbox.messages.isEmpty());
    }

    // The teens stay one word; blank text asks for ".WAV", so the default
    // sound plays; four or more digits go digit by digit, never "1234.WAV".
    void sayNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        for (const auto& [text, wavs] : {std::pair{" 7", "7.WAV"}, {"19", "19.WAV"}, {"20", "20.WAV"},
                                         {"21", "20.WAV 1.WAV"}, {"47 ", "40.WAV 7.WAV"}, {"305", "300.WAV 5.WAV"},
                                         {"312", "300.WAV 12.WAV"}, {"999", "900.WAV 90.WAV 9.WAV"},
                                         {"3.5", "3.wav point.wav 5.wav"}, {".5", "point.wav 5.wav"},
                                         {"plus", "plus.WAV"}, {"   ", ".WAV"}, {" -47", "minus.WAV 40.WAV 7.WAV"},
                                         {"-3.5", "minus.WAV 3.wav point.wav 5.wav"}, {"-", "-.WAV"},
                                         {"1234 ", "1.WAV 2.WAV 3.WAV 4.WAV"}})
            QTest::addRow("\"%s\"", text) << QString::fromLatin1(text) << words(wavs);
    }
    // With the sound off a number is silent.
    void sayNumber()
    {
        sandbox = std::make_unique<Sandbox>(false);
        session().SoundOn = 1;
        QFETCH(QString, text);
        SayNumber(text);
        QTEST(played(), "expected");
        session().SoundOn = 0;
        SayNumber(text);
        QTEST(played(), "expected"); // nothing more
    }

    // n = r * 13 + 1 rounded: each praise in order at r = (n - 1) / 13, plus the
    // rounding edges; "try again" draws no number. Choosing plays nothing.
    void pickPraise()
    {
        sandbox = std::make_unique<Sandbox>(false);
        session().SoundOn = 1;
        for (int n = 0; n < 13; ++n)
            sandbox->random->values << n / 13.0;
        sandbox->random->values << 0.999 << 0.03 << 0.05;
        QStringList seen;
        for (int i = 0; i < 16; ++i)
            seen << PickPraise(1);
        QCOMPARE(seen, words("great.wav good.wav yougotit.wav excell.wav fantasti.wav waytogo.wav super.wav "
                             "alright.wav alright2.wav clap.wav excell2.wav good2.wav great2.wav super2.wav "
                             "great.wav good.wav"));
        for (int flag : {0, 2, -1})
            QCOMPARE(PickPraise(flag), QStringLiteral("tryagn2.wav"));
        QCOMPARE(sandbox->random->position, 16);
        QVERIFY(played().isEmpty());
    }

    // The data folder's files (bitmap n of them in colour n) and the file
    // each opening shows, "" for an empty window: each opening draws again, a
    // draw can reach every bitmap, only the first 101 take part, a large
    // picture is fitted inside the window beside its caption, and the window
    // closes itself after five seconds.
    void rewardPicture_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("shown");
        QStringList many;
        for (int i = 0; i < 105; ++i)
            many << QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'));
        QTest::newRow("each of three") << words("a.bmp b.BMP c.bmp Ann.scr") << QSize(8, 6)
                                       << QList{ScriptedRandom::pick(1, 3), ScriptedRandom::pick(2, 3),
                                                ScriptedRandom::pick(0, 3)} << words("b.BMP c.bmp a.bmp");
        QTest::newRow("only the first 101") << many << QSize(2, 2) << QList{0.9999999} << words("p100.bmp");
        QTest::newRow("large picture") << words("big.bmp") << QSize(2000, 1000) << QList{0.5} << words("big.bmp");
        QTest::newRow("no data directory") << QStringList() << QSize() << QList<double>{} << QStringList{""};
        QTest::newRow("no bitmaps") << words("Ann.scr") << QSize() << QList<double>{} << QStringList{""};
        QTest::newRow("unreadable bitmap") << words("broken.bmp") << QSize() << QList<double>{} << QStringList{""};
    }
    void rewardPicture()
    {
        QFETCH(QStringList, files);
        QFETCH(QSize, size);
        QFETCH(QStringList, shown);
        Sandbox sandbox;
        const auto colour = [&files](const QString& file) {
            return QColor(Qt::GlobalColor(Qt::red + files.indexOf(file) % 12));
        };
        for (const QString& file : files) {
            const QString path = sandbox.writeDataFile(file, "BM this is not really a picture");
            if (size.isValid())
                saveBitmap(path, colour(file), size);
        }
        QFETCH(QList<double>, draws);
        sandbox.random->values = draws;
        for (const QString& file : shown) {
            Form* form = Forms::show(windows::VisualRewards);
            QCOMPARE(caption(form)->text(), file.isEmpty() ? QString() : sandbox.dataDir() + '/' + file);
            QCOMPARE(picture(form)->hasPicture(), !file.isEmpty());
            if (!file.isEmpty()) {
                const QPixmap pixmap = picture(form)->pixmap();
                QCOMPARE(pixmap.toImage().pixelColor(0, 0), colour(file));
                QCOMPARE(pixmap.width() * size.height(), pixmap.height() * size.width());
                QVERIFY(form->surface()->rect().contains(picture(form)->geometry()));
                QVERIFY(!picture(form)->geometry().intersects(caption(form)->geometry()));
            }
            QVERIFY(timer(form)->enabled());
            timer(form)->fire();
            test::processEvents();
            QVERIFY(!Forms::find(windows::VisualRewards));
        }
        QCOMPARE(sandbox.random->position, shown.first().isEmpty() ? 0 : shown.size());
        QVERIFY(sandbox.messages.isEmpty());
    }

    void aboutPicturesAlternate()
    {
        Sandbox sandbox;
        saveBitmap(sandbox.programDir() + QStringLiteral("/about1.bmp"), Qt::red, QSize(96, 96));
        saveBitmap(sandbox.programDir() + QStringLiteral("/about2.bmp"), Qt::blue, QSize(96, 96));
        Form* form = Forms::show(windows::About);
        // Image2 until the first tick, then Image1 and Image2 in turn.
        for (const QColor colour : {Qt::blue, Qt::red, Qt::blue, Qt::red}) {
            QCOMPARE(form->surface()->grab().toImage().pixelColor(picture(form)->geometry().center()), colour);
            timer(form)->fire();
        }
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
