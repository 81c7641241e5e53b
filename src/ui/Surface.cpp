// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Surface.h"

#include "ui/Palette.h"
#include "ui/Timer.h"

#include <QPainter>
#include <QPaintEvent>

namespace kt {

Surface::Surface(QWidget* parent) : QWidget(parent), m_background(qbColor(7))
{
    setObjectName(QStringLiteral("surface"));
}

void Surface::setBackground(const QColor& colour)
{
    m_background = colour;
    update();
}

void Surface::setPicture(const QImage& picture)
{
    m_readPicture = {};
    m_pendingPicture = {};
    m_picture = picture;
    if (m_pictureRelease)
        m_pictureRelease->setEnabled(false);
    update();
}

void Surface::setPicture(std::function<QImage()> read, PictureCopy copy)
{
    m_pendingPicture = std::async(std::launch::async, read);
    m_readPicture = copy == PictureCopy::LetGoWhenIdle ? std::move(read) : std::function<QImage()>();
    m_picture = QImage();
    if (m_pictureRelease) {
        m_pictureRelease->setEnabled(false);
    } else if (m_readPicture) {
        // A burst of paints at start-up shares one copy.
        m_pictureRelease = new Timer(this, QStringLiteral("pictureRelease"), 2000);
        m_pictureRelease->onTimer([this] {
            m_pictureRelease->setEnabled(false);
            m_picture = QImage();
        });
    }
    update();
}

const QImage& Surface::picture() const
{
    if (m_pendingPicture.valid())
        m_picture = m_pendingPicture.get();
    else if (m_picture.isNull() && m_readPicture)
        m_picture = m_readPicture();
    return m_picture;
}

QImage& Surface::canvas()
{
    // Drawing may start in Form_Load, before the layout has given the surface
    // its designed size.
    const QSize wanted = size().expandedTo(minimumSize()).expandedTo(QSize(1, 1));
    if (m_canvas.size() != wanted) {
        QImage grown(wanted, QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        if (!m_canvas.isNull()) {
            QPainter painter(&grown);
            painter.drawImage(0, 0, m_canvas);
        }
        m_canvas = grown;
    }
    return m_canvas;
}

void Surface::clearCanvas()
{
    // A window that never draws never pays for a canvas.
    m_canvas = QImage();
    update();
}

QImage Surface::render() const
{
    QImage image(size().expandedTo(minimumSize()).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), m_background);
    if (!picture().isNull())
        painter.drawImage(0, 0, picture());
    if (!m_canvas.isNull())
        painter.drawImage(0, 0, m_canvas);
    return image;
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, m_background);
    if (!picture().isNull())
        painter.drawImage(area, picture(), area);
    if (!m_canvas.isNull())
        painter.drawImage(area, m_canvas, area);
    if (m_readPicture)
        m_pictureRelease->setEnabled(true);
}

void Surface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_canvas.isNull())
        canvas();
}

} // namespace kt
