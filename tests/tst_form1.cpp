// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTable.h"

#include "game/CardBox.h"
#include "game/PictureClip.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void startsWithNothingDealt();
    void layout_data();
    void layout();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void tabOrderAndFocus();
    void windowIsFixedInSize();
    void menuBarHoldsThreeCommands();
    void opensTheHomePageAtStartUp();
    void firstDeal();
    void newGameIsRefusedWhileADealIsOpen();
    void newGameDealsAgainOnceTheDealIsClosed_data();
    void newGameDealsAgainOnceTheDealIsClosed();
    void showsTheFaceOfEachValueAndSuit_data();
    void showsTheFaceOfEachValueAndSuit();
    void cardPicturesAreTheSheetsCells();
    void dealsSpreadValuesAndSuitsExactly();
    void gameCountStopsAtItsLargestValue();
};

void Form1Test::startsWithNothingDealt()
{
    GameTable table;
    const RoundState &s = table.state();
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(table.card(index)->picture(), nullptr);
    QCOMPARE((std::array{s.card1, s.card2, s.card3, s.card4}), (std::array<qint16, 4>{}));
    QCOMPARE(s.opName, QString());
    QVERIFY(s.opName.isEmpty() && s.opName != QLatin1String("none"));
    QCOMPARE(s.opCount, 0);
    QCOMPARE((std::array{s.used1, s.used2, s.used3, s.used4}), (std::array<qint16, 4>{}));
    QCOMPARE((std::array{s.winCount, s.gameCount, s.noSolutionCount}), (std::array<qint16, 3>{}));
    QVERIFY(!s.found && !s.inPlay && !s.dealLock);
    for (const char *name : {"Label1", "Label2", "Label3", "Label6", "Label9"})
        QCOMPARE(table.text(name), QStringLiteral("0"));
    QCOMPARE(table.platform.drawsTaken, 0);
}

// Places in twips as designed; the window shows them at 15 twips a pixel.
void Form1Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    auto row = [](const char *name, const char *caption, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QRect(left, top, width, height);
    };
    row("Command1", "New Game", 5280, 240, 1335, 495);
    row("Picture3_1", "", 240, 240, 1095, 1455);
    row("Picture3_2", "", 1440, 240, 1095, 1455);
    row("Picture3_3", "", 2640, 240, 1095, 1455);
    row("Picture3_4", "", 3840, 240, 1095, 1455);
    row("Command2", "Answer", 5280, 840, 1335, 495);
    row("Label1", "0", 240, 2520, 4695, 495);
    row("Command3", "Plus (+)", 240, 1800, 1095, 360);
    row("Command4", "Minus (-)", 1440, 1800, 1095, 375);
    row("Command5", "Multiply (*)", 2640, 1800, 1095, 375);
    row("Command6", "Divide (/)", 3840, 1800, 1095, 375);
    row("Label2", "0", 6360, 1680, 615, 375);
    row("Label3", "0", 6360, 2760, 615, 375);
    row("Label4", "You won:", 5280, 1800, 975, 255);
    row("Label5", "Total:", 5280, 2880, 1095, 255);
    row("Label6", "0", 6360, 2400, 615, 375);
    row("Label7", "No solution:", 5280, 2520, 1095, 255);
    row("Label8", "You lost:", 5280, 2160, 975, 255);
    row("Label9", "0", 6360, 2040, 495, 375);
}

void Form1Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    GameTable table;
    auto *control = table.form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), table.form.centralWidget());
    QCOMPARE(control->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else
        QVERIFY(qobject_cast<CardBox *>(control));
}

void Form1Test::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");

    for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                             "Picture3_1", "Picture3_4"})
        QTest::newRow(name) << QString::fromLatin1(name) << 8.25 << false;
    for (const char *name : {"Label4", "Label5", "Label7", "Label8"})
        QTest::newRow(name) << QString::fromLatin1(name) << 8.25 << true;
    for (const char *name : {"Label2", "Label3", "Label6", "Label9"})
        QTest::newRow(name) << QString::fromLatin1(name) << 13.5 << false;
    QTest::newRow("Label1") << QStringLiteral("Label1") << 12.0 << true;
}

void Form1Test::fonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(bool, bold);

    GameTable table;
    const QFont font = table.form.findChild<QWidget *>(name)->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), false);
    // Whatever stands in for a missing face must be an installed sans-serif.
    const QFontInfo shown(font);
    QVERIFY2(shown.styleHint() == QFont::SansSerif ||
                 shown.family().contains(QLatin1String("Sans")),
             qPrintable(shown.family()));
}

void Form1Test::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background"); // invalid: the button face

    const QColor face;
    QTest::newRow("Label1") << "Label1" << QGuiApplication::palette().color(QPalette::Highlight)
                            << QColor(0x80, 0xFF, 0xFF);
    QTest::newRow("Label2") << "Label2" << QColor(Qt::green) << face;
    QTest::newRow("Label4") << "Label4" << QColor(Qt::green) << face;
    QTest::newRow("Label8") << "Label8" << QColor(Qt::red) << face;
    QTest::newRow("Label9") << "Label9" << QColor(Qt::red) << face;
    QTest::newRow("Label7") << "Label7" << QColor(Qt::blue) << face;
    QTest::newRow("Label6") << "Label6" << QColor(Qt::blue) << face;
    const QColor buttonText = QGuiApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("Label5") << "Label5" << buttonText << face;
    QTest::newRow("Label3") << "Label3" << buttonText << face;
}

void Form1Test::colours()
{
    QFETCH(QString, name);
    QFETCH(QColor, text);
    QFETCH(QColor, background);

    GameTable table;
    auto *label = table.form.findChild<QLabel *>(name);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::WindowText), text);
    const QColor expected =
        background.isValid() ? background : QGuiApplication::palette().color(QPalette::Button);
    QCOMPARE(label->palette().color(label->backgroundRole()), expected);
}

void Form1Test::tabOrderAndFocus()
{
    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    QCOMPARE(QApplication::focusWidget(), table.button("Command1"));

    QStringList order;
    QWidget *widget = table.button("Command1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != table.button("Command1"));
    QCOMPARE(order, QStringList({"Command1", "Picture3_1", "Picture3_2", "Picture3_3", "Picture3_4",
                                 "Command2", "Command3", "Command4", "Command5", "Command6"}));
}

void Form1Test::windowIsFixedInSize()
{
    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.form));
    QCOMPARE(table.form.centralWidget()->size(), QSize(475, 226));
    QCOMPARE(table.form.minimumSize(), table.form.maximumSize());
    QCOMPARE(table.form.size().height(), 226 + table.form.menuBar()->height());
    const Qt::WindowFlags flags = table.form.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(table.form.windowTitle(), QStringLiteral("Merovant"));
    QVERIFY(!table.form.windowIcon().isNull());
}

void Form1Test::menuBarHoldsThreeCommands()
{
    GameTable table;
    QStringList names, captions;
    for (QAction *action : table.form.menuBar()->actions()) {
        names << action->objectName();
        captions << action->text();
        QCOMPARE(action->menu(), nullptr);
    }
    QCOMPARE(names, QStringList({"quit", "help", "about"}));
    QCOMPARE(captions, QStringList({"Quit", "Help", "About"}));
}

void Form1Test::opensTheHomePageAtStartUp()
{
    GameTable table;
    QCOMPARE(table.platform.opened.size(), 1);
    const FakePlatform::Opened &opened = table.platform.opened.first();
    QCOMPARE(opened.owner, &table.form);
    QCOMPARE(opened.operation, QStringLiteral("Open"));
    QCOMPARE(opened.directory, QCoreApplication::applicationDirPath());
    const QUrl page(opened.file);
    QVERIFY(page.isLocalFile());
    QVERIFY2(QFile::exists(page.toLocalFile()), qPrintable(page.toLocalFile()));
    // The fake opened nothing, as a machine without a browser would: the
    // window starts all the same and nothing was said.
    QVERIFY(table.platform.messages.isEmpty());
    table.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.form));
}

void Form1Test::firstDeal()
{
    GameTable table;
    table.deal(4, 6, 1, 13);
    const RoundState &s = table.state();

    QCOMPARE(table.text("Label3"), QStringLiteral("1"));
    QCOMPARE(table.text("Label1"), QStringLiteral("0"));
    QCOMPARE((std::array{s.card1, s.card2, s.card3, s.card4}),
             (std::array<qint16, 4>{4, 6, 1, 13}));
    QCOMPARE(s.opName, QStringLiteral("none"));
    QCOMPARE(s.opCount, 0);
    QCOMPARE((std::array{s.used1, s.used2, s.used3, s.used4}), (std::array<qint16, 4>{}));
    QVERIFY(s.dealLock && s.inPlay && !s.found);
    QCOMPARE(table.platform.reseeds, 1);
    QCOMPARE(table.platform.drawsTaken, 8);
    for (int index = 1; index <= 4; ++index)
        QVERIFY(table.card(index)->picture());
}

void Form1Test::newGameIsRefusedWhileADealIsOpen()
{
    GameTable table;
    table.deal(4, 6, 1, 13);
    std::array<const QPixmap *, 4> faces{};
    for (int index = 1; index <= 4; ++index)
        faces[index - 1] = table.card(index)->picture();

    table.deal(2, 2, 2, 2);
    QCOMPARE(table.text("Label3"), QStringLiteral("1"));
    QCOMPARE(table.state().card1, 4);
    QCOMPARE(table.platform.reseeds, 1);
    QCOMPARE(table.platform.draws.size(), 8u);
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(table.card(index)->picture(), faces[index - 1]);
}

void Form1Test::newGameDealsAgainOnceTheDealIsClosed_data()
{
    QTest::addColumn<QString>("moves");

    QTest::newRow("won") << "1 * 2 * 3 * 4";
    QTest::newRow("lost") << "1 + 2 + 3 + 4";
    QTest::newRow("answered") << "answer";
    QTest::newRow("answered mid-play") << "1 * 2 answer";
}

void Form1Test::newGameDealsAgainOnceTheDealIsClosed()
{
    QFETCH(QString, moves);

    GameTable table;
    table.deal(4, 6, 1, 1);
    table.play(moves);
    table.deal(7, 7, 1, 2);
    const RoundState &s = table.state();
    QCOMPARE(table.text("Label3"), QStringLiteral("2"));
    QCOMPARE(table.text("Label1"), QStringLiteral("0"));
    QCOMPARE((std::array{s.card1, s.card2, s.card3, s.card4}), (std::array<qint16, 4>{7, 7, 1, 2}));
    QCOMPARE(s.opName, QStringLiteral("none"));
    QCOMPARE(s.opCount, 0);
    QCOMPARE((std::array{s.used1, s.used2, s.used3, s.used4}), (std::array<qint16, 4>{}));
    QVERIFY(s.dealLock && s.inPlay && !s.found);
}

void Form1Test::showsTheFaceOfEachValueAndSuit_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("suit");

    static const char *const suits[] = {"spades", "hearts", "clubs", "diamonds"};
    for (int suit = 0; suit < 4; ++suit)
        for (int value = 1; value <= 13; ++value)
            QTest::addRow("%d of %s", value, suits[suit]) << value << suit;
}

// Each value lands in a different box, so the test also sees that each box
// takes its own suit draw.
void Form1Test::showsTheFaceOfEachValueAndSuit()
{
    QFETCH(int, value);
    QFETCH(int, suit);

    GameTable table;
    const int box = 1 + (value + suit) % 4;
    for (int index = 1; index <= 4; ++index)
        table.platform.draws.push_back(FakePlatform::drawForValue(index == box ? value : 2));
    for (int index = 1; index <= 4; ++index)
        table.platform.draws.push_back(FakePlatform::drawForSuit(index == box ? suit : 1));
    table.press("Command1");

    QCOMPARE(table.card(box)->picture(), &table.state().cardPic[value - 1][suit]);
    QCOMPARE(table.card(1 + box % 4)->picture(), &table.state().cardPic[1][1]);
}

void Form1Test::cardPicturesAreTheSheetsCells()
{
    GameTable table;
    const PictureClip sheet(QPixmap(QStringLiteral(":/cards.bmp")), 4, 13);
    for (int r = 0; r <= 12; ++r)
        for (int suit = 0; suit < 4; ++suit) {
            const QImage face = table.state().cardPic[r][suit].toImage();
            QCOMPARE(face.size(), QSize(71, 96));
            QCOMPARE(face, sheet.graphicCell(13 * suit + r).toImage());
        }
}

// Draws at the centres of a fine grid, fed through the random source into
// real deals: each value and suit row gets its exact share, the ends of each
// range half as much as the others.
void Form1Test::dealsSpreadValuesAndSuitsExactly()
{
    constexpr int deals = 96;
    constexpr int draws = 4 * deals; // of each kind
    GameTable table;
    std::array<int, 14> values{};
    std::array<int, 4> suits{};
    for (int deal = 0; deal < deals; ++deal) {
        for (int k = 0; k < 4; ++k)
            table.platform.draws.push_back((4 * deal + k + 0.5f) / draws);
        for (int k = 0; k < 4; ++k)
            table.platform.draws.push_back((4 * deal + k + 0.5f) / draws);
        table.form.Command1_Click();
        const RoundState &s = table.state();
        for (int index = 1; index <= 4; ++index) {
            const qint16 value = std::array{s.card1, s.card2, s.card3, s.card4}[index - 1];
            QVERIFY(value >= 1 && value <= 13);
            ++values[value];
            const auto &faces = s.cardPic[value - 1];
            const auto shown = std::find_if(faces.begin(), faces.end(), [&](const QPixmap &face) {
                return &face == table.card(index)->picture();
            });
            QVERIFY(shown != faces.end());
            ++suits[shown - faces.begin()];
        }
        table.form.Command2_Click();
    }
    QCOMPARE(values[1], draws / 24);
    QCOMPARE(values[13], draws / 24);
    for (int value = 2; value <= 12; ++value)
        QCOMPARE(values[value], draws / 12);
    QCOMPARE(suits, (std::array{draws / 6, draws / 3, draws / 3, draws / 6}));
}

void Form1Test::gameCountStopsAtItsLargestValue()
{
    GameTable table;
    // With no draws queued every deal is four aces, which Answer closes.
    for (int deal = 1; deal <= 32767; ++deal) {
        table.form.Command1_Click();
        table.form.Command2_Click();
    }
    QCOMPARE(table.state().gameCount, 32767);

    table.press("Command1");
    QCOMPARE(table.state().gameCount, 32767);
    QCOMPARE(table.text("Label3"), QStringLiteral("32767"));
    QVERIFY(table.state().dealLock);
    QCOMPARE(table.platform.reseeds, 32768);
    table.press("Command2");
    QCOMPARE(table.text("Label1"), QStringLiteral("No solution."));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
