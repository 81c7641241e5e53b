// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Speech.h"

#include "shell/SessionState.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Sound.h"

#include <QStringList>
#include <algorithm>

namespace kt {
namespace {

QString withoutLeadingSpaces(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

QString withoutTrailingSpaces(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

qsizetype leadingDigits(const QString& s)
{
    qsizetype n = 0;
    while (n < s.size() && isDigit(s.at(n)))
        ++n;
    return n;
}

// `s` has no leading spaces and no minus sign of its own.
void sayUnsigned(const QString& s)
{
    if (s.contains(QLatin1Char('.'))) {
        for (const QChar c : s)
            playSound(c == QLatin1Char('.') ? QStringLiteral("point.wav") : QString(c) + QStringLiteral(".wav"));
        return;
    }
    // The recordings stop at 999: a longer number is read digit by digit
    // rather than asking for names such as "1000.WAV" that do not exist.
    const qsizetype digits = leadingDigits(s);
    if (digits >= 4) {
        for (qsizetype i = 0; i < digits; ++i)
            playSound(QString(s.at(i)) + QStringLiteral(".WAV"));
        return;
    }
    const qint16 v = toInt16(val(s));
    if (v < 20)
        SaySmall(s);
    else if (v >= 100)
        SayHundreds(s);
    else
        SayTens(s);
}

} // namespace

QString PickPraise(int rightFlag)
{
    static const char* const praise[] = {
        "great.wav", "good.wav",    "yougotit.wav", "excell.wav", "fantasti.wav",
        "waytogo.wav", "super.wav", "alright.wav",  "alright2.wav", "clap.wav",
        "excell2.wav", "good2.wav", "great2.wav",   "super2.wav",
    };
    if (rightFlag != 1)
        return QStringLiteral("tryagn2.wav");
    const double r = rnd();
    // Rounding half to even makes the first and last praise half as likely.
    const int n = std::clamp<int>(toInt16(r * 13 + 1), 1, 14);
    return QString::fromLatin1(praise[n - 1]);
}

QString earlyPraiseFile(double r)
{
    static const char* const praise[] = {"great.wav",    "good.wav",    "yougotit.wav", "excell.wav",
                                         "fantasti.wav", "waytogo.wav", "super.wav",    "alright.wav"};
    const int n = std::clamp<int>(toInt16(7 * r + 1), 1, 8);
    return QString::fromLatin1(praise[n - 1]);
}

QString pickPraise(bool right, PraiseSet set)
{
    if (set == PraiseSet::Drills)
        return PickPraise(right ? 1 : 0);
    return right ? earlyPraiseFile(rnd()) : QStringLiteral("tryagain.wav");
}

void playPraise(bool right, PraiseSet set)
{
    const QString recording = pickPraise(right, set);
    if (soundOn())
        playSound(recording);
}

void SayNumber(const QString& text)
{
    if (!soundOn())
        return;
    const QString s = withoutLeadingSpaces(text);
    // A negative number: "minus", then the number itself.
    if (s.size() >= 2 && s.at(0) == QLatin1Char('-') && (isDigit(s.at(1)) || s.at(1) == QLatin1Char('.'))) {
        playSound(QStringLiteral("minus.WAV"));
        sayUnsigned(s.mid(1));
        return;
    }
    sayUnsigned(s);
}

void SaySmall(const QString& text)
{
    QString s = text;
    if (s.startsWith(QLatin1Char('0')))
        s = s.right(1); // "05" -> "5", "0" stays "0"
    // A word is played as written: "plus" -> "plus.WAV"; "" -> ".WAV", which
    // is missing and so sounds the default sound.
    playSound(s + QStringLiteral(".WAV"));
}

void SayTens(const QString& text)
{
    const QString first = text.left(1);
    if (val(first) > 0)
        playSound(first + QStringLiteral("0.WAV"));
    const QString last = withoutTrailingSpaces(text).right(1);
    if (val(last) > 0)
        SaySmall(last);
}

void SayHundreds(const QString& text)
{
    playSound(text.left(1) + QStringLiteral("00.WAV"));
    const QString rest = withoutTrailingSpaces(text).right(2);
    const double v = val(rest);
    if (v != 0) {
        if (v >= 20)
            SayTens(rest);
        else
            SaySmall(rest);
    }
}

} // namespace kt
