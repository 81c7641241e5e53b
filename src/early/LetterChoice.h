// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alphabet question without its window: a capital, its small letter on
// one of three buttons, and two other small letters on the remaining buttons.
#include <QChar>
#include <QString>
#include <array>
#include <functional>

namespace kt {

struct LetterChoice {
    QChar capital;                 // "A" for letter number 1
    int rightPlace = 1;            // 1..3: the button with the small letter of the capital
    std::array<QChar, 3> letters;  // buttons 1..3, left to right
};

// A random small letter from r in [0, 1): the character with code
// CLng(25 r + 97), so "a" and "z" come half as often as the others.
QChar randomSmallLetter(double r);

// The question for letter number 1..26 (out-of-range numbers count from A
// again), drawing from `next`: first the right place Int(3 r) + 1, then the
// other two buttons in the order the right place gives them (right at 1:
// buttons 2, 3; at 2: 3, 1; at 3: 1, 2). Each is drawn again while it equals
// the right letter, the second also while it equals the first, so the three
// buttons always show three different letters.
LetterChoice chooseLetters(int letterNumber, const std::function<double()>& next);

// The letter number after `letterNumber`: 26 is followed by 1.
int nextLetterNumber(int letterNumber);

// The recording that says a letter: "A.WAV" for A, "b.WAV" for b.
QString letterRecording(const QString& letter);

} // namespace kt
