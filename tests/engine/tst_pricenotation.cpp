#include "PriceNotation.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ondara;

class TestPriceNotation : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");

        QTest::newRow("integer") << "12" << true << 12.0;
        QTest::newRow("decimal") << "12.38" << true << 12.38;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("blanks around") << " \t12.5 \t" << true << 12.5;
        QTest::newRow("plus sign") << "+7" << true << 7.0;
        QTest::newRow("minus sign") << "-7.25" << true << -7.25;
        QTest::newRow("exponent signed upper") << "2.5E-2" << true << 0.025;
        QTest::newRow("largest magnitude") << "1e308" << true << 1e308;
        QTest::newRow("underflow reads as zero") << "1e-400" << true << 0.0;

        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("hexadecimal") << "0x1A" << false << 0.0;
        QTest::newRow("thousands separator") << "1,000" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("overflow") << "1e309" << false << 0.0;
        QTest::newRow("huge exponent") << "1e99999999999999999999" << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("inner blank") << "12 5" << false << 0.0;
        QTest::newRow("unicode digit") << QString::fromUtf8("١٢") << false << 0.0;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);

        const std::string utf8 = text.toStdString();
        QCOMPARE(isNumeric(utf8), numeric);
        const auto parsed = parseNumber(utf8);
        QCOMPARE(parsed.has_value(), numeric);
        if (numeric)
            QCOMPARE(*parsed, value);
    }

    void frac2Num_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("whole and fraction") << "12 3/8" << 12.375;
        QTest::newRow("fraction only") << "3/8" << 0.375;
        QTest::newRow("negative whole") << "-12 3/8" << -12.375;
        QTest::newRow("negative fraction") << "-3/8" << -0.375;
        QTest::newRow("negative numerator") << "12 -3/8" << 11.625;
        QTest::newRow("any denominator") << "12 3/10" << 12.0 + 3.0 / 10.0;
        QTest::newRow("no slash") << "12" << 0.0;
        QTest::newRow("no slash with blank") << "12 5" << 0.0;
        QTest::newRow("zero denominator") << "12 3/0" << FracErrorValue;
        QTest::newRow("empty numerator") << "12 /8" << FracErrorValue;
        QTest::newRow("empty denominator") << "12 3/" << FracErrorValue;
        QTest::newRow("empty whole part") << " 3/8" << FracErrorValue;
        QTest::newRow("letters in whole part") << "abc 3/8" << FracErrorValue;
        QTest::newRow("second slash") << "12 3/8/2" << FracErrorValue;
        QTest::newRow("overflowing quotient") << "1e308/1e-308" << FracErrorValue;
        QTest::newRow("overflowing sum") << "1.7e308 1.7e308/1" << FracErrorValue;
        QTest::newRow("locale comma") << "12 3,5/8" << FracErrorValue;
    }

    void frac2Num()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Frac2Num(text.toStdString()), expected);
    }

    void num2Frac_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("zero") << 0.0 << "";
        QTest::newRow("half") << 12.5 << "12 1/2";
        QTest::newRow("sixteenth") << 12.06 << "12 1/16";
        QTest::newRow("sixty-fourth") << 12.01 << "12 1/64";
        QTest::newRow("63 sixty-fourths") << 12.99 << "12 63/64";
        QTest::newRow("eighths") << 12.38 << "12 3/8";
        QTest::newRow("half to even rounds down") << 5.0 / 128 << "1/32";
        QTest::newRow("half to even rounds up") << 7.0 / 128 << "1/16";
        QTest::newRow("rounds to nothing") << 12.001 << "12";
        QTest::newRow("rounds to the next whole") << 12.999 << "13";
        QTest::newRow("negative") << -12.375 << "-12 3/8";
        QTest::newRow("negative below one") << -0.375 << "-3/8";
    }

    void num2Frac()
    {
        QFETCH(double, number);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Num2Frac(number)), expected);
    }

    void typedNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<double>("value"); // -1: not one number
        QTest::addColumn<int>("decimals");

        QTest::newRow("trailing zeros count") << "1.0850" << false << 1.085 << 4;
        QTest::newRow("exponent moves the point") << "1.5e-3" << false << 0.0015 << 4;
        QTest::newRow("whole") << " 12 " << false << 12.0 << 0;
        QTest::newRow("grouped thousands") << "1,234,567.50" << false << 1234567.5 << 2;
        QTest::newRow("comma as point") << "12,5" << true << 12.5 << 1;
        QTest::newRow("point in a comma locale") << "1.234" << true << 1.234 << 3;
        QTest::newRow("comma without a decimal comma") << "12,5" << false << -1.0 << 0;
        QTest::newRow("group of four") << "1,2345" << false << -1.0 << 0;
        QTest::newRow("comma after the point") << "1.234,5" << false << -1.0 << 0;
        QTest::newRow("both marks") << "1.234,5" << true << -1.0 << 0;
        QTest::newRow("two commas") << "1,2,3" << true << -1.0 << 0;
        QTest::newRow("leading comma") << ",123" << false << -1.0 << 0;
    }

    void typedNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimalComma);
        QFETCH(double, value);
        const auto read = readTypedNumber(text.toStdString(), decimalComma);
        QCOMPARE(read ? read->value : -1.0, value);
        if (read)
            QTEST(read->decimals, "decimals");
        QCOMPARE(decimalsOf(12.375) * 10 + decimalsOf(1200), 30);
    }

    void masks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("hashMask");
        QTest::addColumn<QString>("zeroMask");

        // Halves round away from zero on the decimal the user sees, not on the binary double.
        QTest::newRow("1.005") << 1.005 << 2 << "1.01" << "1.01";
        QTest::newRow("0.125") << 0.125 << 2 << ".13" << "0.13";
        QTest::newRow("12.375") << 12.375 << 2 << "12.38" << "12.38";
        QTest::newRow("-0.005") << -0.005 << 2 << "-.01" << "-0.01";
        QTest::newRow("carry into whole") << 99.995 << 2 << "100.00" << "100.00";
        QTest::newRow("zero") << 0.0 << 2 << ".00" << "0.00";
        QTest::newRow("just below a half cent") << 0.0049 << 2 << ".00" << "0.00";
        QTest::newRow("negative rounding to zero") << -0.001 << 2 << ".00" << "0.00";
        QTest::newRow("fraction error value") << FracErrorValue << 2 << "10000000000.00" << "10000000000.00";
        QTest::newRow("beyond 15 digits") << 1e20 << 2 << "100000000000000000000.00" << "100000000000000000000.00";
        QTest::newRow("half at four") << 1.00005 << 4 << "1.0001" << "1.0001";
        QTest::newRow("padded to four") << 1.085 << 4 << "1.0850" << "1.0850";
        QTest::newRow("carry at six") << 999999.9999995 << 6 << "1000000.000000" << "1000000.000000";
        QTest::newRow("below one at six") << 0.0000125 << 6 << ".000013" << "0.000013";
    }

    void masks()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, hashMask);
        QFETCH(QString, zeroMask);
        QCOMPARE(QString::fromStdString(formatMask(value, Mask::HashDot00, decimals).value_or("?")), hashMask);
        QCOMPARE(QString::fromStdString(formatMask(value, Mask::ZeroDot00, decimals).value_or("?")), zeroMask);
    }

    void masksRejectNonFinite()
    {
        const double values[] = {std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};
        for (double value : values) {
            QVERIFY(!formatMask(value, Mask::HashDot00));
            QVERIFY(!formatMask(value, Mask::ZeroDot00));
            QVERIFY(!formatGeneral(value));
            QCOMPARE(Num2Frac(value), std::string());
        }
    }

    void hostileText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("megabyte of digits") << QByteArray(1 << 20, '7');
        QTest::newRow("megabyte of digits after a point") << (QByteArray("0.") + QByteArray(1 << 20, '3'));
        QTest::newRow("thousand slashes") << QByteArray(1000, '/');
        QTest::newRow("control characters") << QByteArray("\x01\x02\x7f 3/\x1b", 7);
        QTest::newRow("embedded nul") << QByteArray("12\0 3/8", 7);
        QTest::newRow("utf8") << QString::fromUtf8("12 ³/₈ € ½").toUtf8();
        QTest::newRow("huge whole") << QByteArray("1e308 1e308/1e-308");
        QTest::newRow("long exponent") << (QByteArray("1e") + QByteArray(100000, '9') + " 1/2");
        QTest::newRow("zero over zero") << QByteArray("0/0");
    }

    void hostileText()
    {
        QFETCH(QByteArray, text);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        const double number = Frac2Num(view);
        QVERIFY(std::isfinite(number));
        const auto parsed = parseNumber(view);
        if (parsed)
            QVERIFY(std::isfinite(*parsed));
        for (bool decimalComma : {false, true}) {
            if (const auto typed = readTypedNumber(view, decimalComma))
                QVERIFY(std::isfinite(typed->value));
        }
        QVERIFY(formatMask(number, Mask::ZeroDot00).has_value());
    }
};

QTEST_GUILESS_MAIN(TestPriceNotation)
#include "tst_pricenotation.moc"
