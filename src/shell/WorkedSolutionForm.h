// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the windows that show a worked solution (the equation
// solvers, factoring, simultaneous equations, fractions with variables):
// places the rows of a derivation (see WorkingRow.h) as labels, entry boxes
// and drawn lines in the window's face, and finds the named places again.
#include "shell/WorkingRow.h"
#include "ui/Form.h"

#include <functional>
#include <map>

namespace kt {

class WorkedSolutionForm : public Form {
    Q_OBJECT
public:
    // The working is set in the plain face at `points` (powers at two
    // thirds of it), bold or not, at the program's size factor.
    explicit WorkedSolutionForm(const QString& name, int points = 12, bool bold = false);

    int fontPoints() const { return m_points; }

protected:
    // The room between the window's edge and the working or the buttons.
    static constexpr int Margin = 240;

    // The Solve, Clear and Return buttons of a solver, in a row at `top`
    // under the working, named as the window names them and wired to its
    // handlers; the window is `width` wide and ends a margin below them.
    struct SolverButton {
        QString name;
        std::function<void()> clicked;
    };
    struct SolverButtons {
        CommandButton *solve, *clear, *back;
    };
    SolverButtons addSolverButtons(int top, int width, const SolverButton& solve, const SolverButton& clear,
                                   const SolverButton& back);

    // Places `row` with its left edge at `left` and its top at `top` (twips)
    // and returns every control it made, so a row can be hidden as a whole.
    QList<QWidget*> placeRow(const working::Row& row, int left, int top);
    // The height and width a row takes, in twips.
    int rowHeight(const working::Row& row) const;
    int rowWidth(const working::Row& row) const;
    // Rows one under another from `top`, `gap` twips apart; returns the
    // controls of each row and sets `bottom` below the last one.
    QList<QList<QWidget*>> placeRows(const QList<working::Row>& rows, int left, int top, int gap, int* bottom = nullptr);
    // Sets the row of the panel `name` again after its places changed text
    // or were shown or hidden: a place of width 0 as wide as its text, a
    // hidden one taking no room. The panel widens when the row needs it.
    void refitPanel(const QString& name);
    // The room a fixed text takes in the working (with the room after it),
    // or in a power.
    int textWidth(const QString& text, bool raised = false) const;

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
    struct PanelRow {
        working::Piece piece;
        int left = 0, middle = 0;
        Label* frame = nullptr;
        QList<QWidget*> made; // in the order the row makes them
    };
    int fittedWidth(const working::Piece& piece, bool raised) const;
    Extent measure(const working::Piece& piece, bool raised = false) const;
    Extent measure(const working::Row& row, bool raised = false) const;
    // Places a piece or a row whose middle line is at `middle`; returns the width.
    int placePiece(const working::Piece& piece, int left, int middle, bool raised, QList<QWidget*>& made);
    int placeSequence(const working::Row& row, int left, int middle, bool raised, QList<QWidget*>& made);
    // Each makes its control, or while a panel is set again moves the next
    // one it made before.
    Label* addWorkingLabel(const QString& name, int left, int top, int width, int height, const QString& caption,
                           bool raised);
    TextBox* addWorkingBox(const QString& name, int left, int top, int width);
    QWidget* reuse(int left, int top, int width, int height);

    int m_points;
    bool m_bold;
    std::map<QString, ControlArray<Label>> m_arrays;
    std::map<QString, PanelRow> m_panels;
    const QList<QWidget*>* m_reuse = nullptr;
    int m_reused = 0;
    int m_fixedLabels = 0;
    int m_lines = 0;
};

} // namespace kt
