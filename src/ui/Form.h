// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every window: size and position in twips, centring, caption,
// background colour or picture, load and unload, a persistent drawing surface
// with user coordinates, and factories for the controls a window owns.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/ControlArray.h"
#include "ui/Palette.h"
#include "ui/SizeFactor.h"
#include "ui/Surface.h"

#include <functional>

class QMenuBar;
class QMenu;
class QAction;
class QVBoxLayout;
class QProgressBar;

namespace kt {

class Label;
class OptionButton;
class CommandButton;
class TextBox;
class TextArea;
class LineControl;
class ImageBox;
class ComboBox;
class Timer;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    // Loads the window on first use (Form_Load), then shows it, brings it to
    // the front and gives it the keyboard. A loaded window is only brought to
    // the front. A window whose load put the focus in an entry box expects
    // typing first: it asks for the keyboard again once it is on screen (a
    // window manager may not have mapped it at the first request) and
    // the focus goes back to that box whenever the window is activated with
    // the focus nowhere.
    void showForm();
    // A window shown beside the one in use (a reward picture): it never takes
    // the keyboard, so typing goes on where it was. Set before it is shown.
    void showWithoutFocus();
    // Closes the window as its close box would; the window is destroyed.
    void unload();
    bool isLoaded() const { return m_loaded; }

    // Geometry in twips; the size is that of the client area. A window keeps
    // its designed size: it cannot be resized or maximised.
    void setSizeTwips(int width, int height);
    void setWidthTwips(int width);
    int widthTwips() const;
    int heightTwips() const;
    void centre();

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setBackColor(int qbIndex);
    void setBackColor(const QColor& colour);
    // Loads a BMP picture as the background, shown at the size factor (none
    // when it cannot be read). It is read and scaled in the background: the
    // window's first paint waits for it, the building of the window does not.
    void setPicture(const QString& path, PictureCopy copy = PictureCopy::Kept);

    Surface* surface() const { return m_surface; }
    // Every window shows the program's icon; null when the program directory lacks it.
    static QIcon programIcon();
    QMenuBar* menuBar();

    // Drawing in user coordinates: x1,y1 is the top-left corner, x2,y2 the
    // bottom-right one (y may grow upwards).
    void scale(double x1, double y1, double x2, double y2);
    // The pen width of drawing, in pixels of the designed size.
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& colour);
    void fillBox(double x1, double y1, double x2, double y2, const QColor& colour);
    void drawCircle(double x, double y, double radius, const QColor& colour, bool filled = true);
    void cls();
    // Surface pixel position of a point in user coordinates (in twips while
    // no scale is set), and back.
    QPointF toPixels(double x, double y) const;
    QPointF fromPixels(QPointF pixels) const;
    QColor pixelAt(double x, double y) const;

    // Dragging a picture: begun in its mouseDown handler, ended in its
    // mouseUp handler. Ending drops it where the pointer is: on the window's
    // own surface Form_DragDrop gets it, with the point in the window's
    // coordinates; on a control (the picture itself included) nothing happens.
    void beginDrag(ImageBox* source);
    void endDrag(ImageBox* source);
    bool dragging() const { return m_dragSource != nullptr; }

protected:
    virtual void Form_Load() {}
    virtual void Form_DragDrop(ImageBox* source, double x, double y)
    {
        Q_UNUSED(source);
        Q_UNUSED(x);
        Q_UNUSED(y);
    }
    // Set cancel to keep the window open.
    virtual void Form_Unload(bool& cancel) { Q_UNUSED(cancel); }

    // Controls, placed in twips on the client area. A name with an index
    // makes an element of a control array: "Option1(2)".
    Label* addLabel(const QString& name, int left, int top, int width, int height,
                    const QString& caption = QString());
    OptionButton* addOption(const QString& name, int index, int left, int top, int width, int height,
                            const QString& caption = QString());
    CommandButton* addButton(const QString& name, int left, int top, int width, int height,
                             const QString& caption);
    TextBox* addTextBox(const QString& name, int left, int top, int width, int height);
    TextArea* addTextArea(const QString& name, int left, int top, int width, int height);
    ComboBox* addComboBox(const QString& name, int left, int top, int width, int height);
    LineControl* addLine(const QString& name, int x1, int y1, int x2, int y2, int qbColour = 15,
                         int widthPixels = 1);
    ImageBox* addImage(const QString& name, int left, int top, int width, int height);
    Timer* addTimer(const QString& name, int intervalMs, bool enabled = false);
    // A bar showing how far a long task running in the background has got.
    QProgressBar* addProgressBar(const QString& name, int left, int top, int width, int height);

    // Elements of control arrays, named "Name(index)" after the array.
    Label* addLabel(ControlArray<Label>& array, int index, int left, int top, int width, int height,
                    const QString& caption = QString());
    OptionButton* addOption(ControlArray<OptionButton>& array, int index, int left, int top, int width,
                            int height, const QString& caption = QString());
    TextBox* addTextBox(ControlArray<TextBox>& array, int index, int left, int top, int width, int height);
    LineControl* addLine(ControlArray<LineControl>& array, int index, int x1, int y1, int x2, int y2,
                         int qbColour = 15, int widthPixels = 1);
    ImageBox* addImage(ControlArray<ImageBox>& array, int index, int left, int top, int width, int height);

    // Enter in a box moves the focus to the next box of `boxes`; Enter in the
    // last one calls `onLastEnter` (a Solve, say). The key types nothing.
    // With `acceptBox`, Enter first asks it about the box: a box it refuses
    // keeps the focus.
    void setEnterOrder(const QList<TextBox*>& boxes, std::function<void()> onLastEnter = {},
                       std::function<bool(TextBox*)> acceptBox = {});
    // A typed value the window cannot use: its own message (OK, the
    // program's title), then the box is emptied and gets the focus back.
    void refuseEntry(TextBox* box, const QString& message);

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void takeKeyboard();

    Surface* m_surface;
    QVBoxLayout* m_layout;
    QMenuBar* m_menuBar = nullptr;
    bool m_loaded = false;
    int m_widthTwips = 0, m_heightTwips = 0;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth = 0, m_scaleHeight = 0;
    int m_drawWidth = 1;
    ImageBox* m_dragSource = nullptr;
    QPointer<QWidget> m_typingBox;
    QPointer<QWidget> m_keyboardOwner; // the window a window shown without focus leaves it with
};

// Builds a menu entry named as the window refers to it (its objectName).
QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption);
QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption);
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, bool checked = false);

// A submenu whose entries exist from the start (found by name, ticked and
// enabled like any other) while its pop-up, a QMenu that is costly to make,
// is built only when needed: a menu-bar menu's at the first press, key or
// access key on the bar, a submenu's when the menu holding it opens.
// `onOpen` runs each time the pop-up is about to show.
QAction* addSubmenu(QMenuBar* bar, const QString& name, const QString& caption);
QAction* addSubmenu(QAction* submenu, const QString& name, const QString& caption,
                    std::function<void()> onOpen = {});
QAction* addMenuItem(QAction* submenu, const QString& name, const QString& caption, bool checked = false);
// The pop-up of a submenu made by addSubmenu, built now if it was not yet.
QMenu* submenuPopup(QAction* submenu);
// The check mark of a menu entry.
void setMenuChecked(QAction* action, bool checked);

// Element name of a control array: "Option1" and 2 give "Option1(2)".
inline QString elementName(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace kt
