// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/WordSearch.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "spelling/WordRecorder.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QProgressBar>
#include <QTimer>

#include <utility>

namespace kt {

WordSearch::WordSearch() : Form(windows::WordSearch)
{
    setCaption(QStringLiteral("Word Search"));
    setSizeTwips(6000, 3480);
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), 240, 120, 5520, 960);
    Text1 = addTextBox(QStringLiteral("Text1"), 240, 1200, 3240, 420);
    Label2 = addLabel(QStringLiteral("Label2"), 3720, 1260, 1200, 360, QStringLiteral("It is word #"));
    Label1 = addLabel(QStringLiteral("Label1"), 4920, 1260, 840, 360);
    Text2 = addTextBox(QStringLiteral("Text2"), 240, 1920, 3240, 420);
    Command1 = addButton(QStringLiteral("Command1"), 1080, 2760, 1800, 480, QStringLiteral("OK"));
    CommandCancel = addButton(QStringLiteral("CommandCancel"), 3240, 2760, 1800, 480, QStringLiteral("&Cancel"));
    ProgressRecording = addProgressBar(QStringLiteral("ProgressRecording"), 240, 2400, 5520, 240);
    m_recording = new NewWordsRecording(ProgressRecording, this);

    connect(Text1, &TextBox::keyPressed, this, &WordSearch::Text1_KeyPress);
    connect(Text1, &TextBox::changed, this, &WordSearch::Text1_Change);
    connect(Text2, &TextBox::keyPressed, this, &WordSearch::Text2_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &WordSearch::Command1_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Form::unload);
}

void WordSearch::Form_Load()
{
    centre();
    m_action = session().WordFileAction;
    m_fileName = session().WordFileName;
    for (QWidget* found : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                           static_cast<QWidget*>(Text2), static_cast<QWidget*>(Command1)})
        found->hide();
    LabelInstructions->setText(prompt());
    const WordListRead read = LoadSpellingList(m_fileName, m_words);
    if (!read.editorProblem().isEmpty()) {
        // A list that cannot be read whole would be cut by the next save.
        msgBox(read.editorProblem());
        QTimer::singleShot(0, this, &Form::unload);
        return;
    }
    WordCount = qint16(read.count);
    m_stamp = read.stamp;
    Text1->setFocus();
}

void WordSearch::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    // The list is saved already; the word being recorded leaves no file.
    m_recording->cancel();
}

QString WordSearch::prompt() const
{
    return QStringLiteral("Type the word or part of the word you want to %1 then press the ENTER key.  If it is spelled "
                          "wrong in the file then type it as it is in the file.")
        .arg(m_action == WordListAction::DeleteWord ? QStringLiteral("delete") : QStringLiteral("change"));
}

QString WordSearch::changedElsewhere() const
{
    return QStringLiteral("Someone else has saved this word file since you opened it, so your change was not saved.  "
                          "%1 again to save the list as you see it here, or close this window to leave the file as "
                          "it is.")
        .arg(m_action == WordListAction::DeleteWord ? QStringLiteral("Click on OK") : QStringLiteral("Press the ENTER key"));
}

// ---------------------------------------------------------------- events

void WordSearch::Text1_KeyPress(int& ascii)
{
    if (ascii != KeyEnter)
        return;
    ascii = 0;
    findWord();
}

void WordSearch::Text1_Change()
{
    if (!m_showingFound)
        forgetFoundWord();
}

void WordSearch::Text2_KeyPress(int& ascii)
{
    if (ascii != KeyEnter)
        return;
    ascii = 0;
    if (FoundNumber < 1 || FoundNumber > WordCount)
        return;
    const QString word = Text2->text().trimmed();
    if (!isStorableWord(word)) {
        refuseEntry(Text2, QStringLiteral("A word can't have a double quote (\") in it."));
        return;
    }
    storeWord(m_words, FoundNumber, word);
    const WordFileResult saved = saveList(0);
    if (saved.changedOnDisk)
        return; // the typed word stays in its box: Enter again saves it anyway
    if (saved.ok)
        m_recording->start(m_words, WordCount);
    Text1->clear();
    Text2->clear();
    forgetFoundWord();
    Text1->setFocus();
    LabelInstructions->setText(prompt());
}

void WordSearch::Command1_Click()
{
    if (FoundNumber < 1 || FoundNumber > WordCount)
        return;
    if (saveList(m_action == WordListAction::DeleteWord ? FoundNumber : 0).changedOnDisk)
        return;
    forgetFoundWord();
    Text1->clear();
    Text1->setFocus();
    LabelInstructions->setText(prompt());
}

// ---------------------------------------------------------------- procedures

WordFileResult WordSearch::saveList(int deleteSlot)
{
    const WordFileResult saved = SaveSpellingList(wordFileTarget(m_fileName), m_words, WordCount, deleteSlot, &m_stamp);
    if (saved.changedOnDisk) {
        msgBox(changedElsewhere());
        return saved;
    }
    if (!saved.ok)
        msgBox(saved.message);
    reload();
    return saved;
}

void WordSearch::findWord()
{
    const QString s = Text1->text().trimmed();
    FoundNumber = 0;
    for (int i = 1; i <= WordCount; ++i)
        if (slotAt(m_words, i).contains(s, Qt::CaseInsensitive)) {
            FoundNumber = qint16(i);
            break;
        }
    if (FoundNumber == 0) {
        forgetFoundWord();
        LabelInstructions->setText(QStringLiteral("I can't find that word in this file.  Please try a partial spelling."));
        return;
    }
    m_showingFound = true;
    if (m_action == WordListAction::ChangeWord) {
        LabelInstructions->setText(
            QStringLiteral("Found it!  Now type the word correctly in the lower box then press the ENTER key."));
        Text2->show();
        Text2->setFocus();
    } else if (m_action == WordListAction::DeleteWord) {
        LabelInstructions->setText(QStringLiteral("Found it!  Click on OK to delete it."));
        Command1->show();
        Command1->setFocus();
    }
    Label1->show();
    Label2->show();
    Text1->setText(slotAt(m_words, FoundNumber));
    Label1->setText(spaced(int(FoundNumber)));
    m_showingFound = false;
}

void WordSearch::forgetFoundWord()
{
    FoundNumber = 0;
    Text2->hide();
    Command1->hide();
    Label1->hide();
    Label2->hide();
}

void WordSearch::reload()
{
    const WordListRead read = LoadSpellingList(m_fileName, m_words);
    WordCount = qint16(read.count);
    m_stamp = read.stamp;
    // The list as saved is the one the spelling windows share from now on.
    session().WordList = m_words;
    session().WordCount = WordCount;
}

} // namespace kt
