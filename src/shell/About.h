// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product name with a small two-picture animation and an OK button.
#include "ui/Form.h"

namespace kt {

class About : public Form {
    Q_OBJECT
public:
    About();

protected:
    void Form_Load() override;

private:
    Label* Label1;
    // The program's version, under the title.
    Label* lblVersion;
    ImageBox* Image1;
    ImageBox* Image2;
    LineControl* Line1;
    CommandButton* Command1;
    Timer* Timer1;

    void Timer1_Timer();
    void Command1_Click();
};

} // namespace kt
