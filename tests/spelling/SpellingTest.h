#pragma once
// Helpers the word-list dialog tests share: the open dialogs by name, typing
// into their boxes, picking a file in the picker's list with the mouse.
#include "TestKit.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

#include <QListWidget>
#include <QMouseEvent>

namespace kt::test {

inline Form* window(const QString& name)
{
    processEvents();
    return Forms::find(name);
}

inline QString textOf(const QString& windowName, const char* control)
{
    QObject* form = window(windowName);
    if (!form)
        return QStringLiteral("<%1 not open>").arg(windowName);
    if (auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(control)))
        return box->text();
    return kt::test::control<QLabel>(form, QString::fromLatin1(control))->text();
}

inline bool visible(const QString& windowName, const char* control)
{
    return !kt::test::control<QWidget>(window(windowName), QString::fromLatin1(control))->isHidden();
}

// Types `text` into a box of an open window and presses Enter.
inline void enterIn(const QString& windowName, const char* box, const QString& text)
{
    auto* edit = kt::test::control<TextBox>(window(windowName), QString::fromLatin1(box));
    typeText(edit, text);
    pressEnter(edit);
}

inline void press(const QString& windowName, const char* button)
{
    click(kt::test::control<QWidget>(window(windowName), QString::fromLatin1(button)));
}

// Clicks (or double-clicks) the entry `name` of the picker's file list.
inline bool pickFile(const QString& name, bool twice = false)
{
    auto* list = kt::test::control<QListWidget>(window(windows::WordFilePicker), QStringLiteral("File1"));
    const QList<QListWidgetItem*> found = list ? list->findItems(name, Qt::MatchExactly) : QList<QListWidgetItem*>();
    if (found.isEmpty())
        return false;
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    if (twice) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &dbl);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    return true;
}

// A list file's words, one per line, without the padding.
inline QStringList linesOf(const QByteArray& file)
{
    QStringList lines;
    for (const QByteArray& line : file.split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromUtf8(line.trimmed()).remove(QLatin1Char('"')).trimmed();
    return lines;
}

inline QByteArray listOf(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words)
        bytes += '"' + word.toUtf8() + "\"\r\n";
    return bytes;
}

} // namespace kt::test
