// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"

namespace kt {

// A short essay for parents on learning at home; its only menu entry closes it.
class Essay : public Form {
    Q_OBJECT
public:
    Essay();

protected:
    void Form_Load() override;

private:
    void menuExit_Click();
};

} // namespace kt
