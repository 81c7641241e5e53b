// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/WorkingForm.h"

#include "ui/Controls.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace kt {

using working::Piece;
using working::Row;

namespace {

constexpr int LineHeight = 390;     // one line of text or an entry box
constexpr int Half = LineHeight / 2;
constexpr int Gap = 60;             // between a bar and what stands over or under it
constexpr int TextPad = 90;         // room after a text
constexpr int RaisedWidth = 150;    // the small 2
constexpr int RootSignWidth = 270;
constexpr int BarOverhang = 60;     // fraction bars reach past their longer side
constexpr int DeterminantPad = 120; // room inside a determinant's bars

int textWidth(const QString& text, int points)
{
    return twips(QFontMetrics(sansFont(points)).horizontalAdvance(text)) + TextPad;
}

} // namespace

WorkingForm::WorkingForm(const QString& name) : Form(name) {}

WorkingForm::Extent WorkingForm::measure(const Row& row) const
{
    Extent e;
    for (const Piece& piece : row) {
        const Extent p = measure(piece);
        e.width += p.width;
        e.above = qMax(e.above, p.above);
        e.below = qMax(e.below, p.below);
    }
    if (row.isEmpty())
        e.above = e.below = Half;
    return e;
}

WorkingForm::Extent WorkingForm::measure(const Piece& piece) const
{
    switch (piece.kind) {
    case Piece::Kind::Text:
        return {textWidth(piece.text, FontPoints), Half, Half};
    case Piece::Kind::Label:
    case Piece::Kind::Box:
        return {piece.width, Half, Half};
    case Piece::Kind::Squared:
        return {RaisedWidth, Half + 90, 0};
    case Piece::Kind::Fraction: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        return {qMax(top.width, bottom.width) + 2 * BarOverhang, top.above + top.below + Gap,
                bottom.above + bottom.below + Gap};
    }
    case Piece::Kind::Root: {
        const Extent inside = measure(piece.upper);
        return {inside.width + RootSignWidth + BarOverhang, inside.above + Gap, inside.below};
    }
    case Piece::Kind::Determinant: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        return {qMax(top.width, bottom.width) + 2 * DeterminantPad, top.above + top.below,
                bottom.above + bottom.below};
    }
    }
    return {};
}

int WorkingForm::rowHeight(const Row& row) const
{
    const Extent e = measure(row);
    return e.above + e.below;
}

int WorkingForm::rowWidth(const Row& row) const { return measure(row).width; }

QList<QWidget*> WorkingForm::placeRow(const Row& row, int left, int top)
{
    QList<QWidget*> made;
    placeSequence(row, left, top + measure(row).above, made);
    return made;
}

QList<QList<QWidget*>> WorkingForm::placeRows(const QList<Row>& rows, int left, int top, int gap, int* bottom)
{
    QList<QList<QWidget*>> all;
    for (const Row& row : rows) {
        all << placeRow(row, left, top);
        top += rowHeight(row) + gap;
    }
    if (bottom)
        *bottom = top - gap;
    return all;
}

int WorkingForm::placeSequence(const Row& row, int left, int middle, QList<QWidget*>& made)
{
    int x = left;
    for (const Piece& piece : row)
        x += placePiece(piece, x, middle, made);
    return x - left;
}

int WorkingForm::placePiece(const Piece& piece, int left, int middle, QList<QWidget*>& made)
{
    const Extent e = measure(piece);
    switch (piece.kind) {
    case Piece::Kind::Text:
        made << addWorkingLabel(QStringLiteral("Label%1").arg(++m_fixedLabels), left, middle - Half, e.width,
                                LineHeight, piece.text, FontPoints);
        break;
    case Piece::Kind::Label:
        made << addWorkingLabel(piece.name, left, middle - Half, e.width, LineHeight, piece.text, FontPoints);
        if (piece.centred)
            static_cast<Label*>(made.last())->setAlignment(Qt::AlignCenter);
        break;
    case Piece::Kind::Box: {
        TextBox* entry = addTextBox(piece.name, left, middle - Half, e.width, LineHeight);
        entry->setFont(sansFont(FontPoints));
        made << entry;
        break;
    }
    case Piece::Kind::Squared:
        // Tucked against what it squares, into the room left after a text.
        made << addWorkingLabel(QStringLiteral("Label%1").arg(++m_fixedLabels), left - TextPad / 2, middle - Half - 90,
                                RaisedWidth, LineHeight / 2 + 30, piece.text, FontPoints - 4);
        break;
    case Piece::Kind::Fraction: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        placeSequence(piece.upper, left + (e.width - top.width) / 2, middle - Gap - top.below, made);
        made << addWorkingLine(left, middle, left + e.width, middle);
        placeSequence(piece.lower, left + (e.width - bottom.width) / 2, middle + Gap + bottom.above, made);
        break;
    }
    case Piece::Kind::Root: {
        const Extent inside = measure(piece.upper);
        const int topY = middle - inside.above - Gap / 2, bottomY = middle + inside.below - 30;
        // The tick, the long stroke up and the bar over the contents.
        made << addWorkingLine(left + 30, middle, left + 120, bottomY);
        made << addWorkingLine(left + 120, bottomY, left + RootSignWidth - 30, topY);
        made << addWorkingLine(left + RootSignWidth - 30, topY, left + e.width, topY);
        placeSequence(piece.upper, left + RootSignWidth, middle, made);
        break;
    }
    case Piece::Kind::Determinant: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        const int topY = middle - e.above, bottomY = middle + e.below;
        made << addWorkingLine(left + 40, topY, left + 40, bottomY);
        made << addWorkingLine(left + e.width - 40, topY, left + e.width - 40, bottomY);
        placeSequence(piece.upper, left + DeterminantPad, middle - top.below, made);
        placeSequence(piece.lower, left + DeterminantPad, middle + bottom.above, made);
        break;
    }
    }
    return e.width;
}

Label* WorkingForm::addWorkingLabel(const QString& name, int left, int top, int width, int height,
                                    const QString& caption, int points)
{
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const auto match = element.match(name);
    Label* made = match.hasMatch()
                      ? addLabel(labelArray(match.captured(1)), match.captured(2).toInt(), left, top, width, height)
                      : addLabel(name, left, top, width, height);
    made->setTextFormat(Qt::PlainText);
    made->setWordWrap(false);
    made->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    made->setFontSize(points);
    made->setText(caption);
    return made;
}

Label* WorkingForm::addFixedText(int left, int top, const QString& text)
{
    return addWorkingLabel(QStringLiteral("Label%1").arg(++m_fixedLabels), left, top,
                           textWidth(text, FontPoints), LineHeight, text, FontPoints);
}

LineControl* WorkingForm::addWorkingLine(int x1, int y1, int x2, int y2)
{
    return addLine(QStringLiteral("Line%1").arg(++m_lines), x1, y1, x2, y2, 0, 1);
}

TextBox* WorkingForm::findBox(const QString& name) const { return findChild<TextBox*>(name); }

Label* WorkingForm::findLabel(const QString& name) const { return findChild<Label*>(name); }

ControlArray<Label>& WorkingForm::labelArray(const QString& name)
{
    auto it = m_arrays.find(name);
    if (it == m_arrays.end())
        it = m_arrays.emplace(name, ControlArray<Label>(name)).first;
    return it->second;
}

void WorkingForm::setShown(const QList<QWidget*>& controls, bool shown)
{
    for (QWidget* control : controls)
        control->setVisible(shown);
}

} // namespace kt
