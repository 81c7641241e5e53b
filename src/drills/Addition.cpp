// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/Addition.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

namespace kt {

Addition::Addition()
    : ColumnDrill({windows::Addition, QStringLiteral("Addition Level"), QStringLiteral("+"), QStringLiteral("plus"),
                   QStringLiteral("Count the suns to find the answer."), 33, &SessionState::AddLevel,
                   &SessionState::AddScore})
{
    Line3 = addLine(QStringLiteral("Line3"), 3000, 1680, 3000, 2160, Colour::White, 3);
    Label_Carry = addLabel(QStringLiteral("Label_Carry"), 4155, 240, 2400, 240);
    Label_Carry->setForeColor(Colour::White);
    Label_Carry->setFontSize(8);
}

void Addition::MakeQuestion()
{
    randomize();
    setDigit(A1, randomInt(9, 1));
    setDigit(N1, randomInt(9));
    if (level() > 1) {
        for (Label* digit : {A2, N2, N3, A3})
            setDigit(digit, randomInt(9, 1));
    }
}

void Addition::SetUpStep1() { askColumn({A1, N1}, value(A1) + value(N1)); }

void Addition::askCarryColumn(Label* carry, Label* a, Label* n)
{
    if (value(carry) > 0)
        Label_Carry->setText(QStringLiteral("Carry the ") + carry->text());
    askColumn({carry, a, n}, value(carry) + value(a) + value(n));
}

void Addition::afterRightAnswer(int answeredStep)
{
    switch (answeredStep) {
    case 1:
        closeColumn();
        if (level() > 1) {
            writeAnswer(Y1, C1, true);
            askCarryColumn(C1, A2, N2);
        } else {
            writeAnswer(Y1, Y2, false);
            finish();
        }
        break;
    case 2:
        closeColumn();
        Label_Carry->setText(QString());
        writeAnswer(Y2, C2, true);
        askCarryColumn(C2, A3, N3);
        break;
    case 3:
        closeColumn();
        Label_Carry->setText(QString());
        writeAnswer(Y3, Y4, false);
        finish();
        break;
    default:
        break;
    }
}

void Addition::DrawSuns()
{
    const auto row = [this](int count, double y) {
        for (int i = 1; i <= count; ++i)
            drawSun(30 + 7 * i, y, Colour::Yellow);
    };
    row(topSuns(), 73);
    row(middleSuns(), 55);
    row(bottomSuns(), 25);
}

} // namespace kt
