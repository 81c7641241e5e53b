// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <future>

namespace kt {

class Timer;

// Whether a surface keeps its own copy of a picture read from a file.
enum class PictureCopy {
    Kept,
    // For a window that seldom repaints (the main window, behind every
    // activity): once painted, only the window's back buffer holds the
    // picture; a later repaint reads it again.
    LetGoWhenIdle,
};

// The client area: background colour, optional picture and the drawing
// canvas, painted under the child controls so a repaint never loses drawing.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);
    QColor background() const { return m_background; }
    void setBackground(const QColor& colour);
    void setPicture(const QImage& picture);
    // A picture read by `read` on a worker thread: the first paint or look
    // waits for it.
    void setPicture(std::function<QImage()> read, PictureCopy copy);
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
    std::function<QImage()> m_readPicture;
    mutable std::future<QImage> m_pendingPicture;
    mutable QImage m_picture;
    // Lets go of the picture once the surface has not painted for a while.
    Timer* m_pictureRelease = nullptr;
    QImage m_canvas;
};

} // namespace kt
