// SPDX-License-Identifier: GPL-3.0-or-later
// Number and date helpers modelled on the classic BASIC runtime, and typed
// numbers. The Enter walk and refused entries are checked on the real windows
// (tst_algebra, tst_fractions).
#include "ui/Numbers.h"
#include "ui/TypedNumber.h"

#include <QLocale>
#include <QTest>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>

using namespace kt;

namespace {
const double Big = std::numeric_limits<double>::max();
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    // A German desktop must still get "." as the decimal point and English
    // months: every check here runs under one.
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8"); // may not exist here; harmless then
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        // No number (an Arabic digit is none), a second sign, and numbers too small read as 0, never -0.
        for (const char* zero : {"abc", "", "-", ".", "--5", "inf", "\u0663", "0e999999", "-0", "1e-400"})
            QTest::addRow("\"%s\"", zero) << QString::fromUtf8(zero) << 0.0;
        QTest::newRow("two points") << "3.5.2" << 3.5;
        QTest::newRow("blank then digits then letters") << " 12abc" << 12.0;
        QTest::newRow("tab and negative") << "\t-2.5x" << -2.5;
        QTest::newRow("upper exponent with sign") << "1E+2" << 100.0;
        QTest::newRow("E without digits") << "1e" << 1.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("negative leading point") << "-.25" << -0.25;
        QTest::newRow("overflow") << "1e400" << Big;
        QTest::newRow("overflow long exponent") << "9e99999999999999999999999" << Big;
        QTest::newRow("million digits") << QString(1'000'000, QLatin1Char('9')) << Big;
        QTest::newRow("million blanks") << QString(1'000'000, QLatin1Char(' ')) + "42" << 42.0;
        QTest::newRow("million fraction digits") << "2." + QString(1'000'000, QLatin1Char('5'))
                                                 << 2.5555555555555555;
        QTest::newRow("million leading zeros")
            << "0." + QString(1'000'000, QLatin1Char('0')) + "1e1000000" << 0.1;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const double actual = kt::val(text);
        QCOMPARE(actual, expected); // never inf
        QVERIFY(expected < 0 || !std::signbit(actual)); // never -0
    }

    // CInt: round half to even, then clamp to 16 bits.
    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::addColumn<int>("int16");
        QTest::newRow("2.5") << 2.5 << 2.0 << 2;
        QTest::newRow("3.5") << 3.5 << 4.0 << 4;
        QTest::newRow("-2.5") << -2.5 << -2.0 << -2;
        QTest::newRow("above half") << 2.5000001 << 3.0 << 3;
        QTest::newRow("largest below half") << 0.49999999999999994 << 0.0 << 0;
        QTest::newRow("half above max") << 32767.5 << 32768.0 << 32767;
        QTest::newRow("half below min") << -32768.5 << -32768.0 << -32768;
        QTest::newRow("below min") << -40000.0 << -40000.0 << -32768;
        QTest::newRow("nan") << NaN << NaN << 0;
        QTest::newRow("inf") << Inf << Inf << 32767;
        QTest::newRow("-inf") << -Inf << -Inf << -32768;
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QFETCH(int, int16);
        QCOMPARE(kt::roundHalfEven(value), rounded);
        QCOMPARE(int(kt::toInt16(value)), int16);
    }

    void wholeNumbers()
    {
        QCOMPARE((QList<double>{intFloor(-2.5), fix(-2.5), intFloor(-0.1), fix(9.99)}), (QList<double>{-3, -2, -1, 9}));
        const auto add = [](int score, int points) { return int(addSaturating16(qint16(score), points)); };
        QCOMPARE((QList<int>{add(5, 2), add(32760, 10), add(-32760, -10), add(0, INT_MAX), add(0, INT_MIN)}),
                 (QList<int>{7, 32767, -32768, 32767, -32768}));
        QCOMPARE((QStringList{plain(5), spaced(5), spaced(-3), spaced(INT_MIN)}),
                 (QStringList{"5", " 5", "-3", "-2147483648"}));
        QCOMPARE((QStringList{zeroPadded(2, 4), zeroPadded(-5, 4), zeroPadded(12345, 4), zeroPadded(INT_MIN, 4),
                              zeroPadded(7, -3)}),
                 (QStringList{"0002", "-0005", "12345", "-2147483648", "7"}));
    }

    // Str of doubles (15 digits) and singles (7 digits).
    void text_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("plainText");
        const auto row = [](const char* name, double value, const char* text, bool single = false) {
            QTest::newRow(name) << value << single << QString::fromLatin1(text);
        };
        row("negative zero", -0.0, "0");
        row("negative quarter", -0.25, "-.25");
        row("sum of tenths", 0.1 + 0.2, ".3");
        row("two thirds", 2.0 / 3.0, ".666666666666667");
        row("-1.5E+20", -1.5e20, "-1.5E+20");
        row("0.0001 fixed", 0.0001, ".0001");
        row("0.00001 exponent", 0.00001, "1E-05");
        row("15 digits fixed", 123456789012345.0, "123456789012345");
        row("1E+15", 1e15, "1E+15");
        row("16 digits rounded", 1234567890123456.0, "1.23456789012346E+15");
        row("rounds up to 1E+15", 999999999999999.5, "1E+15");
        row("largest", Big, "1.79769313486232E+308");
        row("denormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324");
        row("inf", Inf, "1.#INF");
        row("nan", NaN, "NaN");
        row("single tenth", 0.1f, ".1", true);
        row("single third", 1.0f / 3.0f, ".3333333", true);
        row("single 1E+07", 1e7f, "1E+07", true);
        row("single 7 digits fixed", 1234567.0f, "1234567", true);
        row("single 8 digits rounded", 12345678.0f, "1.234568E+07", true);
        row("single nan", NaN, "NaN", true);
    }
    void text()
    {
        QFETCH(double, value);
        QFETCH(bool, single);
        QFETCH(QString, plainText);
        QCOMPARE(single ? kt::plainSingle(float(value)) : kt::plain(value), plainText);
        // Str puts a blank before a non-negative number.
        const QString spacedText = plainText.startsWith(u'-') ? plainText : u' ' + plainText;
        QCOMPARE(single ? kt::spacedSingle(float(value)) : kt::spaced(value), spacedText);
    }

    void datesAndTimes()
    {
        const QDate dec5(2026, 12, 5), feb30(2026, 2, 30);
        QCOMPARE((QStringList{mediumDate(dec5), recordDate(dec5), mediumDate(QDate(2000, 1, 31)),
                              recordDate(QDate(999, 1, 1)), mediumDate(feb30), recordDate(feb30),
                              recordTime(QTime(16, 20, 5)), recordTime(QTime())}),
                 (QStringList{"05-Dec-26", "12-05-2026", "31-Jan-00", "01-01-0999", "", "", "16:20:05", ""}));
    }

    void parseRecordDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("record date") << "12-05-2026" << QDate(2026, 12, 5);
        QTest::newRow("surrounding blanks") << " 12-05-2026\t" << QDate(2026, 12, 5);
        // Month 13, 30 February, another order, a one-digit month, a trailing letter, a sign, an Arabic digit.
        for (const char* bad : {"13-05-2026", "02-30-2026", "2026-12-05", "", "1-05-2026", "12-05-2026x", "+2-05-2026",
                                "1\u0663-05-2026"})
            QTest::addRow("\"%s\"", bad) << QString::fromUtf8(bad) << QDate();
    }
    void parseRecordDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(kt::parseRecordDate(text), expected);
    }

    void typedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("value"); // NaN: refused
        const int i16 = int(NumberType::Integer16), single = int(NumberType::Single),
                  dbl = int(NumberType::Double), whole = -1; // whole: readTypedWhole
        QTest::newRow("empty") << "" << dbl << NaN;
        QTest::newRow("letters read 0 without a typed 0") << "abc" << dbl << NaN;
        QTest::newRow("typed zero") << "0" << dbl << 0.0;
        QTest::newRow("typed zero point") << "0.0" << i16 << 0.0;
        QTest::newRow("minus sign alone") << "-" << dbl << NaN;
        QTest::newRow("number then letters") << "3x" << dbl << 3.0;
        QTest::newRow("leading blanks") << "  -2.5" << dbl << -2.5;
        QTest::newRow("16-bit top") << "32767" << i16 << 32767.0;
        QTest::newRow("16-bit too big") << "40000" << i16 << NaN;
        QTest::newRow("16-bit bottom") << "-32768" << i16 << -32768.0;
        QTest::newRow("16-bit rounds half to even") << "2.5" << i16 << 2.0;
        QTest::newRow("single fits") << "1e38" << single << 1e38;
        QTest::newRow("single overflows") << "1e39" << single << NaN;
        QTest::newRow("double takes 1e39") << "1e39" << dbl << 1e39;
        QTest::newRow("double overflows") << "1e999" << dbl << NaN;
        QTest::newRow("tiny reads as zero with a 0 typed") << "1e-999" << dbl << NaN;
        QTest::newRow("tiny with a zero") << "0.0e-999" << dbl << 0.0;
        QTest::newRow("whole typed with a point") << "3.0" << whole << 3.0;
        QTest::newRow("whole refuses a fraction") << "3.5" << whole << NaN;
        QTest::newRow("whole refuses 32768") << "32768" << whole << NaN;
        QTest::newRow("whole bottom") << "-32768x" << whole << -32768.0;
        QTest::newRow("whole needs a number") << "x" << whole << NaN;
    }
    void typedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(double, value);
        const std::optional<double> read = type < 0 ? std::optional<double>(readTypedWhole(text))
                                                   : readTypedNumber(text, NumberType(type));
        QCOMPARE(read.value_or(NaN), value);
    }

    void resultsMustFitTheirType()
    {
        QCOMPARE((QList<bool>{fitsNumberType(1e300, NumberType::Double), fitsNumberType(Inf, NumberType::Double),
                              fitsNumberType(NaN, NumberType::Double), fitsNumberType(3.5e38, NumberType::Single),
                              fitsNumberType(32767.5, NumberType::Integer16)}), // rounds to 32768
                 (QList<bool>{true, false, false, false, false}));
    }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
