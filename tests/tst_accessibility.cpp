// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTable.h"

#include "about/frmAbout.h"
#include "game/Announcer.h"
#include "game/CardBox.h"
#include "game/CardName.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {
QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}
} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void cardNames_data();
    void cardNames();
    void cardBoxesNameTheirCards();
    void cardBoxesArePressableButtons_data();
    void cardBoxesArePressableButtons();
    void controlsAreNamedByTheirCaptions_data();
    void controlsAreNamedByTheirCaptions();
    void aboutBoxIsReadable_data();
    void aboutBoxIsReadable();
    void countsAreLabelledByTheirCaptions_data();
    void countsAreLabelledByTheirCaptions();
    void theRunningResultIsReadable();
    void aWholeDealFromTheKeyboardAlone();
    void whatIsAnnounced_data();
    void whatIsAnnounced();
    void takenCardsSaySo_data();
    void takenCardsSaySo();
    void theStatusBarSumsUpTheGame_data();
    void theStatusBarSumsUpTheGame();
    void f10OpensTheMenuBar_data();
    void f10OpensTheMenuBar();
};

void AccessibilityTest::cardNames_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("suit");
    QTest::addColumn<QString>("name");

    QTest::newRow("ace") << 1 << 0 << "Ace of spades";
    QTest::newRow("seven") << 7 << 1 << "Seven of hearts";
    QTest::newRow("ten") << 10 << 2 << "Ten of clubs";
    QTest::newRow("jack") << 11 << 2 << "Jack of clubs";
    QTest::newRow("queen") << 12 << 1 << "Queen of hearts";
    QTest::newRow("king") << 13 << 3 << "King of diamonds";
}

void AccessibilityTest::cardNames()
{
    QFETCH(int, value);
    QFETCH(int, suit);
    QFETCH(QString, name);
    QCOMPARE(CardName::of(value, suit), name);
}

void AccessibilityTest::cardBoxesNameTheirCards()
{
    GameTable table;
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(accessible(table.card(index))->text(QAccessible::Name), QStringLiteral("No card"));

    for (int value : {7, 1, 13, 12})
        table.platform.draws.push_back(FakePlatform::drawForValue(value));
    for (int suit : {1, 0, 3, 2})
        table.platform.draws.push_back(FakePlatform::drawForSuit(suit));
    table.press("Command1");

    const QStringList expected{"Seven of hearts", "Ace of spades", "King of diamonds",
                               "Queen of clubs"};
    for (int index = 1; index <= 4; ++index) {
        QCOMPARE(accessible(table.card(index))->text(QAccessible::Name), expected[index - 1]);
    }
}

void AccessibilityTest::cardBoxesArePressableButtons_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Space") << "space";
    QTest::newRow("Return") << "return";
    QTest::newRow("Enter on the keypad") << "enter";
    QTest::newRow("press action") << "action";
}

// Every way of pressing a card box is the mouse click: the same play, and
// the same refusal the second time.
void AccessibilityTest::cardBoxesArePressableButtons()
{
    QFETCH(QString, how);

    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.deal(4, 6, 1, 1);
    CardBox *box = table.card(2);
    QAccessibleInterface *face = accessible(box);
    QCOMPARE(face->role(), QAccessible::Button);
    QVERIFY(
        face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    auto pressIt = [&] {
        if (how == QLatin1String("action"))
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else {
            box->setFocus();
            const Qt::Key key = how == QLatin1String("space")    ? Qt::Key_Space
                                : how == QLatin1String("return") ? Qt::Key_Return
                                                                 : Qt::Key_Enter;
            QTest::keyClick(box, key);
        }
    };
    pressIt();
    QCOMPARE(table.text("Label1"), QStringLiteral(" 6"));
    QCOMPARE(table.state().used2, 1);
    QVERIFY(table.platform.messages.isEmpty());
    pressIt();
    QCOMPARE(table.platform.messages, QStringList{"You have clicked this card!"});
}

void AccessibilityTest::controlsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("Command1") << "Command1"
                              << "New Game";
    QTest::newRow("Command2") << "Command2"
                              << "Answer";
    QTest::newRow("Command3") << "Command3"
                              << "Plus (+)";
    QTest::newRow("Command6") << "Command6"
                              << "Divide (/)";
    QTest::newRow("Label1") << "Label1"
                            << "0";
    QTest::newRow("Label4") << "Label4"
                            << "You won:";
    QTest::newRow("Label9") << "Label9"
                            << "0";
}

void AccessibilityTest::controlsAreNamedByTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);

    GameTable table;
    QAccessibleInterface *control = accessible(table.form.findChild<QWidget *>(name));
    QCOMPARE(control->text(QAccessible::Name), spoken);
    if (name.startsWith(QLatin1String("Label")))
        QCOMPARE(control->text(QAccessible::Description), name);
}

void AccessibilityTest::aboutBoxIsReadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("cmdOK") << "cmdOK"
                           << "OK";
    QTest::newRow("cmdSysInfo, without its ampersand") << "cmdSysInfo"
                                                       << "System Info...";
    QTest::newRow("lblTitle") << "lblTitle"
                              << "Merovant";
    QTest::newRow("lblVersion") << "lblVersion"
                                << "Version 1.0.0";
    QTest::newRow("picIcon") << "picIcon"
                             << "Application icon";
    // Too short to be read as the box opens on their own, they are in its name.
    QTest::newRow("the box, with its title and version") << ""
                                                         << "About Merovant, Version 1.0.0";
}

void AccessibilityTest::aboutBoxIsReadable()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);

    GameTable table;
    table.choose("about");
    QCOMPARE(GameTable::aboutBoxes().size(), 1);
    frmAbout *box = GameTable::aboutBoxes().first();
    QWidget *control = name.isEmpty() ? box : box->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(accessible(control)->text(QAccessible::Name), spoken);
    box->close();
}

void AccessibilityTest::countsAreLabelledByTheirCaptions_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("caption");

    QTest::newRow("won") << "Label2"
                         << "You won:";
    QTest::newRow("lost") << "Label9"
                          << "You lost:";
    QTest::newRow("no solution") << "Label6"
                                 << "No solution:";
    QTest::newRow("total") << "Label3"
                           << "Total:";
}

void AccessibilityTest::countsAreLabelledByTheirCaptions()
{
    QFETCH(QString, count);
    QFETCH(QString, caption);

    GameTable table;
    const auto relations =
        accessible(table.form.findChild<QLabel *>(count))->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.first().first->text(QAccessible::Name), caption);
}

void AccessibilityTest::theRunningResultIsReadable()
{
    GameTable table;
    table.deal(4, 6, 1, 1);
    table.play("1");
    QCOMPARE(accessible(table.label("Label1"))->text(QAccessible::Name), QStringLiteral(" 4"));
}

// New Game, then the cards and operators reached with Tab and Shift+Tab and
// pressed with Space.
void AccessibilityTest::aWholeDealFromTheKeyboardAlone()
{
    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.platform.queueDeal(4, 6, 1, 1);

    auto focused = [] { return QApplication::focusWidget()->objectName(); };
    auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    };
    auto tabTo = [&](const QString &name) {
        for (int step = 0; step < 12 && focused() != name; ++step)
            key(Qt::Key_Tab);
        QCOMPARE(focused(), name);
    };

    QCOMPARE(focused(), QStringLiteral("Command1"));
    key(Qt::Key_Space);
    QCOMPARE(table.text("Label3"), QStringLiteral("1"));
    for (const char *move : {"Picture3_1", "Command5", "Picture3_2", "Command5", "Picture3_3",
                             "Command5", "Picture3_4"}) {
        tabTo(QLatin1String(move));
        key(Qt::Key_Space);
    }
    QCOMPARE(table.text("Label1"), QStringLiteral("Congradulations, you got 24"));
    QCOMPARE(table.text("Label2"), QStringLiteral("1"));
}

// What a screen reader speaks after the last key: the hand with the count of
// deals, each result, the verdict and the count that moved. Cards 4, 6, 1, 1,
// all spades, then 1, 1, 1, 1; the keys as GameTable::type writes them.
void AccessibilityTest::whatIsAnnounced_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("said");

    QTest::newRow("a new hand, and the deal counted")
        << "F2"
        << "Four of spades, Six of spades, Ace of spades, Ace of spades. Total: 1";
    QTest::newRow("a card: the running result, without its blank") << "F2 1"
                                                                   << "4";
    QTest::newRow("a negative result") << "F2 1 - 2"
                                       << "-2";
    QTest::newRow("an unchanged result is said again") << "F2 1 * 2 * 3"
                                                       << "24";
    QTest::newRow("a win and its count") << "F2 1 * 2 * 3 * 4"
                                         << "Congradulations, you got 24. You won: 1";
    QTest::newRow("a loss and its count") << "F2 1 + 2 - 3 / 4"
                                          << "You failed. Try a new game. You lost: 1";
    QTest::newRow("Answer in words, and the deal counted lost")
        << "F2 Tab Tab Tab Tab Tab Return"
        << "6 divided by 1, divided by 1, times 4, equals 24. You lost: 1";
    QTest::newRow("a refused card adds nothing to its message") << "F2 1 1"
                                                                << "4";
    QTest::newRow("the next hand after a verdict")
        << "F2 1 * 2 * 3 * 4 F2"
        << "Ace of spades, Ace of spades, Ace of spades, Ace of spades. Total: 2";
    QTest::newRow("no solution, with one full stop") << "F2 Tab Tab Tab Tab Tab Return F2 Return"
                                                     << "No solution. No solution: 1";
}

void AccessibilityTest::whatIsAnnounced()
{
    QFETCH(QString, keys);
    QFETCH(QString, said);

    GameTable table;
    table.platform.queueDeal(4, 6, 1, 1);
    table.platform.queueDeal(1, 1, 1, 1);
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.type(keys);
    auto *announcer = table.form.findChild<Announcer *>();
    QVERIFY(announcer);
    QVERIFY(!announcer->isVisible());
    QCOMPARE(announcer->lastSaid(), said);
}

void AccessibilityTest::takenCardsSaySo_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("dealt") << "new"
                           << QStringList{"Four of spades", "Six of spades", "Ace of spades",
                                          "Ace of spades"};
    QTest::newRow("two taken") << "new 1 * 3"
                               << QStringList{"Four of spades, taken", "Six of spades",
                                              "Ace of spades, taken", "Ace of spades"};
    QTest::newRow("refused, still taken once")
        << "new 2 2"
        << QStringList{"Four of spades", "Six of spades, taken", "Ace of spades", "Ace of spades"};
    QTest::newRow("a new deal clears them")
        << "new 1 * 2 * 3 * 4 new"
        << QStringList{"Four of spades", "Six of spades", "Ace of spades", "Ace of spades"};
}

void AccessibilityTest::takenCardsSaySo()
{
    QFETCH(QString, script);
    QFETCH(QStringList, names);

    GameTable table;
    table.platform.queueDeal(4, 6, 1, 1);
    table.platform.queueDeal(4, 6, 1, 1);
    table.play(script);
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(accessible(table.card(index))->text(QAccessible::Name), names[index - 1]);
}

// A screen reader's command to read the status bar tells the state of the
// game, the status bar never being shown.
void AccessibilityTest::theStatusBarSumsUpTheGame_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("summary");

    QTest::newRow("at start") << ""
                              << "0. You won: 0. You lost: 0. No solution: 0. Total: 0";
    QTest::newRow("after a win")
        << "F2 1 * 2 * 3 * 4"
        << "Congradulations, you got 24. You won: 1. You lost: 0. No solution: 0. Total: 1";
}

void AccessibilityTest::theStatusBarSumsUpTheGame()
{
    QFETCH(QString, keys);
    QFETCH(QString, summary);

    GameTable table;
    table.platform.queueDeal(4, 6, 1, 1);
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.type(keys);
    auto *announcer = table.form.findChild<Announcer *>();
    QVERIFY(!announcer->isVisible());
    QAccessibleInterface *bar = accessible(announcer);
    QCOMPARE(bar->role(), QAccessible::StatusBar);
    QCOMPARE(bar->text(QAccessible::Name), summary);
    QCOMPARE(bar->child(0)->role(), QAccessible::Notification);
#ifdef Q_OS_WIN
    // Where NVDA looks for a window's status bar: at its bottom-left corner.
    QAccessibleInterface *found = accessible(&table.form);
    const QPoint corner = table.form.geometry().bottomLeft() + QPoint(1, -1);
    while (QAccessibleInterface *inner = found->childAt(corner.x(), corner.y()))
        found = inner;
    QCOMPARE(found->object(), announcer);
#endif
}

// As on the desktop: F10 puts the keyboard on the menu bar's first command;
// Esc or a chosen command gives it back.
void AccessibilityTest::f10OpensTheMenuBar_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("highlighted");
    QTest::addColumn<int>("messages");

    QTest::newRow("on Quit") << "F10"
                             << "menu bar"
                             << "quit" << 0;
    QTest::newRow("Right to Help") << "F10 Right"
                                   << "menu bar"
                                   << "help" << 0;
    QTest::newRow("Esc goes back") << "F10 Esc"
                                   << "Command1"
                                   << "" << 0;
    QTest::newRow("F10 again goes back") << "F10 Right F10"
                                         << "Command1"
                                         << "" << 0;
    QTest::newRow("Enter chooses Help and goes back") << "F10 Right Return"
                                                      << "Command1"
                                                      << "" << 1;
    QTest::newRow("Enter opens About; the focus waits behind it") << "F10 Right Right Return"
                                                                  << "Command1"
                                                                  << "" << 0;
}

void AccessibilityTest::f10OpensTheMenuBar()
{
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(QString, highlighted);
    QFETCH(int, messages);

    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    table.type(keys);
    auto *bar = table.form.findChild<QMenuBar *>();
    // A window that a command opens comes to the front in a moment.
    QTRY_COMPARE(table.form.focusWidget() == bar ? QStringLiteral("menu bar")
                                                 : table.form.focusWidget()->objectName(),
                 focus);
    QCOMPARE(bar->activeAction() ? bar->activeAction()->objectName() : QString(), highlighted);
    QCOMPARE(table.platform.messages.size(), messages);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
