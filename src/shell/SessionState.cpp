// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SessionState.h"

namespace kt {

std::array<qint16, 9> SessionState::currentScores() const
{
    return {NumbersScore, AddScore, SubScore, MulScore, DivScore,
            FractionScore, AlphabetScore, SpellingScore, TimeScore};
}

void SessionState::resetScores()
{
    NumbersScore = AddScore = SubScore = MulScore = DivScore = 0;
    FractionScore = AlphabetScore = SpellingScore = TimeScore = 0;
}

SessionState& session()
{
    static SessionState state;
    return state;
}

void resetSession()
{
    session() = SessionState{};
}

} // namespace kt
