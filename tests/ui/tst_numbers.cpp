// Number and date helpers modelled on the classic BASIC runtime.
#include "ui/Numbers.h"

#include <QLocale>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <climits>
#include <cmath>
#include <limits>

using namespace kt;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void valHugeInputs();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInt16_data();
    void toInt16();
    void intFloorAndFix_data();
    void intFloorAndFix();
    void addSaturating16_data();
    void addSaturating16();
    void textOfInt_data();
    void textOfInt();
    void textOfDouble_data();
    void textOfDouble();
    void textOfSingle_data();
    void textOfSingle();
    void textIgnoresLocale();
    void zeroPadded_data();
    void zeroPadded();
    void dates_data();
    void dates();
    void recordTime_data();
    void recordTime();
    void parseRecordDate_data();
    void parseRecordDate();
    void recordDateRoundTrip();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const double big = std::numeric_limits<double>::max();
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << " \t " << 0.0;
    QTest::newRow("minus only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("minus point") << "-." << 0.0;
    QTest::newRow("two points") << "3.5.2" << 3.5;
    QTest::newRow("blank then digits then letters") << " 12abc" << 12.0;
    QTest::newRow("tab and negative") << "\t-2.5x" << -2.5;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("upper exponent with sign") << "1E+2" << 100.0;
    QTest::newRow("negative exponent") << "1e-2" << 0.01;
    QTest::newRow("E without digits") << "1e" << 1.0;
    QTest::newRow("E and sign without digits") << "2E-" << 2.0;
    QTest::newRow("E and plus without digits") << "1e+x" << 1.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("hex prefix not supported") << "&H10" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("negative leading point") << "-.25" << -0.25;
    QTest::newRow("inner blank ends number") << "1 2" << 1.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("blank after sign") << "- 5" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("fractional exponent") << "1.5e2.5" << 150.0;
    QTest::newRow("exponent then letters") << "12e3xyz" << 12000.0;
    QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
    QTest::newRow("negative zero") << "-0" << 0.0;
    QTest::newRow("small with exponent") << "00000.000001e6" << 1.0;
    QTest::newRow("overflow") << "1e400" << big;
    QTest::newRow("negative overflow") << "-1e400" << -big;
    QTest::newRow("overflow long exponent") << "9e99999999999999999999999" << big;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("leading zeros overflow") << "000.00012e310" << 1.2e306;
    QTest::newRow("digits overflow") << "1" + QString(400, QLatin1Char('0')) << big;
    QTest::newRow("largest double") << "1.7976931348623157e308" << big;
    QTest::newRow("arabic digit is not a digit") << QString::fromUtf8("\u0663") << 0.0;
    QTest::newRow("fullwidth digit is not a digit") << QString::fromUtf8("\uff11") << 0.0;
    QTest::newRow("infinity word") << "inf" << 0.0;
    QTest::newRow("nan word") << "nan" << 0.0;
}

void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = kt::val(text);
    QVERIFY(std::isfinite(actual));
    QCOMPARE(actual, expected);
    if (expected == 0.0)
        QVERIFY(!std::signbit(actual));
}

void TestNumbers::valHugeInputs()
{
    const QString nines(1'000'000, QLatin1Char('9'));
    QCOMPARE(kt::val(nines), std::numeric_limits<double>::max());

    const QString tiny = QStringLiteral("0.") + QString(1'000'000, QLatin1Char('0'))
                         + QStringLiteral("1e1000000");
    QCOMPARE(kt::val(tiny), 0.1);

    const QString blanks = QString(1'000'000, QLatin1Char(' ')) + QStringLiteral("42");
    QCOMPARE(kt::val(blanks), 42.0);

    const QString longFraction = QStringLiteral("2.") + QString(1'000'000, QLatin1Char('5'));
    QCOMPARE(kt::val(longFraction), 2.5555555555555555);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << 2.5000001 << 3.0;
    QTest::newRow("-0.4") << -0.4 << 0.0;
    QTest::newRow("-0.6") << -0.6 << -1.0;
    QTest::newRow("whole") << 7.0 << 7.0;
    QTest::newRow("huge") << 1e20 << 1e20;
    QTest::newRow("largest below half") << 0.49999999999999994 << 0.0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(kt::roundHalfEven(value), expected);
}

void TestNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("just below max") << 32767.4 << 32767;
    QTest::newRow("half above max") << 32767.5 << 32767;
    QTest::newRow("above max") << 40000.0 << 32767;
    QTest::newRow("below min") << -40000.0 << -32768;
    QTest::newRow("half below min") << -32768.5 << -32768;
    QTest::newRow("min") << -32768.0 << -32768;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << 32767;
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << -32768;
    QTest::newRow("huge") << 1e300 << 32767;
}

void TestNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(kt::toInt16(value)), expected);
}

void TestNumbers::intFloorAndFix_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("floored");
    QTest::addColumn<double>("truncated");
    QTest::newRow("2.5") << 2.5 << 2.0 << 2.0;
    QTest::newRow("-2.5") << -2.5 << -3.0 << -2.0;
    QTest::newRow("-0.1") << -0.1 << -1.0 << 0.0;
    QTest::newRow("3") << 3.0 << 3.0 << 3.0;
    QTest::newRow("-7") << -7.0 << -7.0 << -7.0;
    QTest::newRow("9.99") << 9.99 << 9.0 << 9.0;
}

void TestNumbers::intFloorAndFix()
{
    QFETCH(double, value);
    QFETCH(double, floored);
    QFETCH(double, truncated);
    QCOMPARE(kt::intFloor(value), floored);
    QCOMPARE(kt::fix(value), truncated);
}

void TestNumbers::addSaturating16_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << 5 << 2 << 7;
    QTest::newRow("negative points") << 5 << -7 << -2;
    QTest::newRow("stops at max") << 32760 << 10 << 32767;
    QTest::newRow("stops at min") << -32760 << -10 << -32768;
    QTest::newRow("int max points") << 0 << INT_MAX << 32767;
    QTest::newRow("int min points") << 0 << INT_MIN << -32768;
    QTest::newRow("max plus zero") << 32767 << 0 << 32767;
}

void TestNumbers::addSaturating16()
{
    QFETCH(int, score);
    QFETCH(int, points);
    QFETCH(int, expected);
    QCOMPARE(int(kt::addSaturating16(qint16(score), points)), expected);
}

void TestNumbers::textOfInt_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("spacedText");
    QTest::newRow("5") << 5 << "5" << " 5";
    QTest::newRow("0") << 0 << "0" << " 0";
    QTest::newRow("-3") << -3 << "-3" << "-3";
    QTest::newRow("int min") << INT_MIN << "-2147483648" << "-2147483648";
}

void TestNumbers::textOfInt()
{
    QFETCH(int, value);
    QFETCH(QString, plainText);
    QFETCH(QString, spacedText);
    QCOMPARE(kt::plain(value), plainText);
    QCOMPARE(kt::spaced(value), spacedText);
}

void TestNumbers::textOfDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("spacedText");

    QTest::newRow("zero") << 0.0 << "0" << " 0";
    QTest::newRow("negative zero") << -0.0 << "0" << " 0";
    QTest::newRow("whole") << 3.0 << "3" << " 3";
    QTest::newRow("hundred") << 100.0 << "100" << " 100";
    QTest::newRow("negative whole") << -7.0 << "-7" << "-7";
    QTest::newRow("half") << 0.5 << ".5" << " .5";
    QTest::newRow("negative quarter") << -0.25 << "-.25" << "-.25";
    QTest::newRow("12.5") << 12.5 << "12.5" << " 12.5";
    QTest::newRow("tenth") << 0.1 << ".1" << " .1";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << ".3" << " .3";
    QTest::newRow("third") << 1.0 / 3.0 << ".333333333333333" << " .333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << ".666666666666667" << " .666666666666667";
    QTest::newRow("negative third") << -1.0 / 3.0 << "-.333333333333333" << "-.333333333333333";
    QTest::newRow("1E+20") << 1e20 << "1E+20" << " 1E+20";
    QTest::newRow("1.5E+20") << 1.5e20 << "1.5E+20" << " 1.5E+20";
    QTest::newRow("-1.5E+20") << -1.5e20 << "-1.5E+20" << "-1.5E+20";
    QTest::newRow("1E-20") << 1e-20 << "1E-20" << " 1E-20";
    QTest::newRow("0.001 fixed") << 0.001 << ".001" << " .001";
    QTest::newRow("0.0001 fixed") << 0.0001 << ".0001" << " .0001";
    QTest::newRow("0.00012 fixed") << 0.00012 << ".00012" << " .00012";
    QTest::newRow("0.00001 exponent") << 0.00001 << "1E-05" << " 1E-05";
    QTest::newRow("1.25E-05") << 1.25e-5 << "1.25E-05" << " 1.25E-05";
    QTest::newRow("1E+14 fixed") << 1e14 << "100000000000000" << " 100000000000000";
    QTest::newRow("15 digits fixed") << 123456789012345.0 << "123456789012345"
                                     << " 123456789012345";
    QTest::newRow("1E+15") << 1e15 << "1E+15" << " 1E+15";
    QTest::newRow("16 digits rounded") << 1234567890123456.0 << "1.23456789012346E+15"
                                       << " 1.23456789012346E+15";
    QTest::newRow("rounds up to 1E+15") << 999999999999999.5 << "1E+15" << " 1E+15";
    QTest::newRow("many fraction digits") << 1234.56789012345678 << "1234.56789012346"
                                          << " 1234.56789012346";
    QTest::newRow("1E+100") << 1e100 << "1E+100" << " 1E+100";
    QTest::newRow("1.5E-300") << 1.5e-300 << "1.5E-300" << " 1.5E-300";
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486232E+308"
                             << " 1.79769313486232E+308";
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min()
                                       << "4.94065645841247E-324" << " 4.94065645841247E-324";
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << "1.#INF" << " 1.#INF";
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << "-1.#INF" << "-1.#INF";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "NaN" << " NaN";
}

void TestNumbers::textOfDouble()
{
    QFETCH(double, value);
    QFETCH(QString, plainText);
    QFETCH(QString, spacedText);
    QCOMPARE(kt::plain(value), plainText);
    QCOMPARE(kt::spaced(value), spacedText);
    // What is printed reads back as the same 15-digit value.
    if (std::isfinite(value) && value != 0.0)
        QCOMPARE(kt::val(plainText), kt::val(QString::number(value, 'g', 15)));
}

void TestNumbers::textOfSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("spacedText");
    QTest::newRow("tenth") << 0.1f << ".1" << " .1";
    QTest::newRow("third") << 1.0f / 3.0f << ".3333333" << " .3333333";
    QTest::newRow("1E+07") << 1e7f << "1E+07" << " 1E+07";
    QTest::newRow("7 digits fixed") << 1234567.0f << "1234567" << " 1234567";
    QTest::newRow("8 digits rounded") << 12345678.0f << "1.234568E+07" << " 1.234568E+07";
    QTest::newRow("0.0001 fixed") << 0.0001f << ".0001" << " .0001";
    QTest::newRow("0.00001 exponent") << 1e-5f << "1E-05" << " 1E-05";
    QTest::newRow("whole") << 3.0f << "3" << " 3";
    QTest::newRow("negative") << -2.5f << "-2.5" << "-2.5";
    QTest::newRow("negative zero") << -0.0f << "0" << " 0";
    QTest::newRow("inf") << std::numeric_limits<float>::infinity() << "1.#INF" << " 1.#INF";
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "NaN" << " NaN";
}

void TestNumbers::textOfSingle()
{
    QFETCH(float, value);
    QFETCH(QString, plainText);
    QFETCH(QString, spacedText);
    QCOMPARE(kt::plainSingle(value), plainText);
    QCOMPARE(kt::spacedSingle(value), spacedText);
}

void TestNumbers::textIgnoresLocale()
{
    // A German desktop must still get "." as decimal point and English months.
    const QLocale before;
    const char* oldC = std::setlocale(LC_ALL, nullptr);
    const QByteArray savedC = oldC ? QByteArray(oldC) : QByteArray("C");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may not exist here; harmless then

    QCOMPARE(kt::plain(2.5), QStringLiteral("2.5"));
    QCOMPARE(kt::plainSingle(2.5f), QStringLiteral("2.5"));
    QCOMPARE(kt::val(u"2.5"), 2.5);
    QCOMPARE(kt::mediumDate(QDate(2026, 3, 1)), QStringLiteral("01-Mar-26"));

    std::setlocale(LC_ALL, savedC.constData());
    QLocale::setDefault(before);
}

void TestNumbers::zeroPadded_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2") << 2 << 4 << "0002";
    QTest::newRow("-5") << -5 << 4 << "-0005";
    QTest::newRow("0") << 0 << 4 << "0000";
    QTest::newRow("wider than format") << 12345 << 4 << "12345";
    QTest::newRow("score max") << 32767 << 4 << "32767";
    QTest::newRow("exact width") << 1234 << 4 << "1234";
    QTest::newRow("int min") << INT_MIN << 4 << "-2147483648";
    QTest::newRow("zero width") << 7 << 0 << "7";
    QTest::newRow("negative width") << 7 << -3 << "7";
}

void TestNumbers::zeroPadded()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(kt::zeroPadded(value, width), expected);
}

void TestNumbers::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("medium");
    QTest::addColumn<QString>("record");
    QTest::newRow("5 Dec 2026") << QDate(2026, 12, 5) << "05-Dec-26" << "12-05-2026";
    QTest::newRow("31 Jan 2000") << QDate(2000, 1, 31) << "31-Jan-00" << "01-31-2000";
    QTest::newRow("9 May 2009") << QDate(2009, 5, 9) << "09-May-09" << "05-09-2009";
    QTest::newRow("29 Feb 2024") << QDate(2024, 2, 29) << "29-Feb-24" << "02-29-2024";
    QTest::newRow("year 999") << QDate(999, 1, 1) << "01-Jan-99" << "01-01-0999";
    QTest::newRow("invalid") << QDate(2026, 2, 30) << "" << "";
    QTest::newRow("null") << QDate() << "" << "";
}

void TestNumbers::dates()
{
    QFETCH(QDate, date);
    QFETCH(QString, medium);
    QFETCH(QString, record);
    QCOMPARE(kt::mediumDate(date), medium);
    QCOMPARE(kt::recordDate(date), record);
}

void TestNumbers::recordTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("afternoon") << QTime(16, 20, 5) << "16:20:05";
    QTest::newRow("midnight") << QTime(0, 0, 0) << "00:00:00";
    QTest::newRow("milliseconds dropped") << QTime(23, 59, 59, 999) << "23:59:59";
    QTest::newRow("invalid") << QTime() << "";
}

void TestNumbers::recordTime()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(kt::recordTime(time), expected);
}

void TestNumbers::parseRecordDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("record date") << "12-05-2026" << QDate(2026, 12, 5);
    QTest::newRow("surrounding blanks") << " 12-05-2026\t" << QDate(2026, 12, 5);
    QTest::newRow("leap day") << "02-29-2024" << QDate(2024, 2, 29);
    QTest::newRow("month 13") << "13-05-2026" << QDate();
    QTest::newRow("day 30 of February") << "02-30-2026" << QDate();
    QTest::newRow("month 0") << "00-05-2026" << QDate();
    QTest::newRow("iso order") << "2026-12-05" << QDate();
    QTest::newRow("slashes") << "12/05/2026" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("one-digit month") << "1-05-2026" << QDate();
    QTest::newRow("two-digit year") << "12-05-26" << QDate();
    QTest::newRow("trailing letter") << "12-05-2026x" << QDate();
    QTest::newRow("sign in field") << "+2-05-2026" << QDate();
    QTest::newRow("non-ascii digit") << QString::fromUtf8("1\u0663-05-2026") << QDate();
}

void TestNumbers::parseRecordDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const QDate actual = kt::parseRecordDate(text);
    QCOMPARE(actual, expected);
    if (!expected.isValid())
        QVERIFY(actual.isNull());
}

void TestNumbers::recordDateRoundTrip()
{
    for (QDate d(2024, 1, 1); d <= QDate(2025, 12, 31); d = d.addDays(1))
        QCOMPARE(kt::parseRecordDate(kt::recordDate(d)), d);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
