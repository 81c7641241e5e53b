// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include "ui/Platform.h"

#include "ui/Controls.h"
#include "ui/DataFile.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <future>

namespace kt {

// ---------------------------------------------------------------- Form

// A fixed picture window: title, system menu, minimise and close, but no
// maximise button, which would only show blank space around the design.
constexpr Qt::WindowFlags FormFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowCloseButtonHint;

namespace {
// The program's icon, looked up once per program directory: every window of
// a run shares it. The first window starts reading it on a worker thread.
struct ProgramIcon {
    QStringList lookedIn;
    std::future<QImage> reading;
    QIcon icon;
};

ProgramIcon& programIconFor(const QStringList& programDirs)
{
    static ProgramIcon shared;
    if (shared.lookedIn != programDirs) {
        shared.lookedIn = programDirs;
        shared.icon = QIcon();
        const QString file = platform().paths.findProgramFile(QStringLiteral("org.kitetutor.KiteTutor.png"));
        shared.reading = std::async(std::launch::async, [file] { return file.isEmpty() ? QImage() : readPicture(file); });
    }
    return shared;
}
} // namespace

QIcon Form::programIcon()
{
    ProgramIcon& shared = programIconFor(platform().paths.programDirs);
    if (shared.reading.valid()) {
        const QImage image = shared.reading.get();
        shared.icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    }
    return shared.icon;
}

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, FormFlags)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_surface = new Surface(this);
    m_layout->addWidget(m_surface, 1);
    setWindowTitle(name);
    // Read while the window is built; set when it is first shown.
    programIconFor(platform().paths.programDirs);
    Forms::adopt(this);
}

Form::~Form()
{
    // A window closed in the middle of a drag gives the pointer back.
    if (m_dragSource)
        QGuiApplication::restoreOverrideCursor();
}

void Form::showForm()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
        // Read meanwhile on a worker thread.
        setWindowIcon(programIcon());
        if (auto* box = qobject_cast<QLineEdit*>(focusWidget()))
            m_typingBox = box;
    }
    if (testAttribute(Qt::WA_ShowWithoutActivating)) {
        // Should a window system activate it all the same, it hands the
        // keyboard straight back.
        m_keyboardOwner = QApplication::activeWindow();
        show();
        raise();
        return;
    }
    show();
    raise();
    takeKeyboard();
    // Under a window manager the first request can come before the window is
    // mapped, or lose to the window that was closed a moment ago. A window
    // shown after this one keeps the keyboard.
    static quint64 windowsShown = 0;
    const quint64 shownAs = ++windowsShown;
    if (m_typingBox)
        QTimer::singleShot(0, this, [this, shownAs] {
            if (shownAs == windowsShown && isVisible() && !isActiveWindow())
                takeKeyboard();
        });
}

void Form::takeKeyboard()
{
    raise();
    activateWindow();
    if (m_typingBox && m_typingBox->isVisible() && m_typingBox->isEnabled() && !focusWidget())
        m_typingBox->setFocus(Qt::ActiveWindowFocusReason);
}

void Form::showWithoutFocus()
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && testAttribute(Qt::WA_ShowWithoutActivating) && m_keyboardOwner
        && m_keyboardOwner->isVisible())
        m_keyboardOwner->activateWindow();
    // Activated with the focus nowhere (its control was hidden meanwhile):
    // a window that expects typing puts it back in its box.
    if (event->type() == QEvent::WindowActivate && m_typingBox && !focusWidget() && m_typingBox->isVisible()
        && m_typingBox->isEnabled())
        m_typingBox->setFocus(Qt::ActiveWindowFocusReason);
    return handled;
}

void Form::unload() { close(); }

void Form::closeEvent(QCloseEvent* event)
{
    // A handler of this window may be waiting for its sound to end: closing
    // now would delete the window under it. The close waits for the sound.
    if (soundPlaying()) {
        event->ignore();
        runAfterSound(this, [this] { close(); });
        return;
    }
    if (!Forms::programEnding() && m_loaded) {
        bool cancel = false;
        Form_Unload(cancel);
        if (cancel) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // Closed is gone: the next show makes a fresh window even before this
    // one is deleted.
    Forms::release(this);
}

QMenuBar* Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_layout->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void Form::setSizeTwips(int width, int height)
{
    m_widthTwips = width;
    m_heightTwips = height;
    const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    m_surface->setFixedSize(px(width), px(height));
    // The window is exactly its menu bar and its surface, whatever is added later.
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    resize(px(width), px(height) + menuHeight);
}

void Form::setWidthTwips(int width) { setSizeTwips(width, heightTwips()); }

int Form::widthTwips() const { return m_widthTwips ? m_widthTwips : twips(width()); }

int Form::heightTwips() const { return m_heightTwips ? m_heightTwips : twips(height()); }

void Form::centre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The screen's free area: a desktop panel must not cover the window.
    const QRect area = screen->availableGeometry();
    // Before the window manager has framed the window, room for its title bar.
    QSize frame = frameGeometry().size();
    if (frame.height() <= height())
        frame = size() + QSize(0, WindowFrameAllowance);
    move(area.left() + qMax(0, (area.width() - frame.width()) / 2),
         area.top() + qMax(0, (area.height() - frame.height()) / 2));
}

void Form::setBackColor(int qbIndex) { setBackColor(qbColor(qbIndex)); }

void Form::setBackColor(const QColor& colour)
{
    m_surface->setBackground(colour);
    cls();
}

void Form::setPicture(const QString& path, PictureCopy copy)
{
    const double factor = uiScale();
    m_surface->setPicture([path, factor] { return scaledPicture(readPicture(path), factor); }, copy);
}

void Form::scale(double x1, double y1, double x2, double y2)
{
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

QPointF Form::toPixels(double x, double y) const
{
    const QSize area = m_surface->minimumWidth() ? m_surface->minimumSize() : m_surface->size();
    if (m_scaleWidth == 0 || m_scaleHeight == 0)
        return QPointF(x, y) * uiScale() / TwipsPerPixel;
    return QPointF((x - m_scaleLeft) * area.width() / m_scaleWidth, (y - m_scaleTop) * area.height() / m_scaleHeight);
}

QPointF Form::fromPixels(QPointF pixels) const
{
    const QSize area = m_surface->minimumWidth() ? m_surface->minimumSize() : m_surface->size();
    if (m_scaleWidth == 0 || m_scaleHeight == 0 || area.isEmpty())
        return pixels * TwipsPerPixel / uiScale();
    return QPointF(m_scaleLeft + pixels.x() * m_scaleWidth / area.width(),
                   m_scaleTop + pixels.y() * m_scaleHeight / area.height());
}

void Form::beginDrag(ImageBox* source)
{
    if (m_dragSource)
        endDrag(m_dragSource);
    m_dragSource = source;
    const QPixmap icon = source->dragIcon();
    QGuiApplication::setOverrideCursor(icon.isNull() ? QCursor(Qt::ClosedHandCursor)
                                                     : QCursor(icon, icon.width() / 2, icon.height() / 2));
}

void Form::endDrag(ImageBox* source)
{
    if (!m_dragSource || source != m_dragSource)
        return;
    m_dragSource = nullptr;
    QGuiApplication::restoreOverrideCursor();
    const QPoint local = m_surface->mapFromGlobal(source->releasePosition());
    if (!m_surface->rect().contains(local) || m_surface->childAt(local))
        return;
    const QPointF point = fromPixels(QPointF(local));
    Form_DragDrop(source, point.x(), point.y());
}

QColor Form::pixelAt(double x, double y) const
{
    const QImage image = m_surface->render();
    const QPoint point = toPixels(x, y).toPoint();
    if (!image.rect().contains(point))
        return {};
    return image.pixelColor(point);
}

void Form::drawLine(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter painter(&m_surface->canvas());
    painter.setPen(QPen(colour, m_drawWidth * uiScale()));
    painter.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    m_surface->update();
}

void Form::fillBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter painter(&m_surface->canvas());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized().adjusted(0, 0, 1, 1), colour);
    m_surface->update();
}

void Form::drawCircle(double x, double y, double radius, const QColor& colour, bool filled)
{
    QPainter painter(&m_surface->canvas());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = toPixels(x, y);
    // The radius is measured along the x axis, as classic drawing did.
    const double r = std::abs(toPixels(x + radius, y).x() - centre.x());
    painter.setPen(QPen(colour, m_drawWidth * uiScale()));
    painter.setBrush(filled ? QBrush(colour) : Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    m_surface->update();
}

void Form::cls()
{
    m_surface->clearCanvas();
}

// ---------------------------------------------------------------- controls

namespace {
template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(px(left), px(top), px(width), px(height));
    control->show();
    return control;
}
} // namespace

Label* Form::addLabel(const QString& name, int left, int top, int width, int height, const QString& caption)
{
    auto* label = place(new Label(m_surface), name, left, top, width, height);
    label->setText(caption);
    return label;
}

OptionButton* Form::addOption(const QString& name, int index, int left, int top, int width, int height,
                              const QString& caption)
{
    auto* option = place(new OptionButton(m_surface, index), elementName(name, index), left, top, width, height);
    option->setText(caption);
    return option;
}

CommandButton* Form::addButton(const QString& name, int left, int top, int width, int height, const QString& caption)
{
    auto* button = place(new CommandButton(m_surface), name, left, top, width, height);
    button->setText(caption);
    return button;
}

TextBox* Form::addTextBox(const QString& name, int left, int top, int width, int height)
{
    return place(new TextBox(m_surface), name, left, top, width, height);
}

TextArea* Form::addTextArea(const QString& name, int left, int top, int width, int height)
{
    return place(new TextArea(m_surface), name, left, top, width, height);
}

ComboBox* Form::addComboBox(const QString& name, int left, int top, int width, int height)
{
    return place(new ComboBox(m_surface), name, left, top, width, height);
}

LineControl* Form::addLine(const QString& name, int x1, int y1, int x2, int y2, int qbColour, int widthPixels)
{
    auto* line = new LineControl(m_surface);
    line->setObjectName(name);
    line->setColor(qbColour);
    line->setPenWidth(widthPixels);
    line->setPoints(x1, y1, x2, y2);
    line->show();
    return line;
}

ImageBox* Form::addImage(const QString& name, int left, int top, int width, int height)
{
    return place(new ImageBox(m_surface), name, left, top, width, height);
}

QProgressBar* Form::addProgressBar(const QString& name, int left, int top, int width, int height)
{
    return place(new QProgressBar(m_surface), name, left, top, width, height);
}

Timer* Form::addTimer(const QString& name, int intervalMs, bool enabled)
{
    return new Timer(this, name, intervalMs, enabled);
}

Label* Form::addLabel(ControlArray<Label>& array, int index, int left, int top, int width, int height,
                      const QString& caption)
{
    Label* label = addLabel(elementName(array.name(), index), left, top, width, height, caption);
    array.add(index, label);
    return label;
}

OptionButton* Form::addOption(ControlArray<OptionButton>& array, int index, int left, int top, int width,
                              int height, const QString& caption)
{
    OptionButton* option = addOption(array.name(), index, left, top, width, height, caption);
    array.add(index, option);
    return option;
}

TextBox* Form::addTextBox(ControlArray<TextBox>& array, int index, int left, int top, int width, int height)
{
    TextBox* box = addTextBox(elementName(array.name(), index), left, top, width, height);
    array.add(index, box);
    return box;
}

LineControl* Form::addLine(ControlArray<LineControl>& array, int index, int x1, int y1, int x2, int y2,
                           int qbColour, int widthPixels)
{
    LineControl* line = addLine(elementName(array.name(), index), x1, y1, x2, y2, qbColour, widthPixels);
    array.add(index, line);
    return line;
}

ImageBox* Form::addImage(ControlArray<ImageBox>& array, int index, int left, int top, int width, int height)
{
    ImageBox* image = addImage(elementName(array.name(), index), left, top, width, height);
    array.add(index, image);
    return image;
}

void Form::setEnterOrder(const QList<TextBox*>& boxes, std::function<void()> onLastEnter,
                         std::function<bool(TextBox*)> acceptBox)
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        TextBox* box = boxes[i];
        TextBox* next = i + 1 < boxes.size() ? boxes[i + 1] : nullptr;
        connect(box, &TextBox::keyPressed, this, [box, next, onLastEnter, acceptBox](int& ascii) {
            if (ascii != KeyEnter)
                return;
            ascii = 0;
            if (acceptBox && !acceptBox(box))
                return;
            if (next)
                next->setFocus(Qt::TabFocusReason);
            else if (onLastEnter)
                onLastEnter();
        });
    }
}

void Form::refuseEntry(TextBox* box, const QString& message)
{
    msgBox(message);
    box->clear();
    box->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- menus

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, bool checked)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    setMenuChecked(action, checked);
    return action;
}

namespace {

// The entries of a submenu wait here until its pop-up is built.
class Submenu : public QAction {
public:
    Submenu(const QString& name, const QString& caption, QObject* parent, std::function<void()> onOpen = {})
        : QAction(caption, parent), m_onOpen(std::move(onOpen))
    {
        setObjectName(name);
    }
    void append(QAction* entry) { m_entries << entry; }

    QMenu* popup(QWidget* parentWidget)
    {
        if (menu())
            return menu();
        auto* popup = new QMenu(text(), parentWidget);
        popup->setObjectName(objectName());
        popup->addActions(m_entries);
        // Its own submenus can be opened only from it: they are built as it opens.
        QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] {
            for (QAction* entry : std::as_const(m_entries))
                if (auto* inner = dynamic_cast<Submenu*>(entry))
                    inner->popup(popup);
        });
        if (m_onOpen)
            QObject::connect(popup, &QMenu::aboutToShow, popup, m_onOpen);
        setMenu(popup);
        return popup;
    }

private:
    QList<QAction*> m_entries;
    std::function<void()> m_onOpen;
};

// Builds the menu bar's pop-ups when its window first gets a key or a press.
// Not later: giving a bar entry its pop-up renews the bar's access keys, so a
// pop-up built on the access key itself would miss it.
class BarPopupBuilder : public QObject {
public:
    explicit BarPopupBuilder(QMenuBar* bar) : QObject(bar), m_bar(bar) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::MouseButtonPress) &&
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_bar->window()) {
            qApp->removeEventFilter(this);
            for (QAction* action : m_bar->actions())
                if (auto* submenu = dynamic_cast<Submenu*>(action))
                    submenu->popup(m_bar);
        }
        return false;
    }

private:
    QMenuBar* m_bar;
};

} // namespace

QAction* addSubmenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    if (!bar->property("popupBuilder").toBool()) {
        new BarPopupBuilder(bar);
        bar->setProperty("popupBuilder", true);
    }
    auto* submenu = new Submenu(name, caption, bar);
    bar->addAction(submenu);
    return submenu;
}

QAction* addSubmenu(QAction* submenu, const QString& name, const QString& caption, std::function<void()> onOpen)
{
    auto* inner = new Submenu(name, caption, submenu, std::move(onOpen));
    static_cast<Submenu*>(submenu)->append(inner);
    return inner;
}

QAction* addMenuItem(QAction* submenu, const QString& name, const QString& caption, bool checked)
{
    auto* action = new QAction(caption, submenu);
    action->setObjectName(name);
    setMenuChecked(action, checked);
    static_cast<Submenu*>(submenu)->append(action);
    return action;
}

QMenu* submenuPopup(QAction* submenu)
{
    auto* lazy = dynamic_cast<Submenu*>(submenu);
    if (!lazy)
        return submenu->menu();
    auto* holder = dynamic_cast<Submenu*>(submenu->parent());
    QWidget* parent = holder ? submenuPopup(holder) : qobject_cast<QWidget*>(submenu->parent());
    return lazy->popup(parent);
}

void setMenuChecked(QAction* action, bool checked)
{
    // Only a ticked entry is checkable, so choosing an unticked entry never
    // ticks it behind the window's back.
    action->setCheckable(checked);
    action->setChecked(checked);
}

} // namespace kt
