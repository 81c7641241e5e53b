// SPDX-License-Identifier: GPL-3.0-or-later
// The algebra windows and their arithmetic: the eight equations, scientific notation, factoring
// and simultaneous equations. Answers, number texts, refusals with the focus in the offending box,
// Enter walks, Clear, edits hiding the answer, the shared score counted once per changed input.
#include "TestKit.h"
#include "algebra/Solving.h"
#include "shell/HideScoreFlag.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/SizeFactor.h"

#include <QApplication>
#include <QRegularExpression>

using namespace kt;
using namespace kt::test;

// a, b (and c) typed: the answer or the refusal's message, the focus after, the sum under the root.
struct Equation { int type = 0; QStringList abc; QString answer, focus, message = {}, sum = {}; };
// a, b, c typed: D, 2a, f1 and f2, or the refusal and the box it empties and focuses (if any).
struct Factoring { QStringList abc, shown = {}; QString instruction = {}, message = {}, box = {}; };
// a1 b1 c1 a2 b2 c2 typed at a size factor: x and y, or the refusal; the focus after.
struct Simultaneous { QStringList values; QString x, y, message, focus; double factor = 1; };

class TestAlgebra : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> sandbox;
    Form* form = nullptr;

    // With the window's score flag (-1: hidden, as the menu opens some) and the shared score.
    void open(const QString& window, qint16 hideScore = 0, qint16 solverScore = 0)
    {
        sandbox.reset(); // the old sandbox goes before the new one installs its fakes
        sandbox = std::make_unique<Sandbox>();
        session().SolverScore = solverScore;
        if (auto* flag = dynamic_cast<HideScoreFlag*>(Forms::get(window)))
            flag->HideScore = hideScore;
        form = Forms::show(window);
        QApplication::setActiveWindow(form);
    }
    TextBox* entry(const QString& name) const { return control<TextBox>(form, name); }
    // Replaces a box's text the way a child does: select all, then type.
    void type(const QString& name, const QString& text) const
    {
        TextBox* box = entry(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        typeText(box, text);
    }
    // Types each value into its box; only the two-box equations lack Textc.
    void fill(const QStringList& names, const QStringList& values) const
    {
        for (int i = 0; i < names.size(); ++i)
            if (names[i] != "Textc" || form->findChild<TextBox*>(names[i]))
                type(names[i], values.value(i));
    }
    void press(const QString& button) const { click(control<QWidget>(form, button)); }
    QString text(const QString& name) const { return control<QLabel>(form, name)->text(); }
    QStringList texts(const QStringList& names) const { return test::texts(form, names); }
    bool shown(const QString& name) const { return control<QWidget>(form, name)->isVisible(); }
    // What a child sees of a label: its text, or nothing while it is hidden.
    QString seen(const QString& name) const { return shown(name) ? text(name) : QString(); }
    QStringList messages() const { return sandbox->messageTexts(); }
    // Types each value and presses Enter, checking where the focus goes next.
    void walk(const QStringList& boxes, const QStringList& values, const QString& last)
    {
        entry(boxes[0])->setFocus();
        for (int i = 0; i < boxes.size(); ++i) {
            typeText(entry(boxes[i]), values[i]);
            pressEnter(entry(boxes[i]));
            QCOMPARE(entry(boxes[i])->text(), values[i]); // Enter types nothing
            QCOMPARE(focusedName(), i + 1 < boxes.size() ? boxes[i + 1] : last);
        }
    }
    const QStringList abc{"Texta", "Textb", "Textc"}, quadratic{"TextA", "TextB", "TextC"},
        six{"texta1", "textb1", "textc1", "texta2", "textb2", "textc2"};

private slots:
    void cleanup()
    {
        sandbox.reset(), form = nullptr;
        setUiScale(1.0);
    }

    // Number texts are Str's own (tst_numbers); here each formula, focus and refusal,
    // and the sum of squares with its 0 before the point (never negative: b <= a).
    void equations_data()
    {
        QTest::addColumn<Equation>("row");
        using E = Equation;
        const QString notZero = "You must use a number other than zero.", number = "You must use a number.",
                      leg = "b must be equal or smaller than a.";
        QTest::newRow("1: b/a with its blank") << E{1, {"2", "5"}, " 2.5", "Texta"};
        QTest::newRow("1: typed 0 for b") << E{1, {"2", "0"}, " 0", "Texta"};
        QTest::newRow("2: b a") << E{2, {"4", "2"}, " 8", "Texta"};
        QTest::newRow("3: (c - b) / a") << E{3, {"4", "1", "2"}, " .25", "Texta"};
        QTest::newRow("4: (c - b) a") << E{4, {"2", "1", "4"}, " 6", "Texta"};
        QTest::newRow("7: c/a - b") << E{7, {"2", "1", "8"}, " 3", "Texta"};
        QTest::newRow("8: c a - b") << E{8, {"2", "1", "3"}, " 5", "Textb"};
        QTest::newRow("5: 3 4 5") << E{5, {"3", "4"}, " 5", "Texta", "", "25"};
        QTest::newRow("5: a 0 before the point") << E{5, {".5", "1.2"}, " 1.3", "Texta", "", "1.69"};
        QTest::newRow("5: sum below one") << E{5, {".3", ".4"}, " .5", "Texta", "", "0.25"};
        QTest::newRow("5: sum in exponent form") << E{5, {"1e10", "0"}, " 10000000000", "Texta", "", "1E+20"};
        QTest::newRow("5: small exponent form") << E{5, {"1e-4", "0"}, " .0001", "Texta", "", "1E-08"};
        QTest::newRow("6: 5 3 4") << E{6, {"5", "3"}, " 4", "Texta", "", "16"};
        QTest::newRow("6: equal sides") << E{6, {"7", "7"}, " 0", "Texta", "", "0"};
        QTest::newRow("6: negative a, shorter b") << E{6, {"-5", "3"}, " 4", "Texta", "", "16"};
        QTest::newRow("empty a and b") << E{1, {"", ""}, "", "Texta", notZero};
        QTest::newRow("a is 0") << E{2, {"0", "1"}, "", "Texta", notZero};
        QTest::newRow("empty b") << E{1, {"2", ""}, "", "Textb", number};
        QTest::newRow("x for c") << E{7, {"2", "1", "x"}, "", "Textc", number};
        QTest::newRow("8: result beyond, focus b") << E{8, {"1e300", "1", "1e300"}, "", "Textb", number};
        QTest::newRow("5: empty a") << E{5, {"", "4"}, "", "Texta", number};
        QTest::newRow("5: squares beyond a double") << E{5, {"1e200", "1"}, "", "Texta", number};
        QTest::newRow("6: leg longer") << E{6, {"3", "5"}, "", "Textb", leg};
        QTest::newRow("6: both negative") << E{6, {"-3", "-5"}, "", "Textb", leg};
    }
    void equations()
    {
        QFETCH(Equation, row);
        open(windows::equation(row.type));
        fill(abc, row.abc);
        press("cmdSolve");
        QCOMPARE(QStringList({seen("LabelFinalAnswer"), focusedName()}) << messages(),
                 QStringList({row.answer, row.focus}) + QStringList(!row.message.isEmpty(), row.message));
        if (row.type == 5 || row.type == 6)
            QCOMPARE(seen("LabelSumOfSquares"), row.sum);
        QCOMPARE(entry("Texta")->text(), row.abc[0]); // a refused value stays for the child to mend
    }

    // Type 8 walks b, a, c and comes back to b; a right triangle and scientific notation solve
    // on Enter. Editing hides the answer (and the sum) at once; Clear empties and focuses.
    void equationWalksEditsClearAndReturn()
    {
        open(windows::equation(8));
        walk({"Textb", "Texta", "Textc"}, {"1", "2", "3"}, "Textb");
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral(" 5"));
        typeText(entry("Textb"), "0");
        QVERIFY(!shown("LabelFinalAnswer") && text("LabelFinalAnswer").isEmpty());
        press("cmdSolve");
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("-4"));
        press("cmdClear"); // empties all and focuses b
        QCOMPARE(seen("LabelFinalAnswer") + entry("Texta")->text() + entry("Textb")->text() + entry("Textc")->text()
                     + focusedName(), "Textb");

        open(windows::equation(5));
        walk({"Texta", "Textb"}, {"6", "8"}, "Texta");
        QCOMPARE(texts({"LabelSumOfSquares", "LabelFinalAnswer"}), (QStringList{"100", " 10"}));
        type("Texta", "5");
        QVERIFY(!shown("LabelSumOfSquares") && !shown("LabelFinalAnswer"));
        press("cmdExit");
        processEvents();
        QVERIFY(!Forms::find(windows::equation(5)));

        open(windows::ScientificNotation);
        type("TextInputNumber", "2500");
        pressEnter(entry("TextInputNumber"));
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("2.50E+03"));
        typeText(entry("TextInputNumber"), "0");
        QCOMPARE(text("LabelFinalAnswer"), QString()); // emptied at once
        press("cmdSolve");
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("2.50E+04"));
        press("cmdClear");
        QCOMPARE(entry("TextInputNumber")->text() + text("LabelFinalAnswer") + focusedName(), "TextInputNumber");
    }

    // Scientific notation: rounding carry, exponent digits; what is refused is
    // emptied and keeps the focus.
    void scientific_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // "" when refused
        QTest::newRow("rounding carry") << "9.995" << "1.00E+01";
        QTest::newRow("rounds down") << "1.2349" << "1.23E+00";
        QTest::newRow("half rounds up") << "-1.235" << "-1.24E+00";
        QTest::newRow("leading zeros and point") << "  007.50  " << "7.50E+00";
        QTest::newRow("typed exponent") << "12.5e3" << "1.25E+04";
        QTest::newRow("three exponent digits") << "1e100" << "1.00E+100";
        QTest::newRow("tiny") << "-3.456E-250" << "-3.46E-250";
        QTest::newRow("largest double") << "1.7976931348623157e308" << "1.80E+308";
        QTest::newRow("plus sign") << "+42" << "4.20E+01";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("exponent without digits") << "3e" << "";
        QTest::newRow("beyond a double") << "1e999" << "";
        QTest::newRow("reads as zero") << "1e-999" << "";
        QTest::newRow("letters after digits") << "12abc" << "";
    }
    void scientific()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open(windows::ScientificNotation);
        type("TextInputNumber", typed);
        press("cmdSolve");
        QCOMPARE(seen("LabelFinalAnswer"), shown);
        QCOMPARE(messages(), shown.isEmpty() ? QStringList{"You must enter a number."} : QStringList());
        QCOMPARE(entry("TextInputNumber")->text(), shown.isEmpty() ? QString() : typed);
        QVERIFY(!shown.isEmpty() || focusedName() == "TextInputNumber");
    }

    // Factoring: D, 2a and the two factors in seven digits, or the refusal.
    void factoring_data()
    {
        QTest::addColumn<Factoring>("row");
        using F = Factoring;
        const QString a0 = "Use a number with magnitude greater than 0.", aMsg = "Use a number greater than zero.",
                      num = "Use a number.", noFactors = "These values will not produce real factors.  Try new values.";
        QTest::newRow("1 5 6") << F{{"1", "5", "6"}, {" 1", " 2", "-2", "-3"}};
        QTest::newRow("double root") << F{{"1", "2", "1"}, {" 0", " 2", "-1", "-1"}};
        QTest::newRow("small root kept") << F{{"1", "10000", "1"}, {" 1E+08", " 2", "-.0001", "-10000"}};
        QTest::newRow("small root, b negative") << F{{"1", "-10000", "1"}, {" 1E+08", " 2", " 10000", " .0001"}};
        QTest::newRow("zero c, b positive: f1 is 0") << F{{"2", "3", "0"}, {" 9", " 4", " 0", "-1.5"}};
        QTest::newRow("zero c, b negative: f2 is 0") << F{{"1", "-3", "0"}, {" 9", " 2", " 3", " 0"}};
        QTest::newRow("negative a") << F{{"-1", "0", "4"}, {" 16", "-2", "-2", " 2"}};
        QTest::newRow("b and c zero") << F{{"3", "0", "0"}, {" 0", " 6", " 0", " 0"}};
        QTest::newRow("a is 0") << F{{"0", "1", "1"}, {}, a0, aMsg, "TextA"};
        QTest::newRow("x for b") << F{{"1", "x", "1"}, {}, num, num, "TextB"};
        QTest::newRow("empty c") << F{{"1", "0", ""}, {}, num, num, "TextC"};
        QTest::newRow("a beyond a single") << F{{"1e39", "1", "1"}, {}, a0, aMsg, "TextA"};
        QTest::newRow("b squared beyond a single") << F{{"1", "1e30", "1"}, {}, num, num};
        QTest::newRow("no real factors") << F{{"1", "2", "5"}, {}, noFactors, noFactors};
    }
    void factoring()
    {
        QFETCH(Factoring, row);
        open(windows::QuadraticFactoring);
        fill(quadratic, row.abc);
        press("CommandSolve");
        const bool solved = !row.shown.isEmpty();
        QCOMPARE((messages() + QStringList{seen("bsqr4ac"), seen("Label2a"), seen("F1Answer"), seen("F2Answer")}),
                 solved ? row.shown : QStringList{row.message} + QStringList(4, QString()));
        QCOMPARE(session().SolverScore, qint16(solved));
        if (!solved)
            QCOMPARE(text("LabelInstructions"), row.instruction);
        if (!row.box.isEmpty())
            QCOMPARE((QStringList{entry(row.box)->text(), focusedName()}), (QStringList{"", row.box}));
    }

    void factoringShowsTheWorkingAndCountsChangedInputsOnce()
    {
        open(windows::QuadraticFactoring, 0, 4);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 4"));
        // (Y - f1)(Y - f2) is the polynomial for the roots shown: minus signs.
        QStringList fixedTexts;
        for (const QLabel* label : form->findChildren<QLabel*>())
            fixedTexts << label->text();
        QVERIFY(fixedTexts.contains("[ Y - f1 ]") && fixedTexts.contains("[ Y - f2 ]"));
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));

        // Enter checks each box before moving on; Enter on Solve solves.
        entry("TextA")->setFocus();
        pressEnter(entry("TextA"));
        QCOMPARE(messages() << focusedName(), (QStringList{"Use a number greater than zero.", "TextA"}));
        walk(quadratic, {"1", "5", "6"}, "CommandSolve");
        pressEnter(control<QWidget>(form, "CommandSolve"));
        QCOMPARE(texts({"a(0)", "a(1)", "b(0)", "b(1)", "b(2)", "c(0)"}), (QStringList{"1", "1", "-5", "5", "-5", "6"}));
        QCOMPARE(texts({"F1Answer", "F2Answer", "LabelScore"}) << focusedName(),
                 (QStringList{"-2", "-3", "Score = 5", "TextA"}));
        press("CommandSolve");
        QCOMPARE(session().SolverScore, qint16(5)); // nothing changed, nothing counted

        type("TextB", "-7");
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));
        QCOMPARE(texts({"a(0)", "b(0)", "b(1)", "c(0)"}), (QStringList{"a", "-b", "b", "c"}));
        press("CommandSolve");
        QCOMPARE(texts({"b(0)", "F1Answer", "F2Answer"}), (QStringList{"7", " 6", " 1"}));
        QCOMPARE(session().SolverScore, qint16(6));
        press("CmdClear");
        QCOMPARE(entry("TextA")->text() + seen("F2Answer") + focusedName(), "TextA"); // emptied, hidden, focused
    }

    // Enter walks and checks the six boxes; a1 stands in both determinants of y,
    // the denominators and the expansions; editing puts the names back.
    void simultaneousWorkingShowsEveryCoefficientAndEditingPutsTheNamesBack()
    {
        open(windows::SimultaneousEquations);
        walk(six, {"2", "3", "8", "1", "-1", "-1"}, "CommandSolve");
        press("CommandSolve");
        QCOMPARE(texts({"LabelAnswerx", "LabelAnswery", "LabelScore"}) << focusedName(),
                 (QStringList{" 1", " 2", "Score = 1", "texta1"}));
        QCOMPARE(texts({"a1(0)", "a1(1)", "a1(2)", "a1(3)", "a1(4)", "a1(5)", "c2(0)"}), QStringList(6, "2") << "-1");

        type("textc1", "3");
        QCOMPARE(texts({"a1(0)", "c2(2)", "LabelAnswerx"}), (QStringList{"a1", "c2", ""}));
        press("CommandSolve");
        QCOMPARE(texts({"LabelAnswerx", "LabelAnswery"}), (QStringList{" 0", " 1"}));
        QCOMPARE(session().SolverScore, qint16(2));
        type("textb1", "1.5");
        pressEnter(entry("textb1"));
        QCOMPARE(messages() << focusedName(), (QStringList{"Use an integer value.", "textb1"}));
        press("CmdClear");
        QCOMPARE(entry("textb2")->text(), QString());
    }

    // Cramer's rule in 32 bits, and what is refused: not a 16-bit whole number (a box of ""
    // is refused by neither and keeps the focus at a1), or a system without one solution.
    // The widest coefficients stand apart in their cells, clear of the determinants' bars.
    void simultaneous_data()
    {
        QTest::addColumn<Simultaneous>("row");
        using S = Simultaneous;
        const QString integer = "Use an integer value.", none = "Can't find solution.";
        QTest::newRow("thirds") << S{{"3", "0", "1", "0", "3", "-2"}, " .3333333", "-.6666667", "", "texta1"};
        // Products beyond 16 bits: 32767 * 32767 and friends stay exact.
        QTest::newRow("16-bit extremes")
            << S{{"32767", "-32768", "32767", "-32768", "32767", "-32768"}, " 1", " 0", "", "texta1"};
        QTest::newRow("empty c2 after a1 to b2") << S{{"1", "2", "3", "4", "5", ""}, "", "", integer, "textc2"};
        QTest::newRow("a fraction") << S{{"2.5", "1", "1", "1", "2", "3"}, "", "", integer, "texta1"};
        QTest::newRow("beyond 16 bits") << S{{"1", "2", "3", "40000", "5", "6"}, "", "", integer, "texta2"};
        QTest::newRow("beyond a double") << S{{"1", "2", "1e999", "4", "5", "6"}, "", "", integer, "textc1"};
        QTest::newRow("singular") << S{{"1", "2", "9", "2", "4", "-3"}, "", "", none, "texta1"};
        for (const double f : {1.0, 2.0})
            QTest::addRow("widest, factor %g", f) << S{QStringList(6, "-32768"), "", "", none, "texta1", f};
    }
    void simultaneous()
    {
        QFETCH(Simultaneous, row);
        setUiScale(row.factor);
        open(windows::SimultaneousEquations);
        fill(six, row.values);
        press("CommandSolve");
        QList<QRect> taken;
        for (const LineControl* bar : form->findChildren<LineControl*>())
            taken << bar->geometry();
        const int bars = int(taken.size()), apart = px(45);
        for (const QLabel* cell : form->findChildren<QLabel*>(QRegularExpression("^[abc][12]\\(\\d+\\)$"))) {
            const QRect text = textRect(cell);
            QVERIFY2(cell->geometry().contains(text), qPrintable(cell->objectName()));
            for (const QRect& other : std::as_const(taken))
                QVERIFY2(!other.intersects(text.adjusted(-apart, 0, apart, 0)), qPrintable(cell->objectName()));
            taken << text;
        }
        QCOMPARE(taken.size() - bars, 32);
        QCOMPARE(texts({"LabelAnswerx", "LabelAnswery"}) << focusedName() << messages(),
                 QStringList({row.x, row.y, row.focus}) + QStringList(!row.message.isEmpty(), row.message));
        QCOMPARE(session().SolverScore, qint16(!row.x.isEmpty()));
        const bool refusedBox = row.message.startsWith("Use");
        QCOMPARE(text("a1(0)"), refusedBox ? QStringLiteral("a1") : row.values[0]); // the working
        if (refusedBox)
            QCOMPARE(entry(row.focus)->text(), QString());
        if (row.message.startsWith("Can't"))
            QCOMPARE(text("LabelInstructions"), QStringLiteral("Can't find solution!"));
    }
};

QTEST_MAIN(TestAlgebra)
#include "tst_algebra.moc"
