// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules shared by every page: value of a text, numeric test,
// rounding into 16 bits and the saturating counter.
#include "common/Numbers.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

Q_DECLARE_METATYPE(std::string)

class tst_numbers : public QObject {
    Q_OBJECT
private slots:
    void valueOfText_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << std::string("12") << true << 12.0;
        QTest::newRow("trailing letters") << std::string("12ab") << true << 12.0;
        QTest::newRow("letters only") << std::string("abc") << true << 0.0;
        QTest::newRow("empty") << std::string("") << true << 0.0;
        QTest::newRow("blanks inside") << std::string(" 1 2\t3\n4 ") << true << 1234.0;
        QTest::newRow("blanks in exponent") << std::string("1 e 2") << true << 100.0;
        QTest::newRow("leading zeros") << std::string("00") << true << 0.0;
        QTest::newRow("fraction") << std::string("2.25") << true << 2.25;
        QTest::newRow("second point stops") << std::string("1.2.3") << true << 1.2;
        QTest::newRow("leading point") << std::string(".5") << true << 0.5;
        QTest::newRow("trailing point") << std::string("5.") << true << 5.0;
        QTest::newRow("lone point") << std::string(".") << true << 0.0;
        QTest::newRow("negative") << std::string("-1") << true << -1.0;
        QTest::newRow("plus") << std::string("+7") << true << 7.0;
        QTest::newRow("two signs") << std::string("--7") << true << 0.0;
        QTest::newRow("exponent") << std::string("1E2") << true << 100.0;
        QTest::newRow("lower exponent") << std::string("1e-2") << true << 0.01;
        QTest::newRow("exponent without digits") << std::string("3e") << true << 3.0;
        QTest::newRow("exponent sign only") << std::string("3e+x") << true << 3.0;
        QTest::newRow("beyond a double") << std::string("1e999") << false << 0.0;
        QTest::newRow("negative beyond a double") << std::string("-1e999") << false << 0.0;
        QTest::newRow("underflow is zero") << std::string("1e-999") << true << 0.0;
        QTest::newRow("huge exponent digits")
            << std::string("1e99999999999999999999999") << false << 0.0;
        QTest::newRow("huge negative exponent digits")
            << std::string("1e-99999999999999999999999") << true << 0.0;
        QTest::newRow("zero with a huge exponent") << std::string("0e99999") << true << 0.0;
        QTest::newRow("small mantissa, large exponent")
            << std::string("0.001e310") << true << 1e307;
        QTest::newRow("10000 digits, negative exponent")
            << std::string(10000, '9') + "e-9990" << true << 1e10;
        QTest::newRow("inf spelled") << std::string("inf") << true << 0.0;
        QTest::newRow("nan spelled") << std::string("nan") << true << 0.0;
        QTest::newRow("hex is not read") << std::string("0x10") << true << 0.0;
        QTest::newRow("largest double")
            << std::string("1.7976931348623157e308") << true << std::numeric_limits<double>::max();
        QTest::newRow("10000 digits") << std::string(10000, '9') << false << 0.0;
        QTest::newRow("10000 zeros then 1") << std::string(10000, '0') + "1" << true << 1.0;
    }

    void valueOfText()
    {
        QFETCH(std::string, text);
        QFETCH(bool, converts);
        QFETCH(double, value);
        const auto result = common::valueOfText(text);
        QCOMPARE(result.has_value(), converts);
        if (converts)
            QCOMPARE(*result, value);
    }

    void negativeZeroReadsAsZero()
    {
        const auto result = common::valueOfText("-0");
        QVERIFY(result.has_value());
        QCOMPARE(*result, 0.0);
        QVERIFY(std::signbit(*result));
    }

    void isNumeric_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("blanks around") << std::string("  5  ") << true;
        QTest::newRow("negative") << std::string("-3") << true;
        QTest::newRow("fraction") << std::string("2.5") << true;
        QTest::newRow("exponent") << std::string("1E2") << true;
        QTest::newRow("lower exponent") << std::string("1e-2") << true;
        QTest::newRow("leading point") << std::string(".5") << true;
        QTest::newRow("zero") << std::string("00") << true;
        QTest::newRow("unit") << std::string("5s") << false;
        QTest::newRow("two points") << std::string("1.2.3") << false;
        QTest::newRow("letters") << std::string("abc") << false;
        QTest::newRow("empty") << std::string("") << false;
        QTest::newRow("blanks only") << std::string("   ") << false;
        QTest::newRow("blank inside") << std::string("5 5") << false;
        QTest::newRow("sign only") << std::string("-") << false;
        QTest::newRow("point only") << std::string(".") << false;
        QTest::newRow("dangling exponent") << std::string("1e") << false;
        QTest::newRow("line break") << std::string("5\n") << false;
        QTest::newRow("minus zero") << std::string("-0") << true;
        QTest::newRow("signed point exponent") << std::string("+.5e-3") << true;
        QTest::newRow("exponent sign only") << std::string("1e+") << false;
        QTest::newRow("inf spelled") << std::string("inf") << false;
        QTest::newRow("nan spelled") << std::string("nan") << false;
        // The test is of form only; the value reader reports the overflow.
        QTest::newRow("beyond a double") << std::string("1e999") << true;
        QTest::newRow("10000 digits") << std::string(10000, '9') << true;
    }

    void isNumeric()
    {
        QFETCH(std::string, text);
        QFETCH(bool, numeric);
        QCOMPARE(common::isNumeric(text), numeric);
    }

    void roundToInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("rounded");
        QTest::newRow("half to even down") << 22.5 << true << 22;
        QTest::newRow("half to even up") << 23.5 << true << 24;
        QTest::newRow("half to zero") << 0.5 << true << 0;
        QTest::newRow("one and a half") << 1.5 << true << 2;
        QTest::newRow("negative half") << -2.5 << true << -2;
        QTest::newRow("largest") << 32767.0 << true << 32767;
        QTest::newRow("rounds down into range") << 32767.4 << true << 32767;
        QTest::newRow("rounds out of range") << 32767.5 << false << 0;
        QTest::newRow("smallest") << -32768.0 << true << -32768;
        QTest::newRow("below") << -32768.6 << false << 0;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    }

    void roundToInt16()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, rounded);
        const auto result = common::roundToInt16(value);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(int(*result), rounded);
    }

    void saturatingIncrementStopsAtTheTop()
    {
        QCOMPARE(common::saturatingIncrement(0), std::int16_t(1));
        QCOMPARE(common::saturatingIncrement(-1), std::int16_t(0));
        QCOMPARE(common::saturatingIncrement(32766), std::int16_t(32767));
        QCOMPARE(common::saturatingIncrement(32767), std::int16_t(32767));
    }
};

QTEST_APPLESS_MAIN(tst_numbers)
#include "tst_numbers.moc"
