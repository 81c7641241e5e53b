// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Word Search": finds a word of a homework list by part of its spelling,
// then changes it (typed correctly in the lower box) or deletes it (OK).
#include "shell/SessionState.h"
#include "spelling/WordFiles.h"
#include "ui/Form.h"

class QProgressBar;

#include <QStringList>

namespace kt {

class NewWordsRecording;

class WordSearch : public Form {
    Q_OBJECT
public:
    WordSearch();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    Label *LabelInstructions, *Label1, *Label2;
    TextBox *Text1, *Text2;
    CommandButton *Command1, *CommandCancel;
    // How far the recording of a changed word has got.
    QProgressBar* ProgressRecording;

    void Text1_KeyPress(int& ascii);
    void Text1_Change();
    void Text2_KeyPress(int& ascii);
    void Command1_Click();

    void findWord();
    // Hides what acts on a found word, so nothing acts on an earlier one.
    void forgetFoundWord();
    // Saves the list, leaving out slot `deleteSlot` (0: none), tells a
    // failure and reads the file back. Nothing is written or read back when
    // another copy saved the list meanwhile.
    WordFileResult saveList(int deleteSlot);
    // Reads the list again: the table is what the file holds.
    void reload();
    QString prompt() const;
    // What to say when another copy of the program saved the list meanwhile.
    QString changedElsewhere() const;
    // Records, in the background, the words of the list that have no
    // recording of their own (a word just changed).

    WordListAction m_action = WordListAction::ChangeWord; // or DeleteWord
    QString m_fileName;   // the list this window was opened on
    QByteArray m_stamp;   // what the file held when this window last read it
    QStringList m_words;
    qint16 WordCount = 0;
    qint16 FoundNumber = 0;
    bool m_showingFound = false;
    NewWordsRecording* m_recording;
};

} // namespace kt
