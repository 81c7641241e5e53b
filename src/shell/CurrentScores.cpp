// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CurrentScores.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"

namespace kt {

namespace {
constexpr int RowTop = 240;
constexpr int RowHeight = 330;
constexpr int NameLeft = 360;
constexpr int ValueLeft = 2160;
} // namespace

CurrentScores::CurrentScores() : Form(windows::CurrentScores)
{
    setCaption(QStringLiteral("Current Scores"));
    setSizeTwips(4200, 4500);

    LabelName = addLabel(QStringLiteral("LabelName"), NameLeft, RowTop, 1680, 285, QStringLiteral("Name:"));
    Label10 = addLabel(QStringLiteral("Label10"), ValueLeft, RowTop, 1800, 285);
    LabelName->setFontSize(10, true);
    Label10->setFontSize(10, true);
    Label10->setTextFormat(Qt::PlainText);

    const char* const names[9] = {"Lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl7", "lbl8", "lbl9"};
    const char* const captions[9] = {"Numbers",  "Addition",  "Subtraction", "Multiply", "Divide",
                                     "Fraction", "Alphabet", "Spelling",    "Tell Time"};
    for (int i = 0; i < 9; ++i) {
        const int top = RowTop + (i + 1) * RowHeight + 120;
        scoreNames[i] = addLabel(QString::fromLatin1(names[i]), NameLeft, top, 1680, 285,
                                 QString::fromLatin1(captions[i]));
        scoreValues[i] = addLabel(QStringLiteral("Label%1").arg(i + 1), ValueLeft, top, 1200, 285);
    }
    Command1 = addButton(QStringLiteral("Command1"), 1500, 3840, 1215, 405, QStringLiteral("OK"));
    connect(Command1, &CommandButton::clicked, this, &CurrentScores::Command1_Click);
}

void CurrentScores::Form_Load()
{
    centre();
    const SessionState& s = session();
    Label10->setText(s.UserName);
    const std::array<qint16, 9> scores = s.currentScores();
    for (int i = 0; i < 9; ++i)
        scoreValues[i]->setText(plain(int(scores[i])));
}

void CurrentScores::Command1_Click() { unload(); }

} // namespace kt
