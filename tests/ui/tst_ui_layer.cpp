// SPDX-License-Identifier: GPL-3.0-or-later
// The window layer: timers and their enable rules, timers held while a sound
// plays, the drawing surface, controls' events, file lookup, the size factor.
#include "TestKit.h"

#include "ui/Forms.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QPointer>
#include <QScopeGuard>
#include <QtTest>

using namespace kt;

namespace {

// A player that runs a callback while "playing", to act during a sound.
class ActingPlayer : public WavePlayer {
public:
    std::function<void(const QString&)> during;
    void play(const QString& name) override
    {
        if (during)
            during(name);
    }
};

// Puts an acting player in place of the sandbox's recording one.
ActingPlayer* installActingPlayer()
{
    auto acting = std::make_unique<ActingPlayer>();
    ActingPlayer* player = acting.get();
    platform().wavePlayer = std::move(acting);
    return player;
}

class DrawingWindow : public Form {
public:
    DrawingWindow() : Form(QStringLiteral("DrawingWindow"))
    {
        setSizeTwips(3000, 3000);
        setBackColor(0);
        scale(-100, 100, 100, -100);
    }
};

// A window that may refuse to close, counting its unload handlers.
class Closable : public Form {
public:
    Closable() : Form(QStringLiteral("Closable")) {}
    bool keepOpen = false;
    int unloads = 0;

protected:
    void Form_Unload(bool& cancel) override { ++unloads, cancel = keepOpen; }
};

Closable* showClosable()
{
    Forms::registerForm(QStringLiteral("Closable"), [] { return new Closable; });
    return static_cast<Closable*>(Forms::show(QStringLiteral("Closable")));
}

} // namespace

class TestUiLayer : public QObject {
    Q_OBJECT

private slots:
    // A tick falling due while a sound plays is held until the handler ends
    // and fires once; a timer re-enabled meanwhile waits a fresh interval, and
    // one disabled meanwhile never fires.
    void ticksFallingDueDuringASoundAreHeld()
    {
        test::Sandbox sandbox;
        // Each piece "plays" for 60 ms with the event loop running, as the
        // real player's wait does.
        installActingPlayer()->during = [](const QString&) { QTest::qWait(60); };
        QObject owner;
        Timer timer(&owner, QStringLiteral("Timer1"), 40, true);
        QStringList events;
        timer.onTimer([&] {
            events << (soundPlaying() ? QStringLiteral("tick during sound") : QStringLiteral("tick"));
            timer.setEnabled(false);
        });
        playSound(QStringLiteral("1.WAV"));
        playSound(QStringLiteral("plus.WAV"));
        QVERIFY(events.isEmpty()); // nothing between the pieces of one handler
        test::processEvents();
        QCOMPARE(events, QStringList{"tick"});

        timer.setEnabled(true);
        playSound(QStringLiteral("7.WAV")); // the tick falls due and is held
        timer.setEnabled(true);             // the handler restarts the interval
        test::processEvents();
        QCOMPARE(events.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, 2000);

        timer.setEnabled(true);
        playSound(QStringLiteral("7.WAV"));
        timer.setEnabled(false);
        test::processEvents();
        QCOMPARE(events, (QStringList{"tick", "tick"}));
    }

    void windowClosedDuringASoundClosesAfterTheHandler()
    {
        test::Sandbox sandbox;
        ActingPlayer* player = installActingPlayer();
        Closable* window = showClosable();
        QPointer<Closable> alive(window);
        // Something asks the window to close while its handler speaks.
        player->during = [&](const QString&) {
            QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
            QTest::qWait(30);
        };
        playSound(QStringLiteral("3.WAV"));
        playSound(QStringLiteral("plus.WAV")); // the handler goes on using its window
        QVERIFY(alive);
        QCOMPARE(window->unloads, 0);
        QCOMPARE(Forms::find(QStringLiteral("Closable")), window);
        player->during = nullptr;
        test::processEvents();
        QVERIFY(!alive && !Forms::find(QStringLiteral("Closable")));
    }

    // Drawing before the window is shown (as a load handler does) lands where it
    // belongs once the window is up, and a repaint keeps it.
    void drawingBeforeShowingIsKept()
    {
        test::Sandbox sandbox;
        auto* window = new DrawingWindow;
        window->drawCircle(-90, -90, 2, qbColor(10));
        window->showForm();
        window->drawLine(-50, 0, 50, 0, qbColor(12));
        window->repaint();
        QCOMPARE(window->pixelAt(-90, -90), qbColor(10));
        QCOMPARE(window->pixelAt(0, 0), qbColor(12));
        QCOMPARE(window->pixelAt(50, 50), qbColor(0));
        window->close();
    }

    void sizeFactorFromTheScreen_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<double>("factor");
        for (const auto& [height, factor] : {std::pair{600, 1.0}, {768, 1.0}, {1024, 1.25}, {1080, 1.5}, {1440, 2.0}, {2160, 3.0}})
            QTest::addRow("%d", height) << height << factor;
    }
    void sizeFactorFromTheScreen()
    {
        QFETCH(int, screenHeight);
        QFETCH(double, factor);
        QCOMPARE(scaleForScreen(screenHeight, 480), factor);
    }

    // Geometry, fonts, pen widths, pictures and drawing grow together; user
    // coordinates and twips stay as designed.
    void everythingGrowsByTheSizeFactor()
    {
        const int f = 2; // the designed size is what every other window test sees
        test::Sandbox sandbox;
        setUiScale(f);
        const auto designedSize = qScopeGuard([] { setUiScale(1); });
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.setPixel(3, 1, qRgb(0, 0, 255));
        QVERIFY(picture.save(sandbox.programDir() + QStringLiteral("/pic.bmp")));
        class Window : public Form {
        public:
            Window(const QString& pictureFile) : Form(QStringLiteral("Window"))
            {
                setSizeTwips(3000, 1500);
                setPicture(pictureFile);
                label = addLabel(QStringLiteral("Label1"), 300, 150, 1500, 300, QStringLiteral("Abc"));
                addLine(QStringLiteral("Line1"), 0, 1200, 3000, 1200, 14, 2);
                scale(0, 0, 200, 100);
                setDrawWidth(2);
                drawLine(0, 50, 200, 50, qbColor(14));
            }
            Label* label;
        };
        auto* window = new Window(sandbox.programDir() + QStringLiteral("/pic.bmp"));
        window->showForm();
        QCOMPARE(window->label->geometry(), QRect(20 * f, 10 * f, 100 * f, 20 * f));
        QCOMPARE(window->label->font().pointSizeF(), 10.0 * f);
        QCOMPARE(window->toPixels(200, 100), QPointF(200, 100) * f);

        const QImage shown = window->surface()->grab().toImage();
        QCOMPARE(shown.pixelColor(3 * f, 1 * f), QColor(Qt::blue)); // the picture's last pixel
        QCOMPARE(shown.pixelColor(2 * f, 1 * f), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(4 * f, 1 * f), qbColor(7)); // beside the picture
        // The drawn line and the line control are each 2 designed pixels thick.
        const auto thickness = [&](int x, int fromY, int toY) {
            int count = 0;
            for (int y = fromY; y < toY; ++y)
                count += shown.pixelColor(x, y) == qbColor(14);
            return count;
        };
        QCOMPARE(thickness(150 * f, 40 * f, 60 * f), 2 * f);
        QCOMPARE(thickness(150 * f, 70 * f, 90 * f), 2 * f);
        QCOMPARE(window->pixelAt(100, 50), qbColor(14));
        window->close();
    }

    // What a screen reader reads: a control's caption (without the "&" of
    // its access key), following caption changes; a control without a
    // caption (picture, line, entry box, list) is read by its name.
    void controlsAreNamedForScreenReaders()
    {
        test::Sandbox sandbox;
        class Named : public Form {
        public:
            Named() : Form(QStringLiteral("Named"))
            {
                addLabel(QStringLiteral("Label1"), 0, 0, 1000, 300, QStringLiteral("Score = 3"));
                addOption(QStringLiteral("Option1"), 2, 0, 300, 1000, 300, QStringLiteral("12"));
                addButton(QStringLiteral("cmdReturn"), 0, 600, 1000, 400, QStringLiteral("&Return"));
                addTextBox(QStringLiteral("TextName"), 0, 1000, 1000, 300);
                addComboBox(QStringLiteral("CboNames"), 0, 1300, 1000, 300);
                addTextArea(QStringLiteral("Text1"), 0, 1600, 1000, 300);
                addImage(QStringLiteral("Image1"), 0, 1900, 300, 300);
                addLine(QStringLiteral("Line1"), 0, 2300, 1000, 2300);
            }
        };
        auto* window = new Named;
        window->showForm();
        const auto name = [&](const char* control) {
            QAccessibleInterface* read =
                QAccessible::queryAccessibleInterface(test::control<QWidget>(window, QString::fromLatin1(control)));
            return read ? read->text(QAccessible::Name) : QStringLiteral("<none>");
        };
        test::control<Label>(window, QStringLiteral("Label1"))->setText(QStringLiteral("Score = 4"));
        QStringList read;
        for (const char* control : {"Label1", "Option1(2)", "cmdReturn", "TextName", "CboNames", "Text1", "Image1", "Line1"})
            read << name(control);
        QCOMPARE(read, (QStringList{"Score = 4", "12", "Return", "TextName", "CboNames", "Text1", "Image1", "Line1"}));
        window->close();
    }

    void picturesAreDraggedOntoTheWindowsSurface()
    {
        test::Sandbox sandbox;
        class DragWindow : public Form {
        public:
            DragWindow() : Form(QStringLiteral("DragWindow"))
            {
                setSizeTwips(6000, 4500);
                face = addImage(QStringLiteral("imgFace(0)"), 600, 600, 480, 480);
                QPixmap picture(32, 32);
                picture.fill(Qt::yellow);
                face->setPixmap(picture);
                addLabel(QStringLiteral("Label1"), 3000, 3000, 1500, 600, QStringLiteral("a label"));
                connect(face, &ImageBox::mouseDown, this, [this] { beginDrag(face); });
                connect(face, &ImageBox::mouseUp, this, [this] { endDrag(face); });
            }
            ImageBox* face;
            QList<QPointF> drops;

        protected:
            void Form_DragDrop(ImageBox* source, double x, double y) override
            {
                if (source == face)
                    drops << QPointF(x, y);
            }
        };
        auto* window = new DragWindow;
        window->showForm();
        // Dropped on the surface: the point comes in twips, the window's scale.
        test::drag(window->face, window->surface(), QPoint(200, 100));
        QCOMPARE(window->drops, QList<QPointF>{QPointF(3000, 1500)});
        QVERIFY(!window->dragging());
        // Dropped on a label, or back on the picture itself: nothing happens.
        test::drag(window->face, window->surface(), QPoint(px(3000) + 10, px(3000) + 10));
        test::drag(window->face, window->face, QPoint(5, 5));
        QCOMPARE(window->drops.size(), 1);
        // With a user scale the drop point is given in it.
        window->scale(-100, 100, 100, -100);
        test::drag(window->face, window->surface(), QPoint(200, 150));
        QCOMPARE(window->drops.last(), QPointF(0, 0));
        QVERIFY(!QGuiApplication::overrideCursor()); // the pointer is given back
        window->close();
    }

    void unloadCanBeCancelledAndClosedWindowsAreGone()
    {
        test::Sandbox sandbox;
        Closable* window = showClosable();
        QPointer<Closable> first(window);
        window->keepOpen = true;
        window->unload();
        QCOMPARE(Forms::find(QStringLiteral("Closable")), window);
        window->keepOpen = false;
        window->unload();
        QVERIFY(!Forms::find(QStringLiteral("Closable")));
        QPointer<Form> fresh = Forms::show(QStringLiteral("Closable"));
        QVERIFY(fresh && fresh->isLoaded());
        // Closed windows are deleted, the fresh one too when it closes.
        fresh->unload();
        test::processEvents();
        QVERIFY(!first && !fresh);
    }

    void filesAreFoundWithoutRegardToCase()
    {
        test::Sandbox sandbox;
        sandbox.writeProgramFile("7.wav", "x");
        sandbox.writeDataFile("Ann.SCR", "x");
        sandbox.writeDataFile("bob.scr", "x");
        sandbox.writeDataFile("notes.txt", "x");
        const Paths& paths = platform().paths;
        QCOMPARE((QStringList{paths.findProgramFile("7.WAV"), paths.findProgramFile("8.WAV"), paths.findProgramFile("../7.wav")}),
                 (QStringList{sandbox.programDir() + "/7.wav", "", ""}));
        QCOMPARE(Paths::match(sandbox.dataDir(), "*.scr"), (QStringList{"Ann.SCR", "bob.scr"}));
    }

    // Recordings come from the media folder beside the program, or the one
    // KITE_MEDIA_DIR names: a stray recording in the current folder is never
    // played in place of the program's own.
    void programFilesComeFromTheMediaFolderOnly()
    {
        QTemporaryDir media, here;
        QVERIFY(media.isValid() && here.isValid());
        for (const QString& path : {media.filePath("7.WAV"), here.filePath("7.WAV"), here.filePath("8.WAV")}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString before = QDir::currentPath();
        const QByteArray chosen = qgetenv("KITE_MEDIA_DIR");
        QDir::setCurrent(here.path());
        qputenv("KITE_MEDIA_DIR", media.path().toUtf8());
        Paths paths;
        paths.programDirs = {programDirectory()};
        const QString seven = paths.findProgramFile("7.WAV");
        const QString eight = paths.findProgramFile("8.WAV");
        qunsetenv("KITE_MEDIA_DIR");
        const QString beside = programDirectory();
        QDir::setCurrent(before);
        if (!chosen.isNull())
            qputenv("KITE_MEDIA_DIR", chosen);
        QCOMPARE(QFileInfo(seven).absolutePath(), QFileInfo(media.path()).absoluteFilePath());
        QCOMPARE(eight, QString());
        QCOMPARE(beside, QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/kite-tutor"));
    }

    void messageBoxesCarryTheProgramsTitle()
    {
        test::Sandbox sandbox;
        sandbox.answers << MsgResult::No;
        QCOMPARE(msgBox("Sure?", MsgButtons::YesNo, MsgIcon::Stop, "Delete", MsgResult::No), MsgResult::No);
        QCOMPARE(msgBox("Hello"), MsgResult::Ok);
        QCOMPARE(sandbox.messages.size(), 2);
        QVERIFY(sandbox.messages[0].title == "Delete" && sandbox.messages[0].defaultButton == MsgResult::No);
        QVERIFY(sandbox.messages[1].title == "Kite-Tutor" && sandbox.messages[1].text == "Hello");

        // A box belongs to the window the child is working in.
        for (const char* name : {"First", "Second"}) {
            auto* window = new Form(QString::fromLatin1(name));
            window->showForm();
            QApplication::setActiveWindow(window);
            QCOMPARE(messageBoxOwner(), window);
        }
    }

    void randomSourceStaysInItsRange()
    {
        // The real generator, reseeded from a fixed clock, repeats itself and
        // covers its range evenly enough to pick among three choices.
        auto random = makeClassicRandom();
        test::FixedClock clock;
        random->reseedFromClock(clock);
        QList<double> first;
        int counts[3] = {0, 0, 0};
        for (int i = 0; i < 3000; ++i) {
            const double r = random->next();
            QVERIFY(r >= 0.0 && r < 1.0);
            first << r;
            ++counts[int(3 * r)];
        }
        for (int count : counts)
            QVERIFY2(count > 900 && count < 1100, qPrintable(QString::number(count)));
        random->reseedFromClock(clock);
        QCOMPARE(random->next(), first.at(0));
        clock.time = clock.time.addSecs(1);
        random->reseedFromClock(clock);
        QVERIFY(random->next() != first.at(0));
    }
};

QTEST_MAIN(TestUiLayer)
#include "tst_ui_layer.moc"
