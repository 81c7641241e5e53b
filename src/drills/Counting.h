// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counting with faces: the child builds a number from 0 to 999 by dragging
// pictures worth 100, 10 and 1 into a box, and is told "Too much!", "Not
// enough" or "VERY GOOD!" as the value in the box passes or meets it.
#include "ui/Form.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace kt {

// The comparison states of a count.
inline const QString TooLittle = QStringLiteral("too little");
inline const QString Equal = QStringLiteral("equal");
inline const QString TooMuch = QStringLiteral("too much");

// The state after a drop with `total` in the box, the number `target` and the
// state `status` of the last change; the same status when the feedback stays
// (a total moving further the same way). Meeting the number is always "equal".
QString countStatusAfter(int total, int target, const QString& status);
// Whether a picture's centre lies inside the box; a centre on an edge is outside.
bool centreInBox(QPoint centre, const QRect& box);

class Counting : public Form {
    Q_OBJECT
public:
    Counting();

protected:
    void Form_Load() override;
    void Form_DragDrop(ImageBox* source, double x, double y) override;

private:
    void NewNumber();
    void cmdDoAnother_Click();
    void cmdExit_Click();
    // Pressing a picture starts dragging it (kind 0 ones, 1 tens, 2 hundreds).
    void startDrag(ImageBox* picture, int kind);
    void Timer1_Timer();
    void Image2_Click();

    // Every single face, and every ten-picture, shows `face` / `ten`.
    void showFaces(const ImageBox* face, const ImageBox* ten = nullptr);
    QPoint centreOf(const ImageBox* picture) const;
    bool inBox(const ImageBox* picture) const;
    void placeGroups();
    void showScore();

    ControlArray<ImageBox> img100faces{QStringLiteral("img100faces")};
    ControlArray<ImageBox> imgTenFace{QStringLiteral("imgTenFace")};
    ControlArray<ImageBox> imgFace{QStringLiteral("imgFace")};
    ImageBox *Image1, *Image2, *Image3, *Image4, *Image5;
    LineControl *Line1, *Line2, *Line3, *Line4;
    Label *Label1, *Label2, *Label3, *Label4, *lblTotalNumber, *LabelScore;
    CommandButton *cmdDoAnother, *cmdExit;
    Timer* Timer1;

    qint16 TargetNumber = 0;
    qint16 BoxTotal = 0;
    qint16 DragKind = 0;
    qint16 StartedInBox = 0;
    QString CountStatus = TooLittle;
    qint16 ScoredThisNumber = 0;
    qint16 BlinkPhase = 0;
    qint16 GroupLeft = 1260;
};

} // namespace kt
