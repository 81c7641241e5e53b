// SPDX-License-Identifier: GPL-3.0-or-later
// The window layer: timers held while a sound plays, drawing, controls' events, file lookup,
// the size factor; the comma-separated data-file format and the whole-file helpers.
#include "TestKit.h"

#include "ui/DataFile.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/PlainFile.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QtEndian>

#include <cmath>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace kt;

namespace {

// A player that runs a callback while "playing", to act during a sound.
struct ActingPlayer : WavePlayer {
    std::function<void()> during = [] {};
    void play(const QString&) override { during(); }
};

// A window a test fills with controls; it may refuse to close, and notes drops.
class Window : public Form {
public:
    using Form::Form;
    using Form::addButton, Form::addComboBox, Form::addImage, Form::addLabel, Form::addLine, Form::addOption,
        Form::addTextArea, Form::addTextBox;
    std::function<void()> load = [] {};
    bool keepOpen = false;
    int unloads = 0;
    QList<std::pair<ImageBox*, QPointF>> drops;

protected:
    void Form_Load() override { load(); }
    void Form_Unload(bool& cancel) override { ++unloads, cancel = keepOpen; }
    void Form_DragDrop(ImageBox* source, double x, double y) override { drops.append({source, QPointF(x, y)}); }
};

using Bytes = std::optional<QByteArray>;

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
    // While a handler's sounds play, what falls due waits for the handler to
    // end: a tick then fires once (a timer re-enabled meanwhile waits a fresh
    // interval, one disabled meanwhile never fires), and a window asked to
    // close then closes and is deleted. A window may also refuse to close.
    void whatFallsDueDuringASoundWaitsForTheHandler()
    {
        test::Sandbox sandbox;
        auto* player = new ActingPlayer;
        platform().wavePlayer.reset(player);
        // Each piece "plays" for 60 ms with the event loop running, as the real player's wait does.
        player->during = [] { QTest::qWait(60); };
        QObject owner;
        Timer timer(&owner, QStringLiteral("Timer1"), 40, true);
        QStringList events;
        timer.onTimer([&] {
            events << (soundPlaying() ? "tick during sound" : "tick");
            timer.setEnabled(false);
        });
        playSound("1.WAV");
        playSound("plus.WAV");
        QVERIFY(events.isEmpty()); // nothing between the pieces of one handler
        test::processEvents();
        QCOMPARE(events, QStringList{"tick"});

        timer.setEnabled(true);
        playSound("7.WAV");     // the tick falls due and is held
        timer.setEnabled(true); // the handler restarts the interval
        test::processEvents();
        QCOMPARE(events.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, 2000);

        timer.setEnabled(true);
        playSound("7.WAV");
        timer.setEnabled(false);
        test::processEvents();
        QCOMPARE(events, (QStringList{"tick", "tick"}));

        QPointer<Window> window(new Window("Closable"));
        window->showForm();
        window->keepOpen = true;
        window->unload();
        QCOMPARE(Forms::find("Closable"), window.data());
        window->keepOpen = false;
        player->during = [&] {
            QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
            QTest::qWait(30);
        };
        playSound("3.WAV");
        playSound("plus.WAV"); // the handler goes on using its window
        QVERIFY(window && window->unloads == 1 && Forms::find("Closable") == window);
        player->during = [] {};
        test::processEvents();
        QVERIFY(!window && !Forms::find("Closable"));
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
    // coordinates and twips stay as designed. Drawing before the window is
    // shown (as a load handler does) lands where it belongs, and a repaint
    // keeps what was drawn.
    void everythingGrowsByTheSizeFactor()
    {
        const int f = 2; // the designed size is what every other window test sees
        test::Sandbox sandbox;
        setUiScale(f);
        const auto designedSize = qScopeGuard([] { setUiScale(1); });
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.setPixel(3, 1, qRgb(0, 0, 255));
        QVERIFY(picture.save(sandbox.programDir() + "/pic.bmp"));
        auto* window = new Window("Window");
        window->setSizeTwips(3000, 1500);
        window->setPicture(sandbox.programDir() + "/pic.bmp");
        Label* label = window->addLabel("Label1", 300, 150, 1500, 300, "Abc");
        window->addLine("Line1", 0, 1200, 3000, 1200, 14, 2);
        window->scale(0, 0, 200, 100);
        window->setDrawWidth(2);
        window->drawLine(0, 50, 200, 50, qbColor(14));
        window->showForm();
        window->drawCircle(170, 20, 2, qbColor(10));
        window->repaint();
        QCOMPARE(label->geometry(), QRect(20 * f, 10 * f, 100 * f, 20 * f));
        QCOMPARE(label->font().pointSizeF(), 10.0 * f);
        QCOMPARE((QList<QColor>{window->pixelAt(100, 50), window->pixelAt(170, 20)}),
                 (QList<QColor>{qbColor(14), qbColor(10)}));
        const QImage shown = window->surface()->grab().toImage();
        QCOMPARE((QList<QColor>{shown.pixelColor(3 * f, f), shown.pixelColor(2 * f, f), shown.pixelColor(4 * f, f)}),
                 (QList<QColor>{Qt::blue, Qt::red, qbColor(7)})); // the picture's last pixels, then the window
        // The drawn line and the line control are each 2 designed pixels thick.
        const auto thickness = [&](int fromY) {
            int count = 0;
            for (int y = fromY * f; y < (fromY + 20) * f; ++y)
                count += shown.pixelColor(150 * f, y) == qbColor(14);
            return count;
        };
        QCOMPARE((QList<int>{thickness(40), thickness(70)}), (QList<int>{2 * f, 2 * f}));
    }

    // A window that lets go of its picture once painted reads it again for a
    // later paint (the file changed meanwhile shows); one that keeps it does not.
    void aPictureLetGoIsReadAgain_data()
    {
        QTest::addColumn<bool>("letGo");
        QTest::newRow("kept") << false;
        QTest::newRow("let go when idle") << true;
    }
    void aPictureLetGoIsReadAgain()
    {
        QFETCH(bool, letGo);
        test::Sandbox sandbox;
        const QString file = sandbox.programDir() + "/pic.bmp";
        const auto paint = [&file](Qt::GlobalColor colour) {
            QImage picture(3, 3, QImage::Format_RGB32);
            picture.fill(colour);
            return picture.save(file);
        };
        QVERIFY(paint(Qt::red));
        auto* window = new Window("Window");
        window->setSizeTwips(300, 300);
        window->setPicture(file, letGo ? PictureCopy::LetGoWhenIdle : PictureCopy::Kept);
        window->showForm();
        QCOMPARE(window->surface()->grab().toImage().pixelColor(1, 1), QColor(Qt::red));
        QVERIFY(paint(Qt::green));
        auto* release = window->surface()->findChild<Timer*>("pictureRelease");
        QCOMPARE(release && release->enabled(), letGo); // the paint started the count
        if (release)
            release->fire();
        QCOMPARE(window->surface()->grab().toImage().pixelColor(1, 1), QColor(letGo ? Qt::green : Qt::red));
    }

    // A plain 24-bit BMP reads as Qt's own reader reads it: rows stored bottom
    // first or (with a negative height) top first, padded to 4 bytes or not.
    void plainBitmapsReadAsQtReadsThem()
    {
        test::Sandbox sandbox;
        const QString file = sandbox.programDir() + "/plain.bmp";
        for (int width : {1, 3, 4})
            for (bool topFirst : {false, true}) {
                QImage image(width, 3, QImage::Format_RGB32);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < width; ++x)
                        image.setPixel(x, y, qRgb(60 * x, 90 * y, 200 - 50 * x));
                QBuffer buffer;
                QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "BMP"));
                QByteArray bytes = buffer.data();
                if (topFirst) {
                    const qsizetype rowBytes = (width * 3 + 3) / 4 * 4, pixels = bytes.size() - 3 * rowBytes;
                    QByteArray rows;
                    for (int row = 2; row >= 0; --row)
                        rows += bytes.mid(pixels + row * rowBytes, rowBytes);
                    bytes = bytes.left(pixels) + rows;
                    qToLittleEndian<qint32>(-3, bytes.data() + 22);
                }
                QVERIFY(writeBytes(file, bytes));
                QCOMPARE(readPicture(file), image);
            }
    }

    // What a screen reader reads: a control's caption (without the "&" of
    // its access key), following caption changes; a control without a
    // caption (picture, line, entry box, list) is read by its name.
    void controlsAreNamedForScreenReaders()
    {
        test::Sandbox sandbox;
        auto* window = new Window("Named");
        Label* label = window->addLabel("Label1", 0, 0, 1000, 300, "Score = 3");
        window->addOption("Option1", 2, 0, 300, 1000, 300, "12");
        window->addButton("cmdReturn", 0, 600, 1000, 400, "&Return");
        window->addTextBox("TextName", 0, 1000, 1000, 300);
        window->addComboBox("CboNames", 0, 1300, 1000, 300);
        window->addTextArea("Text1", 0, 1600, 1000, 300);
        window->addImage("Image1", 0, 1900, 300, 300);
        window->addLine("Line1", 0, 2300, 1000, 2300);
        window->showForm();
        label->setText("Score = 4");
        QStringList read;
        for (const char* name :
             {"Label1", "Option1(2)", "cmdReturn", "TextName", "CboNames", "Text1", "Image1", "Line1"}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(test::control<QWidget>(window, name));
            read << (face ? face->text(QAccessible::Name) : "<none>");
        }
        QCOMPARE(read, (QStringList{"Score = 4", "12", "Return", "TextName", "CboNames", "Text1", "Image1", "Line1"}));
    }

    // A box with a length limit never holds half a character: an emoji that
    // does not fit whole is left out, one that fits is kept.
    void aLimitedBoxHoldsWholeCharacters()
    {
        test::Sandbox sandbox;
        auto* window = new Window("Window");
        TextBox* box = window->addTextBox("TextName", 0, 0, 2000, 400);
        box->setMaxLength(8);
        window->showForm();
        test::typeText(box, QString::fromUtf8("Ann\U0001F600be\U0001F600"));
        QCOMPARE(box->text(), QString::fromUtf8("Ann\U0001F600be"));
    }

    void picturesAreDraggedOntoTheWindowsSurface()
    {
        test::Sandbox sandbox;
        auto* window = new Window("DragWindow");
        window->setSizeTwips(6000, 4500);
        ImageBox* face = window->addImage("imgFace(0)", 600, 600, 480, 480);
        window->addLabel("Label1", 3000, 3000, 1500, 600, "a label");
        QObject::connect(face, &ImageBox::mouseDown, window, [=] { window->beginDrag(face); });
        QObject::connect(face, &ImageBox::mouseUp, window, [=] { window->endDrag(face); });
        window->showForm();
        // Dropped on the surface: the point comes in twips, the window's scale.
        test::drag(face, window->surface(), QPoint(200, 100));
        QVERIFY(!window->dragging());
        // Dropped on a label, or back on the picture itself: nothing happens.
        test::drag(face, window->surface(), QPoint(px(3000) + 10, px(3000) + 10));
        test::drag(face, face, QPoint(5, 5));
        // With a user scale the drop point is given in it.
        window->scale(-100, 100, 100, -100);
        test::drag(face, window->surface(), QPoint(200, 150));
        QCOMPARE(window->drops, (QList<std::pair<ImageBox*, QPointF>>{{face, {3000, 1500}}, {face, {0, 0}}}));
        QVERIFY(!QGuiApplication::overrideCursor()); // the pointer is given back
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
        const auto make = [](const char* name) {
            auto* window = new Window(name);
            window->setSizeTwips(3000, 1500);
            window->addButton("Command1", 0, 0, 1500, 450, "OK");
            window->addTextBox("Text1", 0, 600, 1500, 450);
            return window;
        };
        Window* other = make("Other");
        other->showForm();
        Window* typing = make("Typing");
        TextBox* box = test::control<TextBox>(typing, "Text1");
        typing->load = [box] { box->setFocus(); };
        typing->showForm();
        if (otherWindowActivatedAfter)
            other->activateWindow();
        test::processEvents();
        QCOMPARE(QApplication::activeWindow(), typing);
        QCOMPARE(QApplication::focusWidget(), box);
        Window* reward = make("Reward");
        reward->showWithoutFocus();
        reward->showForm();
        test::processEvents();
        QVERIFY(reward->isVisible());
        QCOMPARE(QApplication::focusWidget(), box);
    }

    // Program files are found whatever their case. Recordings come from the
    // media folder beside the program, or the one KITE_MEDIA_DIR names: a
    // stray recording in the current folder is never played in place of the
    // program's own.
    void programFilesAreFound()
    {
        test::Sandbox sandbox;
        sandbox.writeProgramFile("7.wav", "x");
        QCOMPARE((QStringList{platform().paths.findProgramFile("7.WAV"), platform().paths.findProgramFile("8.WAV"),
                              platform().paths.findProgramFile("../7.wav")}),
                 (QStringList{sandbox.programDir() + "/7.wav", "", ""}));

        QTemporaryDir media, here;
        for (const QString& path : {media.filePath("7.WAV"), here.filePath("7.WAV"), here.filePath("8.WAV")})
            QVERIFY(writeBytes(path, QByteArray()));
        const auto restore = qScopeGuard([before = QDir::currentPath(), chosen = qgetenv("KITE_MEDIA_DIR")] {
            QDir::setCurrent(before);
            chosen.isNull() ? qunsetenv("KITE_MEDIA_DIR") : qputenv("KITE_MEDIA_DIR", chosen);
        });
        QDir::setCurrent(here.path());
        qputenv("KITE_MEDIA_DIR", media.path().toUtf8());
        Paths paths;
        paths.programDirs = {programDirectory()};
        const QString seven = paths.findProgramFile("7.WAV"), eight = paths.findProgramFile("8.WAV");
        qunsetenv("KITE_MEDIA_DIR");
        QCOMPARE(QFileInfo(seven).absolutePath(), QFileInfo(media.path()).absoluteFilePath());
        QCOMPARE(eight, QString());
        QCOMPARE(programDirectory(), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/kite-tutor"));
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

    // The real generator, reseeded from a fixed clock, repeats itself and
    // covers its range evenly enough to pick among three choices.
    void randomSourceStaysInItsRange()
    {
        auto random = makeClassicRandom();
        test::FixedClock clock;
        random->reseedFromClock(clock);
        const double first = random->next();
        QList<int> counts{0, 0, 0};
        for (int i = 0; i < 3000; ++i) {
            const double r = random->next();
            QVERIFY(r >= 0.0 && r < 1.0);
            ++counts[int(3 * r)];
        }
        const QString spread = QStringLiteral("%1 %2 %3").arg(counts[0]).arg(counts[1]).arg(counts[2]);
        QVERIFY2(*std::min_element(counts.begin(), counts.end()) > 900
                     && *std::max_element(counts.begin(), counts.end()) < 1100, qPrintable(spread));
        random->reseedFromClock(clock);
        QCOMPARE(random->next(), first);
        clock.time = clock.time.addSecs(1);
        random->reseedFromClock(clock);
        QVERIFY(random->next() != first);
    }

    // Quotes and line breaks in a text would split the record; numbers are
    // written as Str writes them and read back as Val reads them.
    void writtenFieldsReadBack()
    {
        FieldWriter w;
        for (const char* text : {"", "  a, b  ", "say \"hi\"", "a\r\nb\nc", "Zo\u00eb \u5b66"})
            w.text(QString::fromUtf8(text));
        w.endLine();
        QCOMPARE(w.bytes(), QByteArray("\"\",\"  a, b  \",\"say 'hi'\",\"a  b c\","
                                       "\"Zo\xc3\xab \xe5\xad\xa6\"\r\n"));
        const QStringList readBack{"", "  a, b  ", "say 'hi'", "a  b c", QString::fromUtf8("Zo\u00eb \u5b66")};
        QCOMPARE(FieldReader::readAll(w.bytes()), QList<QStringList>{readBack});

        FieldWriter n;
        n.number(-0.25);
        n.number(1.5e20);
        QCOMPARE(n.bytes(), QByteArray("-.25,1.5E+20"));
        FieldReader r(n.bytes() + ",  -7  ,\"12\",,40000,2.5");
        QCOMPARE((QList<double>{r.number(), r.number(), r.number(), double(r.int16()), r.number(), double(r.int16()),
                                double(r.int16())}),
                 (QList<double>{-0.25, 1.5e20, -7, 12, 0, 32767, 2}));
        QVERIFY(!r.pastEnd());
        QCOMPARE(int(r.int16()), 0);
        QVERIFY(r.pastEnd());
        FieldReader empty{QByteArray()};
        QVERIFY(empty.text().isEmpty() && empty.pastEnd());
    }

    void readAll_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<QStringList>>("expected");
        using L = QList<QStringList>;
        QTest::newRow("empty") << QByteArray() << L{};
        QTest::newRow("quoted blanks kept") << QByteArray("  \"  x  \"  ") << L{{"  x  "}};
        QTest::newRow("unquoted trimmed") << QByteArray("  x y  ,\t y\t\r\n") << L{{"x y", "y"}};
        QTest::newRow("empty fields") << QByteArray(",a,,b") << L{{"", "a", "", "b"}};
        QTest::newRow("trailing comma and blanks") << QByteArray("a,  \r\nc") << L{{"a"}, {"c"}};
        QTest::newRow("two trailing commas") << QByteArray("a,,\r\n") << L{{"a", ""}};
        QTest::newRow("lone comma line") << QByteArray(",\r\nz") << L{{""}, {"z"}};
        QTest::newRow("junk after closing quote") << QByteArray("\"ab\"cd,e") << L{{"ab", "e"}};
        QTest::newRow("missing closing quote") << QByteArray("\"abc,def\r\nx") << L{{"abc,def"}, {"x"}};
        QTest::newRow("lone quote") << QByteArray("\"") << L{{""}};
        QTest::newRow("quote inside unquoted") << QByteArray("ab\"c,d") << L{{"ab\"c", "d"}};
        QTest::newRow("NUL bytes") << QByteArray("a\0b,c", 5) << L{{QString::fromLatin1("a\0b", 3), "c"}};
        const int mb = 1 << 20; // a hostile file costs time in proportion to its size
        QTest::newRow("1 MB line") << QByteArray(mb, 'x') << L{{QString(mb, 'x')}};
        QTest::newRow("1 MB unclosed quote") << ('"' + QByteArray(mb, 'x')) << L{{QString(mb, 'x')}};
        QTest::newRow("1 MB commas") << QByteArray(mb, ',') << L{QStringList(mb, "")};
        QTest::newRow("1 MB quotes") << QByteArray(mb, '"') << L{{""}};
        QTest::newRow("1 MB CR") << QByteArray(mb, '\r') << L{};
        QTest::newRow("quote comma pairs") << QByteArray(mb, '"').replace("\"\"", "\",") << L{QStringList(mb / 4, ",")};
        QTest::newRow("1 MB of short lines") << QByteArray("a\r\n").repeated(mb / 3) << L(mb / 3, {"a"});
    }
    // Reading numbers from any bytes ends, and every number is finite.
    void readAll()
    {
        QFETCH(QByteArray, data);
        QFETCH(QList<QStringList>, expected);
        QCOMPARE(FieldReader::readAll(data), expected);
        FieldReader r(data);
        for (int reads = 0; !r.atEnd() && reads <= data.size(); ++reads)
            QVERIFY(std::isfinite(r.number()));
        QVERIFY(r.atEnd());
    }

    // Each field read as "line, ^ when it starts one, text"; blank lines are
    // skipped, and a lone CR ends a line too.
    void lineTrackingAndSkipping()
    {
        FieldReader r(QByteArray("\r\n\r\na,b\r\n\n  c\rd,e,\"f,\r\n\r\ng"));
        const auto next = [&r] {
            const QString where = QString::number(r.line()) + (r.atLineStart() ? "^" : " ");
            return where + r.text();
        };
        r.skipLine(); // at the start of a line: nothing to drop
        QStringList read{next(), next(), next(), next()};
        r.skipLine();
        read << next();
        QCOMPARE(read, (QStringList{"3^a", "3 b", "5^c", "6^d", "8^g"}));
        QVERIFY(r.atEnd() && r.atLineStart());
        r.skipLine();
        QVERIFY(!r.pastEnd());
    }

    // A file is read whole or not at all: missing, over the limit, a folder
    // or a device (never read) give nothing. Settings are replaced whole and
    // records appended whole, and a write the disk takes only part of leaves
    // everything as it was.
    void wholeFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.scr"), settings = dir.filePath("kitetu.dat");
        const QString record = dir.filePath("Ann.scr");
        const auto reads = [](const QString& p, qint64 max = kDefaultMaxFileBytes) {
            return kt::readWholeFile(p, max).has_value();
        };
        QVERIFY(writeBytes(path, QByteArray()));
        QCOMPARE(kt::readWholeFile(path), Bytes(""));
        const QByteArray content = QByteArray("x\r\n").repeated(50000);
        QVERIFY(writeBytes(path, content));
        QCOMPARE(kt::readWholeFile(path), Bytes(content));
        QCOMPARE((QList<bool>{reads(path, content.size()), reads(path, content.size() - 1), reads(dir.path()),
                              reads("/dev/zero", 1 << 20), reads(dir.filePath("missing"))}),
                 (QList<bool>{true, false, false, false, false}));
        // The start of a larger file, and only as much memory as it holds.
        bool cut = false;
        QCOMPARE(kt::readFileStart(path, 7, &cut), Bytes("x\r\nx\r\nx"));
        QVERIFY(cut);
        QCOMPARE(kt::readFileStart(path, content.size(), &cut), Bytes(content));
        QVERIFY(!cut);
        QVERIFY(writeBytes(path, annRecord));
        const Bytes small = kt::readFileStart(path, kDefaultMaxFileBytes, &cut);
        QCOMPARE(small, Bytes(annRecord));
        QVERIFY2(small->capacity() < 4096, qPrintable(QString::number(small->capacity())));

        QString error, replaceError;
        QVERIFY(kt::replaceFileAtomically(settings, "0,0,0\r\n", &error)
                && kt::replaceFileAtomically(settings, "1,0,0\r\n", &error) && error.isEmpty());
        QVERIFY(kt::appendWhole(record, annRecord, &error) && kt::appendWhole(record, "1,2\r\n", &error)
                && kt::appendWhole(record, QByteArray(), &error) && error.isEmpty()); // the first creates the file
        QCOMPARE(kt::readWholeFile(record), Bytes(annRecord + "1,2\r\n"));
        // A file-size limit makes the kernel take only part of a write, as a full
        // disk does: a new record leaves no empty file, the settings keep their line.
        std::signal(SIGXFSZ, SIG_IGN); // as the program does
        struct rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        const struct rlimit tight{3, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool appended = kt::appendWhole(dir.filePath("Bob.scr"), annRecord, &error);
        const bool replaced = kt::replaceFileAtomically(settings, "1,0,1\r\n", &replaceError);
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!appended && !replaced);
        QVERIFY2(replaceError.contains("File too large"), qPrintable(replaceError)); // not "Unknown error"
        QCOMPARE(kt::readWholeFile(settings), Bytes("1,0,0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"a.scr", "Ann.scr", "kitetu.dat"}));
        if (QFileInfo::exists("/dev/full")) // a full disk
            QVERIFY(!kt::appendWhole("/dev/full", "1\r\n", &error) && !error.isEmpty());
    }

    // What a data folder may hold besides plain files, and places no file can
    // be: none is listed, read or written, nothing outside the folder
    // changes, and a FIFO never makes anything wait. A plain file with a line
    // break in its name is not listed.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"FIFO", "link outside", "dangling link", "folder", "line break in the name",
                                 "missing folder", "plain file for the folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString data = dir.filePath("data"), outside = dir.filePath("outside.txt");
        QVERIFY(QDir().mkpath(data) && writeBytes(outside, "keep\r\n"));
        const QString name = "x.scr";
        QString path = data + "/x.scr";
        const bool notPlain = !kind.endsWith(" folder"); // else no file can be there at all
        if (kind == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind.endsWith("link") || kind.endsWith("outside"))
            QVERIFY(QFile::link(kind == "dangling link" ? dir.filePath("none") : outside, path));
        else if (kind == "folder")
            QVERIFY(QDir(data).mkdir(name));
        else if (!notPlain)
            path = kind == "missing folder" ? data + "/no/such/x.scr" : outside + "/x.scr";
        else
            QVERIFY(writeBytes(data + "/x\ny.scr", annRecord));
        QVERIFY(Paths::match(data, "*.scr").isEmpty());
        QVERIFY(Paths::findInDir(data, name).isEmpty());
        if (kind.startsWith("line break"))
            return;
        QVERIFY(!kt::readWholeFile(path).has_value());
        QString appendError, replaceError; // and none asked for
        QVERIFY(!kt::appendWhole(path, annRecord, &appendError) && !kt::appendWhole(path, annRecord));
        QVERIFY(!kt::replaceFileAtomically(path, annRecord, &replaceError) && !kt::replaceFileAtomically(path, "1"));
        for (const QString& error : {appendError, replaceError})
            QVERIFY2(notPlain ? error.endsWith(notPlainFileReason()) : !error.isEmpty(), qPrintable(error));
        QCOMPARE(kt::readWholeFile(outside), Bytes("keep\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"outside.txt"});
        QCOMPARE(fileKind(path), notPlain ? FileKind::Other : FileKind::Missing); // still what it was
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 notPlain ? QStringList{name} : QStringList());
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
