// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling bee window (menus and check marks, reward pictures, the
// wandering bee; the homework entries: tst_word_lists) and the spelling drill
// (a word shown, hidden, typed and checked; score, word order, the spoken
// word, rewards, no list).
#include "SpellingTest.h"
#include "spelling/SpellingBee.h"
#include "ui/Timer.h"

#include <QMenu>
#include <QMenuBar>

using namespace kt;
using namespace kt::test;

const QString ReadyPrompt =
    QStringLiteral("When you are ready to spell this word press the ENTER key or click on the Ready button.");
const QString AlreadyTried = QStringLiteral("You already tried that word.  Try a new word.");

class TestSpelling : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    SpellingBee* beez = nullptr;
    Form* form = nullptr; // the drill

    void open() { beez = dynamic_cast<SpellingBee*>(Forms::show(w::SpellingBee)); }
    QAction* entry(const QString& name) const { return control<QAction>(beez, name); }
    void choose(const QString& name) const { entry(name)->trigger(); }
    bool checked(const QString& name) const { return entry(name)->isChecked(); }

    void open(const QByteArray& list)
    {
        session().WordFileName = box->writeDataFile(QStringLiteral("words.shw"), list);
        form = Forms::show(w::SpellingDrill);
    }
    static QString text(const char* name) { return textOf(w::SpellingDrill, name); }
    QString instruction() const { return text("LabelInstructions"); }
    QString shown() const { return text("TextSpelledWord"); }
    void press(const char* button) const { click(control<QWidget>(form, QString::fromLatin1(button))); }
    void type(const QString& answer) const { enterIn(w::SpellingDrill, "TextSpelledWord", answer); }
    void spell(const QString& answer) const { press("CommandReady"), type(answer); }
    // Keys go wherever the focus is, as a child's keyboard sends them.
    void keys(const QString& typed) const
    {
        processEvents();
        typeText(QApplication::focusWidget(), typed);
        pressEnter(QApplication::focusWidget());
    }

private slots:
    void init() { box = std::make_unique<Sandbox>(), box->makeDataDir(); }
    void cleanup() { box.reset(), beez = nullptr, form = nullptr; }

    // Levels restart the drill on their list, the order entries close it;
    // Help and Exit picked with the mouse, as a child does: Exit leaves the
    // drill open. Opened again from the main menu, it marks the saved options.
    void theBeesMenus()
    {
        box->writeProgramFile(QStringLiteral("Level1.lib"), "\"cat\"\r\n");
        box->writeProgramFile(QStringLiteral("Level4.lib"), "\"elephant\"\r\n");
        open();
        QVERIFY(!checked("menuRandom") && checked("menuSequential"));
        QMenuBar* bar = beez->findChild<QMenuBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry(QStringLiteral("menuHelp"))).center());
        QCOMPARE(box->messages.size(), 1);
        QVERIFY(box->messages.at(0).text.contains(box->dataDir() + QStringLiteral(" directory so the words")));
        choose(QStringLiteral("menuLevel1"));
        QCOMPARE(session().WordFileName, QStringLiteral("Level1.lib"));
        QCOMPARE(shown().trimmed(), QStringLiteral("cat"));
        choose(QStringLiteral("menuLevel4"));
        QCOMPARE(shown().trimmed(), QStringLiteral("elephant"));

        for (const bool random : {true, false}) {
            choose(QStringLiteral("menuLevel4"));
            choose(random ? QStringLiteral("menuRandom") : QStringLiteral("menuSequential"));
            QVERIFY(!window(w::SpellingDrill));
            QVERIFY(bool(session().RandomWordOrder) == random && checked("menuRandom") == random
                    && checked("menuSequential") != random);
        }

        choose(QStringLiteral("menuLevel4"));
        auto* actions = control<QMenu>(beez, QStringLiteral("menuActions"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(actions->menuAction()).center());
        QTRY_VERIFY(actions->isVisible());
        QTest::mouseClick(actions, Qt::LeftButton, {}, actions->actionGeometry(entry(QStringLiteral("menuExit"))).center());
        QVERIFY(!window(w::SpellingBee) && window(w::SpellingDrill));
        box->writeDataFile(QStringLiteral("kitetu.dat"), "1,1,1\r\n");
        control<QAction>(Forms::show(w::MainWindow), QStringLiteral("mnuSpelling"))->trigger();
        QVERIFY((beez = Forms::find<SpellingBee>(w::SpellingBee)));
        QVERIFY(checked("menuRandom") && !checked("menuSequential"));
        QVERIFY(checked("menuVisualOn") && !checked("menuVisualOff"));
    }

    void visualRewardsNeedPictures()
    {
        open();
        QVERIFY(!checked("menuVisualOn") && checked("menuVisualOff"));
        choose(QStringLiteral("menuVisualOn"));
        QVERIFY(box->messageTexts().value(0).endsWith(" them in the " + box->dataDir() + " directory."));
        QVERIFY(!session().VisualRewardsOn && checked("menuVisualOn") && !checked("menuVisualOff"));
        choose(QStringLiteral("menuVisualOff"));
        QVERIFY(!checked("menuVisualOn") && checked("menuVisualOff"));

        box->writeDataFile(QStringLiteral("Star.BMP"), "BM");
        choose(QStringLiteral("menuVisualOn"));
        QCOMPARE(box->messages.size(), 1); // no second message
        QVERIFY(session().VisualRewardsOn);
    }

    void theBeeWandersAndComesBackToTheMiddle()
    {
        open();
        auto* timer = control<Timer>(beez, QStringLiteral("Timer1"));
        const auto at = [this] { return QPoint(beez->imageLeft(), beez->imageTop()); };
        QCOMPARE(at(), QPoint(3600, 2700));
        box->random->values = {0.75, 0.25};
        timer->fire();
        QCOMPARE(at(), QPoint(3625, 2675));
        QCOMPARE(control<ImageBox>(beez, QStringLiteral("Image1"))->pos(), QPoint(px(3625), px(2675)));
        // Steps of -50 up to the top edge, then back to the middle.
        box->random->values = {0.0}, box->random->position = 0;
        for (int i = 0; i < 52; ++i)
            timer->fire();
        QCOMPARE(at(), QPoint(1025, 75));
        timer->fire();
        QCOMPARE(at(), QPoint(975, 2650));
    }

    void aWordIsShownHiddenTypedAndChecked()
    {
        open("cat,dog\r\nbird\r\n");
        QCOMPARE(shown() + instruction(), QStringLiteral("cat             ") + ReadyPrompt);
        QCOMPARE(text("LabelScore") + '|' + text("LabelAttempts"), QStringLiteral("Score =  0%|Attempts =  0"));
        type(QStringLiteral("x"));
        QCOMPARE(instruction(), QStringLiteral("Click on the Ready button first."));

        press("CommandReady");
        QCOMPARE(shown() + instruction(), QStringLiteral("Now spell the word then press ENTER."));
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
        QCOMPARE(text("LabelScore") + '|' + text("LabelAttempts"), QStringLiteral("Score =  66%|Attempts =  3"));
        QVERIFY(box->player->played.isEmpty()); // the sound is off
        press("CommandAnother");
        press("CommandAnother");
        QCOMPARE(shown().trimmed(), QStringLiteral("cat")); // after the last word, the first
    }

    // Every word is shown with the focus on Ready, with the sound off or on;
    // Ready pressed before the word is said keeps its instruction.
    void theKeyboardAloneSpellsWordAfterWord()
    {
        box->writeProgramFile(QStringLiteral("d.wav"), "RIFF");
        for (const bool sound : {false, true}) {
            session().SoundOn = sound, session().SpellRight = 0;
            open("cat,dog");
            for (const QString word : {"cat", "dog"}) {
                keys(QString()); // Ready
                if (sound)
                    control<Timer>(form, QStringLiteral("Timer1"))->fire();
                QCOMPARE(shown() + instruction(), QStringLiteral("Now spell the word then press ENTER."));
                keys(word);
                keys(QString()); // a new word
            }
            QCOMPARE(session().SpellRight, qint16(2));
            QCOMPARE(box->player->played.contains(QStringLiteral("d.wav")), sound); // still said
            form->unload();
        }
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
            session().WordFileName = box->writeDataFile(QStringLiteral("words.shw"), {}) + (missing ? ".gone" : "");
            form = Forms::show(w::SpellingDrill);
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
        QCOMPARE(box->beeper->beeps, 2); // once for each
    }

    void scoreAndRewardAtTheEdges()
    {
        SessionState& s = session();
        box->writeDataFile(QStringLiteral("star.bmp"), "BM");
        s.VisualRewardsOn = 1, s.SpellingScore = 42;
        open("cat");
        processEvents(); // the drill has the keyboard
        // No attempt counted yet: the score stays and there is no reward.
        spell(QString());
        QCOMPARE(s.SpellingScore, qint16(42));
        QVERIFY(!window(w::VisualRewards));
        // The 330th attempt brings a reward; 100 x 328 right needs no 16-bit room.
        s.SpellAttempts = 329, s.SpellRight = 327;
        type(QStringLiteral("cat"));
        QCOMPARE(s.SpellingScore, qint16(99));
        QVERIFY(window(w::VisualRewards));
        QCOMPARE(QApplication::activeWindow(), form); // the next word is typed here

        Forms::unload(w::VisualRewards);
        s.VisualRewardsOn = 0, s.SpellAttempts = 9;
        press("CommandAnother");
        spell(QStringLiteral("cat"));
        QVERIFY(!window(w::VisualRewards));
    }
};

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
