// SPDX-License-Identifier: GPL-3.0-or-later
// The eight equation windows: answers and number texts, refusals with the
// focus in the offending box, the Enter walk, Clear, and editing hiding the
// answer.
#include "AlgebraTest.h"
#include "algebra/Solving.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestEquations : public QObject, public AlgebraFixture {
    Q_OBJECT

    void fill(const QString& a, const QString& b, const QString& c)
    {
        type(QStringLiteral("Texta"), a);
        type(QStringLiteral("Textb"), b);
        if (form->findChild<TextBox*>(QStringLiteral("Textc")))
            type(QStringLiteral("Textc"), c);
    }

private slots:
    void cleanup() { close(); }

    void solving_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("sum");    // under the root (right triangles)
        QTest::addColumn<QString>("answer"); // "" when refused
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString notZero = "You must use a number other than zero.", number = "You must use a number.",
                      leg = "b must be equal or smaller than a.";
        QTest::newRow("1: b/a with its blank") << 1 << "2" << "5" << "" << "" << " 2.5" << "" << "Texta";
        QTest::newRow("1: typed 0 for b") << 1 << "2" << "0" << "" << "" << " 0" << "" << "Texta";
        QTest::newRow("1: fifteen digits") << 1 << "3" << "1" << "" << "" << " .333333333333333" << "" << "Texta";
        QTest::newRow("1: exponent form") << 1 << "1e-10" << "1e10" << "" << "" << " 1E+20" << "" << "Texta";
        QTest::newRow("2: b a") << 2 << "4" << "2" << "" << "" << " 8" << "" << "Texta";
        QTest::newRow("3: (c - b) / a") << 3 << "4" << "1" << "2" << "" << " .25" << "" << "Texta";
        QTest::newRow("4: (c - b) a") << 4 << "2" << "1" << "4" << "" << " 6" << "" << "Texta";
        QTest::newRow("7: c/a - b") << 7 << "2" << "1" << "8" << "" << " 3" << "" << "Texta";
        QTest::newRow("8: c a - b") << 8 << "2" << "1" << "3" << "" << " 5" << "" << "Textb";
        QTest::newRow("5: 3 4 5") << 5 << "3" << "4" << "" << "25" << " 5" << "" << "Texta";
        QTest::newRow("5: a 0 before the point") << 5 << ".5" << "1.2" << "" << "1.69" << " 1.3" << "" << "Texta";
        QTest::newRow("6: 5 3 4") << 6 << "5" << "3" << "" << "16" << " 4" << "" << "Texta";
        QTest::newRow("6: equal sides") << 6 << "7" << "7" << "" << "0" << " 0" << "" << "Texta";
        QTest::newRow("6: negative a, shorter b") << 6 << "-5" << "3" << "" << "16" << " 4" << "" << "Texta";

        QTest::newRow("empty a and b") << 1 << "" << "" << "" << "" << "" << notZero << "Texta";
        QTest::newRow("a is 0") << 2 << "0" << "1" << "" << "" << "" << notZero << "Texta";
        QTest::newRow("empty b") << 1 << "2" << "" << "" << "" << "" << number << "Textb";
        QTest::newRow("x for c") << 7 << "2" << "1" << "x" << "" << "" << number << "Textc";
        QTest::newRow("a too large for a double") << 1 << "1e999" << "1" << "" << "" << "" << notZero << "Texta";
        QTest::newRow("result beyond a double") << 1 << "1e-300" << "1e300" << "" << "" << "" << number << "Texta";
        QTest::newRow("8: result beyond, focus b") << 8 << "1e300" << "1" << "1e300" << "" << "" << number << "Textb";
        QTest::newRow("5: empty a") << 5 << "" << "4" << "" << "" << "" << number << "Texta";
        QTest::newRow("5: squares beyond a double") << 5 << "1e200" << "1" << "" << "" << "" << number << "Texta";
        QTest::newRow("6: leg longer") << 6 << "3" << "5" << "" << "" << "" << leg << "Textb";
        QTest::newRow("6: longer negative leg") << 6 << "5" << "-7" << "" << "" << "" << leg << "Textb";
        QTest::newRow("6: both negative") << 6 << "-3" << "-5" << "" << "" << "" << leg << "Textb";
    }
    void solving()
    {
        QFETCH(int, type);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, sum);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        open(windows::equation(type));
        fill(a, b, c);
        press(QStringLiteral("cmdSolve"));
        QCOMPARE(messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(shown(QStringLiteral("LabelFinalAnswer")), !answer.isEmpty());
        QCOMPARE(text(QStringLiteral("LabelFinalAnswer")), answer);
        if (type == 5 || type == 6) {
            QCOMPARE(text(QStringLiteral("LabelSumOfSquares")), sum);
            QCOMPARE(shown(QStringLiteral("LabelSumOfSquares")), !sum.isEmpty());
        }
        QCOMPARE(focused(), focus);
        // A refused value stays for the child to mend.
        QCOMPARE(entry(QStringLiteral("Texta"))->text(), a);
    }

    void numberTexts_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero before the point") << "plainWithZero" << 0.5 << "0.5";
        QTest::newRow("negative below one") << "plainWithZero" << -0.25 << "-0.25";
        QTest::newRow("whole") << "plainWithZero" << 25.0 << "25";
        QTest::newRow("zero") << "plainWithZero" << 0.0 << "0";
        QTest::newRow("exponent form") << "plainWithZero" << 1e20 << "1E+20";
        QTest::newRow("small exponent form") << "plainWithZero" << -1.5e-7 << "-1.5E-07";
        QTest::newRow("seven digits") << "spacedSeven" << 1.0 / 3 << " .3333333";
        QTest::newRow("seven digits rounded") << "spacedSeven" << 2.0 / 3 << " .6666667";
        QTest::newRow("seven digits, exponent") << "spacedSeven" << 12345678.0 << " 1.234568E+07";
        QTest::newRow("plain seven, negative") << "plainSeven" << -5.0 << "-5";
        QTest::newRow("plain seven, minus of a negative") << "plainSeven" << 3.0 << "3";
    }
    void numberTexts()
    {
        QFETCH(QString, form);
        QFETCH(double, value);
        QFETCH(QString, text);
        const QString shown = form == "plainWithZero" ? algebra::plainWithZero(value)
                              : form == "spacedSeven" ? algebra::spacedSeven(value)
                                                      : algebra::plainSeven(value);
        QCOMPARE(shown, text);
    }

    void type8WalksBAThenCAndComesBackToB()
    {
        open(windows::equation(8));
        type(QStringLiteral("Textb"), QStringLiteral("1"));
        pressEnter(entry(QStringLiteral("Textb")));
        QCOMPARE(focused(), QStringLiteral("Texta"));
        typeText(entry(QStringLiteral("Texta")), QStringLiteral("2"));
        pressEnter(entry(QStringLiteral("Texta")));
        QCOMPARE(focused(), QStringLiteral("Textc"));
        typeText(entry(QStringLiteral("Textc")), QStringLiteral("3"));
        pressEnter(entry(QStringLiteral("Textc")));
        QCOMPARE(text(QStringLiteral("LabelFinalAnswer")), QStringLiteral(" 5"));
        QCOMPARE(focused(), QStringLiteral("Textb"));

        // Editing hides the answer at once; Solve shows the new one.
        typeText(entry(QStringLiteral("Textb")), QStringLiteral("0"));
        QVERIFY(!shown(QStringLiteral("LabelFinalAnswer")));
        QCOMPARE(text(QStringLiteral("LabelFinalAnswer")), QString());
        press(QStringLiteral("cmdSolve"));
        QCOMPARE(text(QStringLiteral("LabelFinalAnswer")), QStringLiteral("-4"));

        press(QStringLiteral("cmdClear"));
        QVERIFY(!shown(QStringLiteral("LabelFinalAnswer")));
        for (const char* name : {"Texta", "Textb", "Textc"})
            QCOMPARE(entry(QString::fromLatin1(name))->text(), QString());
        QCOMPARE(focused(), QStringLiteral("Textb"));
    }

    void rightTriangleClearsBothLabelsAndReturnCloses()
    {
        open(windows::equation(5));
        fill(QStringLiteral("6"), QStringLiteral("8"), QString());
        pressEnter(entry(QStringLiteral("Textb")));
        QCOMPARE(text(QStringLiteral("LabelSumOfSquares")), QStringLiteral("100"));
        QCOMPARE(text(QStringLiteral("LabelFinalAnswer")), QStringLiteral(" 10"));
        type(QStringLiteral("Texta"), QStringLiteral("5"));
        QVERIFY(!shown(QStringLiteral("LabelSumOfSquares")) && !shown(QStringLiteral("LabelFinalAnswer")));
        press(QStringLiteral("cmdExit"));
        processEvents();
        QVERIFY(!Forms::find(windows::equation(5)));
    }
};

QTEST_MAIN(TestEquations)
#include "tst_equations.moc"
