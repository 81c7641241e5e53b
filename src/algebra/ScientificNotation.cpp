// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/ScientificNotation.h"

#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

namespace kt {

using namespace working;

namespace {

constexpr int Margin = 240;

} // namespace

ScientificNotation::ScientificNotation() : WorkedSolutionForm(windows::ScientificNotation)
{
    setCaption(QStringLiteral("Scientific Notation"));
    // The number under its label on the left, its rewriting under its label
    // on the right.
    const Row answerTitle{text("Its value in Scientific Notation format")};
    const int answerLeft = Margin + 3600;
    placeRow({text("Enter your number here.")}, Margin, Margin);
    placeRow({box("TextInputNumber", 2800), text("  =")}, Margin, Margin + 450);
    placeRow(answerTitle, answerLeft, Margin);
    placeRow({place("LabelFinalAnswer", 3000)}, answerLeft, Margin + 450);
    const int bottom = Margin + 450 + rowHeight({box("TextInputNumber")});
    TextInputNumber = findBox(QStringLiteral("TextInputNumber"));
    LabelFinalAnswer = findLabel(QStringLiteral("LabelFinalAnswer"));

    const int buttonsTop = bottom + 300;
    cmdSolve = addButton(QStringLiteral("cmdSolve"), Margin, buttonsTop, 1300, 450, QStringLiteral("&Solve"));
    cmdClear = addButton(QStringLiteral("cmdClear"), Margin + 1500, buttonsTop, 1300, 450, QStringLiteral("&Clear"));
    cmdExit = addButton(QStringLiteral("cmdExit"), Margin + 3000, buttonsTop, 1300, 450, QStringLiteral("&Return"));
    setSizeTwips(answerLeft + rowWidth(answerTitle) + Margin, buttonsTop + 450 + Margin);

    setEnterOrder({TextInputNumber}, [this] { cmdSolve_Click(); });
    connect(TextInputNumber, &TextBox::changed, this, &ScientificNotation::TextInputNumber_Change);
    connect(cmdSolve, &QPushButton::clicked, this, &ScientificNotation::cmdSolve_Click);
    connect(cmdClear, &QPushButton::clicked, this, &ScientificNotation::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &ScientificNotation::cmdExit_Click);
}

void ScientificNotation::Form_Load() { centre(); }

void ScientificNotation::TextInputNumber_Change() { LabelFinalAnswer->clear(); }

void ScientificNotation::cmdSolve_Click()
{
    // Only a number in full is rewritten: "12abc" would otherwise show as a
    // number the child did not type.
    const auto scientific = algebra::scientificText(TextInputNumber->text());
    if (!scientific) {
        refuseEntry(TextInputNumber, QStringLiteral("You must enter a number."));
        return;
    }
    LabelFinalAnswer->setText(*scientific);
}

void ScientificNotation::cmdClear_Click()
{
    TextInputNumber->clear();
    LabelFinalAnswer->clear();
    TextInputNumber->setFocus();
}

void ScientificNotation::cmdExit_Click() { unload(); }

} // namespace kt
