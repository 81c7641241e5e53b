// SPDX-License-Identifier: GPL-3.0-or-later
// The word-list dialogs, driven as a parent would: naming a list (and the
// replace question), typing words, picking, changing and deleting words,
// deleting a list; the mends: hostile names, quotes, long lists, failed
// saves, kept actions, the drill closed first; and one whole run from the menu.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QListWidget>
#include <QMouseEvent>

using namespace kt;
using namespace kt::test;
namespace w = kt::windows;

namespace {
const QString FirstInstruction = QStringLiteral(
    "Type your homework file name in the box below then press the ENTER key.  Use no more than 8 characters.");

Form* window(const QString& name)
{
    processEvents();
    return Forms::find(name);
}
template <typename T = QWidget> T* in(const QString& form, const char* name)
{
    return control<T>(window(form), QString::fromLatin1(name));
}
QString textOf(const QString& form, const char* name)
{
    if (auto* box = window(form)->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return box->text();
    return in<QLabel>(form, name)->text();
}
bool visible(const QString& form, const char* name) { return !in(form, name)->isHidden(); }
void enterIn(const QString& form, const char* box, const QString& text)
{
    typeText(in(form, box), text);
    pressEnter(in(form, box));
}
void press(const QString& form, const char* button) { click(in(form, button)); }

// Clicks (or double-clicks) an entry of the picker's file list.
bool pickFile(const QString& name, bool twice = false)
{
    auto* list = in<QListWidget>(w::WordFilePicker, "File1");
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    if (twice) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &dbl);
    }
    return true;
}

QByteArray listOf(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words)
        bytes += '"' + word.toUtf8() + "\"\r\n";
    return bytes;
}
} // namespace

class TestWordEditors : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    QTemporaryDir voiceDir;

    void list(const char* name, const QStringList& words) { box->writeDataFile(QString::fromLatin1(name), listOf(words)); }
    QStringList wordsOf(const char* name) const
    {
        QStringList words;
        for (const QByteArray& line : box->readDataFile(QString::fromLatin1(name)).split('\n'))
            if (!line.isEmpty())
                words << QString::fromUtf8(line).remove(QLatin1Char('"')).trimmed();
        return words;
    }
    // Saving records the new words before the editor goes on.
    void waitForRecordings() { QTRY_VERIFY_WITH_TIMEOUT(!Forms::find(w::HomeworkWords), 10000); }
    void start(int action, const QString& form)
    {
        session().WordFileAction = WordListAction(action);
        Forms::show(form);
    }
    void pickFor(int action, const QString& file)
    {
        start(action, w::WordFilePicker);
        QVERIFY(pickFile(file, true));
    }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        box->makeDataDir();
        // Saved words are recorded by a stand-in voice that answers at once.
        const QString voice = voiceDir.filePath(QStringLiteral("voice.sh"));
        QFile file(voice);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf x > \"$2\"\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
        qputenv("KITE_VOICE_COMMAND", voice.toLocal8Bit());
    }
    void cleanup()
    {
        box.reset();
        qunsetenv("KITE_VOICE_COMMAND");
    }

    void anExistingNameAsksBeforeItIsReplaced()
    {
        list("week3.shw", {"old", "words"});
        start(0, w::HomeworkFileName);
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("Week3"));
        QCOMPARE(textOf(w::HomeworkFileName, "LabelInstructions"),
                 QStringLiteral("That file already exists.  Do you want to replace it?"));
        QVERIFY(visible(w::HomeworkFileName, "Option1") && visible(w::HomeworkFileName, "Option2"));
        QCOMPARE(box->beeper->beeps, 1);
        doubleClick(in(w::HomeworkFileName, "Option2"));
        QCOMPARE(textOf(w::HomeworkFileName, "TextFileName"), QString());
        QCOMPARE(textOf(w::HomeworkFileName, "LabelInstructions"), FirstInstruction);
        QVERIFY(!visible(w::HomeworkFileName, "Option1") && !visible(w::HomeworkFileName, "Option2"));

        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("WEEK3.txt"));
        // Yes replaces the list asked about, whatever the box holds by then.
        in<QLineEdit>(w::HomeworkFileName, "TextFileName")->setText(QStringLiteral("other"));
        doubleClick(in(w::HomeworkFileName, "Option1"));
        QCOMPARE(wordsOf("week3.shw"), (QStringList{"old", "words"})); // until the new words are saved
        enterIn(w::HomeworkWords, "TextWord", QStringLiteral("bird"));
        press(w::HomeworkWords, "Command1");
        QCOMPARE(wordsOf("week3.shw"), QStringList{"bird"});
        waitForRecordings();
        QCOMPARE(textOf(w::SpellingDrill, "TextSpelledWord").trimmed(), QStringLiteral("bird"));
    }

    // The keyboard starts on No; Enter on an answer, or OK after a click on
    // one, answers as a double-click does.
    void theReplaceQuestionTakesEnterOrOk_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Enter where the focus is") << "Enter" << false;
        QTest::newRow("Enter on Yes") << "Option1 Enter" << true;
        QTest::newRow("No, then OK") << "Option2 OK" << false;
        QTest::newRow("Yes, then OK") << "Option1 OK" << true;
    }
    void theReplaceQuestionTakesEnterOrOk()
    {
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        list("week3.shw", {"old"});
        start(0, w::HomeworkFileName);
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("week3"));
        const QStringList steps = how.split(QLatin1Char(' '));
        QWidget* answer = steps.size() > 1 ? in(w::HomeworkFileName, qPrintable(steps.first())) : nullptr;
        if (!answer) {
            QCOMPARE(QApplication::focusWidget(), in(w::HomeworkFileName, "Option2"));
            pressEnter(QApplication::focusWidget());
        } else if (steps.last() == QLatin1String("Enter")) {
            pressEnter(answer);
        } else {
            click(answer);
            press(w::HomeworkFileName, "CommandOK");
        }
        QCOMPARE(box->beeper->beeps, 1); // not asked again
        QCOMPARE(bool(window(w::HomeworkWords)), replaced);
        if (!replaced)
            QCOMPARE(textOf(w::HomeworkFileName, "LabelInstructions"), FirstInstruction);
    }

    void hostileNamesAndFailedSaves()
    {
        start(0, w::HomeworkFileName);
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("***"));
        QCOMPARE(box->messages.value(0).text, QStringLiteral("Please use letters or digits in the homework file name."));
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("/tmp/x:*?"));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/tmpx.shw"));

        // Nothing can be written under a plain file: the message, and the word stays.
        window(w::HomeworkWords)->unload();
        box->writeDataFile(QStringLiteral("nodir"), "x");
        session().WordFileName = box->dataDir() + QStringLiteral("/nodir/list.shw");
        start(0, w::HomeworkWords);
        enterIn(w::HomeworkWords, "TextWord", QStringLiteral("cat"));
        press(w::HomeworkWords, "CommandDone");
        QVERIFY(box->messages.value(1).text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("2"));
        QCOMPARE(box->readDataFile(QStringLiteral("nodir")), QByteArray("x"));
    }

    void aListOfMoreThan1000WordsIsNotEdited_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("editor");
        QTest::newRow("add words") << 2 << w::HomeworkWords;
        QTest::newRow("change a word") << 4 << w::WordSearch;
    }
    void aListOfMoreThan1000WordsIsNotEdited()
    {
        QFETCH(int, action);
        QFETCH(QString, editor);
        QStringList many;
        for (int i = 1; i <= 1001; ++i)
            many << QStringLiteral("w%1").arg(i);
        box->writeDataFile(QStringLiteral("big.shw"), listOf(many));
        pickFor(action, QStringLiteral("big.shw"));
        QVERIFY(box->messages.value(0).text.contains(QStringLiteral("more than 1000 words")));
        QVERIFY(!window(editor));
        QCOMPARE(box->readDataFile(QStringLiteral("big.shw")), listOf(many));
    }

    // Another copy of the program saves the list while this one edits it:
    // the save says so and keeps the words on screen; saving again replaces.
    void aListSavedMeanwhileIsNotOverwritten_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("add words") << 2 << QStringList{"cat", "dog"};
        QTest::newRow("change a word") << 4 << QStringList{"cow"};
    }
    void aListSavedMeanwhileIsNotOverwritten()
    {
        QFETCH(int, action);
        QFETCH(QStringList, after);
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
        QVERIFY(box->messages.value(0).text.startsWith(
            QStringLiteral("Someone else has saved this word file since you opened it")));
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"cat", "owl"}));
        save();
        QCOMPARE(wordsOf("zoo.shw"), after);
        QCOMPARE(box->messages.size(), 1);
        if (action == 2)
            waitForRecordings();
    }

    void aFoundWordIsForgottenWhenTheSearchChanges()
    {
        list("zoo.shw", {"cat", "elephant", "dog"});
        pickFor(4, QStringLiteral("zoo.shw"));
        for (const char* hidden : {"Label1", "Label2", "Text2", "Command1"})
            QVERIFY(!visible(w::WordSearch, hidden));
        enterIn(w::WordSearch, "Text1", QStringLiteral("ELE"));
        QCOMPARE(textOf(w::WordSearch, "Text1"), QStringLiteral("elephant        "));
        QCOMPARE(textOf(w::WordSearch, "Label1"), QStringLiteral(" 2"));
        QVERIFY(visible(w::WordSearch, "Text2") && visible(w::WordSearch, "Label2"));
        typeText(in(w::WordSearch, "Text1"), QStringLiteral("x"));
        QVERIFY(!visible(w::WordSearch, "Text2") && !visible(w::WordSearch, "Label1"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("nothing"));

        in<QLineEdit>(w::WordSearch, "Text1")->clear();
        enterIn(w::WordSearch, "Text1", QString()); // the empty text is in every word
        QCOMPARE(textOf(w::WordSearch, "Label1"), QStringLiteral(" 1"));
        in<QLineEdit>(w::WordSearch, "Text1")->clear();
        enterIn(w::WordSearch, "Text1", QStringLiteral("zebra"));
        QCOMPARE(textOf(w::WordSearch, "LabelInstructions"),
                 QStringLiteral("I can't find that word in this file.  Please try a partial spelling."));
        QVERIFY(!visible(w::WordSearch, "Text2"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("nothing"));
        QCOMPARE(wordsOf("zoo.shw"), (QStringList{"cat", "elephant", "dog"}));

        in<QLineEdit>(w::WordSearch, "Text1")->clear();
        enterIn(w::WordSearch, "Text1", QStringLiteral("dog"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("c\"t"));
        QCOMPARE(box->messages.size(), 1);
        enterIn(w::WordSearch, "Text2", QString()); // an empty word is 16 blanks
        QCOMPARE(box->readDataFile(QStringLiteral("zoo.shw")).split('\n').value(2), QByteArray("\"                \"\r"));
    }

    void pickingAListClosesTheDrillFirst_data()
    {
        QTest::addColumn<int>("action");
        for (int action = 1; action <= 5; ++action)
            QTest::addRow("action %d", action) << action;
    }
    void pickingAListClosesTheDrillFirst()
    {
        QFETCH(int, action);
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"sun\"\r\n");
        list("zoo.shw", {"cat"});
        session().WordFileName = QStringLiteral("Level1.lib");
        Form* drill = Forms::show(w::SpellingDrill);
        pickFor(action, QStringLiteral("zoo.shw"));
        QVERIFY(window(w::SpellingDrill) != drill);
        QCOMPARE(QFile::exists(box->dataDir() + QStringLiteral("/zoo.shw")), action != 3);
    }

    // Create a list of three words, practise it, add a word,
    // change one, delete one, delete the list.
    void theWholeRunFromTheMenu()
    {
        Form* beez = Forms::show(w::SpellingBee);
        auto choose = [beez](const char* item) { control<QAction>(beez, QString::fromLatin1(item))->trigger(); };
        choose("menuInputHomework");
        QCOMPARE(textOf(w::HomeworkFileName, "LabelInstructions"), FirstInstruction);
        enterIn(w::HomeworkFileName, "TextFileName", QString());
        QVERIFY(window(w::HomeworkFileName));
        enterIn(w::HomeworkFileName, "TextFileName", QStringLiteral("Spell 1.txt"));
        QCOMPARE(session().WordFileName, box->dataDir() + QStringLiteral("/spell 1.shw"));
        press(w::HomeworkWords, "Command1"); // no word yet: nothing happens
        for (const char* word : {"   ", " cat ", "dog", "say \"hi\"", "bird"})
            enterIn(w::HomeworkWords, "TextWord", QString::fromLatin1(word));
        // The quote would break the file: refused, nothing stored.
        QCOMPARE(box->messages.value(0).text, QStringLiteral("A word can't have a double quote (\") in it."));
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("4"));
        press(w::HomeworkWords, "Command1");
        QCOMPARE(box->readDataFile(QStringLiteral("spell 1.shw")),
                 QByteArray("\"cat             \"\r\n\"dog             \"\r\n\"bird            \"\r\n"));
        waitForRecordings();

        // The new list is the one drilled; the reward every tenth attempt is the drill's own test.
        const QString word = textOf(w::SpellingDrill, "TextSpelledWord").trimmed();
        QVERIFY(QStringList({"cat", "dog", "bird"}).contains(word));
        press(w::SpellingDrill, "CommandReady");
        enterIn(w::SpellingDrill, "TextSpelledWord", word);
        QCOMPARE(session().SpellRight, qint16(1));

        choose("menuAddWords");
        press(w::WordFilePicker, "CommandOK");
        QCOMPARE(box->messages.value(1).text, QStringLiteral("Select a file."));
        QVERIFY(pickFile(QStringLiteral("spell 1.shw")));
        choose("menuInputHomework"); // the menu used meanwhile changes nothing here
        window(w::HomeworkFileName)->unload();
        press(w::WordFilePicker, "CommandOK");
        QCOMPARE(textOf(w::HomeworkWords, "LabelWordNumber"), QStringLiteral("4"));
        enterIn(w::HomeworkWords, "TextWord", QStringLiteral("fish"));
        press(w::HomeworkWords, "CommandDone");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"cat", "dog", "bird", "fish"}));
        waitForRecordings();

        choose("menuChangeWord");
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        enterIn(w::WordSearch, "Text1", QStringLiteral("do"));
        enterIn(w::WordSearch, "Text2", QStringLiteral("duck"));
        press(w::WordSearch, "CommandCancel");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"cat", "duck", "bird", "fish"}));

        choose("menuDeleteWord");
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        enterIn(w::WordSearch, "Text1", QStringLiteral("CAT"));
        QCOMPARE(textOf(w::WordSearch, "LabelInstructions"), QStringLiteral("Found it!  Click on OK to delete it."));
        press(w::WordSearch, "Command1");
        QVERIFY(!visible(w::WordSearch, "Command1"));
        press(w::WordSearch, "CommandCancel");
        QCOMPARE(wordsOf("spell 1.shw"), (QStringList{"duck", "bird", "fish"}));

        choose("menuDeleteFile");
        QCOMPARE(textOf(w::WordFilePicker, "LabelInstructions"), QStringLiteral("Select a file to delete."));
        QVERIFY(pickFile(QStringLiteral("spell 1.shw"), true));
        QVERIFY(!QFile::exists(box->dataDir() + QStringLiteral("/spell 1.shw")));
        QCOMPARE(box->messages.size(), 2);
    }
};

QTEST_MAIN(TestWordEditors)
#include "tst_word_editors.moc"
