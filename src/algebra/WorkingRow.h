// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of a worked derivation, written left to right: fixed text, named
// places (entry boxes and labels the window fills in), a small raised 2,
// fractions, square roots and 2 x 2 determinants. WorkingForm places rows.
#include <QList>
#include <QString>

namespace kt::working {

struct Piece {
    enum class Kind { Text, Label, Box, Squared, Fraction, Root, Determinant };
    Kind kind = Kind::Text;
    QString text; // the fixed text, or a label's first caption
    QString name; // the control's name; "a(1)" makes element 1 of label array "a"
    int width = 0; // in twips; 0 fits the text
    bool centred = false; // a label's text centred in its width
    // Numerator and denominator, the root's contents, the determinant's rows.
    QList<Piece> upper, lower;
};
using Row = QList<Piece>;

inline Piece text(const QString& fixed) { return {Piece::Kind::Text, fixed, {}, 0, false, {}, {}}; }
// A label the window fills in; it starts with `caption`.
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
inline Piece squared() { return {Piece::Kind::Squared, QStringLiteral("2"), {}, 0, false, {}, {}}; }
inline Piece fraction(const Row& numerator, const Row& denominator)
{
    return {Piece::Kind::Fraction, {}, {}, 0, false, numerator, denominator};
}
inline Piece root(const Row& contents) { return {Piece::Kind::Root, {}, {}, 0, false, contents, {}}; }
inline Piece determinant(const Row& top, const Row& bottom)
{
    return {Piece::Kind::Determinant, {}, {}, 0, false, top, bottom};
}

} // namespace kt::working
