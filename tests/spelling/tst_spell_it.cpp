// The spelling drill: show, hide, type and check a word; attempts and the
// percentage; word order; the spoken word and its letters; the reward every
// tenth attempt; an empty list.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

using namespace kt;
using namespace kt::test;

namespace {
const QString ReadyPrompt =
    QStringLiteral("When you are ready to spell this word press the ENTER key or click on the Ready button.");
}

class TestSpellIt : public QObject {
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
        if (auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        return control<QLabel>(form, QString::fromLatin1(name))->text();
    }
    QString instruction() const { return text("LabelInstructions"); }
    QString shownWord() const { return text("TextSpelledWord"); }
    void press(const char* button) const { click(control<QWidget>(form, QString::fromLatin1(button))); }
    void type(const QString& answer) const
    {
        auto* box = control<TextBox>(form, QStringLiteral("TextSpelledWord"));
        typeText(box, answer);
        pressEnter(box);
    }
    void spell(const QString& answer) const { press("CommandReady"), type(answer); }

private slots:
    void init() { box = std::make_unique<Sandbox>(); }
    void cleanup() { box.reset(), form = nullptr; }

    void aWordIsShownHiddenTypedAndChecked()
    {
        open("cat,dog\r\nbird\r\n");
        QCOMPARE(form->caption(), QStringLiteral("Spell This Word"));
        QCOMPARE(shownWord(), QStringLiteral("cat             "));
        QCOMPARE(instruction(), ReadyPrompt);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  0%"));
        QCOMPARE(text("LabelAttempts"), QStringLiteral("Attempts =  0"));

        type(QStringLiteral("x"));
        QCOMPARE(instruction(), QStringLiteral("Click on the Ready button first."));
        QCOMPARE(session().SpellAttempts, qint16(0));

        press("CommandReady");
        QCOMPARE(shownWord(), QString());
        QCOMPARE(instruction(), QStringLiteral("Now spell the word then press ENTER."));
        type(QStringLiteral("CAT "));
        QCOMPARE(instruction(), QStringLiteral("Right!  Now press ENTER to try another word."));
        QCOMPARE(shownWord(), QStringLiteral("CAT "));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  100%"));
        QCOMPARE(text("LabelAttempts"), QStringLiteral("Attempts =  1"));
        // The word is done: neither Enter nor See Again counts it again.
        type(QString());
        QCOMPARE(instruction(), QStringLiteral("You already tried that word.  Try a new word."));
        press("CommandSeeAgain");
        QCOMPARE(shownWord(), QStringLiteral("cat             "));
        QCOMPARE(instruction(), QStringLiteral("You already tried that word.  Try a new word."));
        QCOMPARE(session().SpellAttempts, qint16(1));

        press("CommandAnother");
        QCOMPARE(shownWord().trimmed(), QStringLiteral("dog"));
        spell(QStringLiteral("dgo"));
        QCOMPARE(instruction(), QStringLiteral("I'm sorry, please try again."));
        QCOMPARE(shownWord(), QString());
        type(QString()); // an empty answer is no attempt
        type(QStringLiteral("dog"));
        QCOMPARE(session().SpellAttempts, qint16(3));
        QCOMPARE(session().SpellRight, qint16(2));
        QCOMPARE(session().SpellingScore, qint16(66));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  66%"));
        // With the sound off nothing is played.
        QVERIFY(box->player->played.isEmpty());

        press("CommandAnother");
        QCOMPARE(shownWord().trimmed(), QStringLiteral("bird"));
        press("CommandAnother");
        QCOMPARE(shownWord().trimmed(), QStringLiteral("cat"));
        press("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(windows::SpellingDrill));
    }

    void theWordIsSaidThenSpelledLetterByLetter()
    {
        session().SoundOn = 1;
        box->writeDataFile(QStringLiteral("elephant.wav"), "RIFF");
        for (const char* letter : {"e.wav", "L.WAV", "h.wav", "a.wav", "n.wav", "t.wav", "s.wav"})
            box->writeProgramFile(QString::fromLatin1(letter), "RIFF");
        open("\"elephants\"\r\n");
        auto* timer = control<Timer>(form, QStringLiteral("Timer1"));
        QVERIFY(timer->enabled());
        QCOMPARE(instruction(), QString());
        timer->fire();
        QVERIFY(!timer->enabled());
        QCOMPARE(instruction(), ReadyPrompt);
        // No "p" recording: that letter is skipped.
        QCOMPARE(box->player->played,
                 (QStringList{box->dataDir() + "/elephant.wav", "e.wav", "l.wav", "e.wav", "h.wav", "a.wav", "n.wav",
                              "t.wav", "s.wav"}));
        box->player->played.clear();
        box->random->values = {0.0};
        spell(QStringLiteral("elefants"));
        QCOMPARE(box->player->played, QStringList{"tryagn2.wav"});
    }

    void randomOrderShowsEveryWordOncePerRound()
    {
        session().RandomWordOrder = 1;
        box->random->values = {ScriptedRandom::pick(2, 3, 1), ScriptedRandom::pick(2, 3, 1), ScriptedRandom::pick(1, 3, 1),
                               ScriptedRandom::pick(1, 3, 1), ScriptedRandom::pick(3, 3, 1), ScriptedRandom::pick(3, 3, 1)};
        open("cat,dog,bird");
        QStringList seen{shownWord().trimmed()};
        for (int i = 0; i < 3; ++i) {
            press("CommandAnother");
            seen << shownWord().trimmed();
        }
        // dog, cat (dog drawn again is skipped), bird; then a new round may
        // begin with bird.
        QCOMPARE(seen, (QStringList{"dog", "cat", "bird", "bird"}));
        QCOMPARE(box->random->reseeds, 1);
    }

    void anEmptyOrMissingListDoesNothing()
    {
        session().RandomWordOrder = 1;
        session().WordList = QStringList{QStringLiteral("old             ")};
        for (const bool missing : {true, false}) {
            if (missing) {
                session().WordFileName = box->dataDir() + QStringLiteral("/gone.shw");
                form = Forms::show(windows::SpellingDrill);
            } else {
                open(QByteArray());
            }
            QCOMPARE(instruction(), QStringLiteral("Can't find file!"));
            for (const char* button : {"CommandReady", "CommandAnother", "CommandSeeAgain"})
                press(button);
            // No word, not even the earlier list's, is ever shown.
            QCOMPARE(shownWord(), QString());
            type(QStringLiteral("old"));
            QCOMPARE(instruction(), QStringLiteral("Can't find file!"));
            QCOMPARE(session().SpellAttempts, qint16(0));
            form->unload();
            processEvents();
        }
        QCOMPARE(box->beeper->beeps, 2);
    }

    void scoreAndRewardAtTheEdges()
    {
        SessionState& s = session();
        box->writeDataFile(QStringLiteral("star.bmp"), "BM");
        s.VisualRewardsOn = 1;
        s.SpellingScore = 42;
        open("cat");
        // No attempt counted yet: the score stays and there is no reward.
        spell(QString());
        QCOMPARE(s.SpellingScore, qint16(42));
        QVERIFY(!Forms::find(windows::VisualRewards));

        // The tenth attempt brings the reward; the 328th right answer no overflow.
        s.SpellAttempts = 329;
        s.SpellRight = 327;
        type(QStringLiteral("cat"));
        QCOMPARE(s.SpellAttempts, qint16(330));
        QCOMPARE(s.SpellingScore, qint16(99));
        QVERIFY(Forms::find(windows::VisualRewards));

        Forms::unload(windows::VisualRewards);
        s.VisualRewardsOn = 0;
        s.SpellAttempts = 9;
        press("CommandAnother");
        spell(QStringLiteral("cat"));
        QCOMPARE(s.SpellAttempts, qint16(10));
        processEvents();
        QVERIFY(!Forms::find(windows::VisualRewards));
    }
};

QTEST_MAIN(TestSpellIt)
#include "tst_spell_it.moc"
