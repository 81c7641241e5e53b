// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of the sentence builder: says what it is for, and chooses
// singular or plural nouns (and the verbs and first word that go with them)
// before "Start" opens the builder.
#include "ui/Form.h"

namespace kt {

class English : public Form {
    Q_OBJECT
public:
    English();

protected:
    void Form_Load() override;

private:
    Label* MainWindowText;
    CommandButton* SingularNounsCommand;
    CommandButton* Command1;
    QAction* ExitItem;
    QMenu* menNoun;
    QAction* menSingular;
    QAction* menPlural;

    void menSingular_Click();
    void menPlural_Click();
    void SingularNounsCommand_Click();
    void Command1_Click();
    void ExitItem_Click();

    // Sets the word files and first word, and hands them to an open builder.
    void chooseNumber(bool plural);
};

} // namespace kt
