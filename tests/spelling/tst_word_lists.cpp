// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists: the file's 16-character slots and the 1000-word limit; the
// word-list dialogs driven as a parent would (hostile names, failed saves, the
// drill closed first); the recordings a stand-in voice makes of new words.
#include "SpellingTest.h"
#include "shell/Settings.h"
#include "spelling/WordFiles.h"
#include "spelling/WordRecorder.h"
#include "ui/DataFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>

#include <chrono>
#include <future>

#include <signal.h>

using namespace kt;
using namespace kt::test;

namespace {
constexpr int Patience = 10000; // ms: a bound, never a wait
const QString FirstInstruction = QStringLiteral(
    "Type your homework file name in the box below then press the ENTER key.  Use no more than 8 characters.");

// The stand-in voice: logs each word and its process id, hands over to the
// installed script when a copy is beside it, fails on "fail", holds while the
// gate file is there, then writes the word into the file named.
const char* const FakeVoice = R"(#!/bin/sh
dir=$(dirname "$0")
echo "$1" >> "$dir/said.log"
echo "$2" > "$dir/out"
echo $$ > "$dir/pid"
[ -e "$dir/say_word.sh" ] && exec sh "$dir/say_word.sh" "$@"
[ "$1" = fail ] && exit 1
while [ -e "$dir/gate" ]; do sleep 0.02; done
printf 'voice:%s' "$1" > "$2"
)";

bool pickFile(const QString& name, bool twice = false)
{
    auto* list = in<QListWidget>(w::WordFilePicker, "File1");
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return true;
}

// A list as the program writes it: one quoted 16-character field a line.
QByteArray listOf(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words)
        bytes += '"' + word.leftJustified(16).toUtf8() + "\"\r\n";
    return bytes;
}
} // namespace

class TestWordLists : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;

    void list(const char* name, const QStringList& words) { box->writeDataFile(QString::fromLatin1(name), listOf(words)); }
    QByteArray file(const char* name) const { return box->readDataFile(QString::fromLatin1(name)); }
    // Saving records the new words before the editor goes on.
    void waitForRecordings() { QTRY_VERIFY_WITH_TIMEOUT(!Forms::find(w::HomeworkWords), Patience); }
    void start(int action, QString form) { session().WordFileAction = WordListAction(action), Forms::show(form); }
    void pickFor(int action, const QString& file)
    {
        start(action, w::WordFilePicker);
        QVERIFY(pickFile(file, true));
    }

    QString voiceFile(const char* name) const { return box->programDir() + QLatin1Char('/') + QLatin1String(name); }
    void touch(const char* name) const { box->writeProgramFile(QString::fromLatin1(name), {}); }
    QByteArray fromVoice(const char* name) const
    {
        QFile file(voiceFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }
    QStringList said() const { return QString::fromUtf8(fromVoice("said.log")).split('\n', Qt::SkipEmptyParts); }
    pid_t voicePid() const { return pid_t(fromVoice("pid").toInt()); }
    QStringList dataFiles() const { return QDir(box->dataDir()).entryList(QDir::Files | QDir::Hidden); }
    Form* editor() const { return Forms::find(w::HomeworkWords); }
    void typeWords(const QStringList& words, const QString& list = QStringLiteral("week.shw"))
    {
        session().WordFileName = box->dataDir() + QLatin1Char('/') + list;
        start(0, w::HomeworkWords);
        for (const QString& word : words)
            enterIn(w::HomeworkWords, "TextWord", word);
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        box->makeDataDir();
        QFile file(box->writeProgramFile(QStringLiteral("voice.sh"), FakeVoice));
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("KITE_VOICE_COMMAND", file.fileName().toLocal8Bit());
    }
    void cleanup() { box.reset(); } // the voice's files go with it

    // Width, whole characters and the round trip: fuzz_word_list.
    void readingFields_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("quoted inner blank") << QByteArray("\"ice cream\"\r\n") << QStringList{"ice cream"};
        QTest::newRow("20 letters cut to 16") << QByteArray("abcdefghijklmnopqrst") << QStringList{"abcdefghijklmnop"};
        // A character outside the basic plane is two units: it is kept whole or not at all.
        QTest::newRow("emoji across the cut") << QByteArray("aaaaaaaaaaaaaaa\xf0\x9f\x98\x80") << QStringList{"aaaaaaaaaaaaaaa"};
        QTest::newRow("emoji inside") << QByteArray("aaaaaaaaaaaaaa\xf0\x9f\x98\x80")
                                      << QStringList{QStringLiteral("aaaaaaaaaaaaaa\U0001F600")};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void readingFields()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QStringList table, words;
        const WordListRead read = LoadSpellingList(box->writeDataFile(QStringLiteral("list.shw"), file), table);
        for (int slot = 1; slot <= read.count; ++slot)
            words << wordAt(table, slot);
        QCOMPARE(words, expected);
        QVERIFY(read.editorProblem().isEmpty());
    }

    // Another copy of the program holds the data folder: a save of a list
    // or of the settings waits its turn.
    void savesTakeTurnsWithAnotherCopy()
    {
        const QString path = box->dataDir() + QStringLiteral("/a.shw");
        for (const bool settings : {false, true}) {
            std::future<bool> other;
            {
                const DirectoryLock lock(box->dataDir());
                QVERIFY(lock.locked());
                other = std::async(std::launch::async, [settings, path] {
                    return settings ? SaveSettings(nullptr) : SaveSpellingList(path, {slotText("cat")}, 1).ok;
                });
                // Bounded: without turns the save is done long before this.
                QCOMPARE(other.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
            }
            QVERIFY2(other.get(), settings ? "settings" : "word list");
        }
    }

    // The yes/no question: the keyboard starts on No; a double-click, Enter,
    // or OK after a click answers. No starts over; Yes replaces the list
    // asked about, whatever the box holds by then, once the words are saved.
    void anExistingNameAsksBeforeItIsReplaced_data()
    {
        QTest::addColumn<QString>("option"); // none: where the focus is
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("double-click No") << "Option2" << "double" << false;
        QTest::newRow("double-click Yes") << "Option1" << "double" << true;
        QTest::newRow("Enter where the focus is") << "" << "Enter" << false;
        QTest::newRow("Enter on Yes") << "Option1" << "Enter" << true;
        QTest::newRow("No, then OK") << "Option2" << "OK" << false;
        QTest::newRow("Yes, then OK") << "Option1" << "OK" << true;
    }
    void anExistingNameAsksBeforeItIsReplaced()
    {
        QFETCH(QString, option);
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        list("week3.shw", {"old", "words"});
        start(0, w::HomeworkFileName);
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("WEEK3.txt"));
        QCOMPARE(textOf(w::HomeworkFileName, "LabelInstructions"),
                 QStringLiteral("That file already exists.  Do you want to replace it?"));
        QVERIFY(visible(w::HomeworkFileName, "Option1") && visible(w::HomeworkFileName, "Option2"));
        QCOMPARE(QApplication::focusWidget(), in(w::HomeworkFileName, "Option2"));
        in<QLineEdit>(w::HomeworkFileName, "TextFileName")->setText(QStringLiteral("other"));
        QWidget* answer = option.isEmpty() ? QApplication::focusWidget() : in(w::HomeworkFileName, qPrintable(option));
        if (how == QLatin1String("double"))
            doubleClick(answer);
        else
            (how == QLatin1String("Enter") ? pressEnter : click)(answer);
        if (how == QLatin1String("OK"))
            press(w::HomeworkFileName, "CommandOK");
        QCOMPARE(box->beeper->beeps, 1); // not asked again
        QCOMPARE(file("week3.shw"), listOf({"old", "words"})); // until the new words are saved
        QCOMPARE(bool(window(w::HomeworkWords)), replaced);
        if (!replaced) {
            QCOMPARE(textOf(w::HomeworkFileName, "TextFileName") + textOf(w::HomeworkFileName, "LabelInstructions"),
                     FirstInstruction);
            QVERIFY(!visible(w::HomeworkFileName, "Option1") && !visible(w::HomeworkFileName, "Option2"));
            return;
        }
        enterIn(w::HomeworkWords, "TextWord", QStringLiteral("bird"));
        press(w::HomeworkWords, "Command1");
        QCOMPARE(file("week3.shw"), listOf({"bird"}));
        waitForRecordings();
        QCOMPARE(textOf(w::SpellingDrill, "TextSpelledWord").trimmed(), QStringLiteral("bird"));
        QVERIFY(box->messages.isEmpty());
    }

    // Nothing can be written under a plain file: the message, and the word stays.
    void aListThatCannotBeSavedKeepsItsWords()
    {
        box->writeDataFile(QStringLiteral("nodir"), "x");
        typeWords({"cat"}, QStringLiteral("nodir/list.shw"));
        press(w::HomeworkWords, "CommandDone");
        QVERIFY(box->messages.value(0).text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("2"));
        QCOMPARE(file("nodir"), QByteArray("x"));
    }

    // The editors leave a list alone: one of more than 1000 words (only 1000
    // are read; slots outside 1..1000 are never stored or read), and one
    // another copy of the program saved meanwhile: the save says so and keeps
    // the words on screen; saving again replaces.
    void theEditorsLeaveAListAlone_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("add words") << 2 << QStringList{"cat", "dog"};
        QTest::newRow("change a word") << 4 << QStringList{"cow"};
    }
    void theEditorsLeaveAListAlone()
    {
        QFETCH(int, action);
        QFETCH(QStringList, after);
        QStringList many, table;
        for (int i = 1; i <= 1001; ++i)
            many << QStringLiteral("w%1").arg(i);
        const WordListRead read = LoadSpellingList(box->writeDataFile(QStringLiteral("big.shw"), listOf(many)), table);
        storeWord(table, 0, QStringLiteral("zero"));
        storeWord(table, 1001, QStringLiteral("past"));
        QVERIFY(read.tooLong && read.count == 1000 && table.size() == 1000);
        QCOMPARE(wordAt(table, 1) + '|' + wordAt(table, 1000) + '|' + wordAt(table, 1001), QStringLiteral("w1|w1000|"));
        pickFor(action, QStringLiteral("big.shw"));
        QVERIFY(box->messages.value(0).text.contains(QStringLiteral("more than 1000 words")));
        QVERIFY(!window(w::HomeworkWords) && !window(w::WordSearch));
        QCOMPARE(file("big.shw"), listOf(many));

        list("zoo.shw", {"cat"});
        pickFor(action, QStringLiteral("zoo.shw"));
        const QString form = action == 2 ? w::HomeworkWords : w::WordSearch;
        if (action == 2) {
            enterIn(form, "TextWord", QStringLiteral("dog"));
        } else {
            enterIn(form, "Text1", QStringLiteral("cat"));
            typeText(in(form, "Text2"), QStringLiteral("cow"));
        }
        list("zoo.shw", {"cat", "owl"});
        const auto save = [&] { action == 2 ? press(form, "CommandDone") : pressEnter(in(form, "Text2")); };
        save();
        QVERIFY(box->messages.value(1).text.startsWith(
            QStringLiteral("Someone else has saved this word file since you opened it")));
        QCOMPARE(file("zoo.shw"), listOf({"cat", "owl"}));
        save();
        QCOMPARE(file("zoo.shw"), listOf(after));
        QCOMPARE(box->messages.size(), 2);
        if (action == 2)
            waitForRecordings();
    }

    // A word found is forgotten when the search changes; one changed is
    // saved and recorded.
    void aFoundWordIsForgottenWhenTheSearchChanges()
    {
        list("zoo.shw", {"cat", "elephant", "dog"});
        for (const char* own : {"cat.wav", "elephant.wav", "dog.wav"})
            box->writeDataFile(QString::fromLatin1(own), "a parent's own");
        pickFor(4, QStringLiteral("zoo.shw"));
        const auto search = [](const QString& part) {
            in<QLineEdit>(w::WordSearch, "Text1")->clear();
            enterIn(w::WordSearch, "Text1", part);
        };
        for (const char* hidden : {"Label1", "Label2", "Text2", "Command1"})
            QVERIFY(!visible(w::WordSearch, hidden));
        enterIn(w::WordSearch, "Text1", QStringLiteral("ELE"));
        QCOMPARE(textOf(w::WordSearch, "Text1"), QStringLiteral("elephant        "));
        QCOMPARE(textOf(w::WordSearch, "Label1"), QStringLiteral(" 2"));
        QVERIFY(visible(w::WordSearch, "Text2") && visible(w::WordSearch, "Label2"));
        typeText(in(w::WordSearch, "Text1"), QStringLiteral("x"));
        QVERIFY(!visible(w::WordSearch, "Text2") && !visible(w::WordSearch, "Label1"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("nothing"));

        search(QString()); // the empty text is in every word
        QCOMPARE(textOf(w::WordSearch, "Label1"), QStringLiteral(" 1"));
        search(QStringLiteral("zebra"));
        QCOMPARE(textOf(w::WordSearch, "LabelInstructions"),
                 QStringLiteral("I can't find that word in this file.  Please try a partial spelling."));
        QVERIFY(!visible(w::WordSearch, "Text2"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("nothing"));
        QCOMPARE(file("zoo.shw"), listOf({"cat", "elephant", "dog"}));

        search(QStringLiteral("do"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("c\"t"));
        QCOMPARE(box->messages.size(), 1);
        enterIn(w::WordSearch, "Text2", QStringLiteral("duck"));
        QCOMPARE(file("zoo.shw"), listOf({"cat", "elephant", "duck"}));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(box->dataDir() + QStringLiteral("/duck.wav")), Patience);
        QCOMPARE(said(), QStringList{"duck"});
        QTRY_VERIFY_WITH_TIMEOUT(!in(w::WordSearch, "ProgressRecording")->isVisible(), Patience);
        QCOMPARE(box->messages.size(), 1); // the voice had no problem
        search(QStringLiteral("duck"));
        enterIn(w::WordSearch, "Text2", QString()); // an empty word is 16 blanks
        QCOMPARE(file("zoo.shw"), listOf({"cat", "elephant", ""}));
    }

    // Each homework entry of the bee's menu closes the drill, says what the
    // list is for and opens its dialog; a list picked there closes a drill
    // opened meanwhile (a deleted one is gone).
    void homeworkEntriesCloseTheDrillAndOpenTheirDialog_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("action");
        QTest::newRow("create") << "menuInputHomework" << 0;
        QTest::newRow("practise") << "menuLastHomework" << 1;
        QTest::newRow("add words") << "menuAddWords" << 2;
        QTest::newRow("delete a file") << "menuDeleteFile" << 3;
        QTest::newRow("change a word") << "menuChangeWord" << 4;
        QTest::newRow("delete a word") << "menuDeleteWord" << 5;
    }
    void homeworkEntriesCloseTheDrillAndOpenTheirDialog()
    {
        QFETCH(QString, item);
        QFETCH(int, action);
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"sun\"\r\n");
        list("zoo.shw", {"cat"});
        Form* beez = Forms::show(w::SpellingBee);
        control<QAction>(beez, QStringLiteral("menuLevel1"))->trigger();
        QVERIFY(window(w::SpellingDrill));
        session().WordFileAction = WordListAction(9);
        control<QAction>(beez, item)->trigger();
        QCOMPARE(int(session().WordFileAction), action);
        QVERIFY(!window(w::SpellingDrill) && window(action ? w::WordFilePicker : w::HomeworkFileName));
        if (action == 0)
            return;
        Form* drill = Forms::show(w::SpellingDrill);
        QVERIFY(pickFile(QStringLiteral("zoo.shw"), true));
        QVERIFY(window(w::SpellingDrill) != drill);
        QCOMPARE(QFile::exists(box->dataDir() + QStringLiteral("/zoo.shw")), action != 3);
    }

    // Create a list of three words, open it to add words, delete a word, ask to
    // delete the list (the rest: the tables above and the word search).
    void theWholeRunFromTheMenu()
    {
        Form* beez = Forms::show(w::SpellingBee);
        auto choose = [beez](const char* item) { control<QAction>(beez, QString::fromLatin1(item))->trigger(); };
        choose("menuInputHomework");
        enterIn(w::HomeworkFileName, "TextFileName", QString()); // nothing happens
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("***"));
        QCOMPARE(box->messageTexts(), QStringList{"Please use letters or digits in the homework file name."});
        // Blanks around, separators and wildcards dropped, then cut at the dot.
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("  /Spell 1:*?.txt  "));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/spell 1.shw"));
        press(w::HomeworkWords, "Command1"); // no word yet: nothing happens
        for (const char* word : {"   ", " cat ", "dog", "say \"hi\"", "bird"})
            enterIn(w::HomeworkWords, "TextWord", QString::fromLatin1(word));
        // The quote would break the file: refused, nothing stored.
        QCOMPARE(box->messages.value(1).text, QStringLiteral("A word can't have a double quote (\") in it."));
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("4"));
        press(w::HomeworkWords, "Command1");
        QCOMPARE(file("spell 1.shw"), listOf({"cat", "dog", "bird"}));
        waitForRecordings();

        choose("menuAddWords");
        press(w::WordFilePicker, "CommandOK");
        QCOMPARE(box->messages.value(2).text, QStringLiteral("Select a file."));
        QVERIFY(pickFile(QStringLiteral("spell 1.shw")));
        choose("menuInputHomework"); // the menu used meanwhile changes nothing here
        window(w::HomeworkFileName)->unload();
        press(w::WordFilePicker, "CommandOK");
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("4"));
        press(w::HomeworkWords, "Command2"); // words added: theEditorsLeaveAListAlone

        choose("menuDeleteWord");
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        enterIn(w::WordSearch, "Text1", QStringLiteral("CAT"));
        QCOMPARE(textOf(w::WordSearch, "LabelInstructions"), QStringLiteral("Found it!  Click on OK to delete it."));
        press(w::WordSearch, "Command1");
        QVERIFY(!visible(w::WordSearch, "Command1"));
        press(w::WordSearch, "CommandCancel");
        QCOMPARE(file("spell 1.shw"), listOf({"dog", "bird"}));

        choose("menuDeleteFile");
        QCOMPARE(textOf(w::WordFilePicker, "LabelInstructions"), QStringLiteral("Select a file to delete."));
        QCOMPARE(box->messages.size(), 3);
    }

    // Saving records the words without a recording (one per name: the first 8
    // whole characters; none for a word that could name a path), a parent's
    // own kept, while the window goes on answering; a word the voice fails on
    // is told once; then the drill opens on the list.
    void savingRecordsTheMissingWordsOnly()
    {
        box->writeDataFile(QStringLiteral("Cat.wav"), "a parent's own");
        touch("gate");
        const QString emoji = QStringLiteral("abcdefg\U0001F600"); // its 8th unit is half a character
        const QStringList typed{"cat", "elephants", "a/b", "Elephant", "fail",
                                "dog", "c:d", "e*f", "ice cream", emoji};
        typeWords(typed);
        auto* recorder = editor()->findChild<WordRecorder*>();
        QSignalSpy progress(recorder, &WordRecorder::progress);
        press(w::HomeworkWords, "Command1");
        QCOMPARE(file("week.shw"), listOf(typed));
        QTRY_COMPARE_WITH_TIMEOUT(said(), QStringList{"elephants"}, Patience);
        auto* bar = control<QProgressBar>(editor(), QStringLiteral("ProgressRecording"));
        QVERIFY(bar->isVisible() && bar->maximum() == 5 && bar->value() == 0);
        // Here while the voice still speaks: the window went back to its events.
        QVERIFY(recorder->isRunning() && !in(w::HomeworkWords, "TextWord")->isEnabled());
        QCOMPARE(textOf(w::HomeworkWords, "LabelInstructions"),
                 QStringLiteral("Saved.  Recording the words so the computer can say them: 0 of 5."));
        QVERIFY(!Forms::find(w::SpellingDrill));

        QFile::remove(voiceFile("gate"));
        QTRY_VERIFY_WITH_TIMEOUT(Forms::find(w::SpellingDrill), Patience);
        QVERIFY(!editor());
        QCOMPARE(said(), (QStringList{"elephants", "fail", "dog", "ice cream", emoji}));
        QCOMPARE(progress.size(), 5);
        QCOMPARE(progress.last(), (QList<QVariant>{5, 5}));
        QCOMPARE(file("Cat.wav"), QByteArray("a parent's own"));
        QCOMPARE(file("elephant.wav") + file("dog.wav"), QByteArray("voice:elephantsvoice:dog"));
        QCOMPARE(file("ice crea.wav") + file("abcdefg.wav"), "voice:ice cream" + ("voice:" + emoji).toUtf8());
        QCOMPARE(dataFiles(), (QStringList{"abcdefg.wav", "Cat.wav", "dog.wav", "elephant.wav", "ice crea.wav",
                                           "week.shw"}));
        QVERIFY(missingRecordings({slotText(QString())}, 1, box->dataDir()).isEmpty()); // a blank word
        QCOMPARE(box->messageTexts(), QStringList{"The words are saved, but 1 of them could not be recorded.  The "
                                                  "drill will spell it without saying it."});
    }

    // Closing the editor stops the voice and leaves the list saved and no
    // part. A run writes under a name of its own, and removes what a killed
    // run left over an hour ago, not what another copy is writing now.
    void closingTheEditorStopsTheVoiceAndLeavesNoPart()
    {
        QFile old(box->writeDataFile(QStringLiteral(".cat.wav.x1.part"), "killed"));
        box->writeDataFile(QStringLiteral(".cat.wav.x2.part"), "another copy");
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3700), QFileDevice::FileModificationTime));
        touch("gate");
        typeWords({"cat", "dog"});
        press(w::HomeworkWords, "CommandDone");
        QTRY_VERIFY_WITH_TIMEOUT(voicePid() > 0, Patience);
        const pid_t pid = voicePid();
        const QString partial = QFileInfo(QString::fromLocal8Bit(fromVoice("out"))).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\.cat\\.wav\\.[0-9a-z]+\\.part$")).match(partial).hasMatch()
                     && !partial.endsWith(QStringLiteral(".x2.part")), qPrintable(partial));
        press(w::HomeworkWords, "Command2");
        QVERIFY(!window(w::HomeworkWords));
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, Patience); // the voice was stopped
        QCOMPARE(dataFiles(), (QStringList{".cat.wav.x2.part", "week.shw"}));
        QCOMPARE(said(), QStringList{"cat"});
    }

    // The program killed outright (kill -9) takes the voice with it. Runs
    // again as a child process that is killed while the voice speaks.
    void theVoiceDiesWithTheProgram()
    {
        if (qEnvironmentVariableIsSet("KITE_RECORDER_CHILD")) {
            qputenv("KITE_VOICE_COMMAND", qgetenv("KITE_RECORDER_CHILD") + "/voice.sh");
            WordRecorder recorder;
            recorder.start({{QStringLiteral("cat"), QStringLiteral("cat.wav")}}, box->dataDir());
            QTest::qWait(3 * Patience); // killed long before
            return;
        }
        touch("gate");
        QProcess child;
        qputenv("KITE_RECORDER_CHILD", box->programDir().toLocal8Bit());
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        qunsetenv("KITE_RECORDER_CHILD");
        QTRY_VERIFY_WITH_TIMEOUT(voicePid() > 0, Patience);
        const pid_t pid = voicePid();
        QVERIFY(::kill(pid, 0) == 0);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(Patience));
        // Dead: gone, or a zombie its new parent has not reaped yet.
        const auto alive = [pid] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        };
        QTRY_VERIFY_WITH_TIMEOUT(!alive(), Patience);
    }

    // The installed voice script (beside the program, as the build lays it
    // out) answers 3 when none of its programs is there: the editor says
    // once that there is no voice, and asks for no other word.
    void noVoiceIsSaidInTheEditorsWords()
    {
        qunsetenv("KITE_VOICE_COMMAND");
        const QStringList command = voiceCommand();
        qputenv("KITE_VOICE_COMMAND", voiceFile("voice.sh").toLocal8Bit());
        QCOMPARE(command.size(), 2);
        QVERIFY(QFile::copy(command.at(1), voiceFile("say_word.sh")));
        box->writeProgramFile(QStringLiteral("voice.conf"), "engine='festival'\nfestival='/nonexistent/festival'\n"
                              "festival_voice='x'\nfestival_rate='1'\nespeak='/nonexistent/espeak-ng'\n"
                              "espeak_voice='x'\nespeak_speed='1'\nsox='/bin/sh'\n");
        typeWords({"cat", "dog"});
        press(w::HomeworkWords, "CommandDone");
        QTRY_VERIFY_WITH_TIMEOUT(!editor(), Patience);
        QCOMPARE(box->messageTexts(),
                 QStringList{"The words are saved, but they can't be recorded: no voice is installed on this "
                             "computer (festival or espeak-ng).  The drill will spell them without saying them."});
        QCOMPARE(said(), QStringList{"cat"}); // not asked again for every word
        QCOMPARE(dataFiles(), QStringList{"week.shw"});
    }
};

QTEST_MAIN(TestWordLists)
#include "tst_word_lists.moc"
