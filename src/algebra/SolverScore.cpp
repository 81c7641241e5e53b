// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra/SolverScore.h"

#include "shell/SessionState.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"

namespace kt {

void SolverScore::showScore()
{
    LabelScore->setVisible(HideScore == 0);
    if (HideScore == 0)
        LabelScore->setText(QStringLiteral("Score =") + spaced(int(session().SolverScore)));
}

void SolverScore::countSolution()
{
    if (!m_inputsChanged)
        return;
    session().SolverScore = addSaturating16(session().SolverScore, 1);
    if (HideScore == 0)
        showScore();
    m_inputsChanged = false;
}

} // namespace kt
