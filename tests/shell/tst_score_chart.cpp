// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's records in the previous-scores window: where records
// stand in time, the score axis, and the lines drawn in each activity's colour.
#include "TestKit.h"

#include "shell/ScoreChart.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "shell/PreviousScores.h"
#include "ui/Forms.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace kt;
using kt::test::Sandbox;

namespace {

enum Activity { Num, Add, Sub, Mul, Div, Frac, Alph, Spel, Time };

ScoreRecord record(QDate date, QTime time, std::array<qint16, 9> scores)
{
    return ScoreRecord{date, time, QStringLiteral("Ann"), scores};
}

QByteArray fileOf(const QList<ScoreRecord>& records)
{
    QByteArray bytes;
    for (const ScoreRecord& r : records)
        bytes += scoreRecordLine(r);
    return bytes;
}

// Ann: three records a day apart (so at 0, 1/2 and 1 of the time axis), points
// in addition and the alphabet only; the highest score, 10, tops the axis.
const QList<ScoreRecord> annRecords{record({2026, 12, 5}, {9, 30}, {0, 2, 0, 0, 0, 0, 10, 0, 0}),
                                    record({2026, 12, 6}, {9, 30}, {0, 4, 0, 0, 0, 0, 0, 0, 0}),
                                    record({2026, 12, 7}, {9, 30}, {0, 6, 0, 0, 0, 0, 5, 0, 0})};
// Bob: one record with 3 points in multiplication (axis top 5).
const QList<ScoreRecord> bobRecords{record({2026, 11, 1}, {17, 0}, {0, 0, 0, 3, 0, 0, 0, 0, 0})};

// Where a score at a time position lands, from the plot rectangle alone.
QPoint expectedPixel(const ScoreChart* chart, double position, double score, double top)
{
    const QRect plot = chart->plotArea();
    return QPointF(plot.left() + position * (plot.width() - 1), plot.bottom() - score / top * (plot.height() - 1))
        .toPoint();
}

// Whether the pixel at `at`, or one next to it, has exactly `colour`.
bool colourAt(const QImage& image, QPoint at, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(at + QPoint(dx, dy)).rgb() == colour.rgb())
                return true;
    return false;
}

bool colourAnywhere(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

QImage picture(ScoreChart* chart) { return chart->grab().toImage(); }

} // namespace

class TestScoreChart : public QObject {
    Q_OBJECT

private slots:
    void axisTop_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("top");
        QTest::newRow("no points") << 0 << 1;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("two") << 2 << 2;
        QTest::newRow("three") << 3 << 5;
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("eleven") << 11 << 20;
        QTest::newRow("125") << 125 << 200;
        QTest::newRow("largest score") << 32767 << 50000;
    }
    void axisTop()
    {
        QFETCH(int, highest);
        QFETCH(int, top);
        QCOMPARE(kt::axisTop(highest), top);
    }

    void timePositions_data()
    {
        QTest::addColumn<QList<ScoreRecord>>("records");
        QTest::addColumn<QList<double>>("positions");
        const std::array<qint16, 9> none{};
        QTest::newRow("none") << QList<ScoreRecord>{} << QList<double>{};
        QTest::newRow("one record stands in the middle") << QList{record({2026, 12, 5}, {9, 0}, none)} << QList<double>{0.5};
        QTest::newRow("one moment") << QList{record({2026, 12, 5}, {9, 0}, none), record({2026, 12, 5}, {9, 0}, none)}
                                    << QList<double>{0.5, 0.5};
        QTest::newRow("by time of day") << QList{record({2026, 12, 5}, {9, 0}, none), record({2026, 12, 5}, {10, 0}, none),
                                                 record({2026, 12, 5}, {13, 0}, none)}
                                        << QList<double>{0, 0.25, 1};
        QTest::newRow("across a year's end") << QList{record({2026, 12, 31}, {0, 0}, none), record({2027, 1, 2}, {0, 0}, none)}
                                             << QList<double>{0, 1};
        QTest::newRow("out of order, by own time") << QList{record({2026, 12, 7}, {0, 0}, none), record({2026, 12, 5}, {0, 0}, none),
                                                            record({2026, 12, 6}, {0, 0}, none)}
                                                   << QList<double>{1, 0, 0.5};
    }
    void timePositions()
    {
        QFETCH(QList<ScoreRecord>, records);
        QFETCH(QList<double>, positions);
        QCOMPARE(kt::timePositions(records), positions);
    }

    void activitiesHaveTheirOwnColours()
    {
        QSet<QRgb> colours;
        for (int a = 0; a < kScoreActivities; ++a)
            colours << activityColour(a).rgb();
        QCOMPARE(colours.size(), kScoreActivities);
        QVERIFY(!colours.contains(qbColor(15).rgb())); // none vanishes on the white plot
    }

    // Opening the window on Ann draws her lines; choosing Bob draws his instead.
    void windowChartsTheChosenChild()
    {
        Sandbox sandbox;
        sandbox.writeDataFile(QStringLiteral("Ann.scr"), fileOf(annRecords));
        sandbox.writeDataFile(QStringLiteral("Bob.scr"), fileOf(bobRecords));
        session().UserName = QStringLiteral("Ann");
        auto* form = dynamic_cast<PreviousScores*>(Forms::show(windows::PreviousScores));
        QVERIFY(form);
        ScoreChart* chart = kt::test::control<ScoreChart>(form, QStringLiteral("Chart"));
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->chartedActivities(), (QList<int>{Add, Alph}));

        QImage image = picture(chart);
        const QColor add = activityColour(Add), alph = activityColour(Alph);
        // Each record's dot, and the middle of each line between two records.
        for (const auto& [position, score] : {std::pair{0.0, 2.0}, {0.5, 4.0}, {1.0, 6.0}, {0.25, 3.0}, {0.75, 5.0}})
            QVERIFY2(colourAt(image, expectedPixel(chart, position, score, 10), add),
                     qPrintable(QStringLiteral("addition at %1, %2").arg(position).arg(score)));
        for (const auto& [position, score] : {std::pair{0.0, 10.0}, {0.5, 0.0}, {1.0, 5.0}, {0.25, 5.0}, {0.75, 2.5}})
            QVERIFY2(colourAt(image, expectedPixel(chart, position, score, 10), alph),
                     qPrintable(QStringLiteral("alphabet at %1, %2").arg(position).arg(score)));
        // Only where the records put them: the plot's other corner is white.
        QCOMPARE(image.pixelColor(expectedPixel(chart, 0.5, 9, 10)).rgb(), qbColor(15).rgb());
        // An activity without points draws no line and has no legend entry.
        for (const int quiet : {Num, Sub, Mul, Div, Frac, Spel})
            QVERIFY2(!colourAnywhere(image, activityColour(quiet)), qPrintable(activityHeading(quiet)));

        form->CboNames->setText(QStringLiteral("Bob"));
        QCOMPARE(chart->chartedActivities(), QList<int>{Mul});
        image = picture(chart);
        QVERIFY(colourAt(image, expectedPixel(chart, 0.5, 3, 5), activityColour(Mul)));
        QVERIFY(!colourAnywhere(image, add) && !colourAnywhere(image, alph));

        // A name without a score file charts nothing.
        form->CboNames->setText(QStringLiteral("Nobody"));
        QVERIFY(chart->chartedActivities().isEmpty());
        QVERIFY(!colourAnywhere(picture(chart), activityColour(Mul)));
    }

};

QTEST_MAIN(TestScoreChart)
#include "tst_score_chart.moc"
