// SPDX-License-Identifier: GPL-3.0-or-later
// Score records (safe names, the record line, reading back, appending without
// losing what a file holds), the current- and previous-scores windows, and the
// chart of a child's records.
#include "TestKit.h"

#include "shell/CurrentScores.h"
#include "shell/PreviousScores.h"
#include "shell/ScoreChart.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/Startup.h"
#include "shell/WindowNames.h"
#include "ui/DataFile.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <chrono>
#include <csignal>
#include <future>

#include <sys/resource.h>
#include <sys/stat.h>

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#include <unistd.h>
#define KITE_CAN_LIMIT_MEMORY 1
#endif

using namespace kt;
using kt::test::Sandbox;

namespace {

enum Activity { Num, Add, Sub, Mul, Div, Frac, Alph, Spel, Time };
using Scores = std::array<qint16, 9>;

ScoreRecord record(QDate date, Scores scores, const QString& name = QStringLiteral("Ann"), QTime time = {16, 20, 5})
{
    return ScoreRecord{date, time, name, scores};
}
QByteArray bytesOf(const QList<ScoreRecord>& records)
{
    QByteArray bytes;
    for (const ScoreRecord& r : records)
        bytes += scoreRecordLine(r);
    return bytes;
}
QByteArray recordBytes(QDate date, Scores scores, const QString& name = QStringLiteral("Ann"))
{
    return scoreRecordLine(record(date, scores, name));
}

QByteArray lineOf(const QByteArray& name) { return "\"12-05-2026\",\"16:20:05\",\"" + name + "\",0,2,0,0,0,0,0,0,0\r\n"; }
const QByteArray annLine = lineOf("Ann");
const auto allEntries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;

// Three records of Ann, oldest first, and how the window shows them.
QByteArray annRecords()
{
    return recordBytes(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0})
           + recordBytes(QDate(2026, 12, 6), {1, 4, 0, 3, 0, 0, 0, 0, 0})
           + recordBytes(QDate(2027, 1, 2), {0, 0, 0, 0, 0, 0, 11, 0, 125});
}
const QStringList annLines{
    QStringLiteral("05-Dec-26   0000   0002   0000   0000   0000   0000   0000   0000   0000"),
    QStringLiteral("06-Dec-26   0001   0004   0000   0003   0000   0000   0000   0000   0000"),
    QStringLiteral("02-Jan-27   0000   0000   0000   0000   0000   0000   0011   0000   0125")};

QStringList shownLines(const PreviousScores* form)
{
    const QString text = kt::test::control<TextArea>(form, QStringLiteral("Text1"))->text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
QStringList listed(const PreviousScores* form)
{
    QStringList names;
    for (int i = 0; i < kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->count(); ++i)
        names << kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->itemText(i);
    return names;
}
// Writes the given score files, makes `user` current and opens the window.
PreviousScores* openPreviousScores(Sandbox& sandbox, const QString& user, const QMap<QString, QByteArray>& files)
{
    for (auto it = files.begin(); it != files.end(); ++it)
        sandbox.writeDataFile(it.key(), it.value());
    session().UserName = user;
    return dynamic_cast<PreviousScores*>(Forms::show(windows::PreviousScores));
}
void typeName(PreviousScores* form, const QString& name)
{
    kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->lineEdit()->clear();
    kt::test::typeText(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->lineEdit(), name);
}

// Runs the current test function again in a child process with `flag` set.
void passesInAChild(const char* flag)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(flag), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
    QVERIFY(child.waitForFinished(20000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError())));
}

// Chart: where a score at a time position lands, from the plot rectangle alone.
QPoint expectedPixel(const ScoreChart* chart, double position, double score, double top)
{
    const QRect plot = chart->plotArea();
    return QPointF(plot.left() + position * (plot.width() - 1), plot.bottom() - score / top * (plot.height() - 1))
        .toPoint();
}
// Whether the pixel at `at`, or one next to it, has exactly `colour`.
bool colourAt(const QImage& image, QPoint at, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(at + QPoint(dx, dy)).rgb() == colour.rgb())
                return true;
    return false;
}
bool colourAnywhere(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

} // namespace

class TestScores : public QObject {
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
        const QByteArray last = recordBytes(QDate(2026, 12, 7), {0, 0, 0, 0, 0, 0, 0, 0, 32767}, "ann");
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
        Sandbox sandbox;
        QByteArray bytes;
        for (int day = 1; day <= 3; ++day)
            bytes += recordBytes(QDate(2026, 12, day), {qint16(day), 0, 0, 0, 0, 0, 0, 0, 1234});
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
        Sandbox sandbox;
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
        Sandbox sandbox;
        if (!before.isEmpty())
            sandbox.writeDataFile(file, before);
        session().AddScore = 2;
        QVERIFY(WriteScoreRecord(name));
        const QByteArray joint = before.isEmpty() || before.endsWith('\n') ? "" : "\r\n";
        QCOMPARE(sandbox.readDataFile(file), before + joint + lineOf(stem.toUtf8()));
        QCOMPARE(QDir(sandbox.windowsDir()).entryList(allEntries), QStringList{QStringLiteral("kitetu")});
        QCOMPARE(QDir(sandbox.dataDir()).entryList(allEntries), QStringList{file});
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
        Sandbox sandbox;
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
        if (!qEnvironmentVariableIsSet("KITE_FSIZE_CHILD"))
            return passesInAChild("KITE_FSIZE_CHILD");
        Sandbox sandbox;
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
    }

    // Another copy of the program holds the data directory while it makes
    // "Ann.scr" with a cut last line: a record of "ann" waits for it, then
    // joins that file with one line end.
    void takesTurnsWithAnotherCopy()
    {
        Sandbox sandbox;
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
        QCOMPARE(QDir(sandbox.dataDir()).entryList(allEntries), QStringList{QStringLiteral("Ann.scr")});
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine + lineOf("ann"));
    }

#ifdef KITE_CAN_LIMIT_MEMORY
    // A small file is read without setting aside room for the largest one. In
    // a fresh child process, with large blocks always taken from the system,
    // an address-space limit well below the cap makes such a reservation fail.
    void readsOnlyWhatTheFileHolds()
    {
        if (!qEnvironmentVariableIsSet("KITE_MEMORY_CHILD"))
            return passesInAChild("KITE_MEMORY_CHILD");
        Sandbox sandbox;
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
    }
#endif

    void currentScoresAreASnapshot()
    {
        Sandbox sandbox;
        const std::array<qint16 SessionState::*, 9> fields{
            &SessionState::NumbersScore,  &SessionState::AddScore,      &SessionState::SubScore,
            &SessionState::MulScore,      &SessionState::DivScore,      &SessionState::FractionScore,
            &SessionState::AlphabetScore, &SessionState::SpellingScore, &SessionState::TimeScore};
        const Scores scores{-3, 2, 10, 4, 5, 6, 7, 8, 32767};
        for (int i = 0; i < 9; ++i)
            session().*fields[i] = scores[i];
        session().UserName = QStringLiteral("Ann");
        auto* form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        for (int i = 0; i < 9; ++i)
            QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label%1").arg(i + 1))->text(), QString::number(scores[i]));

        session().AddScore = 6;
        session().UserName = QStringLiteral("Bob");
        // Shown again while open: brought to the front, not loaded again.
        QCOMPARE(Forms::show(windows::CurrentScores), form);
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label2"))->text(), QStringLiteral("2"));
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label10"))->text(), QStringLiteral("Ann"));
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("Command1")));
        kt::test::processEvents();
        QVERIFY(!Forms::find(windows::CurrentScores));
        form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label2"))->text(), QStringLiteral("6"));
        QCOMPARE(kt::test::control<Label>(form, QStringLiteral("Label10"))->text(), QStringLiteral("Bob"));
    }

    void previousScoresListsTheNames()
    {
        Sandbox sandbox;
        // Files the window could neither open nor delete are not offered; a
        // blank is part of a name.
        PreviousScores* form = openPreviousScores(sandbox, QString(),
                                                  {{"Cy.scr", ""}, {"Ann.scr", annRecords()}, {"Bob.SCR", ""},
                                                   {"kitetu.dat", "0,0,0\r\n"}, {"kite.bmp", "BM"}, {".scr", annRecords()},
                                                   {"A*B.scr", annRecords()}, {"Ann.x.scr", annRecords()},
                                                   {" Dee.scr", annRecords()}, {"Ann .scr", annRecords()}});
        QCOMPARE(listed(form), (QStringList{" Dee", "Ann ", "Ann", "Bob", "Cy"}));
        QCOMPARE(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->text(), QString());
    }

    // The user's file is chosen whatever its case, and a typed name only ever
    // reaches a file of the data directory; a huge file is read in part.
    void showsTheChosenName_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("annBytes");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char* tag, const QString& user, const QString& typed, const QByteArray& bytes,
                            const QString& selected, const QStringList& shown) {
            QTest::newRow(tag) << user << typed << bytes << selected << shown;
        };
        const QByteArray records = annRecords();
        row("upper case", "ANN", {}, records, "Ann", annLines);
        row("other file", "bob", {}, records, "Bob",
            {"05-Dec-26   0000   0000   0000   0000   0000   0000   0000   0000   0000"});
        row("no file", "Cy", {}, records, "", {});
        // More than the readable size of one endless line, then a record.
        row("huge", "Ann", {}, records + QByteArray(kMaxScoreFileBytes + 1024, 'x') + recordBytes(QDate(2027, 6, 1), {}),
            "Ann", annLines);
        row("typed", "", "aNN", records, "aNN", annLines);
        row("typed part of a name", "", "An", records, "An", {});
    }
    void showsTheChosenName()
    {
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(QByteArray, annBytes);
        QFETCH(QString, selected);
        QFETCH(QStringList, shown);
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(
            sandbox, user, {{"Ann.scr", annBytes}, {"Bob.scr", recordBytes(QDate(2026, 12, 5), {}, "Bob")}});
        if (!typed.isEmpty())
            typeName(form, typed);
        QCOMPARE(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->text(), selected);
        QCOMPARE(shownLines(form), shown);
        QVERIFY(sandbox.messages.isEmpty());
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setCurrentIndex(0); // the window keeps working
        QCOMPARE(shownLines(form), annLines);
    }

    void choosingANameShowsItsRecords()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(
            sandbox, "Ann",
            {{"Ann.scr", annRecords()}, {"Bob.scr", recordBytes(QDate(2026, 12, 24), {9, 0, 0, 0, 0, 0, 0, 0, 0}, "Bob")}});
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setCurrentIndex(1);
        QCOMPARE(shownLines(form), QStringList{QStringLiteral(
                                       "24-Dec-26   0009   0000   0000   0000   0000   0000   0000   0000   0000")});
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setCurrentIndex(0);
        // The record read last is kept in the session's buffer.
        QCOMPARE(session().RecordBuffer.date, QDate(2027, 1, 2));
        QCOMPARE(session().RecordBuffer.scores[8], qint16(125));
        // Choosing the name already shown reads its file again.
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setCurrentIndex(1);
        {
            QFile bob(sandbox.dataDir() + QStringLiteral("/Bob.scr"));
            QVERIFY(bob.open(QIODevice::Append));
            bob.write(recordBytes(QDate(2026, 12, 25), {1, 0, 0, 0, 0, 0, 0, 0, 0}, QStringLiteral("Bob")));
        }
        QCOMPARE(shownLines(form).size(), 1);
        emit kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->activated(1);
        QCOMPARE(shownLines(form).size(), 2);
    }

    void deleteAsksFirst()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(sandbox, "ann", {{"Ann.scr", annRecords()}, {"Bob.scr", ""}});
        sandbox.answers << MsgResult::No;
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 1);
        QCOMPARE(sandbox.messages.first().buttons, MsgButtons::YesNo);
        QCOMPARE(sandbox.messages.first().defaultButton, MsgResult::No);
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annRecords());
        QCOMPARE(shownLines(form), annLines);
        // Enter on the button asks too; the default answer is No.
        kt::test::pressEnter(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 2);
        QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));

        sandbox.answers << MsgResult::Yes;
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 3);
        QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
        QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Bob.scr")));
        QCOMPARE(listed(form), QStringList{QStringLiteral("Bob")});
        QCOMPARE(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->text(), QString());
        QVERIFY(kt::test::control<TextArea>(form, QStringLiteral("Text1"))->text().isEmpty());
    }

    // A name's blanks do not hide the user's file, but the user's own file
    // comes first.
    void aNameWithABlankIsShownAndDeleted_data()
    {
        QTest::addColumn<bool>("ownFileToo");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("beside the user's own file") << true << "Ann";
        QTest::newRow("alone") << false << "Ann ";
    }
    void aNameWithABlankIsShownAndDeleted()
    {
        QFETCH(bool, ownFileToo);
        QFETCH(QString, preselected);
        Sandbox sandbox;
        if (ownFileToo)
            sandbox.writeDataFile(QStringLiteral("Ann.scr"), recordBytes(QDate(2026, 12, 24), {}));
        PreviousScores* form = openPreviousScores(sandbox, "Ann", {{"Ann .scr", annRecords()}});
        QCOMPARE(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->text(), preselected);
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setCurrentIndex(0);
        QCOMPARE(kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->text(), QStringLiteral("Ann "));
        QCOMPARE(shownLines(form), annLines);
        sandbox.answers << MsgResult::Yes;
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann .scr")));
        QCOMPARE(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")), ownFileToo);
        QCOMPARE(listed(form), ownFileToo ? QStringList{QStringLiteral("Ann")} : QStringList());
    }

    void failedDeleteIsReported()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(sandbox, "Ann", {{"Ann.scr", annRecords()}});
        // Gone behind the window's back before the delete.
        QVERIFY(QFile::remove(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
        sandbox.answers << MsgResult::Yes;
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 2);
        QCOMPARE(sandbox.messages.at(1).text, QStringLiteral("There is no score file for \"Ann\"."));
        QCOMPARE(listed(form), QStringList{QStringLiteral("Ann")});
        QVERIFY(Forms::find(windows::PreviousScores));

        // An unsafe typed name is never deleted outside the data directory.
        QFile outside(sandbox.windowsDir() + QStringLiteral("outside.scr"));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.close();
        typeName(form, QStringLiteral("../outside"));
        sandbox.answers << MsgResult::Yes;
        kt::test::click(kt::test::control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 4);
        QVERIFY(QFileInfo::exists(sandbox.windowsDir() + QStringLiteral("outside.scr")));
    }

    void axisTop_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("top");
        QTest::newRow("no points") << 0 << 1;
        QTest::newRow("two") << 2 << 2;
        QTest::newRow("three") << 3 << 5;
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("eleven") << 11 << 20;
        QTest::newRow("125") << 125 << 200;
        QTest::newRow("largest score") << 32767 << 50000;
    }
    void axisTop()
    {
        QFETCH(int, highest);
        QFETCH(int, top);
        QCOMPARE(kt::axisTop(highest), top);
    }

    void timePositions_data()
    {
        QTest::addColumn<QList<ScoreRecord>>("records");
        QTest::addColumn<QList<double>>("positions");
        const auto at = [](QDate date, QTime time) { return record(date, {}, QStringLiteral("Ann"), time); };
        QTest::newRow("none") << QList<ScoreRecord>{} << QList<double>{};
        QTest::newRow("one moment") << QList{at({2026, 12, 5}, {9, 0}), at({2026, 12, 5}, {9, 0})}
                                    << QList<double>{0.5, 0.5};
        QTest::newRow("by time of day") << QList{at({2026, 12, 5}, {9, 0}), at({2026, 12, 5}, {10, 0}),
                                                 at({2026, 12, 5}, {13, 0})}
                                        << QList<double>{0, 0.25, 1};
        QTest::newRow("across a year's end") << QList{at({2026, 12, 31}, {0, 0}), at({2027, 1, 2}, {0, 0})}
                                             << QList<double>{0, 1};
        QTest::newRow("out of order, by own time") << QList{at({2026, 12, 7}, {0, 0}), at({2026, 12, 5}, {0, 0}),
                                                            at({2026, 12, 6}, {0, 0})}
                                                   << QList<double>{1, 0, 0.5};
    }
    void timePositions()
    {
        QFETCH(QList<ScoreRecord>, records);
        QFETCH(QList<double>, positions);
        QCOMPARE(kt::timePositions(records), positions);
    }

    void activitiesHaveTheirOwnColours()
    {
        QSet<QRgb> colours;
        for (int a = 0; a < kScoreActivities; ++a)
            colours << activityColour(a).rgb();
        QCOMPARE(colours.size(), kScoreActivities);
        QVERIFY(!colours.contains(qbColor(15).rgb())); // none vanishes on the white plot
    }

    // Opening the window on Ann draws her lines; choosing Bob draws his instead.
    void windowChartsTheChosenChild()
    {
        Sandbox sandbox;
        // Ann: a day apart (0, 1/2 and 1 of the time axis), points in addition
        // and the alphabet only, axis top 10. Bob: 3 in multiplication, top 5.
        const QTime t(9, 30);
        PreviousScores* form = openPreviousScores(
            sandbox, "Ann",
            {{"Ann.scr", bytesOf({record({2026, 12, 5}, {0, 2, 0, 0, 0, 0, 10, 0, 0}, "Ann", t),
                                  record({2026, 12, 6}, {0, 4, 0, 0, 0, 0, 0, 0, 0}, "Ann", t),
                                  record({2026, 12, 7}, {0, 6, 0, 0, 0, 0, 5, 0, 0}, "Ann", t)})},
             {"Bob.scr", recordBytes({2026, 11, 1}, {0, 0, 0, 3, 0, 0, 0, 0, 0}, "Bob")}});
        ScoreChart* chart = kt::test::control<ScoreChart>(form, QStringLiteral("Chart"));
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->chartedActivities(), (QList<int>{Add, Alph}));

        QImage image = chart->grab().toImage();
        const QColor add = activityColour(Add), alph = activityColour(Alph);
        // Each record's dot, and the middle of each line between two records.
        for (const auto& [position, score] : {std::pair{0.0, 2.0}, {0.5, 4.0}, {1.0, 6.0}, {0.25, 3.0}, {0.75, 5.0}})
            QVERIFY2(colourAt(image, expectedPixel(chart, position, score, 10), add),
                     qPrintable(QStringLiteral("addition at %1, %2").arg(position).arg(score)));
        for (const auto& [position, score] : {std::pair{0.0, 10.0}, {0.5, 0.0}, {1.0, 5.0}, {0.25, 5.0}, {0.75, 2.5}})
            QVERIFY2(colourAt(image, expectedPixel(chart, position, score, 10), alph),
                     qPrintable(QStringLiteral("alphabet at %1, %2").arg(position).arg(score)));
        // Only where the records put them: the plot's other corner is white.
        QCOMPARE(image.pixelColor(expectedPixel(chart, 0.5, 9, 10)).rgb(), qbColor(15).rgb());
        // An activity without points draws no line and has no legend entry.
        for (const int quiet : {Num, Sub, Mul, Div, Frac, Spel})
            QVERIFY2(!colourAnywhere(image, activityColour(quiet)), qPrintable(activityHeading(quiet)));

        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setText(QStringLiteral("Bob"));
        QCOMPARE(chart->chartedActivities(), QList<int>{Mul});
        image = chart->grab().toImage();
        QVERIFY(colourAt(image, expectedPixel(chart, 0.5, 3, 5), activityColour(Mul)));
        QVERIFY(!colourAnywhere(image, add) && !colourAnywhere(image, alph));

        // A name without a score file charts nothing.
        kt::test::control<ComboBox>(form, QStringLiteral("CboNames"))->setText(QStringLiteral("Nobody"));
        QVERIFY(chart->chartedActivities().isEmpty());
        QVERIFY(!colourAnywhere(chart->grab().toImage(), activityColour(Mul)));
    }
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
