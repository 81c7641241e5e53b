// The current-scores window (a snapshot of this run's scores) and the
// previous-scores window (every record of a chosen name, and deleting a
// score file).
#include "TestKit.h"

#include "shell/FormScoreList.h"
#include "shell/KiteTu.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "shell/frmScores.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace kt;
using kt::test::Sandbox;

namespace {

QByteArray recordBytes(QDate date, std::array<qint16, 9> scores, const QString& name = QStringLiteral("Ann"))
{
    ScoreRecord r;
    r.date = date;
    r.time = QTime(9, 30, 0);
    r.name = name;
    r.scores = scores;
    return scoreRecordLine(r);
}

// Three records of Ann, oldest first.
QByteArray annRecords()
{
    return recordBytes(QDate(2026, 12, 5), {0, 2, 0, 0, 0, 0, 0, 0, 0})
           + recordBytes(QDate(2026, 12, 6), {1, 4, 0, 3, 0, 0, 0, 0, 0})
           + recordBytes(QDate(2027, 1, 2), {0, 0, 0, 0, 0, 0, 11, 0, 125});
}

const QStringList annLines{
    QStringLiteral("05-Dec-26   0000   0002   0000   0000   0000   0000   0000   0000   0000"),
    QStringLiteral("06-Dec-26   0001   0004   0000   0003   0000   0000   0000   0000   0000"),
    QStringLiteral("02-Jan-27   0000   0000   0000   0000   0000   0000   0011   0000   0125")};

QStringList shownLines(const frmScores* form)
{
    const QString text = form->Text1->text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList listed(const frmScores* form)
{
    QStringList names;
    for (int i = 0; i < form->CboNames->count(); ++i)
        names << form->CboNames->itemText(i);
    return names;
}

frmScores* openPreviousScores() { return dynamic_cast<frmScores*>(Forms::show(windows::PreviousScores)); }

// Types into the list's entry box as a keyboard would, one key at a time.
void typeName(frmScores* form, const QString& name)
{
    form->CboNames->lineEdit()->clear();
    kt::test::typeText(form->CboNames->lineEdit(), name);
}

} // namespace

class TestScoreWindows : public QObject {
    Q_OBJECT

private slots:
    // Current scores
    void currentScoresLayout_data();
    void currentScoresLayout();
    void currentScoresShowPlainDigits();
    void currentScoresRightAfterStart();
    void currentScoresAreASnapshot();

    // Previous scores
    void previousScoresLayout();
    void threeRecordsShowThreeLines();
    void preselectsTheUserWithoutRegardToCase_data();
    void preselectsTheUserWithoutRegardToCase();
    void listsEveryScoreFile();
    void choosingANameShowsItsRecords();
    void typedNames_data();
    void typedNames();
    void skipsMalformedLines();
    void showsTheFirstPartOfAHugeFile();
    void deleteWithNoKeepsEverything();
    void deleteWithYesRemovesTheFile();
    void failedDeleteIsReported();
    void returnCloses();
};

// ---------------------------------------------------------------- current scores

void TestScoreWindows::currentScoresLayout_data()
{
    QTest::addColumn<QString>("nameLabel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("valueLabel");
    QTest::newRow("name") << "LabelName" << "Name:" << "Label10";
    QTest::newRow("numbers") << "Lbl1" << "Numbers" << "Label1";
    QTest::newRow("addition") << "lbl2" << "Addition" << "Label2";
    QTest::newRow("subtraction") << "lbl3" << "Subtraction" << "Label3";
    QTest::newRow("multiply") << "lbl4" << "Multiply" << "Label4";
    QTest::newRow("divide") << "lbl5" << "Divide" << "Label5";
    QTest::newRow("fraction") << "lbl6" << "Fraction" << "Label6";
    QTest::newRow("alphabet") << "lbl7" << "Alplhabet" << "Label7";
    QTest::newRow("spelling") << "lbl8" << "Spelling" << "Label8";
    QTest::newRow("time") << "lbl9" << "Tell Time" << "Label9";
}

void TestScoreWindows::currentScoresLayout()
{
    QFETCH(QString, nameLabel);
    QFETCH(QString, caption);
    QFETCH(QString, valueLabel);
    Sandbox sandbox;
    Form* form = Forms::show(windows::CurrentScores);
    QVERIFY(form);
    QCOMPARE(form->caption(), QStringLiteral("Current Scores"));
    auto* name = kt::test::control<Label>(form, nameLabel);
    auto* value = kt::test::control<Label>(form, valueLabel);
    QVERIFY(name && value);
    QCOMPARE(name->text(), caption);
    // Each value stands on its name's row, to the right of it.
    QCOMPARE(value->y(), name->y());
    QVERIFY(value->x() > name->x() + name->fontMetrics().horizontalAdvance(caption));
    QCOMPARE(kt::test::control<CommandButton>(form, QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
}

void TestScoreWindows::currentScoresShowPlainDigits()
{
    Sandbox sandbox;
    SessionState& s = session();
    s.UserName = QStringLiteral("Ann");
    s.NumbersScore = -3;
    s.AddScore = 2;
    s.SubScore = 10;
    s.MulScore = 4;
    s.DivScore = 5;
    s.FractionScore = 6;
    s.AlphabetScore = 7;
    s.SpellingScore = 8;
    s.TimeScore = 32767;
    auto* form = dynamic_cast<FormScoreList*>(Forms::show(windows::CurrentScores));
    QCOMPARE(form->Label10->text(), QStringLiteral("Ann"));
    const QStringList expected{"-3", "2", "10", "4", "5", "6", "7", "8", "32767"};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(form->scoreValues[i]->text(), expected.at(i));
    QCOMPARE(form->scoreValues[0]->objectName(), QStringLiteral("Label1"));
}

void TestScoreWindows::currentScoresRightAfterStart()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    main->Timer1->fire();
    main->findChild<QAction*>(QStringLiteral("mnuCurrentScores"))->trigger();
    auto* form = Forms::find<FormScoreList>(windows::CurrentScores);
    QVERIFY(form);
    QCOMPARE(form->Label10->text(), QStringLiteral("Unknown"));
    for (Label* value : form->scoreValues)
        QCOMPARE(value->text(), QStringLiteral("0"));
}

void TestScoreWindows::currentScoresAreASnapshot()
{
    Sandbox sandbox;
    session().UserName = QStringLiteral("Ann");
    session().AddScore = 2;
    auto* form = dynamic_cast<FormScoreList*>(Forms::show(windows::CurrentScores));
    session().AddScore = 6;
    session().UserName = QStringLiteral("Bob");
    // Shown again while open: brought to the front, not loaded again.
    QCOMPARE(Forms::show(windows::CurrentScores), form);
    QCOMPARE(form->scoreValues[1]->text(), QStringLiteral("2"));
    QCOMPARE(form->Label10->text(), QStringLiteral("Ann"));

    kt::test::click(form->Command1);
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::CurrentScores));
    form = dynamic_cast<FormScoreList*>(Forms::show(windows::CurrentScores));
    QCOMPARE(form->scoreValues[1]->text(), QStringLiteral("6"));
    QCOMPARE(form->Label10->text(), QStringLiteral("Bob"));
}

// ---------------------------------------------------------------- previous scores

void TestScoreWindows::previousScoresLayout()
{
    Sandbox sandbox;
    frmScores* form = openPreviousScores();
    QVERIFY(form);
    QCOMPARE(form->caption(), QStringLiteral("Previous Scores"));
    QCOMPARE(form->CboNames->objectName(), QStringLiteral("CboNames"));
    QCOMPARE(form->Text1->objectName(), QStringLiteral("Text1"));
    QCOMPARE(form->cmdDelete->text(), QStringLiteral("Delete This Score File"));
    QCOMPARE(form->cmdReturn->text(), QStringLiteral("&Return"));
    QCOMPARE(kt::test::control<Label>(form, QStringLiteral("lblStudentName"))->text(), QStringLiteral("Student Name:"));
    // The headings stand left to right in record order.
    const QStringList headings{"Date", "Num", "Add", "Sub", "Mul", "Div", "Frac", "Alph", "Spel", "Time"};
    int previous = -1;
    for (const QString& heading : headings) {
        auto* label = kt::test::control<Label>(form, QStringLiteral("lbl") + heading);
        QVERIFY(label);
        QCOMPARE(label->text(), heading);
        QVERIFY(label->x() > previous);
        previous = label->x();
    }
    // No score files: an empty list and nothing shown.
    QCOMPARE(form->CboNames->count(), 0);
    QVERIFY(form->Text1->text().isEmpty());
}

void TestScoreWindows::threeRecordsShowThreeLines()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    QCOMPARE(form->CboNames->text(), QStringLiteral("Ann"));
    QCOMPARE(shownLines(form), annLines);
    // The record read last is kept in the session's buffer.
    QCOMPARE(session().RecordBuffer.date, QDate(2027, 1, 2));
    QCOMPARE(session().RecordBuffer.scores[8], qint16(125));
}

void TestScoreWindows::preselectsTheUserWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("lines");
    QTest::newRow("same case") << "Ann" << "Ann" << 3;
    QTest::newRow("lower case") << "ann" << "Ann" << 3;
    QTest::newRow("upper case") << "ANN" << "Ann" << 3;
    QTest::newRow("other file") << "bob" << "Bob" << 1;
    QTest::newRow("no file") << "Cy" << "" << 0;
    QTest::newRow("no user yet") << "" << "" << 0;
}

void TestScoreWindows::preselectsTheUserWithoutRegardToCase()
{
    QFETCH(QString, user);
    QFETCH(QString, selected);
    QFETCH(int, lines);
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("Bob.scr"), recordBytes(QDate(2026, 12, 5), {}, QStringLiteral("Bob")));
    session().UserName = user;
    frmScores* form = openPreviousScores();
    QCOMPARE(form->CboNames->text(), selected);
    QCOMPARE(shownLines(form).size(), lines);
}

void TestScoreWindows::listsEveryScoreFile()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Cy.scr"), QByteArray());
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("Bob.SCR"), QByteArray());
    sandbox.writeDataFile(QStringLiteral("kitetu.dat"), "0,0,0\r\n");
    sandbox.writeDataFile(QStringLiteral("kite.bmp"), "BM");
    // Files the window could neither open nor delete are not offered.
    sandbox.writeDataFile(QStringLiteral(".scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("A*B.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral(" Dee.scr"), annRecords());
    frmScores* form = openPreviousScores();
    QCOMPARE(listed(form), (QStringList{"Ann", "Bob", "Cy"}));
    QCOMPARE(form->CboNames->text(), QString());
}

void TestScoreWindows::choosingANameShowsItsRecords()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("Bob.scr"),
                          recordBytes(QDate(2026, 12, 24), {9, 0, 0, 0, 0, 0, 0, 0, 0}, QStringLiteral("Bob")));
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    form->CboNames->setCurrentIndex(1);
    QCOMPARE(form->CboNames->text(), QStringLiteral("Bob"));
    QCOMPARE(shownLines(form), QStringList{QStringLiteral(
                                   "24-Dec-26   0009   0000   0000   0000   0000   0000   0000   0000   0000")});
    form->CboNames->setCurrentIndex(0);
    QCOMPARE(shownLines(form), annLines);
    // Choosing the name already shown reads its file again: a record written
    // meanwhile (a change of user) appears.
    form->CboNames->setCurrentIndex(1);
    {
        QFile bob(sandbox.dataDir() + QStringLiteral("/Bob.scr"));
        QVERIFY(bob.open(QIODevice::Append));
        bob.write(recordBytes(QDate(2026, 12, 25), {1, 0, 0, 0, 0, 0, 0, 0, 0}, QStringLiteral("Bob")));
    }
    QCOMPARE(shownLines(form).size(), 1);
    emit form->CboNames->activated(1);
    QCOMPARE(shownLines(form).size(), 2);
}

void TestScoreWindows::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lines");
    QTest::newRow("exact") << "Ann" << 3;
    QTest::newRow("other case") << "aNN" << 3;
    QTest::newRow("no such file") << "Zed" << 0;
    QTest::newRow("part of a name") << "An" << 0;
    QTest::newRow("outside by parent") << "../outside" << 0;
    QTest::newRow("outside by path") << "/tmp/x" << 0;
    QTest::newRow("with extension") << "Ann.scr" << 0;
}

void TestScoreWindows::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(int, lines);
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    // A score file beside the data directory, which no typed name may reach.
    QFile outside(sandbox.windowsDir() + QStringLiteral("outside.scr"));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write(annRecords());
    outside.close();

    frmScores* form = openPreviousScores();
    typeName(form, typed);
    QCOMPARE(form->CboNames->text(), typed);
    QCOMPARE(shownLines(form).size(), lines);
    QVERIFY(sandbox.messages.isEmpty());
    // The window keeps working: choosing from the list still shows records.
    form->CboNames->setCurrentIndex(0);
    QCOMPARE(shownLines(form), annLines);
}

void TestScoreWindows::skipsMalformedLines()
{
    Sandbox sandbox;
    const QByteArray records = annRecords();
    const qsizetype second = records.indexOf("\r\n") + 2;
    QByteArray damaged = records.left(second) + "\"12-06-2026\",\"10:00:00\",\"Ann\",1,2\r\n"
                         + "complete nonsense\r\n" + records.mid(second);
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), damaged);
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    QCOMPARE(shownLines(form), annLines);
    QVERIFY(sandbox.messages.isEmpty());
}

void TestScoreWindows::showsTheFirstPartOfAHugeFile()
{
    Sandbox sandbox;
    // Three records, then more than the readable size of one endless line.
    QByteArray huge = annRecords();
    huge.append(QByteArray(kMaxScoreFileBytes + 1024, 'x'));
    huge.append(recordBytes(QDate(2027, 6, 1), {1, 1, 1, 1, 1, 1, 1, 1, 1}));
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), huge);
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    QCOMPARE(shownLines(form), annLines);
}

void TestScoreWindows::deleteWithNoKeepsEverything()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("Bob.scr"), QByteArray());
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    sandbox.answers << MsgResult::No;
    kt::test::click(form->cmdDelete);

    QCOMPARE(sandbox.messages.size(), 1);
    const MessageRequest& question = sandbox.messages.first();
    QCOMPARE(question.text, QStringLiteral("Are you sure you want to delete this score file?"));
    QCOMPARE(question.title, QStringLiteral("Delete Score File"));
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.icon, MsgIcon::Stop);
    QCOMPARE(question.defaultButton, MsgResult::No);

    QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annRecords());
    QCOMPARE(listed(form), (QStringList{"Ann", "Bob"}));
    QCOMPARE(form->CboNames->text(), QStringLiteral("Ann"));
    QCOMPARE(shownLines(form), annLines);

    // Enter on the button asks too; the default answer is No.
    kt::test::pressEnter(form->cmdDelete);
    QCOMPARE(sandbox.messages.size(), 2);
    QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
}

void TestScoreWindows::deleteWithYesRemovesTheFile()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    sandbox.writeDataFile(QStringLiteral("Bob.scr"), recordBytes(QDate(2026, 12, 5), {}, QStringLiteral("Bob")));
    session().UserName = QStringLiteral("ann");
    frmScores* form = openPreviousScores();
    sandbox.answers << MsgResult::Yes;
    kt::test::click(form->cmdDelete);

    QCOMPARE(sandbox.messages.size(), 1);
    QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
    QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Bob.scr")));
    QCOMPARE(listed(form), QStringList{QStringLiteral("Bob")});
    QCOMPARE(form->CboNames->text(), QString());
    QVERIFY(form->Text1->text().isEmpty());
}

void TestScoreWindows::failedDeleteIsReported()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), annRecords());
    session().UserName = QStringLiteral("Ann");
    frmScores* form = openPreviousScores();
    // Gone behind the window's back before the delete.
    QVERIFY(QFile::remove(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
    sandbox.answers << MsgResult::Yes;
    kt::test::click(form->cmdDelete);

    QCOMPARE(sandbox.messages.size(), 2);
    QCOMPARE(sandbox.messages.at(1).text, QStringLiteral("There is no score file for \"Ann\"."));
    QCOMPARE(sandbox.messages.at(1).title, QStringLiteral("Kite-Tutor"));
    QCOMPARE(listed(form), QStringList{QStringLiteral("Ann")});
    QVERIFY(Forms::find(windows::PreviousScores));

    // An unsafe typed name is never deleted outside the data directory.
    const QString outside = sandbox.windowsDir() + QStringLiteral("outside.scr");
    QFile file(outside);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    typeName(form, QStringLiteral("../outside"));
    sandbox.answers << MsgResult::Yes;
    kt::test::click(form->cmdDelete);
    QCOMPARE(sandbox.messages.size(), 4);
    QVERIFY(QFileInfo::exists(outside));
}

void TestScoreWindows::returnCloses()
{
    Sandbox sandbox;
    frmScores* form = openPreviousScores();
    kt::test::click(form->cmdReturn);
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::PreviousScores));
}

QTEST_MAIN(TestScoreWindows)
#include "tst_score_windows.moc"
