// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplying fractions with variables: the eight boxes, their checks in
// order, the result row and how its pieces stand in the panel, and the score.
#include "FractionTest.h"
#include "fractions/FractionsWithVariables.h"
#include "shell/SessionState.h"
#include "ui/SizeFactor.h"

using namespace kt;
using namespace kt::test;

class TestFractionsWithVariables : public QObject, public FractionFixture {
    Q_OBJECT

    // Boxes in the order a, b, c, d, r, s, t, u.
    void solve(const QStringList& values)
    {
        const char* names[] = {"Texta", "Textb", "Textc", "Textd", "textR", "textS", "TextT", "TextU"};
        for (int i = 0; i < 8; ++i)
            get<TextBox>(names[i])->setText(values.value(i));
        click(get("CommandSolve"));
    }
    QList<QLabel*> resultPieces() const
    {
        QList<QLabel*> pieces;
        for (const char* name : {"LabelFinalAnswer", "Labelx", "LabelRplusT(2)", "LabelY", "LabelSplusU(2)"})
            if (shown(name))
                pieces << get<QLabel>(name);
        return pieces;
    }
    QStringList result() const
    {
        QStringList texts;
        for (const QLabel* piece : resultPieces())
            texts << piece->text();
        return texts;
    }

private slots:
    void init()
    {
        start();
        session().FractionScore = 2;
        QVERIFY(openLevel(5, windows::FractionsWithVariables));
    }
    void cleanup()
    {
        stop();
        setUiScale(1.0);
    }

    void solvesAndScoresOncePerChange()
    {
        QVERIFY(!shown("LabelScore") && !shown("Picture1"));
        solve({"2", "4", "6", "9", "3", "1", "2", "1"});
        QCOMPARE(result(), (QStringList{"0.333333", "X", " 5", "/  Y", " 2"}));
        QCOMPARE(session().FractionScore, qint16(3));
        QVERIFY(!shown("LabelScore")); // hidden by the menu
        QCOMPARE(form->focusWidget(), get("Texta"));

        click(get("CommandSolve"));
        QCOMPARE(session().FractionScore, qint16(3));
        get<TextBox>("TextT")->setText("-3"); // no X: Y moves up to the coefficient
        QVERIFY(!shown("Picture1"));
        click(get("CommandSolve"));
        QCOMPARE(result(), (QStringList{"0.333333", "/  Y", " 2"}));
        QCOMPARE(session().FractionScore, qint16(4));
        solve({"0", "4", "6", "9", "3", "1", "2", "1"});
        QCOMPARE(result(), QStringList{"0.0"});
        click(get("cmdClear"));
        QVERIFY(!shown("Picture1") && get<TextBox>("Textd")->text().isEmpty());
    }

    // The pieces of the result keep apart, in reading order, inside the
    // panel, with the largest values and at every size factor.
    void resultRowFitsThePanel_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("values");
        const QStringList largest{"-32768", "1", "32767", "1", "30000", "-30000", "30000", "-30000"};
        const QStringList longest{"-32767", "2", "32767", "4097", "-32768", "1", "-32768", "1"};
        const QStringList noX{"1", "3", "1", "1", "2", "30000", "-2", "30000"};
        for (const double factor : {1.0, 2.0}) {
            QTest::addRow("largest powers, factor %g", factor) << factor << largest;
            QTest::addRow("six decimals, factor %g", factor) << factor << longest;
            QTest::addRow("no X, factor %g", factor) << factor << noX;
        }
    }
    void resultRowFitsThePanel()
    {
        QFETCH(double, factor);
        QFETCH(QStringList, values);
        form->unload();
        setUiScale(factor);
        QVERIFY(openLevel(5, windows::FractionsWithVariables));
        solve(values);
        const QRect panel = get("Picture1")->geometry();
        const QList<QLabel*> pieces = resultPieces();
        QVERIFY(pieces.size() >= 3);
        for (int i = 0; i < pieces.size(); ++i) {
            const QRect piece = textRect(pieces[i]);
            QVERIFY2(panel.contains(piece), qPrintable(pieces[i]->objectName()));
            if (i > 0)
                QVERIFY2(textRect(pieces[i - 1]).right() < piece.left(), qPrintable(pieces[i]->objectName()));
        }
    }

    void refusedBoxes_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty a before b = 0") << QStringList{"", "0", "1", "1", "1", "1", "1", "1"} << "Texta";
        QTest::newRow("b = 0 before letters in r") << QStringList{"1", "0", "1", "1", "x", "1", "1", "1"} << "Textb";
        QTest::newRow("d = 0") << QStringList{"1", "1", "1", "0", "1", "1", "1", "1"} << "Textd";
        QTest::newRow("too big for a single") << QStringList{"1", "1", "1e39", "1", "1", "1", "1", "1"} << "Textc";
        QTest::newRow("too small to hold") << QStringList{"1", "1e-50", "1", "1", "1", "1", "1", "1"} << "Textb";
        QTest::newRow("denominators multiply to 0") << QStringList{"1", "1e-30", "1", "1e-30", "1", "1", "1", "1"}
                                                    << "Textd";
        QTest::newRow("power of Y not finite") << QStringList{"1", "1", "1", "1", "1", "3e38", "1", "3e38"}
                                               << "TextU";
    }
    void refusedBoxes()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, box);
        solve(values);
        const bool magnitude = box == "Textb" || box == "Textd";
        QCOMPARE(messages(), QStringList{magnitude ? "Use magnitude greater than zero." : "Use an integer."});
        QCOMPARE(text("LabelInstruction"),
                 magnitude ? QStringLiteral("Magnitude must be greater than zero.") : QStringLiteral("Value must be an integer."));
        QVERIFY(get<TextBox>(box)->text().isEmpty());
        QCOMPARE(form->focusWidget(), get(box));
        QVERIFY(!shown("Picture1") && !shown("LabelFinalAnswer"));
        QCOMPARE(session().FractionScore, qint16(2));
    }

    void enterChecksEachBoxAndWalksTheFormula()
    {
        const char* order[] = {"Texta", "textR", "Textb", "textS", "Textc", "TextT", "Textd", "TextU"};
        for (int i = 0; i < 8; ++i) {
            auto* b = get<TextBox>(order[i]);
            if (i == 2) { // b = 0 is refused and keeps the focus
                typeText(b, "0");
                pressEnter(b);
                QCOMPARE(form->focusWidget(), b);
            }
            typeText(b, "2.5");
            pressEnter(b);
            QCOMPARE(form->focusWidget(), get(i < 7 ? order[i + 1] : "CommandSolve"));
        }
        QCOMPARE(messages(), QStringList{"Use magnitude greater than zero."});
        QVERIFY(!shown("Picture1")); // Enter in the last box does not solve
    }

    void scoreShowsWhenTheFlagIsZero()
    {
        form->unload();
        processEvents();
        Forms::get<FractionsWithVariables>(windows::FractionsWithVariables)->HideScore = 0;
        form = Forms::show(windows::FractionsWithVariables);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 2"));
        solve({"1", "1", "1", "1", "0", "0", "0", "0"});
        QCOMPARE(result(), QStringList{"1.0"});
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 3"));
        click(get("CommandReturn"));
        processEvents();
        QVERIFY(!Forms::find(windows::FractionsWithVariables));
    }
};

QTEST_MAIN(TestFractionsWithVariables)
#include "tst_fractions_with_variables.moc"
