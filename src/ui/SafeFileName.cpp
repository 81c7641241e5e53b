// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SafeFileName.h"

namespace kt {

namespace {
bool isUnsafeChar(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return !c.isPrint() || forbidden.contains(c);
}
} // namespace

QString safeFileStem(const QString& typed)
{
    const QString name = typed.section(QLatin1Char('.'), 0, 0);
    QString safe;
    for (const QChar c : name)
        if (!isUnsafeChar(c))
            safe += c;
    return safe.trimmed();
}

bool isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (isUnsafeChar(c))
            return false;
    return true;
}

QString leftWhole(const QString& text, qsizetype units)
{
    if (text.size() > units && units > 0 && text.at(units - 1).isHighSurrogate())
        --units;
    return text.left(units);
}

} // namespace kt
