// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/ClockFace.h"

#include "ui/Numbers.h"

#include <cmath>

namespace kt {

int minuteForLevel(int minute, int level)
{
    switch (level) {
    case 1:
        return 0;
    case 2:
        return minute / 15 * 15;
    case 3:
        return minute / 5 * 5;
    default:
        return level < 1 ? 0 : minute;
    }
}

ClockTime randomTime(int level, const std::function<double()>& next)
{
    ClockTime time;
    time.minute = qBound(0, int(intFloor(60 * next())), 59);
    time.hour = qBound(1, int(intFloor(12 * next())) + 1, 12);
    time.minute = minuteForLevel(time.minute, level);
    return time;
}

std::array<ClockTime, 3> threeTimes(int level, const std::function<double()>& next)
{
    std::array<ClockTime, 3> times;
    times[0] = randomTime(level, next);
    do
        times[1] = randomTime(level, next);
    while (times[1].hour == times[0].hour);
    do
        times[2] = randomTime(level, next);
    while (times[2].hour == times[0].hour || times[2].hour == times[1].hour);
    return times;
}

QString timePhrase(int minute, int hour)
{
    const QString oclock = QStringLiteral(" o'clock");
    const QString nextHour = plain(hour == 12 ? 1 : hour + 1);
    if (minute <= 0)
        return plain(hour) + oclock;
    if (minute == 1)
        return QStringLiteral("1 minute after ") + plain(hour) + oclock;
    if (minute <= 30)
        return plain(minute) + QStringLiteral(" minutes after ") + plain(hour) + oclock;
    if (minute <= 58)
        return plain(60 - minute) + QStringLiteral(" minutes till ") + nextHour + oclock;
    return QStringLiteral("One minute till ") + nextHour + oclock;
}

QString correctVerdict(const ClockTime& time)
{
    return QStringLiteral("Correct") + QStringLiteral("  - ") + spaced(time.hour) + QLatin1Char(':') +
           zeroPadded(time.minute, 2);
}

double minuteHandAngle(int minute) { return 90 - 6 * minute; }

double hourHandAngle(int hour, int minute) { return 90 - (30 * hour + minute / 2.0); }

QPointF handEnd(double angleDegrees, double length)
{
    const double radians = angleDegrees / 57.296;
    return {ClockCentreX + intFloor(length * std::cos(radians)), ClockCentreY + intFloor(length * std::sin(radians))};
}

} // namespace kt
