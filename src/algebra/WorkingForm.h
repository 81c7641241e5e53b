// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the algebra windows: places the rows of a worked derivation
// (see WorkingRow.h) as labels, entry boxes and drawn lines, and finds the
// named places again.
#include "algebra/WorkingRow.h"
#include "ui/Form.h"

#include <map>

namespace kt {

class WorkingForm : public Form {
    Q_OBJECT
public:
    explicit WorkingForm(const QString& name);

    // The text size of the working, in points.
    static constexpr int FontPoints = 12;

protected:
    // Places `row` with its left edge at `left` and its top at `top` (twips)
    // and returns every control it made, so a row can be hidden as a whole.
    QList<QWidget*> placeRow(const working::Row& row, int left, int top);
    // The height and width a row takes, in twips.
    int rowHeight(const working::Row& row) const;
    int rowWidth(const working::Row& row) const;
    // Rows one under another from `top`, `gap` twips apart; returns the
    // controls of each row and sets `bottom` below the last one.
    QList<QList<QWidget*>> placeRows(const QList<working::Row>& rows, int left, int top, int gap, int* bottom = nullptr);

    TextBox* findBox(const QString& name) const;
    Label* findLabel(const QString& name) const;
    ControlArray<Label>& labelArray(const QString& name);
    static void setShown(const QList<QWidget*>& controls, bool shown);
    // A fixed text or a drawn line outside the rows (a figure beside them).
    Label* addFixedText(int left, int top, const QString& text);
    LineControl* addWorkingLine(int x1, int y1, int x2, int y2);

private:
    struct Extent {
        int width = 0, above = 0, below = 0; // twips around the row's middle line
    };
    Extent measure(const working::Piece& piece) const;
    Extent measure(const working::Row& row) const;
    // Places a piece or a row whose middle line is at `middle`; returns the width.
    int placePiece(const working::Piece& piece, int left, int middle, QList<QWidget*>& made);
    int placeSequence(const working::Row& row, int left, int middle, QList<QWidget*>& made);
    Label* addWorkingLabel(const QString& name, int left, int top, int width, int height, const QString& caption,
                           int points);

    std::map<QString, ControlArray<Label>> m_arrays;
    int m_fixedLabels = 0;
    int m_lines = 0;
};

} // namespace kt
