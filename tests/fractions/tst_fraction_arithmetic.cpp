// The fraction arithmetic without windows: common denominators, the decimal
// texts and wrong decimal choices, the reduction dialogue over the primes
// and the product of fractions with variables.
#include "fractions/FractionArithmetic.h"
#include "fractions/PrimeDialogue.h"
#include "fractions/VariableProduct.h"

#include <QTest>

#include <limits>

using namespace kt;

Q_DECLARE_METATYPE(kt::ProductFault)

namespace {
// Draws from a fixed list, then repeats its last value.
std::function<double()> draws(QList<double> values)
{
    return [values, i = 0]() mutable { return values.at(qMin(i++, int(values.size()) - 1)); };
}

// The dialogue answered through to its end: each question as "2y" or "3n",
// and the chain as "12/18 6/9 2/3".
QPair<QString, QString> runDialogue(int n, int d)
{
    PrimeDialogue dialogue({n, d});
    QStringList questions;
    for (int guard = 0; !dialogue.done() && guard < 100; ++guard) {
        questions << QString::number(dialogue.prime()) + (dialogue.ExpectedYes() ? "y" : "n");
        dialogue.answer();
    }
    QStringList chain;
    for (const Fraction& f : dialogue.chain())
        chain << QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
    return {questions.join(' '), chain.join(' ')};
}
} // namespace

class TestFractionArithmetic : public QObject {
    Q_OBJECT
private slots:
    void commonDenominators_data()
    {
        QTest::addColumn<int>("d1");
        QTest::addColumn<int>("d2");
        QTest::addColumn<int>("lcd");
        QTest::newRow("equal") << 5 << 5 << 5;
        QTest::newRow("4 and 6") << 4 << 6 << 12;
        QTest::newRow("6 and 4") << 6 << 4 << 12;
        QTest::newRow("one divides the other") << 3 << 6 << 6;
        QTest::newRow("coprime, search ends at 7") << 7 << 6 << 42;
        QTest::newRow("beyond ten tries") << 11 << 13 << 143;
    }
    void commonDenominators()
    {
        QFETCH(int, d1);
        QFETCH(int, d2);
        QFETCH(int, lcd);
        QCOMPARE(leastCommonDenominator(d1, d2), lcd);
    }

    void numeratorsAndPosableDifferences()
    {
        QCOMPARE(numeratorOver(3, 4, 12), 9);
        QCOMPARE(numeratorOver(2, 6, 12), 4);
        QVERIFY(!subtractionPosable(1, 3, 1, 4)); // 1/12 is not more than a tenth
        QVERIFY(!subtractionPosable(1, 5, 3, 6)); // negative
        QVERIFY(subtractionPosable(4, 5, 3, 6));  // 3/10
        QVERIFY(!subtractionPosable(3, 5, 1, 2)); // exactly a tenth
    }

    void decimalTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("below one, no leading zero") << 14.0f / 15.0f << ".933";
        QTest::newRow("above one") << 16.0f / 15.0f << "1.06";
        QTest::newRow("whole") << 2.0f << "2";
        QTest::newRow("half") << 0.5f << ".5";
        QTest::newRow("two digits") << 56.0f / 12.0f << "4.66";
    }
    void decimalTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(decimalText(value), text);
    }

    void wrongDecimals_data()
    {
        QTest::addColumn<float>("q");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<float>("wrong");
        // 1/3: r = 0.5 gives q itself, r = 0 gives q/2.
        QTest::newRow("equal to q is drawn again") << 1.0f / 3 << QList<double>{0.5, 0.0} << 1.0f / 6;
        // 0.15: r = 0 gives 0.075, below a tenth.
        QTest::newRow("below a tenth is drawn again") << 0.15f << QList<double>{0.0, 0.9} << 0.15f * 0.9f + 0.075f;
        // 7/6 shows "1.16"; r = 0.505 gives 1.1725, shown "1.17".
        QTest::newRow("different value, different text") << 7.0f / 6 << QList<double>{0.505} << 7.0f / 6 * 0.505f + 7.0f / 12;
        // 7/6: r = 0.501 gives 1.16783, shown "1.16" like the right answer.
        QTest::newRow("same four characters is drawn again") << 7.0f / 6 << QList<double>{0.501, 0.1}
                                                             << 7.0f / 6 * 0.1f + 7.0f / 12;
    }
    void wrongDecimals()
    {
        QFETCH(float, q);
        QFETCH(QList<double>, randoms);
        QFETCH(float, wrong);
        const float w = wrongDecimal(q, draws(randoms));
        QCOMPARE(w, wrong);
        QVERIFY(decimalText(w) != decimalText(q));
    }

    void immediateAnswers_data()
    {
        QTest::addColumn<QString>("num");
        QTest::addColumn<QString>("den");
        QTest::addColumn<int>("answer");
        const int none = int(ImmediateAnswer::None), one = int(ImmediateAnswer::One),
                  zero = int(ImmediateAnswer::Zero), quotient = int(ImmediateAnswer::Quotient);
        QTest::newRow("4/4 is one") << "4" << "4" << one;
        QTest::newRow("4/04 is a quotient") << "4" << "04" << quotient;
        QTest::newRow("0/7") << "0" << "7" << zero;
        QTest::newRow("00/7") << "00" << "7" << zero;
        QTest::newRow("-0/7") << "-0" << "7" << zero;
        QTest::newRow("2/4") << "2" << "4" << quotient;
        QTest::newRow("1/5") << "1" << "5" << quotient;
        QTest::newRow("negative") << "-3" << "4" << quotient;
        QTest::newRow("6/3 needs the dialogue") << "6" << "3" << none;
        QTest::newRow("12/18") << "12" << "18" << none;
    }
    void immediateAnswers()
    {
        QFETCH(QString, num);
        QFETCH(QString, den);
        QFETCH(int, answer);
        QCOMPARE(int(immediateAnswer(num, den, num.toInt(), den.toInt())), answer);
    }

    void reductionDialogues_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("chain");
        QTest::newRow("12/18") << 12 << 18 << "2y 3y" << "12/18 6/9 2/3";
        QTest::newRow("6/3") << 6 << 3 << "2n 3y" << "6/3 2/1";
        QTest::newRow("3/4") << 3 << 4 << "2n 3n" << "3/4";
        QTest::newRow("5/1 ends at once") << 5 << 1 << "" << "5/1";
        QTest::newRow("8/12 asks 2 again") << 8 << 12 << "2y 2y" << "8/12 4/6 2/3";
        QTest::newRow("242/363 asks 11 again") << 242 << 363 << "2n 3n 5n 7n 11y 11y" << "242/363 22/33 2/3";
        QTest::newRow("106/159 goes on to 53")
            << 106 << 159 << "2n 3n 5n 7n 11n 13n 17n 19n 23n 29n 31n 37n 41n 43n 47n 53y" << "106/159 2/3";
        QTest::newRow("103/107 ends after 47")
            << 103 << 107 << "2n 3n 5n 7n 11n 13n 17n 19n 23n 29n 31n 37n 41n 43n 47n" << "103/107";
        QTest::newRow("5618/8427 asks 53 twice") // 2*53*53 over 3*53*53
            << 5618 << 8427 << "2n 3n 5n 7n 11n 13n 17n 19n 23n 29n 31n 37n 41n 43n 47n 53y 53y"
            << "5618/8427 106/159 2/3";
        QTest::newRow("192/320 keeps six places") << 192 << 320 << "2y 2y 2y 2y 2y 2y 3n"
                                                   << "192/320 96/160 48/80 24/40 12/20 3/5";
        QTest::newRow("8192/20480 halved twelve times")
            << 8192 << 20480 << "2y 2y 2y 2y 2y 2y 2y 2y 2y 2y 2y 2y"
            << "8192/20480 4096/10240 2048/5120 1024/2560 512/1280 2/5";
    }
    void reductionDialogues()
    {
        QFETCH(int, n);
        QFETCH(int, d);
        QFETCH(QString, questions);
        QFETCH(QString, chain);
        const auto [asked, written] = runDialogue(n, d);
        QCOMPARE(asked, questions);
        QCOMPARE(written, chain);
    }

    void products_data()
    {
        QTest::addColumn<QList<float>>("abcdrstu");
        QTest::addColumn<ProductFault>("fault");
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("showX");
        QTest::addColumn<bool>("showY");
        const float inf = std::numeric_limits<float>::infinity();
        using L = QList<float>;
        const ProductFault ok = ProductFault::None;
        QTest::newRow("worked example") << L{2, 4, 6, 9, 3, 1, 2, 1} << ok << "0.333333" << 5.f << 2.f << true << true;
        QTest::newRow("a = 0 stands alone") << L{0, 4, 6, 9, 3, 1, 2, 1} << ok << "0.0" << 5.f << 2.f << false << false;
        QTest::newRow("c = 0, b negative") << L{1, -2, 0, 9, 3, 1, 2, 1} << ok << "0.0" << 5.f << 2.f << false << false;
        QTest::newRow("no X") << L{1, 2, 1, 1, 2, 1, -2, 1} << ok << "0.5" << 0.f << 2.f << false << true;
        QTest::newRow("no Y") << L{2, 1, 1, 1, 2, 0, 2, 0} << ok << "2.0" << 4.f << 0.f << true << false;
        QTest::newRow("coefficient alone") << L{-3, 2, 1, 2, 1, 1, -1, -1} << ok << "-0.75" << 0.f << 0.f << false << false;
        QTest::newRow("decimals") << L{2.5, 1, 1, 1, 2.5, 0, 0, 1} << ok << "2.5" << 2.5f << 1.f << true << true;
        QTest::newRow("seven digits first") << L{1, 10, 1, 1, 1, 1, 0, 0} << ok << "0.1" << 1.f << 1.f << true << true;
        QTest::newRow("denominators vanish") << L{1, 1e-30f, 1, 1e-30f, 1, 1, 1, 1} << ProductFault::Denominators
                                             << "" << 0.f << 0.f << false << false;
        QTest::newRow("coefficient overflows") << L{1e30f, 1, 1e30f, 1, 1, 1, 1, 1} << ProductFault::Coefficient
                                               << "" << 0.f << 0.f << false << false;
        QTest::newRow("quotient overflows") << L{1e20f, 1e-20f, 1e10f, 1e-10f, 1, 1, 1, 1}
                                            << ProductFault::Denominators << "" << 0.f << 0.f << false << false;
        QTest::newRow("X exponent overflows") << L{1, 1, 1, 1, 3e38f, 1, 3e38f, 1} << ProductFault::XExponent << ""
                                              << inf << 0.f << false << false;
        QTest::newRow("Y exponent overflows") << L{1, 1, 1, 1, 1, -3e38f, 1, -3e38f} << ProductFault::YExponent
                                              << "" << 0.f << 0.f << false << false;
    }
    void products()
    {
        QFETCH(QList<float>, abcdrstu);
        QFETCH(ProductFault, fault);
        QFETCH(QString, coefficient);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, showX);
        QFETCH(bool, showY);
        const auto& v = abcdrstu;
        const VariableProduct p = multiplyVariableFractions({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
        QCOMPARE(p.fault, fault);
        if (fault != ProductFault::None)
            return;
        QCOMPARE(coefficientText(p.coefficient), coefficient);
        QCOMPARE(p.xExponent, x);
        QCOMPARE(p.yExponent, y);
        QCOMPARE(p.showX, showX);
        QCOMPARE(p.showY, showY);
    }

    void coefficientTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5f << "0.5";
        QTest::newRow("whole") << 2.0f << "2.0";
        QTest::newRow("third") << 1.0f / 3 << "0.333333";
        QTest::newRow("two thirds rounds") << 2.0f / 3 << "0.666667";
        QTest::newRow("negative") << -0.75f << "-0.75";
        QTest::newRow("negative zero") << -0.0f << "0.0";
        QTest::newRow("tiny negative rounds to zero") << -1e-9f << "0.0";
        QTest::newRow("large") << 123456.f << "123456.0";
    }
    void coefficientTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(coefficientText(value), text);
    }
};

QTEST_MAIN(TestFractionArithmetic)
#include "tst_fraction_arithmetic.moc"
