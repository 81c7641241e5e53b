// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reward: one picture of the data directory, chosen at random, shown for
// five seconds.
#include "ui/Form.h"

#include <QStringList>

namespace kt {

class VisualRewards : public Form {
    Q_OBJECT
public:
    VisualRewards();


    // At most this many pictures take part in the draw.
    static constexpr int MaxPictures = 101;

protected:
    void Form_Load() override;

private:
    ImageBox* Image1;
    Label* Label1;
    Timer* Timer1;

    void Timer1_Timer();

    // Shrinks a picture larger than the window's picture area to fit it, and
    // centres it there.
    void placePicture();

    QStringList m_files; // the pictures taking part, in directory order
};

} // namespace kt
