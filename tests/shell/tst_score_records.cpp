// Score records: safe file names, the case-insensitive file lookup, the
// record line, reading records back, and appending without ever losing what
// a score file already holds.
#include "TestKit.h"

#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace kt;

namespace {

// Every file under `dir`, as paths relative to it, sorted.
QStringList filesUnder(const QString& dir)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(dir).relativeFilePath(it.next());
    found.sort();
    return found;
}

ScoreRecord record(QDate date, std::array<qint16, 9> scores, const QString& name = QStringLiteral("Ann"))
{
    ScoreRecord r;
    r.date = date;
    r.time = QTime(16, 20, 5);
    r.name = name;
    r.scores = scores;
    return r;
}

const QByteArray annLine = "\"12-05-2026\",\"16:20:05\",\"Ann\",0,2,0,0,0,0,0,0,0\r\n";

} // namespace

class TestScoreRecords : public QObject {
    Q_OBJECT

private slots:
    void safeUserName_data();
    void safeUserName();
    void recordNameFallsBackToUnknown();

    void recordLine();
    void readsRecordsBack();
    void skipsWhatIsNotARecord_data();
    void skipsWhatIsNotARecord();
    void readsWholeLinesOfAHugeFile();
    void displayLine_data();
    void displayLine();

    void findsScoreFilesWithoutRegardToCase();
    void unsafeNamesFindNoFile_data();
    void unsafeNamesFindNoFile();

    void appendsOneRecord();
    void appendsToTheFileOfAnotherCase();
    void unsafeNamesStayInTheDataDirectory_data();
    void unsafeNamesStayInTheDataDirectory();
    void keepsEveryByteAlreadyWritten();
    void startsANewLineAfterAnUnendedOne();
    void remakesAMissingDataDirectory();
    void reportsARecordThatCannotBeWritten();
};

void TestScoreRecords::safeUserName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "Ann" << "Ann";
    QTest::newRow("cut at the first dot") << "Ann.Smith" << "Ann";
    QTest::newRow("leading dot") << ".Ann" << "";
    QTest::newRow("parent directory") << "../etc" << "";
    QTest::newRow("backslash parent") << "..\\x" << "";
    QTest::newRow("root") << "/" << "";
    QTest::newRow("backslash") << "\\" << "";
    QTest::newRow("separators dropped") << "a/b\\c" << "abc";
    QTest::newRow("absolute path") << "/tmp/x" << "tmpx";
    QTest::newRow("control characters") << QStringLiteral("\x01" "An\tn\x7f") << "Ann";
    QTest::newRow("line break") << QStringLiteral("An\r\nn") << "Ann";
    QTest::newRow("reserved characters") << "a:*?\"<>|b" << "ab";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("blanks trimmed") << "  Bo " << "Bo";
    QTest::newRow("inner blank kept") << "Ann Lee" << "Ann Lee";
    QTest::newRow("accented letters kept") << "José" << "José";
    QTest::newRow("hyphen and apostrophe") << "O'Hara-J" << "O'Hara-J";
    QTest::newRow("empty") << "" << "";
}

void TestScoreRecords::safeUserName()
{
    QFETCH(QString, typed);
    QFETCH(QString, safe);
    QCOMPARE(kt::safeUserName(typed), safe);
}

void TestScoreRecords::recordNameFallsBackToUnknown()
{
    QCOMPARE(recordName(QString()), QStringLiteral("Unknown"));
    QCOMPARE(recordName(QStringLiteral("..")), QStringLiteral("Unknown"));
    QCOMPARE(recordName(QStringLiteral("/")), QStringLiteral("Unknown"));
    QCOMPARE(recordName(QStringLiteral("Ann.Smith")), QStringLiteral("Ann"));
}

void TestScoreRecords::recordLine()
{
    QCOMPARE(scoreRecordLine(record(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0})), annLine);
    // A quote in a name cannot end the text field early.
    QCOMPARE(scoreRecordLine(record(QDate(2026, 1, 9), {1, 2, 3, 4, 5, 6, 7, 8, -9}, QStringLiteral("A\"B"))),
             QByteArray("\"01-09-2026\",\"16:20:05\",\"A'B\",1,2,3,4,5,6,7,8,-9\r\n"));
}

void TestScoreRecords::readsRecordsBack()
{
    const QByteArray bytes = scoreRecordLine(record(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0}))
                             + scoreRecordLine(record(QDate(2026, 12, 6), {1, 0, 3, 0, 0, 0, 0, 0, 32767}))
                             + scoreRecordLine(record(QDate(2027, 1, 2), {0, 0, 0, 0, 0, 0, 0, 12, 0}, "ann"));
    const QList<ScoreRecord> records = readScoreRecords(bytes);
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(0).date, QDate(2026, 12, 5));
    QCOMPARE(records.at(0).time, QTime(16, 20, 5));
    QCOMPARE(records.at(0).name, QStringLiteral("Ann"));
    QCOMPARE(records.at(0).scores[1], qint16(2));
    QCOMPARE(records.at(1).scores[8], qint16(32767));
    QCOMPARE(records.at(2).name, QStringLiteral("ann"));
    QCOMPARE(records.at(2).scores[7], qint16(12));
}

void TestScoreRecords::skipsWhatIsNotARecord_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("short line") << QByteArray("\"12-06-2026\",\"10:00:00\",\"Ann\",1,2,3\r\n");
    QTest::newRow("no date") << QByteArray("\"hello\",\"10:00:00\",\"Ann\",1,2,3,4,5,6,7,8,9\r\n");
    QTest::newRow("impossible date") << QByteArray("\"02-30-2026\",\"10:00:00\",\"Ann\",1,2,3,4,5,6,7,8,9\r\n");
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe garbage ,,,\r\n");
    QTest::newRow("blank lines") << QByteArray("\r\n   \r\n\n");
    QTest::newRow("unclosed quote") << QByteArray("\"12-06-2026,10:00:00,Ann,1,2,3,4,5,6,7,8,9\r\n");
}

void TestScoreRecords::skipsWhatIsNotARecord()
{
    QFETCH(QByteArray, damaged);
    const QByteArray first = scoreRecordLine(record(QDate(2026, 12, 5), {1, 0, 0, 0, 0, 0, 0, 0, 0}));
    const QByteArray last = scoreRecordLine(record(QDate(2026, 12, 7), {0, 0, 0, 0, 0, 0, 0, 0, 3}));
    const QList<ScoreRecord> records = readScoreRecords(first + damaged + last);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).scores[0], qint16(1));
    QCOMPARE(records.at(1).scores[8], qint16(3));
}

void TestScoreRecords::readsWholeLinesOfAHugeFile()
{
    kt::test::Sandbox sandbox;
    QByteArray bytes;
    for (int day = 1; day <= 3; ++day)
        bytes += scoreRecordLine(record(QDate(2026, 12, day), {qint16(day), 0, 0, 0, 0, 0, 0, 0, 1234}));
    const QString path = sandbox.writeDataFile(QStringLiteral("Ann.scr"), bytes);
    QCOMPARE(readScoreFile(path).size(), 3);
    // Cut inside the third line: its half must not show as a record with a
    // wrong last score.
    const QList<ScoreRecord> cut = readScoreFile(path, bytes.size() - 3);
    QCOMPARE(cut.size(), 2);
    QCOMPARE(cut.at(1).scores[0], qint16(2));
    QCOMPARE(readScoreFile(path, 10).size(), 0);
    QCOMPARE(readScoreFile(sandbox.dataDir() + QStringLiteral("/missing.scr")).size(), 0);
}

void TestScoreRecords::displayLine_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("add");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two additions") << QDate(2026, 12, 5) << 2 << 0
                                   << "05-Dec-26   0000   0002   0000   0000   0000   0000   0000   0000   0000";
    QTest::newRow("large and negative") << QDate(2027, 3, 14) << 12345 << -5
                                        << "14-Mar-27   0000   12345   0000   0000   0000   0000   0000   0000   -0005";
}

void TestScoreRecords::displayLine()
{
    QFETCH(QDate, date);
    QFETCH(int, add);
    QFETCH(int, time);
    QFETCH(QString, shown);
    QCOMPARE(scoreDisplayLine(record(date, {0, qint16(add), 0, 0, 0, 0, 0, 0, qint16(time)})), shown);
}

void TestScoreRecords::findsScoreFilesWithoutRegardToCase()
{
    kt::test::Sandbox sandbox;
    const QString ann = sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
    QCOMPARE(findScoreFile(QStringLiteral("Ann")), ann);
    QCOMPARE(findScoreFile(QStringLiteral("ann")), ann);
    QCOMPARE(findScoreFile(QStringLiteral("ANN")), ann);
    QCOMPARE(scoreFilePath(QStringLiteral("ann")), ann);
    QCOMPARE(findScoreFile(QStringLiteral("Bob")), QString());
    QCOMPARE(scoreFilePath(QStringLiteral("Bob")), sandbox.dataDir() + QStringLiteral("/Bob.scr"));
}

void TestScoreRecords::unsafeNamesFindNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../outside";
    QTest::newRow("absolute") << "/tmp/outside";
    QTest::newRow("dot stem") << "Ann.x";
    QTest::newRow("empty") << "";
    QTest::newRow("blank around") << " Ann ";
}

void TestScoreRecords::unsafeNamesFindNoFile()
{
    QFETCH(QString, name);
    kt::test::Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
    sandbox.writeDataFile(QStringLiteral("Ann.x.scr"), annLine);
    QFile outside(sandbox.windowsDir() + QStringLiteral("outside.scr"));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write(annLine);
    outside.close();
    QCOMPARE(findScoreFile(name), QString());
    QCOMPARE(scoreFilePath(name), QString());
}

void TestScoreRecords::appendsOneRecord()
{
    kt::test::Sandbox sandbox;
    sandbox.makeDataDir();
    session().AddScore = 2;
    QVERIFY(WriteScoreRecord(QStringLiteral("Ann")));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine);
    QCOMPARE(session().RecordBuffer.name, QStringLiteral("Ann"));
    QCOMPARE(session().RecordBuffer.scores[1], qint16(2));
    QCOMPARE(session().RecordBuffer.date, QDate(2026, 12, 5));
    // Writing a record does not touch the current scores.
    QCOMPARE(session().AddScore, qint16(2));
    QVERIFY(WriteScoreRecord(QStringLiteral("Ann")));
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine + annLine);
    QVERIFY(sandbox.messages.isEmpty());
}

void TestScoreRecords::appendsToTheFileOfAnotherCase()
{
    kt::test::Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
    session().TimeScore = 7;
    QVERIFY(WriteScoreRecord(QStringLiteral("ann")));
    QCOMPARE(filesUnder(sandbox.dataDir()), QStringList{QStringLiteral("Ann.scr")});
    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")),
             annLine + "\"12-05-2026\",\"16:20:05\",\"ann\",0,0,0,0,0,0,0,0,7\r\n");
}

void TestScoreRecords::unsafeNamesStayInTheDataDirectory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("empty at exit") << "" << "Unknown.scr";
    QTest::newRow("leading dot") << ".hidden" << "Unknown.scr";
    QTest::newRow("parent") << "../../x" << "Unknown.scr";
    QTest::newRow("root") << "/" << "Unknown.scr";
    QTest::newRow("backslash") << "\\" << "Unknown.scr";
    QTest::newRow("control only") << QStringLiteral("\x01\x02") << "Unknown.scr";
    QTest::newRow("path pieces") << "a/../b" << "a.scr";
    QTest::newRow("separators") << "x/y\\z" << "xyz.scr";
}

void TestScoreRecords::unsafeNamesStayInTheDataDirectory()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    kt::test::Sandbox sandbox;
    sandbox.makeDataDir();
    QVERIFY(WriteScoreRecord(name));
    QCOMPARE(filesUnder(sandbox.windowsDir()), QStringList{QStringLiteral("kitetu/") + file});
    QCOMPARE(readScoreRecords(sandbox.readDataFile(file)).size(), 1);
}

void TestScoreRecords::keepsEveryByteAlreadyWritten()
{
    kt::test::Sandbox sandbox;
    // Whatever a file holds, even lines this program would not write, stays.
    const QByteArray before = QByteArray("not a record\r\n") + annLine + "\"x\",1\n";
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), before);
    QVERIFY(WriteScoreRecord(QStringLiteral("Ann")));
    const QByteArray after = sandbox.readDataFile(QStringLiteral("Ann.scr"));
    QVERIFY(after.startsWith(before));
    QCOMPARE(after.mid(before.size()), QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,0,0,0,0,0,0,0,0\r\n"));
}

void TestScoreRecords::startsANewLineAfterAnUnendedOne()
{
    kt::test::Sandbox sandbox;
    const QByteArray unended = annLine.left(annLine.size() - 2);
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), unended);
    session().AddScore = 2;
    QVERIFY(WriteScoreRecord(QStringLiteral("Ann")));
    const QByteArray after = sandbox.readDataFile(QStringLiteral("Ann.scr"));
    QCOMPARE(after, unended + "\r\n" + annLine);
    QCOMPARE(readScoreRecords(after).size(), 2);
}

void TestScoreRecords::remakesAMissingDataDirectory()
{
    kt::test::Sandbox sandbox;
    QVERIFY(!QFileInfo::exists(sandbox.dataDir()));
    QVERIFY(WriteScoreRecord(QStringLiteral("Ann")));
    QCOMPARE(readScoreRecords(sandbox.readDataFile(QStringLiteral("Ann.scr"))).size(), 1);
    QVERIFY(sandbox.messages.isEmpty());
}

void TestScoreRecords::reportsARecordThatCannotBeWritten()
{
    kt::test::Sandbox sandbox;
    // A plain file where the data directory should be: nothing can go in it.
    QFile blocker(sandbox.dataDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("in the way");
    blocker.close();
    session().AddScore = 2;

    QVERIFY(!WriteScoreRecord(QStringLiteral("Ann")));
    QCOMPARE(sandbox.messages.size(), 1);
    const MessageRequest& message = sandbox.messages.first();
    QCOMPARE(message.title, QStringLiteral("Kite-Tutor"));
    QCOMPARE(message.buttons, MsgButtons::Ok);
    QVERIFY2(message.text.startsWith(QStringLiteral("The scores of Ann could not be saved")), qPrintable(message.text));
    // The lost record is shown so it can be noted down.
    QVERIFY(message.text.contains(QStringLiteral("\"Ann\",0,2,0,0,0,0,0,0,0")));
    QVERIFY(QFileInfo(sandbox.dataDir()).isFile());
    QCOMPARE(session().AddScore, qint16(2));
}

QTEST_MAIN(TestScoreRecords)
#include "tst_score_records.moc"
