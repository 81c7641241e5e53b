// The alphabet window: capitals in order, three different small letters, the
// letter recordings, YES and NO, praise and the score that counts only the
// first right click of each capital.
#include "EarlyTest.h"
#include "shell/KiteTu.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestAlphabet : public QObject, public EarlyFixture {
    Q_OBJECT

    QStringList letters() const { return {text("Letter1"), text("Letter2"), text("Letter3")}; }
    QStringList rewards() const { return {text("RewardLabel1"), text("RewardLabel2"), text("RewardLabel3")}; }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void wrongThenRightScoresOnce()
    {
        session().SoundOn = 1;
        session().AlphabetScore = 5;
        QImage(8, 8, QImage::Format_RGB32).save(box->programDir() + QStringLiteral("/WORM.BMP"), "BMP");
        // Right letter on button 2; button 3 gets q, then button 1 gets d;
        // the right answer's praise draw makes 7 r + 1 = 3.
        open(windows::Alphabet, {draw(1, 3), letterDraw('q'), letterDraw('d'), 2.0 / 7});
        QVERIFY(form);
        QCOMPARE(form->caption(), QStringLiteral("Alphabet"));
        QVERIFY(form->surface()->hasPicture());
        QCOMPARE(text("Instructions"), QStringLiteral("Find the lower case letter for:"));
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("A"));
        QCOMPARE(letters(), (QStringList{"d", "a", "q"}));
        QCOMPARE(played(), QStringList{"A.WAV"});
        // The score from earlier in the run shows only after a right answer.
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" "));

        forgetPlayed();
        clickOn("Letter1");
        clickOn("Letter3");
        QCOMPARE(rewards(), (QStringList{"NO", "", "NO"}));
        QCOMPARE(played(), (QStringList{"d.WAV", "tryagain.wav", "q.WAV", "tryagain.wav"}));
        QCOMPARE(session().AlphabetScore, qint16(5));

        forgetPlayed();
        clickOn("Letter2");
        QCOMPARE(rewards(), (QStringList{"NO", "YES", "NO"}));
        QCOMPARE(played(), (QStringList{"a.WAV", "yougotit.wav"}));
        QCOMPARE(session().AlphabetScore, qint16(6));
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" 6"));
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "TryAnotherCommand"));

        // Later clicks still say their letter, but neither praise nor score.
        forgetPlayed();
        clickOn("Letter2");
        clickOn("Letter1");
        clickOn("UpperCaseLetterCommand");
        QCOMPARE(played(), (QStringList{"a.WAV", "d.WAV", "A.WAV"}));
        QCOMPARE(session().AlphabetScore, qint16(6));
    }

    void capitalsComeInOrderAndWrapAfterZ()
    {
        open(windows::Alphabet, {draw(0, 3), letterDraw('m'), letterDraw('n')});
        QVERIFY(!form->surface()->hasPicture());
        clickOn("Letter2");
        QCOMPARE(rewards(), (QStringList{"", "NO", ""}));
        script({draw(2, 3), letterDraw('a'), letterDraw('b'), letterDraw('c')});
        clickOn("TryAnotherCommand");
        QCOMPARE(rewards(), QStringList(3, QString()));
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("B"));
        // b is drawn again for button 2, so the three letters differ.
        QCOMPARE(letters(), (QStringList{"a", "c", "b"}));
        for (int n = 3; n <= 26; ++n) {
            // Two letters after the capital's own, round the alphabet.
            script({draw(0, 3), letterDraw(char('a' + n % 26)), letterDraw(char('a' + (n + 1) % 26))});
            clickOn("TryAnotherCommand");
        }
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("Z"));
        QCOMPARE(letters(), (QStringList{"z", "a", "b"}));
        script({draw(0, 3), letterDraw('m'), letterDraw('n')});
        clickOn("TryAnotherCommand");
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("A"));
    }

    void silentWithTheSoundOff()
    {
        open(windows::Alphabet, {draw(0, 3), letterDraw('m'), letterDraw('n')});
        clickOn("Letter2");
        clickOn("Letter1");
        clickOn("UpperCaseLetterCommand");
        QVERIFY(played().isEmpty());
        QCOMPARE(session().AlphabetScore, qint16(1));
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" 1"));
    }

    void mainMenuOpensAndReturnCloses()
    {
        auto* main = Forms::get<KiteTu>(windows::MainWindow);
        QAction* entry = main->findChild<QAction*>(QStringLiteral("mnuAlphabet"));
        QVERIFY(entry->isEnabled());
        script({draw(0, 3), letterDraw('m'), letterDraw('n')});
        entry->trigger();
        form = Forms::find(windows::Alphabet);
        QVERIFY(form && form->isVisible());
        session().AlphabetScore = 0;
        clickOn("Letter1");
        clickOn("Command1");
        processEvents();
        QVERIFY(!Forms::find(windows::Alphabet));
        QCOMPARE(session().AlphabetScore, qint16(1));
        open(windows::Alphabet, {draw(0, 3), letterDraw('m'), letterDraw('n')});
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("A"));
        trigger("ExitItem");
        processEvents();
        QVERIFY(!Forms::find(windows::Alphabet));
    }
};

QTEST_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
