// SPDX-License-Identifier: GPL-3.0-or-later
// Score records: safe file names, the case-insensitive lookup, the record
// line, reading records back, and appending without losing what a file holds.
#include "TestKit.h"

#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/Startup.h"

#include "ui/DataFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <csignal>
#include <future>

#include <sys/resource.h>
#include <sys/stat.h>

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>
#define KITE_CAN_LIMIT_MEMORY 1
#endif

using namespace kt;

namespace {

ScoreRecord record(QDate date, std::array<qint16, 9> scores, const QString& name = QStringLiteral("Ann"))
{
    return ScoreRecord{date, QTime(16, 20, 5), name, scores};
}

QByteArray lineOf(const QByteArray& name) { return "\"12-05-2026\",\"16:20:05\",\"" + name + "\",0,2,0,0,0,0,0,0,0\r\n"; }
const QByteArray annLine = lineOf("Ann");

} // namespace

class TestScoreRecords : public QObject {
    Q_OBJECT

private slots:
    void safeUserName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "Ann" << "Ann";
        QTest::newRow("cut at the first dot") << "Ann.Smith" << "Ann";
        QTest::newRow("parent directory") << "../etc" << "";
        QTest::newRow("separators dropped") << "a/b\\c" << "abc";
        QTest::newRow("control characters") << QStringLiteral("\x01" "An\tn\x7f") << "Ann";
        QTest::newRow("reserved characters") << "a:*?\"<>|b" << "ab";
        QTest::newRow("only blanks") << "   " << "";
        QTest::newRow("blanks trimmed, inner kept") << "  Bo Li " << "Bo Li";
        QTest::newRow("letters and marks kept") << "José O'H-J" << "José O'H-J";
    }
    void safeUserName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, safe);
        QCOMPARE(kt::safeUserName(typed), safe);
        QCOMPARE(recordName(typed), safe.isEmpty() ? QStringLiteral("Unknown") : safe);
    }

    void recordLine()
    {
        QCOMPARE(scoreRecordLine(record(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0})), annLine);
        // A quote in a name cannot end the text field early.
        QCOMPARE(scoreRecordLine(record(QDate(2026, 1, 9), {1, 2, 3, 4, 5, 6, 7, 8, -9}, QStringLiteral("A\"B"))),
                 QByteArray("\"01-09-2026\",\"16:20:05\",\"A'B\",1,2,3,4,5,6,7,8,-9\r\n"));
        QCOMPARE(scoreDisplayLine(record(QDate(2027, 3, 14), {0, 12345, 0, 0, 0, 0, 0, 0, -5})),
                 QStringLiteral("14-Mar-27   0000   12345   0000   0000   0000   0000   0000   0000   -0005"));
    }

    void skipsWhatIsNotARecord_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::newRow("short line") << QByteArray("\"12-06-2026\",\"10:00:00\",\"Ann\",1,2,3\r\n");
        QTest::newRow("impossible date") << QByteArray("\"02-30-2026\",\"10:00:00\",\"Ann\",1,2,3,4,5,6,7,8,9\r\n");
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe garbage ,,,\r\n");
        QTest::newRow("blank lines") << QByteArray("\r\n   \r\n\n");
        QTest::newRow("unclosed quote") << QByteArray("\"12-06-2026,10:00:00,Ann,1,2,3,4,5,6,7,8,9\r\n");
    }
    void skipsWhatIsNotARecord()
    {
        QFETCH(QByteArray, damaged);
        const QByteArray last = scoreRecordLine(record(QDate(2026, 12, 7), {0, 0, 0, 0, 0, 0, 0, 0, 32767}, "ann"));
        const QList<ScoreRecord> records = readScoreRecords(annLine + damaged + last);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).date, QDate(2026, 12, 5));
        QCOMPARE(records.at(0).time, QTime(16, 20, 5));
        QCOMPARE(records.at(0).name, QStringLiteral("Ann"));
        QCOMPARE(records.at(0).scores[1], qint16(2));
        QCOMPARE(records.at(1).name, QStringLiteral("ann"));
        QCOMPARE(records.at(1).scores[8], qint16(32767));
    }

    void readsWholeLinesOfAHugeFile()
    {
        kt::test::Sandbox sandbox;
        QByteArray bytes;
        for (int day = 1; day <= 3; ++day)
            bytes += scoreRecordLine(record(QDate(2026, 12, day), {qint16(day), 0, 0, 0, 0, 0, 0, 0, 1234}));
        const QString path = sandbox.writeDataFile(QStringLiteral("Ann.scr"), bytes);
        QCOMPARE(readScoreFile(path).size(), 3);
        // Cut inside the third line: its half is no record.
        const QList<ScoreRecord> cut = readScoreFile(path, bytes.size() - 3);
        QCOMPARE(cut.size(), 2);
        QCOMPARE(cut.at(1).scores[0], qint16(2));
        QCOMPARE(readScoreFile(path, 10).size(), 0);
        QCOMPARE(readScoreFile(sandbox.dataDir() + QStringLiteral("/missing.scr")).size(), 0);
    }

    void findsScoreFilesWithoutRegardToCase()
    {
        kt::test::Sandbox sandbox;
        const QString ann = sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
        sandbox.writeDataFile(QStringLiteral("Ann.x.scr"), annLine);
        QVERIFY(QFile(sandbox.windowsDir() + QStringLiteral("outside.scr")).open(QIODevice::WriteOnly));
        for (const QString name : {"Ann", "aNN"}) {
            QCOMPARE(findScoreFile(name), ann);
            QCOMPARE(scoreFilePath(name), ann);
        }
        QCOMPARE(findScoreFile(QStringLiteral("Bob")), QString());
        QCOMPARE(scoreFilePath(QStringLiteral("Bob")), sandbox.dataDir() + QStringLiteral("/Bob.scr"));
        // Unsafe names find nothing and get no path.
        for (const QString name : {"../outside", "/tmp/outside", "Ann.x", "", " Ann "}) {
            QCOMPARE(findScoreFile(name), QString());
            QCOMPARE(scoreFilePath(name), QString());
        }
    }

    // Appends one line and keeps every byte already written, under a name
    // that never leaves the data directory.
    void appends_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("stem");
        const auto row = [](const char* tag, const QString& name, const QByteArray& before, const QString& file,
                            const QString& stem) { QTest::newRow(tag) << name << before << file << stem; };
        row("no data directory", "Ann", {}, "Ann.scr", "Ann");
        row("after a record", "Ann", annLine, "Ann.scr", "Ann");
        row("file of another case", "ann", annLine, "Ann.scr", "ann");
        row("foreign lines kept", "Ann", "not a record\r\n" + annLine + "\"x\",1\n", "Ann.scr", "Ann");
        row("unended last line", "Ann", annLine.chopped(2), "Ann.scr", "Ann");
        row("empty at exit", "", {}, "Unknown.scr", "Unknown");
        row("parent", "../../x", {}, "Unknown.scr", "Unknown");
        row("path pieces", "a/../b", {}, "a.scr", "a");
    }
    void appends()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QString, file);
        QFETCH(QString, stem);
        kt::test::Sandbox sandbox;
        if (!before.isEmpty())
            sandbox.writeDataFile(file, before);
        session().AddScore = 2;
        QVERIFY(WriteScoreRecord(name));
        const QByteArray joint = before.isEmpty() || before.endsWith('\n') ? "" : "\r\n";
        QCOMPARE(sandbox.readDataFile(file), before + joint + lineOf(stem.toUtf8()));
        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        QCOMPARE(QDir(sandbox.windowsDir()).entryList(all), QStringList{QStringLiteral("kitetu")});
        QCOMPARE(QDir(sandbox.dataDir()).entryList(all), QStringList{file});
        QCOMPARE(session().RecordBuffer.name, stem);
        QCOMPARE(session().AddScore, qint16(2));
        QVERIFY(sandbox.messages.isEmpty());
    }

    // Nothing hangs, nothing outside the folder changes, and the record is told.
    void reportsARecordThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("what");
        for (const char* what : {"plain file for the folder", "FIFO", "link to a file outside"})
            QTest::newRow(what) << QString::fromLatin1(what);
    }
    void reportsARecordThatCannotBeWritten()
    {
        QFETCH(QString, what);
        kt::test::Sandbox sandbox;
        const QString outside = sandbox.windowsDir() + QStringLiteral("outside.txt");
        QVERIFY(QFile(outside).open(QIODevice::WriteOnly));
        const QString ann = sandbox.dataDir() + QStringLiteral("/Ann.scr");
        if (what.startsWith(QLatin1String("plain"))) {
            QVERIFY(QFile(sandbox.dataDir()).open(QIODevice::WriteOnly));
        } else {
            sandbox.makeDataDir();
            QVERIFY(what == QLatin1String("FIFO") ? ::mkfifo(QFile::encodeName(ann).constData(), 0600) == 0
                                                 : QFile::link(outside, ann));
        }
        session().AddScore = 2;

        QString error;
        QVERIFY(!WriteScoreRecord(QStringLiteral("Ann"), &error));
        QVERIFY(sandbox.messages.isEmpty()); // the window that asked tells the user
        QVERIFY2(error.startsWith(QStringLiteral("The scores of Ann could not be saved")), qPrintable(error));
        // The lost record is told so it can be noted down.
        QVERIFY(error.contains(QStringLiteral("\"Ann\",0,2,0,0,0,0,0,0,0")));
        QCOMPARE(QFileInfo(outside).size(), 0);
        QCOMPARE(session().AddScore, qint16(2));
    }

    // Under a file-size limit the record fails with the system's reason
    // instead of ending the program, and no half line is left.
    void aFileSizeLimitIsAnErrorNotTheEnd()
    {
        if (qEnvironmentVariableIsSet("KITE_FSIZE_CHILD")) {
            kt::test::Sandbox sandbox;
            sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
            std::signal(SIGXFSZ, SIG_DFL);
            kt::ignoreFileSizeSignal(); // as main() does first
            struct rlimit tight{rlim_t(annLine.size() + 10), rlim_t(annLine.size() + 10)};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
            session().AddScore = 2;
            QString error;
            QVERIFY(!WriteScoreRecord(QStringLiteral("Ann"), &error));
            QVERIFY2(error.contains(QStringLiteral("File too large")), qPrintable(error));
            QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine);
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KITE_FSIZE_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError())));
    }

    // Another copy of the program holds the data directory while it makes
    // "Ann.scr" with a cut last line: a record of "ann" waits for it, then
    // joins that file with one line end.
    void takesTurnsWithAnotherCopy()
    {
        kt::test::Sandbox sandbox;
        sandbox.makeDataDir();
        session().AddScore = 2;
        std::future<bool> other;
        {
            const DirectoryLock lock(sandbox.dataDir());
            QVERIFY(lock.locked());
            other = std::async(std::launch::async, [] { return WriteScoreRecord(QStringLiteral("ann")); });
            // Bounded: without turns the record is written long before this.
            QCOMPARE(other.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
            sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine.chopped(2));
        }
        QVERIFY(other.get());
        const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        QCOMPARE(QDir(sandbox.dataDir()).entryList(all), QStringList{QStringLiteral("Ann.scr")});
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine + lineOf("ann"));
    }

#ifdef KITE_CAN_LIMIT_MEMORY
    // A small file is read without setting aside room for the largest one. In
    // a fresh child process, with large blocks always taken from the system,
    // an address-space limit well below the cap makes such a reservation fail.
    void readsOnlyWhatTheFileHolds()
    {
        if (qEnvironmentVariableIsSet("KITE_MEMORY_CHILD")) {
            kt::test::Sandbox sandbox;
            const QString path = sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
            mallopt(M_MMAP_THRESHOLD, 128 * 1024);
            QFile statm(QStringLiteral("/proc/self/statm"));
            QVERIFY(statm.open(QIODevice::ReadOnly));
            const qint64 pages = statm.readAll().split(' ').first().toLongLong();
            struct rlimit saved;
            getrlimit(RLIMIT_AS, &saved);
            struct rlimit tight = saved;
            tight.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + kMaxScoreFileBytes / 2);
            setrlimit(RLIMIT_AS, &tight);
            qsizetype count = -1;
            try {
                count = readScoreFile(path).size();
            } catch (const std::bad_alloc&) {
            }
            setrlimit(RLIMIT_AS, &saved);
            QCOMPARE(count, qsizetype(1));
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KITE_MEMORY_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError())));
    }
#endif
};

QTEST_MAIN(TestScoreRecords)
#include "tst_score_records.moc"
