// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Spell File Select": picks a homework list to practise, add words to,
// correct, or delete.
#include "shell/SessionState.h"
#include "ui/Form.h"

namespace kt {

class DriveListBox;
class DirListBox;
class FileListBox;

class WordFilePicker : public Form {
    Q_OBJECT
public:
    WordFilePicker();

protected:
    void Form_Load() override;

private:
    Label* LabelInstructions;
    DriveListBox* Drive1;
    DirListBox* Dir1;
    FileListBox* File1;
    CommandButton *CommandOK, *CommandCancel;

    void Drive1_Change();
    void Dir1_Change();
    void CommandOK_Click();
    // Double-click or Enter on a file: OK without asking for a choice.
    void File1_Pick();

    // Goes on with the chosen file, as the action this window serves says.
    void useFile(const QString& fileName);

    WordListAction m_action = WordListAction::Create; // the action this window was opened for
};

} // namespace kt
