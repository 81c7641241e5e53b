// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A child's score records as a chart over time: one line per activity that
// earned points in any record, in that activity's own colour, with a legend.
// Painted with QPainter: a few dozen lines of drawing, where a charting
// module would load several shared libraries (OpenGL among them) into every
// start of the program.
#include "shell/SessionState.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

namespace kt {

// The activities of a record in score order, as the record headings name them.
inline constexpr int kScoreActivities = 9;
QString activityHeading(int activity); // "Num", "Add", ... "Time"
QColor activityColour(int activity);   // a colour of the classic palette, one per activity

// Where each record stands on the time axis, from 0 (the first record's date
// and time) to 1 (the last's); records out of order are placed by their own
// time. One record, or records all of one moment, stand in the middle.
QList<double> timePositions(const QList<ScoreRecord>& records);

// The top of the score axis: the smallest of 1, 2 or 5 times a power of ten
// that is at least `highest` (and at least 1, so an all-zero chart has an axis).
int axisTop(int highest);

class ScoreChart : public QWidget {
    Q_OBJECT
public:
    explicit ScoreChart(QWidget* parent = nullptr);

    // Shows `records` (oldest first, as a score file keeps them); none clears the chart.
    void setRecords(const QList<ScoreRecord>& records);
    // The activities drawn, in score order.
    QList<int> chartedActivities() const { return m_charted; }

    // The rectangle the records are mapped into (the first record at its
    // left edge, the axis top at its top), in the widget's pixels, and the
    // pixel where record `index` puts a score of `score`.
    QRect plotArea() const;
    QPointF pointFor(int index, int score) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<ScoreRecord> m_records;
    QList<double> m_positions;
    QList<int> m_charted;
    int m_bottom = 0;
    int m_top = 1;
};

} // namespace kt
