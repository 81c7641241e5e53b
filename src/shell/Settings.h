#pragma once
#include <QString>

namespace kt {

// The three switches kept between runs in "kitetu.dat": SoundOn,
// RandomWordOrder, VisualRewardsOn. A missing file is created as "0,0,0";
// what cannot be read from a damaged file keeps its default of 0.
void LoadSettings();
// Replaces the file whole; false (with the reason) when it cannot be written.
bool SaveSettings(QString* error = nullptr);

} // namespace kt
