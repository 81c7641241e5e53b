// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Input Spelling Homework": takes the words of a homework list one by one,
// for a new list or added to the end of an existing one, and saves the list.
#include "ui/Form.h"

#include <QStringList>

#include <functional>

class QProgressBar;

namespace kt {

class NewWordsRecording;

class HomeworkWords : public Form {
    Q_OBJECT
public:
    HomeworkWords();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    Label *LabelInstructions, *Label1, *LabelWordNumber;
    TextBox* TextWord;
    CommandButton *Command1, *CommandDone, *Command2;
    // How far the recordings of the words saved have got.
    QProgressBar* ProgressRecording;

    void TextWord_KeyPress(int& ascii);
    void Command1_Click();
    void CommandDone_Click();

    // Writes the words entered so far; false (after the message) when the
    // list could not be written or there is no word yet.
    bool saveWords();
    // Records the saved words that have no recording of their own, the
    // window answering meanwhile, then does `next`.
    void recordWordsThen(std::function<void()> next);
    void Recorder_Progress(int done, int total);

    // The list this window was opened on, and its words: kept here so a
    // drill opened meanwhile on another list cannot change what is saved.
    QString m_fileName;
    QByteArray m_stamp; // what the file held when this window read it
    QStringList m_words;
    qint16 WordCount = 1; // the number of the next word to enter
    NewWordsRecording* m_recording;
};

} // namespace kt
