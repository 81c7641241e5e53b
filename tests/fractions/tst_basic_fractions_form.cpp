// The pie quiz: the questions it draws, the slice and its division lines by
// pixels, the score that rises and falls, and a new question.
#include "FractionTest.h"
#include "fractions/BasicFractionsForm.h"
#include "shell/SessionState.h"

#include <QImage>

using namespace kt;
using namespace kt::test;

class TestBasicFractionsForm : public QObject, public FractionFixture {
    Q_OBJECT

    // The first draw picks Index 1 to 5; a repeat of the last answer draws 1 to 6.
    static double first(int index) { return ScriptedRandom::pick(index, 5, 1); }
    static double again(int index) { return ScriptedRandom::pick(index, 6, 1); }

    void open(QList<double> draws)
    {
        // A plain grey planet, so the slice and the lines stand out.
        QImage planet(100, 100, QImage::Format_RGB32);
        planet.fill(QColor(128, 128, 128));
        planet.save(box->programDir() + "/planet.bmp", "BMP");
        script(draws);
        QVERIFY(openLevel(1, windows::BasicFractions));
        fire("Timer1");
    }
    OptionButton* option(int i) const { return get<OptionButton>(QStringLiteral("Option1(%1)").arg(i)); }
    // The drawn colour at `radius` units from the disc's centre at `degrees`.
    QColor at(int radius, int degrees) const
    {
        const QPoint p = QPoint(-150, 48) + PolarOffset(radius, degrees);
        return drawnColour(form, p.x(), p.y());
    }
    QColor at(double x, double y) const { return drawnColour(form, x, y); }
    static QColor grey() { return QColor(128, 128, 128); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void scoreFallsOnWrongAnswersAndRisesOnTheRightOne()
    {
        session().FractionScore = 1;
        script({first(3)});
        QVERIFY(openLevel(1, windows::BasicFractions));
        session().SoundOn = 1;
        QCOMPARE(form->caption(), QStringLiteral("Learn basic fractions.  Double click on the correct answer."));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  1"));
        QCOMPARE(get<Timer>("Timer1")->interval(), 500);
        QVERIFY(get<Timer>("Timer1")->enabled());
        doubleClick(option(3)); // nothing asked yet
        QCOMPARE(session().FractionScore, qint16(1));

        fire("Timer1");
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(option(4)->text(), QStringLiteral("Two out of  three parts = Two thirds = 2/3"));
        QCOMPARE(text("RewardLabel"), QStringLiteral("How much of Mercury is missing?"));
        QCOMPARE(form->focusWidget(), option(1));

        doubleClick(option(1));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Wrong"));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));
        pressEnter(option(6));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score = -1"));
        pressKey(option(3), Qt::Key_Space, " ");
        QCOMPARE(session().FractionScore, qint16(-1));
        pressEnter(option(3));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Right!"));
        QCOMPARE(session().FractionScore, qint16(0));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));
        QCOMPARE(form->focusWidget(), get("TryAnotherCommand"));
        QCOMPARE(box->player->played.mid(0, 2), (QStringList{"tryagn2.wav", "tryagn2.wav"}));
        QCOMPARE(box->player->played.size(), 3);

        // The question is answered: later answers change only the verdict.
        doubleClick(option(2));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Wrong"));
        doubleClick(option(3));
        QCOMPARE(session().FractionScore, qint16(0));
        QCOMPARE(box->player->played.size(), 3);
    }

    void hiddenScoreIsNotRewritten()
    {
        script({first(1)});
        auto* window = Forms::get<BasicFractionsForm>(windows::BasicFractions);
        window->HideScore = -1;
        form = Forms::show(windows::BasicFractions);
        fire("Timer1");
        doubleClick(option(2));
        QCOMPARE(session().FractionScore, qint16(-1));
        QCOMPARE(text("ScoreLabel"), QStringLiteral("Score =  0"));
    }

    void quarterSliceWithQuarterLines()
    {
        open({first(1)});
        QCOMPARE(at(30, 45), QColor(Qt::black));
        QCOMPARE(at(30, 135), grey());
        QCOMPARE(at(30, 315), grey());
        QCOMPARE(at(-150.0, 20.0), QColor(Qt::white)); // the downward line, ending at y = 0
        QCOMPARE(at(-150.0, -2.0), grey());
        QCOMPARE(at(-180.0, 48.0), QColor(Qt::white));
    }

    void halfShowsTwoQuartersAndThirdsTheirLines()
    {
        open({first(3)});
        QCOMPARE(at(30, 135), QColor(Qt::black));
        QCOMPARE(at(30, 200), grey());
        QCOMPARE(at(-150.0, 70.0), QColor(Qt::white)); // the upward line halves the black half
        QCOMPARE(at(-180.0, 48.0), QColor(Qt::white));

        script({first(2)});
        click(get("TryAnotherCommand"));
        QCOMPARE(at(30, 135), grey()); // wiped at once
        fire("Timer1");
        QCOMPARE(at(30, 100), QColor(Qt::black));
        QCOMPARE(at(30, 140), grey());
        QCOMPARE(at(-130.0, 48.0), QColor(Qt::white));
        QCOMPARE(at(-170.0, 48.0), grey()); // no quarter lines for thirds
    }

    void allOfItOnlyAfterARepeatAndNeverTheSameTwice()
    {
        open({first(5)});
        QCOMPARE(at(30, 225), QColor(Qt::black)); // three quarters
        QCOMPARE(at(30, 315), grey());
        script({first(5), again(6)});
        click(get("TryAnotherCommand"));
        QCOMPARE(text("RewardLabel"), QStringLiteral("How much of Mercury is missing?"));
        fire("Timer1");
        for (const int degrees : {45, 135, 225, 300})
            QCOMPARE(at(30, degrees), QColor(Qt::black));
        QCOMPARE(at(-180.0, 48.0), QColor(Qt::black)); // no lines
        doubleClick(option(6));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Right!"));

        script({first(2)});
        click(get("TryAnotherCommand"));
        fire("Timer1");
        doubleClick(option(2));
        QCOMPARE(text("RewardLabel"), QStringLiteral("Right!"));
        click(get("BasicFracReturn"));
        processEvents();
        QVERIFY(!Forms::find(windows::BasicFractions));
    }
};

QTEST_MAIN(TestBasicFractionsForm)
#include "tst_basic_fractions_form.moc"
