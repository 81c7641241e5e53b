// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/About.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"
#include "ui/Timer.h"
#include "ui/Version.h"

namespace kt {

About::About() : Form(windows::About)
{
    setCaption(QStringLiteral("About Kite-Tutor"));
    setSizeTwips(5760, 3600);
    setBackColor(Colour::White);

    Label1 = addLabel(QStringLiteral("Label1"), 2640, 780, 2880, 600);
    Label1->setFontSize(18, true);
    Label1->setForeColor(Colour::Blue);
    lblVersion = addLabel(QStringLiteral("lblVersion"), 2640, 1500, 2880, 300,
                          QStringLiteral("Version %1").arg(QLatin1String(ProgramVersion)));
    // The two frames of the animation; Image2 is created last, so it starts on top.
    Image1 = addImage(QStringLiteral("Image1"), 840, 540, 1440, 1440);
    Image2 = addImage(QStringLiteral("Image2"), 840, 540, 1440, 1440);
    Image1->loadPicture(platform().paths.findProgramFile(QStringLiteral("about1.bmp")));
    Image2->loadPicture(platform().paths.findProgramFile(QStringLiteral("about2.bmp")));
    Line1 = addLine(QStringLiteral("Line1"), 240, 2340, 5520, 2340, Colour::Blue, 1);
    Command1 = addButton(QStringLiteral("Command1"), 2280, 2700, 1215, 450, QStringLiteral("OK"));

    Timer1 = addTimer(QStringLiteral("Timer1"), 500, false);
    Timer1->onTimer([this] { Timer1_Timer(); });
    connect(Command1, &CommandButton::clicked, this, &About::Command1_Click);
}

void About::Form_Load()
{
    // The animation runs while the window is shown.
    Timer1->setEnabled(true);
    centre();
    Image1->move(px(840), px(540));
    Image2->move(px(840), px(540));
}

void About::Timer1_Timer()
{
    // Image1 stays up for a second, Image2 for half a second.
    if (Timer1->interval() != 500) {
        Timer1->setInterval(500);
        Image2->raise();
    } else {
        Timer1->setInterval(1000);
        Image2->lower();
        Image1->raise();
    }
}

void About::Command1_Click() { unload(); }

} // namespace kt
