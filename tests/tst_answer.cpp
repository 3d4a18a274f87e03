// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChainWalk.h"
#include "GameTable.h"

#include "game/CardBox.h"
#include "solver/AnswerSearch.h"

#include <QTest>

#include <algorithm>

class AnswerTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheLastHit_data();
    void showsTheLastHit();
    void oneTwoThreeFourHasFortyEightHits();
    void cardOrder_data();
    void cardOrder();
    void lastHitIsTheLastOfAllHitsForEveryDeal();
    void tally_data();
    void tally();
    void doesNothingWhenNoDealIsOpen_data();
    void doesNothingWhenNoDealIsOpen();
    void leavesThePlayersStateAlone();
    void newGameDealsAfterAnswer();
    void noSolutionCountStopsAtItsLargestValue();
};

void AnswerTest::showsTheLastHit_data()
{
    QTest::addColumn<QList<int>>("deal");
    QTest::addColumn<QString>("line");

    QTest::newRow("last of 48 hits") << QList{1, 2, 3, 4} << "(( 4/ 1)* 3)* 2=24";
    QTest::newRow("where the cards lie matters") << QList{4, 3, 2, 1} << "(( 2/ 1)* 4)* 3=24";
    QTest::newRow("equal cards, not deduplicated") << QList{6, 6, 6, 6} << "(( 6* 6)- 6)- 6=24";
    QTest::newRow("two digits, one blank") << QList{1, 2, 3, 13} << "(( 13* 2)- 3)+ 1=24";
    QTest::newRow("a fraction on the way") << QList{3, 3, 7, 7} << "(( 3/ 7)+ 3)* 7=24";
    QTest::newRow("24.000000000000004 is no hit") << QList{1, 6, 9, 10} << "(( 10- 1)+ 9)+ 6=24";
    QTest::newRow("four aces") << QList{1, 1, 1, 1} << "No solution.";
    QTest::newRow("four kings") << QList{13, 13, 13, 13} << "No solution.";
    QTest::newRow("8/(3-8/3) is another bracketing") << QList{3, 3, 8, 8} << "No solution.";
    QTest::newRow("5*(5-1/5) is another bracketing") << QList{5, 5, 5, 1} << "No solution.";
}

void AnswerTest::showsTheLastHit()
{
    QFETCH(QList<int>, deal);
    QFETCH(QString, line);

    GameTable table;
    table.deal(deal[0], deal[1], deal[2], deal[3]);
    table.press("Command2");
    QCOMPARE(table.text("Label1"), line);
    QCOMPARE(table.state().found, line != QLatin1String("No solution."));
}

void AnswerTest::oneTwoThreeFourHasFortyEightHits()
{
    QList<AnswerSearch::Hit> hits;
    ChainWalk::forEachHit({1, 2, 3, 4}, [&hits](const AnswerSearch::Hit &hit) { hits << hit; });
    QCOMPARE(hits.size(), 48);
    QCOMPARE(AnswerSearch::line(hits.first()), QStringLiteral("(( 1+ 2)+ 3)* 4=24"));
    QCOMPARE(AnswerSearch::line(hits.last()), QStringLiteral("(( 4/ 1)* 3)* 2=24"));
    QCOMPARE(AnswerSearch::lastHit({1, 2, 3, 4}), std::optional(hits.last()));
    for (const AnswerSearch::Hit &hit : hits) {
        QCOMPARE(compute(hit.cards[0], hit.cards[1], hit.cards[2], hit.cards[3], hit.ops), 24.0);
        auto cards = hit.cards;
        std::sort(cards.begin(), cards.end());
        QCOMPARE(cards, (AnswerSearch::Cards{1, 2, 3, 4}));
    }
}

// The order decides which hit is shown, so every row is pinned as it is
// tried: the positions in the deal of w, x, y and z.
void AnswerTest::cardOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("positions");

    const std::array<std::array<int, 4>, 24> rows{{
        {1, 2, 3, 4}, {1, 2, 4, 3}, {1, 4, 3, 2}, {1, 3, 2, 4}, {1, 3, 4, 2}, {1, 4, 2, 3},
        {2, 1, 3, 4}, {2, 1, 4, 3}, {2, 3, 4, 1}, {2, 4, 3, 1}, {2, 3, 1, 4}, {2, 4, 1, 3},
        {3, 1, 2, 4}, {3, 2, 1, 4}, {3, 1, 4, 2}, {3, 4, 2, 1}, {3, 4, 1, 2}, {3, 2, 4, 1},
        {4, 1, 2, 3}, {4, 3, 2, 1}, {4, 2, 1, 3}, {4, 3, 1, 2}, {4, 1, 3, 2}, {4, 2, 3, 1},
    }};
    for (int row = 1; row <= 24; ++row) {
        const auto &cards = rows[row - 1];
        QTest::addRow("row %d: card%d card%d card%d card%d", row, cards[0], cards[1], cards[2],
                      cards[3])
            << row << QList<int>(cards.begin(), cards.end());
    }
}

void AnswerTest::cardOrder()
{
    QFETCH(int, row);
    QFETCH(QList<int>, positions);

    for (int &p : positions)
        --p;
    const auto &tried = AnswerSearch::cardOrder[row - 1];
    QCOMPARE(QList<int>(tried.begin(), tried.end()), positions);
    const auto &walked = ChainWalk::cardOrder[row - 1];
    QCOMPARE(QList<int>(walked.begin(), walked.end()), positions);
}

// The search takes shortcuts; it must still settle on exactly the hit that
// the plain walk through all 1,536 candidates meets last.
void AnswerTest::lastHitIsTheLastOfAllHitsForEveryDeal()
{
    int solvable = 0;
    for (qint16 a = 1; a <= 13; ++a)
        for (qint16 b = 1; b <= 13; ++b)
            for (qint16 c = 1; c <= 13; ++c)
                for (qint16 d = 1; d <= 13; ++d) {
                    std::optional<AnswerSearch::Hit> last;
                    ChainWalk::forEachHit({a, b, c, d},
                                          [&last](const AnswerSearch::Hit &hit) { last = hit; });
                    if (AnswerSearch::lastHit({a, b, c, d}) != last)
                        QFAIL(qPrintable(
                            QStringLiteral("deal %1 %2 %3 %4").arg(a).arg(b).arg(c).arg(d)));
                    solvable += last.has_value();
                }
    QVERIFY(solvable > 0 && solvable < 28561);
}

void AnswerTest::tally_data()
{
    QTest::addColumn<QList<int>>("deal");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("noSolution"); // Label6
    QTest::addColumn<QString>("lost");       // Label9

    QTest::newRow("a deal without a solution") << QList{1, 1, 1, 1} << "answer"
                                               << "1"
                                               << "0";
    QTest::newRow("a deal with a hit") << QList{1, 2, 3, 4} << "answer"
                                       << "0"
                                       << "1";
    QTest::newRow("a second Answer in the same deal") << QList{1, 1, 1, 1} << "answer answer"
                                                      << "1"
                                                      << "0";
    QTest::newRow("Answer after a lost play") << QList{1, 2, 3, 4} << "1 + 2 + 3 + 4 answer"
                                              << "0"
                                              << "1";
    QTest::newRow("Answer after a won play") << QList{1, 2, 3, 4} << "1 + 2 + 3 * 4 answer"
                                             << "0"
                                             << "0";
    QTest::newRow("two deals answered") << QList{1, 1, 1, 1} << "answer new answer"
                                        << "1"
                                        << "1";
}

void AnswerTest::tally()
{
    QFETCH(QList<int>, deal);
    QFETCH(QString, moves);
    QFETCH(QString, noSolution);
    QFETCH(QString, lost);

    GameTable table;
    table.deal(deal[0], deal[1], deal[2], deal[3]);
    table.platform.queueDeal(1, 2, 3, 4);
    table.play(moves);
    QCOMPARE(table.text("Label6"), noSolution);
    QCOMPARE(table.state().noSolutionCount, noSolution.toInt());
    QCOMPARE(table.text("Label9"), lost);
    QVERIFY(!table.state().dealLock);
}

void AnswerTest::doesNothingWhenNoDealIsOpen_data()
{
    QTest::addColumn<QString>("moves");

    QTest::newRow("before the first deal") << "";
    QTest::newRow("after a verdict") << "new 1 + 2 + 3 + 4";
    QTest::newRow("after Answer") << "new answer";
}

void AnswerTest::doesNothingWhenNoDealIsOpen()
{
    QFETCH(QString, moves);

    GameTable table;
    table.platform.queueDeal(1, 2, 3, 4);
    table.play(moves);
    const RoundState before = table.state();
    const QStringList labels{table.text("Label1"), table.text("Label6"), table.text("Label9")};

    table.press("Command2");
    QCOMPARE((QStringList{table.text("Label1"), table.text("Label6"), table.text("Label9")}),
             labels);
    QCOMPARE(table.state().found, before.found);
    QCOMPARE(table.state().inPlay, before.inPlay);
    QCOMPARE(table.state().noSolutionCount, before.noSolutionCount);
}

void AnswerTest::leavesThePlayersStateAlone()
{
    GameTable table;
    table.deal(1, 2, 3, 4);
    table.play("2 * 4 +");
    const RoundState before = table.state();
    std::array<const QImage *, 4> faces{};
    for (int index = 1; index <= 4; ++index)
        faces[index - 1] = table.card(index)->picture();

    table.press("Command2");
    QCOMPARE(table.state().opName, before.opName);
    QCOMPARE(table.state().opCount, before.opCount);
    QCOMPARE((std::array{table.state().used1, table.state().used2, table.state().used3,
                         table.state().used4}),
             (std::array{before.used1, before.used2, before.used3, before.used4}));
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(table.card(index)->picture(), faces[index - 1]);
}

void AnswerTest::newGameDealsAfterAnswer()
{
    GameTable table;
    table.deal(1, 2, 3, 4);
    table.press("Command2");
    table.deal(6, 6, 6, 6);
    QCOMPARE(table.text("Label3"), QStringLiteral("2"));
    QCOMPARE(table.text("Label1"), QStringLiteral("0"));
    QCOMPARE(table.state().card1, 6);
    QVERIFY(table.state().dealLock && table.state().inPlay && !table.state().found);
}

void AnswerTest::noSolutionCountStopsAtItsLargestValue()
{
    GameTable table;
    // No draws queued: every deal is four aces, which have no solution.
    for (int deal = 1; deal <= 32767; ++deal) {
        table.form.Command1_Click();
        table.form.Command2_Click();
    }
    QCOMPARE(table.state().noSolutionCount, 32767);

    table.press("Command1");
    table.press("Command2");
    QCOMPARE(table.state().noSolutionCount, 32767);
    QCOMPARE(table.text("Label6"), QStringLiteral("32767"));
    QCOMPARE(table.text("Label9"), QStringLiteral("0"));
    QVERIFY(!table.state().dealLock && !table.state().inPlay);
}

QTEST_MAIN(AnswerTest)
#include "tst_answer.moc"
