// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/HomeworkWords.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "spelling/WordRecorder.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QProgressBar>
#include <QTimer>

#include <utility>

namespace kt {

HomeworkWords::HomeworkWords() : Form(windows::HomeworkWords)
{
    setCaption(QStringLiteral("Input Spelling Homework"));
    setSizeTwips(6000, 3600);
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), 240, 120, 5520, 480,
                                 QStringLiteral("Enter a word in the box below then press the ENTER key."));
    Label1 = addLabel(QStringLiteral("Label1"), 240, 840, 1080, 360, QStringLiteral("Word #"));
    LabelWordNumber = addLabel(QStringLiteral("LabelWordNumber"), 1320, 840, 840, 360, QStringLiteral("1"));
    TextWord = addTextBox(QStringLiteral("TextWord"), 2280, 780, 3240, 420);
    Command1 = addButton(QStringLiteral("Command1"), 240, 1560, 5520, 480, QStringLiteral("Done.  Now &practice these words."));
    CommandDone = addButton(QStringLiteral("CommandDone"), 240, 2160, 5520, 480, QStringLiteral("Done -- &Return to main progam."));
    Command2 = addButton(QStringLiteral("Command2"), 2040, 2880, 1920, 480, QStringLiteral("&Cancel"));
    ProgressRecording = addProgressBar(QStringLiteral("ProgressRecording"), 240, 1260, 5520, 240);
    m_recording = new NewWordsRecording(ProgressRecording, this);

    connect(TextWord, &TextBox::keyPressed, this, &HomeworkWords::TextWord_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &HomeworkWords::Command1_Click);
    connect(CommandDone, &QPushButton::clicked, this, &HomeworkWords::CommandDone_Click);
    connect(Command2, &QPushButton::clicked, this, &Form::unload);
    connect(m_recording, &NewWordsRecording::progress, this, &HomeworkWords::Recorder_Progress);
}

void HomeworkWords::Form_Load()
{
    centre();
    m_fileName = session().WordFileName;
    WordCount = 1;
    if (session().WordFileAction == WordListAction::AddWords) {
        const WordListRead read = LoadSpellingList(m_fileName, m_words);
        if (!read.editorProblem().isEmpty()) {
            // Adding to a list that cannot be read whole would lose its words.
            msgBox(read.editorProblem());
            QTimer::singleShot(0, this, &Form::unload);
            return;
        }
        WordCount = qint16(read.count + 1);
        m_stamp = read.stamp;
    } else {
        m_stamp = wordListStamp(m_fileName);
    }
    LabelWordNumber->setText(plain(int(WordCount)));
    TextWord->setFocus();
}

void HomeworkWords::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    // The list is saved already; the word being recorded leaves no file.
    m_recording->cancel();
}

void HomeworkWords::TextWord_KeyPress(int& ascii)
{
    if (ascii != KeyEnter)
        return;
    ascii = 0;
    if (WordCount > spelling::MaxTypedWords) {
        beep();
        LabelInstructions->setText(QStringLiteral("Can't enter any more words."));
        return;
    }
    const QString word = TextWord->text().trimmed();
    if (!isStorableWord(word)) {
        refuseEntry(TextWord, QStringLiteral("A word can't have a double quote (\") in it."));
        return;
    }
    if (!word.isEmpty()) {
        storeWord(m_words, WordCount, word);
        ++WordCount;
        LabelWordNumber->setText(plain(int(WordCount)));
    }
    TextWord->clear();
}

void HomeworkWords::Command1_Click()
{
    if (!saveWords())
        return;
    recordWordsThen([this] {
        unload();
        // The drill starts afresh on the list just saved.
        Forms::unload(windows::SpellingDrill);
        session().WordFileName = m_fileName;
        Forms::show(windows::SpellingDrill);
    });
}

void HomeworkWords::CommandDone_Click()
{
    if (saveWords())
        recordWordsThen([this] { unload(); });
}

bool HomeworkWords::saveWords()
{
    if (WordCount < 2)
        return false;
    const int count = WordCount - 1;
    const WordFileResult saved = SaveSpellingList(wordFileTarget(m_fileName), m_words, count, 0, &m_stamp);
    if (saved.changedOnDisk) {
        // Another copy of the program saved the list meanwhile: nothing of
        // either is lost unless the user says so.
        msgBox(QStringLiteral("Someone else has saved this word file since you opened it, so your words were not "
                              "saved.  They are still here: click Done again to save them in place of the other "
                              "words, or Cancel to leave the file as it is."));
        return false;
    }
    if (!saved.ok) {
        msgBox(saved.message);
        return false;
    }
    // The saved list is the one the spelling windows share from now on.
    session().WordList = m_words;
    session().WordCount = qint16(count);
    return true;
}

void HomeworkWords::recordWordsThen(std::function<void()> next)
{
    // Nothing more to type once the list is saved; Cancel stops the recording.
    if (m_recording->start(m_words, WordCount - 1, std::move(next))) {
        TextWord->setEnabled(false);
        Command1->setEnabled(false);
        CommandDone->setEnabled(false);
    }
}

void HomeworkWords::Recorder_Progress(int done, int total)
{
    LabelInstructions->setText(
        QStringLiteral("Saved.  Recording the words so the computer can say them: %1 of %2.").arg(done).arg(total));
}

} // namespace kt
