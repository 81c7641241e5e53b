// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/SimultaneousEquations.h"

#include "algebra/Solving.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"
#include "ui/TypedNumber.h"

#include <QMap>

namespace kt {

using namespace working;

namespace {

const QString UseAnInteger = QStringLiteral("Use an integer value.");
const QStringList Names{"a1", "b1", "c1", "a2", "b2", "c2"};

constexpr int Width = 11000;

Piece t(const QString& fixed) { return text(fixed); }

// The next place of a coefficient in the rule: "a1" gives a1(0), a1(1), ...
class Places {
public:
    explicit Places(int width) : m_width(width) {}
    Piece operator()(const QString& name)
    {
        return placeCentred(QStringLiteral("%1(%2)").arg(name).arg(m_next[name]++), m_width, name);
    }

private:
    int m_width;
    QMap<QString, int> m_next;
};

// Every place and box of a coefficient `cell` twips wide.
QList<Row> rows(int cell)
{
    Places p(cell);
    auto equation = [](const QString& n) {
        return Row{t("a" + n), t("x"), t("+"), t("b" + n), t("y"), t("="), t("c" + n)};
    };
    auto entries = [cell](const QString& n) {
        return Row{box("texta" + n, cell), t("x"), t("+"), box("textb" + n, cell), t("y"), t("="), box("textc" + n, cell)};
    };
    // Each expression builds its places in reading order, so the indices run
    // left to right, top to bottom.
    const Piece xTop = determinant({p("c1"), p("b1")}, {p("c2"), p("b2")});
    const Piece xBottom = determinant({p("a1"), p("b1")}, {p("a2"), p("b2")});
    const Piece yTop = determinant({p("a1"), p("c1")}, {p("a2"), p("c2")});
    const Piece yBottom = determinant({p("a1"), p("b1")}, {p("a2"), p("b2")});
    auto expanded = [&p](const char* w, const char* x, const char* y, const char* z) {
        return Row{t("("), p(w), t("*"), p(x), t("-"), p(y), t("*"), p(z), t(")")};
    };
    const Piece xExpanded = fraction(expanded("c1", "b2", "c2", "b1"), expanded("a1", "b2", "a2", "b1"));
    const Piece yExpanded = fraction(expanded("a1", "c2", "a2", "c1"), expanded("a1", "b2", "a2", "b1"));
    return {
        equation("1"),
        equation("2"),
        entries("1"),
        entries("2"),
        {t("x = "), fraction({xTop}, {xBottom}), t("      y ="), fraction({yTop}, {yBottom})},
        {t("x = "), xExpanded, t("   y ="), yExpanded},
        {t("x = "), place("LabelAnswerx", 2200), t("y ="), place("LabelAnswery", 2200)},
    };
}

} // namespace

SimultaneousEquations::SimultaneousEquations()
    : WorkedSolutionForm(windows::SimultaneousEquations), SolutionScore(&SessionState::SolverScore)
{
    setCaption(QStringLiteral("Simultaneous Linear Equation Solution"));
    // A cell holds the widest coefficient, -32768, with room to keep it
    // apart from its neighbours and the determinants' bars.
    const QList<Row> working = rows(textWidth(QStringLiteral("-32768")) + 120);
    int width = Width;
    for (const Row& row : working)
        width = qMax(width, rowWidth(row) + 2 * Margin);
    int bottom = 0;
    placeRows(working, Margin, Margin, 150, &bottom);
    LabelInstructions = addLabel("LabelInstructions", 5400, Margin, 3600, 600, "Enter the coefficients.");
    LabelInstructions->setFontSize(fontPoints());
    LabelScore = addLabel("LabelScore", width - 1800, Margin, 1600, 300, "Score = ");
    LabelAnswerx = findLabel("LabelAnswerx");
    LabelAnswery = findLabel("LabelAnswery");
    QList<TextBox*> order;
    for (const QString& name : Names) {
        order << findBox("text" + name);
        m_coefficients.append({order.last(), &labelArray(name)});
        connect(order.last(), &TextBox::changed, this, &SimultaneousEquations::Text_Change);
    }
    texta1 = order[0], textb1 = order[1], textc1 = order[2];
    texta2 = order[3], textb2 = order[4], textc2 = order[5];

    const int buttonsTop = bottom + 300;
    const SolverButtons buttons = addSolverButtons(buttonsTop, width, {"CommandSolve", [this] { CommandSolve_Click(); }},
                                                   {"CmdClear", [this] { CmdClear_Click(); }},
                                                   {"CommandReturn", [this] { CommandReturn_Click(); }});
    CommandSolve = buttons.solve;

    // Enter checks its box before the walk moves on; a refused value stays put.
    setEnterOrder(order, [this] { CommandSolve->setFocus(); }, [this](TextBox* box) { return validate(box); });
}

void SimultaneousEquations::Form_Load()
{
    centre();
    showScore();
    ResetWorking();
}

void SimultaneousEquations::Text_Change()
{
    markInputsChanged();
    ResetWorking();
}

void SimultaneousEquations::CommandSolve_Click()
{
    QList<qint16> v;
    for (const auto& [box, places] : m_coefficients) {
        if (!validate(box))
            return;
        v << qint16(*readTypedNumber(box->text(), NumberType::Integer16));
    }
    for (const auto& [box, places] : m_coefficients)
        for (Label* place : *places)
            place->setText(box->text());
    LabelAnswerx->show();
    LabelAnswery->show();

    const auto solution = algebra::solveCramer(v[0], v[1], v[2], v[3], v[4], v[5]);
    if (!solution) {
        LabelInstructions->setText(QStringLiteral("Can't find solution!"));
        msgBox(QStringLiteral("Can't find solution."));
        texta1->setFocus();
        return;
    }
    LabelAnswerx->setText(algebra::spacedSeven(solution->x));
    LabelAnswery->setText(algebra::spacedSeven(solution->y));
    countSolution();
    texta1->setFocus();
}

void SimultaneousEquations::CmdClear_Click()
{
    ResetWorking();
    for (const auto& [box, places] : m_coefficients)
        box->clear();
    texta1->setFocus();
}

void SimultaneousEquations::CommandReturn_Click() { unload(); }

bool SimultaneousEquations::validate(TextBox* box)
{
    // Whole numbers of the program's 16-bit range only: the working shows the
    // typed text, so a fraction would be shown but not solved.
    if (readTypedWhole(box->text()))
        return true;
    refuseEntry(box, UseAnInteger);
    return false;
}

void SimultaneousEquations::ResetWorking()
{
    for (const auto& [box, places] : m_coefficients)
        for (Label* place : *places)
            place->setText(places->name());
    LabelAnswerx->clear();
    LabelAnswery->clear();
    LabelInstructions->setText(QStringLiteral("Enter the coefficients."));
}

} // namespace kt
