// SPDX-License-Identifier: GPL-3.0-or-later
// Factoring: the filled formula, the roots in seven digits, refusals in the
// label and a message box, the score for changed inputs, and the working
// reset by any edit.
#include "AlgebraTest.h"
#include "algebra/Solving.h"
#include "shell/HideScoreFlag.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestQuadraticFactoring : public QObject, public AlgebraFixture {
    Q_OBJECT

    void solve(const QString& a, const QString& b, const QString& c)
    {
        type("TextA", a);
        type("TextB", b);
        type("TextC", c);
        press("CommandSolve");
    }

private slots:
    void cleanup() { close(); }

    void roots_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<QStringList>("shown"); // D, 2a, f1, f2
        QTest::newRow("1 5 6") << 1.0 << 5.0 << 6.0 << QStringList{" 1", " 2", "-2", "-3"};
        QTest::newRow("double root") << 1.0 << 2.0 << 1.0 << QStringList{" 0", " 2", "-1", "-1"};
        QTest::newRow("small root kept") << 1.0 << 10000.0 << 1.0 << QStringList{" 1E+08", " 2", "-.0001", "-10000"};
        QTest::newRow("small root, b negative") << 1.0 << -10000.0 << 1.0 << QStringList{" 1E+08", " 2", " 10000", " .0001"};
        QTest::newRow("zero c, b positive: f1 is 0") << 2.0 << 3.0 << 0.0 << QStringList{" 9", " 4", " 0", "-1.5"};
        QTest::newRow("zero c, b negative: f2 is 0") << 1.0 << -3.0 << 0.0 << QStringList{" 9", " 2", " 3", " 0"};
        QTest::newRow("negative a") << -1.0 << 0.0 << 4.0 << QStringList{" 16", "-2", "-2", " 2"};
        QTest::newRow("b and c zero") << 3.0 << 0.0 << 0.0 << QStringList{" 0", " 6", " 0", " 0"};
    }
    void roots()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(QStringList, shown);
        const auto w = algebra::factorQuadratic(a, b, c);
        QVERIFY(w);
        QCOMPARE((QStringList{algebra::spacedSeven(w->discriminant), algebra::spacedSeven(w->twoA),
                              algebra::spacedSeven(w->f1), algebra::spacedSeven(w->f2)}),
                 shown);
    }

    void solvedWindowShowsTheWorkingAndCountsChangedInputsOnce()
    {
        open(windows::QuadraticFactoring, -1); // as the menu opens it
        QVERIFY(!shown("LabelScore"));
        close();
        open(windows::QuadraticFactoring, 0, 4);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 4"));
        // The factor row has minus signs: (Y - f1)(Y - f2) is the polynomial for the roots shown.
        QStringList fixedTexts;
        for (const QLabel* label : form->findChildren<QLabel*>())
            fixedTexts << label->text();
        QVERIFY(fixedTexts.contains("[ Y - f1 ]") && fixedTexts.contains("[ Y - f2 ]"));
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac") && !shown("Label2a"));

        solve("1", "5", "6");
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

    void refusals_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box"); // emptied and focused; "" when none
        const QString a0 = "Use a number with magnitude greater than 0.", aMsg = "Use a number greater than zero.",
                      num = "Use a number.", noFactors = "These values will not produce real factors.  Try new values.";
        QTest::newRow("a is 0") << "0" << "1" << "1" << a0 << aMsg << "TextA";
        QTest::newRow("x for b") << "1" << "x" << "1" << num << num << "TextB";
        QTest::newRow("empty c") << "1" << "0" << "" << num << num << "TextC";
        QTest::newRow("a beyond a single") << "1e39" << "1" << "1" << a0 << aMsg << "TextA";
        QTest::newRow("b squared beyond a single") << "1" << "1e30" << "1" << num << num << "";
        QTest::newRow("no real factors") << "1" << "2" << "5" << noFactors << noFactors << "";
    }
    void refusals()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, instruction);
        QFETCH(QString, message);
        QFETCH(QString, box);
        open(windows::QuadraticFactoring);
        solve(a, b, c);
        QCOMPARE(messages(), QStringList{message});
        QCOMPARE(text("LabelInstructions"), instruction);
        QVERIFY(!shown("F1Answer") && !shown("bsqr4ac"));
        QCOMPARE(session().SolverScore, qint16(0));
        if (!box.isEmpty()) {
            QCOMPARE(entry(box)->text(), QString());
            QCOMPARE(focused(), box);
        }
    }

    void enterChecksEachBoxBeforeMovingOn()
    {
        open(windows::QuadraticFactoring);
        entry("TextA")->setFocus();
        pressEnter(entry("TextA"));
        QCOMPARE(messages(), QStringList{"Use a number greater than zero."});
        QCOMPARE(focused(), QStringLiteral("TextA"));
        typeText(entry("TextA"), "2");
        pressEnter(entry("TextA"));
        QCOMPARE(focused(), QStringLiteral("TextB"));
        typeText(entry("TextB"), "0");
        pressEnter(entry("TextB"));
        typeText(entry("TextC"), "-8");
        pressEnter(entry("TextC"));
        QCOMPARE(focused(), QStringLiteral("CommandSolve"));
        pressEnter(control<QWidget>(form, "CommandSolve"));
        QCOMPARE(texts({"F1Answer", "F2Answer"}), (QStringList{" 2", "-2"}));
    }
};

QTEST_MAIN(TestQuadraticFactoring)
#include "tst_quadratic_factoring.moc"
