// The comma-separated data-file format and the whole-file helpers.
#include "ui/DataFile.h"
#include "ui/Numbers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace kt;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray scoreRecordLine()
{
    FieldWriter w;
    w.text(QStringLiteral("12-05-2026"));
    w.text(QStringLiteral("16:20:05"));
    w.text(QStringLiteral("Ann"));
    const int scores[9] = {0, 2, 0, 0, 0, 0, 0, 0, 0};
    for (int s : scores)
        w.number(s);
    w.endLine();
    return w.bytes();
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void writerScoreRecord();
    void writerFields_data();
    void writerFields();
    void writerSeveralLines();
    void roundTripScoreRecord();
    void roundTripText_data();
    void roundTripText();
    void readAll_data();
    void readAll();
    void lineTracking();
    void skipLine();
    void shortRecordIsVisible();
    void pastEnd();
    void numbers_data();
    void numbers();
    void hostile_data();
    void hostile();
    void randomJunk();
    void readWholeFile();
    void readWholeFileLimits();
    void appendWholeKeepsEarlierLines();
    void appendWholeFailures();
    void appendWholePartialWriteIsUndone();
    void replaceFileAtomically();
    void replaceFileAtomicallyFailures();
};

void TestDataFile::writerScoreRecord()
{
    QCOMPARE(scoreRecordLine(),
             QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,2,0,0,0,0,0,0,0\r\n"));
}

void TestDataFile::writerFields_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("textValue");
    QTest::addColumn<double>("numberValue");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("text") << "text" << "cat" << 0.0 << QByteArray("\"cat\"\r\n");
    QTest::newRow("empty text") << "text" << "" << 0.0 << QByteArray("\"\"\r\n");
    QTest::newRow("quote replaced") << "text" << "say \"hi\"" << 0.0
                                    << QByteArray("\"say 'hi'\"\r\n");
    QTest::newRow("line breaks replaced") << "text" << "a\r\nb\nc" << 0.0
                                          << QByteArray("\"a  b c\"\r\n");
    QTest::newRow("comma kept") << "text" << "a,b" << 0.0 << QByteArray("\"a,b\"\r\n");
    QTest::newRow("utf8") << "text" << QString::fromUtf8("Zo\u00eb") << 0.0
                          << QByteArray("\"Zo\xc3\xab\"\r\n");
    QTest::newRow("int") << "int" << "" << -3.0 << QByteArray("-3\r\n");
    QTest::newRow("double half") << "double" << "" << 0.5 << QByteArray(".5\r\n");
    QTest::newRow("double whole") << "double" << "" << 3.0 << QByteArray("3\r\n");
    QTest::newRow("double negative") << "double" << "" << -0.25 << QByteArray("-.25\r\n");
    QTest::newRow("double large") << "double" << "" << 1.5e20 << QByteArray("1.5E+20\r\n");
}

void TestDataFile::writerFields()
{
    QFETCH(QString, kind);
    QFETCH(QString, textValue);
    QFETCH(double, numberValue);
    QFETCH(QByteArray, expected);
    FieldWriter w;
    if (kind == QLatin1String("text"))
        w.text(textValue);
    else if (kind == QLatin1String("int"))
        w.number(int(numberValue));
    else
        w.number(numberValue);
    w.endLine();
    QCOMPARE(w.bytes(), expected);
}

void TestDataFile::writerSeveralLines()
{
    FieldWriter w;
    QCOMPARE(w.bytes(), QByteArray());
    w.number(0);
    w.number(0);
    w.number(0);
    w.endLine();
    w.number(1);
    w.text(QStringLiteral("x"));
    w.endLine();
    QCOMPARE(w.bytes(), QByteArray("0,0,0\r\n1,\"x\"\r\n"));
}

void TestDataFile::roundTripScoreRecord()
{
    QByteArray data = scoreRecordLine();
    FieldWriter second;
    second.text(kt::recordDate(QDate(2027, 1, 2)));
    second.text(kt::recordTime(QTime(8, 5, 0)));
    second.text(QStringLiteral("Bob"));
    for (int s : {32767, -5, 1, 2, 3, 4, 5, 100, 7})
        second.number(s);
    second.endLine();
    data += second.bytes();

    FieldReader r(data);
    QVERIFY(r.atLineStart());
    QCOMPARE(r.line(), 1);
    QCOMPARE(kt::parseRecordDate(r.text()), QDate(2026, 12, 5));
    QCOMPARE(r.text(), QStringLiteral("16:20:05"));
    QCOMPARE(r.text(), QStringLiteral("Ann"));
    const int first[9] = {0, 2, 0, 0, 0, 0, 0, 0, 0};
    for (int s : first) {
        QVERIFY(!r.atLineStart());
        QCOMPARE(int(r.int16()), s);
    }
    QVERIFY(r.atLineStart());
    QCOMPARE(r.line(), 2);
    QCOMPARE(kt::parseRecordDate(r.text()), QDate(2027, 1, 2));
    QCOMPARE(r.text(), QStringLiteral("08:05:00"));
    QCOMPARE(r.text(), QStringLiteral("Bob"));
    for (int s : {32767, -5, 1, 2, 3, 4, 5, 100, 7})
        QCOMPARE(int(r.int16()), s);
    QVERIFY(r.atEnd());
    QVERIFY(!r.pastEnd());
}

void TestDataFile::roundTripText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "Ann" << "Ann";
    QTest::newRow("blanks kept") << "  cat           " << "  cat           ";
    QTest::newRow("comma") << "a, b" << "a, b";
    QTest::newRow("quote") << "it\"s" << "it's";
    QTest::newRow("line break") << "a\nb" << "a b";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-latin") << QString::fromUtf8("\u00c5sa \u5b66") << QString::fromUtf8("\u00c5sa \u5b66");
}

void TestDataFile::roundTripText()
{
    QFETCH(QString, value);
    QFETCH(QString, readBack);
    FieldWriter w;
    w.text(value);
    w.number(5);
    w.endLine();
    FieldReader r(w.bytes());
    QCOMPARE(r.text(), readBack);
    QCOMPARE(int(r.int16()), 5);
    QVERIFY(r.atEnd());
    QVERIFY(!r.pastEnd());
}

void TestDataFile::readAll_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QStringList>>("expected");
    using L = QList<QStringList>;
    const QString nulField = QString(QLatin1Char('a')) + QChar(0) + QLatin1Char('b');

    QTest::newRow("empty") << QByteArray() << L{};
    QTest::newRow("blank lines only") << QByteArray("\r\n\r\n  \t\r\n") << L{};
    QTest::newRow("simple") << QByteArray("a,b\r\nc\r\n") << L{{"a", "b"}, {"c"}};
    QTest::newRow("no final line end") << QByteArray("a,b") << L{{"a", "b"}};
    QTest::newRow("quoted comma") << QByteArray("\"a,b\",c\r\n") << L{{"a,b", "c"}};
    QTest::newRow("quoted blanks kept") << QByteArray("  \"  x  \"  ") << L{{"  x  "}};
    QTest::newRow("unquoted trimmed") << QByteArray("  x y  ,\t y\t\r\n") << L{{"x y", "y"}};
    QTest::newRow("empty fields") << QByteArray("a,,b") << L{{"a", "", "b"}};
    QTest::newRow("leading comma") << QByteArray(",a") << L{{"", "a"}};
    QTest::newRow("trailing comma") << QByteArray("a,b,\r\nc") << L{{"a", "b"}, {"c"}};
    QTest::newRow("trailing comma and blanks") << QByteArray("a,  \r\nc") << L{{"a"}, {"c"}};
    QTest::newRow("trailing comma at end") << QByteArray("a,") << L{{"a"}};
    QTest::newRow("two trailing commas") << QByteArray("a,,\r\n") << L{{"a", ""}};
    QTest::newRow("lone comma line") << QByteArray(",\r\nz") << L{{""}, {"z"}};
    QTest::newRow("empty quoted") << QByteArray("\"\",\"\"") << L{{"", ""}};
    QTest::newRow("LF line ends") << QByteArray("a\nb\n") << L{{"a"}, {"b"}};
    QTest::newRow("CR line ends") << QByteArray("a,b\rc\r") << L{{"a", "b"}, {"c"}};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << L{{"a"}, {"b"}};
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << L{{"a"}, {"b"}};
    QTest::newRow("junk after closing quote") << QByteArray("\"ab\"cd,e") << L{{"ab", "e"}};
    QTest::newRow("missing closing quote")
        << QByteArray("\"abc,def\r\nx") << L{{"abc,def"}, {"x"}};
    QTest::newRow("missing closing quote at end") << QByteArray("1,\"abc") << L{{"1", "abc"}};
    QTest::newRow("lone quote") << QByteArray("\"") << L{{""}};
    QTest::newRow("quote before line end") << QByteArray("a,\"\r\nb") << L{{"a", ""}, {"b"}};
    QTest::newRow("quote inside unquoted") << QByteArray("ab\"c,d") << L{{"ab\"c", "d"}};
    QTest::newRow("NUL bytes") << QByteArray("a\0b,c", 5) << L{{nulField, "c"}};
    QTest::newRow("only NUL") << QByteArray("\0", 1) << L{{QString(QChar(0))}};
    QTest::newRow("utf8") << QByteArray("\"Zo\xc3\xab\"") << L{{QString::fromUtf8("Zo\u00eb")}};
    QTest::newRow("padded word list")
        << QByteArray("\"cat             \"\r\n\"house           \"\r\n")
        << L{{"cat             "}, {"house           "}};
    QTest::newRow("settings") << QByteArray("1,0,1\r\n") << L{{"1", "0", "1"}};
    QTest::newRow("score record")
        << QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",0,2,0,0,0,0,0,0,0\r\n")
        << L{{"12-05-2026", "16:20:05", "Ann", "0", "2", "0", "0", "0", "0", "0", "0", "0"}};
}

void TestDataFile::readAll()
{
    QFETCH(QByteArray, data);
    QFETCH(QList<QStringList>, expected);
    QCOMPARE(FieldReader::readAll(data), expected);
}

void TestDataFile::lineTracking()
{
    FieldReader r(QByteArray("\r\n\r\na,b\r\n\n  c\rd,"));
    QCOMPARE(r.line(), 3);
    QVERIFY(r.atLineStart());
    QCOMPARE(r.text(), QStringLiteral("a"));
    QVERIFY(!r.atLineStart());
    QCOMPARE(r.line(), 3);
    QCOMPARE(r.text(), QStringLiteral("b"));
    QVERIFY(r.atLineStart());
    QCOMPARE(r.line(), 5);
    QCOMPARE(r.text(), QStringLiteral("c"));
    QCOMPARE(r.line(), 6);
    QCOMPARE(r.text(), QStringLiteral("d"));
    QVERIFY(r.atEnd());
    QVERIFY(r.atLineStart());
    QVERIFY(!r.pastEnd());
}

void TestDataFile::skipLine()
{
    FieldReader r(QByteArray("a,b,\"c,\r\n\r\nd,e\r\nf"));
    r.skipLine(); // at the start of a line: nothing to drop
    QCOMPARE(r.text(), QStringLiteral("a"));
    r.skipLine();
    QVERIFY(r.atLineStart());
    QCOMPARE(r.line(), 3);
    QCOMPARE(r.text(), QStringLiteral("d"));
    QCOMPARE(r.text(), QStringLiteral("e"));
    r.skipLine(); // already at the start of "f"
    QCOMPARE(r.text(), QStringLiteral("f"));
    r.skipLine();
    QVERIFY(r.atEnd());
    QVERIFY(!r.pastEnd());
}

void TestDataFile::shortRecordIsVisible()
{
    // A damaged record with two scores: the reader lets the caller notice that
    // the next field already belongs to the next line, and resynchronise.
    FieldReader r(QByteArray("\"12-05-2026\",\"16:20:05\",\"Ann\",1,2\r\n"
                             "\"12-06-2026\",\"10:00:00\",\"Ann\",0,0,0,0,0,0,0,0,3\r\n"));
    int fieldsRead = 0;
    for (int i = 0; i < 12; ++i) {
        if (i > 0 && r.atLineStart())
            break;
        r.text();
        ++fieldsRead;
    }
    QCOMPARE(fieldsRead, 5);
    QCOMPARE(r.line(), 2);
    QCOMPARE(r.text(), QStringLiteral("12-06-2026"));
}

void TestDataFile::pastEnd()
{
    FieldReader empty{QByteArray()};
    QVERIFY(empty.atEnd());
    QVERIFY(!empty.pastEnd());
    QCOMPARE(empty.text(), QString());
    QVERIFY(empty.pastEnd());
    QCOMPARE(empty.number(), 0.0);
    QCOMPARE(int(empty.int16()), 0);

    FieldReader r(QByteArray("1,2"));
    QCOMPARE(int(r.int16()), 1);
    QCOMPARE(int(r.int16()), 2);
    QVERIFY(!r.pastEnd());
    QCOMPARE(int(r.int16()), 0);
    QVERIFY(r.pastEnd());
    QCOMPARE(r.text(), QString());
    QVERIFY(r.pastEnd());
}

void TestDataFile::numbers_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("asNumber");
    QTest::addColumn<int>("asInt16");
    QTest::newRow("int") << QByteArray("42") << 42.0 << 42;
    QTest::newRow("blanks") << QByteArray("  -7  ") << -7.0 << -7;
    QTest::newRow("half to even") << QByteArray("2.5") << 2.5 << 2;
    QTest::newRow("too large") << QByteArray("40000") << 40000.0 << 32767;
    QTest::newRow("text") << QByteArray("abc") << 0.0 << 0;
    QTest::newRow("quoted number") << QByteArray("\"12\"") << 12.0 << 12;
    QTest::newRow("exponent") << QByteArray("1.5E+20") << 1.5e20 << 32767;
    QTest::newRow("empty field") << QByteArray(",") << 0.0 << 0;
}

void TestDataFile::numbers()
{
    QFETCH(QByteArray, data);
    QFETCH(double, asNumber);
    QFETCH(int, asInt16);
    FieldReader a(data);
    QCOMPARE(a.number(), asNumber);
    FieldReader b(data);
    QCOMPARE(int(b.int16()), asInt16);
}

void TestDataFile::hostile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("firstFieldLength");
    const int mb = 1 << 20;

    QTest::newRow("1 MB line") << QByteArray(mb, 'x') << 1 << 1 << mb;
    QTest::newRow("1 MB quoted line") << ('"' + QByteArray(mb, 'x') + '"') << 1 << 1 << mb;
    QTest::newRow("1 MB unclosed quote") << ('"' + QByteArray(mb, 'x')) << 1 << 1 << mb;
    QTest::newRow("1 MB commas") << QByteArray(mb, ',') << 1 << mb << 0;
    QTest::newRow("1 MB quotes") << QByteArray(mb, '"') << 1 << 1 << 0;
    QTest::newRow("1 MB blanks") << QByteArray(mb, ' ') << 0 << 0 << 0;
    QTest::newRow("1 MB CR") << QByteArray(mb, '\r') << 0 << 0 << 0;
    QTest::newRow("1 MB LF") << QByteArray(mb, '\n') << 0 << 0 << 0;
    QTest::newRow("1 MB NUL") << QByteArray(mb, '\0') << 1 << 1 << mb;
    // '","' over and over: many quoted one-comma fields.
    QTest::newRow("quote comma pairs") << QByteArray(mb, '"').replace("\"\"", "\",") << 1
                                       << mb / 4 << 1;
    QTest::newRow("1 MB of short lines") << QByteArray("a\r\n").repeated(mb / 3) << mb / 3
                                         << mb / 3 << 1;
}

void TestDataFile::hostile()
{
    QFETCH(QByteArray, data);
    QFETCH(int, lines);
    QFETCH(int, fields);
    QFETCH(int, firstFieldLength);

    QElapsedTimer timer;
    timer.start();
    const QList<QStringList> all = FieldReader::readAll(data);
    QCOMPARE(int(all.size()), lines);
    int total = 0;
    for (const QStringList& l : all)
        total += int(l.size());
    QCOMPARE(total, fields);
    if (fields > 0)
        QCOMPARE(int(all.first().first().size()), firstFieldLength);
    // Linear time: a quadratic reader would take minutes on these.
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));

    // The same data read as numbers must not misbehave either.
    FieldReader r(data);
    int reads = 0;
    while (!r.atEnd() && reads <= data.size()) {
        QVERIFY(std::isfinite(r.number()));
        ++reads;
    }
    QVERIFY(r.atEnd());
}

void TestDataFile::randomJunk()
{
    QRandomGenerator gen(20261205);
    for (int round = 0; round < 20; ++round) {
        QByteArray data(64 * 1024 + round, '\0');
        for (char& c : data) {
            // Plenty of the characters the reader cares about.
            static const char special[] = {',', '"', '\r', '\n', ' ', '\t', '\0'};
            const quint32 pick = gen.bounded(16u);
            c = pick < 7 ? special[pick] : char(gen.bounded(256u));
        }
        FieldReader r(data);
        int reads = 0;
        int lastLine = r.line();
        while (!r.atEnd()) {
            r.text();
            QVERIFY(r.line() >= lastLine);
            lastLine = r.line();
            QVERIFY(++reads <= data.size());
            if (reads % 7 == 0)
                r.skipLine();
        }
        QVERIFY(!r.pastEnd());
    }
}

void TestDataFile::readWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.scr"));

    QVERIFY(!kt::readWholeFile(path).has_value()); // missing

    QVERIFY(writeBytes(path, QByteArray()));
    auto empty = kt::readWholeFile(path);
    QVERIFY(empty.has_value());
    QCOMPARE(*empty, QByteArray());

    const QByteArray content = QByteArray("x\r\n").repeated(50000);
    QVERIFY(writeBytes(path, content));
    auto read = kt::readWholeFile(path);
    QVERIFY(read.has_value());
    QCOMPARE(*read, content);

    QVERIFY(!kt::readWholeFile(dir.path()).has_value()); // a directory
}

void TestDataFile::readWholeFileLimits()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("limit.dat"));
    QVERIFY(writeBytes(path, QByteArray(1000, 'a')));
    QVERIFY(kt::readWholeFile(path, 1000).has_value());
    QVERIFY(!kt::readWholeFile(path, 999).has_value());
    QVERIFY(!kt::readWholeFile(path, 0).has_value());
    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) // reports size 0, never ends
        QVERIFY(!kt::readWholeFile(QStringLiteral("/dev/zero"), 1 << 20).has_value());
}

void TestDataFile::appendWholeKeepsEarlierLines()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Ann.scr"));

    QString error;
    QVERIFY(kt::appendWhole(path, scoreRecordLine(), &error)); // creates the file
    QVERIFY(error.isEmpty());
    FieldWriter w;
    w.text(QStringLiteral("12-06-2026"));
    w.text(QStringLiteral("09:00:00"));
    w.text(QStringLiteral("Ann"));
    for (int i = 1; i <= 9; ++i)
        w.number(i);
    w.endLine();
    QVERIFY(kt::appendWhole(path, w.bytes(), &error));
    QVERIFY(kt::appendWhole(path, QByteArray(), &error)); // nothing to add

    QCOMPARE(fileBytes(path), scoreRecordLine() + w.bytes());
    const QList<QStringList> lines = FieldReader::readAll(fileBytes(path));
    QCOMPARE(int(lines.size()), 2);
    QCOMPARE(lines.at(0).at(4), QStringLiteral("2"));
    QCOMPARE(lines.at(1).at(11), QStringLiteral("9"));
}

void TestDataFile::appendWholeFailures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY(!kt::appendWhole(dir.filePath(QStringLiteral("no/such/dir/x.scr")), "1\r\n", &error));
    QVERIFY(!error.isEmpty());

    // A plain file where a directory should be.
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    QVERIFY(writeBytes(plainFile, "keep\r\n"));
    error.clear();
    QVERIFY(!kt::appendWhole(plainFile + QStringLiteral("/x.scr"), "1\r\n", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(plainFile), QByteArray("keep\r\n"));

    // A directory where the file should be.
    error.clear();
    QVERIFY(!kt::appendWhole(dir.path(), "1\r\n", &error));
    QVERIFY(!error.isEmpty());

    // A full disk.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        error.clear();
        QVERIFY(!kt::appendWhole(QStringLiteral("/dev/full"), "1\r\n", &error));
        QVERIFY(!error.isEmpty());
    }
    QVERIFY(!kt::appendWhole(dir.filePath(QStringLiteral("no/x")), "1", nullptr));
}

void TestDataFile::appendWholePartialWriteIsUndone()
{
#ifdef Q_OS_LINUX
    // A file-size limit makes the kernel accept only part of the write, the
    // way a nearly full disk would.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Ann.scr"));
    const QByteArray first = scoreRecordLine();
    QVERIFY(writeBytes(path, first));

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = rlim_t(first.size() + 10);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);

    QString error;
    const bool ok = kt::appendWhole(path, scoreRecordLine(), &error);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!ok);
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(path), first);
#else
    QSKIP("needs RLIMIT_FSIZE");
#endif
}

void TestDataFile::replaceFileAtomically()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kitetu.dat"));

    QString error;
    QVERIFY(kt::replaceFileAtomically(path, "0,0,0\r\n", &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(fileBytes(path), QByteArray("0,0,0\r\n"));

    QVERIFY(kt::replaceFileAtomically(path, "1,0,0\r\n", &error));
    QCOMPARE(fileBytes(path), QByteArray("1,0,0\r\n"));

    QVERIFY(kt::replaceFileAtomically(path, QByteArray(), &error));
    QCOMPARE(fileBytes(path), QByteArray());

    // No temporary files left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("kitetu.dat")});
}

void TestDataFile::replaceFileAtomicallyFailures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // The target's directory is a plain file: the write fails and the file
    // standing in the directory's place is untouched.
    const QString plainFile = dir.filePath(QStringLiteral("kitetu"));
    QVERIFY(writeBytes(plainFile, "old contents\r\n"));
    QString error;
    QVERIFY(!kt::replaceFileAtomically(plainFile + QStringLiteral("/kitetu.dat"), "1,1,1\r\n",
                                       &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(plainFile), QByteArray("old contents\r\n"));

    // The target is a directory: it stays one.
    const QString subDir = dir.filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkdir(subDir));
    error.clear();
    QVERIFY(!kt::replaceFileAtomically(subDir, "x", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(subDir).isDir());

    QVERIFY(!kt::replaceFileAtomically(dir.filePath(QStringLiteral("a/b/c")), "x"));
}

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
