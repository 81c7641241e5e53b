// The user-name window: opened once by the main window's timer, it makes the
// typed name current, saves the previous name's scores on a change and
// starts the new name at zero; the main window's exit saves the last record.
#include "TestKit.h"

#include "shell/FormScoreList.h"
#include "shell/KiteTu.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "shell/frmUserName.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kt;
using kt::test::Sandbox;

namespace {

frmUserName* openUserName()
{
    return dynamic_cast<frmUserName*>(Forms::show(windows::UserName));
}

// Types a name into the open window and confirms it with Enter.
void enterName(frmUserName* form, const QString& name)
{
    kt::test::typeText(form->TextName, name);
    kt::test::pressEnter(form->TextName);
    kt::test::processEvents();
}

QStringList dataFiles(const Sandbox& sandbox)
{
    return QDir(sandbox.dataDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray zeros(const QString& name)
{
    return "\"12-05-2026\",\"16:20:05\",\"" + name.toUtf8() + "\",0,0,0,0,0,0,0,0,0\r\n";
}

void blockDataDirectory(const Sandbox& sandbox)
{
    QFile blocker(sandbox.dataDir());
    if (blocker.open(QIODevice::WriteOnly))
        blocker.write("in the way");
}

} // namespace

class TestUserName : public QObject {
    Q_OBJECT

private slots:
    void opensOnceFromTheMainWindowTimer();
    void firstStartThenAnn();
    void emptyOkKeepsUnknown();
    void typedNames_data();
    void typedNames();
    void caseChangeIsANewName();
    void sameNameWritesNothing();
    void oneLinePerChange();
    void closeBoxConfirmsTheName();
    void exitWritesARecordOfZeros();
    void exitBeforeAnyNameWritesUnknown();
    void unconfirmedNameAtExitDoesNotCount();
    void unwritableDataDirectoryIsReported();
};

void TestUserName::opensOnceFromTheMainWindowTimer()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    QVERIFY(main);
    QVERIFY(!Forms::find(windows::UserName));
    QCOMPARE(session().UserName, QString());

    main->Timer1->fire();
    auto* form = Forms::find<frmUserName>(windows::UserName);
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QCOMPARE(form->caption(), QStringLiteral("Enter Your Name"));
    QCOMPARE(form->widthTwips(), 4245);
    QCOMPARE(form->TextName->objectName(), QStringLiteral("TextName"));
    QCOMPARE(form->TextName->text(), QString());
    QCOMPARE(form->TextName->maxLength(), 8);
    QCOMPARE(form->Command1->objectName(), QStringLiteral("Command1"));
    QCOMPARE(form->Command1->text(), QStringLiteral("OK"));
    // Loading alone names the session.
    QCOMPARE(session().UserName, QStringLiteral("Unknown"));

    // One-shot: after the child closes it, the timer does not bring it back.
    kt::test::click(form->Command1);
    kt::test::processEvents();
    QVERIFY(!main->Timer1->enabled());
    main->Timer1->fire();
    QVERIFY(!Forms::find(windows::UserName));

    // The menu entry opens it again.
    auto* entry = main->findChild<QAction*>(QStringLiteral("mnuChangeUser"));
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    QVERIFY(Forms::find(windows::UserName));
}

void TestUserName::firstStartThenAnn()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    main->Timer1->fire();
    auto* form = Forms::find<frmUserName>(windows::UserName);
    QVERIFY(form);

    enterName(form, QStringLiteral("Ann"));
    QVERIFY(!Forms::find(windows::UserName));
    QCOMPARE(session().UserName, QStringLiteral("Ann"));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Unknown.scr")), zeros(QStringLiteral("Unknown")));
    QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
    QVERIFY(sandbox.messages.isEmpty());
}

void TestUserName::emptyOkKeepsUnknown()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    session().AddScore = 3;
    frmUserName* form = openUserName();
    QCOMPARE(session().UserName, QStringLiteral("Unknown"));
    kt::test::click(form->Command1);
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::UserName));
    QCOMPARE(session().UserName, QStringLiteral("Unknown"));
    QCOMPARE(dataFiles(sandbox), QStringList());
    QCOMPARE(session().AddScore, qint16(3));
}

void TestUserName::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Ann" << "Ann";
    QTest::newRow("cut at the dot") << "Ann.Smith" << "Ann";
    QTest::newRow("eight characters at most") << "Alexandra" << "Alexandr";
    QTest::newRow("leading dot leaves nothing") << ".Smith" << "Unknown";
    QTest::newRow("parent directory") << "../x" << "Unknown";
    QTest::newRow("root") << "/" << "Unknown";
    QTest::newRow("backslash") << "\\" << "Unknown";
    QTest::newRow("separators dropped") << "a/b\\c" << "abc";
    QTest::newRow("blanks only") << "   " << "Unknown";
}

void TestUserName::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    Sandbox sandbox;
    sandbox.makeDataDir();
    session().UserName = QStringLiteral("Zoe");
    session().SpellingScore = 4;

    enterName(openUserName(), typed);
    QCOMPARE(session().UserName, name);
    QCOMPARE(session().SpellingScore, qint16(0));
    // Zoe's record is the only file, and nothing left the data directory.
    QCOMPARE(dataFiles(sandbox), QStringList{QStringLiteral("Zoe.scr")});
    QCOMPARE(QDir(sandbox.windowsDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("kitetu")});

    // The next record of this name goes into the data directory under it.
    QVERIFY(WriteScoreRecord(session().UserName));
    QCOMPARE(sandbox.readDataFile(name + QStringLiteral(".scr")), zeros(name));
}

void TestUserName::caseChangeIsANewName()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    session().UserName = QStringLiteral("Ann");
    session().AddScore = 3;

    enterName(openUserName(), QStringLiteral("ann"));
    QCOMPARE(session().UserName, QStringLiteral("ann"));
    QCOMPARE(session().AddScore, qint16(0));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")),
             QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,3,0,0,0,0,0,0,0\r\n"));

    // Back to "Ann": the record of "ann" joins the same file.
    session().DivScore = 1;
    enterName(openUserName(), QStringLiteral("Ann"));
    QCOMPARE(dataFiles(sandbox), QStringList{QStringLiteral("Ann.scr")});
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")),
             QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,3,0,0,0,0,0,0,0\r\n"
                        "\"12-05-2026\",\"16:20:05\",\"ann\",0,0,0,0,1,0,0,0,0\r\n"));
}

void TestUserName::sameNameWritesNothing()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    session().UserName = QStringLiteral("Ann");
    session().AddScore = 5;
    enterName(openUserName(), QStringLiteral("Ann"));
    QCOMPARE(session().UserName, QStringLiteral("Ann"));
    QCOMPARE(session().AddScore, qint16(5));
    QCOMPARE(dataFiles(sandbox), QStringList());
    // "Ann.Smith" is Ann too.
    enterName(openUserName(), QStringLiteral("Ann.Smith"));
    QCOMPARE(session().AddScore, qint16(5));
    QCOMPARE(dataFiles(sandbox), QStringList());
}

void TestUserName::oneLinePerChange()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    enterName(openUserName(), QStringLiteral("Ann"));
    session().AddScore = 4;
    session().MulScore = 1;

    enterName(openUserName(), QStringLiteral("Bob"));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")),
             QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,4,0,1,0,0,0,0,0\r\n"));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Unknown.scr")), zeros(QStringLiteral("Unknown")));

    // The current scores now show Bob with zeros.
    auto* scores = dynamic_cast<FormScoreList*>(Forms::show(windows::CurrentScores));
    QVERIFY(scores);
    QCOMPARE(scores->Label10->text(), QStringLiteral("Bob"));
    for (Label* value : scores->scoreValues)
        QCOMPARE(value->text(), QStringLiteral("0"));
}

void TestUserName::closeBoxConfirmsTheName()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    frmUserName* form = openUserName();
    kt::test::typeText(form->TextName, QStringLiteral("Cy"));
    form->close();
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::UserName));
    QCOMPARE(session().UserName, QStringLiteral("Cy"));
    QCOMPARE(dataFiles(sandbox), QStringList{QStringLiteral("Unknown.scr")});
}

void TestUserName::exitWritesARecordOfZeros()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    main->Timer1->fire();
    enterName(Forms::find<frmUserName>(windows::UserName), QStringLiteral("Ann"));

    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), zeros(QStringLiteral("Ann")));
    QCOMPARE(dataFiles(sandbox),
             (QStringList{QStringLiteral("Ann.scr"), QStringLiteral("Unknown.scr"), QStringLiteral("kitetu.dat")}));
    QVERIFY(sandbox.messages.isEmpty());
}

void TestUserName::exitBeforeAnyNameWritesUnknown()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    QCOMPARE(session().UserName, QString());
    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
    QCOMPARE(dataFiles(sandbox), (QStringList{QStringLiteral("Unknown.scr"), QStringLiteral("kitetu.dat")}));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Unknown.scr")), zeros(QStringLiteral("Unknown")));
}

void TestUserName::unconfirmedNameAtExitDoesNotCount()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    main->Timer1->fire();
    // The program ends with the name window open: its text is not taken.
    kt::test::typeText(Forms::find<frmUserName>(windows::UserName)->TextName, QStringLiteral("Zed"));
    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
    QVERIFY(!Forms::find(windows::UserName));
    QCOMPARE(dataFiles(sandbox), (QStringList{QStringLiteral("Unknown.scr"), QStringLiteral("kitetu.dat")}));
    QCOMPARE(session().UserName, QStringLiteral("Unknown"));
}

void TestUserName::unwritableDataDirectoryIsReported()
{
    Sandbox sandbox;
    blockDataDirectory(sandbox);
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    main->Timer1->fire();
    session().AddScore = 2;
    enterName(Forms::find<frmUserName>(windows::UserName), QStringLiteral("Ann"));

    // The change goes ahead; the failure is told, with the lost record.
    QCOMPARE(session().UserName, QStringLiteral("Ann"));
    QCOMPARE(session().AddScore, qint16(0));
    QCOMPARE(sandbox.messages.size(), 1);
    QCOMPARE(sandbox.messages.at(0).title, QStringLiteral("Kite-Tutor"));
    QVERIFY(sandbox.messages.at(0).text.contains(QStringLiteral("Unknown")));
    QVERIFY(sandbox.messages.at(0).text.contains(QStringLiteral("0,2,0,0,0,0,0,0,0")));

    // Exit reports the record of Ann too, and the program still ends.
    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
    QVERIFY(sandbox.messages.size() >= 2);
    QVERIFY(sandbox.messages.at(1).text.startsWith(QStringLiteral("The scores of Ann could not be saved")));
    QVERIFY(QFileInfo(sandbox.dataDir()).isFile());
}

QTEST_MAIN(TestUserName)
#include "tst_user_name.moc"
