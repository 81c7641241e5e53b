// SPDX-License-Identifier: GPL-3.0-or-later
// The English start window and the sentence builder: the word lists, singular
// and plural, typed words, the sentence, each word spoken with its blue dot,
// the pause between words, and the missing-list messages.
#include "EarlyTest.h"
#include "early/SentenceRules.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

#include <QLineEdit>

using namespace kt;
using namespace kt::test;

namespace {
// Where the blue dot is on its row (y = -38), or NaN when there is none;
// `allBackground` tells whether the row is plain white.
double blueDotAt(const Form* form, bool* allBackground = nullptr)
{
    const QImage drawing = form->surface()->render();
    const int y = qRound(form->toPixels(0, -38).y());
    double first = qQNaN(), last = qQNaN();
    if (allBackground)
        *allBackground = true;
    for (int x = 0; x < drawing.width(); ++x) {
        if (allBackground && drawing.pixelColor(x, y) != qbColor(15))
            *allBackground = false;
        if (drawing.pixelColor(x, y) == qbColor(1)) {
            last = form->fromPixels(QPointF(x, y)).x();
            first = qIsNaN(first) ? last : first;
        }
    }
    return (first + last) / 2;
}

// Plays nothing, but notes each recording asked for with where the dot was.
class DotWatchingPlayer : public WavePlayer {
public:
    void play(const QString& name) override { names << name, dots << blueDotAt(form); }
    const Form* form = nullptr;
    QStringList names;
    QList<double> dots;
};
} // namespace

class TestEnglish : public QObject, public EarlyFixture {
    Q_OBJECT

    DotWatchingPlayer* heard = nullptr;
    Form* startWindow = nullptr;

    ComboBox* list(const char* name) const { return control<ComboBox>(form, QString::fromLatin1(name)); }
    QStringList entries(const char* name) const
    {
        QStringList all;
        for (int i = 0; i < list(name)->count(); ++i)
            all << list(name)->itemText(i);
        return all;
    }
    void type(const char* name, const QString& text) const
    {
        list(name)->lineEdit()->selectAll();
        text.isEmpty() ? pressKey(list(name), Qt::Key_Delete) : typeText(list(name), text);
    }
    void openBuilder()
    {
        startWindow = open(windows::English);
        clickOn("SingularNounsCommand");
        if ((form = Forms::find(windows::SentenceBuilder))) {
            auto player = std::make_unique<DotWatchingPlayer>();
            (heard = player.get())->form = form;
            platform().wavePlayer = std::move(player);
        }
    }
    void say()
    {
        clickOn("MakeSentence");
        timer("Timer1")->fire();
    }

private slots:
    void init()
    {
        start();
        box->writeProgramFile("s_noun.dat", "\"puppy\"\r\n\"kitten\"\r\n");
        box->writeProgramFile("p_noun.dat", "\"puppies\"\r\n\"kittens\"\r\n");
        box->writeProgramFile("s_verb.dat", "\"jumps\"\r\n\"naps\"\r\n");
        box->writeProgramFile("p_verb.dat", "\"jump\"\r\n\"nap\"\r\n");
        box->writeProgramFile("Adject.dat", "\"happy\",\"big, brown\"\r\n  fast\r\n");
        box->writeProgramFile("Adverb.dat", "quickly\r\nfast\r\n");
        session().SoundOn = 1;
    }
    void cleanup() { stop(); }

    void startWindowAndListsFromTheirFiles()
    {
        session().NounFile = QStringLiteral("p_noun.dat");
        openBuilder();
        QCOMPARE((QStringList{session().NounFile, session().VerbFile, session().Determiner}),
                 (QStringList{"s_noun.dat", "s_verb.dat", "That"}));
        QCOMPARE(entries("Noun"), (QStringList{"puppy", "kitten"}));
        QCOMPARE(entries("adjective"), (QStringList{"happy", "big, brown", "fast"}));
        const SessionState& s = session();
        QCOMPARE((QStringList{s.NounChoice, s.AdjectiveChoice, s.VerbChoice, s.AdverbChoice}),
                 (QStringList{"puppy", "happy", "jumps", "quickly"}));
        list("Noun")->setCurrentIndex(1);
        QCOMPARE(s.NounChoice, QStringLiteral("kitten"));
        // The start window closes alone; the builder stays.
        click(startWindow->findChild<QWidget*>(QStringLiteral("Command1")));
        processEvents();
        QVERIFY(!Forms::find(windows::English) && Forms::find(windows::SentenceBuilder));
    }

    void eachWordIsSpokenWithItsDot()
    {
        openBuilder();
        list("Adverb")->setCurrentIndex(1);
        list("adjective")->setCurrentIndex(2);
        say();
        const QString sentence = QStringLiteral("That fast puppy jumps fast.");
        QCOMPARE(text("FinishedSentenceLabel"), sentence);
        QCOMPARE(session().Sentence, sentence);
        QCOMPARE(heard->names, (QStringList{"That.wav", "fast.wav", "puppy.wav", "jumps.wav", "fast.wav"}));
        // Each dot under its word; the repeated word's under its first place.
        const QStringList words = sentence.chopped(1).split(QLatin1Char(' '));
        for (int i = 0; i < 5; ++i)
            QVERIFY2(qAbs(heard->dots[i] - dotX(sentence, words[i])) <= 1, qPrintable(words[i]));
        QCOMPARE(heard->dots[4], heard->dots[1]);
        // No pause at 0, and the last dot is gone without a trace.
        bool plain = false;
        blueDotAt(form, &plain);
        QVERIFY(plain);
        QVERIFY(!timer("PauseTimer")->enabled());
    }

    void typedWordsAreUsedAndOnlySafeNamesPlayed()
    {
        openBuilder();
        type("Noun", QStringLiteral("elephants"));
        type("adjective", QStringLiteral("../../x"));
        type("Adverb", QString());
        QCOMPARE(session().NounChoice, QStringLiteral("elephants"));
        say();
        QCOMPARE(text("FinishedSentenceLabel"), QStringLiteral("That ../../x elephants jumps ."));
        QCOMPARE(heard->names, (QStringList{"That.wav", "elephant.wav", "jumps.wav"}));
        QCOMPARE(heard->dots.size(), 3);
    }

    // However long the typed words, the whole sentence shows in its label.
    void theWholeSentenceShows_data()
    {
        QTest::addColumn<QString>("noun");
        QTest::newRow("a long typed word") << QStringLiteral("hippopotamuses-and-crocodiles-together");
        QTest::newRow("longer than a line") << QString(120, QLatin1Char('w'));
    }
    void theWholeSentenceShows()
    {
        QFETCH(QString, noun);
        openBuilder();
        type("Noun", noun);
        say();
        const auto* label = control<QLabel>(form, QStringLiteral("FinishedSentenceLabel"));
        QCOMPARE(label->text(), session().Sentence);
        const QRect room = label->contentsRect();
        QVERIFY(room.contains(QFontMetrics(label->font()).boundingRect(room, int(label->alignment()) | Qt::TextWordWrap,
                                                                       label->text())));
    }

    void pauseGrowsWithTheSettingAndKeepsTheWindowAnswering()
    {
        openBuilder();
        session().SpeechDelay = 9900;
        clickOn("SaySlowerCommand");
        clickOn("SaySlowerCommand");
        QCOMPARE(session().SpeechDelay, qint16(10000));
        say();
        Timer* pause = timer("PauseTimer");
        QCOMPARE(heard->names.size(), 1);
        QVERIFY(pause->enabled() && !qIsNaN(blueDotAt(form)));
        QCOMPARE(pause->interval(), 10000);
        clickOn("SayFasterCommand"); // taken at once, during the pause
        pause->fire();
        QCOMPARE(heard->names.size(), 2);
        QCOMPARE(pause->interval(), 9900);
        session().SpeechDelay = 0;
        pause->fire();
        QCOMPARE(heard->names.size(), 5);
        QVERIFY(!pause->enabled() && qIsNaN(blueDotAt(form)));
        clickOn("SayFasterCommand");
        QCOMPARE(session().SpeechDelay, qint16(0));

        // With the sound off the sentence is only shown.
        session().SoundOn = 0;
        session().SpeechDelay = 500;
        heard->names.clear();
        say();
        QVERIFY(heard->names.isEmpty() && !pause->enabled() && qIsNaN(blueDotAt(form)));
    }

    void pluralWhileOpenReloadsKeepingTypedWords()
    {
        openBuilder();
        type("Verb", QStringLiteral("sing"));
        startWindow->findChild<QAction*>(QStringLiteral("menPlural"))->trigger();
        QVERIFY(startWindow->findChild<QAction*>(QStringLiteral("menPlural"))->isChecked());
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a plural noun."));
        QCOMPARE(entries("Noun"), (QStringList{"puppies", "kittens"}));
        QCOMPARE(entries("Verb"), (QStringList{"jump", "nap"}));
        say();
        QCOMPARE(text("FinishedSentenceLabel"), QStringLiteral("Those happy puppies sing quickly."));
        startWindow->findChild<QAction*>(QStringLiteral("menSingular"))->trigger();
        QCOMPARE(session().NounChoice, QStringLiteral("puppy"));
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a singular noun."));
        clickOn("StopCommand");
        processEvents();
        QVERIFY(!Forms::find(windows::SentenceBuilder));
    }

    void emptyAndMissingLists()
    {
        box->writeProgramFile("s_verb.dat", QByteArray());
        QFile::remove(box->programDir() + QStringLiteral("/Adject.dat"));
        QFile::remove(box->programDir() + QStringLiteral("/Adverb.dat"));
        openBuilder();
        QCOMPARE(box->messages.size(), 2);
        QCOMPARE(box->messages[0].text, QStringLiteral("Adjective file not found."));
        QCOMPARE(box->messages[1].text, QStringLiteral("Adverb file not found."));
        QCOMPARE(list("Verb")->count(), 0);
        QCOMPARE(list("Verb")->text(), QString());
        Timer* closer = timer("Timer2");
        QVERIFY(closer->enabled());
        closer->fire();
        processEvents();
        QVERIFY(!Forms::find(windows::SentenceBuilder));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
