// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestKit.h"

#include "shell/SessionState.h"
#include "app/WindowCatalog.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace kt::test {

double ScriptedRandom::next()
{
    // A script whose last value keeps producing the right answer would make
    // a window redraw a wrong choice for ever: stop the test loudly instead.
    if (position > values.size() + 100000)
        qFatal("the scripted random source ran far past its script of %d values", int(values.size()));
    if (values.isEmpty())
        return 0.0;
    return values.at(qMin(position++, int(values.size()) - 1));
}

namespace {
// Puts a fake in the platform's slot and hands back a pointer to it.
template <typename Fake, typename Slot> Fake* install(Slot& slot)
{
    auto fake = std::make_unique<Fake>();
    Fake* raw = fake.get();
    slot = std::move(fake);
    return raw;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}
} // namespace

Sandbox::Sandbox(bool registerProgramWindows)
{
    Forms::reset();
    processEvents();
    resetSession();
    Platform& p = platform();
    player = install<RecordingWavePlayer>(p.wavePlayer);
    random = install<ScriptedRandom>(p.random);
    clock = install<FixedClock>(p.clock);
    beeper = install<RecordingBeeper>(p.beeper);
    p.paths.programDirs = {m_programDir.path()};
    p.paths.windowsDir = windowsDir();
    p.messageHandler = [this](const MessageRequest& request) {
        messages << request;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return request.buttons == MsgButtons::Ok ? MsgResult::Ok : request.defaultButton;
    };
    p.endProgram = [this] { ++endProgramCalls; };
    session().WindowsDir = windowsDir();
    if (registerProgramWindows)
        registerWindows();
}

Sandbox::~Sandbox()
{
    Forms::reset();
    processEvents();
    Platform& p = platform();
    p.wavePlayer.reset();
    p.messageHandler = [](const MessageRequest&) { return MsgResult::Ok; };
    p.endProgram = [] {};
}

void Sandbox::makeDataDir() { QDir().mkpath(dataDir()); }

QString Sandbox::writeDataFile(const QString& name, const QByteArray& bytes)
{
    makeDataDir();
    return writeFile(dataDir() + QLatin1Char('/') + name, bytes);
}

QString Sandbox::writeProgramFile(const QString& name, const QByteArray& bytes)
{
    return writeFile(programDir() + QLatin1Char('/') + name, bytes);
}

QByteArray Sandbox::readDataFile(const QString& name) const
{
    QFile file(dataDir() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Sandbox::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest& m : messages)
        texts << m.text;
    return texts;
}

void processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList texts(const QObject* form, const QStringList& names)
{
    QStringList all;
    for (const QString& name : names)
        all << control<QWidget>(const_cast<QObject*>(form), name)->property("text").toString();
    return all;
}

QString focusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

QPoint clickPoint(QWidget* widget)
{
    // An option button takes clicks only on its circle and caption: the
    // centre of a wide button with a short caption is empty space.
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton look;
        look.initFrom(option);
        look.text = option->text();
        look.icon = option->icon();
        look.iconSize = option->iconSize();
        const QRect hit = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &look, option);
        if (!hit.isEmpty())
            return hit.center();
    }
    return widget->rect().center();
}

void doubleClick(QWidget* widget)
{
    if (!widget)
        return;
    const QPoint centre = clickPoint(widget);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
    // QTest's own double-click sends no press or release in Qt 6.4.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &dbl);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
}

void click(QWidget* widget)
{
    if (widget)
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, clickPoint(widget));
}

void pressKey(QWidget* widget, Qt::Key key, const QString& text)
{
    if (!widget)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

void pressEnter(QWidget* widget) { pressKey(widget, Qt::Key_Return, QStringLiteral("\r")); }

void typeText(QWidget* widget, const QString& text)
{
    if (!widget)
        return;
    // A character outside the basic plane comes as one key with both halves,
    // as a keyboard or input method sends it.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i++, 2), Qt::NoModifier);
        else
            QTest::keyClick(widget, text.at(i).toLatin1());
    }
}

void drag(QWidget* picture, QWidget* target, QPoint targetPixel)
{
    if (!picture || !target)
        return;
    const QPoint start = picture->rect().center();
    const QPoint end = picture->mapFromGlobal(target->mapToGlobal(targetPixel));
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(picture, end);
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, end); // the picture keeps the mouse till then
}

QColor drawnColour(const Form* form, double x, double y) { return form->pixelAt(x, y); }

QRect textRect(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    const QSize size(metrics.horizontalAdvance(label->text()), metrics.height());
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->contentsRect()).translated(label->pos());
}

} // namespace kt::test
