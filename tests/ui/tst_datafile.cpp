// SPDX-License-Identifier: GPL-3.0-or-later
// The comma-separated data-file format and the whole-file helpers.
#include "ui/DataFile.h"
#include "ui/PlainFile.h"
#include "ui/Platform.h"
#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kt;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

const QByteArray annRecord("\"12-05-2026\",\"16:20:05\",\"Ann\",0,2,0,0,0,0,0,0,0\r\n");

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    // Quotes and line breaks in a text would split the record.
    void textFieldsStayWhole()
    {
        FieldWriter w;
        for (const char* text : {"", "  a, b  ", "say \"hi\"", "a\r\nb\nc", "Zo\u00eb \u5b66"})
            w.text(QString::fromUtf8(text));
        w.endLine();
        QCOMPARE(w.bytes(), QByteArray("\"\",\"  a, b  \",\"say 'hi'\",\"a  b c\","
                                       "\"Zo\xc3\xab \xe5\xad\xa6\"\r\n"));
        const QStringList readBack{"", "  a, b  ", "say 'hi'", "a  b c",
                                   QString::fromUtf8("Zo\u00eb \u5b66")};
        QCOMPARE(FieldReader::readAll(w.bytes()), QList<QStringList>{readBack});
    }

    void readAll_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<QStringList>>("expected");
        using L = QList<QStringList>;
        const QString nulField = QString(QLatin1Char('a')) + QChar(0) + QLatin1Char('b');
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("quoted blanks kept") << QByteArray("  \"  x  \"  ") << L{{"  x  "}};
        QTest::newRow("unquoted trimmed") << QByteArray("  x y  ,\t y\t\r\n") << L{{"x y", "y"}};
        QTest::newRow("empty fields") << QByteArray(",a,,b") << L{{"", "a", "", "b"}};
        QTest::newRow("trailing comma and blanks") << QByteArray("a,  \r\nc") << L{{"a"}, {"c"}};
        QTest::newRow("two trailing commas") << QByteArray("a,,\r\n") << L{{"a", ""}};
        QTest::newRow("lone comma line") << QByteArray(",\r\nz") << L{{""}, {"z"}};
        QTest::newRow("junk after closing quote") << QByteArray("\"ab\"cd,e") << L{{"ab", "e"}};
        QTest::newRow("missing closing quote")
            << QByteArray("\"abc,def\r\nx") << L{{"abc,def"}, {"x"}};
        QTest::newRow("lone quote") << QByteArray("\"") << L{{""}};
        QTest::newRow("quote inside unquoted") << QByteArray("ab\"c,d") << L{{"ab\"c", "d"}};
        QTest::newRow("NUL bytes") << QByteArray("a\0b,c", 5) << L{{nulField, "c"}};
    }
    void readAll()
    {
        QFETCH(QByteArray, data);
        QFETCH(QList<QStringList>, expected);
        QCOMPARE(FieldReader::readAll(data), expected);
    }

    void lineTrackingAndSkipping()
    {
        FieldReader r(QByteArray("\r\n\r\na,b\r\n\n  c\rd,e,\"f,\r\n\r\ng"));
        QCOMPARE(r.line(), 3);
        r.skipLine(); // at the start of a line: nothing to drop
        QVERIFY(r.atLineStart());
        QCOMPARE(r.text(), QStringLiteral("a"));
        QVERIFY(!r.atLineStart());
        QCOMPARE(r.text(), QStringLiteral("b"));
        QVERIFY(r.atLineStart());
        QCOMPARE(r.line(), 5);
        QCOMPARE(r.text(), QStringLiteral("c"));
        QCOMPARE(r.line(), 6);
        QCOMPARE(r.text(), QStringLiteral("d"));
        r.skipLine();
        QCOMPARE(r.line(), 8);
        QCOMPARE(r.text(), QStringLiteral("g"));
        QVERIFY(r.atEnd());
        QVERIFY(r.atLineStart());
        r.skipLine();
        QVERIFY(!r.pastEnd());
    }

    void numbersAndPastEnd()
    {
        FieldWriter w;
        w.number(-0.25);
        w.number(1.5e20);
        QCOMPARE(w.bytes(), QByteArray("-.25,1.5E+20"));
        FieldReader r(w.bytes() + ",  -7  ,\"12\",,40000,2.5");
        QCOMPARE(r.number(), -0.25);
        QCOMPARE(r.number(), 1.5e20);
        QCOMPARE(r.number(), -7.0);
        QCOMPARE(int(r.int16()), 12);
        QCOMPARE(r.number(), 0.0);
        QCOMPARE(int(r.int16()), 32767);
        QCOMPARE(int(r.int16()), 2);
        QVERIFY(!r.pastEnd());
        QCOMPARE(int(r.int16()), 0);
        QVERIFY(r.pastEnd());

        FieldReader empty{QByteArray()};
        QCOMPARE(empty.text(), QString());
        QVERIFY(empty.pastEnd());
    }

    void hostile_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("firstFieldLength");
        const int mb = 1 << 20;
        QTest::newRow("1 MB line") << QByteArray(mb, 'x') << 1 << 1 << mb;
        QTest::newRow("1 MB unclosed quote") << ('"' + QByteArray(mb, 'x')) << 1 << 1 << mb;
        QTest::newRow("1 MB commas") << QByteArray(mb, ',') << 1 << mb << 0;
        QTest::newRow("1 MB quotes") << QByteArray(mb, '"') << 1 << 1 << 0;
        QTest::newRow("1 MB CR") << QByteArray(mb, '\r') << 0 << 0 << 0;
        QTest::newRow("quote comma pairs") << QByteArray(mb, '"').replace("\"\"", "\",") << 1
                                           << mb / 4 << 1;
        QTest::newRow("1 MB of short lines") << QByteArray("a\r\n").repeated(mb / 3) << mb / 3
                                             << mb / 3 << 1;
    }
    void hostile()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, lines);
        QFETCH(int, fields);
        QFETCH(int, firstFieldLength);
        const QList<QStringList> all = FieldReader::readAll(data);
        QCOMPARE(int(all.size()), lines);
        int total = 0;
        for (const QStringList& l : all)
            total += int(l.size());
        QCOMPARE(total, fields);
        if (fields > 0)
            QCOMPARE(int(all.first().first().size()), firstFieldLength);

        FieldReader r(data);
        for (int reads = 0; !r.atEnd() && reads <= data.size(); ++reads)
            QVERIFY(std::isfinite(r.number()));
        QVERIFY(r.atEnd());
    }

    void readWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.scr"));
        QVERIFY(!kt::readWholeFile(path).has_value()); // missing
        QVERIFY(writeBytes(path, QByteArray()));
        QCOMPARE(kt::readWholeFile(path), std::optional<QByteArray>(QByteArray()));
        const QByteArray content = QByteArray("x\r\n").repeated(50000);
        QVERIFY(writeBytes(path, content));
        QCOMPARE(kt::readWholeFile(path), std::optional<QByteArray>(content));
        QVERIFY(kt::readWholeFile(path, content.size()).has_value());
        QVERIFY(!kt::readWholeFile(path, content.size() - 1).has_value());
        QVERIFY(!kt::readWholeFile(dir.path()).has_value());
        if (QFileInfo::exists(QStringLiteral("/dev/zero"))) // a device: never read
            QVERIFY(!kt::readWholeFile(QStringLiteral("/dev/zero"), 1 << 20).has_value());

        // The start of a larger file, and only as much memory as it holds.
        bool cut = false;
        QCOMPARE(kt::readFileStart(path, 7, &cut), std::optional<QByteArray>("x\r\nx\r\nx"));
        QVERIFY(cut);
        QCOMPARE(kt::readFileStart(path, content.size(), &cut), std::optional<QByteArray>(content));
        QVERIFY(!cut);
        QVERIFY(writeBytes(path, annRecord));
        const std::optional<QByteArray> small = kt::readFileStart(path, kDefaultMaxFileBytes, &cut);
        QCOMPARE(small, std::optional<QByteArray>(annRecord));
        QVERIFY2(small->capacity() < 4096, qPrintable(QString::number(small->capacity())));
    }

    void wholeFileWrites()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("kitetu.dat"));
        QString error;
        QVERIFY(kt::replaceFileAtomically(settings, "0,0,0\r\n", &error));
        QVERIFY(error.isEmpty());
        QVERIFY(kt::replaceFileAtomically(settings, "1,0,0\r\n", &error));
        QCOMPARE(fileBytes(settings), QByteArray("1,0,0\r\n"));
        // No temporary files left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("kitetu.dat")});

        const QString path = dir.filePath(QStringLiteral("Ann.scr"));
        QVERIFY(kt::appendWhole(path, annRecord, &error)); // creates the file
        QVERIFY(error.isEmpty());
        QVERIFY(kt::appendWhole(path, "1,2\r\n", &error));
        QVERIFY(kt::appendWhole(path, QByteArray(), &error));
        const QByteArray before = annRecord + "1,2\r\n";
        QCOMPARE(fileBytes(path), before);
#ifdef Q_OS_LINUX
        // A file-size limit makes the kernel accept only part of a write, as
        // a full disk does.
        const auto limited = [](qint64 limit, const std::function<bool()>& write) {
            struct rlimit saved;
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit tight = saved;
            tight.rlim_cur = rlim_t(limit);
            setrlimit(RLIMIT_FSIZE, &tight);
            const bool ok = write();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
            return ok;
        };
        const QString tooLarge = QStringLiteral("File too large"); // the system's reason, not "Unknown error"
        error.clear();
        QVERIFY(!limited(before.size() + 10, [&] { return kt::appendWhole(path, annRecord, &error); }));
        QVERIFY2(error.contains(tooLarge), qPrintable(error));
        QCOMPARE(fileBytes(path), before);
        // A record that cannot be written leaves no new empty file behind.
        const QString fresh = dir.filePath(QStringLiteral("Bob.scr"));
        QVERIFY(!limited(10, [&] { return kt::appendWhole(fresh, annRecord, &error); }));
        QVERIFY(!QFileInfo::exists(fresh));
        // The settings file keeps its old line when the new one is cut short.
        error.clear();
        QVERIFY(!limited(3, [&] { return kt::replaceFileAtomically(settings, "1,0,1\r\n", &error); }));
        QVERIFY2(error.contains(tooLarge), qPrintable(error));
        QCOMPARE(fileBytes(settings), QByteArray("1,0,0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{QStringLiteral("Ann.scr"), QStringLiteral("kitetu.dat")}));
#endif
    }

#ifdef Q_OS_LINUX
    // What a data folder may hold besides plain files: none is listed, read
    // or written, nothing outside the folder changes, and a FIFO never makes
    // anything wait. A plain file with a line break in its name is not listed.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"FIFO", "link to a file outside", "dangling link", "folder", "line break in the name"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString outside = dir.filePath(QStringLiteral("outside.txt"));
        QVERIFY(QDir().mkpath(data) && writeBytes(outside, "keep\r\n"));
        const QString name = QStringLiteral("x.scr");
        const QByteArray raw = QFile::encodeName(data + QLatin1Char('/') + name);
        bool plain = false;
        if (kind == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(raw.constData(), 0600), 0);
        else if (kind == QLatin1String("link to a file outside"))
            QVERIFY(QFile::link(outside, data + QStringLiteral("/x.scr")));
        else if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("none")), data + QStringLiteral("/x.scr")));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir(data).mkdir(name));
        else
            QVERIFY(plain = writeBytes(data + QStringLiteral("/x\ny.scr"), annRecord));
        QVERIFY(Paths::match(data, QStringLiteral("*.scr")).isEmpty());
        QVERIFY(Paths::findInDir(data, name).isEmpty());
        if (plain)
            return;
        const QString path = data + QLatin1Char('/') + name;
        QVERIFY(!kt::readWholeFile(path).has_value());
        QString appendError, replaceError;
        QVERIFY(!kt::appendWhole(path, annRecord, &appendError));
        QVERIFY(!kt::replaceFileAtomically(path, annRecord, &replaceError));
        for (const QString& error : {appendError, replaceError})
            QVERIFY2(error.endsWith(notPlainFileReason()), qPrintable(error));
        QCOMPARE(fileBytes(outside), QByteArray("keep\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("outside.txt")});
        QCOMPARE(fileKind(path), FileKind::Other); // still what it was
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{name});
    }
#endif

    void failedWritesLeaveThingsAlone()
    {
        QTemporaryDir dir;
        const QString plainFile = dir.filePath(QStringLiteral("plain"));
        QVERIFY(writeBytes(plainFile, "keep\r\n"));
        const QStringList targets{dir.filePath(QStringLiteral("no/such/dir/x.scr")),
                                  plainFile + QStringLiteral("/x.scr"), dir.path()};
        for (const QString& target : targets) {
            QString appendError, replaceError;
            QVERIFY2(!kt::appendWhole(target, "1\r\n", &appendError), qPrintable(target));
            QVERIFY2(!appendError.isEmpty(), qPrintable(target));
            QVERIFY2(!kt::replaceFileAtomically(target, "1", &replaceError), qPrintable(target));
            QVERIFY2(!replaceError.isEmpty(), qPrintable(target));
        }
        QCOMPARE(fileBytes(plainFile), QByteArray("keep\r\n"));
        QVERIFY(QFileInfo(dir.path()).isDir());
        QVERIFY(!kt::appendWhole(targets.first(), "1", nullptr));
        QVERIFY(!kt::replaceFileAtomically(targets.first(), "1"));
        if (QFileInfo::exists(QStringLiteral("/dev/full"))) { // a full disk
            QString error;
            QVERIFY(!kt::appendWhole(QStringLiteral("/dev/full"), "1\r\n", &error));
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
