// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sandbox of fakes and temporary directories, and helpers that drive
// controls the way a mouse and keyboard do.
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Platform.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <stdexcept>

namespace kt::test {

class RecordingWavePlayer : public WavePlayer {
public:
    void play(const QString& name) override { played << name; }
    QStringList played;
};

// The scripted values in order, then the last one again (0 when none).
class ScriptedRandom : public RandomSource {
public:
    double next() override;
    void reseedFromClock(const Clock&) override { ++reseeds; }
    QList<double> values;
    int position = 0;
    int reseeds = 0;
    // The value that makes Int(n * r) + k come out as `result`.
    static double pick(int result, int n, int k = 0) { return (result - k + 0.5) / n; }
};

class FixedClock : public Clock {
public:
    QDate today() const override { return date; }
    QTime timeOfDay() const override { return time; }
    QDate date{2026, 12, 5};
    QTime time{16, 20, 5};
};

class RecordingBeeper : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// Installs the fakes, temporary directories, a fresh session and every
// window of the program; undoes it all when destroyed.
class Sandbox {
public:
    explicit Sandbox(bool registerProgramWindows = true);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString programDir() const { return m_programDir.path(); }
    QString windowsDir() const { return m_windowsDir.path() + QLatin1Char('/'); }
    QString dataDir() const { return windowsDir() + QStringLiteral("kitetu"); }
    void makeDataDir(); // as start-up does
    QString writeDataFile(const QString& name, const QByteArray& bytes);
    QString writeProgramFile(const QString& name, const QByteArray& bytes);
    QByteArray readDataFile(const QString& name) const;

    RecordingWavePlayer* player;
    ScriptedRandom* random;
    FixedClock* clock;
    RecordingBeeper* beeper;
    // Message boxes shown, and the answers to give (then Ok or the default).
    QList<MessageRequest> messages;
    QList<MsgResult> answers;
    QStringList messageTexts() const;
    int endProgramCalls = 0;

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_windowsDir;
};

// Lets deferred deletes and queued calls run.
void processEvents();
// The texts of a window's labels (or buttons) by name, and the focused control's name.
QStringList texts(const QObject* form, const QStringList& names);
QString focusedName();

// Thrown once a missing control has failed the test.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A control of a window by name; a missing one fails the test with its name.
template <typename T>
T* control(const QObject* form, const QString& name)
{
    T* found = form ? form->findChild<T*>(name) : nullptr;
    if (!found) {
        const QByteArray message = "no control \"" + name.toUtf8() + "\" of the kind asked for in "
                                   + (form ? form->objectName().toUtf8() : QByteArray("a missing window"));
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        throw MissingControl(message.toStdString());
    }
    return found;
}

// Where a child aims: an option button's circle and caption, else the centre.
QPoint clickPoint(QWidget* widget);
void doubleClick(QWidget* widget); // press, release, double-click, release
void click(QWidget* widget);
void pressKey(QWidget* widget, Qt::Key key, const QString& text = QString());
void pressEnter(QWidget* widget);
void typeText(QWidget* widget, const QString& text);
// Drags a picture and lets go over `target` at `targetPixel` (its own pixels).
void drag(QWidget* picture, QWidget* target, QPoint targetPixel);

QColor drawnColour(const Form* form, double x, double y); // at user coordinates
// Where a label's text stands in its window, as the label aligns it.
QRect textRect(const QLabel* label);

} // namespace kt::test
