// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/EquationSolver.h"

#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/TypedNumber.h"

#include <cmath>

namespace kt {

namespace {

const QString NotZeroMessage = QStringLiteral("You must use a number other than zero.");
const QString NumberMessage = QStringLiteral("You must use a number.");
const QString LegMessage = QStringLiteral("b must be equal or smaller than a.");

constexpr int RowGap = 150;
constexpr int WorkingWidth = 6000;
constexpr int TriangleWidth = 2400;

} // namespace

EquationSolver::EquationSolver(int type)
    : WorkedSolutionForm(windows::equation(type)), m_type(equationType(type))
{
    setCaption(QStringLiteral("Equation #%1").arg(type));
    int bottom = 0;
    placeRows(m_type.rows, Margin, Margin, RowGap, &bottom);
    Texta = findBox(QStringLiteral("Texta"));
    Textb = findBox(QStringLiteral("Textb"));
    Textc = findBox(QStringLiteral("Textc"));
    LabelFinalAnswer = findLabel(QStringLiteral("LabelFinalAnswer"));
    LabelSumOfSquares = findLabel(QStringLiteral("LabelSumOfSquares"));

    const int width = WorkingWidth + (m_type.isTriangle() ? TriangleWidth : 0);
    if (m_type.isTriangle())
        drawTriangle(WorkingWidth, Margin);
    const int buttonsTop = bottom + 2 * RowGap;
    addSolverButtons(buttonsTop, width, {QStringLiteral("cmdSolve"), [this] { cmdSolve_Click(); }},
                     {QStringLiteral("cmdClear"), [this] { cmdClear_Click(); }},
                     {QStringLiteral("cmdExit"), [this] { cmdExit_Click(); }});

    QList<TextBox*> order;
    for (const QString& name : m_type.enterOrder) {
        order << findBox(name);
        connect(order.last(), &TextBox::changed, this, &EquationSolver::Text_Change);
    }
    setEnterOrder(order, [this] { cmdSolve_Click(); });
    hideAnswer();
}

void EquationSolver::Form_Load() { centre(); }

void EquationSolver::Text_Change() { hideAnswer(); }

void EquationSolver::cmdSolve_Click()
{
    const auto a = readTypedNumber(Texta->text());
    if (m_type.kind == EquationType::Kind::Linear && (!a || *a == 0))
        return refuse(Texta, NotZeroMessage);
    if (!a)
        return refuse(Texta, NumberMessage);
    const auto b = readTypedNumber(Textb->text());
    if (!b)
        return refuse(Textb, NumberMessage);
    double c = 0;
    if (Textc) {
        const auto typed = readTypedNumber(Textc->text());
        if (!typed)
            return refuse(Textc, NumberMessage);
        c = *typed;
    }
    // Lengths: the leg b cannot be longer than the hypotenuse a, whatever
    // their signs, so the root is never taken of a negative number.
    if (m_type.kind == EquationType::Kind::Leg && std::fabs(*b) > std::fabs(*a))
        return refuse(Textb, LegMessage);

    const double result = m_type.formula(*a, *b, c);
    if (!fitsNumberType(result, NumberType::Double))
        return refuse(firstBox(), NumberMessage);
    double x = result;
    if (m_type.isTriangle()) {
        // X is the root of the number as shown under the root sign.
        LabelSumOfSquares->setText(algebra::plainWithZero(result));
        LabelSumOfSquares->show();
        x = std::sqrt(val(LabelSumOfSquares->text()));
    }
    LabelFinalAnswer->setText(spaced(x));
    LabelFinalAnswer->show();
    firstBox()->setFocus();
}

void EquationSolver::cmdClear_Click()
{
    hideAnswer();
    for (const QString& name : m_type.enterOrder)
        findBox(name)->clear();
    firstBox()->setFocus();
}

void EquationSolver::cmdExit_Click() { unload(); }

void EquationSolver::refuse(TextBox* box, const QString& message)
{
    hideAnswer();
    msgBox(message);
    box->setFocus();
}

void EquationSolver::hideAnswer()
{
    for (Label* answer : {LabelFinalAnswer, LabelSumOfSquares}) {
        if (answer) {
            answer->clear();
            answer->hide();
        }
    }
}

void EquationSolver::drawTriangle(int left, int top)
{
    // The right angle at the bottom left; type 5 asks for the hypotenuse,
    // type 6 for a leg with a as the hypotenuse.
    const bool hypotenuse = m_type.kind == EquationType::Kind::Hypotenuse;
    const int x1 = left + 300, x2 = left + TriangleWidth - 300, yTop = top + 150, yBottom = top + 1650;
    addWorkingLine(x1, yTop, x1, yBottom);
    addWorkingLine(x1, yBottom, x2, yBottom);
    addWorkingLine(x1, yTop, x2, yBottom);
    addWorkingLine(x1, yBottom - 150, x1 + 150, yBottom - 150); // the right-angle mark
    addWorkingLine(x1 + 150, yBottom - 150, x1 + 150, yBottom);
    addFixedText(x1 - 270, (yTop + yBottom) / 2 - 195, hypotenuse ? QStringLiteral("a") : QStringLiteral("X"));
    addFixedText((x1 + x2) / 2 - 60, yBottom + 30, QStringLiteral("b"));
    addFixedText((x1 + x2) / 2 + 60, (yTop + yBottom) / 2 - 330, hypotenuse ? QStringLiteral("X") : QStringLiteral("a"));
}

} // namespace kt
