// SPDX-License-Identifier: GPL-3.0-or-later
// Simultaneous equations: Cramer's rule in 32 bits, the working filled from
// the six label arrays, refusals of what is not a 16-bit whole number, the
// two "Can't find solution" texts, and the score for changed inputs.
#include "AlgebraTest.h"
#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/SizeFactor.h"

#include <QRegularExpression>

using namespace kt;
using namespace kt::test;

class TestSimultaneous : public QObject, public AlgebraFixture {
    Q_OBJECT

    void fill(const QStringList& values)
    {
        const QStringList names{"texta1", "textb1", "textc1", "texta2", "textb2", "textc2"};
        for (int i = 0; i < names.size(); ++i)
            type(names[i], values[i]);
    }

private slots:
    void cleanup()
    {
        close();
        setUiScale(1.0);
    }

    void cramer_data()
    {
        QTest::addColumn<QList<int>>("coefficients"); // a1 b1 c1 a2 b2 c2
        QTest::addColumn<int>("determinant");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("2x + 3y = 8, x - y = -1") << QList<int>{2, 3, 8, 1, -1, -1} << -5 << " 1" << " 2";
        QTest::newRow("thirds") << QList<int>{3, 0, 1, 0, 3, -2} << 9 << " .3333333" << "-.6666667";
        QTest::newRow("singular") << QList<int>{1, 2, 5, 2, 4, 7} << 0 << "" << "";
        // Products beyond 16 bits: 32767 * 32767 and friends stay exact.
        QTest::newRow("16-bit extremes") << QList<int>{32767, -32768, 32767, -32768, 32767, -32768} << -65535
                                         << " 1" << " 0";
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

    void solvedWorkingShowsEveryCoefficientAndEditingPutsTheNamesBack()
    {
        open(windows::SimultaneousEquations, 0, 0);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 0"));
        QCOMPARE(text("b2(3)"), QStringLiteral("b2"));
        fill({"2", "3", "8", "1", "-1", "-1"});
        press("CommandSolve");
        QCOMPARE(text("LabelAnswerx"), QStringLiteral(" 1"));
        QCOMPARE(text("LabelAnswery"), QStringLiteral(" 2"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 1"));
        QCOMPARE(focused(), QStringLiteral("texta1"));
        // a1 stands in both determinants of y, the denominators and the expansions.
        for (int i = 0; i <= 5; ++i)
            QCOMPARE(text(QStringLiteral("a1(%1)").arg(i)), QStringLiteral("2"));
        QCOMPARE(text("c2(0)"), QStringLiteral("-1"));

        type("textc1", "3");
        QCOMPARE(text("a1(0)"), QStringLiteral("a1"));
        QCOMPARE(text("c2(2)"), QStringLiteral("c2"));
        QCOMPARE(text("LabelAnswerx"), QString());
        press("CommandSolve");
        QCOMPARE(text("LabelAnswerx"), QStringLiteral(" 0"));
        QCOMPARE(text("LabelAnswery"), QStringLiteral(" 1"));
        QCOMPARE(session().SolverScore, qint16(2));

        press("CmdClear");
        QCOMPARE(entry("textb2")->text(), QString());
        QCOMPARE(text("LabelInstructions"), QStringLiteral("Enter the coefficients."));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty c2, after a1 to b2 passed") << QStringList{"1", "2", "3", "4", "5", ""} << "textc2";
        QTest::newRow("letters") << QStringList{"1", "x", "3", "4", "5", "6"} << "textb1";
        QTest::newRow("a fraction is not solved as a whole number") << QStringList{"2.5", "1", "1", "1", "2", "3"} << "texta1";
        QTest::newRow("beyond 16 bits") << QStringList{"1", "2", "3", "40000", "5", "6"} << "texta2";
        QTest::newRow("beyond a double") << QStringList{"1", "2", "1e999", "4", "5", "6"} << "textc1";
    }
    void refusals()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, box);
        open(windows::SimultaneousEquations);
        fill(values);
        press("CommandSolve");
        QCOMPARE(messages(), QStringList{"Use an integer value."});
        QCOMPARE(entry(box)->text(), QString());
        QCOMPARE(focused(), box);
        QCOMPARE(text("LabelAnswerx"), QString());
        QCOMPARE(text("a1(0)"), QStringLiteral("a1"));
        QCOMPARE(session().SolverScore, qint16(0));
    }

    void singularSystemHasTwoTexts()
    {
        open(windows::SimultaneousEquations);
        fill({"1", "2", "9", "2", "4", "-3"});
        press("CommandSolve");
        QCOMPARE(messages(), QStringList{"Can't find solution."});
        QCOMPARE(text("LabelInstructions"), QStringLiteral("Can't find solution!"));
        QCOMPARE(text("LabelAnswerx"), QString());
        QCOMPARE(focused(), QStringLiteral("texta1"));
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
        fill({"-32768", "-32768", "-32768", "-32768", "-32768", "-32768"});
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

    void enterChecksAndWalksTheSixBoxes()
    {
        open(windows::SimultaneousEquations);
        entry("texta1")->setFocus();
        const QStringList walk{"texta1", "textb1", "textc1", "texta2", "textb2", "textc2"};
        for (int i = 0; i < walk.size(); ++i) {
            typeText(entry(walk[i]), QString::number(i + 1));
            pressEnter(entry(walk[i]));
            QCOMPARE(focused(), i + 1 < walk.size() ? walk[i + 1] : QStringLiteral("CommandSolve"));
        }
        type("textb1", "1.5");
        pressEnter(entry("textb1"));
        QCOMPARE(messages(), QStringList{"Use an integer value."});
        QCOMPARE(focused(), QStringLiteral("textb1"));
    }
};

QTEST_MAIN(TestSimultaneous)
#include "tst_simultaneous.moc"
