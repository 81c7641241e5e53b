// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings of homework words made when a list is saved: which words need
// one, the editor recording them in the background with a stand-in voice
// (a script named by KITE_VOICE_COMMAND), a parent's own recording kept,
// unusable names skipped, no voice installed, closing the editor meanwhile;
// and the installed voice script's own answer when no voice is installed.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "spelling/WordRecorder.h"
#include "ui/Forms.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <signal.h>

using namespace kt;
using namespace kt::test;
namespace w = kt::windows;

namespace {
constexpr int Patience = 10000; // ms: a bound, never a wait

// The stand-in voice: logs each word and its process id, stops with status
// 3 when told there is no voice, fails on "fail", holds while the gate file
// is there, then writes the word into the file named.
const char* const FakeVoice = R"(#!/bin/sh
dir=$(dirname "$0")
echo "$1" >> "$dir/said.log"
echo "$2" > "$dir/out"
echo $$ > "$dir/pid"
[ -e "$dir/novoice" ] && exit 3
[ "$1" = fail ] && exit 1
while [ -e "$dir/gate" ]; do sleep 0.02; done
printf 'voice:%s' "$1" > "$2"
)";

QStringList storedTable(const QStringList& words)
{
    QStringList table;
    for (int slot = 1; slot <= words.size(); ++slot)
        storeWord(table, slot, words.at(slot - 1));
    return table;
}
} // namespace

class TestWordRecordings : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    std::unique_ptr<QTemporaryDir> voiceDir;

    QString voiceFile(const char* name) const { return voiceDir->filePath(QString::fromLatin1(name)); }
    void touch(const char* name) const
    {
        QFile file(voiceFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QStringList said() const
    {
        QFile log(voiceFile("said.log"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList dataFiles() const
    {
        return QDir(box->dataDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    Form* editor() const { return Forms::find(w::HomeworkWords); }
    WordRecorder* recorder() const { return editor() ? editor()->findChild<WordRecorder*>() : nullptr; }

    // Opens the editor on a new list and types the words in.
    void typeWords(const QStringList& words)
    {
        session().WordFileAction = WordListAction::Create;
        session().WordFileName = box->dataDir() + QStringLiteral("/week.shw");
        Forms::show(w::HomeworkWords);
        auto* wordBox = control<QWidget>(editor(), QStringLiteral("TextWord"));
        for (const QString& word : words) {
            typeText(wordBox, word);
            pressEnter(wordBox);
        }
    }
    void press(const char* button) { click(control<QWidget>(editor(), QString::fromLatin1(button))); }

private slots:
    void init()
    {
        box = std::make_unique<Sandbox>();
        box->makeDataDir();
        voiceDir = std::make_unique<QTemporaryDir>();
        const QString voice = voiceFile("voice.sh");
        QFile file(voice);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FakeVoice);
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
        qputenv("KITE_VOICE_COMMAND", voice.toLocal8Bit());
    }
    void cleanup()
    {
        QFile::remove(voiceFile("gate"));
        box.reset();
        qunsetenv("KITE_VOICE_COMMAND");
    }

    void wordsThatNeedARecording_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("expected"); // word=file pairs
        QTest::newRow("every word") << QStringList{"cat", "dog"} << QStringList{}
                                    << QStringList{"cat=cat.wav", "dog=dog.wav"};
        QTest::newRow("first 8 characters") << QStringList{"elephants"} << QStringList{}
                                            << QStringList{"elephants=elephant.wav"};
        QTest::newRow("a parent's own, any case") << QStringList{"cat", "dog"} << QStringList{"CAT.WAV"}
                                                 << QStringList{"dog=dog.wav"};
        QTest::newRow("one recording per name") << QStringList{"elephants", "elephant", "Elephantine"}
                                                << QStringList{} << QStringList{"elephants=elephant.wav"};
        QTest::newRow("no file name") << QStringList{"a/b", "c:d", "e*f", "ice cream"} << QStringList{}
                                      << QStringList{"ice cream=ice crea.wav"};
        QTest::newRow("nothing missing") << QStringList{"cat"} << QStringList{"cat.wav"} << QStringList{};
    }
    void wordsThatNeedARecording()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        for (const QString& name : present) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList found;
        for (const WordToRecord& missing : missingRecordings(storedTable(words), int(words.size()), dir.path()))
            found << missing.word + QLatin1Char('=') + missing.fileName;
        QCOMPARE(found, expected);
    }

    void savingRecordsTheMissingWordsOnly()
    {
        box->writeDataFile(QStringLiteral("Cat.wav"), "a parent's own");
        touch("gate");
        typeWords({"cat", "elephants", "a/b", "elephant", "dog"});
        QSignalSpy progress(recorder(), &WordRecorder::progress);
        press("CommandDone");
        auto* bar = control<QProgressBar>(editor(), QStringLiteral("ProgressRecording"));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(bar->value(), 0);
        QFile::remove(voiceFile("gate"));
        QTRY_VERIFY_WITH_TIMEOUT(!editor(), Patience);

        QCOMPARE(said(), (QStringList{"elephants", "dog"}));
        QCOMPARE(progress.size(), 2);
        QCOMPARE(progress.last(), (QList<QVariant>{2, 2}));
        QCOMPARE(box->readDataFile(QStringLiteral("Cat.wav")), QByteArray("a parent's own"));
        QCOMPARE(box->readDataFile(QStringLiteral("elephant.wav")), QByteArray("voice:elephants"));
        QCOMPARE(box->readDataFile(QStringLiteral("dog.wav")), QByteArray("voice:dog"));
        QCOMPARE(dataFiles(), (QStringList{"Cat.wav", "dog.wav", "elephant.wav", "week.shw"}));
        QVERIFY(box->messages.isEmpty());
    }

    void theWindowAnswersWhileWordsAreRecorded()
    {
        touch("gate");
        typeWords({"cat"});
        press("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(said(), QStringList{"cat"}, Patience);
        // The voice is still speaking, and the window still handles events.
        bool answered = false;
        QTimer::singleShot(0, editor(), [&answered] { answered = true; });
        QTRY_VERIFY_WITH_TIMEOUT(answered, Patience);
        QVERIFY(recorder()->isRunning());
        QCOMPARE(control<QLabel>(editor(), QStringLiteral("LabelInstructions"))->text(),
                 QStringLiteral("Saved.  Recording the words so the computer can say them: 0 of 1."));
        QVERIFY(!control<QWidget>(editor(), QStringLiteral("TextWord"))->isEnabled());
        QVERIFY(!Forms::find(w::SpellingDrill));

        QFile::remove(voiceFile("gate"));
        // Then the drill opens on the list, with the word's own recording.
        QTRY_VERIFY_WITH_TIMEOUT(Forms::find(w::SpellingDrill), Patience);
        QVERIFY(!editor());
        QCOMPARE(box->readDataFile(QStringLiteral("cat.wav")), QByteArray("voice:cat"));
    }

    void closingTheEditorStopsTheVoiceAndLeavesNoPart()
    {
        touch("gate");
        typeWords({"cat", "dog"});
        press("CommandDone");
        QTRY_COMPARE_WITH_TIMEOUT(said(), QStringList{"cat"}, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(voiceFile("pid")), Patience);
        QFile pidFile(voiceFile("pid"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
        QVERIFY(pid > 0);
        press("Command2");
        processEvents();
        QVERIFY(!editor());
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, Patience); // the voice was stopped
        QCOMPARE(dataFiles(), QStringList{"week.shw"});           // saved, and nothing half-written
        QCOMPARE(said(), QStringList{"cat"});
    }

    // A run writes under a name of its own, and removes what a killed run
    // left over an hour ago, not what another copy is writing now.
    void unfinishedFilesAreTheRunsOwn()
    {
        const QString stale = box->writeDataFile(QStringLiteral(".cat.wav.x1.part"), "killed");
        const QString fresh = box->writeDataFile(QStringLiteral(".cat.wav.x2.part"), "another copy");
        QFile old(stale);
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3700), QFileDevice::FileModificationTime));
        old.close();
        touch("gate");
        typeWords({"cat"});
        press("CommandDone");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(voiceFile("pid")), Patience);
        QFile out(voiceFile("out"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QString partial = QFileInfo(QString::fromLocal8Bit(out.readAll().trimmed())).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\.cat\\.wav\\.[0-9a-z]+\\.part$")).match(partial).hasMatch()
                     && !partial.endsWith(QStringLiteral(".x2.part")),
                 qPrintable(partial));
        QFile::remove(voiceFile("gate"));
        QTRY_VERIFY_WITH_TIMEOUT(!editor(), Patience);
        QCOMPARE(dataFiles(), (QStringList{".cat.wav.x2.part", "cat.wav", "week.shw"}));
        QVERIFY(QFile::exists(fresh));
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KITE_RECORDER_CHILD"), voiceDir->path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(voiceFile("pid")), Patience);
        QFile pidFile(voiceFile("pid"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
        QVERIFY(pid > 0 && ::kill(pid, 0) == 0);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(Patience));
        // Dead: gone, or a zombie its new parent has not reaped yet.
        const auto alive = [pid] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        };
        QTRY_VERIFY_WITH_TIMEOUT(!alive(), Patience);
    }

    void noVoiceIsSaidInTheEditorsWords()
    {
        touch("novoice");
        typeWords({"cat", "dog"});
        press("CommandDone");
        QTRY_VERIFY_WITH_TIMEOUT(!editor(), Patience);
        QCOMPARE(box->messages.size(), 1);
        QCOMPARE(box->messages.first().text,
                 QStringLiteral("The words are saved, but they can't be recorded: no voice is installed on this "
                                "computer (festival or espeak-ng).  The drill will spell them without saying them."));
        QCOMPARE(said(), QStringList{"cat"}); // not asked again for every word
        QCOMPARE(dataFiles(), QStringList{"week.shw"});
    }

    void aWordTheVoiceFailsOnIsReported()
    {
        typeWords({"fail", "dog"});
        press("CommandDone");
        QTRY_VERIFY_WITH_TIMEOUT(!editor(), Patience);
        QCOMPARE(box->messages.value(0).text,
                 QStringLiteral("The words are saved, but 1 of them could not be recorded.  The drill will spell "
                                "it without saying it."));
        QCOMPARE(dataFiles(), (QStringList{"dog.wav", "week.shw"}));
    }

    void aWordChangedInWordSearchIsRecorded()
    {
        box->writeDataFile(QStringLiteral("week.shw"), "\"cat\"\r\n\"dog\"\r\n");
        box->writeDataFile(QStringLiteral("cat.wav"), "a parent's own");
        box->writeDataFile(QStringLiteral("dog.wav"), "a parent's own");
        session().WordFileAction = WordListAction::ChangeWord;
        session().WordFileName = box->dataDir() + QStringLiteral("/week.shw");
        Form* search = Forms::show(w::WordSearch);
        for (const char* name : {"Text1", "Text2"}) {
            auto* entry = control<QWidget>(search, QString::fromLatin1(name));
            typeText(entry, QString::fromLatin1(name[4] == '1' ? "do" : "duck"));
            pressEnter(entry);
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(box->dataDir() + QStringLiteral("/duck.wav")), Patience);
        QCOMPARE(said(), QStringList{"duck"});
        QTRY_VERIFY_WITH_TIMEOUT(!control<QProgressBar>(search, QStringLiteral("ProgressRecording"))->isVisible(),
                                 Patience);
        QVERIFY(box->messages.isEmpty());
        search->unload();
    }

    // The installed voice script (beside the program, as the build lays it
    // out) answers 3 when none of its programs is there.
    void theInstalledScriptKnowsWhenNoVoiceIsInstalled()
    {
        qunsetenv("KITE_VOICE_COMMAND");
        const QStringList command = voiceCommand();
        QCOMPARE(command.size(), 2);
        QTemporaryDir copy;
        QVERIFY(QFile::copy(command.at(1), copy.filePath(QStringLiteral("say_word.sh"))));
        QFile conf(copy.filePath(QStringLiteral("voice.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("engine='festival'\nfestival='/nonexistent/festival'\nfestival_voice='x'\nfestival_rate='1'\n"
                   "espeak='/nonexistent/espeak-ng'\nespeak_voice='x'\nespeak_speed='1'\nsox='/bin/sh'\n");
        conf.close();
        QProcess script;
        script.start(QStringLiteral("sh"), {copy.filePath(QStringLiteral("say_word.sh")), QStringLiteral("cat"),
                                           copy.filePath(QStringLiteral("cat.wav"))});
        QVERIFY(script.waitForFinished(Patience));
        QCOMPARE(script.exitCode(), 3);
        QVERIFY(!QFile::exists(copy.filePath(QStringLiteral("cat.wav"))));
    }
};

QTEST_MAIN(TestWordRecordings)
#include "tst_word_recordings.moc"
