// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight equation types of the Solve Equations menu, as data: the rows of
// each window from the equation in letters down to the answer, its entry
// boxes in Enter order, and how X is found. Types 5 and 6 are the right
// triangle (Pythagoras); the others are linear.
#include "shell/WorkingRow.h"

#include <QStringList>

namespace kt {

struct EquationType {
    enum class Kind {
        Linear,     // X by the formula; a must not be 0
        Hypotenuse, // X = the root of the formula's a^2 + b^2
        Leg,        // X = the root of a^2 - b^2; b may not be longer than a
    };
    int number = 0;
    Kind kind = Kind::Linear;
    QList<working::Row> rows;
    // The boxes in the order Enter walks them; Enter in the last one solves,
    // and the first one gets the focus after Solve and Clear.
    QStringList enterOrder;
    // X for a linear type; the number under the root for a triangle.
    double (*formula)(double a, double b, double c) = nullptr;

    bool isTriangle() const { return kind != Kind::Linear; }
};

// Types 1 to 8.
const EquationType& equationType(int number);

} // namespace kt
