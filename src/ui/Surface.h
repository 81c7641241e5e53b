// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

#include <future>

namespace kt {

// The client area: background colour, optional picture and the drawing
// canvas, painted under the child controls so a repaint never loses drawing.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);
    QColor background() const { return m_background; }
    void setBackground(const QColor& colour);
    void setPicture(const QImage& picture);
    // A picture still being read: the first paint or look waits for it.
    void setPicture(std::future<QImage> picture);
    bool hasPicture() const { return !picture().isNull(); }
    // The drawing, made on first use at the surface's size.
    QImage& canvas();
    void clearCanvas();
    // What the child sees: background, picture and drawing (without controls).
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage& picture() const;

    QColor m_background;
    mutable std::future<QImage> m_pendingPicture;
    mutable QImage m_picture;
    QImage m_canvas;
};

} // namespace kt
