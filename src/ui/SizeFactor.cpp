// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SizeFactor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace kt {

namespace {
double g_uiScale = 1.0;
} // namespace

double uiScale() { return g_uiScale; }

void setUiScale(double factor)
{
    g_uiScale = factor;
    // Menus and message boxes use the program's default font.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        static const QFont designed = QGuiApplication::font();
        QFont font = designed;
        font.setPointSizeF(designed.pointSizeF() * factor);
        QGuiApplication::setFont(font);
    }
}

double scaleForScreen(QSize available, int mainHeight, QSize largest)
{
    double wanted = mainHeight > 0 ? 2.0 * available.height() / 3.0 / mainHeight : 1.0;
    if (largest.height() > 0)
        wanted = qMin(wanted, double(available.height() - WindowFrameAllowance) / largest.height());
    if (largest.width() > 0)
        wanted = qMin(wanted, double(available.width() - WindowFrameAllowance) / largest.width());
    return qMax(1.0, std::floor(wanted * 4.0) / 4.0);
}

int px(int twips) { return qRound(twips * g_uiScale / TwipsPerPixel); }

int twips(int pixels) { return qRound(pixels * TwipsPerPixel / g_uiScale); }

namespace {
QFont scaledFont(const QStringList& families, int pointSize, bool bold)
{
    QFont font(families.first());
    font.setFamilies(families);
    font.setPointSizeF(pointSize * g_uiScale);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
} // namespace

QFont scriptFont(int pointSize, bool bold)
{
    return scaledFont({QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")},
                      pointSize, bold);
}

QFont sansFont(int pointSize, bool bold)
{
    return scaledFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")},
                      pointSize, bold);
}

QFont monoFont(int pointSize)
{
    return scaledFont({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")},
                      pointSize, false);
}

QImage scaledPicture(const QImage& picture) { return scaledPicture(picture, g_uiScale); }

QImage scaledPicture(const QImage& picture, double factor)
{
    if (picture.isNull() || factor == 1.0)
        return picture;
    const QSize size(qRound(picture.width() * factor), qRound(picture.height() * factor));
    // Whole factors keep the drawn pixels crisp.
    if (factor == std::floor(factor))
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Others are smoothed by the painter, on this thread: QImage's own
    // smoothing starts a pool of threads, which costs more at start-up than
    // the smoothing itself.
    QImage scaled(size, picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scaled.rect(), picture);
    return scaled;
}

} // namespace kt
