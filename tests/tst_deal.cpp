// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Deal.h"

#include <QTest>

#include <array>

namespace {
// Draws are multiples of 2^-24, as the real source gives them.
float drawOf(quint32 k)
{
    return static_cast<float>(k) * 0x1p-24f;
}
} // namespace

class DealTest : public QObject
{
    Q_OBJECT

private slots:
    void valueFromDraw_data();
    void valueFromDraw();
    void suitFromDraw_data();
    void suitFromDraw();
    void valuesOverAFineGrid();
    void suitsOverAFineGrid();
};

void DealTest::valueFromDraw_data()
{
    QTest::addColumn<quint32>("k"); // the draw is k * 2^-24
    QTest::addColumn<int>("value");

    QTest::newRow("smallest draw") << 0u << 1;
    QTest::newRow("largest draw") << 0xFFFFFFu << 13;
    QTest::newRow("tie 2.5 goes down to even") << 2097152u << 2;
    QTest::newRow("tie 5.5 goes up to even") << 6291456u << 6;
    QTest::newRow("tie 8.5 goes down to even") << 10485760u << 8;
    // Next to a boundary single and double precision disagree; the deal
    // computes in single precision.
    QTest::newRow("float 4, double would say 5") << 4893355u << 4;
    QTest::newRow("float 10, double would say 9") << 11883861u << 10;
    QTest::newRow("float 10, double would say 11") << 13281963u << 10;
    QTest::newRow("float 12, double would say 13") << 16078166u << 12;
}

void DealTest::valueFromDraw()
{
    QFETCH(quint32, k);
    QFETCH(int, value);
    QCOMPARE(Deal::valueFromDraw(drawOf(k)), value);
}

void DealTest::suitFromDraw_data()
{
    QTest::addColumn<quint32>("k");
    QTest::addColumn<int>("suit");

    QTest::newRow("smallest draw") << 0u << 0;
    QTest::newRow("largest draw") << 0xFFFFFFu << 3;
    QTest::newRow("a half: 1.5 ties to even 2") << 0x800000u << 2;
    QTest::newRow("float 2, double would say 3") << 13981014u << 2;
}

void DealTest::suitFromDraw()
{
    QFETCH(quint32, k);
    QFETCH(int, suit);
    QCOMPARE(Deal::suitFromDraw(drawOf(k)), suit);
}

// Draws at the centres of a fine grid never sit on a boundary, so each value
// gets an exact share: 1 and 13 one step of the grid each, 2..12 two.
void DealTest::valuesOverAFineGrid()
{
    constexpr int steps = 24 * 4096;
    std::array<int, 14> count{};
    for (int i = 0; i < steps; ++i) {
        const qint16 value = Deal::valueFromDraw((i + 0.5f) / steps);
        QVERIFY2(value >= 1 && value <= 13, qPrintable(QString::number(value)));
        ++count[value];
    }
    QCOMPARE(count[1], 4096);
    QCOMPARE(count[13], 4096);
    for (int value = 2; value <= 12; ++value)
        QCOMPARE(count[value], 2 * 4096);
}

void DealTest::suitsOverAFineGrid()
{
    constexpr int steps = 6 * 4096;
    std::array<int, 4> count{};
    for (int i = 0; i < steps; ++i) {
        const qint16 suit = Deal::suitFromDraw((i + 0.5f) / steps);
        QVERIFY(suit >= 0 && suit <= 3);
        ++count[suit];
    }
    QCOMPARE(count, (std::array<int, 4>{4096, 2 * 4096, 2 * 4096, 4096}));
}

QTEST_APPLESS_MAIN(DealTest)
#include "tst_deal.moc"
