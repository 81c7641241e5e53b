// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/Subtraction.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

namespace kt {

Subtraction::Subtraction()
    : ColumnDrill({windows::Subtraction, QStringLiteral("Subtraction Level"), QStringLiteral("-"),
                   QStringLiteral("minus"), QStringLiteral("Count the yellow suns to find the answer."), 23,
                   &SessionState::SubLevel, &SessionState::SubScore})
{
    Label_Borrow = addLabel(QStringLiteral("Label_Borrow"), 4215, 240, 2400, 240);
    Label_Borrow->setForeColor(Colour::White);
    Label_Borrow->setFontSize(8);
    // Slashes crossing out the tens and hundreds digits of the first number.
    Line4 = addLine(QStringLiteral("Line4"), 4200, 1440, 4560, 960, Colour::LightRed, 2);
    Line5 = addLine(QStringLiteral("Line5"), 3480, 1440, 3840, 960, Colour::LightRed, 2);
}

void Subtraction::ClearWorking()
{
    ColumnDrill::ClearWorking();
    Line4->hide();
    Line5->hide();
}

void Subtraction::MakeQuestion()
{
    randomize();
    setDigit(A1, randomInt(9, 1));
    // The lower ones digit is at most the upper one (always 9 under a 9).
    int x = 9;
    while (x > value(A1))
        x = randomInt(9);
    setDigit(N1, x);
    if (level() > 1) {
        for (Label* digit : {A2, N2, A3})
            setDigit(digit, randomInt(9, 1));
        // The lower hundreds digit is below the upper one, which leaves room to borrow.
        x = 9;
        while (x >= value(A3))
            x = randomInt(9);
        setDigit(N3, x);
    }
}

void Subtraction::askDifference(Label* top, Label* bottom) { askColumn({top, bottom}, value(top) - value(bottom)); }

void Subtraction::SetUpStep1() { askDifference(A1, N1); }

void Subtraction::askTens()
{
    Label* top = A2;
    if (value(N2) > value(A2)) {
        Line4->show();
        setDigit(C1, value(A2) + 10);
        Label_Borrow->setText(QStringLiteral("Borrow 1 from ") + A3->text());
        setDigit(C2, value(A3) - 1);
        Line5->show();
        top = C1;
    }
    askDifference(top, N2);
}

void Subtraction::askHundreds() { askDifference(Line5->isHidden() ? A3 : C2, N3); }

void Subtraction::afterRightAnswer(int answeredStep)
{
    switch (answeredStep) {
    case 1:
        closeColumn();
        setDigit(Y1, expected);
        if (level() > 1)
            askTens();
        else
            finish();
        break;
    case 2:
        closeColumn();
        Label_Borrow->setText(QString());
        setDigit(Y2, expected);
        askHundreds();
        break;
    case 3:
        closeColumn();
        writeAnswer(Y3, Y4, false);
        finish();
        break;
    default:
        break;
    }
}

void Subtraction::DrawSuns()
{
    // Up to ten in the first row; a borrowed tens value goes on in a second row.
    const int m = middleSuns();
    for (int i = 1; i <= m; ++i) {
        if (i <= 10)
            drawSun(25 + 7 * i, 55, Colour::Yellow);
        else
            drawSun(7 * i - 45, 45, Colour::Yellow);
    }
    for (int i = 1; i <= bottomSuns(); ++i) {
        drawSun(25 + 7 * i, 25, Colour::LightMagenta);
        drawSun(25 + 7 * i, 55, Colour::LightMagenta);
    }
}

} // namespace kt
