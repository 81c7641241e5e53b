// SPDX-License-Identifier: GPL-3.0-or-later
// The early-learning rules (an alphabet question's letters, clock times, phrases
// and hands), the alphabet window, the telling-time windows, and the English start
// window with the sentence builder (each word spoken under its blue dot, the pause).
#include "TestKit.h"
#include "early/ClockFace.h"
#include "early/SentenceRules.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QAction>
#include <QLineEdit>

using namespace kt;
using namespace kt::test;

namespace {
using namespace kt::Colour;

// The draw that makes Int(n r) + k come out as `result`.
double draw(int result, int n, int k = 0) { return ScriptedRandom::pick(result, n, k); }
// The draw that makes a random small letter come out as `letter`.
double letterDraw(char letter) { return (letter - 97) / 25.0; }

// The draws of one clock: minute and hour of each time, then the right choice.
QList<double> clockDraws(const QList<std::pair<int, int>>& hourMinutes, int rightChoice)
{
    QList<double> draws;
    for (const auto& [hour, minute] : hourMinutes)
        draws << draw(minute, 60) << draw(hour, 12, 1);
    return draws << draw(rightChoice, 3, 1);
}

// A point a fraction of the way along a hand or tick.
QPointF along(double angle, double length, double fraction)
{
    const QPointF end = handEnd(angle, length);
    return {ClockCentreX + fraction * (end.x() - ClockCentreX), ClockCentreY + fraction * (end.y() - ClockCentreY)};
}

// An alphabet question: the right letter at button 1, then the two letters after the capital's own.
QList<double> question(int number)
{
    return {draw(0, 3), letterDraw(char('a' + number % 26)), letterDraw(char('a' + (number + 1) % 26))};
}

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

class TestEarly : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    Form* open(const QString& window, const QList<double>& draws = {})
    {
        script(draws);
        return form = Forms::show(window);
    }
    QString text(const QString& name) const { return texts(form, {name}).constFirst(); }
    // The alphabet's three buttons or reward labels.
    QStringList row(const QString& name) const { return texts(form, {name + '1', name + '2', name + '3'}); }
    QString letters() const { return text("UpperCaseLetterCommand") + row("Letter").join(""); } // capital, buttons
    void clickOn(const QStringList& names) const
    {
        for (const QString& name : names)
            click(control<QWidget>(form, name));
    }
    void trigger(const QString& name) const { control<QAction>(form, name)->trigger(); }
    Timer* timer(const QString& name) const { return control<Timer>(form, name); }
    QStringList played() const { return box->player->played; }
    QStringList takePlayed() const { return std::exchange(box->player->played, {}); }
    // Whether `window` is closed once queued calls have run.
    static bool gone(const QString& window) { return processEvents(), !Forms::find(window); }
    OptionButton* choice(int i) const { return control<OptionButton>(form, elementName("TimeChoice", i)); }
    QStringList choices() const { return texts(form, {"TimeChoice(1)", "TimeChoice(2)", "TimeChoice(3)"}); }
    // The colour painted on screen at a point of the drawing.
    QColor shown(QPointF at) const
    {
        return form->surface()->grab().toImage().pixelColor(form->toPixels(at.x(), at.y()).toPoint());
    }
    // The quiz at `level` showing the second choice, 8:23 made to fit the
    // level (8 o'clock at level 1); the others are 3:07 and 11:40.
    void openEightTwentyThree(int level)
    {
        session().ClockLevel = qint16(level);
        open(windows::ClockQuiz, clockDraws({{3, 7}, {3, 20}, {8, 23}, {11, 40}}, 2) << 3.5 / 7);
        QVERIFY(form);
    }

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
    // The sentence builder from the English start window, on lists of our own.
    void openBuilder(bool writeLists = true)
    {
        if (writeLists)
            writeWordLists();
        session().SoundOn = 1;
        startWindow = open(windows::English);
        clickOn({"SingularNounsCommand"});
        QVERIFY((form = Forms::find(windows::SentenceBuilder)));
        platform().wavePlayer.reset(heard = new DotWatchingPlayer);
        heard->form = form;
    }
    void say()
    {
        clickOn({"MakeSentence"});
        timer("Timer1")->fire();
    }

    void writeWordLists() const
    {
        box->writeProgramFile("s_noun.dat", "\"puppy\"\r\n\"kitten\"\r\n");
        box->writeProgramFile("p_noun.dat", "\"puppies\"\r\n\"kittens\"\r\n");
        box->writeProgramFile("s_verb.dat", "\"jumps\"\r\n\"naps\"\r\n");
        box->writeProgramFile("p_verb.dat", "\"jump\"\r\n\"nap\"\r\n");
        box->writeProgramFile("Adject.dat", "\"happy\",\"big, brown\"\r\n  fast\r\n");
        box->writeProgramFile("Adverb.dat", "quickly\r\nfast\r\n");
    }

private slots:
    void init() { box = std::make_unique<Sandbox>(); }
    void cleanup() { box.reset(), form = nullptr; }

    void clockRules()
    {
        QCOMPARE((QStringList{timePhrase(0, 3), timePhrase(1, 3), timePhrase(30, 3), timePhrase(31, 3),
                              timePhrase(45, 11), timePhrase(59, 12)}),
                 (QStringList{"3 o'clock", "1 minute after 3 o'clock", "30 minutes after 3 o'clock",
                              "29 minutes till 4 o'clock", "15 minutes till 12 o'clock", "One minute till 1 o'clock"}));
        // Minute and hour draws: the second time repeats hour 4, the third
        // repeats 4 and then 9, so both are drawn again.
        const QList<double> values{draw(7, 60), draw(3, 12), draw(20, 60), draw(3, 12), draw(34, 60), draw(8, 12),
                                   draw(40, 60), draw(3, 12), draw(50, 60), draw(8, 12), draw(59, 60), draw(11, 12)};
        const QList<std::array<ClockTime, 3>> byLevel{{{{4, 0}, {9, 0}, {12, 0}}},
                                                     {{{4, 0}, {9, 30}, {12, 45}}},
                                                     {{{4, 5}, {9, 30}, {12, 55}}},
                                                     {{{4, 7}, {9, 34}, {12, 59}}}};
        for (int level = 1; level <= 4; ++level) {
            script(values);
            QCOMPARE(threeTimes(level, [this] { return box->random->next(); }), byLevel[level - 1]);
        }
        // 57.296 is a little more than 180 / pi, so 90 degrees falls just short
        // of straight up: the floor takes 74.99999 to 74, a sine of -0.00001
        // to -1, and a cosine of 0.500005 keeps 50.
        QCOMPARE((QList<QPointF>{handEnd(minuteHandAngle(0), MinuteHandLength),
                                 handEnd(minuteHandAngle(45), MinuteHandLength),
                                 handEnd(hourHandAngle(3, 30), HourHandLength), handEnd(60, TickRadius)}),
                 (QList<QPointF>{{-119, 31}, {-194, -44}, {-71, -56}, {-69, 43}}));
    }

    void alphabetWrongThenRightScoresOnce()
    {
        session().SoundOn = 1;
        session().AlphabetScore = 5;
        QImage(8, 8, QImage::Format_RGB32).save(box->programDir() + QStringLiteral("/WORM.BMP"), "BMP");
        // Right letter on button 2; button 3 gets q, then button 1 d; the
        // praise draw makes 7 r + 1 = 3.
        open(windows::Alphabet, {draw(1, 3), letterDraw('q'), letterDraw('d'), 2.0 / 7});
        QVERIFY(form->surface()->hasPicture());
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(letters(), QStringLiteral("Adaq"));
        QCOMPARE(takePlayed(), QStringList{"A.WAV"});
        QCOMPARE(text("ScoreLabel"), QStringLiteral(" ")); // the earlier score waits for a right answer
        clickOn({"Letter1", "Letter3", "Letter2"});
        QCOMPARE(row("RewardLabel"), (QStringList{"NO", "YES", "NO"}));
        QCOMPARE(takePlayed(), (QStringList{"d.WAV", "tryagain.wav", "q.WAV", "tryagain.wav", "a.WAV", "yougotit.wav"}));
        QVERIFY(session().AlphabetScore == 6 && text("ScoreLabel") == " 6");
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "TryAnotherCommand"));
        // Later clicks say their letter, with neither praise nor score.
        clickOn({"Letter2", "Letter1", "UpperCaseLetterCommand"});
        QCOMPARE(takePlayed(), (QStringList{"a.WAV", "d.WAV", "A.WAV"}));
        QCOMPARE(session().AlphabetScore, qint16(6));
        trigger("ExitItem");
        QVERIFY(gone(windows::Alphabet));
    }

    void alphabetCapitalsComeInOrderAndWrapAfterZ()
    {
        const auto another = [this](const QList<double>& draws) { script(draws), clickOn({"TryAnotherCommand"}); };
        open(windows::Alphabet, question(1));
        QVERIFY(!form->surface()->hasPicture());
        clickOn({"Letter2", "Letter1"});
        QCOMPARE(row("RewardLabel"), (QStringList{"YES", "NO", ""}));
        another(question(2));
        QCOMPARE(row("RewardLabel"), QStringList(3, QString()));
        QCOMPARE(letters(), QStringLiteral("Bbcd"));
        another({draw(0, 3), letterDraw('c'), letterDraw('e'), letterDraw('f')}); // the right letter is drawn again
        QCOMPARE(letters(), QStringLiteral("Ccef"));
        another(question(4));
        another({draw(0, 3), letterDraw('g'), letterDraw('g'), letterDraw('h')}); // and one equal to the first
        QCOMPARE(letters(), QStringLiteral("Eegh"));
        for (int n = 6; n <= 25; ++n)
            another(question(n));
        another({draw(2, 3), letterDraw('q'), letterDraw('d')}); // right at 3: the others at 1, then 2
        QCOMPARE(letters(), QStringLiteral("Zqdz"));
        clickOn({"Letter3"});
        QCOMPARE(row("RewardLabel"), (QStringList{"", "", "YES"}));
        another(question(1));
        QCOMPARE(text("UpperCaseLetterCommand"), QStringLiteral("A"));
        QVERIFY(played().isEmpty()); // the sound is off
        QCOMPARE(session().AlphabetScore, qint16(2));
        clickOn({"Command1"});
        QVERIFY(gone(windows::Alphabet));
    }

    // The level menu starts the quiz, which shows a level's worth of the
    // times (4:37 to 4:35 at level 3) and puts the focus on the first.
    void tellTimeLevelMenuStartsTheQuiz()
    {
        session().ClockLevel = 3;
        session().TimeScore = 7;
        Forms::get<MainWindow>(windows::MainWindow)->findChild<QAction*>(QStringLiteral("mnuTellTime"))->trigger();
        form = Forms::find(windows::TellTime);
        QCOMPARE(session().ClockLevel, qint16(1));
        trigger("MenLevel3");
        QCOMPARE(session().ClockLevel, qint16(3));
        QVERIFY(control<QAction>(form, "MenLevel3")->isChecked() && !control<QAction>(form, "MenLevel1")->isChecked());
        script(clockDraws({{4, 37}, {9, 2}, {12, 59}}, 1));
        clickOn({"TellTimeBeginCommand"});
        clickOn({"Command1"});
        QVERIFY(gone(windows::TellTime) && (form = Forms::find(windows::ClockQuiz)));
        QVERIFY(form->caption().startsWith(QStringLiteral("Clock Level  3.")));
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(choices(), (QStringList{"25 minutes till 5 o'clock", "9 o'clock", "5 minutes till 1 o'clock"}));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  7"));
        timer("Timer1")->fire();
        QCOMPARE(form->focusWidget(), choice(1));
    }

    void clockHandsShownAndErasedWhateverRepaints()
    {
        openEightTwentyThree(1);
        // 8:00: minute hand up in red, hour hand towards 8 in light blue;
        // ticks from radius 90 to 100 with the plain face inside.
        QCOMPARE((QList<QColor>{shown(along(minuteHandAngle(0), MinuteHandLength, 0.7)),
                                shown(along(hourHandAngle(8, 0), HourHandLength, 0.6)),
                                shown(along(60, TickRadius, 0.95)), shown(along(60, TickRadius, 0.8))}),
                 (QList<QColor>{qbColor(Red), qbColor(LightBlue), qbColor(LightBlue), qbColor(White)}));
        // 8:23 has neither hand on a tick's spoke, which clearing the ticks
        // would wipe anyway: only the erase takes them away.
        form->unload();
        openEightTwentyThree(4);
        const QPointF oldMinute = along(minuteHandAngle(23), MinuteHandLength, 0.7);
        const QPointF oldHour = along(hourHandAngle(8, 23), HourHandLength, 0.6);
        QCOMPARE(shown(oldMinute), qbColor(Red));
        doubleClick(choice(2));
        choice(3)->setValue(true);
        session().ClockLevel = 3; // applies from the next clock
        script(clockDraws({{3, 15}, {5, 0}, {7, 0}}, 1) << 0.0);
        clickOn({"DoAgainComButton"});
        form->repaint();
        QCOMPARE((QList<QColor>{shown(oldMinute), shown(oldHour),
                                shown(along(minuteHandAngle(15), MinuteHandLength, 0.7)),
                                shown(along(hourHandAngle(3, 15), HourHandLength, 0.6))}),
                 (QList<QColor>{qbColor(White), qbColor(White), qbColor(Red), qbColor(LightBlue)}));
        QVERIFY(!choice(3)->isChecked());
        QCOMPARE(form->focusWidget(), choice(1));
        doubleClick(choice(1)); // a new clock scores again
        QCOMPARE(session().TimeScore, qint16(4));
        clickOn({"ReturnComButton"});
        QVERIFY(gone(windows::ClockQuiz));
    }

    void clockScoreRisesByTwoAndFallsNotBelowZero()
    {
        session().SoundOn = 1;
        session().TimeScore = 1;
        openEightTwentyThree(1);
        doubleClick(choice(1));
        doubleClick(choice(3));
        QCOMPARE(texts(form, {"Label13", "LabelScore"}), (QStringList{"Wrong", "Score =  0"}));
        pressKey(choice(2), Qt::Key_Space, QStringLiteral(" ")); // Space does not answer
        pressEnter(choice(2));
        QCOMPARE(texts(form, {"Label13", "LabelScore"}), (QStringList{"Correct  -  8:00", "Score =  2"}));
        QCOMPARE(played(), (QStringList{"tryagain.wav", "tryagain.wav", "excell.wav"}));
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "DoAgainComButton"));
        // Answered: the verdict still changes, nothing else does.
        doubleClick(choice(3));
        QCOMPARE(text("Label13"), QStringLiteral("Wrong"));
        doubleClick(choice(2));
        QVERIFY(session().TimeScore == 2 && played().size() == 3);
    }

    void eachWordIsSpokenWithItsDot()
    {
        openBuilder();
        list("Adverb")->setCurrentIndex(1);
        list("adjective")->setCurrentIndex(2);
        say();
        const QString sentence = QStringLiteral("That fast puppy jumps fast.");
        QVERIFY(text("FinishedSentenceLabel") == sentence && session().Sentence == sentence);
        QCOMPARE(heard->names, (QStringList{"That.wav", "fast.wav", "puppy.wav", "jumps.wav", "fast.wav"}));
        // Each dot under its word, the repeated word's under its first place: four times
        // (the word's middle - the sentence's middle, counting characters from 1) - 3.
        const QList<double> under{-45, -25, -3, 21, -25};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(qAbs(heard->dots[i] - under[i]) <= 1, qPrintable(heard->names[i]));
        QCOMPARE(heard->dots[4], heard->dots[1]);
        // No pause at 0, and the last dot is gone without a trace.
        bool plain = false;
        blueDotAt(form, &plain);
        QVERIFY(plain && !timer("PauseTimer")->enabled());
    }

    // Typed words are used as they are; only safe names are played, and
    // however long the words, the whole sentence shows in its label.
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
        const auto* label = control<QLabel>(form, QStringLiteral("FinishedSentenceLabel"));
        for (const QString& noun : {QStringLiteral("hippopotamuses-and-crocodiles-together"), QString(120, 'w')}) {
            type("Noun", noun);
            say();
            QCOMPARE(label->text(), session().Sentence);
            QVERIFY(label->text().contains(noun));
            const QRect room = label->contentsRect();
            const int flags = int(label->alignment()) | Qt::TextWordWrap;
            QVERIFY(room.contains(QFontMetrics(label->font()).boundingRect(room, flags, label->text())));
        }
    }

    void pauseGrowsWithTheSettingAndKeepsTheWindowAnswering()
    {
        openBuilder();
        session().SpeechDelay = 9900;
        clickOn({"SaySlowerCommand", "SaySlowerCommand"});
        QCOMPARE(session().SpeechDelay, qint16(10000));
        say();
        Timer* pause = timer("PauseTimer");
        QCOMPARE(heard->names.size(), 1);
        QVERIFY(pause->enabled() && !qIsNaN(blueDotAt(form)));
        QCOMPARE(pause->interval(), 10000);
        clickOn({"SayFasterCommand"}); // taken at once, during the pause
        pause->fire();
        QVERIFY(heard->names.size() == 2 && pause->interval() == 9900);
        session().SpeechDelay = 0;
        pause->fire();
        QCOMPARE(heard->names.size(), 5);
        QVERIFY(!pause->enabled() && qIsNaN(blueDotAt(form)));
        clickOn({"SayFasterCommand"});
        QCOMPARE(session().SpeechDelay, qint16(0));
        // With the sound off the sentence is only shown.
        session().SoundOn = 0;
        session().SpeechDelay = 500;
        heard->names.clear();
        say();
        QVERIFY(heard->names.isEmpty() && !pause->enabled() && qIsNaN(blueDotAt(form)));
    }

    // The lists come from their files, singular or plural, reloaded while the
    // builder is open with the typed words kept.
    void listsFromTheirFilesAndPluralWhileOpen()
    {
        session().NounFile = QStringLiteral("p_noun.dat");
        openBuilder();
        const SessionState& s = session();
        QCOMPARE((QStringList{s.NounFile, s.VerbFile, s.Determiner}), (QStringList{"s_noun.dat", "s_verb.dat", "That"}));
        QCOMPARE(entries("Noun") + entries("adjective"), (QStringList{"puppy", "kitten", "happy", "big, brown", "fast"}));
        QCOMPARE((QStringList{s.NounChoice, s.AdjectiveChoice, s.VerbChoice, s.AdverbChoice}),
                 (QStringList{"puppy", "happy", "jumps", "quickly"}));
        list("Noun")->setCurrentIndex(1);
        QCOMPARE(s.NounChoice, QStringLiteral("kitten"));
        type("Verb", QStringLiteral("sing"));
        startWindow->findChild<QAction*>(QStringLiteral("menPlural"))->trigger();
        QVERIFY(startWindow->findChild<QAction*>(QStringLiteral("menPlural"))->isChecked());
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a plural noun."));
        QCOMPARE(entries("Noun") + entries("Verb"), (QStringList{"puppies", "kittens", "jump", "nap"}));
        say();
        QCOMPARE(text("FinishedSentenceLabel"), QStringLiteral("Those happy puppies sing quickly."));
        startWindow->findChild<QAction*>(QStringLiteral("menSingular"))->trigger();
        QCOMPARE(s.NounChoice, QStringLiteral("puppy"));
        QCOMPARE(form->caption(), QStringLiteral("Make a sentence with a singular noun."));
        // The start window closes alone; the builder stays until Stop.
        click(startWindow->findChild<QWidget*>(QStringLiteral("Command1")));
        QVERIFY(gone(windows::English) && Forms::find(windows::SentenceBuilder));
        clickOn({"StopCommand"});
        QVERIFY(gone(windows::SentenceBuilder));
    }

    void emptyAndMissingLists()
    {
        writeWordLists();
        box->writeProgramFile("s_verb.dat", QByteArray());
        QFile::remove(box->programDir() + QStringLiteral("/Adject.dat"));
        QFile::remove(box->programDir() + QStringLiteral("/Adverb.dat"));
        openBuilder(false);
        QCOMPARE(box->messageTexts(), (QStringList{"Adjective file not found.", "Adverb file not found."}));
        QVERIFY(list("Verb")->count() == 0 && list("Verb")->text().isEmpty());
        QVERIFY(timer("Timer2")->enabled()); // closes the window
        timer("Timer2")->fire();
        QVERIFY(gone(windows::SentenceBuilder));
    }
};

QTEST_MAIN(TestEarly)
#include "tst_early.moc"
