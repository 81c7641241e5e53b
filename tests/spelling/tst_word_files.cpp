// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists: the table's 16-character slots, reading the field format,
// writing one padded quoted word per line, homework names and the
// 1000-word limit (a failed save is the editors' test).
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/Settings.h"
#include "spelling/WordFiles.h"
#include "ui/DataFile.h"

#include <chrono>
#include <future>

using namespace kt;
using namespace kt::test;

class TestWordFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;

    static QStringList words(const QStringList& table, int count)
    {
        QStringList all;
        for (int i = 1; i <= count; ++i)
            all << wordAt(table, i);
        return all;
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>(false);
        box->makeDataDir();
    }
    void cleanup() { box.reset(); }

    void readingFields_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("commas and lines") << QByteArray("cat,dog\r\nbird\r\n") << QStringList{"cat", "dog", "bird"};
        QTest::newRow("quoted inner blank") << QByteArray("\"ice cream\"\r\n") << QStringList{"ice cream"};
        QTest::newRow("padded slots") << QByteArray("\"cat             \"\r\n\"house           \"\r\n")
                                      << QStringList{"cat", "house"};
        QTest::newRow("20 letters cut to 16") << QByteArray("abcdefghijklmnopqrst") << QStringList{"abcdefghijklmnop"};
        // A character outside the basic plane is two units: it is kept whole or not at all.
        QTest::newRow("emoji across the cut") << QByteArray("aaaaaaaaaaaaaaa\xf0\x9f\x98\x80") << QStringList{"aaaaaaaaaaaaaaa"};
        QTest::newRow("emoji inside") << QByteArray("aaaaaaaaaaaaaa\xf0\x9f\x98\x80")
                                      << QStringList{QStringLiteral("aaaaaaaaaaaaaa\U0001F600")};
        QTest::newRow("no line end at the end") << QByteArray("sun") << QStringList{"sun"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void readingFields()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        const QString path = box->writeDataFile(QStringLiteral("list.shw"), file);
        QStringList table;
        const WordListRead read = LoadSpellingList(path, table);
        QCOMPARE(read.count, int(expected.size()));
        QCOMPARE(words(table, read.count), expected);
        for (int i = 1; i <= read.count; ++i)
            QCOMPARE(slotAt(table, i).size(), 16);
        QVERIFY(read.editorProblem().isEmpty());
    }

    void levelListsAreProgramFilesByBareName()
    {
        box->writeProgramFile(QStringLiteral("Level2.lib"), "\"apple\"\r\n");
        QStringList table;
        QCOMPARE(LoadSpellingList(QStringLiteral("level2.LIB"), table).count, 1);
        const WordListRead missing = LoadSpellingList(QStringLiteral("Level3.lib"), table);
        QVERIFY(!missing.found);
        QCOMPARE(missing.count, 0);
        QCOMPARE(wordAt(table, 1), QStringLiteral("apple")); // an earlier list's slot stays
    }

    void writingPadsEachWordInQuotes()
    {
        QStringList table;
        storeWord(table, 1, QStringLiteral("cat"));
        storeWord(table, 2, QStringLiteral("house"));
        storeWord(table, 3, QStringLiteral("ice cream"));
        const QString path = box->dataDir() + QStringLiteral("/two.shw");
        QVERIFY(SaveSpellingList(path, table, 2).ok);
        QCOMPARE(box->readDataFile(QStringLiteral("two.shw")),
                 QByteArray("\"cat             \"\r\n\"house           \"\r\n"));
        // Leaving a slot out, and reading back what was written.
        QVERIFY(SaveSpellingList(path, table, 3, 2).ok);
        QStringList again;
        const WordListRead read = LoadSpellingList(path, again);
        QCOMPARE(words(again, read.count), (QStringList{"cat", "ice cream"}));
        // Slots outside 1..1000 are never stored or read.
        storeWord(again, 0, QStringLiteral("zero"));
        storeWord(again, 1001, QStringLiteral("past"));
        QCOMPARE(again.size(), 2);
        QCOMPARE(slotAt(again, 1001), QString(16, QLatin1Char(' ')));
    }

    // Another copy of the program holds the data folder: a save of a list
    // or of the settings waits its turn.
    void savesTakeTurnsWithAnotherCopy_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::newRow("word list") << false;
        QTest::newRow("settings") << true;
    }
    void savesTakeTurnsWithAnotherCopy()
    {
        QFETCH(bool, settings);
        const QString path = box->dataDir() + QStringLiteral("/a.shw");
        std::future<bool> other;
        {
            const DirectoryLock lock(box->dataDir());
            QVERIFY(lock.locked());
            other = std::async(std::launch::async, [settings, path] {
                return settings ? SaveSettings(nullptr) : SaveSpellingList(path, {slotText(QStringLiteral("cat"))}, 1).ok;
            });
            // Bounded: without turns the save is done long before this.
            QCOMPARE(other.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
        }
        QVERIFY(other.get());
    }

    void aFileOfMoreThan1000WordsIsReadTo1000AndRefusedForEditing()
    {
        QByteArray file;
        for (int i = 1; i <= 1001; ++i)
            file += "\"w" + QByteArray::number(i) + "\"\r\n";
        const QString path = box->writeDataFile(QStringLiteral("big.shw"), file);
        QStringList table;
        const WordListRead read = LoadSpellingList(path, table);
        QCOMPARE(read.count, 1000);
        QVERIFY(read.tooLong);
        QCOMPARE(table.size(), 1000);
        QCOMPARE(wordAt(table, 1000), QStringLiteral("w1000"));
        QVERIFY(read.editorProblem().contains(QStringLiteral("more than 1000 words")));
    }

    void homeworkNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("extension replaced") << "Spell 1.txt" << "spell 1.shw";
        QTest::newRow("lower case") << "Week3" << "week3.shw";
        QTest::newRow("blanks around") << "  Mine  " << "mine.shw";
        QTest::newRow("separators") << "../../etc/passwd" << "";
        QTest::newRow("nothing left") << "***" << "";
        QTest::newRow("only a dot part") << ".shw" << "";
    }
    void homeworkNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(homeworkFileName(typed), expected);
    }

    void wordsAndTheirRecordings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("storable");
        QTest::addColumn<QString>("recording");
        QTest::newRow("long word, first 8") << "elephants" << true << "elephant.wav";
        QTest::newRow("inner blank") << "ice cream" << true << "ice crea.wav";
        QTest::newRow("double quote") << "say \"hi\"" << false << "";
        QTest::newRow("separator") << "a/b" << true << "";
        QTest::newRow("wildcard") << "wh*t" << true << "";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("emoji across the 8th unit") << QStringLiteral("abcdefg\U0001F600") << true << "abcdefg.wav";
    }
    void wordsAndTheirRecordings()
    {
        QFETCH(QString, word);
        QFETCH(bool, storable);
        QFETCH(QString, recording);
        QCOMPARE(isStorableWord(word), storable);
        QCOMPARE(wordRecordingName(word), recording);
    }
};

QTEST_MAIN(TestWordFiles)
#include "tst_word_files.moc"
