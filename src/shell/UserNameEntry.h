// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks for the child's name. Closing the window (OK, Enter or the close box)
// makes the typed name current; a change of name first saves the scores of
// the previous name and starts the new one at zero.
#include "ui/Form.h"

namespace kt {

class UserNameEntry : public Form {
    Q_OBJECT
public:
    UserNameEntry();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    TextBox* TextName;
    CommandButton* Command1;

    void Command1_Click();
    void TextName_KeyPress(int& ascii);
};

} // namespace kt
