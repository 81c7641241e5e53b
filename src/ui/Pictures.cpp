// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include "ui/DataFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <limits>

namespace kt {
namespace {

// An uncompressed 24-bit BMP, the kind the program's own pictures are, read
// straight into an image; null for any other kind. Qt's reader converts such
// a file pixel by pixel, several milliseconds for the main window's picture
// at every start.
QImage readPlainBitmap(const QByteArray& bytes)
{
    constexpr qsizetype Headers = 14 + 40; // file header, then the smallest info header
    if (bytes.size() < Headers || !bytes.startsWith("BM"))
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 planes = qFromLittleEndian<quint16>(data + 26);
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    if (infoSize < 40 || planes != 1 || bitsPerPixel != 24 || compression != 0 || width <= 0 || height == 0
        || height == std::numeric_limits<qint32>::min())
        return {};
    const qint64 rows = qAbs(height);
    const qint64 rowBytes = (qint64(width) * 3 + 3) / 4 * 4;
    if (pixelsAt < Headers || pixelsAt > quint64(bytes.size()) || (bytes.size() - pixelsAt) / rowBytes < rows)
        return {};
    const QImage stored(data + pixelsAt, width, int(rows), rowBytes, QImage::Format_BGR888);
    // Rows are stored bottom first unless the height is negative.
    return height > 0 ? stored.mirrored().convertToFormat(QImage::Format_RGB32)
                      : stored.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage readPicture(const QString& path)
{
    // Through the one reader of data files: a plain file only, never more
    // than 16 MB of it, and never a picture that would take more than 64 MB.
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return {};
    if (QImage plain = readPlainBitmap(*bytes); !plain.isNull())
        return plain;
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
