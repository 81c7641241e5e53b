// SPDX-License-Identifier: GPL-3.0-or-later
// The pie quiz: the questions it draws, the slice and its division lines by
// pixels, the score that rises and falls, and a new question.
#include "FractionTest.h"
#include "fractions/FractionQuiz.h"
#include "shell/SessionState.h"

#include <QImage>

using namespace kt;
using namespace kt::test;

class TestFractionQuiz : public QObject, public FractionFixture {
    Q_OBJECT

    // The first draw picks Index 1 to 5; a repeat of the last answer draws 1 to 6.
    static double first(int index) { return ScriptedRandom::pick(index, 5, 1); }
    static double again(int index) { return ScriptedRandom::pick(index, 6, 1); }

    OptionButton* option(int i) const { return get<OptionButton>(QStringLiteral("Option1(%1)").arg(i)); }
    // What is drawn 30 units from the disc's centre at `degrees`, or at (x, y).
    QColor at(int degrees) const
    {
        const QPoint p = QPoint(-150, 48) + PolarOffset(30, degrees);
        return drawnColour(form, p.x(), p.y());
    }
    QColor at(double x, double y) const { return drawnColour(form, x, y); }

private slots:
    void init()
    {
        start();
        // A plain grey planet, so the slice and the lines stand out.
        QImage planet(100, 100, QImage::Format_RGB32);
        planet.fill(Qt::gray);
        planet.save(box->programDir() + "/planet.bmp", "BMP");
    }
    void cleanup() { stop(); }

    void scoreFallsOnWrongAnswersAndRisesOnTheRightOne()
    {
        session().FractionScore = 1;
        script({first(3)});
        QVERIFY(openLevel(1, windows::FractionQuiz));
        session().SoundOn = 1;
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1"));
        doubleClick(option(3)); // nothing asked yet
        QCOMPARE(session().FractionScore, qint16(1));

        fire("Timer1");
        QCOMPARE(option(4)->text(), QStringLiteral("Two out of  three parts = Two thirds = 2/3"));
        QCOMPARE(text("RewardLabel"), QStringLiteral("How much of Mercury is missing?"));
        QCOMPARE(form->focusWidget(), option(1));
        doubleClick(option(1));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Wrong"));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));
        pressEnter(option(6));
        pressKey(option(3), Qt::Key_Space, " ");
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score = -1"));
        pressEnter(option(3));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Right!"));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));
        QCOMPARE(form->focusWidget(), get("TryAnotherCommand"));
        QCOMPARE(box->player->played.mid(0, 2), (QStringList{"tryagn2.wav", "tryagn2.wav"}));
        QCOMPARE(box->player->played.size(), 3);

        // Answered: later answers change only the verdict.
        doubleClick(option(2));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Wrong"));
        doubleClick(option(3));
        QCOMPARE(session().FractionScore, qint16(0));
        QCOMPARE(box->player->played.size(), 3);

        Forms::unload(windows::FractionQuiz);
        processEvents();
        script({first(1)});
        Forms::get<FractionQuiz>(windows::FractionQuiz)->HideScore = -1;
        form = Forms::show(windows::FractionQuiz);
        fire("Timer1");
        doubleClick(option(2));
        QCOMPARE(session().FractionScore, qint16(-1));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0")); // not rewritten while hidden
    }

    void slicesAndTheirLines_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("black"); // degrees inside the slice
        QTest::addColumn<QList<int>>("planet"); // degrees outside it
        QTest::addColumn<QList<QPoint>>("white"); // points on division lines
        QTest::addColumn<QList<QPoint>>("clear"); // points where no line runs
        using D = QList<int>;
        using P = QList<QPoint>;
        // The downward quarter line ends at y = 0, short of the rim.
        QTest::newRow("quarter") << 1 << D{45} << D{135, 315} << P{{-150, 20}, {-180, 48}} << P{{-150, -2}};
        QTest::newRow("half as two quarters") << 3 << D{135} << D{200} << P{{-150, 70}, {-180, 48}} << P{};
        QTest::newRow("third") << 2 << D{100} << D{140} << P{{-130, 48}} << P{{-170, 48}};
        QTest::newRow("three quarters") << 5 << D{225} << D{315} << P{{-150, 20}} << P{};
    }
    void slicesAndTheirLines()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, black);
        QFETCH(QList<int>, planet);
        QFETCH(QList<QPoint>, white);
        QFETCH(QList<QPoint>, clear);
        script({first(index)});
        QVERIFY(openLevel(1, windows::FractionQuiz));
        fire("Timer1");
        for (const int degrees : black)
            QCOMPARE(at(degrees), QColor(Qt::black));
        for (const int degrees : planet)
            QCOMPARE(at(degrees), QColor(Qt::gray));
        for (const QPoint p : white)
            QCOMPARE(at(p.x(), p.y()), QColor(Qt::white));
        for (const QPoint p : clear)
            QVERIFY(at(p.x(), p.y()) != QColor(Qt::white));
    }

    void allOfItOnlyAfterARepeatAndNeverTheSameTwice()
    {
        script({first(5)});
        QVERIFY(openLevel(1, windows::FractionQuiz));
        fire("Timer1");
        script({first(5), again(6)});
        click(get("TryAnotherCommand"));
        QCOMPARE(text("RewardLabel"), QStringLiteral("How much of Mercury is missing?"));
        QCOMPARE(at(315), QColor(Qt::gray)); // the old slice is wiped at once
        QCOMPARE(at(225), QColor(Qt::gray));
        fire("Timer1");
        for (const int degrees : {45, 135, 225, 315})
            QCOMPARE(at(degrees), QColor(Qt::black));
        QCOMPARE(at(-180.0, 48.0), QColor(Qt::black)); // no lines
        doubleClick(option(6));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Right!"));
        click(get("BasicFracReturn"));
        processEvents();
        QVERIFY(!Forms::find(windows::FractionQuiz));
    }
};

QTEST_MAIN(TestFractionQuiz)
#include "tst_fraction_quiz.moc"
