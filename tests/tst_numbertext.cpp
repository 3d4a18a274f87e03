// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void read_data();
    void read();
    void readsBackTheSameFloor_data();
    void readsBackTheSameFloor();
    void ignoresTheUsersLocale();
};

void NumberTextTest::write_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero has a blank") << 0.0 << " 0";
    QTest::newRow("negative zero is still zero") << -0.0 << " 0";
    QTest::newRow("whole number") << 7.0 << " 7";
    QTest::newRow("two digits") << 24.0 << " 24";
    QTest::newRow("largest four-card product") << 28561.0 << " 28561";
    QTest::newRow("negative has no blank") << -2.0 << "-2";
    QTest::newRow("half") << 3.5 << " 3.5";
    QTest::newRow("fraction below one keeps its zero") << 0.5 << " 0.5";
    QTest::newRow("negative fraction below one") << -0.5 << "-0.5";
    QTest::newRow("one third, 15 digits") << 1.0 / 3.0 << " 0.333333333333333";
    QTest::newRow("one thirteenth, no exponent") << 1.0 / 13.0 << " 0.0769230769230769";
    QTest::newRow("two thirds rounds the last digit") << 2.0 / 3.0 << " 0.666666666666667";
    QTest::newRow("24.5") << 24.5 << " 24.5";
}

void NumberTextTest::write()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::write(value), text);
}

void NumberTextTest::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("leading blank") << " 4" << true << 4.0;
    QTest::newRow("blanks around") << "  24  " << true << 24.0;
    QTest::newRow("no blank") << "0" << true << 0.0;
    QTest::newRow("minus") << "-2" << true << -2.0;
    QTest::newRow("fraction") << " 3.5" << true << 3.5;
    QTest::newRow("negative fraction") << "-0.5" << true << -0.5;
    QTest::newRow("exponent as 'g' writes it") << " 1e+15" << true << 1e15;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("only blanks") << "   " << false << 0.0;
    QTest::newRow("verdict") << "Congradulations, you got 24" << false << 0.0;
    QTest::newRow("failure") << "You failed. Try a new game" << false << 0.0;
    QTest::newRow("answer line") << "(( 4/ 1)* 3)* 2=24" << false << 0.0;
    QTest::newRow("no solution") << "No solution." << false << 0.0;
    QTest::newRow("decimal comma") << " 3,5" << false << 0.0;
    QTest::newRow("number with text after it") << " 24 apples" << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("point without decimals") << " 3." << false << 0.0;
    QTest::newRow("point without whole part") << " .5" << false << 0.0;
    QTest::newRow("blank between sign and digits") << "- 2" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x18" << false << 0.0;
}

void NumberTextTest::read()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    const std::optional<double> read = NumberText::read(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

// Every quotient the game can show must floor to the same whole number when
// it is read back, or the next step would use another value.
void NumberTextTest::readsBackTheSameFloor_data()
{
    QTest::addColumn<double>("dividend");

    for (int dividend : {-28561, -169, -13, -2, -1, 0, 1, 2, 5, 12, 23, 24, 25, 169, 28561})
        QTest::addRow("%d", dividend) << double(dividend);
}

void NumberTextTest::readsBackTheSameFloor()
{
    QFETCH(double, dividend);
    for (int card = 1; card <= 13; ++card) {
        const double value = dividend / card;
        const std::optional<double> read = NumberText::read(NumberText::write(value));
        QVERIFY(read);
        QCOMPARE(std::floor(*read), std::floor(value));
    }
}

void NumberTextTest::ignoresTheUsersLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString written = NumberText::write(-2.5);
    const std::optional<double> read = NumberText::read(QStringLiteral(" 7.25"));
    const std::optional<double> comma = NumberText::read(QStringLiteral(" 7,25"));
    QLocale::setDefault(previous);

    QCOMPARE(written, QStringLiteral("-2.5"));
    QCOMPARE(read, std::optional<double>(7.25));
    QVERIFY(!comma);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
