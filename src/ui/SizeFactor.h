// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's size factor and what it scales: twips to pixels, the faces
// of the windows' text, and pictures. Windows are written in designed units
// (twips, points, designed pixels); these turn them into what is shown.
#include <QFont>
#include <QSize>

class QImage;

namespace kt {

constexpr int TwipsPerPixel = 15;

// The program's size factor: windows were designed for small screens, so
// everything (geometry, fonts, pen widths, drawing, pictures) is shown this
// many times larger. Chosen once at start, before the first window is made.
double uiScale();
void setUiScale(double factor);
// Room a window manager's title bar and frame take around a window, in
// screen pixels.
constexpr int WindowFrameAllowance = 48;
// The factor for a screen whose free area (without desktop panels) is
// `available` pixels: a picture `mainHeight` designed pixels high takes about
// two thirds of its height, and the largest window (`largest`, in designed
// pixels) fits it whole with its frame. Quarter steps, never below 1.
double scaleForScreen(QSize available, int mainHeight, QSize largest);

// Twips to screen pixels at the program's size factor, and back.
int px(int twips);
int twips(int pixels);

// Child-friendly script face for digits and answers, the plain face and the
// typewriter face, at the designed point size times the size factor.
QFont scriptFont(int pointSize, bool bold = false);
QFont sansFont(int pointSize, bool bold = false);
QFont monoFont(int pointSize);
// A picture as shown at the size factor (or at `factor`).
QImage scaledPicture(const QImage& picture);
QImage scaledPicture(const QImage& picture, double factor);

} // namespace kt
