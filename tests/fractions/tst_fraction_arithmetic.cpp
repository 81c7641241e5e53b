// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction arithmetic without windows: common denominators, decimal
// texts and wrong decimal choices, the reduction dialogue over the primes and
// the product of fractions with variables.
#include "fractions/FractionArithmetic.h"
#include "fractions/PrimeDialogue.h"
#include "fractions/VariableProduct.h"

#include <QTest>

#include <cmath>

using namespace kt;

class TestFractionArithmetic : public QObject {
    Q_OBJECT
private slots:
    void commonDenominatorsAndDifferences()
    {
        QCOMPARE(leastCommonDenominator(5, 5), 5);
        QCOMPARE(leastCommonDenominator(4, 6), 12);
        QCOMPARE(leastCommonDenominator(6, 3), 6);
        QCOMPARE(leastCommonDenominator(7, 6), 42);    // the search ends at 7
        QCOMPARE(leastCommonDenominator(11, 13), 143); // past ten tries
        QCOMPARE(numeratorOver(3, 4, 12), 9);
        QVERIFY(subtractionPosable(4, 5, 3, 6));
        QVERIFY(!subtractionPosable(1, 3, 1, 4)); // 1/12
        QVERIFY(!subtractionPosable(3, 5, 1, 2)); // exactly a tenth
    }

    void decimals_data()
    {
        QTest::addColumn<float>("q");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("wrong");
        // r = 0.5 gives q itself, r = 0 below a tenth: both drawn again.
        QTest::newRow("1/3") << 1.0f / 3 << QList<double>{0.5, 0.0} << ".333" << ".166";
        QTest::newRow("0.15") << 0.15f << QList<double>{0.0, 0.9} << ".15" << ".21";
        // 7/6 * 0.501 + 7/12 = 1.16783 reads "1.16" like 7/6: drawn again.
        QTest::newRow("7/6") << 7.0f / 6 << QList<double>{0.501, 0.1} << "1.16" << ".7";
        QTest::newRow("whole") << 2.0f << QList<double>{0.999} << "2" << "2.99";
    }
    void decimals()
    {
        QFETCH(float, q);
        QFETCH(QList<double>, randoms);
        QFETCH(QString, right);
        QFETCH(QString, wrong);
        int i = 0;
        QCOMPARE(decimalText(q), right);
        QCOMPARE(decimalText(wrongDecimal(q, [&] { return randoms.at(qMin(i++, int(randoms.size()) - 1)); })), wrong);
        QCOMPARE(i, int(randoms.size()));
    }

    void reductionDialogues_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("chain");
        const QString to47 = "2n 3n 5n 7n 11n 13n 17n 19n 23n 29n 31n 37n 41n 43n 47n";
        QTest::newRow("12/18") << 12 << 18 << "2y 3y" << "12/18 6/9 2/3";
        QTest::newRow("6/3") << 6 << 3 << "2n 3y" << "6/3 2/1";
        QTest::newRow("3/4") << 3 << 4 << "2n 3n" << "3/4";
        QTest::newRow("5/1 ends at once") << 5 << 1 << "" << "5/1";
        QTest::newRow("242/363 asks 11 again") << 242 << 363 << "2n 3n 5n 7n 11y 11y" << "242/363 22/33 2/3";
        QTest::newRow("106/159 goes on to 53") << 106 << 159 << to47 + " 53y" << "106/159 2/3";
        QTest::newRow("103/107 ends after 47") << 103 << 107 << to47 << "103/107";
        QTest::newRow("5618/8427 asks 53 twice") << 5618 << 8427 << to47 + " 53y 53y" << "5618/8427 106/159 2/3";
        QTest::newRow("192/320 keeps six places")
            << 192 << 320 << "2y 2y 2y 2y 2y 2y 3n" << "192/320 96/160 48/80 24/40 12/20 3/5";
        QTest::newRow("8192/20480") << 8192 << 20480 << QStringList(12, "2y").join(' ')
                                    << "8192/20480 4096/10240 2048/5120 1024/2560 512/1280 2/5";
    }
    void reductionDialogues()
    {
        QFETCH(int, n);
        QFETCH(int, d);
        QFETCH(QString, questions);
        QFETCH(QString, chain);
        PrimeDialogue dialogue({n, d});
        QStringList asked, written;
        for (int guard = 0; !dialogue.done() && guard < 100; ++guard) {
            asked << QString::number(dialogue.prime()) + (dialogue.ExpectedYes() ? "y" : "n");
            dialogue.answer();
        }
        for (const Fraction& f : dialogue.chain())
            written << QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
        QCOMPARE(asked.join(' '), questions);
        QCOMPARE(written.join(' '), chain);
        QCOMPARE(dialogue.answered(), !questions.isEmpty());
    }

    // a b c d r s t u, and the result row: coefficient, "X" and its power,
    // "Y" and its power, or the fault.
    void products_data()
    {
        QTest::addColumn<QList<float>>("v");
        QTest::addColumn<QString>("result");
        using L = QList<float>;
        QTest::newRow("worked example") << L{2, 4, 6, 9, 3, 1, 2, 1} << "0.333333 X5 Y2";
        QTest::newRow("a = 0 stands alone") << L{0, 4, 6, 9, 3, 1, 2, 1} << "0.0";
        QTest::newRow("no X") << L{1, 2, 1, 1, 2, 1, -2, 1} << "0.5 Y2";
        QTest::newRow("no Y, whole") << L{2, 1, 1, 1, 2, 0, 2, 0} << "2.0 X4";
        QTest::newRow("negative, alone") << L{-3, 2, 1, 2, 1, 1, -1, -1} << "-0.75";
        QTest::newRow("decimals") << L{2.5, 1, 1, 3, 2.5, 0, 0, -1} << "0.833333 X2.5 Y-1";
        QTest::newRow("seven digits first") << L{1, 10, 1, 1, 1, 1, 0, 0} << "0.1 X1 Y1";
        QTest::newRow("tiny rounds to 0.0") << L{-1, 1e9, 1, 1, 1, 0, 0, 0} << "0.0 X1";
        QTest::newRow("denominators vanish") << L{1, 1e-30f, 1, 1e-30f, 1, 1, 1, 1} << "fault 1";
        QTest::newRow("coefficient overflows") << L{1e30f, 1, 1e30f, 1, 1, 1, 1, 1} << "fault 2";
        QTest::newRow("power of X overflows") << L{1, 1, 1, 1, 3e38f, 1, 3e38f, 1} << "fault 3";
        QTest::newRow("power of Y overflows") << L{1, 1, 1, 1, 1, -3e38f, 1, -3e38f} << "fault 4";
    }
    void products()
    {
        QFETCH(QList<float>, v);
        QFETCH(QString, result);
        const VariableProduct p = multiplyVariableFractions({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
        QString row = coefficientText(p.coefficient);
        if (p.showX)
            row += " X" + QString::number(p.xExponent);
        if (p.showY)
            row += " Y" + QString::number(p.yExponent);
        QCOMPARE(p.fault == ProductFault::None ? row : "fault " + QString::number(int(p.fault)), result);
    }

    // The coefficient is the single's own value rounded once to six places.
    void coefficientRoundsOnce_data()
    {
        QTest::addColumn<float>("p");
        QTest::addColumn<float>("q");
        QTest::addColumn<QString>("text");
        QTest::newRow("6/13") << 6.f << 13.f << "0.461538";
        QTest::newRow("7/38") << 7.f << 38.f << "0.184211";
        QTest::newRow("8/31") << 8.f << 31.f << "0.258065";
        QTest::newRow("a tie rounds away from zero") << -16772097.f << 128.f << "-131032.007813";
    }
    void coefficientRoundsOnce()
    {
        QFETCH(float, p);
        QFETCH(float, q);
        QFETCH(QString, text);
        QCOMPARE(coefficientText(multiplyVariableFractions({p, q, 1, 1, 0, 0, 0, 0}).coefficient), text);
    }
    // Every p/q for p and q from 1 to 100 against the exact value of the
    // single, rounded at six places in whole numbers.
    void coefficientOfEveryFractionToAHundred()
    {
        for (int p = 1; p <= 100; ++p) {
            for (int q = 1; q <= 100; ++q) {
                const float value = multiplyVariableFractions({float(p), float(q), 1, 1, 0, 0, 0, 0}).coefficient;
                int exponent = 0;
                const auto mantissa = quint64(std::ldexp(std::frexp(double(value), &exponent), 24));
                const int shift = 24 - exponent; // value = mantissa / 2^shift
                const quint64 millionths = (mantissa * 2000000 + (quint64(1) << shift)) >> (shift + 1);
                QString exact = QString::number(millionths / 1000000) + QLatin1Char('.')
                                + QString::number(millionths % 1000000).rightJustified(6, QLatin1Char('0'));
                while (exact.endsWith(QLatin1Char('0')) && !exact.endsWith(QLatin1String(".0")))
                    exact.chop(1);
                QVERIFY2(coefficientText(value) == exact, qPrintable(QStringLiteral("%1/%2").arg(p).arg(q)));
            }
        }
    }
};

QTEST_MAIN(TestFractionArithmetic)
#include "tst_fraction_arithmetic.moc"
