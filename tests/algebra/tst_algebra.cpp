// SPDX-License-Identifier: GPL-3.0-or-later
// The algebra windows and their arithmetic: the eight equations, scientific
// notation, factoring and simultaneous equations. Answers and number texts,
// refusals with the focus in the offending box, the Enter walks, Clear, edits
// hiding the answer, and the shared score counted once per changed input.
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

class TestAlgebra : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> sandbox;
    Form* form = nullptr;

    // hideScore < -1: leave the window's flag and the shared score as they are.
    void open(const QString& window, int hideScore = -2, qint16 solverScore = 0)
    {
        sandbox.reset(); // the old sandbox goes before the new one installs its fakes
        sandbox = std::make_unique<Sandbox>();
        if (hideScore > -2) {
            session().SolverScore = solverScore;
            dynamic_cast<HideScoreFlag*>(Forms::get(window))->HideScore = qint16(hideScore);
        }
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
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
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
    QString focused() const { return focusedName(); }
    QStringList messages() const { return sandbox->messageTexts(); }
    // Types each value and presses Enter, checking where the focus goes next.
    void walk(const QStringList& boxes, const QStringList& values, const QString& last)
    {
        entry(boxes[0])->setFocus();
        for (int i = 0; i < boxes.size(); ++i) {
            typeText(entry(boxes[i]), values[i]);
            pressEnter(entry(boxes[i]));
            QCOMPARE(entry(boxes[i])->text(), values[i]); // Enter types nothing
            QCOMPARE(focused(), i + 1 < boxes.size() ? boxes[i + 1] : last);
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

    // Number texts are Str's own (tst_numbers); here each formula, focus and refusal.
    void equations_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("abc");
        QTest::addColumn<QString>("sum");    // under the root (right triangles)
        QTest::addColumn<QString>("answer"); // "" when refused
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        using L = QStringList;
        const QString notZero = "You must use a number other than zero.", number = "You must use a number.",
                      leg = "b must be equal or smaller than a.";
        QTest::newRow("1: b/a with its blank") << 1 << L{"2", "5"} << "" << " 2.5" << "" << "Texta";
        QTest::newRow("1: typed 0 for b") << 1 << L{"2", "0"} << "" << " 0" << "" << "Texta";
        QTest::newRow("2: b a") << 2 << L{"4", "2"} << "" << " 8" << "" << "Texta";
        QTest::newRow("3: (c - b) / a") << 3 << L{"4", "1", "2"} << "" << " .25" << "" << "Texta";
        QTest::newRow("4: (c - b) a") << 4 << L{"2", "1", "4"} << "" << " 6" << "" << "Texta";
        QTest::newRow("7: c/a - b") << 7 << L{"2", "1", "8"} << "" << " 3" << "" << "Texta";
        QTest::newRow("8: c a - b") << 8 << L{"2", "1", "3"} << "" << " 5" << "" << "Textb";
        QTest::newRow("5: 3 4 5") << 5 << L{"3", "4"} << "25" << " 5" << "" << "Texta";
        QTest::newRow("5: a 0 before the point") << 5 << L{".5", "1.2"} << "1.69" << " 1.3" << "" << "Texta";
        QTest::newRow("6: 5 3 4") << 6 << L{"5", "3"} << "16" << " 4" << "" << "Texta";
        QTest::newRow("6: equal sides") << 6 << L{"7", "7"} << "0" << " 0" << "" << "Texta";
        QTest::newRow("6: negative a, shorter b") << 6 << L{"-5", "3"} << "16" << " 4" << "" << "Texta";
        QTest::newRow("empty a and b") << 1 << L{"", ""} << "" << "" << notZero << "Texta";
        QTest::newRow("a is 0") << 2 << L{"0", "1"} << "" << "" << notZero << "Texta";
        QTest::newRow("empty b") << 1 << L{"2", ""} << "" << "" << number << "Textb";
        QTest::newRow("x for c") << 7 << L{"2", "1", "x"} << "" << "" << number << "Textc";
        QTest::newRow("a too large for a double") << 1 << L{"1e999", "1"} << "" << "" << notZero << "Texta";
        QTest::newRow("result beyond a double") << 1 << L{"1e-300", "1e300"} << "" << "" << number << "Texta";
        QTest::newRow("8: result beyond, focus b") << 8 << L{"1e300", "1", "1e300"} << "" << "" << number << "Textb";
        QTest::newRow("5: empty a") << 5 << L{"", "4"} << "" << "" << number << "Texta";
        QTest::newRow("5: squares beyond a double") << 5 << L{"1e200", "1"} << "" << "" << number << "Texta";
        QTest::newRow("6: leg longer") << 6 << L{"3", "5"} << "" << "" << leg << "Textb";
        QTest::newRow("6: both negative") << 6 << L{"-3", "-5"} << "" << "" << leg << "Textb";
    }
    void equations()
    {
        QFETCH(int, type);
        QFETCH(QStringList, abc);
        QFETCH(QString, sum);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        open(windows::equation(type));
        fill(this->abc, abc);
        press("cmdSolve");
        QCOMPARE(messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(shown("LabelFinalAnswer"), !answer.isEmpty());
        QCOMPARE(text("LabelFinalAnswer"), answer);
        if (type == 5 || type == 6) {
            QCOMPARE(text("LabelSumOfSquares"), sum);
            QCOMPARE(shown("LabelSumOfSquares"), !sum.isEmpty());
        }
        QCOMPARE(focused(), focus);
        QCOMPARE(entry("Texta")->text(), abc[0]); // a refused value stays for the child to mend
    }

    // The sum of squares keeps its 0 before the point (whole sums: the rows above;
    // the seven-digit texts are the single's own, tst_numbers).
    void sumOfSquaresTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero before the point") << 0.5 << "0.5";
        QTest::newRow("negative below one") << -0.25 << "-0.25";
        QTest::newRow("exponent form") << 1e20 << "1E+20";
        QTest::newRow("small exponent form") << -1.5e-7 << "-1.5E-07";
    }
    void sumOfSquaresTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(algebra::plainWithZero(value), text);
    }

    void type8WalksBAThenCAndComesBackToB()
    {
        open(windows::equation(8));
        type("Textb", "1");
        pressEnter(entry("Textb"));
        QCOMPARE(focused(), QStringLiteral("Texta"));
        typeText(entry("Texta"), "2");
        pressEnter(entry("Texta"));
        QCOMPARE(focused(), QStringLiteral("Textc"));
        typeText(entry("Textc"), "3");
        pressEnter(entry("Textc"));
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral(" 5"));
        QCOMPARE(focused(), QStringLiteral("Textb"));
        typeText(entry("Textb"), "0"); // editing hides the answer at once
        QVERIFY(!shown("LabelFinalAnswer"));
        QCOMPARE(text("LabelFinalAnswer"), QString());
        press("cmdSolve");
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("-4"));
        press("cmdClear");
        QVERIFY(!shown("LabelFinalAnswer"));
        QCOMPARE(entry("Texta")->text() + entry("Textb")->text() + entry("Textc")->text(), QString());
        QCOMPARE(focused(), QStringLiteral("Textb"));
    }

    void rightTriangleEditHidesBothLabelsAndReturnCloses()
    {
        open(windows::equation(5));
        fill(abc, {"6", "8"});
        pressEnter(entry("Textb"));
        QCOMPARE(texts({"LabelSumOfSquares", "LabelFinalAnswer"}), (QStringList{"100", " 10"}));
        type("Texta", "5");
        QVERIFY(!shown("LabelSumOfSquares"));
        QVERIFY(!shown("LabelFinalAnswer"));
        press("cmdExit");
        processEvents();
        QVERIFY(!Forms::find(windows::equation(5)));
    }

    // Scientific notation: rounding carry, exponent digits, what is refused.
    void scientificTexts_data()
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
    }
    void scientificTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(algebra::scientificText(typed).value_or(QString()), shown);
    }

    void scientificWindowConvertsOnEnterAndSolveAndRefusesWhatIsNoNumber()
    {
        open(windows::ScientificNotation);
        type("TextInputNumber", "2500");
        pressEnter(entry("TextInputNumber"));
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("2.50E+03"));
        typeText(entry("TextInputNumber"), "0");
        QCOMPARE(text("LabelFinalAnswer"), QString()); // emptied at once
        press("cmdSolve");
        QCOMPARE(text("LabelFinalAnswer"), QStringLiteral("2.50E+04"));
        type("TextInputNumber", "12abc");
        press("cmdSolve");
        QCOMPARE(messages(), QStringList{"You must enter a number."});
        QCOMPARE(entry("TextInputNumber")->text(), QString());
        QCOMPARE(focused(), QStringLiteral("TextInputNumber"));
        QCOMPARE(text("LabelFinalAnswer"), QString());
        type("TextInputNumber", "7");
        press("cmdSolve");
        press("cmdClear");
        QCOMPARE(entry("TextInputNumber")->text(), QString());
        QCOMPARE(text("LabelFinalAnswer"), QString());
        QCOMPARE(focused(), QStringLiteral("TextInputNumber"));
    }

    // Factoring: D, 2a and the two factors in seven digits.
    void factoringRoots_data()
    {
        QTest::addColumn<QList<double>>("abc");
        QTest::addColumn<QStringList>("shown"); // D, 2a, f1, f2
        using D = QList<double>;
        using L = QStringList;
        QTest::newRow("1 5 6") << D{1, 5, 6} << L{" 1", " 2", "-2", "-3"};
        QTest::newRow("double root") << D{1, 2, 1} << L{" 0", " 2", "-1", "-1"};
        QTest::newRow("small root kept") << D{1, 10000, 1} << L{" 1E+08", " 2", "-.0001", "-10000"};
        QTest::newRow("small root, b negative") << D{1, -10000, 1} << L{" 1E+08", " 2", " 10000", " .0001"};
        QTest::newRow("zero c, b positive: f1 is 0") << D{2, 3, 0} << L{" 9", " 4", " 0", "-1.5"};
        QTest::newRow("zero c, b negative: f2 is 0") << D{1, -3, 0} << L{" 9", " 2", " 3", " 0"};
        QTest::newRow("negative a") << D{-1, 0, 4} << L{" 16", "-2", "-2", " 2"};
        QTest::newRow("b and c zero") << D{3, 0, 0} << L{" 0", " 6", " 0", " 0"};
    }
    void factoringRoots()
    {
        QFETCH(QList<double>, abc);
        QFETCH(QStringList, shown);
        const auto w = algebra::factorQuadratic(abc[0], abc[1], abc[2]);
        QVERIFY(w);
        QCOMPARE((QStringList{algebra::spacedSeven(w->discriminant), algebra::spacedSeven(w->twoA),
                              algebra::spacedSeven(w->f1), algebra::spacedSeven(w->f2)}),
                 shown);
    }

    void factoringShowsTheWorkingAndCountsChangedInputsOnce()
    {
        open(windows::QuadraticFactoring, -1); // as the menu opens it
        QVERIFY(!shown("LabelScore"));
        open(windows::QuadraticFactoring, 0, 4);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 4"));
        // (Y - f1)(Y - f2) is the polynomial for the roots shown: minus signs.
        QStringList fixedTexts;
        for (const QLabel* label : form->findChildren<QLabel*>())
            fixedTexts << label->text();
        QVERIFY(fixedTexts.contains("[ Y - f1 ]") && fixedTexts.contains("[ Y - f2 ]"));
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));

        fill(quadratic, {"1", "5", "6"});
        press("CommandSolve");
        QCOMPARE(texts({"a(0)", "a(1)", "b(0)", "b(1)", "b(2)", "c(0)"}), (QStringList{"1", "1", "-5", "5", "-5", "6"}));
        QCOMPARE(texts({"bsqr4ac", "Label2a", "F1Answer", "F2Answer"}), (QStringList{" 1", " 2", "-2", "-3"}));
        QVERIFY(shown("F1Answer") && shown("F2Answer") && shown("bsqr4ac") && shown("Label2a"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 5"));
        QCOMPARE(focused(), QStringLiteral("TextA"));
        press("CommandSolve");
        QCOMPARE(session().SolverScore, qint16(5)); // nothing changed, nothing counted

        type("TextB", "-7");
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));
        QCOMPARE(texts({"a(0)", "b(0)", "b(1)", "c(0)"}), (QStringList{"a", "-b", "b", "c"}));
        press("CommandSolve");
        QCOMPARE(texts({"b(0)", "F1Answer", "F2Answer"}), (QStringList{"7", " 6", " 1"}));
        QCOMPARE(session().SolverScore, qint16(6));
        press("CmdClear");
        QCOMPARE(entry("TextA")->text(), QString());
        QVERIFY(!shown("F2Answer"));
        QCOMPARE(focused(), QStringLiteral("TextA"));
    }

    void factoringRefusals_data()
    {
        QTest::addColumn<QStringList>("abc");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box"); // emptied and focused; "" when none
        using L = QStringList;
        const QString a0 = "Use a number with magnitude greater than 0.", aMsg = "Use a number greater than zero.",
                      num = "Use a number.", noFactors = "These values will not produce real factors.  Try new values.";
        QTest::newRow("a is 0") << L{"0", "1", "1"} << a0 << aMsg << "TextA";
        QTest::newRow("x for b") << L{"1", "x", "1"} << num << num << "TextB";
        QTest::newRow("empty c") << L{"1", "0", ""} << num << num << "TextC";
        QTest::newRow("a beyond a single") << L{"1e39", "1", "1"} << a0 << aMsg << "TextA";
        QTest::newRow("b squared beyond a single") << L{"1", "1e30", "1"} << num << num << "";
        QTest::newRow("no real factors") << L{"1", "2", "5"} << noFactors << noFactors << "";
    }
    void factoringRefusals()
    {
        QFETCH(QStringList, abc);
        QFETCH(QString, instruction);
        QFETCH(QString, message);
        QFETCH(QString, box);
        open(windows::QuadraticFactoring);
        fill(quadratic, abc);
        press("CommandSolve");
        QCOMPARE(messages(), QStringList{message});
        QCOMPARE(text("LabelInstructions"), instruction);
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));
        QCOMPARE(session().SolverScore, qint16(0));
        if (!box.isEmpty()) {
            QCOMPARE(entry(box)->text(), QString());
            QCOMPARE(focused(), box);
        }
    }

    void factoringEnterChecksEachBoxBeforeMovingOn()
    {
        open(windows::QuadraticFactoring);
        entry("TextA")->setFocus();
        pressEnter(entry("TextA"));
        QCOMPARE(messages(), QStringList{"Use a number greater than zero."});
        QCOMPARE(focused(), QStringLiteral("TextA"));
        walk(quadratic, {"2", "0", "-8"}, "CommandSolve");
        pressEnter(control<QWidget>(form, "CommandSolve"));
        QCOMPARE(texts({"F1Answer", "F2Answer"}), (QStringList{" 2", "-2"}));
    }

    // Cramer's rule in 32 bits (the plain and the singular system: the window tests).
    void cramer_data()
    {
        QTest::addColumn<QList<int>>("coefficients"); // a1 b1 c1 a2 b2 c2
        QTest::addColumn<int>("determinant");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("thirds") << QList<int>{3, 0, 1, 0, 3, -2} << 9 << " .3333333" << "-.6666667";
        // Products beyond 16 bits: 32767 * 32767 and friends stay exact.
        QTest::newRow("16-bit extremes") << QList<int>{32767, -32768, 32767, -32768, 32767, -32768} << -65535 << " 1" << " 0";
    }
    void cramer()
    {
        QFETCH(QList<int>, coefficients);
        QFETCH(int, determinant);
        QFETCH(QString, x);
        QFETCH(QString, y);
        const auto& k = coefficients;
        const auto s = algebra::solveCramer(k[0], k[1], k[2], k[3], k[4], k[5]);
        QCOMPARE(s.has_value(), determinant != 0);
        if (s) {
            QCOMPARE(s->determinant, determinant);
            QCOMPARE(algebra::spacedSeven(s->x), x);
            QCOMPARE(algebra::spacedSeven(s->y), y);
        }
    }

    void simultaneousWorkingShowsEveryCoefficientAndEditingPutsTheNamesBack()
    {
        open(windows::SimultaneousEquations, 0, 0);
        fill(six, {"2", "3", "8", "1", "-1", "-1"});
        press("CommandSolve");
        QCOMPARE(texts({"LabelAnswerx", "LabelAnswery", "LabelScore"}), (QStringList{" 1", " 2", "Score = 1"}));
        QCOMPARE(focused(), QStringLiteral("texta1"));
        // a1 stands in both determinants of y, the denominators and the expansions.
        for (int i = 0; i <= 5; ++i)
            QCOMPARE(text(QStringLiteral("a1(%1)").arg(i)), QStringLiteral("2"));
        QCOMPARE(text("c2(0)"), QStringLiteral("-1"));

        type("textc1", "3");
        QCOMPARE(texts({"a1(0)", "c2(2)", "LabelAnswerx"}), (QStringList{"a1", "c2", ""}));
        press("CommandSolve");
        QCOMPARE(texts({"LabelAnswerx", "LabelAnswery"}), (QStringList{" 0", " 1"}));
        QCOMPARE(session().SolverScore, qint16(2));
        press("CmdClear");
        QCOMPARE(entry("textb2")->text(), QString());
    }

    // Refused: what is not a 16-bit whole number, and a system without one
    // solution (a box of "" is refused by neither and keeps the focus at a1).
    void simultaneousRefusals_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("box");
        using L = QStringList;
        QTest::newRow("empty c2, after a1 to b2 passed") << L{"1", "2", "3", "4", "5", ""} << "textc2";
        QTest::newRow("letters") << L{"1", "x", "3", "4", "5", "6"} << "textb1";
        QTest::newRow("a fraction is not solved as a whole number") << L{"2.5", "1", "1", "1", "2", "3"} << "texta1";
        QTest::newRow("beyond 16 bits") << L{"1", "2", "3", "40000", "5", "6"} << "texta2";
        QTest::newRow("beyond a double") << L{"1", "2", "1e999", "4", "5", "6"} << "textc1";
        QTest::newRow("singular") << L{"1", "2", "9", "2", "4", "-3"} << "";
    }
    void simultaneousRefusals()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, box);
        open(windows::SimultaneousEquations);
        fill(six, values);
        press("CommandSolve");
        QCOMPARE(messages(), QStringList{box.isEmpty() ? "Can't find solution." : "Use an integer value."});
        if (box.isEmpty()) {
            QCOMPARE(text("LabelInstructions"), QStringLiteral("Can't find solution!"));
            QCOMPARE(focused(), QStringLiteral("texta1"));
        } else {
            QCOMPARE(entry(box)->text(), QString());
            QCOMPARE(focused(), box);
            QCOMPARE(text("a1(0)"), QStringLiteral("a1"));
        }
        QCOMPARE(text("LabelAnswerx"), QString());
        QCOMPARE(session().SolverScore, qint16(0));
    }

    // Five-digit coefficients stand apart in their cells, clear of the
    // determinants' bars, at every size factor.
    void everyCellFitsTheWidestCoefficient_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("factor 1") << 1.0;
        QTest::newRow("factor 2") << 2.0;
    }
    void everyCellFitsTheWidestCoefficient()
    {
        QFETCH(double, factor);
        setUiScale(factor);
        open(windows::SimultaneousEquations);
        fill(six, QStringList(6, "-32768"));
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
    }

    void simultaneousEnterChecksAndWalksTheSixBoxes()
    {
        open(windows::SimultaneousEquations);
        walk(six, {"1", "2", "3", "4", "5", "6"}, "CommandSolve");
        type("textb1", "1.5");
        pressEnter(entry("textb1"));
        QCOMPARE(messages(), QStringList{"Use an integer value."});
        QCOMPARE(focused(), QStringLiteral("textb1"));
    }
};

QTEST_MAIN(TestAlgebra)
#include "tst_algebra.moc"
