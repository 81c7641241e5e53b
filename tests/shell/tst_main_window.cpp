// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu and navigation rules, with small stand-in windows
// registered in place of the activities.
#include "TestKit.h"

#include "shell/HideScoreFlag.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace kt;

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

void registerStandIns(const QStringList& names)
{
    for (const QString& name : names)
        Forms::registerForm(name, [name] { return new StandInWindow(name); });
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::Sandbox> sandbox;
    MainWindow* main = nullptr;

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

private slots:
    void init()
    {
        g_log.clear();
        sandbox = std::make_unique<test::Sandbox>(false);
        sandbox->makeDataDir();
        Forms::registerForm(windows::MainWindow, [] { return new MainWindow; });
        QStringList standIns = windows::activityCloseOrder();
        standIns << windows::Counting << windows::UserNameEntry << windows::CurrentScores << windows::PreviousScores;
        registerStandIns(standIns);
        main = Forms::get<MainWindow>(windows::MainWindow);
        main->showForm();
        g_log.clear();
    }

    void cleanup()
    {
        sandbox.reset();
        main = nullptr;
    }

    // At each start Level 1 of every drill, Fractions Level 1 and Factor
    // Polynomials carry the mark; the sound mark follows the settings.
    void initialMarks()
    {
        const QStringList ticked{"menuAddLevel1", "menuSubLevel1", "menuMulLevel1", "menuDivLevel1",
                                 "menuFractLevel1", "menuFactor", "menuSoundOff"};
        for (const QString& name : ticked)
            QVERIFY2(checked(name), qPrintable(name));
        QVERIFY(!checked("menuSoundOn")); // a first run starts with sound off
        QVERIFY(!checked("menuAddLevel2"));
    }

    void entriesWithoutWindowAreDisabled()
    {
        cleanup();
        sandbox = std::make_unique<test::Sandbox>(false);
        Forms::registerForm(windows::MainWindow, [] { return new MainWindow; });
        registerStandIns({windows::Addition});
        main = Forms::get<MainWindow>(windows::MainWindow);
        main->showForm();
        QVERIFY(action("menuAdd")->isEnabled());
        QVERIFY(!action("menSub")->isEnabled());
        QVERIFY(!action("mnuSpelling")->isEnabled());
        QVERIFY(action("menuExit")->isEnabled());
    }

    void levelEntryClosesActivitiesAndMovesOnlyItsOwnMarks()
    {
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
        QVERIFY(!Forms::find(windows::UserNameEntry));
        choose("menuAddLevel1"); // an activity opened before the timer fires
        main->Timer1->fire();
        QVERIFY(Forms::find(windows::UserNameEntry));
        QVERIFY(!main->Timer1->enabled());
        main->Timer1->fire(); // a late tick of a disabled timer does nothing
        QVERIFY(Forms::find(windows::Addition));
        // Change User Name on the open window only brings it to the front.
        Form* first = Forms::find(windows::UserNameEntry);
        choose("mnuChangeUser");
        QCOMPARE(Forms::find(windows::UserNameEntry), first);
        QCOMPARE(g_log.count(QStringLiteral("load frmUserName")), 1);
    }

    void exitSavesSettingsAndEndsWithoutOtherUnloads()
    {
        choose("menuSoundOn");
        QVERIFY(checked("menuSoundOn") && !checked("menuSoundOff"));
        choose("menuAddLevel1");
        g_log.clear();
        choose("menuExit");
        QCOMPARE(sandbox->endProgramCalls, 1);
        QCOMPARE(sandbox->readDataFile("kitetu.dat"), QByteArray("1,0,0\r\n"));
        QVERIFY(g_log.isEmpty()); // the drill vanished without its own unload
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
