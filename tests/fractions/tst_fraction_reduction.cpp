// Multiplying fractions with variables: the eight boxes, their checks in
// order, the result row and where its pieces stand, and the score.
#include "FractionTest.h"
#include "shell/SessionState.h"
#include "fractions/FractionReduction.h"

using namespace kt;
using namespace kt::test;

class TestFractionReduction : public QObject, public FractionFixture {
    Q_OBJECT

    // Boxes in the order a, b, c, d, r, s, t, u.
    void enter(const QStringList& values)
    {
        const char* names[] = {"Texta", "Textb", "Textc", "Textd", "textR", "textS", "TextT", "TextU"};
        for (int i = 0; i < 8; ++i)
            get<TextBox>(names[i])->setText(values.value(i));
    }
    void solve(const QStringList& values)
    {
        enter(values);
        click(get("CommandSolve"));
    }
    // Left of a result piece within the panel, in twips.
    int panelLeft(const char* name) const { return twips(get(name)->x() - get("Picture1")->x()); }
    QStringList visibleResult() const
    {
        QStringList pieces;
        for (const char* name : {"LabelFinalAnswer", "Labelx", "LabelRplusT(2)", "LabelY", "LabelSplusU(2)"})
            if (shown(name))
                pieces << text(name);
        return pieces;
    }

private slots:
    void init()
    {
        start();
        session().FractionScore = 2;
        QVERIFY(openLevel(5, windows::FractionReduction2));
    }
    void cleanup() { stop(); }

    void solvesTheWorkedExampleAndScoresOncePerChange()
    {
        QCOMPARE(form->caption(), QStringLiteral("Fraction Reduction"));
        QVERIFY(!shown("LabelScore") && !shown("Picture1") && !shown("LabelFinalAnswer"));
        solve({"2", "4", "6", "9", "3", "1", "2", "1"});
        QVERIFY(shown("Picture1"));
        QCOMPARE(visibleResult(), (QStringList{"0.333333", "X", " 5", "/  Y", " 2"}));
        // 8 characters: base 390, X at 390 + 1080, Y after the X power.
        QCOMPARE(panelLeft("LabelFinalAnswer"), 120);
        QCOMPARE(panelLeft("Labelx"), 1470);
        QCOMPARE(panelLeft("LabelRplusT(2)"), 1605);
        QCOMPARE(panelLeft("LabelY"), 2010);
        QCOMPARE(panelLeft("LabelSplusU(2)"), 2415);
        QCOMPARE(session().FractionScore, qint16(3));
        QVERIFY(!shown("LabelScore")); // hidden by the menu
        QCOMPARE(form->focusWidget(), get("Texta"));

        click(get("CommandSolve"));
        QCOMPARE(session().FractionScore, qint16(3));
        get<TextBox>("TextU")->setText("2");
        QVERIFY(!shown("Picture1"));
        click(get("CommandSolve"));
        QCOMPARE(visibleResult(), (QStringList{"0.333333", "X", " 5", "/  Y", " 3"}));
        QCOMPARE(session().FractionScore, qint16(4));
        click(get("cmdClear"));
        QVERIFY(!shown("Picture1") && get<TextBox>("Textd")->text().isEmpty());
    }

    void resultRows_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<int>("yLeft");
        QTest::newRow("a = 0") << QStringList{"0", "4", "6", "9", "3", "1", "2", "1"} << QStringList{"0.0"} << -1;
        QTest::newRow("no X") << QStringList{"1", "2", "1", "1", "2", "1", "-2", "1"}
                              << QStringList{"0.5", "/  Y", " 2"} << 390 + 3 * 135;
        QTest::newRow("no Y") << QStringList{"2", "1", "1", "1", "2", "0", "2", "0"} << QStringList{"2.0", "X", " 4"}
                              << -1;
        QTest::newRow("coefficient alone") << QStringList{"-3", "2", "1", "2", "1", "1", "-1", "-1"}
                                           << QStringList{"-0.75"} << -1;
        QTest::newRow("b negative, decimals") << QStringList{"2.5", "-2", "1", "1", "2.5", "0", "0", "-1"}
                                              << QStringList{"-1.25", "X", " 2.5", "/  Y", "-1"} << 390 + 540 + 5 * 135;
    }
    void resultRows()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, result);
        QFETCH(int, yLeft);
        solve(values);
        QVERIFY(box->messages.isEmpty());
        QCOMPARE(visibleResult(), result);
        if (yLeft >= 0)
            QCOMPARE(panelLeft("LabelY"), yLeft);
    }

    void refusedBoxes_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("instruction");
        const QString integer = "Use an integer.", magnitude = "Use magnitude greater than zero.";
        const QString mustInteger = "Value must be an integer.", mustMagnitude = "Magnitude must be greater than zero.";
        QTest::newRow("empty a") << QStringList{"", "0", "1", "1", "1", "1", "1", "1"} << "Texta" << integer
                                 << mustInteger;
        QTest::newRow("b checked before r") << QStringList{"1", "0", "1", "1", "x", "1", "1", "1"} << "Textb"
                                            << magnitude << mustMagnitude;
        QTest::newRow("letters in r") << QStringList{"1", "1", "1", "1", "x", "1", "1", "1"} << "textR" << integer
                                      << mustInteger;
        QTest::newRow("d = 0") << QStringList{"1", "1", "1", "0", "1", "1", "1", "1"} << "Textd" << magnitude
                               << mustMagnitude;
        QTest::newRow("u empty") << QStringList{"1", "1", "1", "1", "1", "1", "1", ""} << "TextU" << integer
                                 << mustInteger;
        QTest::newRow("too big for a single") << QStringList{"1", "1", "1e39", "1", "1", "1", "1", "1"} << "Textc"
                                              << integer << mustInteger;
        QTest::newRow("b too small to hold") << QStringList{"1", "1e-50", "1", "1", "1", "1", "1", "1"} << "Textb"
                                             << magnitude << mustMagnitude;
        QTest::newRow("denominators multiply to 0") << QStringList{"1", "1e-30", "1", "1e-30", "1", "1", "1", "1"}
                                                    << "Textd" << magnitude << mustMagnitude;
        QTest::newRow("coefficient not finite") << QStringList{"1e30", "1", "1e30", "1", "1", "1", "1", "1"}
                                                << "Textc" << integer << mustInteger;
        QTest::newRow("power of X not finite") << QStringList{"1", "1", "1", "1", "3e38", "1", "3e38", "1"}
                                               << "TextT" << integer << mustInteger;
    }
    void refusedBoxes()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(QString, instruction);
        solve(values);
        QCOMPARE(messages(), QStringList{message});
        QCOMPARE(text("LabelInstruction"), instruction);
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
            b->setFocus();
            if (i == 2) { // b = 0 is refused and keeps the focus
                typeText(b, "0");
                pressEnter(b);
                QCOMPARE(messages(), QStringList{"Use magnitude greater than zero."});
                QCOMPARE(form->focusWidget(), b);
            }
            typeText(b, "2");
            pressEnter(b);
            QCOMPARE(form->focusWidget(), get(i < 7 ? order[i + 1] : "CommandSolve"));
        }
        QVERIFY(!shown("Picture1")); // Enter in the last box does not solve
    }

    void scoreShowsWhenTheFlagIsZero()
    {
        form->unload();
        processEvents();
        auto* window = Forms::get<FractionReduction>(windows::FractionReduction2);
        window->HideScore = 0;
        form = Forms::show(windows::FractionReduction2);
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 2"));
        solve({"1", "1", "1", "1", "0", "0", "0", "0"});
        QCOMPARE(visibleResult(), QStringList{"1.0"});
        QCOMPARE(text("LabelScore"), QStringLiteral("Score = 3"));
        click(get("CommandReturn"));
        processEvents();
        QVERIFY(!Forms::find(windows::FractionReduction2));
    }
};

QTEST_MAIN(TestFractionReduction)
#include "tst_fraction_reduction.moc"
