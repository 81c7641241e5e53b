// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/EarlyPraise.h"

#include "shell/SessionState.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"

#include <QStringList>

namespace kt {

QString earlyPraiseFile(double r)
{
    static const QStringList names{QStringLiteral("great.wav"),    QStringLiteral("good.wav"),
                                   QStringLiteral("yougotit.wav"), QStringLiteral("excell.wav"),
                                   QStringLiteral("fantasti.wav"), QStringLiteral("waytogo.wav"),
                                   QStringLiteral("super.wav"),    QStringLiteral("alright.wav")};
    const int n = qBound(1, int(toInt16(7 * r + 1)), 8);
    return names.at(n - 1);
}

QString earlyPraise(bool right) { return right ? earlyPraiseFile(rnd()) : QStringLiteral("tryagain.wav"); }

void playEarlyPraise(bool right)
{
    const QString file = earlyPraise(right);
    if (session().SoundOn == 1)
        playSound(file);
}

} // namespace kt
