// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/FractionsWithVariables.h"

#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/TypedNumber.h"

namespace kt {

using namespace working;

namespace {

constexpr int RowGap = 180;
constexpr int PanelWidth = 5400;
constexpr int PanelFrame = 240; // the panel's room on both sides of its row

Piece t(const char* fixed) { return text(QString::fromLatin1(fixed)); }
// A letter and its power, as the formula writes them: "a X" with R raised.
Row powered(const char* term, const char* power) { return {t(term), raised({t(power)})}; }
// The same with entry boxes for the coefficient and the power.
Row poweredBoxes(const QString& coefficient, const char* letter, const QString& power)
{
    return {box(coefficient), t(letter), raised({box(power, 600)})};
}
// X and Y with their powers as the working shows them; `i` is the element of
// LabelRplusT and LabelSplusU.
Row powers(int i)
{
    return {t("X"), raised({place(QStringLiteral("LabelRplusT(%1)").arg(i), 0, QStringLiteral("R+T"))}), t("/  Y"),
            raised({place(QStringLiteral("LabelSplusU(%1)").arg(i), 0, QStringLiteral("S+U"))})};
}

// A value typed into a box as a single-precision number; nothing when the
// box holds no number or a value a single cannot hold (1e39, or 1e-50,
// which would silently become 0).
std::optional<float> typedSingle(const QString& text)
{
    const std::optional<double> value = readTypedNumber(text, NumberType::Single);
    if (!value || (*value != 0.0 && float(*value) == 0.0f))
        return std::nullopt;
    return float(*value);
}

} // namespace

FractionsWithVariables::FractionsWithVariables()
    : WorkedSolutionForm(windows::FractionsWithVariables, 14, true), SolutionScore(&SessionState::FractionScore),
      LabelRplusT(labelArray(QStringLiteral("LabelRplusT"))), LabelSplusU(labelArray(QStringLiteral("LabelSplusU")))
{
    setCaption(QStringLiteral("Fraction Reduction"));
    setSizeTwips(9000, 6600);
    setBackColor(Colour::White);

    const Row formula{t("P(X,Y)"), t(" = "), fraction(powered("a X", "R"), powered("b Y", "S")), t(" * "),
                      fraction(powered("c X", "T"), powered("d Y", "U"))};
    // The widest result whole numbers give: fourteen characters of
    // coefficient and the sums of two 16-bit powers.
    const Row widest{t("-262143.984375"), t("X"), raised({t("-65536")}), t("/  Y"), raised({t("-65536")})};
    const QList<Row> working{
        {t(" = "), fraction(poweredBoxes("Texta", "X", "textR"), poweredBoxes("Textb", "Y", "textS")), t(" * "),
         fraction(poweredBoxes("Textc", "X", "TextT"), poweredBoxes("Textd", "Y", "TextU"))},
        Row{t(" = "), place("LabelAdivB", 0, " a/b"), t(" * "), place("LabelCdivD", 0, "c/d"), t(" ")} + powers(0),
        Row{t(" = "), place("LabelACdivBD", 0, "ac/bd"), t(" ")} + powers(1),
        // The result row; its places take the width of what they show.
        {t(" = "), panel("Picture1", qMax(PanelWidth, rowWidth(widest) + PanelFrame),
                       {place("LabelFinalAnswer", 0), place("Labelx", 0, "X"), raised({place("LabelRplusT(2)", 0)}),
                        place("LabelY", 0, "/  Y"), raised({place("LabelSplusU(2)", 0)})})},
    };
    placeRow(formula, Margin, Margin);
    // The working's equals signs stand under the formula's.
    placeRows(working, Margin + rowWidth({t("P(X,Y)")}), Margin + rowHeight(formula) + RowGap, RowGap);

    Texta = findBox("Texta"), Textb = findBox("Textb"), Textc = findBox("Textc"), Textd = findBox("Textd");
    textR = findBox("textR"), textS = findBox("textS"), TextT = findBox("TextT"), TextU = findBox("TextU");
    for (TextBox* b : {Texta, Textb, Textc, Textd, textR, textS, TextT, TextU}) {
        // The boxes keep the entry face, where a sign and five digits fit.
        b->setFont(sansFont(10));
        connect(b, &TextBox::changed, this, &FractionsWithVariables::Text_Change);
    }
    Picture1 = findLabel("Picture1");
    Picture1->setBackColor(Colour::LightCyan);
    LabelFinalAnswer = findLabel("LabelFinalAnswer");
    Labelx = findLabel("Labelx");
    LabelY = findLabel("LabelY");

    LabelInstruction = addLabel(QStringLiteral("LabelInstruction"), 6480, 3000, 2280, 1200,
                                QStringLiteral("Enter integer values for a, b, c, d, r, s, t, and u."));
    LabelInstruction->setScriptFont(11, true);
    LabelInstruction->setWordWrap(true);
    LabelInstruction->setForeColor(Colour::Blue);
    LabelScore = addLabel(QStringLiteral("LabelScore"), 6480, 2520, 2280, 420, QStringLiteral("Score"));
    LabelScore->setScriptFont(12, true);
    LabelScore->hide();
    CommandSolve = addButton(QStringLiteral("CommandSolve"), 1800, 5400, 1440, 480, QStringLiteral("&Solve"));
    cmdClear = addButton(QStringLiteral("cmdClear"), 3600, 5400, 1440, 480, QStringLiteral("&Clear"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 5400, 5400, 1440, 480, QStringLiteral("&Return"));
    connect(CommandSolve, &QPushButton::clicked, this, &FractionsWithVariables::CommandSolve_Click);
    connect(cmdClear, &QPushButton::clicked, this, &FractionsWithVariables::cmdClear_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &FractionsWithVariables::CommandReturn_Click);

    // Enter checks its box, then moves on: a, r, b, s, c, t, d, u, Solve.
    const QList<TextBox*> enterOrder{Texta, textR, Textb, textS, Textc, TextT, Textd, TextU};
    setEnterOrder(enterOrder, [this] { CommandSolve->setFocus(); }, [this](TextBox* box) { return check(box); });
}

void FractionsWithVariables::Form_Load()
{
    centre();
    showScore();
    HideResult();
}

void FractionsWithVariables::Text_Change()
{
    markInputsChanged();
    HideResult();
}

void FractionsWithVariables::CommandSolve_Click()
{
    for (TextBox* b : {Texta, Textb, textR, textS, Textc, Textd, TextT, TextU}) {
        if (!check(b)) {
            b->setFocus();
            return;
        }
    }
    const VariableProduct product = multiplyVariableFractions(
        {value(Texta), value(Textb), value(Textc), value(Textd), value(textR), value(textS), value(TextT), value(TextU)});
    // A product that cannot be worked is refused at the box that broke it.
    switch (product.fault) {
    case ProductFault::Denominators:
        return refuse(Textd);
    case ProductFault::Coefficient:
        return refuse(Textc);
    case ProductFault::XExponent:
        return refuse(TextT);
    case ProductFault::YExponent:
        return refuse(TextU);
    case ProductFault::None:
        break;
    }
    showProduct(product);
    countSolution();
    Texta->setFocus();
}

void FractionsWithVariables::cmdClear_Click()
{
    markInputsChanged();
    HideResult();
    for (TextBox* b : {Texta, Textb, Textc, Textd, textR, textS, TextT, TextU})
        b->clear();
    Texta->setFocus();
}

void FractionsWithVariables::CommandReturn_Click() { unload(); }

bool FractionsWithVariables::check(TextBox* box)
{
    const std::optional<float> v = typedSingle(box->text());
    if (v && !(isDenominator(box) && *v == 0.0f))
        return true;
    refuse(box);
    return false;
}

void FractionsWithVariables::refuse(TextBox* box)
{
    if (isDenominator(box)) {
        LabelInstruction->setText(QStringLiteral("Magnitude must be greater than zero."));
        refuseEntry(box, QStringLiteral("Use magnitude greater than zero."));
    } else {
        LabelInstruction->setText(QStringLiteral("Value must be an integer."));
        refuseEntry(box, QStringLiteral("Use an integer."));
    }
}

float FractionsWithVariables::value(const TextBox* box) const { return typedSingle(box->text()).value_or(0.0f); }

void FractionsWithVariables::HideResult()
{
    setShown({Picture1, LabelFinalAnswer, Labelx, LabelY, LabelRplusT[2], LabelSplusU[2]}, false);
}

void FractionsWithVariables::showProduct(const VariableProduct& product)
{
    setShown({Picture1, LabelFinalAnswer}, true);
    setShown({Labelx, LabelRplusT[2]}, product.showX);
    setShown({LabelY, LabelSplusU[2]}, product.showY);
    LabelFinalAnswer->setText(coefficientText(product.coefficient));
    LabelRplusT[2]->setText(spacedSingle(product.xExponent));
    LabelSplusU[2]->setText(spacedSingle(product.yExponent));
    // Each piece as wide as its text: the largest values keep apart.
    refitPanel(QStringLiteral("Picture1"));
}

} // namespace kt
