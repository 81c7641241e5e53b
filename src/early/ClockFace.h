// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock quiz without its window: random times by level, the three times
// of a question, the spoken-style phrases, the right answer in digits, and
// where the hands end on the face.
#include <QPointF>
#include <QString>
#include <array>
#include <functional>

namespace kt {

struct ClockTime {
    int hour = 0;   // 1..12 (0 before the first clock is drawn)
    int minute = 0; // 0..59
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// The minutes a level allows: level 1 whole hours, 2 quarter hours, 3 five
// minute steps, 4 (and above) any minute. Minutes are rounded down.
int minuteForLevel(int minute, int level);

// minute = Int(60 r), then hour = Int(12 r) + 1, then the level's rounding.
ClockTime randomTime(int level, const std::function<double()>& next);

// Three times with three different hours (their minutes may coincide): the
// second is drawn again until its hour differs from the first's, the third
// until it differs from both.
std::array<ClockTime, 3> threeTimes(int level, const std::function<double()>& next);

// "3 o'clock", "1 minute after 3 o'clock", "15 minutes after 3 o'clock",
// "15 minutes till 4 o'clock", "One minute till 1 o'clock" (12 is followed by 1).
QString timePhrase(int minute, int hour);

// The verdict for the right choice: "Correct  -  3:05" (the hour with its
// leading space, the minute as two digits).
QString correctVerdict(const ClockTime& time);

// Hand angles in degrees, counter-clockwise from 3 o'clock.
double minuteHandAngle(int minute);
double hourHandAngle(int hour, int minute);

// The clock's centre in the quiz window's drawing coordinates, and the hand
// and tick lengths.
inline constexpr double ClockCentreX = -119;
inline constexpr double ClockCentreY = -43;
inline constexpr double TickRadius = 100;
inline constexpr double MinuteHandLength = 75;
inline constexpr double HourHandLength = 50;

// The end of a line of `length` from the centre at `angle` degrees: each
// offset is the floor of length x cos (x) or length x sin (y), the angle
// turned to radians by dividing by 57.296.
QPointF handEnd(double angleDegrees, double length);

} // namespace kt
