// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Essay.h"

#include "shell/WindowNames.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kt {
namespace {
const char* const essayText = R"(
<h2>Learning at home</h2>
<p>Children learn best in short, happy sessions. Ten or fifteen minutes a day
with Kite-Tutor does more than an hour once a week: the steps of a sum, the
letters of a word and the hands of a clock settle in through small, regular
practice.</p>
<p><b>Sit with your child at first.</b> Let your child work the mouse and the
keyboard while you watch and listen. Every drill speaks its steps aloud, so
turn the sound on (Options, Sound, On) and let the voice carry the rhythm of
the problem: three, plus, five, equals.</p>
<p><b>Praise the effort, not only the answer.</b> A wrong choice is simply
another try. The program says "try again" and waits; you can do the same.
When a problem is finished, ask your child to explain a step back to you:
explaining is the surest sign that a method has been understood.</p>
<p><b>Move up slowly.</b> Stay at a level until the answers come easily, then
choose the next level from the menu. Going back to an easier level on a tired
day is no failure.</p>
<p><b>Make it your child's own.</b> Type in this week's spelling words from
school as a homework list, record your own voice saying them, and add a few
favourite pictures as rewards. Each child types a name, and the scores of
every session are kept under that name (Scores, See All Previous Scores), so
you can look back together at how far your child has come.</p>
<p>Above all, keep it light. A child who enjoys ten minutes today will ask for
ten more tomorrow.</p>
)";
} // namespace

Essay::Essay() : Form(windows::Essay)
{
    setCaption(QStringLiteral("Learning at Home"));
    // The window's only menu entry, straight on the menu bar.
    QAction* exit = menuBar()->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuEssayExit"));
    connect(exit, &QAction::triggered, this, &Essay::menuExit_Click);

    auto* text = new QTextBrowser(surface());
    text->setObjectName(QStringLiteral("TextEssay"));
    text->setHtml(QString::fromUtf8(essayText));
    auto* layout = new QVBoxLayout(surface());
    layout->addWidget(text);
}

void Essay::Form_Load()
{
    setSizeTwips(7500, 6000);
    centre();
}

void Essay::menuExit_Click() { unload(); }

} // namespace kt
