// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Controls.h"

#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/SizeFactor.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kt {

int keyAscii(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127)
        return text.at(0).unicode();
    return 0;
}

namespace {
void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A screen reader reads a captioned control (label, button, option) by its
// caption, which Qt follows as it changes. A control without a caption is
// read by its name ("TextName", "Image1(3)").
void nameByObjectName(QWidget* control)
{
    QObject::connect(control, &QObject::objectNameChanged, control,
                     [control](const QString& name) { control->setAccessibleName(name); });
}
} // namespace

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent) : QLabel(parent)
{
    setFont(sansFont(10));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void Label::setForeColor(int qbIndex) { setForeColor(qbColor(qbIndex)); }

void Label::setForeColor(const QColor& colour) { setPaletteColour(this, QPalette::WindowText, colour); }

QColor Label::foreColor() const { return palette().color(QPalette::WindowText); }

void Label::setBackColor(int qbIndex)
{
    setAutoFillBackground(true);
    setPaletteColour(this, QPalette::Window, qbColor(qbIndex));
}

void Label::setFontSize(int pointSize, bool bold) { setFont(sansFont(pointSize, bold)); }

void Label::setScriptFont(int pointSize, bool bold) { setFont(scriptFont(pointSize, bold)); }

void Label::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(QWidget* parent, int index) : QRadioButton(parent), m_index(index)
{
    setFont(sansFont(10));
}

void OptionButton::setValue(bool on)
{
    // An exclusive group refuses to leave every button unchosen.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(on);
    setAutoExclusive(exclusive);
}

void OptionButton::setForeColor(int qbIndex) { setPaletteColour(this, QPalette::WindowText, qbColor(qbIndex)); }

void OptionButton::setBackColor(int qbIndex)
{
    setAutoFillBackground(true);
    setPaletteColour(this, QPalette::Window, qbColor(qbIndex));
}

void OptionButton::mousePressEvent(QMouseEvent* event)
{
    m_endingDoubleClick = false;
    QRadioButton::mousePressEvent(event);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QRadioButton::mouseDoubleClickEvent(event);
        return;
    }
    // The first click of the pair has already chosen the button. The second
    // press is not a click: handed to the radio button it would press it
    // again, and the release would choose it again after the handler had
    // cleared the choices.
    m_endingDoubleClick = true;
    emit doubleClicked(m_index);
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_endingDoubleClick && event->button() == Qt::LeftButton) {
        m_endingDoubleClick = false;
        setDown(false);
        event->accept();
        return;
    }
    QRadioButton::mouseReleaseEvent(event);
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    const int ascii = keyAscii(event);
    if (ascii != 0)
        emit keyPressed(m_index, ascii);
    if (ascii != KeyEnter)
        QRadioButton::keyPressEvent(event);
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
    setFont(sansFont(10));
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    nameByObjectName(this);
    setFont(sansFont(10));
    // A length limit counts UTF-16 units: a character outside the basic
    // plane (an emoji) typed at the limit would be cut in two. Its half goes.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (QStringView(text).isValidUtf16())
            return;
        QString whole;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                whole += text.mid(i++, 2);
            else if (!text.at(i).isSurrogate())
                whole += text.at(i);
        }
        const int cursor = cursorPosition();
        setText(whole);
        setCursorPosition(qMin<int>(cursor, whole.size()));
    });
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    int ascii = keyAscii(event);
    if (ascii != 0) {
        emit keyPressed(ascii);
        if (ascii == 0)
            return;
        if (ascii == KeyEnter)
            return; // Enter types nothing into a one-line box
    }
    QLineEdit::keyPressEvent(event);
}

// ---------------------------------------------------------------- TextArea

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    nameByObjectName(this);
    setFont(monoFont(10));
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    nameByObjectName(this);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setFont(sansFont(10));
    connect(this, &QComboBox::currentTextChanged, this, &ComboBox::changed);
    connect(this, &QComboBox::activated, this, &ComboBox::clicked);
}

void ComboBox::setText(const QString& text)
{
    const int index = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    else
        setEditText(text);
}

// ---------------------------------------------------------------- LineControl

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    nameByObjectName(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineControl::setPoints(int x1, int y1, int x2, int y2)
{
    m_line = QLine(x1, y1, x2, y2);
    place();
}

void LineControl::setColor(int qbIndex)
{
    m_colour = qbColor(qbIndex);
    update();
}

void LineControl::setPenWidth(int pixels)
{
    m_penWidth = qMax(1, pixels);
    place();
}

int LineControl::shownPenWidth() const { return qMax(1, qRound(m_penWidth * uiScale())); }

void LineControl::place()
{
    const int margin = shownPenWidth() + 1;
    const QRect box = QRect(QPoint(px(qMin(m_line.x1(), m_line.x2())), px(qMin(m_line.y1(), m_line.y2()))),
                            QPoint(px(qMax(m_line.x1(), m_line.x2())), px(qMax(m_line.y1(), m_line.y2()))))
                          .adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_line.x1() != m_line.x2() && m_line.y1() != m_line.y2());
    painter.setPen(QPen(m_colour, shownPenWidth(), Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(px(m_line.x1()), px(m_line.y1())) - origin,
                     QPoint(px(m_line.x2()), px(m_line.y2())) - origin);
}

// ---------------------------------------------------------------- ImageBox

ImageBox::ImageBox(QWidget* parent) : QLabel(parent)
{
    nameByObjectName(this);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool ImageBox::loadPicture(const QString& path)
{
    const QImage image = scaledPicture(readPicture(path));
    if (image.isNull()) {
        clear();
        return false;
    }
    resize(image.size());
    setPixmap(QPixmap::fromImage(image));
    return true;
}

void ImageBox::clearPicture() { clear(); }

bool ImageBox::hasPicture() const { return !pixmap().isNull(); }

QPixmap ImageBox::dragIcon() const { return m_dragIcon.isNull() ? pixmap() : m_dragIcon; }

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        emit mouseDown();
    }
    QLabel::mousePressEvent(event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_releasePosition = event->globalPosition().toPoint();
        emit mouseUp();
    }
    QLabel::mouseReleaseEvent(event);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace kt
