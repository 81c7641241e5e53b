// SPDX-License-Identifier: GPL-3.0-or-later
// The user-name window: opened once by the main window's timer, it makes the
// typed name current, saves the previous name's scores on a change and
// starts the new name at zero; the main window's exit saves the last record.
#include "TestKit.h"

#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "shell/UserNameEntry.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kt;
using kt::test::Sandbox;

namespace {

void enterName(UserNameEntry* form, const QString& name)
{
    kt::test::typeText(form->TextName, name);
    kt::test::pressEnter(form->TextName);
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
    main->Timer1->fire();
    return main;
}

void closeMain(MainWindow* main, const Sandbox& sandbox)
{
    main->close();
    kt::test::processEvents();
    QCOMPARE(sandbox.endProgramCalls, 1);
}

} // namespace

class TestUserName : public QObject {
    Q_OBJECT

private slots:
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
        kt::test::typeText(form->TextName, QStringLiteral("Bob"));
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
        confirmed ? enterName(form, QStringLiteral("Ann")) : kt::test::typeText(form->TextName, QStringLiteral("Ann"));
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
};

QTEST_MAIN(TestUserName)
#include "tst_user_name.moc"
