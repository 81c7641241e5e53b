// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the pictures the windows show.
#include <QImage>
#include <QString>

namespace kt {

// Reads a picture file trusting its extension first: probing every image
// plug-in for a plain BMP costs start-up time. Null when unreadable.
QImage readPicture(const QString& path);

} // namespace kt
