// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WorkedSolutionForm.h"

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
constexpr int RaisedTop = Half + 90; // a power's top above the middle line
constexpr int RaisedHeight = Half + 30;
constexpr int RaisedBoxTop = LineHeight + 60; // an exponent box ends above the middle line
constexpr int RootSignWidth = 270;
constexpr int BarOverhang = 60;     // fraction bars reach past their longer side
constexpr int DeterminantPad = 120; // room inside a determinant's bars
constexpr int PanelPad = 120;       // room inside a panel's frame, beside its row
constexpr int PanelRim = 60;        // and above and below it

} // namespace

WorkedSolutionForm::WorkedSolutionForm(const QString& name, int points, bool bold)
    : Form(name), m_points(points), m_bold(bold)
{
}

int WorkedSolutionForm::textWidth(const QString& text, bool raised) const
{
    // A power is tucked into the room the text before it leaves.
    const QFont face = sansFont(raised ? m_points * 2 / 3 : m_points, m_bold);
    return twips(QFontMetrics(face).horizontalAdvance(text)) + (raised ? TextPad / 2 : TextPad);
}

int WorkedSolutionForm::fittedWidth(const Piece& piece, bool raised) const
{
    const Label* shown = piece.name.isEmpty() ? nullptr : findLabel(piece.name);
    if (!shown)
        return textWidth(piece.text, raised);
    return shown->isHidden() ? 0 : textWidth(shown->text(), raised);
}

WorkedSolutionForm::Extent WorkedSolutionForm::measure(const Row& row, bool raised) const
{
    Extent e;
    for (const Piece& piece : row) {
        const Extent p = measure(piece, raised);
        e.width += p.width;
        e.above = qMax(e.above, p.above);
        e.below = qMax(e.below, p.below);
    }
    if (row.isEmpty())
        e.above = e.below = Half;
    return e;
}

WorkedSolutionForm::Extent WorkedSolutionForm::measure(const Piece& piece, bool raised) const
{
    switch (piece.kind) {
    case Piece::Kind::Text:
    case Piece::Kind::Label: {
        const int width = piece.width                       ? piece.width
                          : piece.kind == Piece::Kind::Text ? textWidth(piece.text, raised)
                                                            : fittedWidth(piece, raised);
        return raised ? Extent{width, RaisedTop, 0} : Extent{width, Half, Half};
    }
    case Piece::Kind::Box:
        return raised ? Extent{piece.width, RaisedBoxTop, 0} : Extent{piece.width, Half, Half};
    case Piece::Kind::Raised:
        return measure(piece.upper, true);
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
    case Piece::Kind::Panel: {
        const Extent inside = measure(piece.upper);
        return {qMax(piece.width, inside.width + 2 * PanelPad), inside.above + PanelRim, inside.below + PanelRim};
    }
    }
    return {};
}

int WorkedSolutionForm::rowHeight(const Row& row) const
{
    const Extent e = measure(row);
    return e.above + e.below;
}

int WorkedSolutionForm::rowWidth(const Row& row) const { return measure(row).width; }

QList<QWidget*> WorkedSolutionForm::placeRow(const Row& row, int left, int top)
{
    QList<QWidget*> made;
    placeSequence(row, left, top + measure(row).above, false, made);
    return made;
}

QList<QList<QWidget*>> WorkedSolutionForm::placeRows(const QList<Row>& rows, int left, int top, int gap, int* bottom)
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

void WorkedSolutionForm::refitPanel(const QString& name)
{
    const PanelRow& panel = m_panels.at(name);
    const Extent e = measure(panel.piece);
    panel.frame->setGeometry(px(panel.left), px(panel.middle - e.above), px(e.width), px(e.above + e.below));
    QList<QWidget*> made;
    m_reuse = &panel.made;
    m_reused = 0;
    placeSequence(panel.piece.upper, panel.left + PanelPad, panel.middle, false, made);
    m_reuse = nullptr;
}

int WorkedSolutionForm::placeSequence(const Row& row, int left, int middle, bool raised, QList<QWidget*>& made)
{
    int x = left;
    for (const Piece& piece : row)
        x += placePiece(piece, x, middle, raised, made);
    return x - left;
}

int WorkedSolutionForm::placePiece(const Piece& piece, int left, int middle, bool raised, QList<QWidget*>& made)
{
    const Extent e = measure(piece, raised);
    switch (piece.kind) {
    case Piece::Kind::Text:
    case Piece::Kind::Label: {
        const QString name =
            piece.kind == Piece::Kind::Text ? QStringLiteral("Label%1").arg(++m_fixedLabels) : piece.name;
        Label* label = raised ? addWorkingLabel(name, left - TextPad / 2, middle - RaisedTop, e.width, RaisedHeight,
                                                piece.text, true)
                              : addWorkingLabel(name, left, middle - Half, e.width, LineHeight, piece.text, false);
        if (piece.centred)
            label->setAlignment(Qt::AlignCenter);
        made << label;
        break;
    }
    case Piece::Kind::Box:
        made << addWorkingBox(piece.name, left, middle - (raised ? RaisedBoxTop : Half), e.width);
        break;
    case Piece::Kind::Raised:
        placeSequence(piece.upper, left, middle, true, made);
        break;
    case Piece::Kind::Fraction: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        placeSequence(piece.upper, left + (e.width - top.width) / 2, middle - Gap - top.below, false, made);
        made << addWorkingLine(left, middle, left + e.width, middle);
        placeSequence(piece.lower, left + (e.width - bottom.width) / 2, middle + Gap + bottom.above, false, made);
        break;
    }
    case Piece::Kind::Root: {
        const Extent inside = measure(piece.upper);
        const int topY = middle - inside.above - Gap / 2, bottomY = middle + inside.below - 30;
        // The tick, the long stroke up and the bar over the contents.
        made << addWorkingLine(left + 30, middle, left + 120, bottomY);
        made << addWorkingLine(left + 120, bottomY, left + RootSignWidth - 30, topY);
        made << addWorkingLine(left + RootSignWidth - 30, topY, left + e.width, topY);
        placeSequence(piece.upper, left + RootSignWidth, middle, false, made);
        break;
    }
    case Piece::Kind::Determinant: {
        const Extent top = measure(piece.upper), bottom = measure(piece.lower);
        const int topY = middle - e.above, bottomY = middle + e.below;
        made << addWorkingLine(left + 40, topY, left + 40, bottomY);
        made << addWorkingLine(left + e.width - 40, topY, left + e.width - 40, bottomY);
        placeSequence(piece.upper, left + DeterminantPad, middle - top.below, false, made);
        placeSequence(piece.lower, left + DeterminantPad, middle + bottom.above, false, made);
        break;
    }
    case Piece::Kind::Panel: {
        Label* frame = addWorkingLabel(piece.name, left, middle - e.above, e.width, e.above + e.below, {}, false);
        frame->setFrameShape(QFrame::Box);
        PanelRow& panel = m_panels[piece.name];
        panel = {piece, left, middle, frame, {}};
        placeSequence(piece.upper, left + PanelPad, middle, false, panel.made);
        made << frame << panel.made;
        break;
    }
    }
    return e.width;
}

QWidget* WorkedSolutionForm::reuse(int left, int top, int width, int height)
{
    QWidget* control = m_reuse->at(m_reused++);
    control->setGeometry(px(left), px(top), px(width), px(height));
    return control;
}

Label* WorkedSolutionForm::addWorkingLabel(const QString& name, int left, int top, int width, int height,
                                           const QString& caption, bool raised)
{
    if (m_reuse)
        return static_cast<Label*>(reuse(left, top, width, height));
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\((\\d+)\\)$"));
    const auto match = element.match(name);
    Label* made = match.hasMatch()
                      ? addLabel(labelArray(match.captured(1)), match.captured(2).toInt(), left, top, width, height)
                      : addLabel(name, left, top, width, height);
    made->setTextFormat(Qt::PlainText);
    made->setWordWrap(false);
    made->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    made->setFontSize(raised ? m_points * 2 / 3 : m_points, m_bold);
    made->setText(caption);
    return made;
}

TextBox* WorkedSolutionForm::addWorkingBox(const QString& name, int left, int top, int width)
{
    if (m_reuse)
        return static_cast<TextBox*>(reuse(left, top, width, LineHeight));
    TextBox* entry = addTextBox(name, left, top, width, LineHeight);
    entry->setFont(sansFont(m_points, m_bold));
    return entry;
}

Label* WorkedSolutionForm::addFixedText(int left, int top, const QString& text)
{
    return addWorkingLabel(QStringLiteral("Label%1").arg(++m_fixedLabels), left, top, textWidth(text, false),
                           LineHeight, text, false);
}

LineControl* WorkedSolutionForm::addWorkingLine(int x1, int y1, int x2, int y2)
{
    if (m_reuse) {
        auto* line = static_cast<LineControl*>(m_reuse->at(m_reused++));
        line->setPoints(x1, y1, x2, y2);
        return line;
    }
    return addLine(QStringLiteral("Line%1").arg(++m_lines), x1, y1, x2, y2, Colour::Black, 1);
}

TextBox* WorkedSolutionForm::findBox(const QString& name) const { return findChild<TextBox*>(name); }

Label* WorkedSolutionForm::findLabel(const QString& name) const { return findChild<Label*>(name); }

ControlArray<Label>& WorkedSolutionForm::labelArray(const QString& name)
{
    auto it = m_arrays.find(name);
    if (it == m_arrays.end())
        it = m_arrays.emplace(name, ControlArray<Label>(name)).first;
    return it->second;
}

void WorkedSolutionForm::setShown(const QList<QWidget*>& controls, bool shown)
{
    for (QWidget* control : controls)
        control->setVisible(shown);
}

WorkedSolutionForm::SolverButtons WorkedSolutionForm::addSolverButtons(int top, int width, const SolverButton& solve,
                                                                    const SolverButton& clear, const SolverButton& back)
{
    const auto button = [&](const SolverButton& b, int left, const QString& caption) {
        CommandButton* made = addButton(b.name, left, top, 1300, 450, caption);
        connect(made, &QPushButton::clicked, this, b.clicked);
        return made;
    };
    const SolverButtons row{button(solve, Margin, QStringLiteral("&Solve")),
                            button(clear, Margin + 1500, QStringLiteral("&Clear")),
                            button(back, Margin + 3000, QStringLiteral("&Return"))};
    setSizeTwips(width, top + 450 + Margin);
    return row;
}

} // namespace kt
