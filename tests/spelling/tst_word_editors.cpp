// The word-list dialogs: naming a new list (and the replace question), typing
// its words, picking a list, adding, changing and deleting words, deleting a
// list; the mends: hostile names, quotes, long files, failed saves, kept
// actions, the drill closed first; and one whole run through from the menu.
#include "SpellingTest.h"
#include "ui/Timer.h"

#include <QAction>
#include <QFile>

using namespace kt;
using namespace kt::test;

namespace {
const QString FirstInstruction = QStringLiteral(
    "Type your homework file name in the box below then press the ENTER key.  Use no more than 8 characters.");
const QString ChangePrompt = QStringLiteral(
    "Type the word or part of the word you want to change then press the ENTER key.  If it is spelled wrong in the "
    "file then type it as it is in the file.");
const QString DeletePrompt = QStringLiteral(
    "Type the word or part of the word you want to delete then press the ENTER key.  If it is spelled wrong in the "
    "file then type it as it is in the file.");
} // namespace

class TestWordEditors : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;

    QString list(const char* name, const QStringList& words) { return box->writeDataFile(QString::fromLatin1(name), listOf(words)); }
    QStringList wordsOf(const char* name) const { return linesOf(box->readDataFile(QString::fromLatin1(name))); }
    void start(int action, const QString& window)
    {
        session().WordFileAction = qint16(action);
        Forms::show(window);
    }
    // Opens the picker for `action` and picks `file` with a double-click.
    void pickFor(int action, const QString& file)
    {
        start(action, windows::WordFilePicker);
        QVERIFY(pickFile(file, true));
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        box->makeDataDir();
    }
    void cleanup() { box.reset(); }

    void aNewListIsNamedAndTyped()
    {
        start(0, windows::HomeworkFileName);
        QCOMPARE(window(windows::HomeworkFileName)->caption(), QStringLiteral("Homework File Name"));
        QCOMPARE(textOf(windows::HomeworkFileName, "LabelInstructions"), FirstInstruction);
        QVERIFY(!visible(windows::HomeworkFileName, "Option1") && !visible(windows::HomeworkFileName, "Option2"));
        enterIn(windows::HomeworkFileName, "TextFileName", QString());
        QVERIFY(window(windows::HomeworkFileName));
        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("Week3"));
        QVERIFY(!window(windows::HomeworkFileName));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/week3.shw"));

        QCOMPARE(window(windows::HomeworkWords)->caption(), QStringLiteral("Input Spelling Homework"));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("1"));
        press(windows::HomeworkWords, "CommandDone"); // nothing typed: nothing happens
        QVERIFY(window(windows::HomeworkWords));
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("   "));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("1"));
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral(" cat "));
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("3"));
        QCOMPARE(textOf(windows::HomeworkWords, "TextWord"), QString());
        // A quote would break the file: refused, nothing stored.
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("say \"hi\""));
        QCOMPARE(box->messages.size(), 1);
        QCOMPARE(box->messages.at(0).text, QStringLiteral("A word can't have a double quote (\") in it."));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("3"));
        press(windows::HomeworkWords, "CommandDone");
        QVERIFY(!window(windows::HomeworkWords));
        QCOMPARE(box->readDataFile(QStringLiteral("week3.shw")),
                 QByteArray("\"cat             \"\r\n\"abcdefghijklmnop\"\r\n"));
    }

    void anExistingNameAsksBeforeItIsReplaced()
    {
        list("week3.shw", {"old", "words"});
        start(0, windows::HomeworkFileName);
        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("Week3"));
        QCOMPARE(textOf(windows::HomeworkFileName, "LabelInstructions"),
                 QStringLiteral("That file already exists.  Do you want to replace it?"));
        QVERIFY(visible(windows::HomeworkFileName, "Option1") && visible(windows::HomeworkFileName, "Option2"));
        QCOMPARE(box->beeper->beeps, 1);
        Form* dialog = window(windows::HomeworkFileName);
        doubleClick(control<QWidget>(dialog, QStringLiteral("Option2")));
        QCOMPARE(textOf(windows::HomeworkFileName, "TextFileName"), QString());
        QCOMPARE(textOf(windows::HomeworkFileName, "LabelInstructions"), FirstInstruction);
        QVERIFY(!visible(windows::HomeworkFileName, "Option1") && !visible(windows::HomeworkFileName, "Option2"));

        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("WEEK3.txt"));
        // Yes replaces the list asked about, whatever the box holds by then.
        control<QLineEdit>(dialog, QStringLiteral("TextFileName"))->setText(QStringLiteral("other"));
        doubleClick(control<QWidget>(dialog, QStringLiteral("Option1")));
        QVERIFY(!window(windows::HomeworkFileName));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/week3.shw"));
        QCOMPARE(wordsOf("week3.shw"), (QStringList{"old", "words"})); // kept until the new words are saved
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("bird"));
        press(windows::HomeworkWords, "Command1");
        QCOMPARE(wordsOf("week3.shw"), QStringList{"bird"});
        QCOMPARE(textOf(windows::SpellingDrill, "TextSpelledWord").trimmed(), QStringLiteral("bird"));
    }

    void aHostileNameStaysInTheDataDirectory()
    {
        start(0, windows::HomeworkFileName);
        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("***"));
        QCOMPARE(box->messages.size(), 1);
        QCOMPARE(box->messages.at(0).text, QStringLiteral("Please use letters or digits in the homework file name."));
        QCOMPARE(textOf(windows::HomeworkFileName, "TextFileName"), QString());
        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("/tmp/x:*?"));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/tmpx.shw"));
    }

    void aFailedSaveIsReportedAndLosesNoWord()
    {
        box->writeDataFile(QStringLiteral("nodir"), "x");
        session().WordFileName = box->dataDir() + QStringLiteral("/nodir/list.shw");
        start(0, windows::HomeworkWords);
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("cat"));
        press(windows::HomeworkWords, "CommandDone");
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(box->messages.at(0).text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("2"));
        QCOMPARE(box->readDataFile(QStringLiteral("nodir")), QByteArray("x"));
    }

    void wordsAreAddedToTheEndOfAPickedList()
    {
        list("five.shw", {"one", "two", "three", "four", "five"});
        list("other.shw", {"x"});
        start(2, windows::WordFilePicker);
        Form* picker = window(windows::WordFilePicker);
        QCOMPARE(picker->caption(), QStringLiteral("Spell File Select"));
        QCOMPARE(control<QListWidget>(picker, QStringLiteral("File1"))->count(), 2);
        press(windows::WordFilePicker, "CommandOK");
        QCOMPARE(box->messages.size(), 1);
        QCOMPARE(box->messages.at(0).text, QStringLiteral("Select a file."));
        QVERIFY(pickFile(QStringLiteral("five.shw")));
        // The menu is used meanwhile: the picker keeps the action it opened for.
        session().WordFileAction = 0;
        press(windows::WordFilePicker, "CommandOK");
        QVERIFY(!window(windows::WordFilePicker));
        QCOMPARE(textOf(windows::HomeworkWords, "LabelWordNumber"), QStringLiteral("6"));
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("six"));
        press(windows::HomeworkWords, "CommandDone");
        QCOMPARE(wordsOf("five.shw"), (QStringList{"one", "two", "three", "four", "five", "six"}));
    }

    void aListOfMoreThan1000WordsIsNotEdited_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("editor");
        QTest::newRow("add words") << 2 << windows::HomeworkWords;
        QTest::newRow("change a word") << 4 << windows::WordSearch;
    }
    void aListOfMoreThan1000WordsIsNotEdited()
    {
        QFETCH(int, action);
        QFETCH(QString, editor);
        QStringList many;
        for (int i = 1; i <= 1001; ++i)
            many << QStringLiteral("w%1").arg(i);
        const QByteArray before = listOf(many);
        box->writeDataFile(QStringLiteral("big.shw"), before);
        pickFor(action, QStringLiteral("big.shw"));
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(box->messages.at(0).text.contains(QStringLiteral("more than 1000 words")));
        QVERIFY(!window(editor));
        QCOMPARE(box->readDataFile(QStringLiteral("big.shw")), before);
    }

    void aWordIsFoundAndChanged()
    {
        list("zoo.shw", {"cat", "elephant", "dog"});
        pickFor(4, QStringLiteral("zoo.shw"));
        QCOMPARE(window(windows::WordSearch)->caption(), QStringLiteral("Word Search"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"), ChangePrompt);
        for (const char* hidden : {"Label1", "Label2", "Text2", "Command1"})
            QVERIFY(!visible(windows::WordSearch, hidden));
        enterIn(windows::WordSearch, "Text1", QStringLiteral("ELE"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"),
                 QStringLiteral("Found it!  Now type the word correctly in the lower box then press the ENTER key."));
        QCOMPARE(textOf(windows::WordSearch, "Text1"), QStringLiteral("elephant        "));
        QCOMPARE(textOf(windows::WordSearch, "Label1"), QStringLiteral(" 2"));
        QVERIFY(visible(windows::WordSearch, "Text2") && visible(windows::WordSearch, "Label2"));
        // Touching the search box forgets the word found.
        typeText(control<QWidget>(window(windows::WordSearch), QStringLiteral("Text1")), QStringLiteral("x"));
        QVERIFY(!visible(windows::WordSearch, "Text2") && !visible(windows::WordSearch, "Label1"));
        enterIn(windows::WordSearch, "Text2", QStringLiteral("nothing"));
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"cat", "elephant", "dog"}));

        control<QLineEdit>(window(windows::WordSearch), QStringLiteral("Text1"))->clear();
        enterIn(windows::WordSearch, "Text1", QStringLiteral("zebra"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"),
                 QStringLiteral("I can't find that word in this file.  Please try a partial spelling."));
        control<QLineEdit>(window(windows::WordSearch), QStringLiteral("Text1"))->clear();
        enterIn(windows::WordSearch, "Text1", QString()); // the empty text is in every word
        QCOMPARE(textOf(windows::WordSearch, "Label1"), QStringLiteral(" 1"));
        enterIn(windows::WordSearch, "Text2", QStringLiteral("c\"t"));
        QCOMPARE(box->messages.size(), 1);
        enterIn(windows::WordSearch, "Text2", QStringLiteral("kitten"));
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"kitten", "elephant", "dog"}));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"), ChangePrompt);
        QCOMPARE(textOf(windows::WordSearch, "Text1"), QString());
        QVERIFY(!visible(windows::WordSearch, "Text2"));

        enterIn(windows::WordSearch, "Text1", QStringLiteral("dog"));
        enterIn(windows::WordSearch, "Text2", QString());
        QCOMPARE(box->readDataFile(QStringLiteral("zoo.shw")).split('\n').at(2), QByteArray("\"                \"\r"));
    }

    void aWordIsFoundAndDeleted()
    {
        list("zoo.shw", {"cat", "elephant", "dog"});
        pickFor(5, QStringLiteral("zoo.shw"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"), DeletePrompt);
        enterIn(windows::WordSearch, "Text1", QStringLiteral("phan"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"), QStringLiteral("Found it!  Click on OK to delete it."));
        QVERIFY(visible(windows::WordSearch, "Command1") && !visible(windows::WordSearch, "Text2"));
        press(windows::WordSearch, "Command1");
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"cat", "dog"}));
        QVERIFY(!visible(windows::WordSearch, "Command1") && !visible(windows::WordSearch, "Label1"));
        QCOMPARE(textOf(windows::WordSearch, "LabelInstructions"), DeletePrompt);
        // After a failed search OK cannot act on the word found before.
        enterIn(windows::WordSearch, "Text1", QStringLiteral("cat"));
        control<QLineEdit>(window(windows::WordSearch), QStringLiteral("Text1"))->clear();
        enterIn(windows::WordSearch, "Text1", QStringLiteral("zebra"));
        QVERIFY(!visible(windows::WordSearch, "Command1"));
        emit control<QPushButton>(window(windows::WordSearch), QStringLiteral("Command1"))->clicked();
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"cat", "dog"}));
    }

    void pickingAListClosesTheDrillFirst_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("practise") << 1;
        QTest::newRow("add words") << 2;
        QTest::newRow("delete the list") << 3;
        QTest::newRow("change a word") << 4;
    }
    void pickingAListClosesTheDrillFirst()
    {
        QFETCH(int, action);
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"sun\"\r\n");
        list("zoo.shw", {"cat"});
        session().WordFileName = QStringLiteral("Level1.lib");
        Form* drill = Forms::show(windows::SpellingDrill);
        pickFor(action, QStringLiteral("zoo.shw"));
        processEvents();
        QVERIFY(Forms::find(windows::SpellingDrill) != drill);
        QCOMPARE(QFile::exists(box->dataDir() + QStringLiteral("/zoo.shw")), action != 3);
        QVERIFY(box->messages.isEmpty());
    }

    void theWholeRunFromTheMenu()
    {
        box->writeDataFile(QStringLiteral("star.bmp"), "BM");
        Form* beez = Forms::show(windows::SpellingBee);
        auto choose = [beez](const char* item) { control<QAction>(beez, QString::fromLatin1(item))->trigger(); };
        choose("menuVisualOn");
        choose("menuInputHomework");
        enterIn(windows::HomeworkFileName, "TextFileName", QStringLiteral("Spell 1.txt"));
        for (const char* word : {"cat", "dog", "bird"})
            enterIn(windows::HomeworkWords, "TextWord", QString::fromLatin1(word));
        press(windows::HomeworkWords, "Command1");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"cat", "dog", "bird"}));

        // Ten attempts, one wrong, each word in turn; the tenth brings the reward.
        QString word;
        for (int attempt = 1; attempt <= 10; ++attempt) {
            // After a wrong answer the word stays hidden: the child tries again.
            if (attempt != 5)
                word = textOf(windows::SpellingDrill, "TextSpelledWord").trimmed();
            press(windows::SpellingDrill, "CommandReady");
            enterIn(windows::SpellingDrill, "TextSpelledWord", attempt == 4 ? QStringLiteral("oops") : word);
            QCOMPARE(session().SpellAttempts, qint16(attempt));
            QCOMPARE(Forms::find(windows::VisualRewards) != nullptr, attempt == 10);
            if (attempt != 4)
                press(windows::SpellingDrill, "CommandAnother");
        }
        QCOMPARE(textOf(windows::SpellingDrill, "LabelScore"), QStringLiteral("Score =  90%"));

        choose("menuAddWords");
        QVERIFY(!window(windows::SpellingDrill));
        QVERIFY(pickFile(QStringLiteral("spell 1.shw")));
        press(windows::WordFilePicker, "CommandOK");
        enterIn(windows::HomeworkWords, "TextWord", QStringLiteral("fish"));
        press(windows::HomeworkWords, "CommandDone");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"cat", "dog", "bird", "fish"}));

        choose("menuChangeWord");
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        enterIn(windows::WordSearch, "Text1", QStringLiteral("do"));
        enterIn(windows::WordSearch, "Text2", QStringLiteral("duck"));
        press(windows::WordSearch, "CommandCancel");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"cat", "duck", "bird", "fish"}));

        choose("menuDeleteWord");
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        enterIn(windows::WordSearch, "Text1", QStringLiteral("CAT"));
        press(windows::WordSearch, "Command1");
        press(windows::WordSearch, "CommandCancel");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"duck", "bird", "fish"}));

        choose("menuDeleteFile");
        QCOMPARE(textOf(windows::WordFilePicker, "LabelInstructions"), QStringLiteral("Select a file to delete."));
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        QVERIFY(!QFile::exists(box->dataDir() + QStringLiteral("/spell 1.shw")));
        QVERIFY(!window(windows::WordFilePicker));
        QVERIFY(box->messages.isEmpty());
    }
};

QTEST_MAIN(TestWordEditors)
#include "tst_word_editors.moc"
