// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls the windows are built from: Qt widgets with the events the
// activities need (double-click and Enter on choices, change and Enter on
// entry boxes, Enter on buttons) and colours by palette index.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kt {

// Key code of a character key as the KeyPress events report it (13 for
// Enter, 27 for Escape, 8 for Backspace), 0 for keys that type nothing.
int keyAscii(const QKeyEvent* event);

// The key codes the windows act on.
constexpr int KeyEnter = 13;

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void setForeColor(int qbIndex);
    void setForeColor(const QColor& colour);
    QColor foreColor() const;
    // An opaque background in a palette colour; transparent by default.
    void setBackColor(int qbIndex);
    void setFontSize(int pointSize, bool bold = false);
    void setScriptFont(int pointSize, bool bold = false);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, int index);
    int index() const { return m_index; }
    // Sets the value even when it would leave no button of the group chosen.
    void setValue(bool on);
    void setForeColor(int qbIndex);
    void setBackColor(int qbIndex);

signals:
    void doubleClicked(int index);
    void keyPressed(int index, int ascii);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    bool m_endingDoubleClick = false; // the next release ends a double-click
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

protected:
    // Enter on a focused button presses it, as on the original desktop.
    void keyPressEvent(QKeyEvent* event) override;
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

signals:
    // A character key; the handler may set ascii to 0 to swallow the key.
    void keyPressed(int& ascii);
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent);
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    QString text() const { return currentText(); }
    void setText(const QString& text);

signals:
    // A list entry was chosen, even the one already shown.
    void clicked();
    // The text changed: an entry was chosen, or the text was typed or set.
    void changed();
};

// A straight line at any angle, given by its end points in twips.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent);
    void setPoints(int x1, int y1, int x2, int y2);
    void setColor(int qbIndex);
    // In pixels of the designed size.
    void setPenWidth(int pixels);
    QLine pointsTwips() const { return m_line; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    int shownPenWidth() const;
    QLine m_line;
    QColor m_colour = Qt::white;
    int m_penWidth = 1;
};

class ImageBox : public QLabel {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent);
    // Shown at the program's size factor; the box takes the picture's size.
    bool loadPicture(const QString& path);
    void clearPicture();
    bool hasPicture() const;
    // The pointer shown while the picture is dragged; its own picture when unset.
    void setDragIcon(const QPixmap& icon) { m_dragIcon = icon; }
    QPixmap dragIcon() const;
    // Where the left button was last released, in screen coordinates: the
    // drop point of a drag ended in a mouseUp handler.
    QPoint releasePosition() const { return m_releasePosition; }

signals:
    void clicked();
    void doubleClicked();
    // The left button went down on, or came up from, the picture.
    void mouseDown();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap m_dragIcon;
    QPoint m_releasePosition;
};

} // namespace kt
