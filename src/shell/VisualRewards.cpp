// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/VisualRewards.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

namespace kt {

namespace {
constexpr int PictureLeft = 240;
constexpr int PictureTop = 240;
constexpr int PictureWidth = 6480;
constexpr int PictureHeight = 4860;
} // namespace

VisualRewards::VisualRewards() : Form(windows::VisualRewards)
{
    setCaption(QStringLiteral("Visual Reward"));
    setSizeTwips(6960, 5940);
    setBackColor(Colour::White);
    // The child goes on spelling while the picture shows.
    showWithoutFocus();
    Image1 = addImage(QStringLiteral("Image1"), PictureLeft, PictureTop, PictureWidth, PictureHeight);
    Label1 = addLabel(QStringLiteral("Label1"), PictureLeft, 5280, PictureWidth, 480);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFontSize(8);
    Timer1 = addTimer(QStringLiteral("Timer1"), 5000, false);
    Timer1->onTimer([this] { Timer1_Timer(); });
}

void VisualRewards::Form_Load()
{
    // The five seconds count from the moment the window appears.
    Timer1->setEnabled(true);
    centre();

    const QString dir = session().dataDirectory() + QLatin1Char('/');
    m_files = Paths::match(session().dataDirectory(), QStringLiteral("*.bmp")).mid(0, MaxPictures);
    if (m_files.isEmpty())
        return; // nothing to show; the window still closes on time

    const int count = int(m_files.size());
    const int k = qBound(0, int(intFloor(count * rnd())), count - 1);
    const QString path = dir + m_files.at(k);
    if (Image1->loadPicture(path)) {
        Label1->setText(path);
        placePicture();
    } else {
        // A picture that cannot be read leaves the window empty.
        Image1->clearPicture();
        Label1->clear();
    }
}

void VisualRewards::Timer1_Timer() { unload(); }

void VisualRewards::placePicture()
{
    const QSize area(px(PictureWidth), px(PictureHeight));
    const QPixmap picture = Image1->pixmap();
    if (picture.width() > area.width() || picture.height() > area.height()) {
        const QPixmap smaller = picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        Image1->setPixmap(smaller);
        Image1->resize(smaller.size());
    }
    Image1->move(px(PictureLeft) + (area.width() - Image1->width()) / 2,
                 px(PictureTop) + (area.height() - Image1->height()) / 2);
}

} // namespace kt
