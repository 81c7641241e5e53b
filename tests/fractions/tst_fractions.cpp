// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction levels, each opened from the main menu as a child opens it:
// the pie quiz (1), adding and subtracting (2, 3), the reduction tutor (4),
// fractions with variables (5), and the arithmetic beneath them.
#include "TestKit.h"
#include "fractions/FractionQuiz.h"
#include "fractions/VariableProduct.h"
#include "shell/HideScoreFlag.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/SizeFactor.h"
#include "ui/Timer.h"

#include <QAction>
#include <QApplication>
#include <QImage>

#include <cmath>

using namespace kt;
using namespace kt::test;

namespace {
// Last scripted draw of an addition: the right answer goes into option 3,
// wrong choices come out at about 1.5 times the right one.
constexpr double Tail = 0.999;
double num(int n) { return ScriptedRandom::pick(n, 4, 1); }
double den(int d) { return ScriptedRandom::pick(d, 5, 3); }
// The quiz's first draw picks Index 1 to 5; a repeat of the last answer draws 1 to 6.
double first(int index) { return ScriptedRandom::pick(index, 5, 1); }
double again(int index) { return ScriptedRandom::pick(index, 6, 1); }
const QString question = "Can both the numerator and denominator be divided by  %1 without a remainder?";
const QString cannotReduce = QStringLiteral("This fraction can not be reduced further.");
} // namespace

// Quiz slice `index`: degrees 30 units from the centre inside it (black) and outside
// it (the planet), points on division lines (white) and points where none runs.
struct Slice { int index; QList<int> black, planet; QList<QPoint> white, clear = {}; };
// What is typed; the sentence shown in the end with the answer beside it, or
// the message and the box refused; the questions (y: yes is right), the chain.
struct Reduction { QString numerator, denominator, sentence, answer, questions = {}, chain = {}; };
// a b c d r s t u typed at a size factor: the result's pieces shown, or the box refused.
struct Product { QStringList values, shown; QString refused = {}; double factor = 1; };

class TestFractions : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> box;
    Form* form = nullptr;

    void script(const QList<double>& draws) { box->random->values = draws, box->random->position = 0; }
    // Opens the window as the main menu's Fractions entry `level` does.
    Form* openLevel(int level, const QString& window, const QList<double>& draws = {})
    {
        script(draws);
        box->makeDataDir();
        Forms::get<MainWindow>(windows::MainWindow)->showForm();
        Forms::get<MainWindow>(windows::MainWindow)->findChild<QAction*>(QStringLiteral("menuFractLevel%1").arg(level))->trigger();
        processEvents();
        if ((form = Forms::find(window)))
            QApplication::setActiveWindow(form);
        return form;
    }
    void reopenWithHideScore(const QString& window, qint16 hide)
    {
        Forms::unload(window);
        processEvents();
        dynamic_cast<HideScoreFlag*>(Forms::get(window))->HideScore = hide;
        form = Forms::show(window);
    }
    template <typename T = QWidget> T* get(const QString& name) const { return control<T>(form, name); }
    QString text(const QString& name) const { return get<QLabel>(name)->text(); }
    QStringList texts(const QStringList& names) const { return test::texts(form, names); }
    bool shown(const QString& name) const { return !get<QWidget>(name)->isHidden(); }
    void fire(const QString& name) const { get<Timer>(name)->fire(); }
    void closes(const QString& button, const QString& window)
    {
        click(get(button));
        processEvents();
        QVERIFY(!Forms::find(window));
    }
    // Types into a box and presses Enter: the focus then stands at `next`.
    void enter(const QString& name, const QString& value, const QString& next)
    {
        typeText(get(name), value);
        pressEnter(get(name));
        QCOMPARE(form->focusWidget(), get(next));
    }
    OptionButton* option(int i) const { return get<OptionButton>(QStringLiteral("Option1(%1)").arg(i)); }
    QStringList options() const { return {option(1)->text(), option(2)->text(), option(3)->text()}; }

    // Adding: opens level 2 (add) or 3 (subtract) on the fractions drawn.
    void openAdding(int level, QList<double> fractions) { QVERIFY(openLevel(level, windows::AddingFractions, fractions << Tail)); }
    void right(int times = 1) { while (times-- > 0) doubleClick(option(3)); }
    QStringList spoken()
    {
        box->player->played.clear();
        fire("Timer1");
        return box->player->played;
    }
    bool yellow(const char* name) const { return get<Label>(name)->foreColor() == qbColor(14); }

    // The quiz: what is drawn at a point, or 30 units from the disc's centre at `degrees`.
    QColor at(QPoint p) const { return drawnColour(form, p.x(), p.y()); }
    QColor at(int degrees) const { return at(QPoint(-150, 48) + PolarOffset(30, degrees)); }
    void openQuiz(int index)
    {
        // A plain grey planet, so the slice and the lines stand out.
        QImage planet(100, 100, QImage::Format_RGB32);
        planet.fill(Qt::gray);
        planet.save(box->programDir() + "/planet.bmp", "BMP");
        QVERIFY(openLevel(1, windows::FractionQuiz, {first(index)}));
    }

    QString place(int i) const
    {
        return text(QStringLiteral("Numerator(%1)").arg(i)) + "/" + text(QStringLiteral("Denominator(%1)").arg(i));
    }

    void multiply(const QStringList& values)
    {
        const char* names[] = {"Texta", "Textb", "Textc", "Textd", "textR", "textS", "TextT", "TextU"};
        for (int i = 0; i < 8; ++i)
            get<TextBox>(names[i])->setText(values.value(i));
        click(get("CommandSolve"));
    }
    // The pieces of the result shown: coefficient, "X" and its power, "Y" and its power.
    QStringList resultNames() const
    {
        QStringList names{"LabelFinalAnswer", "Labelx", "LabelRplusT(2)", "LabelY", "LabelSplusU(2)"};
        names.removeIf([this](const QString& name) { return !shown(name); });
        return names;
    }
    QStringList result() const { return texts(resultNames()); }

private slots:
    void init() { box = std::make_unique<Sandbox>(); }
    void cleanup()
    {
        box.reset(), form = nullptr;
        setUiScale(1.0);
    }

    void quizScoreFallsOnWrongAnswersAndRisesOnTheRightOne()
    {
        session().FractionScore = 1;
        openQuiz(3);
        session().SoundOn = 1;
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1"));
        doubleClick(option(3)); // nothing asked yet
        QCOMPARE(session().FractionScore, qint16(1));
        fire("Timer1");
        QCOMPARE(form->focusWidget(), option(1));
        doubleClick(option(1));
        QCOMPARE(texts({"RewardLabel", "ScoreLabel"}), (QStringList{"Wrong", "Score =  0"}));
        pressEnter(option(6));
        pressKey(option(3), Qt::Key_Space, " ");
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score = -1"));
        pressEnter(option(3));
        QCOMPARE(texts({"RewardLabel", "ScoreLabel"}), (QStringList{"Right!", "Score =  0"}));
        QCOMPARE(form->focusWidget(), get("TryAnotherCommand"));
        QCOMPARE(box->player->played, (QStringList{"tryagn2.wav", "tryagn2.wav", "alright.wav"}));
        // Answered: later answers change only the verdict.
        doubleClick(option(2));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Wrong"));
        doubleClick(option(3));
        QCOMPARE(session().FractionScore, qint16(0));
        QCOMPARE(box->player->played.size(), 3);

        // All of it only after a repeat (drawn again from 1 to 6), never the same twice.
        script({first(3), again(6)});
        click(get("TryAnotherCommand"));
        QCOMPARE(at(135), QColor(Qt::gray)); // the old slice is wiped at once
        fire("Timer1");
        for (const int degrees : {45, 135, 225, 315})
            QCOMPARE(at(degrees), QColor(Qt::black));
        QCOMPARE(at(QPoint(-180, 48)), QColor(Qt::black)); // no lines
        doubleClick(option(6));
        QCOMPARE(texts({"RewardLabel", "ScoreLabel"}), (QStringList{"Right!", "Score =  1"}));

        script({first(1)});
        reopenWithHideScore(windows::FractionQuiz, -1);
        fire("Timer1");
        doubleClick(option(2));
        QCOMPARE(session().FractionScore, qint16(0));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1")); // not rewritten while hidden
        closes("BasicFracReturn", windows::FractionQuiz);
    }

    void quizSlicesAndTheirLines_data()
    {
        QTest::addColumn<Slice>("row");
        // The downward quarter line ends at y = 0, short of the rim.
        QTest::newRow("quarter") << Slice{1, {45}, {135, 315}, {{-150, 20}, {-180, 48}}, {{-150, -2}}};
        QTest::newRow("half as two quarters") << Slice{3, {135}, {200}, {{-150, 70}, {-180, 48}}};
        QTest::newRow("third") << Slice{2, {100}, {140}, {{-130, 48}}, {{-170, 48}}};
        QTest::newRow("three quarters") << Slice{5, {225}, {315}, {{-150, 20}}};
    }
    void quizSlicesAndTheirLines()
    {
        QFETCH(Slice, row);
        openQuiz(row.index);
        fire("Timer1");
        for (const int degrees : row.black + row.planet)
            QCOMPARE(at(degrees), QColor(row.black.contains(degrees) ? Qt::black : Qt::gray));
        for (const QPoint p : row.white + row.clear)
            QCOMPARE(at(p) == QColor(Qt::white), row.white.contains(p));
    }

    // The six steps with their questions, highlighting and narration; the
    // decimals shown and the wrong decimal choices.
    void addsThroughSixSteps()
    {
        openAdding(2, {num(3), num(1), den(4), den(6)});
        session().SoundOn = 1;
        QVERIFY(shown("Line10") && shown("Line11"));
        QCOMPARE(texts({"Numerator1Label", "Den1Label", "Numerator2Label", "Den2Label", "ScoreLabel"}),
                 (QStringList{" 3", " 4", " 1", " 6", "Score =  0"}));
        QCOMPARE(options(), (QStringList{"17", "17", "12"}));
        QCOMPARE(spoken(), QStringList{"what.WAV"});
        right();

        QCOMPARE(text("QuestionLabel"), QStringLiteral("What is ( 12 / 4) X  3?"));
        QCOMPARE(texts({"Sum1Label", "Sum1DenLabel"}), (QStringList{"?", " 12"}));
        QVERIFY(yellow("Numerator1Label") && yellow("Den1Label") && yellow("Sum1DenLabel"));
        QCOMPARE(spoken(), (QStringList{"12.WAV", "divide.WAV", "4.WAV", "times.WAV", "3.WAV", "equals.WAV"}));
        right();

        QCOMPARE(texts({"QuestionLabel", "Sum1Label"}), (QStringList{"What is ( 12 / 6) X  1?", " 9 + ?"}));
        QVERIFY(!yellow("Numerator1Label") && yellow("Den2Label"));
        right();

        QCOMPARE(texts({"QuestionLabel", "Sum1Label"}) << options().at(2),
                 (QStringList{"What is   9 + 2?", " 9 + 2", "11"}));
        QVERIFY(yellow("Sum1Label") && !yellow("Sum1DenLabel") && !yellow("Den2Label"));
        QCOMPARE(spoken(), (QStringList{"9.WAV", "plus.WAV", "2.WAV", "equals.WAV"}));
        // The praise, the right option, then wrong choices r * q + q / 2 drawn again:
        // r = 0.4995 reads ".916" like the answer, r = 0.5 gives the answer itself.
        script({Tail, Tail, 0.4995, 0.5, 0.1, Tail});
        right();

        // The decimal step: not spoken when chosen.
        QCOMPARE(texts({"QuestionLabel", "Sum2NumLabel", "Sum2DenLabel"}), (QStringList{"What is   11 / 12 ?", " 11", " 12"}));
        QCOMPARE(options(), (QStringList{".55", "1.37", ".916"}));
        QCOMPARE(spoken(), (QStringList{"11.WAV", "divide.WAV", "12.WAV", "equals.WAV"}));
        box->player->played.clear();
        doubleClick(option(2));
        QCOMPARE(box->player->played, QStringList{"tryagn2.wav"});
        right();

        QCOMPARE(texts({"FinalAnswerLabel", "ScoreLabel"}), (QStringList{".916", "Score =  1"}));
        QVERIFY(!yellow("Sum2NumLabel"));
        QCOMPARE(spoken(), (QStringList{"point.wav", "9.wav", "1.wav", "6.wav"}));
    }

    void subtractsOnlyWhenTheFirstIsLargerByMoreThanATenth()
    {
        // 1/3 - 1/4 = 1/12 and 3/5 - 2/4, exactly a tenth, are drawn again.
        openAdding(3, {num(1), num(1), den(3), den(4), num(3), num(2), den(5), den(4), num(3), num(1), den(6), den(3)});
        session().SoundOn = 1;
        QVERIFY(!shown("Line10") && shown("Line11"));
        QCOMPARE(texts({"Numerator1Label", "Den1Label", "Numerator2Label", "Den2Label"}), (QStringList{" 3", " 6", " 1", " 3"}));
        QCOMPARE(options().at(2), QStringLiteral("6")); // 3 divides 6
        right(3);
        QCOMPARE(texts({"Sum1Label", "QuestionLabel"}), (QStringList{" 3 - 2", "What is   3 - 2?"}));
        QCOMPARE(spoken(), (QStringList{"3.WAV", "minus.WAV", "2.WAV", "equals.WAV"}));
        script({Tail, Tail, 0.0, Tail}); // 1/6 * 0 + 1/12 is below a tenth: drawn again
        right();
        QCOMPARE(options(), (QStringList{".249", ".249", ".166"}));
        right();
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral(".166"));
    }

    void addingSoundOffKeepsTheVerdictASecondAndNewProblemsScoreAgain()
    {
        session().FractionScore = 5;
        openAdding(2, {num(4), num(2), den(3), den(3)});
        QCOMPARE(options().at(2), QStringLiteral("3")); // equal denominators
        doubleClick(option(1));
        QCOMPARE(text("WrongLabel"), QStringLiteral("Wrong"));
        fire("Timer2");
        QCOMPARE(text("WrongLabel"), QString());
        right();
        QCOMPARE((QStringList{text("WrongLabel"), options().at(2)}), (QStringList{"Right", "4"})); // A = N1
        right(4);
        QCOMPARE(text("FinalAnswerLabel"), QStringLiteral("2")); // 6/3, a whole result
        QCOMPARE(session().FractionScore, qint16(6));
        QVERIFY(box->player->played.isEmpty());

        script({num(2), num(3), den(7), den(6), Tail});
        click(get("Command3D1"));
        QVERIFY(shown("Option1(2)") && shown("Label2") && shown("QuestionLabel") && shown("Line16"));
        QCOMPARE(texts({"Sum1Label", "Sum1DenLabel", "Sum2NumLabel", "Sum2DenLabel", "FinalAnswerLabel", "WrongLabel"}),
                 QStringList(6, QString()));
        QCOMPARE(options().at(2), QStringLiteral("42")); // the search for 7 and 6 runs to 6 x 7
        right(5);
        QCOMPARE(session().FractionScore, qint16(7));
        closes("AddReturnCommand", windows::AddingFractions);
    }

    // Enter walks and checks the boxes; the chain is written as the right answers
    // lead it; the problem scores when it ends; editing hides the working.
    void reductionTutorWritesTheChainAndScoresWhenItEnds()
    {
        session().FractionScore = 4;
        QVERIFY(openLevel(4, windows::ReductionTutor));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 4"));
        QVERIFY(!shown("Numerator(0)") && !shown("LabelQuestion") && !shown("Option1(0)") && !shown("Line1"));
        session().SoundOn = 1;
        enter("Text1", "x", "Text1");
        QCOMPARE(box->messageTexts(), QStringList{"Use an integer."});
        enter("Text1", "12", "Text2");
        enter("Text2", "18", "cmdSolve");
        click(get("cmdSolve"));
        QVERIFY(shown("LabelQuestion") && shown("Option1(1)") && shown("Line4"));
        QCOMPARE(form->focusWidget(), get("Option1(0)"));

        doubleClick(get("Option1(0)"));
        QCOMPARE((QStringList{text("LabelRight"), place(0), place(1)}), (QStringList{"right!", "12/18", " 6/ 9"}));
        QVERIFY(shown("LabelRight") && !shown("LabelQuestion") && shown("equal(0)") && shown("DivideLine(1)"));
        QCOMPARE(box->player->played.size(), 1); // praise
        fire("Timer2");
        QVERIFY(shown("LabelQuestion") && !shown("LabelRight"));

        // A wrong answer beeps, and the chain goes on as the right one leads it.
        doubleClick(get("Option1(1)"));
        QCOMPARE(texts({"LabelRight", "LabelQuestion", "LabelScore"}) << place(2),
                 (QStringList{"wrong", cannotReduce, "Score = 5", " 2/ 3"}));
        QVERIFY(box->beeper->beeps == 1 && !shown("Option1(0)") && !shown("Line1"));
        QCOMPARE(form->focusWidget(), get("Text1"));
        doubleClick(get("Option1(0)")); // over: ignored, and the verdict stays up
        QCOMPARE(session().FractionScore, qint16(5));
        QCOMPARE(box->beeper->beeps, 1);
        QVERIFY(shown("Numerator(1)") && shown("LabelRight") && !shown("LabelQuestion")); // until the timer
        typeText(get("Text2"), "0");
        QVERIFY(!shown("Numerator(1)") && !shown("LabelRight"));
        fire("Timer2");
        QVERIFY(!shown("LabelQuestion"));
        click(get("cmdClear"));
        QVERIFY(get<TextBox>("Text1")->text().isEmpty() && get<TextBox>("Text2")->text().isEmpty());
        closes("CommandReturn", windows::ReductionTutor);
    }

    // The yes/no questions over the primes answered rightly, the chain and the sentence that ends
    // it; answers stated at once score nothing; refused entries are emptied and focused.
    void reductionTutor_data()
    {
        QTest::addColumn<Reduction>("row");
        using R = Reduction;
        const QString integer = "Use an integer.", positive = "Use a positive integer.", end = cannotReduce;
        const QString to47 = "2n 3n 5n 7n 11n 13n 17n 19n 23n 29n 31n 37n 41n 43n 47n";
        QTest::newRow("6/3") << R{"6", "3", end, "", "2n 3y", "6/3 2/1"};
        QTest::newRow("3/4") << R{"3", "4", end, "", "2n 3n", "3/4"};
        QTest::newRow("242/363 asks 11 again") << R{"242", "363", end, "", "2n 3n 5n 7n 11y 11y", "242/363 22/33 2/3"};
        QTest::newRow("103/107 ends after 47") << R{"103", "107", end, "", to47, "103/107"};
        QTest::newRow("5618/8427 asks 53 twice")
            << R{"5618", "8427", end, "", to47 + " 53y 53y", "5618/8427 106/159 2/3"};
        QTest::newRow("192/320 keeps six places")
            << R{"192", "320", end, "", "2y 2y 2y 2y 2y 2y 3n", "192/320 96/160 48/80 24/40 12/20 3/5"};
        QTest::newRow("8192/20480") << R{"8192", "20480", end, "", QStringList(12, "2y").join(' '),
                                         "8192/20480 4096/10240 2048/5120 1024/2560 512/1280 2/5"};
        QTest::newRow("5/1 at once") << R{"5", "1", end, "", "", "5/1"};
        QTest::newRow("one") << R{"4", "4", "The answer is one!", "1", "", "4/4"};
        QTest::newRow("4 over 04") << R{"4", "04", "The answer is 1.", " 1", "", "4/04"};
        QTest::newRow("zero") << R{"0", "7", "The answer is zero!", "0", "", "0/7"};
        QTest::newRow("-0") << R{"-0", "7", "The answer is zero!", "0", "", "-0/7"};
        QTest::newRow("2/4") << R{"2", "4", "The answer is .5.", " .5", "", "2/4"};
        QTest::newRow("negative") << R{"-3", "4", "The answer is-.75.", "-.75", "", "-3/4"};
        QTest::newRow("empty numerator") << R{"", "4", integer, "Text1"};
        QTest::newRow("decimal") << R{"1.5", "4", integer, "Text1"};
        QTest::newRow("past 16 bits") << R{"40000", "4", integer, "Text1"};
        QTest::newRow("zero denominator") << R{"3", "0", positive, "Text2"};
        QTest::newRow("negative denominator") << R{"3", "-3", positive, "Text2"};
    }
    void reductionTutor()
    {
        QFETCH(Reduction, row);
        QVERIFY(openLevel(4, windows::ReductionTutor));
        get<TextBox>("Text1")->setText(row.numerator);
        get<TextBox>("Text2")->setText(row.denominator);
        click(get("cmdSolve"));
        if (row.answer.startsWith("Text")) {
            QCOMPARE(box->messageTexts() << focusedName(), (QStringList{row.sentence, row.answer}));
            QVERIFY(get<TextBox>(row.answer)->text().isEmpty() && !shown("Numerator(0)") && !shown("LabelQuestion"));
            return;
        }
        for (const QString& asked : row.questions.split(' ', Qt::SkipEmptyParts)) {
            QCOMPARE(text("LabelQuestion"), question.arg(asked.chopped(1)));
            doubleClick(get(asked.endsWith('y') ? "Option1(0)" : "Option1(1)"));
            fire("Timer2");
        }
        QCOMPARE(text("LabelQuestion"), row.sentence);
        QVERIFY(shown("LabelQuestion") && !shown("Option1(0)"));
        QStringList chain;
        for (int i = 0; i < 6 && shown(QStringLiteral("Numerator(%1)").arg(i)); ++i) {
            QVERIFY(i == 0 || shown(QStringLiteral("equal(%1)").arg(i - 1)));
            chain << place(i).remove(' ');
        }
        QCOMPARE(chain.join(' '), row.chain);
        QCOMPARE(box->beeper->beeps, 0); // every answer was the right one
        QCOMPARE(shown("LabelOneAnswer") ? text("LabelOneAnswer") : QString(), row.answer);
        QVERIFY(row.answer.isEmpty() || shown("equal(0)"));
        doubleClick(get("Option1(0)"));
        QCOMPARE(session().FractionScore, qint16(row.questions.isEmpty() ? 0 : 1));
    }

    // The coefficient (the single's own value rounded once to six places), the powers of X and Y,
    // or the box refused; the pieces keep apart, in reading order, inside the panel at any size.
    void variables_data()
    {
        QTest::addColumn<Product>("row");
        using P = Product;
        for (const double f : {1.0, 2.0}) {
            QTest::addRow("largest powers, factor %g", f)
                << P{{"-32768", "1", "32767", "1", "30000", "-30000", "30000", "-30000"},
                     {"-1073709056.0", "X", " 60000", "/  Y", "-60000"}, {}, f};
            // -131032.0078125 exactly: a tie, rounded away from zero.
            QTest::addRow("six decimals, factor %g", f)
                << P{{"-32767", "2", "32767", "4097", "-32768", "1", "-32768", "1"},
                     {"-131032.007813", "X", "-65536", "/  Y", " 2"}, {}, f};
            QTest::addRow("no X, factor %g", f)
                << P{{"1", "3", "1", "1", "2", "30000", "-2", "30000"}, {"0.333333", "/  Y", " 60000"}, {}, f};
        }
        QTest::newRow("a = 0 stands alone") << P{{"0", "4", "6", "9", "3", "1", "2", "1"}, {"0.0"}};
        QTest::newRow("no Y, whole") << P{{"2", "1", "1", "1", "2", "0", "2", "0"}, {"2.0", "X", " 4"}};
        QTest::newRow("negative, alone") << P{{"-3", "2", "1", "2", "1", "1", "-1", "-1"}, {"-0.75"}};
        QTest::newRow("decimals")
            << P{{"2.5", "1", "1", "3", "2.5", "0", "0", "-1"}, {"0.833333", "X", " 2.5", "/  Y", "-1"}};
        QTest::newRow("tiny rounds to 0.0") << P{{"-1", "1e9", "1", "1", "1", "0", "0", "0"}, {"0.0", "X", " 1"}};
        QTest::newRow("empty a before b = 0") << P{{"", "0", "1", "1", "1", "1", "1", "1"}, {}, "Texta"};
        QTest::newRow("b = 0 before letters in r") << P{{"1", "0", "1", "1", "x", "1", "1", "1"}, {}, "Textb"};
        QTest::newRow("d = 0") << P{{"1", "1", "1", "0", "1", "1", "1", "1"}, {}, "Textd"};
        QTest::newRow("too big for a single") << P{{"1", "1", "1e39", "1", "1", "1", "1", "1"}, {}, "Textc"};
        QTest::newRow("too small to hold") << P{{"1", "1e-50", "1", "1", "1", "1", "1", "1"}, {}, "Textb"};
        QTest::newRow("denominators multiply to 0") << P{{"1", "1e-30", "1", "1e-30", "1", "1", "1", "1"}, {}, "Textd"};
        QTest::newRow("coefficient overflows") << P{{"1e30", "1", "1e30", "1", "1", "1", "1", "1"}, {}, "Textc"};
        QTest::newRow("power of X not finite") << P{{"1", "1", "1", "1", "3e38", "1", "3e38", "1"}, {}, "TextT"};
        QTest::newRow("power of Y not finite") << P{{"1", "1", "1", "1", "1", "3e38", "1", "3e38"}, {}, "TextU"};
    }
    void variables()
    {
        QFETCH(Product, row);
        setUiScale(row.factor);
        QVERIFY(openLevel(5, windows::FractionsWithVariables));
        reopenWithHideScore(windows::FractionsWithVariables, 0); // the score shown
        multiply(row.values);
        QCOMPARE(result(), row.shown);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = %1").arg(row.refused.isEmpty()));
        const QRect panel = get("Picture1")->geometry();
        QRect before; // the piece to the left
        for (const QString& name : resultNames()) {
            const QRect piece = textRect(get<QLabel>(name));
            QVERIFY2(panel.contains(piece) && (before.isNull() || before.right() < piece.left()), qPrintable(name));
            before = piece;
        }
        QCOMPARE(box->messageTexts().isEmpty(), row.refused.isEmpty());
        if (row.refused.isEmpty())
            return;
        const bool magnitude = row.refused == "Textb" || row.refused == "Textd";
        QCOMPARE(box->messageTexts() << text("LabelInstruction"),
                 magnitude ? QStringList({"Use magnitude greater than zero.", "Magnitude must be greater than zero."})
                           : QStringList({"Use an integer.", "Value must be an integer."}));
        QVERIFY(get<TextBox>(row.refused)->text().isEmpty() && !shown("Picture1"));
        QCOMPARE(form->focusWidget(), get(row.refused));
    }

    // Every p/q for p and q from 1 to 100 against the exact value of the
    // single, rounded at six places in whole numbers (no value is a tie).
    void coefficientOfEveryFractionToAHundred()
    {
        for (int i = 0; i < 100 * 100; ++i) {
            const int p = i / 100 + 1, q = i % 100 + 1;
            const float value = multiplyVariableFractions({float(p), float(q), 1, 1, 0, 0, 0, 0}).coefficient;
            // Exact: 24 bits of the single times the 14 odd bits of a million.
            const qint64 millionths = std::llround(double(value) * 1e6);
            QString exact = QString::number(millionths / 1000000) + '.'
                            + QString::number(millionths % 1000000).rightJustified(6, '0');
            while (exact.endsWith('0') && !exact.endsWith(".0"))
                exact.chop(1);
            QVERIFY2(coefficientText(value) == exact, qPrintable(QStringLiteral("%1/%2").arg(p).arg(q)));
        }
    }

    // Enter checks each box (b = 0 is refused and keeps the focus) and walks the
    // formula a r b s c t d u without solving; a solve scores once per change.
    void variablesEnterWalksAndSolveScoresOncePerChange()
    {
        QVERIFY(openLevel(5, windows::FractionsWithVariables));
        QVERIFY(!shown("LabelScore") && !shown("Picture1"));
        const QStringList order{"Texta", "textR", "Textb", "textS", "Textc", "TextT", "Textd", "TextU"};
        const QStringList typed{"2", "2.5", "4", "1", "6", "2.5", "9", "1"};
        for (int i = 0; i < 8; ++i) {
            if (i == 2)
                enter(order[i], "0", order[i]);
            enter(order[i], typed[i], i < 7 ? order[i + 1] : "CommandSolve");
        }
        QCOMPARE(box->messageTexts(), QStringList{"Use magnitude greater than zero."});
        QVERIFY(!shown("Picture1"));
        click(get("CommandSolve"));
        QCOMPARE(result() << focusedName(), (QStringList{"0.333333", "X", " 5", "/  Y", " 2", "Texta"}));
        QCOMPARE(session().FractionScore, qint16(1));
        QVERIFY(!shown("LabelScore")); // hidden by the menu
        click(get("CommandSolve"));
        QCOMPARE(session().FractionScore, qint16(1));
        get<TextBox>("TextT")->setText("-2.5"); // no X now
        QVERIFY(!shown("Picture1"));
        click(get("CommandSolve"));
        QCOMPARE(session().FractionScore, qint16(2));
        click(get("cmdClear"));
        QVERIFY(!shown("Picture1") && get<TextBox>("Textd")->text().isEmpty());

        closes("CommandReturn", windows::FractionsWithVariables);
    }
};

QTEST_MAIN(TestFractions)
#include "tst_fractions.moc"
