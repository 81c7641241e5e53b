// SPDX-License-Identifier: GPL-3.0-or-later
// The drill windows: the three-way choice every drill asks with (where the
// wrong choices come from, what an answer does, what a finished problem
// locks); addition and subtraction worked a column at a time and
// multiplication and division walked through their step tables (questions,
// working, narration, suns, score); counting with faces dragged into a box.
#include "TestKit.h"
#include "drills/Counting.h"
#include "shell/ChoiceDrill.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Timer.h"

#include <functional>

using namespace kt;
using namespace kt::test;
using namespace kt::Colour;

namespace {
const QString &Add = windows::Addition, &Sub = windows::Subtraction, &Mul = windows::Multiplication,
              &Div = windows::Division;
// Last scripted draw: puts the right answer in option 3, never a wrong choice equal to it.
constexpr double Tail = 0.999;
double digit(int d) { return ScriptedRandom::pick(d, 9, 1); } // 1..9
double lower(int d) { return ScriptedRandom::pick(d, 9, 0); } // 0..8
// The draw that makes Int((r + 0.05) * 9) come out as d (level 1 factors).
double levelOneDigit(int d) { return (d + 0.5) / 9 - 0.05; }
// The draw that makes the wrong choice for `expected` come out as `result`.
double wrongDraw(int result, int expected)
{
    const int m = qMax(expected, 3);
    return qMin((result + 0.5 - m / 2.0) / m, 0.999);
}
// Multiplication draws NUM11, NUM21, NUM12, NUM13, NUM22; division D1, N1
// (again while below D1), N2, N3, D2.
QList<double> digits(const QList<int>& ds, double (*draw)(int) = digit)
{
    QList<double> draws;
    for (const int d : ds)
        draws << draw(d);
    return draws << Tail;
}
// Addition draws A1, N1 (0..8), then at level 2 A2, N2, N3, A3. Subtraction
// draws A1, the lower ones digit until it is not larger, then at level 2 A2,
// N2, A3 and the lower hundreds digit until it is smaller.
QList<double> sums(const QList<int>& ds)
{
    QList<double> draws = digits(ds);
    draws[1] = lower(ds[1]);
    return draws;
}
// Data rows of the drill tables (their columns are named where they are read).
struct Walk {
    QString window;
    int level;
    QList<double> draws;
    QString steps, working, spoken, hint = QString();
    QList<double> next = {}; // another problem after this one
    QString nextSteps = {}, nextShown = {}, nextWorking = {};
};
using Clearing = std::tuple<VerdictClearing, int, QString>;
using Suns = std::tuple<QString, int, QList<double>, QList<int>, QString, QString, QString>;
// 535 - 272: the hundreds draw 6 is not below 5 and is drawn again.
const QString div345 = "38 goes into 34 how many times?:0|0 X 38 = ?:0|34 - 0 = ?:34|"
                       "38 goes into 345 how many times ?:9|9 X 38 = ?:342|345 - 342 = ?:3";
const QList<double> borrowing{digit(5), lower(2), digit(3), digit(7), digit(5), lower(6), lower(2), Tail};

// A drill with no working of its own: it offers what the test asks and notes
// which steps were answered right.
class ProbeDrill : public ChoiceDrill {
public:
    explicit ProbeDrill(ChoiceRules rules) : ChoiceDrill(QStringLiteral("ProbeDrill"), std::move(rules))
    {
        setSizeTwips(6000, 4500);
        addChoiceControls({240, 600, 2280, 540, 300, QRect(240, 0, 3000, 480), QRect(3000, 1200, 2400, 600),
                           QRect(3000, 2400, 2400, 480)});
        addToAnswerArea(addLine(QStringLiteral("Pointer"), 100, 100, 200, 200));
    }
    using ChoiceDrill::locked, ChoiceDrill::offerChoices, ChoiceDrill::Option1, ChoiceDrill::step;
    QList<int> answeredSteps;
    int wipes = 0;
    bool finishOnRight = false;
    qint16 score = 0;

protected:
    void afterRightAnswer(int answeredStep) override
    {
        answeredSteps << answeredStep;
        if (finishOnRight)
            return finishProblem(score, 2);
        step = qint16(step + 1);
    }
    void wipePicture() override { ++wipes; }
};
} // namespace

class TestDrills : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;
    ProbeDrill* drill = nullptr;

    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    void open(const QString& window, int level, const QList<double>& draws)
    {
        SessionState& s = session();
        (window == Add ? s.AddLevel : window == Sub ? s.SubLevel : window == Mul ? s.MulLevel : s.DivLevel) =
            qint16(level);
        script(draws);
        QVERIFY((form = Forms::show(window)));
    }
    qint16& score(const QString& window)
    {
        SessionState& s = session();
        return window == Add ? s.AddScore : window == Sub ? s.SubScore : window == Mul ? s.MulScore : s.DivScore;
    }
    // A probe window on `rules`, in place of any earlier one.
    void probe(const ChoiceRules& rules = {})
    {
        if (drill)
            drill->unload();
        (drill = new ProbeDrill(rules))->showForm();
        form = drill;
    }
    // Offers `expected` with the right answer in option `right`, then the wrong draws.
    void offer(int expected, int right = 2, const QList<double>& wrongDraws = {wrongDraw(9, 12), wrongDraw(15, 12)})
    {
        if (!drill)
            probe();
        script(QList<double>{ScriptedRandom::pick(right, 3, 1)} + wrongDraws);
        drill->offerChoices(expected);
    }

    QString text(const QString& name) const { return control<QLabel>(form, name)->text(); }
    QString verdict() const { return text(QStringLiteral("LabelWrong")); }
    QColor colour(const QString& name) const { return control<Label>(form, name)->foreColor(); }
    bool shown(const QString& name) const { return !control<QWidget>(form, name)->isHidden(); }
    OptionButton* choice(int i) const { return control<OptionButton>(form, elementName(QStringLiteral("Option1"), i)); }
    QStringList texts(const QStringList& names) const { return test::texts(form, names); }
    QStringList captions() const { return texts({"Option1(1)", "Option1(2)", "Option1(3)"}); }
    Timer* timer(const QString& name) const { return control<Timer>(form, name); }
    void fire(const QString& name) const { timer(name)->fire(); }
    void clickOn(const QString& name) const { click(control<QWidget>(form, name)); }
    bool drawn(double x, double y, int qb) const { return drawnColour(form, x, y) == qbColor(qb); }
    // Checks "x,y,colour x,y,colour ..." of the drawing; returns the first spot that differs.
    QString undrawn(const QString& spots) const
    {
        for (const QString& spot : spots.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (const QStringList p = spot.split(QLatin1Char(','));
                !drawn(p[0].toDouble(), p[1].toDouble(), p[2].toInt()))
                return spot;
        return QString();
    }
    // Checks "Name !Name ...": each control shown, or hidden when marked "!"; returns the first that is not.
    QString misshown(const QString& names) const
    {
        for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (shown(name.mid(name.startsWith(QLatin1Char('!')))) == name.startsWith(QLatin1Char('!')))
                return name;
        return QString();
    }
    // What Timer2 reads aloud, recordings joined by blanks without ".WAV".
    QString narration() const
    {
        box->player->played.clear();
        fire(QStringLiteral("Timer2"));
        return box->player->played.join(QLatin1Char(' ')).remove(QStringLiteral(".WAV"));
    }
    // Double-clicks the choice showing `value` (or, when `right` is false, one
    // not showing it); false when there is none.
    bool answer(int value, bool right = true) const
    {
        for (int i = 1; i <= 3; ++i)
            if (OptionButton* o = choice(i); (o->text() == plain(value)) == right) {
                doubleClick(o);
                return true;
            }
        return false;
    }
    // Works through "question:answer|question:answer|...": checks each question,
    // calls `each` with its index, then answers it right.
    void walk(const QString& steps, const std::function<void(int)>& each = {}) const
    {
        const QStringList all = steps.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (int i = 0; i < all.size(); ++i) {
            QCOMPARE(text(QStringLiteral("QuestionLabel")), all[i].section(QLatin1Char(':'), 0, 0));
            if (each)
                each(i);
            QVERIFY(answer(all[i].section(QLatin1Char(':'), 1).toInt()));
        }
    }
    // Every filled cell of the working and the carry, borrow or remainder, as name=text.
    QString filled(const QString& window) const
    {
        const char* cells = window == Add   ? "Y1 Y2 Y3 Y4 C1 C2 Label_Carry"
                            : window == Sub ? "Y1 Y2 Y3 Y4 C1 C2 Label_Borrow"
                            : window == Mul ? "Carry1 Carry2 carry3 carry4 carry5 carry6 num34 num33 num32 num31 num44 "
                                              "num43 num42 num41 num55 num54 num53 num52 num51"
                                            : "A1 A2 A3 N1 N2 N3 X1 X2 Y1 Y2 Y3 Z1 Z2 Z3 R1 R2 R3 Label_R";
        QStringList all;
        for (const QString& cell : QString::fromLatin1(cells).split(QLatin1Char(' ')))
            if (const QString t = text(cell); !t.isEmpty())
                all << cell + QLatin1Char('=') + t;
        return all.join(QLatin1Char(' '));
    }

    // Counting: the window on a target, its pictures, and a drag that puts a
    // picture's centre at (x, y) in twips.
    void count(int target)
    {
        platform().paths.programDirs << qEnvironmentVariable("KITE_MEDIA_DIR");
        script({ScriptedRandom::pick(target, 1000)});
        QVERIFY((form = Forms::show(windows::Counting)));
    }
    ImageBox* picture(const QString& group, int i) const { return control<ImageBox>(form, elementName(group, i)); }
    void dropAt(ImageBox* p, int x, int y) const { drag(p, form->surface(), QPoint(x / 15, y / 15)); }
    bool looks(const ImageBox* p, const char* source) const
    {
        return p->pixmap().toImage() == control<ImageBox>(form, QString::fromLatin1(source))->pixmap().toImage();
    }

private slots:
    void init() { box = std::make_unique<Sandbox>(); }
    void cleanup() { box.reset(), form = drill = nullptr; }

    void rightAnswerFirstThenWrongOnesInTableOrder()
    {
        // Below 3 the range is that of 3; half the answer rounds down.
        QCOMPARE((QList<int>{wrongChoice(0, 0.0), wrongChoice(0, 0.9999), wrongChoice(1, 0.0), wrongChoice(17, 0.0),
                             wrongChoice(17, 0.9999)}),
                 (QList<int>{1, 4, 1, 8, 25}));
        const QList<QStringList> expected{{"10", "5", "6"}, {"5", "10", "6"}, {"6", "5", "10"}};
        for (int right = 1; right <= 3; ++right) {
            offer(10, right, {wrongDraw(5, 10), wrongDraw(6, 10)});
            QCOMPARE(captions(), expected[right - 1]);
        }
        // A wrong choice equal to the answer is drawn again; wrong ones may repeat.
        offer(10, 1, {wrongDraw(10, 10), wrongDraw(10, 10), wrongDraw(7, 10), wrongDraw(14, 10)});
        QCOMPARE(captions(), (QStringList{"10", "7", "14"}));
        QCOMPARE(box->random->position, 5);
        offer(0, 2, {wrongDraw(3, 0), wrongDraw(3, 0)});
        QCOMPARE(captions(), (QStringList{"3", "0", "3"}));
    }

    // Each answer shows its verdict before the chosen number is spoken, and
    // starts the verdict clock before the praise or "try again".
    void wrongAnswerTriesAgainThenRightHandsOnTheStep()
    {
        struct WatchingPlayer : WavePlayer {
            std::function<QString()> look;
            QStringList seen;
            void play(const QString& name) override { seen << name + QLatin1Char(' ') + look(); }
        };
        auto* player = new WatchingPlayer;
        platform().wavePlayer.reset(player);
        player->look = [this] { return verdict() + (timer("Timer1")->enabled() ? " timing" : " waiting"); };
        session().SoundOn = 1;
        offer(12);
        choice(3)->setFocus();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up}) // these do not answer
            pressKey(choice(3), key, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QCOMPARE(verdict(), QStringLiteral("Hi!"));
        pressKey(choice(3), Qt::Key_Enter, QStringLiteral("\r"));
        QVERIFY(verdict() == "Wrong" && drill->step == 1 && !choice(3)->isChecked());
        QCOMPARE(captions(), (QStringList{"9", "12", "15"}));
        fire("Timer4");
        QCOMPARE(drill->wipes, 1);
        fire("Timer1");
        QCOMPARE(verdict(), QString());
        script({0.5}); // the praise "alright.wav"
        pressEnter(choice(2));
        QVERIFY(verdict() == "Right!" && drill->answeredSteps == QList<int>{1} && drill->step == 2);
        QCOMPARE(player->seen, (QStringList{"15.WAV Wrong waiting", "tryagn2.wav Wrong timing", "12.WAV Right! waiting",
                                            "alright.wav Right! timing"}));
        QVERIFY(!choice(1)->isChecked() && !choice(2)->isChecked() && !choice(3)->isChecked());
    }

    void finishedProblemShowsScoreHidesChoicesAndIgnoresAnswers()
    {
        probe();
        session().SoundOn = 1;
        drill->score = 32766; // the score stops at 32767
        drill->finishOnRight = true;
        offer(12);
        doubleClick(choice(2));
        QVERIFY(drill->locked == 1 && drill->score == 32767);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  32767"));
        QCOMPARE(colour("LabelScore"), qbColor(Red)); // not light red
        QCOMPARE(misshown("!QuestionLabel !Label2 !Label3 !Option1(1) !Option1(2) !Option1(3) !Pointer"), QString());
        fire("Timer1");
        QCOMPARE(verdict(), QStringLiteral("Right!"));
        box->player->played.clear();
        control<Label>(form, "LabelWrong")->setText(QStringLiteral("unchanged"));
        emit drill->Option1[2]->doubleClicked(2);
        emit drill->Option1[1]->keyPressed(1, 13);
        QVERIFY(box->player->played.isEmpty() && verdict() == "unchanged" && drill->answeredSteps == QList<int>{1});
    }

    void verdictClearedAfterTheStepOrAtOnceWhenSoundsPlayed_data()
    {
        QTest::addColumn<Clearing>("row"); // the rule, the sound setting, the verdict after a wrong answer
        QTest::newRow("timer after step") << Clearing{VerdictClearing::TimerAfterStep, 1, "Wrong"};
        QTest::newRow("at once, sound on") << Clearing{VerdictClearing::AtOnceWithSound, 1, ""};
        QTest::newRow("at once, sound off") << Clearing{VerdictClearing::AtOnceWithSound, 0, "Wrong"};
    }
    void verdictClearedAfterTheStepOrAtOnceWhenSoundsPlayed()
    {
        QFETCH(Clearing, row);
        const auto& [clearing, soundOn, verdictAfter] = row;
        probe({.verdictClearing = clearing, .wipePictureAfterAnswer = false, .scoreShown = {}});
        session().SoundOn = qint16(soundOn);
        offer(12);
        doubleClick(choice(1));
        // None of these starts the verdict timer before the praise plays; the timer runs while a verdict stands.
        QCOMPARE(verdict(), verdictAfter);
        QCOMPARE(timer("Timer1")->enabled(), !verdictAfter.isEmpty());
        QVERIFY(!timer("Timer4")->enabled() && (soundOn || box->player->played.isEmpty()));
    }

    void walksTheProblem_data()
    {
        // Window, level, draws, steps, the working after the last answer, the
        // narration of the first, the second and the last question, and the carry
        // or borrow named after the first answer. Some go on to another problem:
        // its draws and steps, the controls shown ("!": hidden) as it starts, and
        // its working at the start => after its steps.
        QTest::addColumn<Walk>("row");
        QTest::newRow("9 + 8") << Walk{Add, 1, sums({9, 8}), "9 + 8 =?:17", "Y1=7 Y2=1", "9 plus 8 equals"};
        QTest::newRow("1 + 0, no tens") << Walk{Add, 1, sums({1, 0}), "1 + 0 =?:1", "Y1=1", "1 plus 0 equals"};
        QTest::newRow("carries in every column")
            << Walk{Add, 2, sums({7, 8, 4, 5, 9, 9}), "7 + 8 =?:15|1 + 4 + 5 = ?:10|1 + 9 + 9 = ?:19",
                    "Y1=5 Y2=0 Y3=9 Y4=1 C1=1 C2=1",
                    "7 plus 8 equals / 1 plus 4 plus 5 equals / 1 plus 9 plus 9 equals", "Carry the 1",
                    sums({2, 3, 1, 1, 1, 1}), "2 + 3 =?:5", "QuestionLabel Option1(3) !SunLabel", " => Y1=5 C1=0"};
        QTest::newRow("zero carries")
            << Walk{Add, 2, sums({4, 5, 3, 2, 1, 1}), "4 + 5 =?:9|0 + 3 + 2 = ?:5|0 + 1 + 1 = ?:2",
                    "Y1=9 Y2=5 Y3=2 C1=0 C2=0", "4 plus 5 equals / 0 plus 3 plus 2 equals / 0 plus 1 plus 1 equals"};
        QTest::newRow("ones drawn again") << Walk{Sub, 1, {digit(1), lower(5), lower(3), lower(1), Tail}, "1 - 1 =?:0",
                                                  "Y1=0", "1 minus 1 equals"};
        QTest::newRow("hundreds of one force 0 below")
            << Walk{Sub, 2, {digit(5), lower(2), digit(3), digit(3), digit(1), lower(5), lower(1), lower(0), Tail},
                    "5 - 2 =?:3|3 - 3 = ?:0|1 - 0 = ?:1", "Y1=3 Y2=0 Y3=1",
                    "5 minus 2 equals / 3 minus 3 equals / 1 minus 0 equals"};
        QTest::newRow("tens borrow from the hundreds")
            << Walk{Sub, 2, borrowing, "5 - 2 =?:3|13 - 7 = ?:6|4 - 2 = ?:2", "Y1=3 Y2=6 Y3=2 C1=13 C2=4",
                    "5 minus 2 equals / 13 minus 7 equals / 4 minus 2 equals", "Borrow 1 from 5",
                    {digit(4), lower(4), digit(2), digit(2), digit(2), lower(1), Tail}, "4 - 4 =?:0",
                    "QuestionLabel Option1(3) !SunLabel !Line4 !Line5", " => Y1=0"};
        // An equal lower tens digit needs no borrow either.
        QTest::newRow("475 - 132, no borrow")
            << Walk{Sub, 2, {digit(5), lower(2), digit(7), digit(7), digit(4), lower(1), Tail},
                    "5 - 2 =?:3|7 - 7 = ?:0|4 - 1 = ?:3", "Y1=3 Y2=0 Y3=3",
                    "5 minus 2 equals / 7 minus 7 equals / 4 minus 1 equals"};
        QTest::newRow("hundreds difference 0 after a borrow")
            << Walk{Sub, 2, {digit(5), lower(4), digit(3), digit(7), digit(5), lower(4), Tail},
                    "5 - 4 =?:1|13 - 7 = ?:6|4 - 4 = ?:0", "Y1=1 Y2=6 Y3=0 C1=13 C2=4",
                    "5 minus 4 equals / 13 minus 7 equals / 4 minus 4 equals", "Borrow 1 from 5"};
        QTest::newRow("7 x 8") << Walk{Mul, 1, digits({7, 8}, levelOneDigit), "What is 7 x 8 = ?:56", "num32=5 num31=6",
                                       "7 times 8 equals", "", digits({0, 6}, levelOneDigit),
                                       "What is 0 x 6 = ?:0", "Option1(2) Line2 !LabelLemon", " => num31=0"};
        QTest::newRow("45 x 7") << Walk{Mul, 2, digits({5, 7, 4}), "What is 5 x 7 = ?:35|What is 4 x 7 + 3 = ?:31",
                                        "Carry1=3 num33=3 num32=1 num31=5",
                                        "5 times 7 equals / 4 times 7 plus 3 equals"};
        QTest::newRow("321 x 4, carry 0")
            << Walk{Mul, 3, digits({1, 4, 2, 3}),
                    "What is 1 x 4 = ?:4|What is 2 x 4 + 0 = ?:8|What is 3 x 4 + 0 = ?:12",
                    "Carry1=0 Carry2=0 num34=1 num33=2 num32=8 num31=4", "1 times 4 equals / 3 times 4 plus 0 equals"};
        QTest::newRow("23 x 45")
            << Walk{Mul, 4, digits({3, 5, 2, 4}),
                    "What is 3 x 5 = ?:15|What is 2 x 5 + 1 = ?:11|What is 3 x 4 = ?:12|What is 2 x 4 + 1 = ?:9|"
                    "What is 5 + 0 = ?:5|What is 0 + 1 + 2 = ?:3|What is 0 + 1 + 9 = ?:10|What is 1 + 0 + 0 = ?:1",
                    "Carry1=1 carry4=0 carry5=0 carry6=1 num34=0 num33=1 num32=1 num31=5 num44=0 num43=9 num42=2 "
                    "num41=0 num54=1 num53=0 num52=3 num51=5",
                    "3 times 5 equals / 1 plus 0 plus 0 equals"};
        QTest::newRow("3 into 8")
            << Walk{Div, 1, digits({3, 8}), "3 goes into 8 how many times?:2|2 X 3 = ?:6|8 - 6 = ?:2",
                    "A1=2 N1=8 X1=6 Y1=2 Label_R=Remainder = 2", "3 goes 8 how / 8 minus 6 equals"};
        QTest::newRow("5 into 5, drawn again")
            << Walk{Div, 1, digits({5, 3, 5}), "5 goes into 5 how many times?:1|1 X 5 = ?:5|5 - 5 = ?:0",
                    "A1=1 N1=5 X1=5 Y1=0 Label_R=Remainder = 0", "5 goes 5 how / 5 minus 5 equals"};
        QTest::newRow("4 into 93")
            << Walk{Div, 2, digits({4, 9, 3}),
                    "4 goes into 9 how many times?:2|2 X 4 = ?:8|9 - 8 = ?:1|4 goes into 13 how many times ?:3|"
                    "3 X 4 = ?:12| 13 -  12 = ?:1",
                    "A1=2 A2=3 N1=9 N2=3 X1=8 Y1=1 Y2=3 Z1=1 Z2=2 R1=0 R2=1 Label_R=Remainder =  1",
                    "4 goes 9 how / 13 minus 12 equals"};
        QTest::newRow("4 into 87, difference 0")
            << Walk{Div, 2, digits({4, 8, 7}),
                    "4 goes into 8 how many times?:2|2 X 4 = ?:8|8 - 8 = ?:0|4 goes into 7 how many times ?:1|"
                    "1 X 4 = ?:4| 7 -  4 = ?:3",
                    "A1=2 A2=1 N1=8 N2=7 X1=8 Y1=0 Y2=7 Z1=0 Z2=4 R1=0 R2=3 Label_R=Remainder =  3",
                    "4 goes 8 how / 7 minus 4 equals"};
        QTest::newRow("38 into 345, quotient digit 0")
            << Walk{Div, 3, digits({3, 3, 4, 5, 8}), div345,
                    "A1=0 A2=0 A3=9 N1=3 N2=4 N3=5 X1=0 X2=0 Y1=3 Y2=4 Y3=5 Z1=3 Z2=4 Z3=2 R1=0 R2=0 R3=3 "
                    "Label_R=Remainder =  3",
                    "30 8 goes 30 4 how / 300 40 5 minus 300 40 2 equals", "", digits({2, 5, 6, 7, 1}),
                    "21 goes into 56 how many times?:2|2 X 21 = ?:42", "Option1(3) Line12 !Line3 !Line8",
                    "N1=5 N2=6 N3=7 => A1=0 A2=2 N1=5 N2=6 N3=7 X1=4 X2=2"};
    }
    void walksTheProblem()
    {
        QFETCH(Walk, row);
        const auto& [window, level, draws, steps, working, spoken, hint, next, nextSteps, nextShown, nextWorking] = row;
        session().SoundOn = 1;
        score(window) = 7;
        open(window, level, draws);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(box->random->position, draws.size() + 2); // the right option and one draw per wrong choice
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 7"));
        if (Timer* suns = form->findChild<Timer*>(QStringLiteral("Timer3")))
            suns->fire();
        const bool column = window == Add || window == Sub;
        const QColor yellow = qbColor(Yellow);
        QStringList heard;
        walk(steps, [&](int i) {
            if (i == 0 || (i == 1 && column) || i == steps.count(QLatin1Char('|')))
                heard << narration();
            if (window == Mul) // the rule over the sum, from the column sums on
                QCOMPARE(shown("Line6"), level == 4 && i >= 4);
            if (window == Div)
                QCOMPARE(text("Label_R"), QString());
            if (window == Div && i == 1) // the divisor stays yellow into the second question
                QCOMPARE((QList{colour("D1"), colour("A1"), colour("N1")}), (QList{yellow, yellow, qbColor(White)}));
            if (column && i == 0)
                QCOMPARE(colour("A1"), yellow); // the first column lit
            if (column && i == 1) { // then the carry or the borrowed tens
                QCOMPARE(text(window == Add ? "Label_Carry" : "Label_Borrow"), hint);
                QVERIFY(colour("A1") == qbColor(White) && (colour("C1") == yellow) == (window == Add || hint != ""));
            }
        });
        QCOMPARE(heard.join(QStringLiteral(" / ")), spoken);
        QCOMPARE(filled(window), working);
        QCOMPARE(score(window), qint16(7 + level));
        // The multiplication score has no second blank.
        QCOMPARE(text("LabelScore"), QString(window == Mul ? "Score = %1" : "Score =  %1").arg(7 + level));
        // The borrow marks stay until the next problem; division's bring-down arrows.
        if (window == Sub)
            QVERIFY(shown("Line4") == working.contains("C1") && shown("Line5") == working.contains("C1"));
        if (window == Div)
            QVERIFY(shown("Line3") && (level == 1) != shown("Line4") && shown("Line5") == (level == 2)
                    && shown("Line8") == (level == 3));
        // Another problem starts at the first step with the working cleared; Return keeps the score.
        if (next.isEmpty())
            return;
        script(next);
        clickOn(window == Mul ? "CommandAnother" : "CommandAgain");
        QCOMPARE(box->random->reseeds, 2);
        QCOMPARE(verdict(), QString());
        QCOMPARE(misshown(nextShown), QString());
        QCOMPARE(filled(window), nextWorking.section(QStringLiteral(" => "), 0, 0));
        QCOMPARE(score(window), qint16(7 + level));
        QVERIFY(window == Div || drawn(37, window == Mul ? 2 : 55, Black)); // the last problem's suns are gone
        walk(nextSteps);
        QCOMPARE(filled(window), nextWorking.section(QStringLiteral(" => "), 1));
        const qint16 kept = score(window);
        clickOn("CommandReturn");
        processEvents();
        QVERIFY(!Forms::find(window) && score(window) == kept);
    }

    void sunsCountTheColumnAndAreWipedAfterAnAnswer_data()
    {
        // Window, level, draws, right answers before the column, its label (=text),
        // x,y,colour of the drawing, and of the drawing after a wrong answer.
        QTest::addColumn<Suns>("row");
        const QString count = QStringLiteral("SunLabel=Count the suns to find the answer.");
        QTest::newRow("7 + 8, no carry")
            << Suns{Add, 2, sums({7, 8, 2, 3, 1, 1}), {}, count,
                    "37,73,0 37,55,14 79,55,14 86,55,0 37,25,14 86,25,14 93,25,0", "37,55,0 86,25,0"};
        QTest::newRow("carry + 2 + 3") << Suns{Add, 2, sums({7, 8, 2, 3, 1, 1}), {15}, count,
                                               "37,73,14 44,73,0 44,55,14 51,55,0 51,25,14 58,25,0", "37,73,0 51,25,0"};
        // 13 suns, ten in a row and three below; the first seven are taken
        // away (magenta), matching seven magenta suns below.
        QTest::newRow("13 - 7")
            << Suns{Sub, 2, borrowing, {3}, "SunLabel=Count the yellow suns to find the answer.",
                    "32,55,13 74,55,13 32,25,13 74,25,13 81,55,14 95,55,14 81,25,0 32,45,14 46,45,14 53,45,0",
                    "32,45,0 95,55,0 32,55,0"};
        // Three columns of two suns: x = 37, 44, 51; y = 2, -6.
        QTest::newRow("3 x 2") << Suns{Mul, 1, digits({3, 2}, levelOneDigit), {}, "LabelLemon",
                                       "37,2,14 51,-6,14 58,2,0 37,-14,0", "37,2,0 51,-6,0"};
        QTest::newRow("0 x 6, an empty grid")
            << Suns{Mul, 1, digits({0, 6}, levelOneDigit), {}, "LabelLemon", "37,2,0", "37,2,0"};
    }
    void sunsCountTheColumnAndAreWipedAfterAnAnswer()
    {
        QFETCH(Suns, row);
        const auto& [window, level, draws, before, caption, suns, wiped] = row;
        const QString label = caption.section(QLatin1Char('='), 0, 0);
        open(window, level, draws);
        for (const int a : before) {
            QVERIFY(answer(a));
            fire("Timer4");
        }
        QVERIFY(!shown(label));
        fire("Timer3");
        QVERIFY(shown(label));
        if (caption.contains(QLatin1Char('=')))
            QCOMPARE(text(label), caption.section(QLatin1Char('='), 1));
        QCOMPARE(undrawn(suns), QString());
        QVERIFY(answer(-1, false));
        fire("Timer4");
        QCOMPARE(undrawn(wiped), QString());
        QVERIFY(!shown(label));
    }

    void aFourDigitWrongChoiceIsSpokenDigitByDigit()
    {
        session().SoundOn = 1;
        open(Div, 3, digits({9, 9, 7, 5, 8})); // 975 divided by 98
        walk("98 goes into 97 how many times?:0|0 X 98 = ?:0|97 - 0 = ?:97|98 goes into 975 how many times ?:9");
        QCOMPARE(text("QuestionLabel"), QStringLiteral("9 X 98 = ?"));
        // Wrong choices reach almost one and a half times 882.
        QCOMPARE(choice(1)->text(), QStringLiteral("1322"));
        QCOMPARE(narration(), QStringLiteral("9 times 90 8 equals"));
        box->player->played.clear();
        doubleClick(choice(1));
        QCOMPARE(box->player->played, (QStringList{"1.WAV", "3.WAV", "2.WAV", "2.WAV", "tryagn2.wav"}));
        QCOMPARE(verdict(), QStringLiteral("Wrong"));
    }

    // Target 0 is met by the first drop that leaves the box empty; met again it
    // scores no second point, and a press stops the blink.
    void countingMetScoresOnceAndAPressStopsTheBlink()
    {
        session().SoundOn = 1;
        session().NumbersScore = 3;
        count(0);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(texts({"Label1", "lblTotalNumber", "LabelScore"}),
                 (QStringList{"Use the mouse to drag 0 smiley faces down into the box below.", "0", "Score = 3"}));
        QVERIFY(looks(picture("imgFace", 0), "Image1") && looks(picture("imgTenFace", 0), "Image4"));
        dropAt(picture("img100faces", 0), 4000, 3000); // moved within the top area
        QCOMPARE(texts({"Label2", "lblTotalNumber", "LabelScore"}), (QStringList{"VERY GOOD!", "0", "Score = 4"}));
        QCOMPARE(box->player->played.size(), 1); // the praise
        QVERIFY(looks(picture("imgFace", 5), "Image3") && looks(picture("imgTenFace", 5), "Image5"));
        for (const char* look : {"Image3", "Image2", "Image3"}) {
            fire("Timer1");
            QVERIFY2(looks(picture("imgFace", 8), look), look);
        }
        QCOMPARE(box->beeper->beeps, 2); // every second blink
        QVERIFY(timer("Timer1")->enabled());
        ImageBox* face = picture("imgFace", 1);
        dropAt(face, 1500, 4620);
        QVERIFY(!timer("Timer1")->enabled()); // the press stopped it
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"1", "Too much!"}));
        dropAt(face, 6000, 3000);
        QCOMPARE(texts({"lblTotalNumber", "Label2", "LabelScore"}), (QStringList{"0", "VERY GOOD!", "Score = 4"}));
        QVERIFY(session().NumbersScore == 4 && box->player->played.size() == 1 && timer("Timer1")->enabled());
        script({ScriptedRandom::pick(7, 1000)});
        clickOn("cmdDoAnother");
        QVERIFY(!timer("Timer1")->enabled());
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"0", ""}));
        QCOMPARE(picture("imgFace", 1)->pos(), QPoint(px(7060), px(1320)));
        QVERIFY(looks(picture("imgFace", 1), "Image1"));
    }

    // A picture counts when its centre is inside the box, not on an edge.
    void countingFeedbackChangesOnlyWhenTheComparisonTurns()
    {
        count(305);
        QVERIFY(!centreInBox({1200, 4000}, QRect(QPoint(1200, 3720), QPoint(8160, 5760))));
        ImageBox* face = picture("imgFace", 0);
        dropAt(face, 3000, 3720); // on the top edge
        QCOMPARE(face->pos(), QPoint(px(2760), px(3480)));
        QCOMPARE(text("lblTotalNumber"), QStringLiteral("0"));
        dropAt(face, 4005, 3735); // half over the edge, its centre inside
        QVERIFY(text("lblTotalNumber") == "1" && looks(face, "Image2"));
        dropAt(face, 8160, 4500); // on the right edge: out again
        QVERIFY(text("lblTotalNumber") == "0" && looks(face, "Image1"));
        for (int i = 0; i < 3; ++i) // three hundreds side by side in the box
            dropAt(picture("img100faces", i), 1500 + 600 * i, 4020);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"300", ""}));
        ImageBox* ten = picture("imgTenFace", 0);
        dropAt(ten, 1500, 4620);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"310", "Too much!"}));
        QVERIFY(colour("Label2") == qbColor(Red) && looks(ten, "Image4"));
        dropAt(ten, 4000, 3000);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"300", "Not enough"}));
        QVERIFY(looks(picture("imgFace", 3), "Image2") && looks(ten, "Image5"));
        dropAt(picture("imgFace", 0), 1500, 5220);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"301", "Not enough"}));
    }
};

QTEST_MAIN(TestDrills)
#include "tst_drills.moc"
