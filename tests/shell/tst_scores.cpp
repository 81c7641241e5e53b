// SPDX-License-Identifier: GPL-3.0-or-later
// Score records (safe names, the record line, reading back, appending without
// losing what a file holds), the current- and previous-scores windows, and the
// chart of a child's records.
#include "TestKit.h"

#include "shell/CurrentScores.h"
#include "shell/PreviousScores.h"
#include "shell/ScoreChart.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/Startup.h"
#include "shell/WindowNames.h"
#include "ui/DataFile.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <future>
#include <span>
#include <tuple>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace kt;
using kt::test::control;
using kt::test::Sandbox;

namespace {

enum Activity { Num, Add, Sub, Mul, Div, Frac, Alph, Spel, Time };
using Scores = std::array<qint16, 9>;

QByteArray recordBytes(QDate date, Scores scores, const QString& name = "Ann", QTime time = {16, 20, 5})
{
    return scoreRecordLine({date, time, name, scores});
}

QByteArray lineOf(const QByteArray& name) { return "\"12-05-2026\",\"16:20:05\",\"" + name + "\",0,2,0,0,0,0,0,0,0\r\n"; }
const QByteArray annLine = lineOf("Ann");
const auto allEntries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;

// Three records of Ann, oldest first, and how the window shows them.
const QByteArray annRecords = recordBytes(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0})
                              + recordBytes(QDate(2026, 12, 6), {1, 4, 0, 3, 0, 0, 0, 0, 0})
                              + recordBytes(QDate(2027, 1, 2), {0, 0, 0, 0, 0, 0, 11, 0, 125});
// How the window shows the one record of Bob and of Cy.
const QString bobLine = QStringLiteral("05-Dec-26   0000   0000   0000   0000   0000   0000   0000   0000   0000");
const QString cyLine = QStringLiteral("06-Dec-26   0000   0000   0003   0000   0000   0000   0000   0000   0000");
const QStringList annLines{
    QStringLiteral("05-Dec-26   0000   0002   0000   0000   0000   0000   0000   0000   0000"),
    QStringLiteral("06-Dec-26   0001   0004   0000   0003   0000   0000   0000   0000   0000"),
    QStringLiteral("02-Jan-27   0000   0000   0000   0000   0000   0000   0011   0000   0125")};

ComboBox* names(const PreviousScores* form) { return control<ComboBox>(form, QStringLiteral("CboNames")); }
QStringList shownLines(const PreviousScores* form)
{
    const QString text = control<TextArea>(form, QStringLiteral("Text1"))->text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
QStringList listed(const PreviousScores* form)
{
    QStringList listed;
    for (int i = 0; i < names(form)->count(); ++i)
        listed << names(form)->itemText(i);
    return listed;
}
PreviousScores* openPreviousScores(Sandbox& sandbox, const QString& user, const QMap<QString, QByteArray>& files)
{
    for (auto it = files.begin(); it != files.end(); ++it)
        sandbox.writeDataFile(it.key(), it.value());
    session().UserName = user;
    return dynamic_cast<PreviousScores*>(Forms::show(windows::PreviousScores));
}
void typeName(PreviousScores* form, const QString& name)
{
    names(form)->lineEdit()->clear();
    test::typeText(names(form)->lineEdit(), name);
}
void clickDelete(PreviousScores* form) { test::click(control<CommandButton>(form, "cmdDelete")); }

// Chart: where a score at a time position lands, from the plot rectangle alone.
QPoint expectedPixel(const ScoreChart* chart, double position, double score, double top)
{
    const QRect plot = chart->plotArea();
    return QPointF(plot.left() + position * (plot.width() - 1), plot.bottom() - score / top * (plot.height() - 1))
        .toPoint();
}
bool colourAnywhere(const QImage& image, const QColor& colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::span pixels(reinterpret_cast<const QRgb*>(rgb.constBits()), size_t(rgb.width()) * rgb.height());
    return std::ranges::find(pixels, colour.rgb()) != pixels.end();
}

// Whether the pixel at `at`, or one next to it, has exactly `colour`.
bool colourAt(const QImage& image, QPoint at, const QColor& colour)
{
    return colourAnywhere(image.copy(QRect(at - QPoint(1, 1), QSize(3, 3))), colour);
}

} // namespace

class TestScores : public QObject {
    Q_OBJECT

private slots:
    void recordLine()
    {
        // A quote in a name cannot end the text field early.
        QCOMPARE(recordBytes(QDate(2026, 1, 9), {1, 2, 3, 4, 5, 6, 7, 8, -9}, QStringLiteral("A\"B")),
                 QByteArray("\"01-09-2026\",\"16:20:05\",\"A'B\",1,2,3,4,5,6,7,8,-9\r\n"));
        QCOMPARE(scoreDisplayLine({{2027, 3, 14}, {16, 20, 5}, "Ann", {0, 12345, 0, 0, 0, 0, 0, 0, -5}}),
                 QStringLiteral("14-Mar-27   0000   12345   0000   0000   0000   0000   0000   0000   -0005"));
    }

    // Appends one line and keeps every byte already written, under a name
    // that never leaves the data directory. (A file of another case and an
    // unended last line: takesTurnsWithAnotherCopy.)
    void appends_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("stem");
        QTest::newRow("no data directory") << "Ann" << QByteArray() << "Ann";
        QTest::newRow("after a record") << "Ann" << annLine << "Ann";
        QTest::newRow("foreign lines kept") << "Ann" << "not a record\r\n" + annLine + "\"x\",1\n" << "Ann";
        QTest::newRow("empty at exit") << "" << QByteArray() << "Unknown";
        QTest::newRow("parent") << "../../x" << QByteArray() << "Unknown";
        QTest::newRow("path pieces") << "a/../b" << QByteArray() << "a";
    }
    void appends()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QString, stem);
        const QString file = stem + QStringLiteral(".scr");
        Sandbox sandbox;
        if (!before.isEmpty())
            sandbox.writeDataFile(file, before);
        session().AddScore = 2;
        QVERIFY(WriteScoreRecord(name));
        QCOMPARE(sandbox.readDataFile(file), before + lineOf(stem.toUtf8()));
        QCOMPARE(QDir(sandbox.windowsDir()).entryList(allEntries), QStringList{QStringLiteral("kitetu")});
        QCOMPARE(QDir(sandbox.dataDir()).entryList(allEntries), QStringList{file});
        QCOMPARE(session().RecordBuffer.name, stem);
        QCOMPARE(session().AddScore, qint16(2));
        QVERIFY(sandbox.messages.isEmpty());
    }

    // Nothing hangs, nothing outside the folder changes, and the record is told.
    void reportsARecordThatCannotBeWritten_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("FIFO") << true;
        QTest::newRow("link to a file outside") << false;
    }
    void reportsARecordThatCannotBeWritten()
    {
        QFETCH(bool, fifo);
        Sandbox sandbox;
        const QString outside = sandbox.windowsDir() + QStringLiteral("outside.txt");
        QVERIFY(QFile(outside).open(QIODevice::WriteOnly));
        const QString ann = sandbox.dataDir() + QStringLiteral("/Ann.scr");
        sandbox.makeDataDir();
        QVERIFY(fifo ? ::mkfifo(QFile::encodeName(ann).constData(), 0600) == 0 : QFile::link(outside, ann));
        session().AddScore = 2;
        QString error;
        QVERIFY(!WriteScoreRecord(QStringLiteral("Ann"), &error));
        QVERIFY(sandbox.messages.isEmpty()); // the window that asked tells the user
        QVERIFY2(error.startsWith(QStringLiteral("The scores of Ann could not be saved")), qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("\"Ann\",0,2,0,0,0,0,0,0,0")));
        QCOMPARE(QFileInfo(outside).size(), 0);
        QCOMPARE(session().AddScore, qint16(2));
    }

    // Under a file-size limit the record fails with the system's reason
    // instead of ending the program, and no half line is left.
    void aFileSizeLimitIsAnErrorNotTheEnd()
    {
        if (!qEnvironmentVariableIsSet("KITE_FSIZE_CHILD")) { // again, in a child process the limit may end
            qputenv("KITE_FSIZE_CHILD", "1"); // the child's output is passed on
            const int code = QProcess::execute(qApp->applicationFilePath(), {QTest::currentTestFunction()});
            qunsetenv("KITE_FSIZE_CHILD");
            QCOMPARE(code, 0);
            return;
        }
        Sandbox sandbox;
        sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine);
        std::signal(SIGXFSZ, SIG_DFL);
        kt::ignoreFileSizeSignal(); // as main() does first
        struct rlimit tight{rlim_t(annLine.size() + 10), rlim_t(annLine.size() + 10)};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        session().AddScore = 2;
        QString error;
        QVERIFY(!WriteScoreRecord(QStringLiteral("Ann"), &error));
        QVERIFY2(error.contains(QStringLiteral("File too large")), qPrintable(error));
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine);
    }

    // Another copy of the program holds the data directory while it makes
    // "Ann.scr" with a cut last line: a record of "ann" waits for it, then
    // joins that file with one line end.
    void takesTurnsWithAnotherCopy()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        session().AddScore = 2;
        std::future<bool> other;
        {
            const DirectoryLock lock(sandbox.dataDir());
            QVERIFY(lock.locked());
            other = std::async(std::launch::async, [] { return WriteScoreRecord(QStringLiteral("ann")); });
            // Bounded: without turns the record is written long before this.
            QCOMPARE(other.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
            sandbox.writeDataFile(QStringLiteral("Ann.scr"), annLine.chopped(2));
        }
        QVERIFY(other.get());
        QCOMPARE(QDir(sandbox.dataDir()).entryList(allEntries), QStringList{QStringLiteral("Ann.scr")});
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annLine + lineOf("ann"));
    }

    // Shown again while open it is brought to the front, not loaded again.
    void currentScoresAreASnapshot()
    {
        Sandbox sandbox;
        SessionState& s = session();
        std::tie(s.NumbersScore, s.AddScore, s.SubScore, s.MulScore, s.DivScore, s.FractionScore, s.AlphabetScore,
                 s.SpellingScore, s.TimeScore, s.UserName) = std::tuple(-3, 2, 10, 4, 5, 6, 7, 8, 32767, "Ann");
        auto* form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        const QStringList labels{"Label1", "Label2", "Label3", "Label4", "Label5",
                                 "Label6", "Label7", "Label8", "Label9", "Label10"};
        QCOMPARE(test::texts(form, labels), QString("-3 2 10 4 5 6 7 8 32767 Ann").split(' '));

        std::tie(s.AddScore, s.UserName) = std::tuple(6, "Bob");
        QCOMPARE(Forms::show(windows::CurrentScores), form);
        QCOMPARE(test::texts(form, {"Label2", "Label10"}), (QStringList{"2", "Ann"}));
        test::click(control<CommandButton>(form, QStringLiteral("Command1")));
        test::processEvents();
        QVERIFY(!Forms::find(windows::CurrentScores));
        form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        QCOMPARE(test::texts(form, {"Label2", "Label10"}), (QStringList{"6", "Bob"}));
    }

    // Files the window could neither open nor delete are not offered; a blank
    // is part of a name. The user's file is chosen whatever its case, and a
    // typed name only ever reaches a score file of the data directory; a huge
    // file is read in part.
    void showsTheChosenName_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("annBytes");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("shown");
        const QByteArray records = annRecords;
        QTest::newRow("upper case") << "ANN" << "" << records << "Ann" << annLines;
        QTest::newRow("other file") << "bob" << "" << records << "Bob" << QStringList{bobLine};
        QTest::newRow("a blank after the name") << "Cy" << "" << records << "Cy " << QStringList{cyLine};
        QTest::newRow("no file") << "Eve" << "" << records << "" << QStringList();
        QTest::newRow("no user") << "" << "" << records << "" << QStringList();
        // More than the readable size of one endless line, then a record.
        const QByteArray huge = records + QByteArray(kMaxScoreFileBytes + 1024, 'x') + annLine;
        QTest::newRow("huge") << "Ann" << "" << huge << "Ann" << annLines;
        QTest::newRow("typed") << "" << "aNN" << records << "aNN" << annLines;
        QTest::newRow("typed part of a name") << "" << "An" << records << "An" << QStringList();
        QTest::newRow("typed with a dot") << "" << "Ann.x" << records << "Ann.x" << QStringList();
        QTest::newRow("typed outside the folder") << "" << "../outside" << records << "../outside" << QStringList();
        QTest::newRow("typed with blanks") << "" << " Ann " << records << " Ann " << QStringList();
    }
    void showsTheChosenName()
    {
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(QByteArray, annBytes);
        Sandbox sandbox;
        sandbox.writeDataFile(QStringLiteral("../outside.scr"), annRecords);
        PreviousScores* form = openPreviousScores(
            sandbox, user,
            {{"Ann.scr", annBytes}, {"Bob.SCR", recordBytes({2026, 12, 5}, {}, "Bob")}, {" Dee.scr", ""},
             {"Cy .scr", recordBytes({2026, 12, 6}, {0, 0, 3})}, {".scr", annRecords}, {"Ann.x.scr", annRecords},
             {"A*B.scr", annRecords}, {"kitetu.dat", "0,0,0\r\n"}, {"a.bmp", "BM"}});
        QCOMPARE(listed(form), (QStringList{" Dee", "Ann", "Bob", "Cy "}));
        if (!typed.isEmpty())
            typeName(form, typed);
        QTEST(names(form)->text(), "selected");
        QTEST(shownLines(form), "shown");
        QVERIFY(sandbox.messages.isEmpty());
        // The window keeps working: a name chosen shows its records, the one
        // read last stays in the session's buffer, and choosing the name
        // already shown reads its file again.
        names(form)->setCurrentIndex(1);
        QCOMPARE(shownLines(form), annLines);
        QCOMPARE(scoreRecordLine(session().RecordBuffer),
                 recordBytes({2027, 1, 2}, {0, 0, 0, 0, 0, 0, 11, 0, 125}));
        names(form)->setCurrentIndex(2);
        QCOMPARE(shownLines(form), QStringList{bobLine});
        sandbox.writeDataFile("Bob.SCR", recordBytes({2026, 12, 5}, {}, "Bob").repeated(2));
        emit names(form)->activated(2);
        QCOMPARE(shownLines(form).size(), 2);
    }

    // The user's own file comes before one whose name has a blank. Delete
    // asks first, also on Enter, where the default answer is No; Yes deletes
    // the chosen file alone and clears the window. A file gone behind the
    // window's back is reported, and an unsafe typed name never deletes
    // outside the data directory.
    void deleteAsksFirst()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(
            sandbox, "ann", {{"Ann.scr", recordBytes({2026, 12, 24}, {})}, {"Ann .scr", annRecords}});
        QCOMPARE(names(form)->text(), QStringLiteral("Ann"));
        names(form)->setCurrentIndex(0);
        QCOMPARE(names(form)->text(), QStringLiteral("Ann "));
        QCOMPARE(shownLines(form), annLines);
        sandbox.answers << MsgResult::No;
        clickDelete(form);
        test::pressEnter(control<CommandButton>(form, QStringLiteral("cmdDelete")));
        QCOMPARE(sandbox.messages.size(), 2);
        QVERIFY(sandbox.messages.first().buttons == MsgButtons::YesNo
                && sandbox.messages.first().defaultButton == MsgResult::No);
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann .scr")), annRecords);
        QCOMPARE(shownLines(form), annLines);

        sandbox.answers << MsgResult::Yes;
        clickDelete(form);
        QCOMPARE(QDir(sandbox.dataDir()).entryList(allEntries), QStringList{QStringLiteral("Ann.scr")});
        QCOMPARE(listed(form), QStringList{QStringLiteral("Ann")});
        QVERIFY(names(form)->text().isEmpty() && shownLines(form).isEmpty());

        names(form)->setCurrentIndex(0);
        QVERIFY(QFile::remove(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
        sandbox.answers << MsgResult::Yes;
        clickDelete(form);
        QCOMPARE(sandbox.messages.size(), 5);
        QCOMPARE(sandbox.messages.at(4).text, QStringLiteral("There is no score file for \"Ann\"."));
        QCOMPARE(listed(form), QStringList{QStringLiteral("Ann")});
        QVERIFY(Forms::find(windows::PreviousScores));

        const QString outside = sandbox.writeDataFile(QStringLiteral("../outside.scr"), annLine);
        typeName(form, QStringLiteral("../outside"));
        sandbox.answers << MsgResult::Yes;
        clickDelete(form);
        QCOMPARE(sandbox.messages.size(), 7);
        QVERIFY(QFileInfo::exists(outside));
    }

    void axisTop_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("top");
        for (const auto& [highest, top] :
             {std::pair{0, 1}, {2, 2}, {3, 5}, {10, 10}, {11, 20}, {125, 200}, {32767, 50000}})
            QTest::addRow("%d", highest) << highest << top;
    }
    void axisTop()
    {
        QFETCH(int, highest);
        QTEST(kt::axisTop(highest), "top");
    }

    // Each record's moment (yyyyMMddhh) and where it stands on the time axis.
    void timePositions_data()
    {
        QTest::addColumn<QString>("moments");
        QTest::addColumn<QList<double>>("positions");
        QTest::newRow("one moment") << "2026120509 2026120509" << QList<double>{0.5, 0.5};
        QTest::newRow("by time of day") << "2026120509 2026120510 2026120513" << QList<double>{0, 0.25, 1};
        QTest::newRow("across a year's end") << "2026123100 2027010200" << QList<double>{0, 1};
        QTest::newRow("out of order, by own time") << "2026120700 2026120500 2026120600" << QList{1.0, 0.0, 0.5};
    }
    void timePositions()
    {
        QFETCH(QString, moments);
        QList<ScoreRecord> records;
        for (const QString& moment : moments.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QDateTime at = QDateTime::fromString(moment, QStringLiteral("yyyyMMddhh"));
            records << ScoreRecord{at.date(), at.time(), QStringLiteral("Ann"), {}};
        }
        QTEST(kt::timePositions(records), "positions");
    }

    // Each activity has its own colour, none white; opening the window on Ann
    // draws her lines, and choosing Bob draws his instead.
    void windowChartsTheChosenChild()
    {
        QSet<QRgb> colours{qbColor(15).rgb()}; // white, the background
        for (int a = 0; a < kScoreActivities; ++a)
            colours << activityColour(a).rgb();
        QCOMPARE(colours.size(), kScoreActivities + 1);
        Sandbox sandbox;
        // Ann: a day apart (0, 1/2 and 1 of the time axis), points in addition
        // and the alphabet only, axis top 10. Bob: 3 in multiplication, top 5.
        const QTime t(9, 30);
        PreviousScores* form = openPreviousScores(
            sandbox, "Ann",
            {{"Ann.scr", recordBytes({2026, 12, 5}, {0, 2, 0, 0, 0, 0, 10}, "Ann", t)
                             + recordBytes({2026, 12, 6}, {0, 4}, "Ann", t)
                             + recordBytes({2026, 12, 7}, {0, 6, 0, 0, 0, 0, 5}, "Ann", t)},
             {"Bob.scr", recordBytes({2026, 11, 1}, {0, 0, 0, 3}, "Bob")}});
        ScoreChart* chart = control<ScoreChart>(form, QStringLiteral("Chart"));
        QVERIFY(chart->isVisible());

        QImage image = chart->grab().toImage();
        const QColor add = activityColour(Add), alph = activityColour(Alph);
        // Each record's dot, and the middle of each line between two records.
        for (const auto& [colour, points] :
             {std::pair{add, QList<QPointF>{{0, 2}, {0.5, 4}, {1, 6}, {0.25, 3}, {0.75, 5}}},
              {alph, {{0, 10}, {0.5, 0}, {1, 5}, {0.25, 5}, {0.75, 2.5}}}})
            for (const QPointF at : points)
                QVERIFY2(colourAt(image, expectedPixel(chart, at.x(), at.y(), 10), colour),
                         qPrintable(QStringLiteral("%1 at %2, %3").arg(colour.name()).arg(at.x()).arg(at.y())));
        // Only where the records put them: the plot's other corner is white.
        QCOMPARE(image.pixelColor(expectedPixel(chart, 0.5, 9, 10)).rgb(), qbColor(15).rgb());
        // An activity without points draws no line and has no legend entry.
        for (const int quiet : {Num, Sub, Mul, Div, Frac, Spel})
            QVERIFY2(!colourAnywhere(image, activityColour(quiet)), qPrintable(activityHeading(quiet)));

        names(form)->setText(QStringLiteral("Bob"));
        QCOMPARE(chart->chartedActivities(), QList<int>{Mul});
        image = chart->grab().toImage();
        QVERIFY(colourAt(image, expectedPixel(chart, 0.5, 3, 5), activityColour(Mul)));
        QVERIFY(!colourAnywhere(image, add) && !colourAnywhere(image, alph));

        // A name without a score file charts nothing.
        names(form)->setText(QStringLiteral("Nobody"));
        QVERIFY(chart->chartedActivities().isEmpty());
        QVERIFY(!colourAnywhere(chart->grab().toImage(), activityColour(Mul)));
    }
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
