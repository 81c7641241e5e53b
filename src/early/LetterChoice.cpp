// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/LetterChoice.h"

#include "ui/Numbers.h"

namespace kt {

QChar randomSmallLetter(double r) { return QChar(ushort(roundHalfEven(25 * r + 97))); }

LetterChoice chooseLetters(int letterNumber, const std::function<double()>& next)
{
    const int n = (letterNumber >= 1 && letterNumber <= 26) ? letterNumber : 1;
    LetterChoice choice;
    choice.capital = QChar(ushort(64 + n));
    const QChar right(ushort(96 + n));
    choice.rightPlace = qBound(1, int(intFloor(3 * next())) + 1, 3);

    // The two other places, in the order each right place fills them.
    static const int others[4][2] = {{0, 0}, {2, 3}, {3, 1}, {1, 2}};
    const int firstPlace = others[choice.rightPlace][0];
    const int secondPlace = others[choice.rightPlace][1];

    QChar first;
    do
        first = randomSmallLetter(next());
    while (first == right);
    QChar second;
    do
        second = randomSmallLetter(next());
    while (second == right || second == first);

    choice.letters[choice.rightPlace - 1] = right;
    choice.letters[firstPlace - 1] = first;
    choice.letters[secondPlace - 1] = second;
    return choice;
}

int nextLetterNumber(int letterNumber) { return letterNumber >= 26 || letterNumber < 1 ? 1 : letterNumber + 1; }

QString letterRecording(const QString& letter) { return letter + QStringLiteral(".WAV"); }

} // namespace kt
