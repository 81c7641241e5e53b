// SPDX-License-Identifier: GPL-3.0-or-later
// The window layer: timers and their enable rules, timers held while a sound
// plays, the drawing surface, controls' events, file lookup, the size factor;
// the comma-separated data-file format and the whole-file helpers.
#include "TestKit.h"

#include "ui/DataFile.h"
#include "ui/Forms.h"
#include "ui/PlainFile.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

const QByteArray annRecord("\"12-05-2026\",\"16:20:05\",\"Ann\",0,2,0,0,0,0,0,0,0\r\n");

} // namespace

class TestUi : public QObject {
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

    // The main window takes about two thirds of the free height, and the
    // largest window (672 pixels high as designed) fits with its frame.
    void sizeFactorFromTheScreen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("factor");
        QTest::newRow("small screen") << QSize(800, 600) << 1.0;
        QTest::newRow("1024") << QSize(1280, 1024) << 1.25;
        QTest::newRow("1080") << QSize(1920, 1080) << 1.5;
        QTest::newRow("1080 with a panel") << QSize(1920, 1040) << 1.25;
        QTest::newRow("1440 with a panel") << QSize(2560, 1390) << 1.75;
        QTest::newRow("2160") << QSize(3840, 2160) << 3.0;
        QTest::newRow("narrow and tall") << QSize(1080, 1920) << 1.5;
    }
    void sizeFactorFromTheScreen()
    {
        QFETCH(QSize, available);
        QFETCH(double, factor);
        QCOMPARE(scaleForScreen(available, 480, QSize(660, 672)), factor);
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

    // A window whose load puts the focus in a box gets the keyboard and that
    // box when shown, even when the window it replaces (closed just before)
    // hands the keyboard to another window after the request; a reward
    // picture shown over it takes neither.
    void aWindowThatExpectsTypingTakesTheKeyboard_data()
    {
        QTest::addColumn<bool>("otherWindowActivatedAfter");
        QTest::newRow("shown") << false;
        QTest::newRow("another window activated after the request") << true;
    }
    void aWindowThatExpectsTypingTakesTheKeyboard()
    {
        QFETCH(bool, otherWindowActivatedAfter);
        test::Sandbox sandbox(false);
        class Window : public Form {
        public:
            Window(const QString& name, bool typing) : Form(name), typing(typing)
            {
                setSizeTwips(3000, 1500);
                addButton(QStringLiteral("Command1"), 0, 0, 1500, 450, QStringLiteral("OK"));
                box = addTextBox(QStringLiteral("Text1"), 0, 600, 1500, 450);
            }
            void Form_Load() override
            {
                if (typing)
                    box->setFocus();
            }
            const bool typing;
            TextBox* box;
        };
        auto* other = new Window(QStringLiteral("Other"), false);
        other->showForm();
        auto* typing = new Window(QStringLiteral("Typing"), true);
        typing->showForm();
        if (otherWindowActivatedAfter)
            other->activateWindow();
        test::processEvents();
        QCOMPARE(QApplication::activeWindow(), typing);
        QCOMPARE(QApplication::focusWidget(), typing->box);
        auto* reward = new Window(QStringLiteral("Reward"), false);
        reward->showWithoutFocus();
        reward->showForm();
        test::processEvents();
        QVERIFY(reward->isVisible());
        QCOMPARE(QApplication::focusWidget(), typing->box);
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

    // Quotes and line breaks in a text would split the record.
    void textFieldsStayWhole()
    {
        FieldWriter w;
        for (const char* text : {"", "  a, b  ", "say \"hi\"", "a\r\nb\nc", "Zo\u00eb \u5b66"})
            w.text(QString::fromUtf8(text));
        w.endLine();
        QCOMPARE(w.bytes(), QByteArray("\"\",\"  a, b  \",\"say 'hi'\",\"a  b c\","
                                       "\"Zo\xc3\xab \xe5\xad\xa6\"\r\n"));
        const QStringList readBack{"", "  a, b  ", "say 'hi'", "a  b c",
                                   QString::fromUtf8("Zo\u00eb \u5b66")};
        QCOMPARE(FieldReader::readAll(w.bytes()), QList<QStringList>{readBack});
    }

    void readAll_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<QStringList>>("expected");
        using L = QList<QStringList>;
        const QString nulField = QString(QLatin1Char('a')) + QChar(0) + QLatin1Char('b');
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("quoted blanks kept") << QByteArray("  \"  x  \"  ") << L{{"  x  "}};
        QTest::newRow("unquoted trimmed") << QByteArray("  x y  ,\t y\t\r\n") << L{{"x y", "y"}};
        QTest::newRow("empty fields") << QByteArray(",a,,b") << L{{"", "a", "", "b"}};
        QTest::newRow("trailing comma and blanks") << QByteArray("a,  \r\nc") << L{{"a"}, {"c"}};
        QTest::newRow("two trailing commas") << QByteArray("a,,\r\n") << L{{"a", ""}};
        QTest::newRow("lone comma line") << QByteArray(",\r\nz") << L{{""}, {"z"}};
        QTest::newRow("junk after closing quote") << QByteArray("\"ab\"cd,e") << L{{"ab", "e"}};
        QTest::newRow("missing closing quote")
            << QByteArray("\"abc,def\r\nx") << L{{"abc,def"}, {"x"}};
        QTest::newRow("lone quote") << QByteArray("\"") << L{{""}};
        QTest::newRow("quote inside unquoted") << QByteArray("ab\"c,d") << L{{"ab\"c", "d"}};
        QTest::newRow("NUL bytes") << QByteArray("a\0b,c", 5) << L{{nulField, "c"}};
    }
    void readAll()
    {
        QFETCH(QByteArray, data);
        QFETCH(QList<QStringList>, expected);
        QCOMPARE(FieldReader::readAll(data), expected);
    }

    void lineTrackingAndSkipping()
    {
        FieldReader r(QByteArray("\r\n\r\na,b\r\n\n  c\rd,e,\"f,\r\n\r\ng"));
        QCOMPARE(r.line(), 3);
        r.skipLine(); // at the start of a line: nothing to drop
        QVERIFY(r.atLineStart());
        QCOMPARE(r.text(), QStringLiteral("a"));
        QVERIFY(!r.atLineStart());
        QCOMPARE(r.text(), QStringLiteral("b"));
        QVERIFY(r.atLineStart());
        QCOMPARE(r.line(), 5);
        QCOMPARE(r.text(), QStringLiteral("c"));
        QCOMPARE(r.line(), 6);
        QCOMPARE(r.text(), QStringLiteral("d"));
        r.skipLine();
        QCOMPARE(r.line(), 8);
        QCOMPARE(r.text(), QStringLiteral("g"));
        QVERIFY(r.atEnd());
        QVERIFY(r.atLineStart());
        r.skipLine();
        QVERIFY(!r.pastEnd());
    }

    void numbersAndPastEnd()
    {
        FieldWriter w;
        w.number(-0.25);
        w.number(1.5e20);
        QCOMPARE(w.bytes(), QByteArray("-.25,1.5E+20"));
        FieldReader r(w.bytes() + ",  -7  ,\"12\",,40000,2.5");
        QCOMPARE(r.number(), -0.25);
        QCOMPARE(r.number(), 1.5e20);
        QCOMPARE(r.number(), -7.0);
        QCOMPARE(int(r.int16()), 12);
        QCOMPARE(r.number(), 0.0);
        QCOMPARE(int(r.int16()), 32767);
        QCOMPARE(int(r.int16()), 2);
        QVERIFY(!r.pastEnd());
        QCOMPARE(int(r.int16()), 0);
        QVERIFY(r.pastEnd());

        FieldReader empty{QByteArray()};
        QCOMPARE(empty.text(), QString());
        QVERIFY(empty.pastEnd());
    }

    void hostile_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("firstFieldLength");
        const int mb = 1 << 20;
        QTest::newRow("1 MB line") << QByteArray(mb, 'x') << 1 << 1 << mb;
        QTest::newRow("1 MB unclosed quote") << ('"' + QByteArray(mb, 'x')) << 1 << 1 << mb;
        QTest::newRow("1 MB commas") << QByteArray(mb, ',') << 1 << mb << 0;
        QTest::newRow("1 MB quotes") << QByteArray(mb, '"') << 1 << 1 << 0;
        QTest::newRow("1 MB CR") << QByteArray(mb, '\r') << 0 << 0 << 0;
        QTest::newRow("quote comma pairs") << QByteArray(mb, '"').replace("\"\"", "\",") << 1
                                           << mb / 4 << 1;
        QTest::newRow("1 MB of short lines") << QByteArray("a\r\n").repeated(mb / 3) << mb / 3
                                             << mb / 3 << 1;
    }
    void hostile()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, lines);
        QFETCH(int, fields);
        QFETCH(int, firstFieldLength);
        const QList<QStringList> all = FieldReader::readAll(data);
        QCOMPARE(int(all.size()), lines);
        int total = 0;
        for (const QStringList& l : all)
            total += int(l.size());
        QCOMPARE(total, fields);
        if (fields > 0)
            QCOMPARE(int(all.first().first().size()), firstFieldLength);

        FieldReader r(data);
        for (int reads = 0; !r.atEnd() && reads <= data.size(); ++reads)
            QVERIFY(std::isfinite(r.number()));
        QVERIFY(r.atEnd());
    }

    void readWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.scr"));
        QVERIFY(!kt::readWholeFile(path).has_value()); // missing
        QVERIFY(writeBytes(path, QByteArray()));
        QCOMPARE(kt::readWholeFile(path), std::optional<QByteArray>(QByteArray()));
        const QByteArray content = QByteArray("x\r\n").repeated(50000);
        QVERIFY(writeBytes(path, content));
        QCOMPARE(kt::readWholeFile(path), std::optional<QByteArray>(content));
        QVERIFY(kt::readWholeFile(path, content.size()).has_value());
        QVERIFY(!kt::readWholeFile(path, content.size() - 1).has_value());
        QVERIFY(!kt::readWholeFile(dir.path()).has_value());
        if (QFileInfo::exists(QStringLiteral("/dev/zero"))) // a device: never read
            QVERIFY(!kt::readWholeFile(QStringLiteral("/dev/zero"), 1 << 20).has_value());

        // The start of a larger file, and only as much memory as it holds.
        bool cut = false;
        QCOMPARE(kt::readFileStart(path, 7, &cut), std::optional<QByteArray>("x\r\nx\r\nx"));
        QVERIFY(cut);
        QCOMPARE(kt::readFileStart(path, content.size(), &cut), std::optional<QByteArray>(content));
        QVERIFY(!cut);
        QVERIFY(writeBytes(path, annRecord));
        const std::optional<QByteArray> small = kt::readFileStart(path, kDefaultMaxFileBytes, &cut);
        QCOMPARE(small, std::optional<QByteArray>(annRecord));
        QVERIFY2(small->capacity() < 4096, qPrintable(QString::number(small->capacity())));
    }

    void wholeFileWrites()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("kitetu.dat"));
        QString error;
        QVERIFY(kt::replaceFileAtomically(settings, "0,0,0\r\n", &error));
        QVERIFY(error.isEmpty());
        QVERIFY(kt::replaceFileAtomically(settings, "1,0,0\r\n", &error));
        QCOMPARE(fileBytes(settings), QByteArray("1,0,0\r\n"));
        // No temporary files left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("kitetu.dat")});

        const QString path = dir.filePath(QStringLiteral("Ann.scr"));
        QVERIFY(kt::appendWhole(path, annRecord, &error)); // creates the file
        QVERIFY(error.isEmpty());
        QVERIFY(kt::appendWhole(path, "1,2\r\n", &error));
        QVERIFY(kt::appendWhole(path, QByteArray(), &error));
        const QByteArray before = annRecord + "1,2\r\n";
        QCOMPARE(fileBytes(path), before);
#ifdef Q_OS_LINUX
        // A file-size limit makes the kernel accept only part of a write, as
        // a full disk does.
        const auto limited = [](qint64 limit, const std::function<bool()>& write) {
            struct rlimit saved;
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit tight = saved;
            tight.rlim_cur = rlim_t(limit);
            setrlimit(RLIMIT_FSIZE, &tight);
            const bool ok = write();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
            return ok;
        };
        const QString tooLarge = QStringLiteral("File too large"); // the system's reason, not "Unknown error"
        error.clear();
        QVERIFY(!limited(before.size() + 10, [&] { return kt::appendWhole(path, annRecord, &error); }));
        QVERIFY2(error.contains(tooLarge), qPrintable(error));
        QCOMPARE(fileBytes(path), before);
        // A record that cannot be written leaves no new empty file behind.
        const QString fresh = dir.filePath(QStringLiteral("Bob.scr"));
        QVERIFY(!limited(10, [&] { return kt::appendWhole(fresh, annRecord, &error); }));
        QVERIFY(!QFileInfo::exists(fresh));
        // The settings file keeps its old line when the new one is cut short.
        error.clear();
        QVERIFY(!limited(3, [&] { return kt::replaceFileAtomically(settings, "1,0,1\r\n", &error); }));
        QVERIFY2(error.contains(tooLarge), qPrintable(error));
        QCOMPARE(fileBytes(settings), QByteArray("1,0,0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{QStringLiteral("Ann.scr"), QStringLiteral("kitetu.dat")}));
#endif
    }

#ifdef Q_OS_LINUX
    // What a data folder may hold besides plain files: none is listed, read
    // or written, nothing outside the folder changes, and a FIFO never makes
    // anything wait. A plain file with a line break in its name is not listed.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"FIFO", "link to a file outside", "dangling link", "folder", "line break in the name"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString outside = dir.filePath(QStringLiteral("outside.txt"));
        QVERIFY(QDir().mkpath(data) && writeBytes(outside, "keep\r\n"));
        const QString name = QStringLiteral("x.scr");
        const QByteArray raw = QFile::encodeName(data + QLatin1Char('/') + name);
        bool plain = false;
        if (kind == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(raw.constData(), 0600), 0);
        else if (kind == QLatin1String("link to a file outside"))
            QVERIFY(QFile::link(outside, data + QStringLiteral("/x.scr")));
        else if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("none")), data + QStringLiteral("/x.scr")));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir(data).mkdir(name));
        else
            QVERIFY(plain = writeBytes(data + QStringLiteral("/x\ny.scr"), annRecord));
        QVERIFY(Paths::match(data, QStringLiteral("*.scr")).isEmpty());
        QVERIFY(Paths::findInDir(data, name).isEmpty());
        if (plain)
            return;
        const QString path = data + QLatin1Char('/') + name;
        QVERIFY(!kt::readWholeFile(path).has_value());
        QString appendError, replaceError;
        QVERIFY(!kt::appendWhole(path, annRecord, &appendError));
        QVERIFY(!kt::replaceFileAtomically(path, annRecord, &replaceError));
        for (const QString& error : {appendError, replaceError})
            QVERIFY2(error.endsWith(notPlainFileReason()), qPrintable(error));
        QCOMPARE(fileBytes(outside), QByteArray("keep\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("outside.txt")});
        QCOMPARE(fileKind(path), FileKind::Other); // still what it was
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{name});
    }
#endif

    void failedWritesLeaveThingsAlone()
    {
        QTemporaryDir dir;
        const QString plainFile = dir.filePath(QStringLiteral("plain"));
        QVERIFY(writeBytes(plainFile, "keep\r\n"));
        const QStringList targets{dir.filePath(QStringLiteral("no/such/dir/x.scr")),
                                  plainFile + QStringLiteral("/x.scr"), dir.path()};
        for (const QString& target : targets) {
            QString appendError, replaceError;
            QVERIFY2(!kt::appendWhole(target, "1\r\n", &appendError), qPrintable(target));
            QVERIFY2(!appendError.isEmpty(), qPrintable(target));
            QVERIFY2(!kt::replaceFileAtomically(target, "1", &replaceError), qPrintable(target));
            QVERIFY2(!replaceError.isEmpty(), qPrintable(target));
        }
        QCOMPARE(fileBytes(plainFile), QByteArray("keep\r\n"));
        QVERIFY(QFileInfo(dir.path()).isDir());
        QVERIFY(!kt::appendWhole(targets.first(), "1", nullptr));
        QVERIFY(!kt::replaceFileAtomically(targets.first(), "1"));
        if (QFileInfo::exists(QStringLiteral("/dev/full"))) { // a full disk
            QString error;
            QVERIFY(!kt::appendWhole(QStringLiteral("/dev/full"), "1\r\n", &error));
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
