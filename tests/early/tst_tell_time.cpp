// The telling-time windows: the level menu, the clock quiz's three phrases,
// its hands drawn and erased, the verdicts, and the score that rises by 2,
// falls by 1 and never goes below 0.
#include "EarlyTest.h"
#include "early/ClockFace.h"
#include "shell/KiteTu.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

using namespace kt;
using namespace kt::test;

namespace {
enum Colour { LightBlue = 9, Red = 4, White = 15 };

// The draws of one clock: minute and hour of each time as drawn, then the right choice.
QList<double> clockDraws(const QList<std::pair<int, int>>& hourMinutes, int rightChoice)
{
    QList<double> draws;
    for (const auto& [hour, minute] : hourMinutes)
        draws << draw(minute, 60) << draw(hour, 12, 1);
    return draws << draw(rightChoice, 3, 1);
}

// A point a fraction of the way along a hand.
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
    // The colour the window shows at a point of its drawing, as painted on screen.
    QColor shown(QPointF at) const
    {
        const QImage screen = form->surface()->grab().toImage();
        return screen.pixelColor(form->toPixels(at.x(), at.y()).toPoint());
    }
    // Opens the quiz at `level` on the clock of the second choice, 8:23 made
    // to fit the level (8 o'clock at level 1); the other choices are 3:07
    // and 11:40.
    void openEightOClock(int level = 1)
    {
        session().ClockLevel = qint16(level);
        open(windows::ClockQuiz, clockDraws({{3, 7}, {3, 20}, {8, 23}, {11, 40}}, 2) << 0.0);
        QVERIFY(form);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void levelMenuAndStart()
    {
        auto* main = Forms::get<KiteTu>(windows::MainWindow);
        QAction* entry = main->findChild<QAction*>(QStringLiteral("mnuTellTime"));
        QVERIFY(entry->isEnabled());
        session().ClockLevel = 3;
        entry->trigger();
        form = Forms::find(windows::TellTime);
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->caption(), QStringLiteral("Tell Time"));
        QCOMPARE(session().ClockLevel, qint16(1));
        trigger("MenLevel3");
        QCOMPARE(session().ClockLevel, qint16(3));
        for (int level = 1; level <= 4; ++level)
            QCOMPARE(control<QAction>(form, QStringLiteral("MenLevel%1").arg(level))->isChecked(), level == 3);
        script(clockDraws({{4, 37}, {9, 2}, {12, 59}}, 1));
        clickOn("TellTimeBeginCommand");
        Form* quiz = Forms::find(windows::ClockQuiz);
        QVERIFY(quiz && quiz->isVisible());
        QCOMPARE(quiz->caption(), QStringLiteral("Clock Level  3.  Double click on correct answer."));
        clickOn("Command1");
        processEvents();
        QVERIFY(!Forms::find(windows::TellTime));
        QVERIFY(Forms::find(windows::ClockQuiz));
    }

    void levelOneAsksThreeDifferentHours()
    {
        session().TimeScore = 7;
        openEightOClock();
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(choices(), (QStringList{"3 o'clock", "8 o'clock", "11 o'clock"}));
        QCOMPARE(text("Label13"), QStringLiteral("Which is correct?"));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  7"));
        QCOMPARE((QStringList{text("Label1"), text("Label2"), text("Label5")}), (QStringList{"12", "3", " 1"}));
        Timer* focus = timer("Timer1");
        QCOMPARE(focus->interval(), 100);
        QVERIFY(focus->enabled());
        focus->fire();
        QVERIFY(!focus->enabled());
        QCOMPARE(form->focusWidget(), choice(1));
    }

    void otherLevelsRoundTheirMinutes()
    {
        openEightOClock(2);
        QCOMPARE(choices(), (QStringList{"3 o'clock", "15 minutes after 8 o'clock", "30 minutes after 11 o'clock"}));
        form->unload();
        processEvents();
        openEightOClock(3);
        QCOMPARE(choices(), (QStringList{"5 minutes after 3 o'clock", "20 minutes after 8 o'clock",
                                         "20 minutes till 12 o'clock"}));
    }

    void handsShowTheRightTime()
    {
        openEightOClock();
        // 8:00: the minute hand straight up in red, the hour hand towards 8 in light blue.
        QCOMPARE(shown(along(minuteHandAngle(0), MinuteHandLength, 0.7)), qbColor(Red));
        QCOMPARE(shown(along(hourHandAngle(8, 0), HourHandLength, 0.6)), qbColor(LightBlue));
        // Each tick runs from radius 90 to 100; inside it the face is plain.
        QCOMPARE(shown(along(90, TickRadius, 0.95)), qbColor(LightBlue));
        QCOMPARE(shown(along(60, TickRadius, 0.95)), qbColor(LightBlue));
        QCOMPARE(shown(along(60, TickRadius, 0.8)), qbColor(White));
    }

    void oldHandsAreErasedWhateverRepaints()
    {
        // 8:23 has neither hand on a tick's spoke, which clearing the ticks
        // would wipe anyway.
        openEightOClock(4);
        const QPointF oldMinute = along(minuteHandAngle(23), MinuteHandLength, 0.7);
        const QPointF oldHour = along(hourHandAngle(8, 23), HourHandLength, 0.6);
        QCOMPARE(shown(oldMinute), qbColor(Red));
        QCOMPARE(shown(oldHour), qbColor(LightBlue));
        script(clockDraws({{3, 15}, {5, 0}, {7, 0}}, 1));
        clickOn("DoAgainComButton");
        form->repaint();
        QCOMPARE(shown(oldMinute), qbColor(White));
        QCOMPARE(shown(oldHour), qbColor(White));
        QCOMPARE(shown(along(minuteHandAngle(15), MinuteHandLength, 0.7)), qbColor(Red));
        QCOMPARE(shown(along(hourHandAngle(3, 15), HourHandLength, 0.6)), qbColor(LightBlue));
    }

    void scoreRisesByTwoAndFallsNotBelowZero()
    {
        session().SoundOn = 1;
        openEightOClock();
        doubleClick(choice(1));
        QCOMPARE(text("Label13"), QStringLiteral("Wrong"));
        QCOMPARE(session().TimeScore, qint16(0));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  0"));
        QCOMPARE(played(), QStringList{"tryagain.wav"});

        forgetPlayed();
        script({3.5 / 7});
        pressEnter(choice(2));
        QCOMPARE(text("Label13"), QStringLiteral("Correct  -  8:00"));
        QCOMPARE(session().TimeScore, qint16(2));
        QCOMPARE(text("LabelScore"), QStringLiteral("Score =  2"));
        QCOMPARE(played(), QStringList{"excell.wav"});
        QCOMPARE(form->focusWidget(), control<QWidget>(form, "DoAgainComButton"));

        // Answered: the verdict still changes, nothing else does.
        forgetPlayed();
        doubleClick(choice(3));
        QCOMPARE(text("Label13"), QStringLiteral("Wrong"));
        doubleClick(choice(2));
        QCOMPARE(session().TimeScore, qint16(2));
        QVERIFY(played().isEmpty());
        pressKey(choice(1), Qt::Key_Space, QStringLiteral(" "));
        QCOMPARE(text("Label13"), QStringLiteral("Correct  -  8:00"));
    }

    void twoWrongThenRight()
    {
        session().TimeScore = 1;
        openEightOClock();
        doubleClick(choice(1));
        QCOMPARE(session().TimeScore, qint16(0));
        doubleClick(choice(3));
        QCOMPARE(session().TimeScore, qint16(0));
        doubleClick(choice(2));
        QCOMPARE(session().TimeScore, qint16(2));
    }

    void anotherClockFollowsANewLevelButKeepsTheCaption()
    {
        openEightOClock();
        doubleClick(choice(2));
        choice(3)->setValue(true);
        session().ClockLevel = 4;
        script(clockDraws({{12, 59}, {6, 31}, {1, 1}}, 1) << 0.0);
        clickOn("DoAgainComButton");
        QCOMPARE(form->caption(), QStringLiteral("Clock Level  1.  Double click on correct answer."));
        QCOMPARE(choices(), (QStringList{"One minute till 1 o'clock", "29 minutes till 7 o'clock",
                                         "1 minute after 1 o'clock"}));
        QCOMPARE(text("Label13"), QStringLiteral("Which is correct?"));
        QVERIFY(!choice(3)->isChecked());
        QCOMPARE(form->focusWidget(), choice(1));
        // A new clock scores again.
        doubleClick(choice(1));
        QCOMPARE(text("Label13"), QStringLiteral("Correct  -  12:59"));
        QCOMPARE(session().TimeScore, qint16(4));
        clickOn("ReturnComButton");
        processEvents();
        QVERIFY(!Forms::find(windows::ClockQuiz));
        QCOMPARE(session().TimeScore, qint16(4));
    }
};

QTEST_MAIN(TestTellTime)
#include "tst_tell_time.moc"
