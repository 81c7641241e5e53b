// SPDX-License-Identifier: GPL-3.0-or-later
// The telling-time windows: the level menu, the clock quiz's three phrases,
// its hands drawn and erased, the verdicts, and the score that rises by 2,
// falls by 1 and never goes below 0.
#include "EarlyTest.h"
#include "early/ClockFace.h"
#include "shell/MainWindow.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

using namespace kt;
using namespace kt::test;

namespace {
enum Colour { LightBlue = 9, Red = 4, White = 15 };

// The draws of one clock: minute and hour of each time, then the right choice.
QList<double> clockDraws(const QList<std::pair<int, int>>& hourMinutes, int rightChoice)
{
    QList<double> draws;
    for (const auto& [hour, minute] : hourMinutes)
        draws << draw(minute, 60) << draw(hour, 12, 1);
    return draws << draw(rightChoice, 3, 1);
}

// A point a fraction of the way along a hand or tick.
QPointF along(double angle, double length, double fraction)
{
    const QPointF end = handEnd(angle, length);
    return {ClockCentreX + fraction * (end.x() - ClockCentreX), ClockCentreY + fraction * (end.y() - ClockCentreY)};
}
} // namespace

class TestTellTime : public QObject, public EarlyFixture {
    Q_OBJECT

    OptionButton* choice(int i) const { return control<OptionButton>(form, elementName(QStringLiteral("TimeChoice"), i)); }
    QStringList choices() const { return {choice(1)->text(), choice(2)->text(), choice(3)->text()}; }
    // The colour painted on screen at a point of the drawing.
    QColor shown(QPointF at) const
    {
        return form->surface()->grab().toImage().pixelColor(form->toPixels(at.x(), at.y()).toPoint());
    }
    // The quiz at `level` showing the second choice, 8:23 made to fit the
    // level (8 o'clock at level 1); the others are 3:07 and 11:40.
    void openEightTwentyThree(int level)
    {
        session().ClockLevel = qint16(level);
        open(windows::ClockQuiz, clockDraws({{3, 7}, {3, 20}, {8, 23}, {11, 40}}, 2) << 3.5 / 7);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void levelMenuAndStart()
    {
        QAction* entry = Forms::get<MainWindow>(windows::MainWindow)->findChild<QAction*>(QStringLiteral("mnuTellTime"));
        QVERIFY(entry->isEnabled());
        session().ClockLevel = 3;
        entry->trigger();
        form = Forms::find(windows::TellTime);
        QCOMPARE(session().ClockLevel, qint16(1));
        trigger("MenLevel3");
        QCOMPARE(session().ClockLevel, qint16(3));
        QVERIFY(control<QAction>(form, QStringLiteral("MenLevel3"))->isChecked());
        QVERIFY(!control<QAction>(form, QStringLiteral("MenLevel1"))->isChecked());
        script(clockDraws({{4, 37}, {9, 2}, {12, 59}}, 1));
        clickOn("TellTimeBeginCommand");
        Form* quiz = Forms::find(windows::ClockQuiz);
        QVERIFY(quiz && quiz->isVisible());
        QVERIFY(quiz->caption().startsWith(QStringLiteral("Clock Level  3.")));
        clickOn("Command1");
        processEvents();
        QVERIFY(!Forms::find(windows::TellTime) && Forms::find(windows::ClockQuiz));
    }

    // The times themselves and their phrases are the clock rules' (tst_early_rules):
    // here the quiz shows them, a level's worth, and puts the focus on the first.
    void choicesShowTheLevelsPhrases()
    {
        session().TimeScore = 7;
        openEightTwentyThree(3);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(choices(), (QStringList{"5 minutes after 3 o'clock", "20 minutes after 8 o'clock",
                                         "20 minutes till 12 o'clock"}));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  7"));
        timer("Timer1")->fire();
        QCOMPARE(form->focusWidget(), choice(1));
    }

    void handsShownAndErasedWhateverRepaints()
    {
        openEightTwentyThree(1);
        // 8:00: minute hand up in red, hour hand towards 8 in light blue;
        // ticks from radius 90 to 100 with the plain face inside.
        QCOMPARE(shown(along(minuteHandAngle(0), MinuteHandLength, 0.7)), qbColor(Red));
        QCOMPARE(shown(along(hourHandAngle(8, 0), HourHandLength, 0.6)), qbColor(LightBlue));
        QCOMPARE(shown(along(60, TickRadius, 0.95)), qbColor(LightBlue));
        QCOMPARE(shown(along(60, TickRadius, 0.8)), qbColor(White));

        // 8:23 has neither hand on a tick's spoke, which clearing the ticks
        // would wipe anyway: only the erase takes them away.
        form->unload();
        openEightTwentyThree(4);
        const QPointF oldMinute = along(minuteHandAngle(23), MinuteHandLength, 0.7);
        const QPointF oldHour = along(hourHandAngle(8, 23), HourHandLength, 0.6);
        QCOMPARE(shown(oldMinute), qbColor(Red));
        doubleClick(choice(2));
        choice(3)->setValue(true);
        session().ClockLevel = 3; // applies from the next clock
        script(clockDraws({{3, 15}, {5, 0}, {7, 0}}, 1) << 0.0);
        clickOn("DoAgainComButton");
        form->repaint();
        QCOMPARE(shown(oldMinute), qbColor(White));
        QCOMPARE(shown(oldHour), qbColor(White));
        QCOMPARE(shown(along(minuteHandAngle(15), MinuteHandLength, 0.7)), qbColor(Red));
        QCOMPARE(shown(along(hourHandAngle(3, 15), HourHandLength, 0.6)), qbColor(LightBlue));
        QVERIFY(!choice(3)->isChecked());
        QCOMPARE(form->focusWidget(), choice(1));
        doubleClick(choice(1)); // a new clock scores again
        QCOMPARE(session().TimeScore, qint16(4));
        clickOn("ReturnComButton");
        processEvents();
        QVERIFY(!Forms::find(windows::ClockQuiz));
    }

    void scoreRisesByTwoAndFallsNotBelowZero()
    {
        session().SoundOn = 1;
        session().TimeScore = 1;
        openEightTwentyThree(1);
        doubleClick(choice(1));
        doubleClick(choice(3));
        QCOMPARE(text("Label13"), QStringLiteral("Wrong"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  0"));
        pressKey(choice(2), Qt::Key_Space, QStringLiteral(" ")); // Space does not answer
        pressEnter(choice(2));
        QCOMPARE(text("Label13"), QStringLiteral("Correct  -  8:00"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  2"));
        QCOMPARE(played(), (QStringList{"tryagain.wav", "tryagain.wav", "excell.wav"}));
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "DoAgainComButton"));

        // Answered: the verdict still changes, nothing else does.
        doubleClick(choice(3));
        QCOMPARE(text("Label13"), QStringLiteral("Wrong"));
        doubleClick(choice(2));
        QCOMPARE(session().TimeScore, qint16(2));
        QCOMPARE(played().size(), 3);
    }
};

QTEST_MAIN(TestTellTime)
#include "tst_tell_time.moc"
