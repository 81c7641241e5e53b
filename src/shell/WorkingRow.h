// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of a worked derivation, written left to right: fixed text, named
// places (entry boxes and labels the window fills in), raised pieces (a
// power or an exponent box), fractions, square roots, 2 x 2 determinants and
// framed panels. WorkedSolutionForm places rows.
#include <QList>
#include <QString>

namespace kt::working {

struct Piece {
    enum class Kind { Text, Label, Box, Raised, Fraction, Root, Determinant, Panel };
    Kind kind = Kind::Text;
    QString text; // the fixed text, or a label's first caption
    QString name; // the control's name; "a(1)" makes element 1 of label array "a"
    int width = 0; // in twips; 0 fits the text (a label: its current text)
    bool centred = false; // a label's text centred in its width
    // Numerator and denominator, the contents of a root, a raised piece or a
    // panel, the determinant's rows.
    QList<Piece> upper, lower;
};
using Row = QList<Piece>;

inline Piece text(const QString& fixed, int width = 0) { return {Piece::Kind::Text, fixed, {}, width, false, {}, {}}; }
// A label the window fills in; it starts with `caption`. Width 0 keeps it as
// wide as its text (see WorkedSolutionForm::refitPanel).
inline Piece place(const QString& name, int width, const QString& caption = QString())
{
    return {Piece::Kind::Label, caption, name, width, false, {}, {}};
}
// The same, its text centred: a number that stands in for a letter.
inline Piece placeCentred(const QString& name, int width, const QString& caption = QString())
{
    return {Piece::Kind::Label, caption, name, width, true, {}, {}};
}
inline Piece box(const QString& name, int width = 900) { return {Piece::Kind::Box, {}, name, width, false, {}, {}}; }
// A power: texts and places in the small face, entry boxes full size, all
// raised against what they follow.
inline Piece raised(const QList<Piece>& contents) { return {Piece::Kind::Raised, {}, {}, 0, false, contents, {}}; }
inline Piece squared() { return raised({text(QStringLiteral("2"), 150)}); }
inline Piece fraction(const Row& numerator, const Row& denominator)
{
    return {Piece::Kind::Fraction, {}, {}, 0, false, numerator, denominator};
}
inline Piece root(const Row& contents) { return {Piece::Kind::Root, {}, {}, 0, false, contents, {}}; }
inline Piece determinant(const Row& top, const Row& bottom)
{
    return {Piece::Kind::Determinant, {}, {}, 0, false, top, bottom};
}
// A framed label named `name`, at least `width` twips wide, with a row
// inside it: a result set apart.
inline Piece panel(const QString& name, int width, const Row& contents)
{
    return {Piece::Kind::Panel, {}, name, width, false, contents, {}};
}

} // namespace kt::working
