// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ScoreChart.h"

#include "ui/Form.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numeric>

namespace kt {

namespace {
// Room around the plot: the legend above, score labels left, dates below.
constexpr int LegendHeight = 20;
constexpr int LeftMargin = 40;
constexpr int RightMargin = 12;
constexpr int BottomMargin = 20;
constexpr int LineWidth = 3;
constexpr int DotRadius = 4;
// Space inside the frame, so a dot at an edge is drawn whole.
constexpr int Inset = DotRadius + 2;

qint64 moment(const ScoreRecord& record)
{
    return QDateTime(record.date, record.time.isValid() ? record.time : QTime(0, 0)).toSecsSinceEpoch();
}
} // namespace

QString activityHeading(int activity)
{
    static const char* const headings[kScoreActivities] = {"Num", "Add", "Sub", "Mul", "Div",
                                                           "Frac", "Alph", "Spel", "Time"};
    return activity >= 0 && activity < kScoreActivities ? QString::fromLatin1(headings[activity]) : QString();
}

QColor activityColour(int activity)
{
    // Strong colours of the palette, which stand out on the white plot; none
    // is the black of the text or the grey of the frame.
    static const int colours[kScoreActivities] = {Colour::DarkGrey, Colour::Red,   Colour::Green,
                                                  Colour::Blue,     Colour::Magenta, Colour::Brown,
                                                  Colour::Cyan,     Colour::LightBlue, Colour::LightRed};
    return qbColor(activity >= 0 && activity < kScoreActivities ? colours[activity] : Colour::Black);
}

QList<double> timePositions(const QList<ScoreRecord>& records)
{
    QList<double> positions;
    if (records.isEmpty())
        return positions;
    qint64 first = moment(records.first()), last = first;
    for (const ScoreRecord& record : records) {
        first = std::min(first, moment(record));
        last = std::max(last, moment(record));
    }
    for (const ScoreRecord& record : records)
        positions << (last == first ? 0.5 : double(moment(record) - first) / double(last - first));
    return positions;
}

int axisTop(int highest)
{
    for (int power = 1;; power *= 10)
        for (const int step : {1, 2, 5})
            if (step * power >= highest || power > 10000)
                return step * power;
}

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent)
{
    setFont(sansFont(8));
}

void ScoreChart::setRecords(const QList<ScoreRecord>& records)
{
    m_records = records;
    m_positions = timePositions(records);
    m_charted.clear();
    int highest = 0, lowest = 0;
    for (int activity = 0; activity < kScoreActivities; ++activity) {
        bool points = false;
        for (const ScoreRecord& record : records) {
            const int score = record.scores[size_t(activity)];
            points = points || score != 0;
            highest = std::max(highest, score);
            lowest = std::min(lowest, score);
        }
        if (points)
            m_charted << activity;
    }
    m_top = axisTop(highest);
    m_bottom = lowest < 0 ? -axisTop(-lowest) : 0;
    update();
}

QRect ScoreChart::plotArea() const
{
    return QRect(LeftMargin + Inset, LegendHeight + Inset, std::max(1, width() - LeftMargin - RightMargin - 2 * Inset),
                 std::max(1, height() - LegendHeight - BottomMargin - 2 * Inset));
}

QPointF ScoreChart::pointFor(int index, int score) const
{
    const QRectF plot = plotArea();
    const double x = plot.left() + m_positions.value(index, 0.5) * (plot.width() - 1);
    const double y = plot.bottom() - double(score - m_bottom) / double(m_top - m_bottom) * (plot.height() - 1);
    return {x, y};
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect plot = plotArea();
    const QRect frame = plot.adjusted(-Inset, -Inset, Inset, Inset);
    p.fillRect(frame, Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(frame.adjusted(0, 0, -1, -1));

    const QFontMetrics metrics(font());
    if (m_records.isEmpty() || m_charted.isEmpty()) {
        p.drawText(frame, Qt::AlignCenter,
                   m_records.isEmpty() ? QStringLiteral("No records to chart") : QStringLiteral("No points yet"));
        return;
    }

    // Score axis: the bottom, the middle and the top, with faint grid lines.
    p.setPen(qbColor(Colour::Black));
    for (const int score : {m_bottom, (m_bottom + m_top) / 2, m_top}) {
        const int y = int(pointFor(0, score).y());
        if (score != m_bottom) {
            p.setPen(QColor(224, 224, 224));
            p.drawLine(frame.left() + 1, y, frame.right() - 1, y);
            p.setPen(qbColor(Colour::Black));
        }
        p.drawText(QRect(0, y - metrics.height() / 2, LeftMargin - 4, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(score));
    }
    // Time axis: the first and the last record's dates.
    const auto dateText = [](const ScoreRecord& r) { return QLocale::c().toString(r.date, QStringLiteral("dd-MMM-yy")); };
    const int dateTop = frame.bottom() + 3;
    p.drawText(QRect(frame.left(), dateTop, frame.width() / 2, BottomMargin), Qt::AlignLeft | Qt::AlignTop,
               dateText(m_records.at(int(std::min_element(m_positions.cbegin(), m_positions.cend()) - m_positions.cbegin()))));
    p.drawText(QRect(frame.center().x(), dateTop, frame.width() / 2, BottomMargin), Qt::AlignRight | Qt::AlignTop,
               dateText(m_records.at(int(std::max_element(m_positions.cbegin(), m_positions.cend()) - m_positions.cbegin()))));

    // The legend: a short stroke of each charted activity's colour and its heading.
    int x = LeftMargin;
    for (const int activity : std::as_const(m_charted)) {
        p.setPen(QPen(activityColour(activity), LineWidth));
        p.drawLine(x, LegendHeight / 2, x + 16, LegendHeight / 2);
        p.setPen(qbColor(Colour::Black));
        const QString heading = activityHeading(activity);
        p.drawText(QRect(x + 20, 0, metrics.horizontalAdvance(heading) + 2, LegendHeight), Qt::AlignVCenter, heading);
        x += 20 + metrics.horizontalAdvance(heading) + 14;
    }

    // The lines, in time order, with a dot at each record.
    QList<int> order(m_records.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return m_positions[a] < m_positions[b]; });
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(frame.adjusted(1, 1, -1, -1));
    for (const int activity : std::as_const(m_charted)) {
        const QColor colour = activityColour(activity);
        QPainterPath path;
        for (int i = 0; i < order.size(); ++i) {
            const QPointF point = pointFor(order[i], m_records[order[i]].scores[size_t(activity)]);
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        p.setPen(QPen(colour, LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (const int index : std::as_const(order))
            p.drawEllipse(pointFor(index, m_records[index].scores[size_t(activity)]), DotRadius, DotRadius);
    }
}

} // namespace kt
