// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the data directory, the settings file on first run, saved
// switches and damaged files.
#include "TestKit.h"

#include "shell/SessionState.h"
#include "shell/Settings.h"
#include "shell/Startup.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace kt;

class TestStartupSettings : public QObject {
    Q_OBJECT

private slots:
    // Start-up makes the data directory, reads the switches (levels start
    // afresh) and shows the main window.
    void subMainCreatesTheDataDirectoryAndShowsTheMainWindow()
    {
        test::Sandbox sandbox;
        QVERIFY(!QFileInfo::exists(sandbox.dataDir()));
        session().MulLevel = 4;
        SubMain();
        QVERIFY(QFileInfo(sandbox.dataDir()).isDir());
        QCOMPARE(session().settingsFile(), sandbox.dataDir() + "/kitetu.dat");
        Form* main = Forms::find(windows::MainWindow);
        QVERIFY(main && main->isVisible());
        QCOMPARE(session().MulLevel, qint16(1));
    }

    void startUpReadsTheSavedSwitches()
    {
        test::Sandbox sandbox;
        sandbox.writeDataFile("kitetu.dat", "1,0,0\r\n");
        SubMain();
        QVERIFY(session().SoundOn);
    }

    void startUpGoesOnWhenTheDataDirectoryCannotBeMade()
    {
        test::Sandbox sandbox;
        // A plain file where the directory belongs.
        QFile blocker(sandbox.dataDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SubMain();
        QVERIFY(Forms::find(windows::MainWindow));
        QVERIFY(!session().SoundOn);
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
};

QTEST_MAIN(TestStartupSettings)
#include "tst_startup_settings.moc"
