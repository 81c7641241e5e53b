// The English start window and the sentence builder: the word lists, singular
// and plural, typed words, the sentence, each word spoken with its blue dot,
// the pause between words, and the missing-list messages.
#include "EarlyTest.h"
#include "early/SentenceBuilder.h"
#include "shell/KiteTu.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

#include <QLineEdit>

using namespace kt;
using namespace kt::test;

namespace {
constexpr double DotRow = -38;

// The colours along the dot row, one a pixel, with the x of each pixel.
QList<QPair<double, QColor>> dotRow(const Form* form)
{
    const QImage drawing = form->surface()->render();
    const int y = qRound(form->toPixels(0, DotRow).y());
    QList<QPair<double, QColor>> row;
    for (int x = 0; x < drawing.width(); ++x)
        row << qMakePair(form->fromPixels(QPointF(x, y)).x(), drawing.pixelColor(x, y));
    return row;
}

// Where the blue dot is on the dot row, or NaN when there is none.
double blueDotAt(const Form* form)
{
    double first = qQNaN(), last = qQNaN();
    for (const auto& [x, colour] : dotRow(form))
        if (colour == qbColor(1)) {
            if (qIsNaN(first))
                first = x;
            last = x;
        }
    return (first + last) / 2;
}

// Plays nothing, but notes each recording asked for with where the dot was.
class DotWatchingPlayer : public WavePlayer {
public:
    void play(const QString& name) override { heard << qMakePair(name, form ? blueDotAt(form) : qQNaN()); }
    const Form* form = nullptr;
    QList<QPair<QString, double>> heard;
};
} // namespace

class TestEnglish : public QObject, public EarlyFixture {
    Q_OBJECT

    DotWatchingPlayer* watcher = nullptr;

    void writeLists()
    {
        box->writeProgramFile("s_noun.dat", "\"puppy\"\r\n\"kitten\"\r\n");
        box->writeProgramFile("p_noun.dat", "\"puppies\"\r\n\"kittens\"\r\n");
        box->writeProgramFile("s_verb.dat", "\"jumps\"\r\n\"naps\"\r\n");
        box->writeProgramFile("p_verb.dat", "\"jump\"\r\n\"nap\"\r\n");
        box->writeProgramFile("Adject.dat", "\"happy\",\"big, brown\"\r\n  fast\r\n");
        box->writeProgramFile("Adverb.dat", "quickly\r\nfast\r\n");
    }
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
        if (text.isEmpty())
            pressKey(list(name), Qt::Key_Delete);
        else
            typeText(list(name), text);
    }
    Form* openBuilder()
    {
        Form* start = open(windows::English);
        clickOn("SingularNounsCommand");
        form = Forms::find(windows::SentenceBuilder);
        if (form) {
            auto player = std::make_unique<DotWatchingPlayer>();
            watcher = player.get();
            watcher->form = form;
            platform().wavePlayer = std::move(player);
        }
        return start;
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
        writeLists();
        session().SoundOn = 1;
    }
    void cleanup() { stop(); }

    void startWindowChoosesSingularOrPlural()
    {
        auto* main = Forms::get<KiteTu>(windows::MainWindow);
        QVERIFY(main->findChild<QAction*>(QStringLiteral("mnuEnglish"))->isEnabled());
        session().NounFile = QStringLiteral("p_noun.dat");
        open(windows::English);
        QCOMPARE(form->caption(), QStringLiteral("English"));
        QCOMPARE((QStringList{session().NounFile, session().VerbFile, session().Determiner}),
                 (QStringList{"s_noun.dat", "s_verb.dat", "That"}));
        trigger("menPlural");
        QCOMPARE((QStringList{session().NounFile, session().VerbFile, session().Determiner}),
                 (QStringList{"p_noun.dat", "p_verb.dat", "Those"}));
        QVERIFY(control<QAction>(form, "menPlural")->isChecked());
        QVERIFY(!control<QAction>(form, "menSingular")->isChecked());
        clickOn("SingularNounsCommand");
        Form* builder = Forms::find(windows::SentenceBuilder);
        QVERIFY(builder && builder->isVisible());
        QCOMPARE(builder->caption(), QStringLiteral("Make a sentence with a plural noun."));
        clickOn("Command1");
        processEvents();
        QVERIFY(!Forms::find(windows::English));
        QVERIFY(Forms::find(windows::SentenceBuilder));
    }

    void listsFillFromTheirFiles()
    {
        openBuilder();
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a singular noun."));
        QCOMPARE(entries("Noun"), (QStringList{"puppy", "kitten"}));
        QCOMPARE(entries("adjective"), (QStringList{"happy", "big, brown", "fast"}));
        QCOMPARE(entries("Verb"), (QStringList{"jumps", "naps"}));
        QCOMPARE(entries("Adverb"), (QStringList{"quickly", "fast"}));
        const SessionState& s = session();
        QCOMPARE((QStringList{s.NounChoice, s.AdjectiveChoice, s.VerbChoice, s.AdverbChoice}),
                 (QStringList{"puppy", "happy", "jumps", "quickly"}));
        list("Noun")->setCurrentIndex(1);
        emit list("Noun")->activated(1);
        QCOMPARE(s.NounChoice, QStringLiteral("kitten"));
    }

    void eachWordIsSpokenWithItsDot()
    {
        openBuilder();
        say();
        const QString sentence = QStringLiteral("That happy puppy jumps quickly.");
        QCOMPARE(text("FinishedSentenceLabel"), sentence);
        QCOMPARE(session().Sentence, sentence);
        QCOMPARE(watcher->heard.size(), 5);
        const QStringList words{"That", "happy", "puppy", "jumps", "quickly"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(watcher->heard[i].first, words[i] + QStringLiteral(".wav"));
            QVERIFY2(qAbs(watcher->heard[i].second - dotX(sentence, words[i])) <= 1, qPrintable(words[i]));
        }
        // No pause at 0, and every dot is gone, leaving the plain background.
        QVERIFY(!timer("PauseTimer")->enabled());
        for (const auto& [x, colour] : dotRow(form))
            QCOMPARE(colour, qbColor(15));
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
        QStringList names;
        for (const auto& [name, dot] : std::as_const(watcher->heard))
            names << name;
        QCOMPARE(names, (QStringList{"That.wav", "elephant.wav", "jumps.wav"}));
    }

    void aRepeatedWordPointsAtItsFirstPlace()
    {
        openBuilder();
        type("adjective", QStringLiteral("fast"));
        type("Adverb", QStringLiteral("fast"));
        say();
        QCOMPARE(watcher->heard.size(), 5);
        QCOMPARE(watcher->heard[1].first, QStringLiteral("fast.wav"));
        QCOMPARE(watcher->heard[4].second, watcher->heard[1].second);
    }

    void pauseGrowsWithTheSettingAndKeepsTheWindowAnswering()
    {
        openBuilder();
        session().SpeechDelay = 9900;
        clickOn("SaySlowerCommand");
        clickOn("SaySlowerCommand");
        QCOMPARE(session().SpeechDelay, qint16(10000));
        say();
        QCOMPARE(watcher->heard.size(), 1);
        Timer* pause = timer("PauseTimer");
        QVERIFY(pause->enabled());
        QCOMPARE(pause->interval(), 10000);
        QVERIFY(!qIsNaN(blueDotAt(form)));
        // The window still takes clicks while it waits between words.
        clickOn("SayFasterCommand");
        QCOMPARE(session().SpeechDelay, qint16(9900));
        pause->fire();
        QCOMPARE(watcher->heard.size(), 2);
        QCOMPARE(pause->interval(), 9900);
        session().SpeechDelay = 0;
        pause->fire();
        QCOMPARE(watcher->heard.size(), 5);
        QVERIFY(!pause->enabled());
        QVERIFY(qIsNaN(blueDotAt(form)));
        session().SpeechDelay = 100;
        clickOn("SayFasterCommand");
        clickOn("SayFasterCommand");
        QCOMPARE(session().SpeechDelay, qint16(0));
    }

    void soundOffShowsTheSentenceOnly()
    {
        openBuilder();
        session().SoundOn = 0;
        session().SpeechDelay = 500;
        say();
        QCOMPARE(text("FinishedSentenceLabel"), QStringLiteral("That happy puppy jumps quickly."));
        QVERIFY(watcher->heard.isEmpty());
        QVERIFY(!timer("PauseTimer")->enabled());
        QVERIFY(qIsNaN(blueDotAt(form)));
    }

    void pluralWhileOpenReloadsKeepingTypedWords()
    {
        Form* start = openBuilder();
        type("Verb", QStringLiteral("sing"));
        start->findChild<QAction*>(QStringLiteral("menPlural"))->trigger();
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a plural noun."));
        QCOMPARE(entries("Noun"), (QStringList{"puppies", "kittens"}));
        QCOMPARE(entries("Verb"), (QStringList{"jump", "nap"}));
        QCOMPARE(session().NounChoice, QStringLiteral("puppies"));
        QCOMPARE(session().VerbChoice, QStringLiteral("sing"));
        say();
        QCOMPARE(text("FinishedSentenceLabel"), QStringLiteral("Those happy puppies sing quickly."));
        start->findChild<QAction*>(QStringLiteral("menSingular"))->trigger();
        QCOMPARE(session().NounChoice, QStringLiteral("puppy"));
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a singular noun."));
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
        QCOMPARE(closer->interval(), 500);
        closer->fire();
        processEvents();
        QVERIFY(!Forms::find(windows::SentenceBuilder));
    }

    void goBackCloses()
    {
        openBuilder();
        clickOn("StopCommand");
        processEvents();
        QVERIFY(!Forms::find(windows::SentenceBuilder));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
