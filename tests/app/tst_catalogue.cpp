// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the catalogue, opened on its own and through every main-menu
// entry (so at each of its levels), at size factors 1 and 2: its name, its
// designed size, the program's icon, every caption whole, a clean close.
#include "TestKit.h"

#include "app/WindowCatalog.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Version.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTextDocument>

using namespace kt;

namespace {

// A caption as read: access-key marks are not shown.
QString shownText(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The size the text of a label needs, wrapped as the label wraps it.
QSize neededSize(const QLabel* label, int width)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(width);
        return document.size().toSize();
    }
    const QFontMetrics metrics(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    return metrics.boundingRect(QRect(0, 0, label->wordWrap() ? width : 1 << 20, 1 << 20), flags, text).size();
}

// Whether the ink of a one-line plain label lies inside it: a big digit cell
// is lower than its font's line, yet a digit has no descender and shows whole.
bool inkFits(const QLabel* label)
{
    const QString text = label->text();
    if (text.contains(QLatin1Char('\n')) || Qt::mightBeRichText(text))
        return false;
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(),
                                                                     label->margin(), label->margin()));
    if (metrics.horizontalAdvance(text) > box.width()) // a wrapping label would break it into lines
        return false;
    int lineTop = box.top(); // where the label's alignment puts the line
    if (label->alignment() & Qt::AlignVCenter)
        lineTop = box.top() + (box.height() - metrics.height()) / 2;
    else if (label->alignment() & Qt::AlignBottom)
        lineTop = box.bottom() + 1 - metrics.height();
    const QRect ink = metrics.tightBoundingRect(text).translated(0, lineTop + metrics.ascent());
    return ink.top() >= box.top() && ink.bottom() <= box.bottom();
}

// Why captions of `form` are cut short, or empty when every caption is whole.
QString clippedCaption(const Form* form)
{
    QStringList clipped;
    const QRect surface = form->surface()->rect();
    for (const QWidget* widget : form->surface()->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form->surface()))
            continue;
        const QRect visible = widget->geometry().intersected(surface);
        QSize room, needed;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            const QMargins margins = label->contentsMargins();
            room = visible.size().shrunkBy(margins) - QSize(2 * label->margin(), 2 * label->margin());
            needed = neededSize(label, widget->contentsRect().width() - 2 * label->margin());
            if (needed.width() <= room.width() && needed.height() > room.height() && inkFits(label))
                continue;
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const QString text = shownText(button->text());
            if (text.isEmpty())
                continue;
            const QStyle* style = button->style();
            int indicator = 4; // a push button's frame
            if (qobject_cast<const QRadioButton*>(button))
                indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
            room = QSize(visible.width() - indicator, visible.height());
            needed = QFontMetrics(button->font()).size(Qt::TextSingleLine, text);
        } else {
            continue;
        }
        if (needed.width() > room.width() || needed.height() > room.height())
            clipped << QStringLiteral("%1 \"%2\" needs %3x%4 pixels, has %5x%6")
                           .arg(widget->objectName(), widget->property("text").toString())
                           .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
    }
    return clipped.join(QStringLiteral("; "));
}

// The menu entries of the main window that act, with their submenus' entries.
QList<QAction*> entries(const QList<QAction*>& actions)
{
    QList<QAction*> all;
    for (QAction* action : actions) {
        if (QMenu* submenu = submenuPopup(action))
            all << entries(submenu->actions());
        else if (!action->isSeparator())
            all << action;
    }
    return all;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Sandbox> box;
    Form* main = nullptr;
    static inline QSize largestSeen; // of every window checked, menu bar included

    // The real media set and random source, as a child gets them.
    void openProgram()
    {
        box = std::make_unique<test::Sandbox>();
        box->makeDataDir();
        platform().paths.programDirs = {qEnvironmentVariable("KITE_MEDIA_DIR")};
        platform().random = makeClassicRandom();
        main = Forms::show(windows::MainWindow);
        QVERIFY(main);
    }

    // Every open window but the main one, checked whole and then closed.
    void checkAndCloseOpenWindows(const QString& how)
    {
        int checked = 0;
        for (const QString& name : Forms::registeredNames()) {
            Form* form = Forms::find(name);
            if (!form || form == main)
                continue;
            checkWindow(form, name, how);
            ++checked;
            const QPointer<Form> alive(form);
            form->close();
            test::processEvents();
            QVERIFY2(!alive && !Forms::find(name), qPrintable(how + ": " + name + " stays after closing"));
        }
        QVERIFY2(checked > 0 || how.startsWith(QStringLiteral("menu")), qPrintable(how + ": no window opened"));
        QVERIFY2(Forms::find(windows::MainWindow), qPrintable(how + ": the main window went"));
    }

    static void checkWindow(Form* form, const QString& name, const QString& how)
    {
        const QString where = how + QStringLiteral(": ") + name;
        QCOMPARE(form->objectName(), name);
        QVERIFY2(form->isVisible() && form->isLoaded(), qPrintable(where + " is not shown"));
        QVERIFY2(form->widthTwips() > 0 && form->heightTwips() > 0, qPrintable(where + " has no designed size"));
        QCOMPARE(form->surface()->size(), QSize(px(form->widthTwips()), px(form->heightTwips())));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        largestSeen = largestSeen.expandedTo(form->size());
        QVERIFY2(!(form->windowFlags() & Qt::WindowMaximizeButtonHint), qPrintable(where + " can be maximised"));
        QVERIFY2(!form->windowIcon().isNull(), qPrintable(where + " has no icon"));
        QCOMPARE(form->windowIcon().cacheKey(), Form::programIcon().cacheKey());
        const QString clipped = clippedCaption(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(where + ": " + clipped));
    }

private slots:
    void init() { openProgram(); }
    void cleanup() { box.reset(); } // openProgram sets main afresh

    void mainWindow() { checkWindow(main, windows::MainWindow, QStringLiteral("start")); }

    // --version tells the project's version; --say plays a recording or names what is missing.
    void versionComesFromTheProject()
    {
        QProcess program;
        const auto run = [&program](const QStringList& arguments) { // the exit code, -1 when it hangs
            program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/kite-tutor"), arguments);
            return program.waitForFinished(20000) ? program.exitCode() : -1;
        };
        QCOMPARE(run({"--version"}), 0);
        QCOMPARE(program.readAllStandardOutput(), QByteArray("Kite-Tutor ") + ProgramVersion + '\n');
        QCOMPARE(run({"--scale", "0.5"}), 2);
        QVERIFY(program.readAllStandardError().contains("--scale takes a factor from 1 to 4"));
        QCOMPARE(run({"--say", "CLAP.WAV"}), 0);
        QVERIFY(program.readAllStandardOutput().endsWith("/clap.wav\n"));
        QCOMPARE(run({"--say", "nosuch.wav"}), 1);
        QVERIFY(program.readAllStandardError().contains("no recording \"nosuch.wav\""));
    }

    void everyWindowOnItsOwn_data()
    {
        QTest::addColumn<QString>("name");
        openProgram();
        for (const QString& name : Forms::registeredNames())
            if (name != windows::MainWindow)
                QTest::newRow(qPrintable(name)) << name;
        cleanup();
    }
    void everyWindowOnItsOwn()
    {
        QFETCH(QString, name);
        QVERIFY(Forms::show(name));
        checkAndCloseOpenWindows(QStringLiteral("shown"));
    }

    // Each entry of the main menu, so each window at each of its levels.
    void everyMenuEntry_data()
    {
        QTest::addColumn<QString>("entry");
        openProgram();
        for (const QAction* action : entries(main->menuBar()->actions()))
            if (action->isEnabled() && action->objectName() != QStringLiteral("menuExit"))
                QTest::newRow(qPrintable(action->objectName())) << action->objectName();
        cleanup();
    }
    void everyMenuEntry()
    {
        QFETCH(QString, entry);
        QAction* action = main->findChild<QAction*>(entry);
        QVERIFY(action);
        action->trigger();
        test::processEvents();
        checkAndCloseOpenWindows(QStringLiteral("menu ") + entry);
    }

    // The size factor is chosen so that this window fits the screen: it must
    // hold every window, and be tight (windows sized from their fonts round
    // differently at each factor).
    void theLargestWindowIsTheOneTheSizeFactorMakesRoomFor()
    {
        const QSize declared(px(LargestWindowWidthTwips), px(LargestWindowHeightTwips));
        const QSize room = declared - largestSeen;
        QVERIFY2(room.width() >= 0 && room.height() >= 0 && room.width() <= px(120) && room.height() <= px(120),
                 qPrintable(QStringLiteral("largest window %1 x %2").arg(largestSeen.width()).arg(largestSeen.height())));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestCatalogue catalogue;
    int failures = 0;
    for (const double factor : {1.0, 2.0}) {
        setUiScale(factor);
        qInfo("size factor %g", factor);
        failures += QTest::qExec(&catalogue, argc, argv);
    }
    return failures;
}
#include "tst_catalogue.moc"
