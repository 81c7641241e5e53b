// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace kt {

namespace {

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Formats a finite, non-zero value from the digits std::to_chars gives in
// scientific notation ("-1.2345e+20"). to_chars is used rather than printf
// because printf follows the process locale (a comma as decimal point).
template <typename Real>
QString formatBasic(Real value, int significantDigits, int fixedExponentLimit)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
    if (value == 0)
        return QStringLiteral("0"); // also negative zero

    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   significantDigits - 1);
    if (res.ec != std::errc())
        return QStringLiteral("0"); // cannot happen with this buffer size
    const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));

    size_t pos = 0;
    const bool negative = text[pos] == '-';
    if (negative)
        ++pos;
    std::string digits;
    while (pos < text.size() && text[pos] != 'e') {
        if (text[pos] != '.')
            digits.push_back(text[pos]);
        ++pos;
    }
    int exponent = 0;
    if (pos < text.size()) {
        ++pos; // 'e'
        const char* first = text.data() + pos;
        if (*first == '+')
            ++first;
        std::from_chars(first, text.data() + text.size(), exponent);
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out.push_back('-');
    if (exponent > -5 && exponent < fixedExponentLimit) {
        if (exponent >= 0) {
            const size_t intLen = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intLen) {
                out += digits;
                out.append(intLen - digits.size(), '0');
            } else {
                out.append(digits, 0, intLen);
                out.push_back('.');
                out.append(digits, intLen, std::string::npos);
            }
        } else {
            out.push_back('.');
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += digits;
        }
    } else {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out.push_back('0');
        out += std::to_string(magnitude);
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString withBlank(QString text)
{
    if (!text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char(' '));
    return text;
}

QString twoDigits(int value) { return zeroPadded(value, 2); }

} // namespace

double val(QStringView text, bool* overflow)
{
    if (overflow)
        *overflow = false;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) -> char16_t { return k < n ? text[k].unicode() : u'\0'; };

    while (i < n && isBlank(at(i)))
        ++i;
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-') {
        negative = at(i) == u'-';
        ++i;
    }

    // Digits are copied into a plain ASCII buffer for std::from_chars, which is
    // exact, locale-independent and linear in the length of the text.
    std::string buffer;
    qsizetype intDigits = 0, leadingIntZeros = 0, fracDigits = 0, leadingFracZeros = 0;
    bool nonZeroSeen = false;
    while (isAsciiDigit(at(i))) {
        const char c = static_cast<char>(at(i));
        if (c == '0' && !nonZeroSeen)
            ++leadingIntZeros;
        else
            nonZeroSeen = true;
        buffer.push_back(c);
        ++intDigits;
        ++i;
    }
    if (buffer.empty())
        buffer.push_back('0');
    buffer.push_back('.');
    if (at(i) == u'.') {
        ++i;
        while (isAsciiDigit(at(i))) {
            const char c = static_cast<char>(at(i));
            if (c == '0' && !nonZeroSeen)
                ++leadingFracZeros;
            else
                nonZeroSeen = true;
            buffer.push_back(c);
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits == 0 && fracDigits == 0)
        return 0.0;
    if (!nonZeroSeen)
        return 0.0; // all zeros, whatever the exponent; no "-0"

    // Exponent; an E without digits after it is not part of the number.
    std::int64_t exponent = 0;
    if (at(i) == u'e' || at(i) == u'E') {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (at(j) == u'+' || at(j) == u'-') {
            expNegative = at(j) == u'-';
            ++j;
        }
        if (isAsciiDigit(at(j))) {
            constexpr std::int64_t cap = 1'000'000'000'000'000; // far beyond any double
            while (isAsciiDigit(at(j))) {
                if (exponent < cap)
                    exponent = exponent * 10 + (at(j) - u'0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
        }
    }
    buffer.push_back('e');
    buffer += std::to_string(exponent);

    double result = 0.0;
    const auto res = std::from_chars(buffer.data(), buffer.data() + buffer.size(), result,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Decimal exponent of the first significant digit tells overflow from underflow.
        const std::int64_t magnitude = intDigits > leadingIntZeros
                                           ? (intDigits - leadingIntZeros - 1) + exponent
                                           : -(leadingFracZeros + 1) + exponent;
        result = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
        if (overflow && magnitude > 0)
            *overflow = true;
    } else if (res.ec != std::errc()) {
        result = 0.0;
    }
    if (result == 0.0)
        return 0.0;
    return negative ? -result : result;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower; // exact: both share the same binade or value is whole
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

qint16 toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r >= 32767.0)
        return 32767;
    if (r <= -32768.0)
        return -32768;
    return static_cast<qint16>(r);
}

double intFloor(double value) { return std::floor(value); }

double fix(double value) { return std::trunc(value); }

qint16 addSaturating16(qint16 score, int points)
{
    const qint64 sum = static_cast<qint64>(score) + points;
    if (sum > 32767)
        return 32767;
    if (sum < -32768)
        return -32768;
    return static_cast<qint16>(sum);
}

QString plain(int value) { return QString::number(value); }
QString plain(double value) { return formatBasic(value, 15, 15); }
QString plainSingle(float value) { return formatBasic(value, 7, 7); }
QString spaced(int value) { return withBlank(plain(value)); }
QString spaced(double value) { return withBlank(plain(value)); }
QString spacedSingle(float value) { return withBlank(plainSingle(value)); }

QString zeroPadded(int value, int width)
{
    const qint64 wide = value;
    QString digits = QString::number(wide < 0 ? -wide : wide);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    if (wide < 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

QString mediumDate(QDate date)
{
    // Fixed English names: the records should read the same on every machine.
    static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (!date.isValid())
        return QString();
    const int year = date.year() < 0 ? -date.year() : date.year();
    return twoDigits(date.day()) + QLatin1Char('-') + QLatin1String(months[date.month() - 1])
           + QLatin1Char('-') + twoDigits(year % 100);
}

QString recordDate(QDate date)
{
    if (!date.isValid())
        return QString();
    return twoDigits(date.month()) + QLatin1Char('-') + twoDigits(date.day()) + QLatin1Char('-')
           + zeroPadded(date.year(), 4);
}

QString recordTime(QTime time)
{
    if (!time.isValid())
        return QString();
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':')
           + twoDigits(time.second());
}

QDate parseRecordDate(QStringView text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && isBlank(text[first].unicode()))
        ++first;
    while (last > first && isBlank(text[last - 1].unicode()))
        --last;
    const QStringView s = text.mid(first, last - first);
    if (s.size() != 10 || s[2] != u'-' || s[5] != u'-')
        return QDate();
    int parts[3] = {0, 0, 0};
    const qsizetype starts[3] = {0, 3, 6};
    const qsizetype lengths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p) {
        for (qsizetype k = 0; k < lengths[p]; ++k) {
            const char16_t c = s[starts[p] + k].unicode();
            if (!isAsciiDigit(c))
                return QDate();
            parts[p] = parts[p] * 10 + (c - u'0');
        }
    }
    const QDate date(parts[2], parts[0], parts[1]);
    return date.isValid() ? date : QDate();
}

} // namespace kt
