// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include "ui/DataFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace kt {

QImage readPicture(const QString& path)
{
    // Through the one reader of data files: a plain file only, never more
    // than 16 MB of it, and never a picture that would take more than 64 MB.
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return {};
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAllocationLimit(64);
    QImage image = reader.read();
    if (image.isNull()) {
        // A picture whose content does not match its name is still shown.
        buffer.seek(0);
        QImageReader probing(&buffer);
        probing.setAllocationLimit(64);
        image = probing.read();
    }
    return image;
}

} // namespace kt
