// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Homework File Name": names a new homework list and asks before an
// existing list of that name is replaced.
#include "shell/SessionState.h"
#include "ui/Form.h"

namespace kt {

class HomeworkFileName : public Form {
    Q_OBJECT
public:
    HomeworkFileName();

protected:
    void Form_Load() override;

private:
    Label* LabelInstructions;
    TextBox* TextFileName;
    OptionButton *Option1, *Option2;
    CommandButton *CommandOK, *CommandCancel;

    void CommandOK_Click();
    void TextFileName_KeyPress(int& ascii);
    void Option1_DblClick();
    void Option2_DblClick();

    // Goes on to typing the words of the list at `path`.
    void enterWords(const QString& path);

    WordListAction m_action = WordListAction::Create;   // the action this window was opened for
    QString m_askedPath;   // the existing list the replace question is about
};

} // namespace kt
