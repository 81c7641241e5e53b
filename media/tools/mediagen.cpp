// SPDX-License-Identifier: GPL-3.0-or-later
// kite-mediagen: draws Kite-Tutor's pictures and synthesizes its applause.
//
//   kite-mediagen pictures OUTDIR ICONDIR SIZE...
//                                            all BMP pictures into OUTDIR and
//                                            the program icon in each size,
//                                            ICONDIR/NxN/apps/*.png
//   kite-mediagen applause OUT.wav           a short burst of clapping
//
// Everything here is drawn with QPainter from simple shapes, so the pictures
// are the same on every build.  Pictures are saved as 24-bit BMP because the
// program loads window backgrounds and icons by their .bmp names.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// ---------------------------------------------------------------- helpers

QFont kidFont(int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("Comic Neue"));
    f.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage canvas(int w, int h, const QColor &fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

bool saveBmp(const QImage &img, const QString &dir, const QString &name)
{
    // RGB888 makes the BMP writer store 24 bits a pixel, no alpha.
    const QString path = QDir(dir).filePath(name);
    if (!img.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        std::fprintf(stderr, "kite-mediagen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void outlinedText(QPainter &p, const QPointF &at, const QString &text, const QFont &font,
                  const QColor &fill, const QColor &outline, qreal outlineWidth)
{
    QPainterPath path;
    path.addText(at, font, text);
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void sky(QPainter &p, int w, int h, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, w, h, g);
}

void cloud(QPainter &p, qreal x, qreal y, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QPointF(x, y), 28 * s, 18 * s);
    p.drawEllipse(QPointF(x + 26 * s, y - 10 * s), 24 * s, 20 * s);
    p.drawEllipse(QPointF(x + 52 * s, y), 26 * s, 16 * s);
    p.drawEllipse(QPointF(x + 24 * s, y + 6 * s), 34 * s, 14 * s);
}

void sun(QPainter &p, qreal x, qreal y, qreal r, bool face)
{
    p.setPen(QPen(QColor(255, 200, 0), r * 0.12, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(QPointF(x + std::cos(a) * r * 1.25, y + std::sin(a) * r * 1.25),
                   QPointF(x + std::cos(a) * r * 1.6, y + std::sin(a) * r * 1.6));
    }
    QRadialGradient g(QPointF(x - r / 3, y - r / 3), r * 1.3);
    g.setColorAt(0, QColor(255, 250, 170));
    g.setColorAt(1, QColor(255, 205, 20));
    p.setPen(QPen(QColor(240, 170, 0), 2));
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), r, r);
    if (face) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 70, 0));
        p.drawEllipse(QPointF(x - r * 0.33, y - r * 0.15), r * 0.09, r * 0.13);
        p.drawEllipse(QPointF(x + r * 0.33, y - r * 0.15), r * 0.09, r * 0.13);
        p.setPen(QPen(QColor(120, 70, 0), r * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - r * 0.45, y - r * 0.3, r * 0.9, r * 0.75), 200 * 16, 140 * 16);
    }
}

void flower(QPainter &p, qreal x, qreal y, const QColor &petal)
{
    p.setPen(QPen(QColor(60, 140, 50), 2));
    p.drawLine(QPointF(x, y), QPointF(x, y + 14));
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(x + std::cos(a) * 4.5, y + std::sin(a) * 4.5), 3.6, 3.6);
    }
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(x, y), 3, 3);
}

// A four-coloured diamond kite centred at (0,0), height h, in the painter's
// current transform.  Returns nothing; the tail hangs from the bottom tip.
void kite(QPainter &p, qreal h, qreal tailSwing)
{
    const qreal w = h * 0.62;
    const QPointF top(0, -h * 0.42), right(w / 2, -h * 0.1), bottom(0, h * 0.58),
        left(-w / 2, -h * 0.1), mid(0, -h * 0.1);
    const QColor colours[4] = {QColor(235, 50, 60), QColor(255, 200, 40), QColor(50, 120, 230),
                               QColor(60, 180, 90)};
    const QPointF tris[4][3] = {{top, right, mid}, {right, bottom, mid}, {bottom, left, mid},
                                {left, top, mid}};
    p.setPen(QPen(QColor(60, 40, 30), std::max<qreal>(1.0, h / 60), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawPolygon(tris[i], 3);
    }
    p.setPen(QPen(QColor(110, 70, 40), std::max<qreal>(1.0, h / 45), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, bottom);
    p.drawLine(left, right);

    // Tail: a wavy string with little bows.
    QPainterPath tail(bottom);
    const qreal seg = h * 0.28;
    QPointF at = bottom;
    std::vector<QPointF> bows;
    for (int i = 0; i < 4; ++i) {
        const qreal side = (i % 2 == 0 ? 1 : -1) * h * 0.12 + tailSwing * h * 0.1 * (i + 1);
        const QPointF next(at.x() + tailSwing * h * 0.06, at.y() + seg);
        tail.quadTo(QPointF(at.x() + side, at.y() + seg / 2), next);
        at = next;
        bows.push_back(at);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(80, 60, 50), std::max<qreal>(1.0, h / 90)));
    p.drawPath(tail);
    const QColor bowColours[4] = {QColor(255, 120, 180), QColor(255, 160, 40),
                                  QColor(140, 90, 220), QColor(40, 190, 200)};
    const qreal b = h * 0.07;
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < bows.size(); ++i) {
        const QPointF c = bows[i];
        p.setBrush(bowColours[i % 4]);
        const QPointF l[3] = {c, c + QPointF(-b * 1.3, -b), c + QPointF(-b * 1.3, b)};
        const QPointF r[3] = {c, c + QPointF(b * 1.3, -b), c + QPointF(b * 1.3, b)};
        p.drawPolygon(l, 3);
        p.drawPolygon(r, 3);
    }
}

// ---------------------------------------------------------------- pictures

// Main window background: a dog flying a kite on a green hill.  The top
// strip is plain sky so the menu bar never hides anything.
QImage mainBackground()
{
    const int W = 641, H = 480;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, W, H, QColor(120, 200, 250), QColor(215, 240, 255));
    sun(p, 570, 95, 34, true);
    cloud(p, 70, 90, 1.0);
    cloud(p, 250, 150, 0.8);
    cloud(p, 400, 70, 0.6);

    // Hills.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 195, 90));
    p.drawEllipse(QPointF(540, 520), 330, 150);
    p.setBrush(QColor(130, 210, 100));
    p.drawEllipse(QPointF(170, 560), 430, 200);
    const QColor petals[3] = {QColor(255, 110, 140), QColor(255, 255, 255), QColor(170, 120, 255)};
    const QPointF flowers[] = {{40, 420}, {95, 455}, {330, 430}, {380, 462}, {470, 400},
                               {540, 440}, {600, 415}, {20, 465}, {290, 465}};
    int fi = 0;
    for (const QPointF &f : flowers)
        flower(p, f.x(), f.y(), petals[fi++ % 3]);

    // Kite high up on the right, with its string down to the dog's paw.
    const QPointF kiteAt(455, 150);
    const QPointF paw(262, 352);
    p.setPen(QPen(QColor(70, 70, 70), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath string(paw);
    string.cubicTo(QPointF(330, 300), QPointF(400, 250), kiteAt + QPointF(0, 10));
    p.drawPath(string);
    p.save();
    p.translate(kiteAt);
    p.rotate(12);
    kite(p, 120, -0.4);
    p.restore();

    // The dog, sitting on the hill and looking up.
    const QColor fur(222, 168, 100), dark(140, 85, 40), light(245, 215, 170);
    const QPen outline(QColor(90, 55, 25), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    // Tail, wagging up on the left.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 55, 25), 14, Qt::SolidLine, Qt::RoundCap));
    QPainterPath tail(QPointF(120, 395));
    tail.quadTo(QPointF(80, 380), QPointF(92, 335));
    p.drawPath(tail);
    p.setPen(QPen(fur, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(outline);
    // Body and back legs.
    p.setBrush(fur);
    p.drawEllipse(QPointF(170, 392), 62, 55);
    p.drawEllipse(QPointF(130, 428), 32, 20);
    p.setBrush(dark);
    p.drawEllipse(QPointF(150, 380), 20, 16); // a spot
    p.setBrush(light);
    p.drawEllipse(QPointF(195, 405), 28, 36); // chest
    // Front leg on the ground and the raised paw holding the string.
    p.setBrush(fur);
    p.drawRoundedRect(QRectF(185, 410, 24, 40), 10, 10);
    p.drawEllipse(QPointF(200, 450), 17, 9);
    // Head.
    p.drawEllipse(QPointF(205, 300), 46, 42);
    // Ears.
    p.setBrush(dark);
    p.save();
    p.translate(165, 295);
    p.rotate(20);
    p.drawEllipse(QPointF(0, 10), 15, 32);
    p.restore();
    p.save();
    p.translate(246, 292);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 10), 15, 32);
    p.restore();
    // Snout, nose, eyes, smile, tongue.
    p.setBrush(light);
    p.drawEllipse(QPointF(208, 318), 24, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(QPointF(208, 306), 8, 6);
    p.drawEllipse(QPointF(190, 285), 5.5, 7);
    p.drawEllipse(QPointF(226, 285), 5.5, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(192, 282), 2, 2);
    p.drawEllipse(QPointF(228, 282), 2, 2);
    p.setBrush(QColor(240, 100, 120));
    p.drawEllipse(QPointF(212, 330), 7, 9);
    p.setPen(QPen(QColor(60, 30, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(194, 310, 28, 18), 200 * 16, 140 * 16);
    // The raised front paw, in front of the chest, holding the string.
    p.setPen(outline);
    p.setBrush(fur);
    QPainterPath arm(QPointF(212, 392));
    arm.quadTo(QPointF(240, 380), paw + QPointF(-4, 8));
    p.setPen(QPen(QColor(90, 55, 25), 24, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arm);
    p.setPen(QPen(fur, 19, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(outline);
    p.setBrush(fur);
    p.drawEllipse(paw, 13, 12);
    // Collar with a tag.
    p.setPen(QPen(QColor(200, 30, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(170, 320, 72, 40), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(180, 130, 0), 1.5));
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPointF(206, 362), 6, 6);

    outlinedText(p, QPointF(345, 455), QStringLiteral("Kite-Tutor"), kidFont(52),
                 QColor(255, 230, 60), QColor(40, 90, 40), 6);
    return img;
}

// Alphabet background: a friendly worm in the garden.
QImage wormBackground()
{
    const int W = 641, H = 480;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, W, 330, QColor(200, 235, 255), QColor(240, 250, 255));
    sun(p, 585, 60, 26, false);
    cloud(p, 40, 60, 0.7);
    cloud(p, 300, 45, 0.55);
    // Ground with grass on top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 170, 125));
    p.drawRect(0, 330, W, H - 330);
    p.setBrush(QColor(120, 200, 90));
    p.drawRect(0, 318, W, 18);
    for (int x = 0; x < W; x += 9) {
        const QPointF blade[3] = {{qreal(x), 320}, {x + 4.5, qreal(306 + (x * 7) % 9)},
                                  {x + 9.0, 320}};
        p.drawPolygon(blade, 3);
    }
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> ux(0, W), uy(345, H - 5), ur(3, 7);
    p.setBrush(QColor(170, 135, 95));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(ux(rng), uy(rng)), ur(rng), ur(rng) * 0.7);
    flower(p, 500, 300, QColor(255, 110, 140));
    flower(p, 540, 305, QColor(255, 200, 60));
    flower(p, 580, 298, QColor(170, 120, 255));

    // The worm: a wave of pink segments, head on the right.
    const QColor pink(245, 140, 160), pinkDark(200, 85, 110);
    std::vector<QPointF> seg;
    for (int i = 0; i < 11; ++i)
        seg.emplace_back(60 + i * 24, 400 - 22 * std::sin(i * 0.8));
    p.setPen(QPen(pinkDark, 2.5));
    for (size_t i = 0; i < seg.size(); ++i) {
        p.setBrush(i % 2 ? pink : pink.lighter(108));
        p.drawEllipse(seg[i], 20, 20);
    }
    const QPointF head = seg.back() + QPointF(26, -30);
    p.setBrush(pink.lighter(105));
    p.drawEllipse(head, 32, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(head + QPointF(-10, -8), 8, 10);
    p.drawEllipse(head + QPointF(12, -8), 8, 10);
    p.setBrush(QColor(30, 30, 60));
    p.drawEllipse(head + QPointF(-8, -6), 4, 5);
    p.drawEllipse(head + QPointF(14, -6), 4, 5);
    p.setBrush(QColor(255, 120, 140, 160));
    p.drawEllipse(head + QPointF(-20, 8), 6, 4);
    p.drawEllipse(head + QPointF(22, 8), 6, 4);
    p.setPen(QPen(QColor(120, 40, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 14, head.y() - 4, 28, 20), 200 * 16, 140 * 16);
    // A little book cap, because this worm loves letters.
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(60, 60, 90));
    const QPointF cap[4] = {head + QPointF(-30, -28), head + QPointF(4, -44),
                            head + QPointF(34, -30), head + QPointF(2, -16)};
    p.drawPolygon(cap, 4);
    p.setPen(QPen(QColor(255, 200, 40), 2));
    p.drawLine(head + QPointF(2, -30), head + QPointF(28, -12));

    // Letters floating in the sky.
    const struct {
        QString t;
        QPointF at;
        QColor c;
    } letters[] = {{QStringLiteral("A"), {420, 170}, QColor(235, 60, 70)},
                   {QStringLiteral("b"), {480, 200}, QColor(60, 130, 230)},
                   {QStringLiteral("C"), {540, 160}, QColor(60, 170, 80)},
                   {QStringLiteral("d"), {595, 210}, QColor(240, 150, 30)}};
    for (const auto &l : letters)
        outlinedText(p, l.at, l.t, kidFont(54), l.c, Qt::white, 5);
    return img;
}

// Telling-time background: a mouse beside a big round clock.
QImage mouseBackground()
{
    const int W = 480, H = 360;
    QImage img = canvas(W, H, QColor(255, 247, 220));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Wallpaper stripes and a wooden floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 238, 200));
    for (int x = 0; x < W; x += 40)
        p.drawRect(x, 0, 18, 290);
    p.setBrush(QColor(205, 150, 95));
    p.drawRect(0, 290, W, H - 290);
    p.setPen(QPen(QColor(170, 115, 65), 2));
    for (int y = 305; y < H; y += 18)
        p.drawLine(0, y, W, y);

    // Clock.
    const QPointF c(330, 150);
    const qreal r = 100;
    p.setPen(QPen(QColor(120, 70, 30), 10));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * (r - 16),
                   c + QPointF(std::sin(a), -std::cos(a)) * (r - 7));
    }
    p.setFont(kidFont(22));
    p.setPen(QColor(40, 60, 140));
    for (int n = 1; n <= 12; ++n) {
        const qreal a = n * M_PI / 6;
        const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * (r - 32);
        p.drawText(QRectF(at.x() - 16, at.y() - 14, 32, 28), Qt::AlignCenter, QString::number(n));
    }
    // Hands at three o'clock.
    p.setPen(QPen(QColor(40, 110, 220), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(40, 0));
    p.setPen(QPen(QColor(220, 50, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -56));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(c, 7, 7);

    // The mouse, sitting on the floor on the left.
    const QColor grey(170, 170, 180), greyDark(100, 100, 115), pink(250, 170, 190);
    const QPen edge(greyDark, 2.5);
    p.setPen(QPen(greyDark, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail(QPointF(150, 300));
    tail.cubicTo(QPointF(200, 320), QPointF(210, 260), QPointF(180, 250));
    p.drawPath(tail);
    p.setPen(edge);
    p.setBrush(grey);
    p.drawEllipse(QPointF(110, 262), 50, 45); // body
    p.setBrush(grey.lighter(115));
    p.drawEllipse(QPointF(110, 275), 30, 28); // tummy
    p.setBrush(grey);
    p.drawEllipse(QPointF(88, 305), 18, 8); // feet
    p.drawEllipse(QPointF(132, 305), 18, 8);
    p.drawEllipse(QPointF(110, 190), 40, 36); // head
    for (int s : {-1, 1}) {
        p.setBrush(grey);
        p.drawEllipse(QPointF(110 + s * 40, 160), 26, 26);
        p.setBrush(pink);
        p.drawEllipse(QPointF(110 + s * 40, 160), 16, 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(96, 186), 5, 7);
    p.drawEllipse(QPointF(124, 186), 5, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(97.5, 183), 1.8, 1.8);
    p.drawEllipse(QPointF(125.5, 183), 1.8, 1.8);
    p.setBrush(pink.darker(115));
    p.drawEllipse(QPointF(110, 203), 7, 5);
    p.setPen(QPen(greyDark, 1.5));
    for (int s : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(110 + s * 10, 205 + k * 3), QPointF(110 + s * 38, 200 + k * 8));
    p.setPen(QPen(QColor(90, 40, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(100, 202, 20, 14), 200 * 16, 140 * 16);
    return img;
}

// English background: a woolly sheep saying hello.
QImage woollyBackground()
{
    const int W = 641, H = 480;
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, W, H, QColor(175, 220, 255), QColor(230, 245, 255));
    sun(p, 60, 70, 28, false);
    cloud(p, 420, 70, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 210, 110));
    p.drawEllipse(QPointF(320, 560), 520, 220);
    // Fence.
    p.setBrush(QColor(235, 225, 205));
    p.setPen(QPen(QColor(160, 140, 110), 2));
    p.drawRect(QRectF(330, 365, 311, 8));
    p.drawRect(QRectF(330, 390, 311, 8));
    for (int x = 340; x < W; x += 45) {
        const QPointF post[5] = {{qreal(x), 410}, {qreal(x), 352}, {x + 7.0, 344},
                                 {x + 14.0, 352}, {x + 14.0, 410}};
        p.drawPolygon(post, 5);
    }
    const QColor petals[3] = {QColor(255, 110, 140), QColor(255, 230, 60), QColor(170, 120, 255)};
    int fi = 0;
    for (QPointF f : {QPointF(300, 440), QPointF(360, 460), QPointF(430, 435), QPointF(520, 455),
                      QPointF(600, 440), QPointF(30, 445)})
        flower(p, f.x(), f.y(), petals[fi++ % 3]);

    // The sheep.
    const QPointF body(170, 360);
    p.setPen(QPen(QColor(60, 60, 60), 8, Qt::SolidLine, Qt::RoundCap));
    for (qreal dx : {-50.0, -20.0, 25.0, 55.0})
        p.drawLine(body + QPointF(dx, 30), body + QPointF(dx, 85));
    p.setPen(QPen(QColor(190, 190, 200), 2));
    p.setBrush(QColor(252, 252, 252));
    for (int i = 0; i < 14; ++i) {
        const qreal a = i * 2 * M_PI / 14;
        p.drawEllipse(body + QPointF(std::cos(a) * 70, std::sin(a) * 42), 28, 28);
    }
    p.setPen(Qt::NoPen);
    p.drawEllipse(body, 82, 55);
    // Head.
    const QPointF head = body + QPointF(88, -38);
    p.setBrush(QColor(70, 60, 60));
    p.save();
    p.translate(head + QPointF(-26, -12));
    p.rotate(-30);
    p.drawEllipse(QPointF(0, 0), 16, 8);
    p.restore();
    p.save();
    p.translate(head + QPointF(26, -12));
    p.rotate(30);
    p.drawEllipse(QPointF(0, 0), 16, 8);
    p.restore();
    p.drawEllipse(head, 26, 32);
    p.setPen(QPen(QColor(190, 190, 200), 2));
    p.setBrush(QColor(252, 252, 252));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(head + QPointF(-16 + i * 8, -30 + (i % 2) * 4), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(head + QPointF(-10, -6), 7, 8);
    p.drawEllipse(head + QPointF(10, -6), 7, 8);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(head + QPointF(-9, -5), 3.5, 4.5);
    p.drawEllipse(head + QPointF(11, -5), 3.5, 4.5);
    p.setPen(QPen(QColor(250, 170, 190), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 10, head.y() + 6, 20, 14), 200 * 16, 140 * 16);

    // Speech bubble.
    const QRectF bubble(300, 210, 130, 70);
    QPainterPath b;
    b.addRoundedRect(bubble, 30, 30);
    QPainterPath pointer;
    pointer.moveTo(310, 262);
    pointer.lineTo(head.x() + 22, head.y() - 14);
    pointer.lineTo(332, 276);
    pointer.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 120), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(b.united(pointer));
    p.setFont(kidFont(34));
    p.setPen(QColor(60, 90, 200));
    p.drawText(bubble, Qt::AlignCenter, QStringLiteral("Baa!"));
    return img;
}

// Counting faces (32x32).  mood: 0 straight mouth, 1 smiling, 2 laughing.
QImage singleFace(int mood)
{
    QImage img = canvas(32, 32, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 0), 1.5));
    QRadialGradient g(QPointF(12, 11), 18);
    g.setColorAt(0, QColor(255, 245, 120));
    g.setColorAt(1, QColor(255, 200, 0));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.2, 14.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(11, 12), 2, 2.6);
    p.drawEllipse(QPointF(21, 12), 2, 2.6);
    p.setPen(QPen(QColor(40, 30, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (mood == 0) {
        p.drawLine(QPointF(10.5, 21.5), QPointF(21.5, 21.5));
    } else if (mood == 1) {
        p.drawArc(QRectF(9, 12, 14, 11), 200 * 16, 140 * 16);
    } else {
        QPainterPath mouth;
        mouth.moveTo(8.5, 18);
        mouth.lineTo(23.5, 18);
        mouth.arcTo(QRectF(8.5, 11, 15, 15), 0, -180);
        mouth.closeSubpath();
        p.setPen(QPen(QColor(40, 30, 20), 1.2));
        p.setBrush(QColor(120, 20, 30));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 130));
        p.drawEllipse(QPointF(16, 24), 4, 2);
    }
    return img;
}

// Ten tiny faces arranged as one big face: two eyes of two faces each, a
// nose and a mouth of five (straight, or curved up into a smile).
QImage tenFaces(bool smiling)
{
    QImage img = canvas(32, 32, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    std::vector<QPointF> at = {{6.5, 7}, {11.5, 7}, {20.5, 7}, {25.5, 7}, {16, 15}};
    if (smiling) {
        for (QPointF m : {QPointF(4, 20), QPointF(9.5, 24.5), QPointF(16, 26.5),
                          QPointF(22.5, 24.5), QPointF(28, 20)})
            at.push_back(m);
    } else {
        for (int i = 0; i < 5; ++i)
            at.emplace_back(4 + i * 6, 25);
    }
    for (const QPointF &c : at) {
        p.setPen(QPen(QColor(150, 100, 0), 0.8));
        p.setBrush(QColor(255, 215, 30));
        p.drawEllipse(c, 2.7, 2.7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 40, 20));
        p.drawEllipse(c + QPointF(-0.9, -0.5), 0.45, 0.45);
        p.drawEllipse(c + QPointF(0.9, -0.5), 0.45, 0.45);
    }
    return img;
}

// A hundred: ten rows of ten dots.
QImage hundredDots()
{
    QImage img = canvas(32, 32, Qt::white);
    QPainter p(&img);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            p.fillRect(2 + c * 3, 2 + r * 3, 2, 2, QColor(30, 70, 200));
    return img;
}

// About window: two frames of a kite dancing in the wind.
QImage aboutFrame(int frame)
{
    const int S = 96;
    QImage img = canvas(S, S, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, S, S, QColor(140, 205, 250), QColor(220, 242, 255));
    cloud(p, frame ? 10 : 14, 78, 0.35);
    const QPointF kiteAt(frame ? 54 : 46, 34);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath string(QPointF(4, S));
    string.quadTo(QPointF(30, 80), kiteAt + QPointF(0, 4));
    p.drawPath(string);
    p.translate(kiteAt);
    p.rotate(frame ? 16 : -16);
    kite(p, 52, frame ? -0.6 : 0.6);
    return img;
}

// Fractions: the planet Mercury, a grey cratered disc centred in a 100x100
// picture on black space.  The disc radius (32.5 px) matches the slice the
// fractions window paints over it.
QImage planet()
{
    const int S = 100;
    QImage img = canvas(S, S, QColor(5, 5, 25));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(0, S);
    for (int i = 0; i < 40; ++i) {
        const QPointF s(u(rng), u(rng));
        if (QLineF(s, QPointF(50, 50)).length() < 38)
            continue;
        const int b = 150 + int(u(rng));
        p.fillRect(QRectF(s, QSizeF(1, 1)), QColor(b, b, std::min(255, b + 20)));
    }
    QRadialGradient g(QPointF(40, 40), 45);
    g.setColorAt(0, QColor(205, 198, 188));
    g.setColorAt(0.7, QColor(150, 142, 135));
    g.setColorAt(1, QColor(95, 90, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 50), 32.5, 32.5);
    const struct {
        qreal x, y, r;
    } craters[] = {{40, 38, 6},  {60, 45, 4},   {52, 64, 7},   {35, 58, 3.5},
                   {66, 62, 3},  {48, 28, 2.5}, {70, 35, 2.5}, {28, 45, 2.5}};
    for (const auto &c : craters) {
        p.setBrush(QColor(120, 112, 106));
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
        p.setBrush(QColor(165, 158, 150));
        p.drawEllipse(QPointF(c.x + c.r * 0.2, c.y + c.r * 0.2), c.r * 0.7, c.r * 0.7);
    }
    return img;
}

// Spelling bee window: a small striped bee that wanders about.
QImage bee()
{
    const int S = 48;
    QImage img = canvas(S, S, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Wings.
    p.setPen(QPen(QColor(120, 160, 200), 1.2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(20, 13), 8, 10);
    p.drawEllipse(QPointF(30, 12), 7, 9);
    // Body with stripes, clipped to the body's oval.
    QPainterPath body;
    body.addEllipse(QPointF(22, 29), 15, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 20));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(QColor(40, 30, 20));
    for (int x : {12, 21, 30})
        p.drawRect(QRectF(x, 15, 4.5, 30));
    p.restore();
    p.setPen(QPen(QColor(40, 30, 20), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // Sting and head.
    const QPointF sting[3] = {{6, 27}, {8.5, 29}, {6.5, 31}};
    p.setBrush(QColor(40, 30, 20));
    p.drawPolygon(sting, 3);
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(QPointF(38, 26), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(QPointF(40.5, 24), 1.7, 2.2);
    p.setPen(QPen(QColor(30, 20, 20), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(36, 24, 8, 6), 200 * 16, 140 * 16);
    p.drawLine(QPointF(38, 18.5), QPointF(36, 12));
    p.drawLine(QPointF(41, 19), QPointF(44, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(QPointF(36, 12), 1.4, 1.4);
    p.drawEllipse(QPointF(44, 13), 1.4, 1.4);
    return img;
}

// Program icon: a kite on a rounded sky tile (PNG with transparency), drawn
// on a 128-unit grid and scaled as a drawing, so every size is sharp.
QImage icon(int size)
{
    const int S = 128;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(S), size / double(S));
    QLinearGradient g(0, 0, 0, S);
    g.setColorAt(0, QColor(90, 180, 245));
    g.setColorAt(1, QColor(190, 230, 255));
    p.setPen(QPen(QColor(40, 110, 180), 3));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4, 4, S - 8, S - 8), 24, 24);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(6, 6, S - 12, S - 12), 22, 22);
    p.setClipPath(tile);
    cloud(p, 20, 100, 0.45);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath string(QPointF(12, 118));
    string.quadTo(QPointF(40, 100), QPointF(66, 52));
    p.drawPath(string);
    p.translate(66, 46);
    p.rotate(14);
    kite(p, 78, -0.5);
    return img;
}

bool writePictures(const QString &dir, const QString &iconDir, const QList<int> &iconSizes)
{
    QDir().mkpath(dir);
    bool ok = true;
    ok &= saveBmp(mainBackground(), dir, QStringLiteral("dog.bmp"));
    ok &= saveBmp(wormBackground(), dir, QStringLiteral("worm.bmp"));
    ok &= saveBmp(mouseBackground(), dir, QStringLiteral("mouse.bmp"));
    ok &= saveBmp(woollyBackground(), dir, QStringLiteral("woolly.bmp"));
    ok &= saveBmp(singleFace(0), dir, QStringLiteral("face1.bmp"));
    ok &= saveBmp(singleFace(1), dir, QStringLiteral("face1smile.bmp"));
    ok &= saveBmp(singleFace(2), dir, QStringLiteral("face1laugh.bmp"));
    ok &= saveBmp(tenFaces(false), dir, QStringLiteral("face10.bmp"));
    ok &= saveBmp(tenFaces(true), dir, QStringLiteral("face10smile.bmp"));
    ok &= saveBmp(hundredDots(), dir, QStringLiteral("face100.bmp"));
    ok &= saveBmp(aboutFrame(0), dir, QStringLiteral("about1.bmp"));
    ok &= saveBmp(aboutFrame(1), dir, QStringLiteral("about2.bmp"));
    ok &= saveBmp(planet(), dir, QStringLiteral("planet.bmp"));
    ok &= saveBmp(bee(), dir, QStringLiteral("bee.bmp"));
    for (const int size : iconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(iconDir).arg(size);
        const QString path = folder + QStringLiteral("/org.kitetutor.KiteTutor.png");
        if (!QDir().mkpath(folder) || !icon(size).save(path, "PNG")) {
            std::fprintf(stderr, "kite-mediagen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

// ---------------------------------------------------------------- applause

// About 1.6 s of clapping: many short bursts of band-passed noise, each
// with a sharp attack and a quick decay, scattered at random, thinning out
// towards the end.  The random generator has a fixed seed, so every build
// writes the same file.
bool writeApplause(const QString &path)
{
    const int rate = 22050;
    const double length = 1.6;
    const int n = int(rate * length);
    std::vector<double> mix(n, 0.0);
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::normal_distribution<double> noise(0.0, 1.0);

    const int claps = 90;
    for (int k = 0; k < claps; ++k) {
        // Clap times crowd the first second and thin out afterwards.
        const double t = 0.02 + (length - 0.2) * std::pow(u(rng), 1.35);
        const double fadeOut = t > 1.05 ? std::max(0.0, 1.0 - (t - 1.05) / 0.45) : 1.0;
        const double gain = (0.35 + 0.65 * u(rng)) * fadeOut;
        const double f0 = 900.0 + 1500.0 * u(rng);
        const double q = 1.2 + 1.0 * u(rng);
        const double tau = 0.006 + 0.008 * u(rng);
        // Band-pass biquad (constant peak gain).
        const double w0 = 2.0 * M_PI * f0 / rate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double b0 = alpha / a0, b2 = -alpha / a0;
        const double a1 = -2.0 * std::cos(w0) / a0, a2 = (1.0 - alpha) / a0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        const int start = int(t * rate);
        const int len = int(0.07 * rate);
        for (int i = 0; i < len && start + i < n; ++i) {
            const double time = double(i) / rate;
            const double env = (time < 0.0008 ? time / 0.0008 : std::exp(-(time - 0.0008) / tau));
            const double x = noise(rng) * env;
            const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            mix[start + i] += gain * y;
        }
    }
    double peak = 1e-9;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    const double scale = 0.7 / peak; // about -3 dBFS, like the spoken pieces

    QByteArray data;
    data.reserve(n * 2);
    for (double v : mix) {
        const int s = std::clamp(int(std::lround(v * scale * 32767.0)), -32768, 32767);
        data.append(char(s & 0xff));
        data.append(char((s >> 8) & 0xff));
    }
    auto le32 = [](QByteArray &b, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    auto le16 = [](QByteArray &b, uint16_t v) {
        b.append(char(v & 0xff));
        b.append(char((v >> 8) & 0xff));
    };
    QByteArray wav("RIFF");
    le32(wav, uint32_t(36 + data.size()));
    wav.append("WAVEfmt ");
    le32(wav, 16);
    le16(wav, 1); // PCM
    le16(wav, 1); // mono
    le32(wav, rate);
    le32(wav, rate * 2);
    le16(wav, 2);
    le16(wav, 16);
    wav.append("data");
    le32(wav, uint32_t(data.size()));
    wav.append(data);

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size()) {
        std::fprintf(stderr, "kite-mediagen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a QGuiApplication; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("pictures")) {
        QList<int> sizes;
        for (const QString &size : args.mid(4))
            sizes << size.toInt();
        return writePictures(args[2], args[3], sizes) ? 0 : 1;
    }
    if (args.size() == 3 && args[1] == QLatin1String("applause"))
        return writeApplause(args[2]) ? 0 : 1;
    std::fprintf(stderr, "usage: kite-mediagen pictures OUTDIR ICONDIR SIZE...\n"
                         "       kite-mediagen applause OUT.wav\n");
    return 2;
}
