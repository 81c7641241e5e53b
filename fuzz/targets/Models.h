// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain, slow reference readers the fuzz targets hold the program's readers
// to. Written from the documented rules, not from the program's code: lines
// are split first, then each line is cut into fields; a number is the
// longest prefix a regular expression would match, read by strtod.
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace model {

inline bool blank(char c) { return c == ' ' || c == '\t'; }

// Lines split at CR LF, LF or CR; every line's fields; blank lines left out.
inline QList<QStringList> fields(const QByteArray& data)
{
    QList<QByteArray> lines;
    QByteArray current;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c == '\r' || c == '\n') {
            lines << current;
            current.clear();
            if (c == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    lines << current;

    QList<QStringList> result;
    for (const QByteArray& line : lines) {
        QStringList row;
        qsizetype i = 0;
        const qsizetype n = line.size();
        while (i < n && blank(line.at(i)))
            ++i;
        while (i < n) {
            qsizetype comma;
            if (line.at(i) == '"') {
                const qsizetype close = line.indexOf('"', i + 1);
                if (close < 0) {
                    row << QString::fromUtf8(line.mid(i + 1));
                    break;
                }
                row << QString::fromUtf8(line.mid(i + 1, close - i - 1));
                comma = line.indexOf(',', close + 1);
            } else {
                comma = line.indexOf(',', i);
                QByteArray text = line.mid(i, comma < 0 ? -1 : comma - i);
                while (!text.isEmpty() && blank(text.back()))
                    text.chop(1);
                row << QString::fromUtf8(text);
            }
            if (comma < 0)
                break;
            i = comma + 1;
            while (i < n && blank(line.at(i)))
                ++i;
        }
        if (!row.isEmpty())
            result << row;
    }
    return result;
}

struct Number {
    double value = 0;
    bool overflow = false;
    bool tiny = false; // below the normal range: 0 or the exact tiny value will do
};

// Val: blanks, sign, digits, at most one point, an exponent only when digits
// follow its E; no digits at all reads 0; too large gives the largest double.
inline Number val(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto is = [&](qsizetype k, const char* set) {
        const char16_t c = k < n ? text.at(k).unicode() : 0;
        return c != 0 && c < 128 && std::strchr(set, char(c)) != nullptr;
    };
    auto digit = [&](qsizetype k) { return k < n && text.at(k) >= u'0' && text.at(k) <= u'9'; };
    while (is(i, " \t"))
        ++i;
    std::string prefix;
    if (is(i, "+-"))
        prefix += char(text.at(i++).unicode());
    int digits = 0;
    while (digit(i))
        prefix += char(text.at(i++).unicode()), ++digits;
    if (is(i, ".")) {
        prefix += '.';
        ++i;
        while (digit(i))
            prefix += char(text.at(i++).unicode()), ++digits;
    }
    if (digits == 0)
        return {};
    if (is(i, "eE")) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (is(j, "+-"))
            exponent += char(text.at(j++).unicode());
        if (digit(j)) {
            while (digit(j))
                exponent += char(text.at(j++).unicode());
            prefix += exponent;
        }
    }
    Number number;
    number.value = std::strtod(prefix.c_str(), nullptr);
    if (std::isinf(number.value)) {
        number.overflow = true;
        number.value = std::copysign(DBL_MAX, number.value);
    }
    number.tiny = number.value != 0 && std::fabs(number.value) < DBL_MIN;
    if (number.value == 0)
        number.value = 0; // no "-0"
    return number;
}

// Whether the program's value is the one the model reads.
inline bool sameNumber(const Number& expected, double actual)
{
    if (expected.tiny)
        return actual == 0 || actual == expected.value;
    return actual == expected.value;
}

// CInt: halves to even (the default rounding mode), then 16 bits.
inline qint16 int16(double value)
{
    const double whole = std::nearbyint(value);
    return qint16(whole < -32768 ? -32768 : whole > 32767 ? 32767 : whole);
}

// "MM-DD-YYYY" with blanks around it, a day that exists.
inline bool isRecordDate(const QString& field)
{
    QString s = field;
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s.remove(0, 1);
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
        s.chop(1);
    if (s.size() != 10)
        return false;
    for (int k = 0; k < 10; ++k) {
        const bool dash = k == 2 || k == 5;
        if (dash ? s.at(k) != u'-' : !(s.at(k) >= u'0' && s.at(k) <= u'9'))
            return false;
    }
    return QDate(s.mid(6, 4).toInt(), s.mid(0, 2).toInt(), s.mid(3, 2).toInt()).isValid();
}

} // namespace model
