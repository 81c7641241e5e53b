// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SolutionScore.h"

#include "ui/Controls.h"
#include "ui/Numbers.h"

namespace kt {

void SolutionScore::showScore()
{
    LabelScore->setVisible(HideScore == 0);
    if (HideScore == 0)
        LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().*m_counter)));
}

void SolutionScore::countSolution()
{
    if (!m_inputsChanged)
        return;
    session().*m_counter = addSaturating16(session().*m_counter, 1);
    if (HideScore == 0)
        showScore();
    m_inputsChanged = false;
}

} // namespace kt
