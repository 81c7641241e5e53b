// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/Counting.h"

#include "shell/SessionState.h"
#include "shell/Speech.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

namespace kt {
namespace {
constexpr int WindowWidth = 9620;
constexpr int WindowHeight = 7200;
constexpr int PictureSize = 480; // 32 pixels
constexpr int GroupRowTop[3] = {1320, 1920, 2520};
constexpr int GroupColumnStep = 600;
constexpr int TensOffset = 2600;
constexpr int OnesOffset = 5200;
// The box, read from its four edge lines.
constexpr int BoxTop = 3720;
constexpr int BoxBottom = 5760;
constexpr int BoxLeft = 1200;
constexpr int BoxRight = 8160;

int roundedHalf(int twips) { return int(roundHalfEven(twips / 2.0)); }
} // namespace

QString countStatusAfter(int total, int target, const QString& status)
{
    if (total == target)
        return Equal;
    if (status != TooMuch && total > target)
        return TooMuch;
    if (status != TooLittle && total < target)
        return TooLittle;
    return status;
}

bool centreInBox(QPoint centre, const QRect& box)
{
    return box.top() < centre.y() && centre.y() < box.bottom() && box.left() < centre.x() && centre.x() < box.right();
}

Counting::Counting() : Form(windows::Counting)
{
    setCaption(QStringLiteral("Definition of Numbers"));
    setSizeTwips(WindowWidth, WindowHeight);

    const auto source = [this](const QString& name, const char* file, int top) {
        ImageBox* image = addImage(name, 8760, top, PictureSize, PictureSize);
        image->loadPicture(platform().paths.findProgramFile(QLatin1String(file)));
        return image;
    };
    Image1 = source(QStringLiteral("Image1"), "face1.bmp", 1320);
    Image2 = source(QStringLiteral("Image2"), "face1smile.bmp", 1920);
    Image3 = source(QStringLiteral("Image3"), "face1laugh.bmp", 2520);
    Image4 = source(QStringLiteral("Image4"), "face10.bmp", 3120);
    Image5 = source(QStringLiteral("Image5"), "face10smile.bmp", 3120);
    Image4->hide();
    Image5->hide();
    connect(Image2, &ImageBox::clicked, this, &Counting::Image2_Click);

    const QString hundred = platform().paths.findProgramFile(QStringLiteral("face100.bmp"));
    for (int i = 0; i <= 8; ++i) {
        addImage(img100faces, i, 0, 0, PictureSize, PictureSize)->loadPicture(hundred);
        addImage(imgTenFace, i, 0, 0, PictureSize, PictureSize);
        addImage(imgFace, i, 0, 0, PictureSize, PictureSize);
    }
    const auto draggable = [this](const ControlArray<ImageBox>& group, int kind) {
        group.on(&ImageBox::mouseDown, this, [this, &group, kind](int index) { startDrag(group[index], kind); });
        group.on(&ImageBox::mouseUp, this, [this, &group](int index) { endDrag(group[index]); });
    };
    draggable(imgFace, 0);
    draggable(imgTenFace, 1);
    draggable(img100faces, 2);

    Line1 = addLine(QStringLiteral("Line1"), BoxLeft, BoxTop, BoxRight, BoxTop, Colour::White, 4);
    Line2 = addLine(QStringLiteral("Line2"), BoxLeft, BoxTop, BoxLeft, BoxBottom, Colour::White, 4);
    Line3 = addLine(QStringLiteral("Line3"), BoxLeft, BoxBottom, BoxRight, BoxBottom, Colour::White, 4);
    Line4 = addLine(QStringLiteral("Line4"), BoxRight, BoxTop, BoxRight, BoxBottom, Colour::White, 4);

    Label1 = addLabel(QStringLiteral("Label1"), 240, 240, 9140, 600);
    Label1->setFontSize(11, true);
    Label3 = addLabel(QStringLiteral("Label3"), 1260, 960, 2000, 300, QStringLiteral("Groups of 100"));
    Label4 = addLabel(QStringLiteral("Label4"), 3860, 960, 2000, 300, QStringLiteral("Groups of 10"));
    Label2 = addLabel(QStringLiteral("Label2"), 1200, 5940, 3600, 480);
    Label2->setForeColor(Colour::Red);
    Label2->setFontSize(16, true);
    lblTotalNumber = addLabel(QStringLiteral("lblTotalNumber"), 8280, 4440, 1200, 600);
    lblTotalNumber->setScriptFont(24, true);
    LabelScore = addLabel(QStringLiteral("LabelScore"), 1200, 6540, 3000, 400);
    LabelScore->setFontSize(12, true);

    cmdDoAnother = addButton(QStringLiteral("cmdDoAnother"), 4920, 6480, 1800, 480, QStringLiteral("Do &Another"));
    cmdExit = addButton(QStringLiteral("cmdExit"), 6960, 6480, 1500, 480, QStringLiteral("&Return"));
    connect(cmdDoAnother, &QPushButton::clicked, this, &Counting::cmdDoAnother_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Counting::cmdExit_Click);

    Timer1 = addTimer(QStringLiteral("Timer1"), 300);
    Timer1->onTimer([this] { Timer1_Timer(); });
}

void Counting::Form_Load()
{
    setSizeTwips(WindowWidth, WindowHeight);
    centre();
    // From the designed width: the client area is whole pixels, 9615 twips wide.
    GroupLeft = qint16(roundHalfEven(WindowWidth / 2.0 - 3550));
    Label3->move(px(GroupLeft), Label3->y());
    randomize();
    NewNumber();
}

void Counting::NewNumber()
{
    ScoredThisNumber = 0;
    TargetNumber = qint16(intFloor(1000 * rnd()));
    Label1->setText(QStringLiteral("Use the mouse to drag") + spaced(int(TargetNumber))
                    + QStringLiteral(" smiley faces down into the box below."));
    Label2->setText(QString());
    CountStatus = TooLittle;
    Timer1->setEnabled(false);
    for (int i = 0; i <= 8; ++i) {
        imgTenFace[i]->setPixmap(Image4->pixmap());
        imgTenFace[i]->setDragIcon(Image4->pixmap());
        imgFace[i]->setPixmap(Image1->pixmap());
        imgFace[i]->setDragIcon(Image1->pixmap());
    }
    placeGroups();
    BoxTotal = 0;
    lblTotalNumber->setText(QStringLiteral("0"));
    showScore();
}

void Counting::placeGroups()
{
    const auto place = [this](const ControlArray<ImageBox>& group, int left) {
        for (int i = 0; i <= 8; ++i)
            group[i]->move(px(left + (i % 3) * GroupColumnStep), px(GroupRowTop[i / 3]));
    };
    place(img100faces, GroupLeft);
    place(imgTenFace, GroupLeft + TensOffset);
    place(imgFace, GroupLeft + OnesOffset);
}

void Counting::showScore()
{
    LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().NumbersScore)));
}

QPoint Counting::centreOf(const ImageBox* picture) const
{
    const int top = twips(picture->y());
    const int left = twips(picture->x());
    return {left + roundedHalf(twips(picture->width())), top + roundedHalf(twips(picture->height()))};
}

bool Counting::inBox(const ImageBox* picture) const
{
    const QLine top = Line1->pointsTwips();
    const QLine bottom = Line3->pointsTwips();
    const QLine left = Line2->pointsTwips();
    const QLine right = Line4->pointsTwips();
    return centreInBox(centreOf(picture), QRect(QPoint(left.x1(), top.y1()), QPoint(right.x1(), bottom.y1())));
}

void Counting::startDrag(ImageBox* picture, int kind)
{
    Timer1->setEnabled(false);
    beginDrag(picture);
    StartedInBox = inBox(picture) ? 1 : 0;
    DragKind = qint16(kind);
}

void Counting::Form_DragDrop(ImageBox* source, double x, double y)
{
    source->move(px(int(x) - twips(source->width()) / 2), px(int(y) - twips(source->height()) / 2));
    const bool inside = inBox(source);
    const int worth = DragKind == 0 ? 1 : DragKind == 1 ? 10 : 100;
    if (inside && StartedInBox == 0) {
        if (DragKind == 0)
            source->setPixmap(Image2->pixmap());
        else if (DragKind == 1)
            source->setPixmap(Image5->pixmap());
        BoxTotal = qint16(BoxTotal + worth);
    } else if (!inside && StartedInBox == 1) {
        if (DragKind == 0)
            source->setPixmap(Image1->pixmap());
        else if (DragKind == 1)
            source->setPixmap(Image4->pixmap());
        BoxTotal = qint16(BoxTotal - worth);
    }
    lblTotalNumber->setText(plain(int(BoxTotal)));

    const QString status = countStatusAfter(BoxTotal, TargetNumber, CountStatus);
    if (status == Equal) {
        Label2->setText(QStringLiteral("VERY GOOD!"));
        showFaces(Image3, Image5);
        CountStatus = Equal;
        // One point per number, however often it is met again.
        if (ScoredThisNumber == 0) {
            playPraise(true);
            session().NumbersScore = addSaturating16(session().NumbersScore, 1);
            showScore();
        }
        ScoredThisNumber = 1;
        Timer1->setEnabled(true);
    } else if (status != CountStatus && status == TooMuch) {
        Label2->setText(QStringLiteral("Too much!"));
        showFaces(Image1, Image4);
        CountStatus = TooMuch;
    } else if (status != CountStatus && status == TooLittle) {
        Label2->setText(QStringLiteral("Not enough"));
        showFaces(Image2, Image5);
        CountStatus = TooLittle;
    }
}

void Counting::showFaces(const ImageBox* face, const ImageBox* ten)
{
    for (int i = 0; i <= 8; ++i) {
        imgFace[i]->setPixmap(face->pixmap());
        if (ten)
            imgTenFace[i]->setPixmap(ten->pixmap());
    }
}

void Counting::Timer1_Timer()
{
    showFaces(BlinkPhase == 1 ? Image2 : Image3);
    if (BlinkPhase == 1) {
        BlinkPhase = 0;
    } else {
        BlinkPhase = 1;
        if (soundOn())
            beep();
    }
}

void Counting::Image2_Click() { Image2->setPixmap(Image1->pixmap()); }

void Counting::cmdDoAnother_Click() { NewNumber(); }

void Counting::cmdExit_Click() { unload(); }

} // namespace kt
