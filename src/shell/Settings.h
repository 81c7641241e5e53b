// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <array>

namespace kt {

// The three switches kept between runs in "kitetu.dat": SoundOn,
// RandomWordOrder, VisualRewardsOn. A missing file is created as "0,0,0";
// what cannot be read from a damaged file keeps its default of 0.
void LoadSettings();
// The three switches from a settings file's bytes, in the order above: the
// first three fields whatever the lines, each 0 or 1, anything else 0.
std::array<qint16, 3> readSettingsSwitches(const QByteArray& bytes);
// Replaces the file whole; false (with the reason) when it cannot be written.
bool SaveSettings(QString* error = nullptr);

} // namespace kt
