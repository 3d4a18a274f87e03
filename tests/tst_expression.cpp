// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/Expression.h"

#include <QTest>

class ExpressionTest : public QObject
{
    Q_OBJECT

private slots:
    void compute_data();
    void compute();
    void con_data();
    void con();
};

void ExpressionTest::compute_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<double>("result");

    QTest::newRow("((1 + 2) + 3) * 4") << 1 << 2 << 3 << 4 << QList{0, 0, 2} << 24.0;
    QTest::newRow("((10 / 6) + 1) * 9 misses by the last bit")
        << 10 << 6 << 1 << 9 << QList{3, 0, 2} << 24.000000000000004;
    QTest::newRow("((3 / 7) + 3) * 7") << 3 << 7 << 3 << 7 << QList{3, 0, 2} << 24.0;
    QTest::newRow("((8 / 3) * 9) * 1") << 8 << 3 << 9 << 1 << QList{3, 2, 2} << 24.0;
    QTest::newRow("((4 / 1) * 3) * 2") << 4 << 1 << 3 << 2 << QList{3, 2, 2} << 24.0;
    QTest::newRow("((1 - 5) * 2) + 3, negative on the way")
        << 1 << 5 << 2 << 3 << QList{1, 2, 0} << -5.0;
    QTest::newRow("no precedence: ((2 + 3) * 4) - 1") << 2 << 3 << 4 << 1 << QList{0, 2, 1} << 19.0;
    QTest::newRow("subtraction keeps its order") << 1 << 13 << 1 << 1 << QList{1, 1, 1} << -14.0;
    QTest::newRow("true division, never whole") << 1 << 2 << 1 << 1 << QList{3, 2, 2} << 0.5;
    QTest::newRow("a code past 3 divides") << 12 << 2 << 1 << 4 << QList{7, 0, -1} << 1.75;
}

void ExpressionTest::compute()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(QList<int>, codes);
    QFETCH(double, result);

    const Ops ops{qint16(codes[0]), qint16(codes[1]), qint16(codes[2])};
    const double v = ::compute(qint16(a), qint16(b), qint16(c), qint16(d), ops);
    // Exact: the search compares with 24 exactly, so the last bit matters.
    QVERIFY2(v == result, qPrintable(QString::number(v, 'g', 17)));
}

void ExpressionTest::con_data()
{
    QTest::addColumn<int>("nu");
    QTest::addColumn<QString>("symbol");

    QTest::newRow("add") << 0 << "+";
    QTest::newRow("subtract") << 1 << "-";
    QTest::newRow("multiply") << 2 << "*";
    QTest::newRow("divide") << 3 << "/";
    QTest::newRow("4 is no operator") << 4 << "";
    QTest::newRow("-1 is no operator") << -1 << "";
}

void ExpressionTest::con()
{
    QFETCH(int, nu);
    QFETCH(QString, symbol);
    const std::string_view s = ::con(qint16(nu));
    QCOMPARE(QString::fromLatin1(s.data(), qsizetype(s.size())), symbol);
}

QTEST_APPLESS_MAIN(ExpressionTest)
#include "tst_expression.moc"
