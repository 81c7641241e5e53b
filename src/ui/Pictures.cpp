// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace kt {

QImage readPicture(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    QImage image = reader.read();
    if (image.isNull()) {
        // A picture whose content does not match its name is still shown.
        QImageReader probing(path);
        image = probing.read();
    }
    return image;
}

} // namespace kt
