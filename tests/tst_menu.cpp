// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands Quit, Help and About on the game table.
#include "GameTable.h"

#include "about/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
const QString helpText = QStringLiteral(
    "Merovant is a very easy card game. The purpose is to use four arithmatic symbols to get 24 "
    "from the numbers of cards. It is easy to play, but hard to beat computer. You may click "
    "Anwser button to see the result.");

template <typename T = QWidget> T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// What the About box's load step writes: its title, lblTitle and lblVersion.
QStringList loadedTexts(frmAbout *box)
{
    return {box->windowTitle(), child<QLabel>(box, "lblTitle")->text(),
            child<QLabel>(box, "lblVersion")->text()};
}

// Marks that only a run of the load step would overwrite.
const QStringList marked(3, QStringLiteral("mark"));
void markLoadedTexts(frmAbout *box)
{
    box->setWindowTitle(marked[0]);
    child<QLabel>(box, "lblTitle")->setText(marked[1]);
    child<QLabel>(box, "lblVersion")->setText(marked[2]);
}

frmAbout *aboutBox()
{
    const QList<frmAbout *> boxes = GameTable::aboutBoxes();
    return boxes.size() == 1 ? boxes.front() : nullptr;
}

// Everything a menu command must leave alone: the round state and the text
// of every label.
QStringList snapshot(const GameTable &table)
{
    const RoundState &s = table.state();
    QStringList out{
        QStringLiteral("cards %1 %2 %3 %4").arg(s.card1).arg(s.card2).arg(s.card3).arg(s.card4),
        QStringLiteral("used %1 %2 %3 %4").arg(s.used1).arg(s.used2).arg(s.used3).arg(s.used4),
        QStringLiteral("op %1 %2").arg(s.opName).arg(s.opCount),
        QStringLiteral("counts %1 %2 %3").arg(s.winCount).arg(s.gameCount).arg(s.noSolutionCount),
        QStringLiteral("flags %1 %2 %3").arg(s.found).arg(s.inPlay).arg(s.dealLock)};
    for (int i = 1; i <= 9; ++i)
        out.append(table.text(qPrintable(QStringLiteral("Label%1").arg(i))));
    return out;
}

// Runs the event loop as the program does, with `start` as its first event;
// true when the program ended by itself. A stuck loop is ended after a while
// so that the test fails instead of hanging.
bool runProgram(const std::function<void()> &start)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    QTimer::singleShot(0, qApp, start);
    return QApplication::exec() == 0;
}
} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void aboutTwiceWithoutClosing();
    void aboutAgainAfterClosing_data();
    void aboutAgainAfterClosing();
    void aboutIsModelessAndUnowned();
    void help_data();
    void help();
    void quit_data();
    void quit();
    void closingTableLeavesAboutRunning();
};

void TestMenu::cleanup()
{
    // Each test starts from no About box; its table deleted the one it made.
    QVERIFY(GameTable::aboutBoxes().isEmpty());
}

void TestMenu::aboutTwiceWithoutClosing()
{
    GameTable table;
    table.form.show();
    frmAbout *box = &table.openAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));

    table.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    markLoadedTexts(box);

    table.choose("about");
    QCOMPARE(aboutBox(), box);
    QVERIFY(QTest::qWaitForWindowActive(box));
    QCOMPARE(loadedTexts(box), marked);
}

void TestMenu::aboutAgainAfterClosing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("the window's close") << "close";
}

void TestMenu::aboutAgainAfterClosing()
{
    QFETCH(QString, how);
    GameTable table;
    table.form.show();
    frmAbout *box = &table.openAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));
    child(box, "cmdSysInfo")->setFocus();
    markLoadedTexts(box);

    if (how == QLatin1String("OK"))
        child<QPushButton>(box, "cmdOK")->click();
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(box, Qt::Key_Escape);
    else
        box->close();
    QVERIFY(!box->isVisible());
    QVERIFY(table.form.isVisible());

    table.choose("about");
    QCOMPARE(aboutBox(), box);
    QVERIFY(box->isVisible());
    QCOMPARE(loadedTexts(box), (QStringList{"About Merovant", "Merovant", "Version 1.0.0"}));
    QVERIFY(QTest::qWaitForWindowActive(box));
    QCOMPARE(QApplication::focusWidget(), child(box, "cmdOK"));
}

void TestMenu::aboutIsModelessAndUnowned()
{
    GameTable table;
    table.form.show();
    frmAbout *box = &table.openAbout();
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QCOMPARE(box->parentWidget(), nullptr);
    QVERIFY(QTest::qWaitForWindowActive(box));

    // The table goes on working beside the open box.
    table.deal(4, 6, 1, 1);
    QCOMPARE(table.state().gameCount, 1);
    QVERIFY(table.state().dealLock);
    QVERIFY(box->isVisible());
    QVERIFY(table.platform.messages.isEmpty());
}

void TestMenu::help_data()
{
    QTest::addColumn<bool>("deal");
    QTest::addColumn<bool>("aboutOpen");
    QTest::newRow("before any deal") << false << false;
    QTest::newRow("during a deal") << true << false;
    QTest::newRow("during a deal with the About box open") << true << true;
}

void TestMenu::help()
{
    QFETCH(bool, deal);
    QFETCH(bool, aboutOpen);
    GameTable table;
    table.form.show();
    if (deal) {
        table.deal(4, 6, 1, 13);
        QVERIFY(table.state().dealLock);
        QCOMPARE(table.state().card4, 13);
    }
    if (aboutOpen)
        table.choose("about");
    const FakePlatform &platform = table.platform;
    const QStringList before = snapshot(table);
    const int drawsTaken = platform.drawsTaken;
    const int reseeds = platform.reseeds;
    const qsizetype opened = platform.opened.size();

    table.choose("help");
    QCOMPARE(platform.messages, QStringList{helpText});
    QCOMPARE(platform.spokenMessages,
             QStringList{QString(helpText)
                             .replace(QLatin1String("arithmatic"), QLatin1String("arithmetic"))
                             .replace(QLatin1String("Anwser"), QLatin1String("Answer"))});
    QCOMPARE(snapshot(table), before);
    QCOMPARE(platform.drawsTaken, drawsTaken);
    QCOMPARE(platform.reseeds, reseeds);
    QCOMPARE(platform.opened.size(), opened);
    QCOMPARE(GameTable::aboutBoxes().size(), aboutOpen ? 1 : 0);
    QVERIFY(table.form.isVisible());
}

void TestMenu::quit_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("About box open") << "about";
    QTest::newRow("About box never opened") << "";
    QTest::newRow("About box closed again") << "about, OK";
    QTest::newRow("in the middle of a deal with the About box open") << "deal, about";
}

void TestMenu::quit()
{
    QFETCH(QString, before);
    GameTable table;
    table.form.show();
    for (const QString &step : before.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("about")) {
            table.choose("about");
        } else if (step == QLatin1String("OK")) {
            child<QPushButton>(aboutBox(), "cmdOK")->click();
        } else {
            table.deal(4, 6, 1, 1);
        }
    }

    QVERIFY(runProgram([&] { table.choose("quit"); }));
    QVERIFY(!table.form.isVisible());
    for (frmAbout *box : GameTable::aboutBoxes())
        QVERIFY(!box->isVisible());
    QVERIFY(table.platform.messages.isEmpty());
}

void TestMenu::closingTableLeavesAboutRunning()
{
    GameTable table;
    table.form.show();
    frmAbout *box = &table.openAbout();

    bool aboutOpenAfterTableClosed = false;
    QVERIFY(runProgram([&] {
        table.form.close();
        // Had the program ended with the table, this would never run.
        QTimer::singleShot(0, box, [&] {
            aboutOpenAfterTableClosed = box->isVisible();
            child<QPushButton>(box, "cmdOK")->click();
        });
    }));
    QVERIFY(aboutOpenAfterTableClosed);
    QVERIFY(!table.form.isVisible());
    QVERIFY(!box->isVisible());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
