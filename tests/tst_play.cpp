// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTable.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {
const QString won = QStringLiteral("Congradulations, you got 24");
const QString lost = QStringLiteral("You failed. Try a new game");
const QString refusal = QStringLiteral("You have clicked this card!");

// "4 6 1 1" deals those values; an empty text deals nothing.
void dealFrom(GameTable &table, const QString &cards)
{
    const QStringList values = cards.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (values.size() == 4)
        table.deal(values[0].toInt(), values[1].toInt(), values[2].toInt(), values[3].toInt());
}

QString usedFlags(const RoundState &s)
{
    return QString::number(s.used1) + QString::number(s.used2) + QString::number(s.used3) +
           QString::number(s.used4);
}
} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void operatorPresses_data();
    void operatorPresses();
    void opCountStopsAtItsLargestValue();
    void aDoubleClickOnAnOperatorIsTwoPresses();
    void plays_data();
    void plays();
    void theOverviewDealStepByStep();
    void aTakenCardIsRefused_data();
    void aTakenCardIsRefused();
    void countsPastTheLargestValue_data();
    void countsPastTheLargestValue();
    void playIgnoresTheUsersLocale();
    void playsByKeysAlone_data();
    void playsByKeysAlone();
};

void PlayTest::operatorPresses_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("opName");
    QTest::addColumn<int>("opCount");

    QTest::newRow("plus") << "4 6 1 1"
                          << "+"
                          << "add" << 1;
    QTest::newRow("minus") << "4 6 1 1"
                           << "-"
                           << "minus" << 1;
    QTest::newRow("multiply") << "4 6 1 1"
                              << "*"
                              << "multiply" << 1;
    QTest::newRow("divide") << "4 6 1 1"
                            << "/"
                            << "divide" << 1;
    QTest::newRow("the second press replaces the word") << "4 6 1 1"
                                                        << "+ *"
                                                        << "multiply" << 2;
    QTest::newRow("a fourth press") << "4 6 1 1"
                                    << "1 + 2 + 3 + 4 -"
                                    << "minus" << 4;
    QTest::newRow("before the first deal") << ""
                                           << "/ +"
                                           << "add" << 2;
    QTest::newRow("the first deal resets them") << ""
                                                << "/ + new"
                                                << "none" << 0;
    QTest::newRow("after Answer") << "4 6 1 1"
                                  << "answer * /"
                                  << "divide" << 2;
}

void PlayTest::operatorPresses()
{
    QFETCH(QString, cards);
    QFETCH(QString, moves);
    QFETCH(QString, opName);
    QFETCH(int, opCount);

    GameTable table;
    dealFrom(table, cards);
    table.platform.queueDeal(4, 6, 1, 1); // for a "new" in the moves
    const QString line = table.text("Label1");
    table.play(moves);
    QCOMPARE(table.state().opName, opName);
    QCOMPARE(table.state().opCount, opCount);
    if (!moves.contains(QRegularExpression(QStringLiteral("[0-9]|new|answer"))))
        QCOMPARE(table.text("Label1"), line); // a press shows nothing
}

void PlayTest::opCountStopsAtItsLargestValue()
{
    GameTable table;
    table.deal(4, 6, 1, 1);
    for (int press = 1; press <= 40000; ++press)
        table.form.Command3_Click();
    QCOMPARE(table.state().opCount, 32767);
    // Far past three, a card is never judged.
    table.play("1 2");
    QCOMPARE(table.text("Label1"), QStringLiteral(" 10"));
    QVERIFY(table.state().dealLock);
}

void PlayTest::plays_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("line");  // Label1
    QTest::addColumn<int>("wins");      // Label2
    QTest::addColumn<int>("losses");    // Label9
    QTest::addColumn<int>("deals");     // Label3
    QTest::addColumn<bool>("dealOpen"); // dealLock
    QTest::addColumn<QString>("used");

    // Whole deals, judged at the first card after the third press.
    QTest::newRow("4 x 6 x 1 x 1 wins") << "4 6 1 1"
                                        << "1 * 2 * 3 * 4" << won << 1 << 0 << 1 << false << "1111";
    QTest::newRow("7 x 7 x 1 / 2 = 24.5 wins")
        << "7 7 1 2"
        << "1 * 2 * 3 / 4" << won << 1 << 0 << 1 << false << "1111";
    QTest::newRow("4 + 6 + 1 + 1 loses")
        << "4 6 1 1"
        << "1 + 2 + 3 + 4" << lost << 0 << 1 << 1 << false << "1111";
    QTest::newRow("order matters: 6 - 4 x 1 x 1 loses")
        << "4 6 1 1"
        << "2 - 1 * 3 * 4" << lost << 0 << 1 << 1 << false << "1111";
    QTest::newRow("25 loses") << "5 5 1 1"
                              << "1 * 2 * 3 * 4" << lost << 0 << 1 << 1 << false << "1111";

    // The running result, read back and floored before each step.
    QTest::newRow("the first card shows its value") << "4 6 1 1"
                                                    << "2"
                                                    << " 6" << 0 << 0 << 1 << true << "0100";
    QTest::newRow("1 / 3 keeps its fraction")
        << "1 3 5 2"
        << "1 / 2"
        << " 0.333333333333333" << 0 << 0 << 1 << true << "1100";
    QTest::newRow("1 / 3 then + 5 gives 5") << "1 3 5 2"
                                            << "1 / 2 + 3"
                                            << " 5" << 0 << 0 << 1 << true << "1110";
    QTest::newRow("3 - 5 shows -2") << "3 5 4 7"
                                    << "1 - 2"
                                    << "-2" << 0 << 0 << 1 << true << "1100";
    QTest::newRow("-2 / 4 shows -0.5") << "3 5 4 7"
                                       << "1 - 2 / 3"
                                       << "-0.5" << 0 << 0 << 1 << true << "1110";
    QTest::newRow("-0.5 counts as -1 for the next card")
        << "3 5 4 7"
        << "1 - 2 / 3 4"
        << "-0.142857142857143" << 0 << 0 << 1 << true << "1111";
    QTest::newRow("24 after two presses is not judged") << "4 6 1 1"
                                                        << "1 * 2"
                                                        << " 24" << 0 << 0 << 1 << true << "1100";
    QTest::newRow("the pending operator applies again") << "4 6 2 1"
                                                        << "1 * 2 3"
                                                        << " 48" << 0 << 0 << 1 << true << "1110";
    QTest::newRow("two cards before any operator: the second stands")
        << "4 6 1 1"
        << "1 2"
        << " 6" << 0 << 0 << 1 << true << "1100";
    QTest::newRow("multiply before the first card gives 0")
        << "4 6 1 1"
        << "* 1"
        << " 0" << 0 << 0 << 1 << true << "1000";
    QTest::newRow("minus before the first card gives its negative")
        << "4 6 1 1"
        << "- 2"
        << "-6" << 0 << 0 << 1 << true << "0100";
    QTest::newRow("of two presses only the last applies") << "4 6 1 1"
                                                          << "1 + * 2"
                                                          << " 24" << 0 << 0 << 1 << true << "1100";

    // Which click is judged.
    QTest::newRow("third press before the third card: that card is judged")
        << "4 6 1 1"
        << "1 * * 2 * 3" << won << 1 << 0 << 1 << false << "1110";
    QTest::newRow("a card after the verdict is taken and changes nothing")
        << "4 6 1 1"
        << "1 * * 2 * 3 4" << won << 1 << 0 << 1 << false << "1111";
    QTest::newRow("a fourth press: never judged, New Game refused")
        << "4 6 1 1"
        << "1 * 2 * 3 * * 4 new"
        << " 24" << 0 << 0 << 1 << true << "1111";
    QTest::newRow("a fourth press: Answer closes the deal") << "4 6 1 1"
                                                            << "1 * 2 * 3 * * 4 answer new"
                                                            << "0" << 0 << 1 << 2 << true << "0000";
    QTest::newRow("all cards taken after two presses: open until Answer")
        << "4 6 1 1"
        << "1 * 2 * 3 4 new"
        << " 24" << 0 << 0 << 1 << true << "1111";

    // Before the first deal the values are 0 and no operator is named.
    QTest::newRow("before the first deal a click only takes the card")
        << ""
        << "1"
        << "0" << 0 << 0 << 0 << false << "1000";
    QTest::newRow("before the first deal 0 / 0 leaves the line")
        << ""
        << "/ 1"
        << "0" << 0 << 0 << 0 << false << "1000";
    QTest::newRow("before the first deal three presses judge a loss")
        << ""
        << "* - + 1" << lost << 0 << 1 << 0 << false << "1000";

    // After Answer.
    QTest::newRow("after Answer with no operator play goes on")
        << "4 6 1 1"
        << "answer 1"
        << " 4" << 0 << 1 << 1 << false << "1000";
    QTest::newRow("after Answer a win is still counted")
        << "4 6 1 1"
        << "answer 1 * 2 * 3 * 4" << won << 1 << 1 << 1 << false << "1111";
    QTest::newRow("after Answer with an operator pending nothing changes")
        << "4 6 1 1"
        << "1 * answer 2"
        << "(( 6/ 1)/ 1)* 4=24" << 0 << 1 << 1 << false << "1100";
    QTest::newRow("after No solution with an operator pending nothing changes")
        << "1 1 1 1"
        << "1 + answer 2 + 3 + 4"
        << "No solution." << 0 << 0 << 1 << false << "1111";
}

void PlayTest::plays()
{
    QFETCH(QString, cards);
    QFETCH(QString, moves);
    QFETCH(QString, line);
    QFETCH(int, wins);
    QFETCH(int, losses);
    QFETCH(int, deals);
    QFETCH(bool, dealOpen);
    QFETCH(QString, used);

    GameTable table;
    dealFrom(table, cards);
    table.platform.queueDeal(4, 6, 1, 1); // for a "new" in the moves
    table.play(moves);

    QCOMPARE(table.text("Label1"), line);
    QCOMPARE(table.text("Label2"), QString::number(wins));
    QCOMPARE(table.state().winCount, wins);
    QCOMPARE(table.text("Label9"), QString::number(losses));
    QCOMPARE(table.text("Label3"), QString::number(deals));
    QCOMPARE(table.state().dealLock, dealOpen);
    QCOMPARE(usedFlags(table.state()), used);
    QVERIFY(table.platform.messages.isEmpty());
}

void PlayTest::theOverviewDealStepByStep()
{
    const QList<std::pair<QString, QString>> steps{
        {"1", " 4"},  {"*", " 4"},  {"2", " 24"}, {"*", " 24"},
        {"3", " 24"}, {"*", " 24"}, {"4", won},
    };
    GameTable table;
    table.deal(4, 6, 1, 1);
    for (const auto &[move, line] : steps) {
        table.play(move);
        QCOMPARE(table.text("Label1"), line);
    }
    QCOMPARE(table.state().winCount, 1);
    QCOMPARE(table.text("Label2"), QStringLiteral("1"));
    QVERIFY(!table.state().dealLock);
    QCOMPARE(table.state().opName, QStringLiteral("multiply"));
    QCOMPARE(table.state().opCount, 3);
    QVERIFY(table.state().inPlay); // a verdict leaves the Answer tally alone
}

void PlayTest::aTakenCardIsRefused_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("again");

    QTest::newRow("straight away") << "4 6 1 1"
                                   << "1" << 1;
    QTest::newRow("with an operator pending") << "4 6 1 1"
                                              << "2 * 1" << 2;
    QTest::newRow("the judged card after a win") << "4 6 1 1"
                                                 << "1 * 2 * 3 * 4" << 4;
    QTest::newRow("after a loss") << "4 6 1 1"
                                  << "1 + 2 + 3 + 4" << 2;
    QTest::newRow("after Answer") << "4 6 1 1"
                                  << "3 answer" << 3;
    QTest::newRow("before the first deal") << ""
                                           << "2" << 2;
}

void PlayTest::aTakenCardIsRefused()
{
    QFETCH(QString, cards);
    QFETCH(QString, moves);
    QFETCH(int, again);

    GameTable table;
    dealFrom(table, cards);
    table.play(moves);
    const QString line = table.text("Label1");
    const RoundState before = table.state();

    table.clickCard(again);
    QCOMPARE(table.platform.messages, QStringList{refusal});
    QCOMPARE(table.text("Label1"), line);
    QCOMPARE(table.state().dealLock, before.dealLock);
    QCOMPARE(table.state().winCount, before.winCount);
    QCOMPARE(usedFlags(table.state()), usedFlags(before));
    QCOMPARE(table.state().opCount, before.opCount);

    table.clickCard(again);
    QCOMPARE(table.platform.messages.size(), 2);
}

// The won count is 16 bits wide and stops at its largest value; the lost
// count is only its label's text, read as a number and written back one
// higher, and goes on.
void PlayTest::countsPastTheLargestValue_data()
{
    QTest::addColumn<QString>("moves"); // one deal of 4 6 1 1, played again and again
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QString>("shown"); // after 32,768 such deals
    QTest::addColumn<int>("winCount");

    QTest::newRow("the won count stops at 32767")
        << "1 * 2 * 3 * 4" << won << QByteArray("Label2") << "32767" << 32767;
    QTest::newRow("the lost count goes on to 32768")
        << "1 + 2 + 3 + 4" << lost << QByteArray("Label9") << "32768" << 0;
}

void PlayTest::countsPastTheLargestValue()
{
    QFETCH(QString, moves);
    QFETCH(QString, verdict);
    QFETCH(QByteArray, label);
    QFETCH(QString, shown);
    QFETCH(int, winCount);

    GameTable table;
    // Straight to the handlers: tens of thousands of clicks would take long.
    auto playDeal = [&] {
        table.platform.queueDeal(4, 6, 1, 1);
        table.form.Command1_Click();
        for (const QString &move : moves.split(QLatin1Char(' '))) {
            if (move == QLatin1String("+"))
                table.form.Command3_Click();
            else if (move == QLatin1String("*"))
                table.form.Command5_Click();
            else
                table.form.Picture3_Click(static_cast<qint16>(move.toInt()));
        }
    };
    for (int deal = 1; deal <= 32767; ++deal)
        playDeal();
    QCOMPARE(table.text(label.constData()), QStringLiteral("32767"));
    QCOMPARE(table.state().winCount, winCount);

    playDeal();
    QCOMPARE(table.text(label.constData()), shown);
    QCOMPARE(table.state().winCount, winCount);
    QCOMPARE(table.text("Label1"), verdict);
    QVERIFY(!table.state().dealLock);
}

void PlayTest::playIgnoresTheUsersLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    GameTable table;
    table.deal(7, 2, 1, 1);
    table.play("1 / 2");
    const QString half = table.text("Label1");
    table.play("* 3");
    const QString product = table.text("Label1");
    QLocale::setDefault(previous);

    QCOMPARE(half, QStringLiteral(" 3.5"));
    QCOMPARE(product, QStringLiteral(" 3"));
}

// Unlike a card, a button takes both clicks of a double-click.
void PlayTest::aDoubleClickOnAnOperatorIsTwoPresses()
{
    GameTable table;
    table.deal(4, 6, 1, 1);
    table.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.form));
    QPushButton *plus = table.button("Command3");
    QTest::mouseDClick(table.form.windowHandle(), Qt::LeftButton, {},
                       plus->mapTo(&table.form, plus->rect().center()));
    QCOMPARE(table.state().opCount, 2);
}

// Keys press the same controls as the mouse: the rules of play, the
// refusals included, hold the same.
void PlayTest::playsByKeysAlone_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QList<int>>("counts"); // won, lost, no solution, total
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("open");

    QTest::newRow("F2 and the main keys win")
        << "F2 1 * 2 * 3 * 4" << won << QList<int>{1, 0, 0, 1} << 0 << true;
    QTest::newRow("Ctrl+N and the keypad win") << "Ctrl+N Num+1 Num+* Num+2 Num+* Num+3 Num+* Num+4"
                                               << won << QList<int>{1, 0, 0, 1} << 0 << true;
    QTest::newRow("a lost deal") << "F2 1 + 2 - 3 / 4" << lost << QList<int>{0, 1, 0, 1} << 0
                                 << true;
    QTest::newRow("a taken card is refused") << "F2 1 1"
                                             << " 4" << QList<int>{0, 0, 0, 1} << 1 << true;
    QTest::newRow("a held card key takes the card once")
        << "F2 2~"
        << " 6" << QList<int>{0, 0, 0, 1} << 0 << true;
    QTest::newRow("New Game is refused while the deal is open")
        << "F2 1 F2 Ctrl+N"
        << " 4" << QList<int>{0, 0, 0, 1} << 0 << true;
    QTest::newRow("Return presses the focused button: Answer")
        << "F2 Tab Tab Tab Tab Tab Return"
        << "(( 6/ 1)/ 1)* 4=24" << QList<int>{0, 1, 0, 1} << 0 << true;
    QTest::newRow("Enter presses the focused button: New Game")
        << "Enter 3"
        << " 1" << QList<int>{0, 0, 0, 1} << 0 << true;
    QTest::newRow("F1 shows the help") << "F2 1 F1"
                                       << " 4" << QList<int>{0, 0, 0, 1} << 1 << true;
    QTest::newRow("Ctrl+Q quits") << "F2 1 Ctrl+Q"
                                  << " 4" << QList<int>{0, 0, 0, 1} << 0 << false;
}

void PlayTest::playsByKeysAlone()
{
    QFETCH(QString, keys);
    QFETCH(QString, result);
    QFETCH(QList<int>, counts);
    QFETCH(int, messages);
    QFETCH(bool, open);

    GameTable table;
    table.platform.queueDeal(4, 6, 1, 1);
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.type(keys);
    QCOMPARE(table.text("Label1"), result);
    QStringList expected;
    for (int count : counts)
        expected << QString::number(count);
    QCOMPARE((QStringList{table.text("Label2"), table.text("Label9"), table.text("Label6"),
                          table.text("Label3")}),
             expected);
    QCOMPARE(table.platform.messages.size(), messages);
    QCOMPARE(table.form.isVisible(), open);
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
