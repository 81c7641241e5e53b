// SPDX-License-Identifier: GPL-3.0-or-later
// The alphabet window: capitals in order, three different small letters, the
// letter recordings, YES and NO, and praise and score for the first right
// click of each capital only.
#include "EarlyTest.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestAlphabet : public QObject, public EarlyFixture {
    Q_OBJECT

    QStringList shown(const char* name) const
    {
        return {text(QStringLiteral("%1%2").arg(name).arg(1)), text(QStringLiteral("%1%2").arg(name).arg(2)),
                text(QStringLiteral("%1%2").arg(name).arg(3))};
    }
    // Right letter at button 1, then two letters after the capital's own.
    static QList<double> question(int number)
    {
        return {draw(0, 3), letterDraw(char('a' + number % 26)), letterDraw(char('a' + (number + 1) % 26))};
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void wrongThenRightScoresOnce()
    {
        session().SoundOn = 1;
        session().AlphabetScore = 5;
        QImage(8, 8, QImage::Format_RGB32).save(box->programDir() + QStringLiteral("/WORM.BMP"), "BMP");
        // Right letter on button 2; button 3 gets q, then button 1 d; the
        // praise draw makes 7 r + 1 = 3.
        open(windows::Alphabet, {draw(1, 3), letterDraw('q'), letterDraw('d'), 2.0 / 7});
        QVERIFY(form->surface()->hasPicture());
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(text("UpperCaseLetterCommand") + shown("Letter").join(""), QStringLiteral("Adaq"));
        QCOMPARE(played(), QStringList{"A.WAV"});
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" ")); // the earlier score waits for a right answer

        forgetPlayed();
        clickOn("Letter1");
        clickOn("Letter3");
        clickOn("Letter2");
        QCOMPARE(shown("RewardLabel"), (QStringList{"NO", "YES", "NO"}));
        QCOMPARE(played(), (QStringList{"d.WAV", "tryagain.wav", "q.WAV", "tryagain.wav", "a.WAV", "yougotit.wav"}));
        QCOMPARE(session().AlphabetScore, qint16(6));
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" 6"));
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "TryAnotherCommand"));

        // Later clicks say their letter, with neither praise nor score.
        forgetPlayed();
        clickOn("Letter2");
        clickOn("Letter1");
        clickOn("UpperCaseLetterCommand");
        QCOMPARE(played(), (QStringList{"a.WAV", "d.WAV", "A.WAV"}));
        QCOMPARE(session().AlphabetScore, qint16(6));
    }

    void capitalsComeInOrderAndWrapAfterZ()
    {
        open(windows::Alphabet, question(1));
        QVERIFY(!form->surface()->hasPicture());
        clickOn("Letter2");
        clickOn("Letter1");
        QCOMPARE(shown("RewardLabel"), (QStringList{"YES", "NO", ""}));
        script(question(2));
        clickOn("TryAnotherCommand");
        QCOMPARE(shown("RewardLabel"), QStringList(3, QString()));
        QCOMPARE(text("UpperCaseLetterCommand") + shown("Letter").join(""), QStringLiteral("Bbcd"));
        for (int n = 3; n <= 26; ++n) {
            script(question(n));
            clickOn("TryAnotherCommand");
        }
        QCOMPARE(text("UpperCaseLetterCommand") + shown("Letter").join(""), QStringLiteral("Zzab"));
        script(question(1));
        clickOn("TryAnotherCommand");
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("A"));
        QVERIFY(played().isEmpty()); // the sound is off
        QCOMPARE(session().AlphabetScore, qint16(1));
    }

    void returnAndExitClose()
    {
        open(windows::Alphabet, question(1));
        clickOn("Command1");
        processEvents();
        QVERIFY(!Forms::find(windows::Alphabet));
        open(windows::Alphabet, question(1));
        trigger("ExitItem");
        processEvents();
        QVERIFY(!Forms::find(windows::Alphabet));
    }
};

QTEST_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
