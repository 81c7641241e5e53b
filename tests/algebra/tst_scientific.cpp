// SPDX-License-Identifier: GPL-3.0-or-later
// Scientific notation: the 0.00E+00 texts (rounding carry, exponent digits),
// what is refused, and the window's Enter, Solve, edit and Clear.
#include "AlgebraTest.h"
#include "algebra/Solving.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestScientific : public QObject, public AlgebraFixture {
    Q_OBJECT
private slots:
    void cleanup() { close(); }

    void texts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // "" when refused
        QTest::newRow("2500") << "2500" << "2.50E+03";
        QTest::newRow("0.000123") << "0.000123" << "1.23E-04";
        QTest::newRow("-4500") << "-4500" << "-4.50E+03";
        QTest::newRow("rounding carry") << "9.995" << "1.00E+01";
        QTest::newRow("rounds down") << "1.2349" << "1.23E+00";
        QTest::newRow("half rounds up") << "-1.235" << "-1.24E+00";
        QTest::newRow("leading zeros and point") << "  007.50  " << "7.50E+00";
        QTest::newRow("fraction only") << ".5" << "5.00E-01";
        QTest::newRow("typed exponent") << "12.5e3" << "1.25E+04";
        QTest::newRow("three exponent digits") << "1e100" << "1.00E+100";
        QTest::newRow("tiny") << "-3.456E-250" << "-3.46E-250";
        QTest::newRow("largest double") << "1.7976931348623157e308" << "1.80E+308";
        QTest::newRow("plus sign") << "+42" << "4.20E+01";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no number") << "abc" << "";
        QTest::newRow("trailing letters") << "12abc" << "";
        QTest::newRow("exponent without digits") << "3e" << "";
        QTest::newRow("beyond a double") << "1e999" << "";
        QTest::newRow("reads as zero") << "1e-999" << "";
    }
    void texts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(algebra::scientificText(typed).value_or(QString()), shown);
    }

    void windowConvertsOnEnterAndSolveAndRefusesWhatIsNoNumber()
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
};

QTEST_MAIN(TestScientific)
#include "tst_scientific.moc"
