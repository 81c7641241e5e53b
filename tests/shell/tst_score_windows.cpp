// SPDX-License-Identifier: GPL-3.0-or-later
// The current-scores window (a snapshot of this run's scores) and the
// previous-scores window (every record of a chosen name, and deleting a
// score file).
#include "TestKit.h"

#include "shell/CurrentScores.h"
#include "shell/MainWindow.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "shell/PreviousScores.h"
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
    return scoreRecordLine(ScoreRecord{date, QTime(9, 30, 0), name, scores});
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

QStringList shownLines(const PreviousScores* form)
{
    const QString text = form->Text1->text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList listed(const PreviousScores* form)
{
    QStringList names;
    for (int i = 0; i < form->CboNames->count(); ++i)
        names << form->CboNames->itemText(i);
    return names;
}

// Writes the given score files, makes `user` current and opens the window.
PreviousScores* openPreviousScores(Sandbox& sandbox, const QString& user = QString(),
                              const QMap<QString, QByteArray>& files = {})
{
    for (auto it = files.begin(); it != files.end(); ++it)
        sandbox.writeDataFile(it.key(), it.value());
    session().UserName = user;
    return dynamic_cast<PreviousScores*>(Forms::show(windows::PreviousScores));
}

void typeName(PreviousScores* form, const QString& name)
{
    form->CboNames->lineEdit()->clear();
    kt::test::typeText(form->CboNames->lineEdit(), name);
}

void writeOutside(const Sandbox& sandbox)
{
    QFile outside(sandbox.windowsDir() + QStringLiteral("outside.scr"));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write(annRecords());
}

} // namespace

class TestScoreWindows : public QObject {
    Q_OBJECT

private slots:
    void currentScoresAreASnapshot()
    {
        Sandbox sandbox;
        const std::array<qint16 SessionState::*, 9> fields{
            &SessionState::NumbersScore,  &SessionState::AddScore,      &SessionState::SubScore,
            &SessionState::MulScore,      &SessionState::DivScore,      &SessionState::FractionScore,
            &SessionState::AlphabetScore, &SessionState::SpellingScore, &SessionState::TimeScore};
        const std::array<qint16, 9> scores{-3, 2, 10, 4, 5, 6, 7, 8, 32767};
        for (int i = 0; i < 9; ++i)
            session().*fields[i] = scores[i];
        session().UserName = QStringLiteral("Ann");
        auto* form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        const QStringList values{"-3", "2", "10", "4", "5", "6", "7", "8", "32767"};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(form->scoreValues[i]->text(), values.at(i));

        session().AddScore = 6;
        session().UserName = QStringLiteral("Bob");
        // Shown again while open: brought to the front, not loaded again.
        QCOMPARE(Forms::show(windows::CurrentScores), form);
        QCOMPARE(form->scoreValues[1]->text(), QStringLiteral("2"));
        QCOMPARE(form->Label10->text(), QStringLiteral("Ann"));
        kt::test::click(form->Command1);
        kt::test::processEvents();
        QVERIFY(!Forms::find(windows::CurrentScores));
        form = dynamic_cast<CurrentScores*>(Forms::show(windows::CurrentScores));
        QCOMPARE(form->scoreValues[1]->text(), QStringLiteral("6"));
        QCOMPARE(form->Label10->text(), QStringLiteral("Bob"));
    }

    void previousScoresListsTheNames()
    {
        Sandbox sandbox;
        // Files the window could neither open nor delete are not offered; a
        // blank is part of a name.
        PreviousScores* form = openPreviousScores(sandbox, QString(),
                                             {{"Cy.scr", ""}, {"Ann.scr", annRecords()}, {"Bob.SCR", ""},
                                              {"kitetu.dat", "0,0,0\r\n"}, {"kite.bmp", "BM"}, {".scr", annRecords()},
                                              {"A*B.scr", annRecords()}, {"Ann.x.scr", annRecords()},
                                              {" Dee.scr", annRecords()}, {"Ann .scr", annRecords()}});
        QCOMPARE(listed(form), (QStringList{" Dee", "Ann ", "Ann", "Bob", "Cy"}));
        QCOMPARE(form->CboNames->text(), QString());
    }

    // The user's file is chosen whatever its case, and a typed name only ever
    // reaches a file of the data directory; a huge file is read in part.
    void showsTheChosenName_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("annBytes");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char* tag, const QString& user, const QString& typed, const QByteArray& bytes,
                            const QString& selected, const QStringList& shown) {
            QTest::newRow(tag) << user << typed << bytes << selected << shown;
        };
        const QByteArray records = annRecords();
        row("same case", "Ann", {}, records, "Ann", annLines);
        row("upper case", "ANN", {}, records, "Ann", annLines);
        row("other file", "bob", {}, records, "Bob",
            {"05-Dec-26   0000   0000   0000   0000   0000   0000   0000   0000   0000"});
        row("no file", "Cy", {}, records, "", {});
        // More than the readable size of one endless line, then a record.
        row("huge", "Ann", {}, records + QByteArray(kMaxScoreFileBytes + 1024, 'x') + recordBytes(QDate(2027, 6, 1), {}),
            "Ann", annLines);
        row("typed", "", "aNN", records, "aNN", annLines);
        row("typed part of a name", "", "An", records, "An", {});
    }
    void showsTheChosenName()
    {
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(QByteArray, annBytes);
        QFETCH(QString, selected);
        QFETCH(QStringList, shown);
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(
            sandbox, user, {{"Ann.scr", annBytes}, {"Bob.scr", recordBytes(QDate(2026, 12, 5), {}, "Bob")}});
        if (!typed.isEmpty())
            typeName(form, typed);
        QCOMPARE(form->CboNames->text(), selected);
        QCOMPARE(shownLines(form), shown);
        QVERIFY(sandbox.messages.isEmpty());
        // The window keeps working.
        form->CboNames->setCurrentIndex(0);
        QCOMPARE(shownLines(form), annLines);
    }

    void choosingANameShowsItsRecords()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(
            sandbox, "Ann",
            {{"Ann.scr", annRecords()}, {"Bob.scr", recordBytes(QDate(2026, 12, 24), {9, 0, 0, 0, 0, 0, 0, 0, 0}, "Bob")}});
        form->CboNames->setCurrentIndex(1);
        QCOMPARE(shownLines(form), QStringList{QStringLiteral(
                                       "24-Dec-26   0009   0000   0000   0000   0000   0000   0000   0000   0000")});
        form->CboNames->setCurrentIndex(0);
        // The record read last is kept in the session's buffer.
        QCOMPARE(session().RecordBuffer.date, QDate(2027, 1, 2));
        QCOMPARE(session().RecordBuffer.scores[8], qint16(125));
        // Choosing the name already shown reads its file again.
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

    void deleteAsksFirst()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(sandbox, "ann", {{"Ann.scr", annRecords()}, {"Bob.scr", ""}});
        sandbox.answers << MsgResult::No;
        kt::test::click(form->cmdDelete);
        QCOMPARE(sandbox.messages.size(), 1);
        const MessageRequest question = sandbox.messages.first();
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.defaultButton, MsgResult::No);
        QCOMPARE(sandbox.readDataFile(QStringLiteral("Ann.scr")), annRecords());
        QCOMPARE(shownLines(form), annLines);
        // Enter on the button asks too; the default answer is No.
        kt::test::pressEnter(form->cmdDelete);
        QCOMPARE(sandbox.messages.size(), 2);
        QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));

        sandbox.answers << MsgResult::Yes;
        kt::test::click(form->cmdDelete);
        QCOMPARE(sandbox.messages.size(), 3);
        QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
        QVERIFY(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Bob.scr")));
        QCOMPARE(listed(form), QStringList{QStringLiteral("Bob")});
        QCOMPARE(form->CboNames->text(), QString());
        QVERIFY(form->Text1->text().isEmpty());
    }

    // A name's blanks do not hide the user's file, but the user's own file
    // comes first.
    void aNameWithABlankIsShownAndDeleted_data()
    {
        QTest::addColumn<bool>("ownFileToo");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("beside the user's own file") << true << "Ann";
        QTest::newRow("alone") << false << "Ann ";
    }
    void aNameWithABlankIsShownAndDeleted()
    {
        QFETCH(bool, ownFileToo);
        QFETCH(QString, preselected);
        Sandbox sandbox;
        if (ownFileToo)
            sandbox.writeDataFile(QStringLiteral("Ann.scr"), recordBytes(QDate(2026, 12, 24), {}));
        PreviousScores* form = openPreviousScores(sandbox, "Ann", {{"Ann .scr", annRecords()}});
        QCOMPARE(form->CboNames->text(), preselected);
        form->CboNames->setCurrentIndex(0);
        QCOMPARE(form->CboNames->text(), QStringLiteral("Ann "));
        QCOMPARE(shownLines(form), annLines);
        sandbox.answers << MsgResult::Yes;
        kt::test::click(form->cmdDelete);
        QVERIFY(!QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann .scr")));
        QCOMPARE(QFileInfo::exists(sandbox.dataDir() + QStringLiteral("/Ann.scr")), ownFileToo);
        QCOMPARE(listed(form), ownFileToo ? QStringList{QStringLiteral("Ann")} : QStringList());
    }

    void failedDeleteIsReported()
    {
        Sandbox sandbox;
        PreviousScores* form = openPreviousScores(sandbox, "Ann", {{"Ann.scr", annRecords()}});
        // Gone behind the window's back before the delete.
        QVERIFY(QFile::remove(sandbox.dataDir() + QStringLiteral("/Ann.scr")));
        sandbox.answers << MsgResult::Yes;
        kt::test::click(form->cmdDelete);
        QCOMPARE(sandbox.messages.size(), 2);
        QCOMPARE(sandbox.messages.at(1).text, QStringLiteral("There is no score file for \"Ann\"."));
        QCOMPARE(listed(form), QStringList{QStringLiteral("Ann")});
        QVERIFY(Forms::find(windows::PreviousScores));

        // An unsafe typed name is never deleted outside the data directory.
        writeOutside(sandbox);
        typeName(form, QStringLiteral("../outside"));
        sandbox.answers << MsgResult::Yes;
        kt::test::click(form->cmdDelete);
        QCOMPARE(sandbox.messages.size(), 4);
        QVERIFY(QFileInfo::exists(sandbox.windowsDir() + QStringLiteral("outside.scr")));
    }
};

QTEST_MAIN(TestScoreWindows)
#include "tst_score_windows.moc"
