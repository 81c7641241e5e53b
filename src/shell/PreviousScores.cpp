// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PreviousScores.h"

#include "shell/ScoreChart.h"
#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <QTextDocument>

namespace kt {

namespace {
constexpr int TextLeft = 240;
constexpr int TextTop = 1320;
// Where each column of a display line starts, in characters: the date takes
// nine, every score three blanks and four digits.
constexpr int DateColumns = 9;
constexpr int ScoreColumns = 7;
// The chart below the buttons, which the window grows to hold.
constexpr int ChartTop = 6480;
constexpr int ChartHeight = 3360;
} // namespace

PreviousScores::PreviousScores() : Form(windows::PreviousScores)
{
    setCaption(QStringLiteral("Previous Scores"));
    setSizeTwips(9900, ChartTop + ChartHeight + 240);

    // Up to the list: the plain face needs a little more room than the design gave.
    addLabel(QStringLiteral("lblStudentName"), TextLeft, 300, 1560, 285, QStringLiteral("Student Name:"));
    CboNames = addComboBox(QStringLiteral("CboNames"), 1800, 240, 2655, 405);
    Text1 = addTextArea(QStringLiteral("Text1"), TextLeft, TextTop, 9420, 4320);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);

    // Headings over the columns of the fixed-width record lines.
    const int charTwips = twips(QFontMetrics(Text1->font()).horizontalAdvance(QLatin1Char('0')));
    const int margin = twips(int(Text1->document()->documentMargin()) + Text1->frameWidth());
    const QStringList headings{QStringLiteral("Date"), QStringLiteral("Num"),  QStringLiteral("Add"),
                               QStringLiteral("Sub"),  QStringLiteral("Mul"),  QStringLiteral("Div"),
                               QStringLiteral("Frac"), QStringLiteral("Alph"), QStringLiteral("Spel"),
                               QStringLiteral("Time")};
    for (int i = 0; i < headings.size(); ++i) {
        const int column = i == 0 ? 0 : DateColumns + (i - 1) * ScoreColumns + 3;
        addLabel(QStringLiteral("lbl") + headings.at(i), TextLeft + margin + column * charTwips, 960,
                 qMax(600, 6 * charTwips), 285, headings.at(i));
    }

    cmdDelete = addButton(QStringLiteral("cmdDelete"), 240, 5820, 2655, 450, QStringLiteral("Delete This Score File"));
    cmdReturn = addButton(QStringLiteral("cmdReturn"), 8100, 5820, 1560, 450, QStringLiteral("&Return"));

    Chart = new ScoreChart(surface());
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setGeometry(px(TextLeft), px(ChartTop), px(9420), px(ChartHeight));

    connect(CboNames, &ComboBox::clicked, this, &PreviousScores::CboNames_Click);
    connect(CboNames, &ComboBox::changed, this, &PreviousScores::CboNames_Change);
    connect(cmdDelete, &CommandButton::clicked, this, &PreviousScores::cmdDelete_Click);
    connect(cmdReturn, &CommandButton::clicked, this, &PreviousScores::cmdReturn_Click);
}

void PreviousScores::Form_Load()
{
    centre();
    const QString user = session().UserName.toLower();
    // The user's own name first; else a name that differs only by blanks.
    QString preselected, sameButBlanks;
    {
        // Filling the list chooses nothing by itself; only the user's own
        // name is shown at once.
        const QSignalBlocker quiet(CboNames);
        const QStringList files = Paths::match(session().dataDirectory(), QStringLiteral("*.scr"));
        for (const QString& file : files) {
            const QString stem = file.chopped(4); // the pattern matched ".scr"
            // Only names this window can open and delete are offered: a file
            // such as ".scr" or "A*B.scr" was not written by the program.
            if (!isScoreFileStem(stem))
                continue;
            CboNames->addItem(stem);
            if (stem.toLower() == user)
                preselected = stem;
            else if (stem.trimmed().toLower() == user)
                sameButBlanks = stem;
        }
    }
    if (preselected.isEmpty())
        preselected = sameButBlanks;
    clearChoice();
    if (!preselected.isEmpty())
        CboNames->setText(preselected);
}

void PreviousScores::CboNames_Click()
{
    Text1->clear();
    Chart->setRecords({});
    // A name with no score file (typing fires this at every key) shows
    // nothing; an unsafe typed name finds no file.
    const QString path = findScoreFile(CboNames->text());
    if (path.isEmpty())
        return;
    QStringList lines;
    const QList<ScoreRecord> records = readScoreFile(path);
    lines.reserve(records.size());
    for (const ScoreRecord& record : records) {
        session().RecordBuffer = record;
        lines << scoreDisplayLine(record);
    }
    Text1->setText(lines.join(QLatin1Char('\n')));
    Chart->setRecords(records);
}

void PreviousScores::CboNames_Change() { CboNames_Click(); }

void PreviousScores::cmdDelete_Click()
{
    const MsgResult answer = msgBox(QStringLiteral("Are you sure you want to delete this score file?"),
                                    MsgButtons::YesNo, MsgIcon::Stop, QStringLiteral("Delete Score File"),
                                    MsgResult::No);
    if (answer != MsgResult::Yes)
        return;

    const QString name = CboNames->text();
    QString error;
    if (!deleteScoreFile(name, &error)) {
        msgBox(error, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    int index = CboNames->currentIndex();
    if (index < 0 || CboNames->itemText(index) != name)
        index = CboNames->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0)
        index = CboNames->findText(name, Qt::MatchFixedString);
    {
        const QSignalBlocker quiet(CboNames);
        if (index >= 0)
            CboNames->removeItem(index);
    }
    clearChoice();
    Text1->clear();
    Chart->setRecords({});
}

void PreviousScores::cmdReturn_Click() { unload(); }

void PreviousScores::clearChoice()
{
    // Removing the chosen entry would otherwise show the next name's records.
    const QSignalBlocker quiet(CboNames);
    CboNames->setCurrentIndex(-1);
    CboNames->setEditText(QString());
}

} // namespace kt
