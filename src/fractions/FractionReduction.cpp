// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions/FractionReduction.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/TypedNumber.h"

namespace kt {
namespace {
// Rows of the formula, in twips: the top of each row's middle line.
constexpr int Row1 = 720;
constexpr int Row2 = 1920;
constexpr int Row3 = 3120;
constexpr int Row4 = 3720;
constexpr int Row5 = 4320;
constexpr int PanelLeft = 1800;
constexpr int PanelWidth = 5400;
constexpr int CoefficientLeft = 120; // within the panel
constexpr int CharWidth = 135;       // each character of the coefficient

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

FractionReduction::FractionReduction() : Form(windows::FractionReduction2)
{
    setCaption(QStringLiteral("Fraction Reduction"));
    setSizeTwips(9000, 6600);
    setBackColor(15);

    const auto text = [this](const QString& name, int left, int top, int width, const QString& caption,
                             int size = 14) {
        Label* label = addLabel(name, left, top, width, 420, caption);
        label->setFont(sansFont(size, true));
        return label;
    };
    const auto fixed = [&](int left, int top, int width, const QString& caption, int size = 14) {
        return text(QString(), left, top, width, caption, size);
    };
    const auto bar = [this](int left, int top, int width) { addLine(QString(), left, top, left + width, top, 0, 2); };
    // A fraction: numerator over denominator with powers of X and Y.
    const auto fraction = [&](int left, int top, const QString& a, const QString& b, const QString& r,
                              const QString& s) {
        fixed(left, top - 420, 600, a + QStringLiteral(" X"));
        fixed(left + 600, top - 600, 300, r, 9);
        bar(left, top + 30, 900);
        fixed(left, top + 90, 600, b + QStringLiteral(" Y"));
        fixed(left + 600, top + 60, 300, s, 9);
    };

    fixed(240, Row1 - 150, 1000, QStringLiteral("P(X,Y)"));
    fixed(1320, Row1 - 150, 300, QStringLiteral("="));
    fraction(1800, Row1, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("R"), QStringLiteral("S"));
    fixed(3000, Row1 - 150, 300, QStringLiteral("*"));
    fraction(3480, Row1, QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("T"), QStringLiteral("U"));

    // Row 2: the same two fractions with boxes in place of the letters.
    fixed(1320, Row2 - 150, 300, QStringLiteral("="));
    const auto box = [this](const QString& name, int left, int top, int width) {
        TextBox* b = addTextBox(name, left, top, width, 390);
        connect(b, &TextBox::changed, this, &FractionReduction::Text_Change);
        return b;
    };
    const auto boxFraction = [&](int left, const QString& a, const QString& b, const QString& r, const QString& s,
                                 TextBox** ta, TextBox** tb, TextBox** tr, TextBox** ts) {
        *ta = box(a, left, Row2 - 450, 900);
        fixed(left + 930, Row2 - 450, 300, QStringLiteral("X"));
        *tr = box(r, left + 1200, Row2 - 780, 600);
        bar(left, Row2 + 0, 1800);
        *tb = box(b, left, Row2 + 60, 900);
        fixed(left + 930, Row2 + 60, 300, QStringLiteral("Y"));
        *ts = box(s, left + 1200, Row2 - 90, 600);
    };
    boxFraction(1800, QStringLiteral("Texta"), QStringLiteral("Textb"), QStringLiteral("textR"),
                QStringLiteral("textS"), &Texta, &Textb, &textR, &textS);
    fixed(3840, Row2 - 150, 300, QStringLiteral("*"));
    boxFraction(4320, QStringLiteral("Textc"), QStringLiteral("Textd"), QStringLiteral("TextT"),
                QStringLiteral("TextU"), &Textc, &Textd, &TextT, &TextU);

    // Rows 3 and 4: the working, fixed text.
    const auto powers = [&](int index, int left, int top) {
        fixed(left, top, 300, QStringLiteral("X"));
        addLabel(LabelRplusT, index, left + 300, top - 180, 600, 300, QStringLiteral("R+T"))->setFont(sansFont(9, true));
        fixed(left + 900, top, 720, QStringLiteral("/  Y"));
        addLabel(LabelSplusU, index, left + 1620, top - 180, 600, 300, QStringLiteral("S+U"))->setFont(sansFont(9, true));
    };
    fixed(1320, Row3, 300, QStringLiteral("="));
    LabelAdivB = text(QStringLiteral("LabelAdivB"), 1800, Row3, 720, QStringLiteral(" a/b"));
    fixed(2580, Row3, 300, QStringLiteral("*"));
    LabelCdivD = text(QStringLiteral("LabelCdivD"), 2880, Row3, 720, QStringLiteral("c/d"));
    powers(0, 3720, Row3);
    fixed(1320, Row4, 300, QStringLiteral("="));
    LabelACdivBD = text(QStringLiteral("LabelACdivBD"), 1800, Row4, 900, QStringLiteral("ac/bd"));
    powers(1, 3720, Row4);

    // Row 5: the result panel.
    fixed(1320, Row5 + 90, 300, QStringLiteral("="));
    Picture1 = addLabel(QStringLiteral("Picture1"), PanelLeft, Row5, PanelWidth, 600);
    Picture1->setBackColor(11);
    Picture1->setFrameShape(QFrame::Box);
    // The result row in a fixed-pitch face whose characters are 135 twips
    // wide, the width its placement counts on.
    QFont pitch(QStringLiteral("DejaVu Sans Mono"));
    pitch.setPixelSize(15);
    pitch.setBold(true);
    LabelFinalAnswer = text(QStringLiteral("LabelFinalAnswer"), 0, 0, 3000, QString());
    Labelx = text(QStringLiteral("Labelx"), 0, 0, 300, QStringLiteral("X"));
    LabelY = text(QStringLiteral("LabelY"), 0, 0, 720, QStringLiteral("/  Y"));
    LabelFinalAnswer->setFont(pitch);
    QFont letters = sansFont(10, true);
    letters.setPixelSize(15);
    Labelx->setFont(letters);
    LabelY->setFont(letters);
    addLabel(LabelRplusT, 2, 0, 0, 1200, 300)->setFont(sansFont(9, true));
    addLabel(LabelSplusU, 2, 0, 0, 1200, 300)->setFont(sansFont(9, true));
    placeInPanel(LabelFinalAnswer, CoefficientLeft);

    LabelInstruction = addLabel(QStringLiteral("LabelInstruction"), 6480, 3000, 2280, 1200,
                                QStringLiteral("Enter integer values for a, b, c, d, r, s, t, and u."));
    LabelInstruction->setScriptFont(11, true);
    LabelInstruction->setWordWrap(true);
    LabelInstruction->setForeColor(1);
    LabelScore = addLabel(QStringLiteral("LabelScore"), 6480, 2520, 2280, 420, QStringLiteral("Score"));
    LabelScore->setScriptFont(12, true);
    LabelScore->hide();
    CommandSolve = addButton(QStringLiteral("CommandSolve"), 1800, 5400, 1440, 480, QStringLiteral("&Solve"));
    cmdClear = addButton(QStringLiteral("cmdClear"), 3600, 5400, 1440, 480, QStringLiteral("&Clear"));
    CommandReturn = addButton(QStringLiteral("CommandReturn"), 5400, 5400, 1440, 480, QStringLiteral("&Return"));
    connect(CommandSolve, &QPushButton::clicked, this, &FractionReduction::CommandSolve_Click);
    connect(cmdClear, &QPushButton::clicked, this, &FractionReduction::cmdClear_Click);
    connect(CommandReturn, &QPushButton::clicked, this, &FractionReduction::CommandReturn_Click);

    // Enter checks its box, then moves on: a, r, b, s, c, t, d, u, Solve.
    const QList<TextBox*> enterOrder{Texta, textR, Textb, textS, Textc, TextT, Textd, TextU};
    setEnterOrder(enterOrder, [this] { CommandSolve->setFocus(); }, [this](TextBox* box) {
        InputError = 0;
        checkBox(box);
        return InputError != -1;
    });
}

void FractionReduction::Form_Load()
{
    centre();
    if (HideScore == 0) {
        LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().FractionScore)));
        LabelScore->show();
    }
    HideResult();
}

void FractionReduction::Text_Change()
{
    ScoreDue = 1;
    HideResult();
}

void FractionReduction::CommandSolve_Click()
{
    for (TextBox* b : {Texta, Textb, textR, textS, Textc, Textd, TextT, TextU}) {
        InputError = 0;
        checkBox(b);
        if (InputError == -1) {
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
    if (ScoreDue == 1) {
        session().FractionScore = addSaturating16(session().FractionScore, 1);
        if (HideScore == 0)
            LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().FractionScore)));
    }
    ScoreDue = 0;
    Texta->setFocus();
}

void FractionReduction::cmdClear_Click()
{
    ScoreDue = 1;
    HideResult();
    for (TextBox* b : {Texta, Textb, Textc, Textd, textR, textS, TextT, TextU})
        b->clear();
    Texta->setFocus();
}

void FractionReduction::CommandReturn_Click() { unload(); }

void FractionReduction::checkBox(TextBox* box)
{
    const std::optional<float> v = typedSingle(box->text());
    if (!v || (isDenominator(box) && *v == 0.0f))
        refuse(box);
}

void FractionReduction::refuse(TextBox* box)
{
    InputError = -1;
    if (isDenominator(box)) {
        LabelInstruction->setText(QStringLiteral("Magnitude must be greater than zero."));
        refuseEntry(box, QStringLiteral("Use magnitude greater than zero."));
    } else {
        LabelInstruction->setText(QStringLiteral("Value must be an integer."));
        refuseEntry(box, QStringLiteral("Use an integer."));
    }
}

float FractionReduction::value(const TextBox* box) const { return typedSingle(box->text()).value_or(0.0f); }

void FractionReduction::HideResult()
{
    for (QWidget* w : {static_cast<QWidget*>(LabelFinalAnswer), static_cast<QWidget*>(Labelx),
                       static_cast<QWidget*>(LabelY), static_cast<QWidget*>(LabelRplusT[2]),
                       static_cast<QWidget*>(LabelSplusU[2]), static_cast<QWidget*>(Picture1)})
        w->hide();
}

void FractionReduction::showProduct(const VariableProduct& product)
{
    for (QWidget* w : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Labelx), static_cast<QWidget*>(LabelY),
                       static_cast<QWidget*>(LabelSplusU[2]), static_cast<QWidget*>(LabelRplusT[2]),
                       static_cast<QWidget*>(LabelFinalAnswer)})
        w->show();
    Labelx->setVisible(product.showX);
    LabelRplusT[2]->setVisible(product.showX);
    LabelY->setVisible(product.showY);
    LabelSplusU[2]->setVisible(product.showY);
    LabelFinalAnswer->setText(coefficientText(product.coefficient));

    // Each character of the coefficient is taken as 135 twips wide.
    const int n = int(LabelFinalAnswer->text().size());
    const int base = CoefficientLeft + 270;
    const bool noX = product.xExponent == 0.0f;
    placeInPanel(Labelx, base + CharWidth * n);
    placeInPanel(LabelRplusT[2], base + 135 + CharWidth * n);
    placeInPanel(LabelY, base + (noX ? 0 : 540) + CharWidth * n);
    placeInPanel(LabelSplusU[2], base + (noX ? 405 : 945) + CharWidth * n);
    LabelRplusT[2]->setText(spacedSingle(product.xExponent));
    LabelSplusU[2]->setText(spacedSingle(product.yExponent));
}

void FractionReduction::placeInPanel(QWidget* control, int left)
{
    // Powers sit raised beside their letter.
    const bool power = control == LabelRplusT[2] || control == LabelSplusU[2];
    control->move(px(PanelLeft + left), px(Row5 + (power ? 0 : 120)));
    control->raise();
}

} // namespace kt
