// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>

namespace kt {

// The public flag the main menu sets before showing a scored window: its
// score label is shown only while the flag is 0.
struct HideScoreFlag {
    virtual ~HideScoreFlag() = default;
    qint16 HideScore = 0;
};

} // namespace kt
