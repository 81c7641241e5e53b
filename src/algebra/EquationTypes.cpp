// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/EquationTypes.h"

#include <array>

namespace kt {

using namespace working;

namespace {

const QString A = QStringLiteral("Texta"), B = QStringLiteral("Textb"), C = QStringLiteral("Textc");

Piece t(const char* fixed) { return text(QString::fromUtf8(fixed)); }
Piece over(const char* top, const char* bottom) { return fraction({t(top)}, {t(bottom)}); }
Row answerRow(const char* lead) { return {t(lead), place(QStringLiteral("LabelFinalAnswer"), 3600)}; }

EquationType linear(int number, QList<Row> rows, QStringList enterOrder, double (*formula)(double, double, double))
{
    return {number, EquationType::Kind::Linear, std::move(rows), std::move(enterOrder), formula};
}

EquationType triangle(int number, const char* sign)
{
    const bool hypotenuse = QLatin1String(sign) == QLatin1String("+");
    return {number,
            hypotenuse ? EquationType::Kind::Hypotenuse : EquationType::Kind::Leg,
            {
                {t("X ="), root({t("a"), squared(), t(sign), t("b"), squared()})},
                {t("X ="), root({box(A), squared(), t(sign), box(B), squared()})},
                {t("X = "), root({place(QStringLiteral("LabelSumOfSquares"), 2400)})},
                answerRow("X = "),
            },
            {A, B},
            hypotenuse ? +[](double a, double b, double) { return a * a + b * b; }
                       : +[](double a, double b, double) { return a * a - b * b; }};
}

std::array<EquationType, 8> makeTypes()
{
    return {
        linear(1,
               {{t("a X = b")},
                {box(A), t("X ="), box(B)},
                {over("a X", "a"), t("="), over("b", "a")},
                {t("X = b/a")},
                answerRow("X = ")},
               {A, B}, [](double a, double b, double) { return b / a; }),
        linear(2,
               {{t("X / a   =  b")},
                {t("X /"), box(A), t("  ="), box(B)},
                {over("a X", "a"), t("=  a b")},
                {t("X  =  a b")},
                answerRow("X  = ")},
               {A, B}, [](double a, double b, double) { return b * a; }),
        linear(3,
               {{t("a X + b = c")},
                {box(A), t("X +"), box(B), t("="), box(C)},
                {over("a X + b", "- b"), t("="), over("c", "- b")},
                {t("a X = c - b")},
                {over("a X", "a"), t("="), over("c - b", "a")},
                {t("X = (c - b) / a")},
                answerRow("X = ")},
               {A, B, C}, [](double a, double b, double c) { return (c - b) / a; }),
        linear(4,
               {{t("X / a  +  b = c")},
                {t("X /"), box(A), t("+"), box(B), t("="), box(C)},
                {over("X / a + b", "- b"), t("="), over("c", "- b")},
                {t("X / a"), t("="), t("c - b")},
                {t("(X / a) a"), t("="), t("(c - b) a")},
                {t("X  =  (c - b) a")},
                answerRow("X  = ")},
               {A, B, C}, [](double a, double b, double c) { return (c - b) * a; }),
        triangle(5, "+"),
        triangle(6, "-"),
        linear(7,
               {{t("a ( X + b ) = c")},
                {box(A), t("( X + "), box(B), t(" ) ="), box(C)},
                {over("a ( X + b )", "a"), t(" ="), over("c", "a")},
                {t("( X + b ) = c/a")},
                {t("X = c/a - b")},
                answerRow("X = ")},
               {A, B, C}, [](double a, double b, double c) { return c / a - b; }),
        linear(8,
               {{t("( X + b ) / a  = c")},
                {t("( X + "), box(B), t(") /"), box(A), t("="), box(C)},
                {t("a ( X + b ) / a =  a c")},
                {t("( X + b ) = a c")},
                {t("X = a c - b")},
                answerRow("X = ")},
               {B, A, C}, [](double a, double b, double c) { return c * a - b; }),
    };
}

} // namespace

const EquationType& equationType(int number)
{
    static const std::array<EquationType, 8> types = makeTypes();
    Q_ASSERT(number >= 1 && number <= 8);
    return types[size_t(number - 1)];
}

} // namespace kt
