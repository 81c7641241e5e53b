// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling drill: show, hide, type and check a word; attempts and the
// percentage; word order; the spoken word and its letters; the reward every
// tenth attempt; an empty list.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QApplication>

using namespace kt;
using namespace kt::test;

namespace {
const QString ReadyPrompt =
    QStringLiteral("When you are ready to spell this word press the ENTER key or click on the Ready button.");
const QString AlreadyTried = QStringLiteral("You already tried that word.  Try a new word.");
}

class TestSpellingDrill : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void open(const QByteArray& list)
    {
        session().WordFileName = box->writeDataFile(QStringLiteral("words.shw"), list);
        form = Forms::show(windows::SpellingDrill);
    }
    QString text(const char* name) const
    {
        if (auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return edit->text();
        return control<QLabel>(form, QString::fromLatin1(name))->text();
    }
    QString instruction() const { return text("LabelInstructions"); }
    QString shown() const { return text("TextSpelledWord"); }
    void press(const char* button) const { click(control<QWidget>(form, QString::fromLatin1(button))); }
    void type(const QString& answer) const
    {
        auto* edit = control<TextBox>(form, QStringLiteral("TextSpelledWord"));
        typeText(edit, answer);
        pressEnter(edit);
    }
    void spell(const QString& answer) const { press("CommandReady"), type(answer); }
    // Keys go wherever the focus is, as a child's keyboard sends them.
    void keys(const QString& typed) const
    {
        processEvents();
        typeText(QApplication::focusWidget(), typed);
        pressEnter(QApplication::focusWidget());
    }

private slots:
    void init() { box = std::make_unique<Sandbox>(); }
    void cleanup() { box.reset(), form = nullptr; }

    void aWordIsShownHiddenTypedAndChecked()
    {
        open("cat,dog\r\nbird\r\n");
        QCOMPARE(shown(), QStringLiteral("cat             "));
        QCOMPARE(instruction(), ReadyPrompt);
        QCOMPARE(text("LabelScore") + '|' + text("LabelAttempts"), QStringLiteral("Score =  0%|Attempts =  0"));
        type(QStringLiteral("x"));
        QCOMPARE(instruction(), QStringLiteral("Click on the Ready button first."));

        press("CommandReady");
        QCOMPARE(shown(), QString());
        QCOMPARE(instruction(), QStringLiteral("Now spell the word then press ENTER."));
        type(QStringLiteral("CAT "));
        QCOMPARE(instruction(), QStringLiteral("Right!  Now press ENTER to try another word."));
        QCOMPARE(text("LabelScore") + '|' + text("LabelAttempts"), QStringLiteral("Score =  100%|Attempts =  1"));
        // The word is done: neither Enter nor See Again counts it again.
        type(QString());
        QCOMPARE(instruction(), AlreadyTried);
        press("CommandSeeAgain");
        QCOMPARE(shown() + instruction(), QStringLiteral("cat             ") + AlreadyTried);

        press("CommandAnother");
        QCOMPARE(shown().trimmed(), QStringLiteral("dog"));
        spell(QStringLiteral("dgo"));
        QCOMPARE(instruction() + shown(), QStringLiteral("I'm sorry, please try again."));
        type(QString()); // an empty answer is no attempt
        type(QStringLiteral("dog"));
        QCOMPARE(session().SpellAttempts, qint16(3));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  66%"));
        QVERIFY(box->player->played.isEmpty()); // the sound is off
        press("CommandAnother");
        press("CommandAnother");
        QCOMPARE(shown().trimmed(), QStringLiteral("cat")); // after the last word, the first
    }

    // Every word is shown with the focus on Ready, and Ready pressed before
    // the word is said keeps its instruction.
    void theKeyboardAloneSpellsWordAfterWord_data()
    {
        QTest::addColumn<bool>("sound");
        QTest::newRow("sound off") << false;
        QTest::newRow("sound on, Ready before the word is said") << true;
    }
    void theKeyboardAloneSpellsWordAfterWord()
    {
        QFETCH(bool, sound);
        session().SoundOn = sound;
        box->writeProgramFile(QStringLiteral("d.wav"), "RIFF");
        open("cat,dog");
        for (const QString word : {"cat", "dog"}) {
            keys(QString()); // Ready
            if (sound)
                control<Timer>(form, QStringLiteral("Timer1"))->fire();
            QCOMPARE(shown() + instruction(), QStringLiteral("Now spell the word then press ENTER."));
            keys(word);
            QCOMPARE(instruction(), QStringLiteral("Right!  Now press ENTER to try another word."));
            keys(QString()); // a new word
        }
        QCOMPARE(session().SpellRight, qint16(2));
        QCOMPARE(box->player->played.contains(QStringLiteral("d.wav")), sound); // still said
    }

    void theWordIsSaidThenSpelledLetterByLetter()
    {
        session().SoundOn = 1;
        box->writeDataFile(QStringLiteral("elephant.wav"), "RIFF");
        for (const char* letter : {"e.wav", "L.WAV", "h.wav", "a.wav", "n.wav", "t.wav", "s.wav"})
            box->writeProgramFile(QString::fromLatin1(letter), "RIFF");
        open("\"elephants\"\r\n");
        auto* timer = control<Timer>(form, QStringLiteral("Timer1"));
        QVERIFY(timer->enabled() && instruction().isEmpty());
        timer->fire();
        QVERIFY(!timer->enabled());
        QCOMPARE(instruction(), ReadyPrompt);
        // No "p" recording: that letter is skipped.
        QCOMPARE(box->player->played, (QStringList{box->dataDir() + "/elephant.wav", "e.wav", "l.wav", "e.wav", "h.wav",
                                                   "a.wav", "n.wav", "t.wav", "s.wav"}));
        box->player->played.clear();
        spell(QStringLiteral("elefants"));
        QCOMPARE(box->player->played, QStringList{"tryagn2.wav"});
    }

    void randomOrderShowsEveryWordOncePerRound()
    {
        session().RandomWordOrder = 1;
        for (const int k : {2, 2, 1, 1, 3, 3})
            box->random->values << ScriptedRandom::pick(k, 3, 1);
        open("cat,dog,bird");
        QStringList seen{shown().trimmed()};
        for (int i = 0; i < 3; ++i)
            press("CommandAnother"), seen << shown().trimmed();
        // A word drawn again within a round is skipped; a new round may begin with any.
        QCOMPARE(seen, (QStringList{"dog", "cat", "bird", "bird"}));
    }

    void anEmptyOrMissingListDoesNothing()
    {
        session().RandomWordOrder = 1;
        session().WordList = QStringList{QStringLiteral("old             ")};
        for (const bool missing : {false, true}) {
            open(QByteArray());
            if (missing) {
                form->unload();
                session().WordFileName += QStringLiteral(".gone");
                form = Forms::show(windows::SpellingDrill);
            }
            QCOMPARE(instruction(), QStringLiteral("Can't find file!"));
            for (const char* button : {"CommandReady", "CommandAnother", "CommandSeeAgain"})
                press(button);
            QCOMPARE(shown(), QString()); // not even the earlier list's word
            type(QStringLiteral("old"));
            QCOMPARE(instruction(), QStringLiteral("Can't find file!"));
            QCOMPARE(session().SpellAttempts, qint16(0));
            form->unload();
            processEvents();
        }
        QCOMPARE(box->beeper->beeps, 3);
    }

    void scoreAndRewardAtTheEdges()
    {
        SessionState& s = session();
        box->writeDataFile(QStringLiteral("star.bmp"), "BM");
        s.VisualRewardsOn = 1;
        s.SpellingScore = 42;
        open("cat");
        processEvents(); // the drill has the keyboard
        // No attempt counted yet: the score stays and there is no reward.
        spell(QString());
        QCOMPARE(s.SpellingScore, qint16(42));
        QVERIFY(!Forms::find(windows::VisualRewards));
        // The 330th attempt brings a reward; 100 x 328 right needs no 16-bit room.
        s.SpellAttempts = 329;
        s.SpellRight = 327;
        type(QStringLiteral("cat"));
        QCOMPARE(s.SpellingScore, qint16(99));
        QVERIFY(Forms::find(windows::VisualRewards));
        processEvents();
        QCOMPARE(QApplication::activeWindow(), form); // the next word is typed here

        Forms::unload(windows::VisualRewards);
        s.VisualRewardsOn = 0;
        s.SpellAttempts = 9;
        press("CommandAnother");
        spell(QStringLiteral("cat"));
        processEvents();
        QVERIFY(!Forms::find(windows::VisualRewards));
    }
};

QTEST_MAIN(TestSpellingDrill)
#include "tst_spelling_drill.moc"
