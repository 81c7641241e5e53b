// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/QuadraticFactoring.h"

#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"
#include "ui/TypedNumber.h"

namespace kt {

using namespace working;

namespace {

const QString EnterValues = QStringLiteral("Enter values for a, b, and c then click on Solve button.");
const QString NoRealFactors = QStringLiteral("These values will not produce real factors.  Try new values.");
const QString UseANumber = QStringLiteral("Use a number.");

constexpr int Width = 11000;
constexpr int Coefficient = 1000; // a place for a typed coefficient
constexpr int Value = 1900;      // a place for a computed value

Piece t(const QString& fixed) { return text(fixed); }

} // namespace

QuadraticFactoring::QuadraticFactoring()
    : WorkedSolutionForm(windows::QuadraticFactoring), SolutionScore(&SessionState::SolverScore), a(labelArray(QStringLiteral("a"))),
      b(labelArray(QStringLiteral("b"))), c(labelArray(QStringLiteral("c")))
{
    setCaption(QStringLiteral("Factoring Polynomials"));
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), Margin, Margin, 8000, 300,
                                 QStringLiteral("Enter values for a, b and c then click on Solve button."));
    LabelScore = addLabel(QStringLiteral("LabelScore"), Width - 1800, Margin, 1600, 300, QStringLiteral("Score"));

    const QList<Row> rows{
        {t("P(Y)"), t("="), place("coeffa", 300, "a"), t("Y"), squared(), t("+"), place("coeffb", 300, "b"),
         t("Y"), t("+"), place("coeffc", 300, "c")},
        {t("P(Y)"), t("="), box("TextA"), t("Y"), squared(), t("+"), box("TextB"), t("Y"), t("+"), box("TextC")},
        // The signs make the row a true factorisation for the roots below.
        {t("="), t("a"), t("[ Y - f1 ]"), t("[ Y - f2 ]")},
        {t("f1, f2"), t("="),
         fraction({placeCentred("b(0)", Coefficient), t("±"),
                   root({placeCentred("b(1)", Coefficient), squared(), t("- 4"), placeCentred("a(0)", Coefficient),
                         placeCentred("c(0)", Coefficient)})},
                  {t("2"), placeCentred("a(1)", Coefficient)}),
         t("   Use + for f1 and - for f2.")},
        {t("="), fraction({placeCentred("b(2)", Coefficient), t("±"), root({place("bsqr4ac", Value)})},
                          {placeCentred("Label2a", Value)})},
        {t("f1"), t("="), place("F1Answer", Value)},
        {t("f2"), t("="), place("F2Answer", Value)},
    };
    int bottom = 0;
    const auto placed = placeRows(rows, Margin, Margin + 450, 180, &bottom);
    m_numericRows = placed[4] + placed[5] + placed[6];
    TextA = findBox("TextA");
    TextB = findBox("TextB");
    TextC = findBox("TextC");
    bsqr4ac = findLabel("bsqr4ac");
    Label2a = findLabel("Label2a");
    F1Answer = findLabel("F1Answer");
    F2Answer = findLabel("F2Answer");

    const int buttonsTop = bottom + 300;
    const SolverButtons buttons = addSolverButtons(buttonsTop, Width, {"CommandSolve", [this] { CommandSolve_Click(); }},
                                                   {"CmdClear", [this] { CmdClear_Click(); }},
                                                   {"CommandQuit", [this] { CommandQuit_Click(); }});
    CommandSolve = buttons.solve;

    for (TextBox* entry : {TextA, TextB, TextC})
        connect(entry, &TextBox::changed, this, &QuadraticFactoring::Text_Change);
    // Enter checks its box before the walk moves on; a refused value stays put.
    setEnterOrder({TextA, TextB, TextC}, [this] { CommandSolve->setFocus(); }, [this](TextBox* entry) {
        return entry == TextA ? validateA() : entry == TextB ? validateB() : validateC();
    });
}

void QuadraticFactoring::Form_Load()
{
    centre();
    showScore();
    ResetWorking();
}

void QuadraticFactoring::Text_Change()
{
    markInputsChanged();
    ResetWorking();
}

void QuadraticFactoring::CommandSolve_Click()
{
    if (!validateA() || !validateB() || !validateC())
        return;
    const double va = *readTypedNumber(TextA->text(), NumberType::Single);
    const double vb = *readTypedNumber(TextB->text(), NumberType::Single);
    const double vc = *readTypedNumber(TextC->text(), NumberType::Single);
    a[0]->setText(TextA->text());
    a[1]->setText(TextA->text());
    b[1]->setText(TextB->text());
    b[0]->setText(algebra::plainSeven(-vb));
    b[2]->setText(b[0]->text());
    c[0]->setText(TextC->text());

    const auto working = algebra::factorQuadratic(va, vb, vc);
    if (!working) {
        LabelInstructions->setText(NoRealFactors);
        msgBox(NoRealFactors);
        return;
    }
    // The working is shown in single precision; a value beyond it is refused.
    for (double value : {working->discriminant, working->twoA, working->f1, working->f2}) {
        if (!fitsNumberType(value, NumberType::Single)) {
            LabelInstructions->setText(UseANumber);
            msgBox(UseANumber);
            TextA->setFocus();
            return;
        }
    }
    bsqr4ac->setText(algebra::spacedSeven(working->discriminant));
    Label2a->setText(algebra::spacedSeven(working->twoA));
    F1Answer->setText(algebra::spacedSeven(working->f1));
    F2Answer->setText(algebra::spacedSeven(working->f2));
    setShown(m_numericRows, true);
    countSolution();
    TextA->setFocus();
}

void QuadraticFactoring::CmdClear_Click()
{
    ResetWorking();
    for (TextBox* entry : {TextA, TextB, TextC})
        entry->clear();
    TextA->setFocus();
}

void QuadraticFactoring::CommandQuit_Click() { unload(); }

bool QuadraticFactoring::validateA()
{
    const auto value = readTypedNumber(TextA->text(), NumberType::Single);
    if (value && *value != 0)
        return true;
    refuse(TextA, QStringLiteral("Use a number with magnitude greater than 0."),
           QStringLiteral("Use a number greater than zero."));
    return false;
}

bool QuadraticFactoring::validateB()
{
    if (readTypedNumber(TextB->text(), NumberType::Single))
        return true;
    refuse(TextB, UseANumber, UseANumber);
    return false;
}

bool QuadraticFactoring::validateC()
{
    if (readTypedNumber(TextC->text(), NumberType::Single))
        return true;
    refuse(TextC, UseANumber, UseANumber);
    return false;
}

void QuadraticFactoring::refuse(TextBox* box, const QString& instruction, const QString& message)
{
    LabelInstructions->setText(instruction);
    refuseEntry(box, message);
    // Emptying the box resets the working; the reason stays in view.
    LabelInstructions->setText(instruction);
}

void QuadraticFactoring::ResetWorking()
{
    setShown(m_numericRows, false);
    a[0]->setText(QStringLiteral("a"));
    a[1]->setText(QStringLiteral("a"));
    b[0]->setText(QStringLiteral("-b"));
    b[2]->setText(QStringLiteral("-b"));
    b[1]->setText(QStringLiteral("b"));
    c[0]->setText(QStringLiteral("c"));
    LabelInstructions->setText(EnterValues);
}

} // namespace kt
