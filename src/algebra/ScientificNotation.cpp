// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/ScientificNotation.h"

#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"

namespace kt {

using namespace working;

namespace {


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
    addSolverButtons(buttonsTop, answerLeft + rowWidth(answerTitle) + Margin,
                     {QStringLiteral("cmdSolve"), [this] { cmdSolve_Click(); }},
                     {QStringLiteral("cmdClear"), [this] { cmdClear_Click(); }},
                     {QStringLiteral("cmdExit"), [this] { cmdExit_Click(); }});

    setEnterOrder({TextInputNumber}, [this] { cmdSolve_Click(); });
    connect(TextInputNumber, &TextBox::changed, this, &ScientificNotation::TextInputNumber_Change);
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
