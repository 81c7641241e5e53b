// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling bee window: its menus with their check marks, the windows they
// open, the drill they close, the reward pictures, and the wandering bee.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/SpellingBee.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace kt;
using namespace kt::test;

class TestSpellingBee : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    SpellingBee* beez = nullptr;

    void open() { beez = dynamic_cast<SpellingBee*>(Forms::show(windows::SpellingBee)); }
    QAction* entry(const QString& name) const { return control<QAction>(beez, name); }
    void choose(const QString& name) const { entry(name)->trigger(); }
    bool checked(const QString& name) const { return entry(name)->isChecked(); }
    static bool isOpen(const QString& window)
    {
        processEvents();
        return Forms::find(window) != nullptr;
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        box->makeDataDir();
    }
    void cleanup() { box.reset(), beez = nullptr; }

    void theMainMenuOpensItWithTheSavedOptionsChecked_data()
    {
        QTest::addColumn<int>("saved");
        QTest::newRow("built-in marks") << 0;
        QTest::newRow("random order and rewards saved") << 1;
    }
    void theMainMenuOpensItWithTheSavedOptionsChecked()
    {
        QFETCH(int, saved);
        box->writeDataFile(QStringLiteral("kitetu.dat"), QByteArray::number(saved) + ',' + QByteArray::number(saved) + ','
                                                            + QByteArray::number(saved) + "\r\n");
        Form* main = Forms::show(windows::MainWindow);
        QAction* spelling = control<QAction>(main, QStringLiteral("mnuSpelling"));
        QVERIFY(spelling->isEnabled());
        spelling->trigger();
        beez = Forms::find<SpellingBee>(windows::SpellingBee);
        QVERIFY(beez);
        QCOMPARE(checked("menuRandom"), saved == 1);
        QCOMPARE(checked("menuSequential"), saved == 0);
        QCOMPARE(checked("menuVisualOn"), saved == 1);
        QCOMPARE(checked("menuVisualOff"), saved == 0);
    }

    void levelsAndOrderRestartTheDrill()
    {
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"cat\"\r\n");
        box->writeProgramFile(QStringLiteral("Level4.lib"), "\"elephant\"\r\n");
        open();
        auto shownWord = [] {
            processEvents();
            return control<QLineEdit>(Forms::find(windows::SpellingDrill), QStringLiteral("TextSpelledWord"))->text().trimmed();
        };
        choose(QStringLiteral("menuLevel1"));
        QCOMPARE(session().WordFileName, QStringLiteral("Level1.lib"));
        QCOMPARE(shownWord(), QStringLiteral("cat"));
        choose(QStringLiteral("menuLevel4"));
        QCOMPARE(shownWord(), QStringLiteral("elephant"));

        choose(QStringLiteral("menuRandom"));
        QVERIFY(!isOpen(windows::SpellingDrill));
        QVERIFY(session().RandomWordOrder);
        QVERIFY(checked("menuRandom") && !checked("menuSequential"));
        choose(QStringLiteral("menuLevel4"));
        choose(QStringLiteral("menuSequential"));
        QVERIFY(!isOpen(windows::SpellingDrill));
        QVERIFY(!session().RandomWordOrder);
        QVERIFY(!checked("menuRandom") && checked("menuSequential"));
    }

    void homeworkEntriesSetTheActionCloseTheDrillAndOpenTheirDialog_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("create") << "menuInputHomework" << 0 << windows::HomeworkFileName;
        QTest::newRow("practise") << "menuLastHomework" << 1 << windows::WordFilePicker;
        QTest::newRow("add words") << "menuAddWords" << 2 << windows::WordFilePicker;
        QTest::newRow("delete a file") << "menuDeleteFile" << 3 << windows::WordFilePicker;
        QTest::newRow("change a word") << "menuChangeWord" << 4 << windows::WordFilePicker;
        QTest::newRow("delete a word") << "menuDeleteWord" << 5 << windows::WordFilePicker;
    }
    void homeworkEntriesSetTheActionCloseTheDrillAndOpenTheirDialog()
    {
        QFETCH(QString, item);
        QFETCH(int, action);
        QFETCH(QString, dialog);
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"cat\"\r\n");
        open();
        choose(QStringLiteral("menuLevel1"));
        session().WordFileAction = WordListAction(9);
        choose(item);
        QCOMPARE(int(session().WordFileAction), action);
        QVERIFY(!isOpen(windows::SpellingDrill));
        QVERIFY(isOpen(dialog));
    }

    void visualRewardsNeedPictures()
    {
        open();
        choose(QStringLiteral("menuVisualOn"));
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(box->messages.at(0).text.endsWith(" them in the " + box->dataDir() + " directory."));
        QVERIFY(!session().VisualRewardsOn);
        QVERIFY(checked("menuVisualOn") && !checked("menuVisualOff"));
        choose(QStringLiteral("menuVisualOff"));
        QVERIFY(!checked("menuVisualOn") && checked("menuVisualOff"));

        box->writeDataFile(QStringLiteral("Star.BMP"), "BM");
        choose(QStringLiteral("menuVisualOn"));
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(session().VisualRewardsOn);
    }

    // Help and Exit picked with the mouse, as a child does.
    void helpNamesTheDataFolderAndExitLeavesTheDrillOpen()
    {
        box->writeProgramFile(QStringLiteral("Level2.lib"), "\"apple\"\r\n");
        open();
        QMenuBar* bar = beez->findChild<QMenuBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry(QStringLiteral("menuHelp"))).center());
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(box->messages.at(0).text.contains(box->dataDir() + QStringLiteral(" directory so the words")));
        choose(QStringLiteral("menuLevel2"));
        auto* actions = control<QMenu>(beez, QStringLiteral("menuActions"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(actions->menuAction()).center());
        QTRY_VERIFY(actions->isVisible());
        QTest::mouseClick(actions, Qt::LeftButton, {}, actions->actionGeometry(entry(QStringLiteral("menuExit"))).center());
        QVERIFY(!isOpen(windows::SpellingBee));
        QVERIFY(isOpen(windows::SpellingDrill));
    }

    void theBeeWandersAndComesBackToTheMiddle()
    {
        open();
        QCOMPARE(beez->imageLeft(), 3600);
        QCOMPARE(beez->imageTop(), 2700);
        box->random->values = {0.75, 0.25};
        beez->Timer1->fire();
        QCOMPARE(beez->imageLeft(), 3625);
        QCOMPARE(beez->imageTop(), 2675);
        QCOMPARE(beez->Image1->pos(), QPoint(px(3625), px(2675)));
        // Steps of -50 up to the top edge, then back to the middle.
        box->random->values = {0.0}, box->random->position = 0;
        for (int i = 0; i < 52; ++i)
            beez->Timer1->fire();
        QCOMPARE(beez->imageTop(), 75);
        QCOMPARE(beez->imageLeft(), 1025);
        beez->Timer1->fire();
        QCOMPARE(beez->imageTop(), 2650);
        QCOMPARE(beez->imageLeft(), 975);
    }
};

QTEST_MAIN(TestSpellingBee)
#include "tst_spelling_bee.moc"
