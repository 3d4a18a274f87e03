// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameTable.h"

#include "about/frmAbout.h"
#include "game/CardBox.h"
#include "game/Design.h"
#include "game/PictureClip.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
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
    void labelsStayReadableOnADarkPalette_data();
    void labelsStayReadableOnADarkPalette();
    void tableIsTheButtonFace();
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
    void cardBoxShowsItsFaceInsideASunkenBorder();
    void cardBoxClicks_data();
    void cardBoxClicks();
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
        QCOMPARE((std::pair{label->text(), label->alignment()}),
                 (std::pair{caption, Qt::AlignLeft | Qt::AlignTop}));
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

namespace {
QPalette darkPalette(const QColor &face, const QColor &base, const QColor &highlight)
{
    QPalette dark(Qt::white, face, face.lighter(150), face.darker(150), face.darker(120), Qt::white,
                  Qt::white, base, face);
    dark.setColor(QPalette::Highlight, highlight);
    return dark;
}

// The colour behind a label's text: its own when it paints one, else its window's.
QColor backgroundOf(const QWidget *widget)
{
    while (!widget->autoFillBackground() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget->palette().color(widget->backgroundRole());
}
} // namespace

// The design's colours were chosen for a light palette; on a dark one every
// label must still read at WCAG's 3:1.
void Form1Test::labelsStayReadableOnADarkPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("name");

    const std::pair<const char *, QPalette> palettes[] = {
        {"fusion dark",
         darkPalette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a), QColor(0x2a, 0x82, 0xda))},
        {"gtk dark",
         darkPalette(QColor(0x30, 0x30, 0x30), QColor(0x1e, 0x1e, 0x1e), QColor(0x35, 0x84, 0xe4))},
        {"black", darkPalette(Qt::black, Qt::black, QColor(0x00, 0x00, 0x80))},
    };
    for (const auto &[paletteName, palette] : palettes)
        for (const char *name :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
              "Label9", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
            QTest::addRow("%s %s", paletteName, name) << palette << QString::fromLatin1(name);
}

void Form1Test::labelsStayReadableOnADarkPalette()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, name);

    const QPalette light = QApplication::palette();
    QApplication::setPalette(palette);
    auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
    GameTable table;
    table.choose("about");
    QWidget *window = name.startsWith(QLatin1String("lbl"))
                          ? static_cast<QWidget *>(GameTable::aboutBoxes().constFirst())
                          : &table.form;
    auto *label = window->findChild<QLabel *>(name);
    QVERIFY(label);
    const QColor text = label->palette().color(label->foregroundRole());
    const double ratio = Design::contrast(text, backgroundOf(label));
    QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                          .arg(text.name(), backgroundOf(label).name())
                                          .arg(ratio)));
}

// Nothing but the button face shows where no control stands.
void Form1Test::tableIsTheButtonFace()
{
    GameTable table;
    const QImage shown = table.form.centralWidget()->grab().toImage();
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const QPoint empty : {QPoint(0, 0), QPoint(470, 8), QPoint(470, 220), QPoint(160, 150)})
        QCOMPARE(shown.pixelColor(empty), face);
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
    std::array<const QImage *, 4> faces{};
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
    const PictureClip sheet(QImage(QStringLiteral(":/cards.bmp")), 4, 13);
    const QImage &ace = table.state().cardPic[0][0];
    for (int r = 0; r <= 12; ++r)
        for (int suit = 0; suit < 4; ++suit) {
            const QImage &face = table.state().cardPic[r][suit];
            QCOMPARE(face.size(), QSize(71, 96));
            QCOMPARE(face, sheet.graphicCell(13 * suit + r));
            // Windows onto one sheet kept as stored, not copies of its pixels.
            QCOMPARE(face.format(), QImage::Format_Indexed8);
            QCOMPARE(face.constBits(), ace.constBits() + 96 * suit * ace.bytesPerLine() + 71 * r);
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
            const auto shown = std::find_if(faces.begin(), faces.end(), [&](const QImage &face) {
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

// The face sits at the upper-left corner of the client area, cut off at its
// right and bottom; the sunken border around it stays as an empty box draws it.
void Form1Test::cardBoxShowsItsFaceInsideASunkenBorder()
{
    GameTable table;
    CardBox *box = table.card(1);
    const QImage empty = box->grab().toImage();
    table.deal(13, 1, 1, 1);
    const QImage dealt = box->grab().toImage();
    const QImage face = *box->picture();
    const QRect inside = box->contentsRect();
    QVERIFY(face.width() > inside.width() && face.height() > inside.height());

    for (int y = 0; y < dealt.height(); ++y)
        for (int x = 0; x < dealt.width(); ++x) {
            const QPoint at(x, y);
            const QColor expected =
                inside.contains(at) ? face.pixelColor(at - inside.topLeft()) : empty.pixelColor(at);
            if (dealt.pixelColor(at) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    // Sunken: the shadow falls on the upper and left edges.
    const QPoint lowerRight(empty.width() - 1, empty.height() - 1);
    QVERIFY(empty.pixelColor(0, 0).lightness() < empty.pixelColor(lowerRight).lightness());
}

// A click is a left press and release inside the box, or Space or Enter on
// it; the second press of a double-click is no click, and a held key clicks
// once. Each gesture is a list of steps: "press in", "release out",
// "doubleclick in", "rightclick in", "key Space", "held Space".
void Form1Test::cardBoxClicks_data()
{
    QTest::addColumn<QStringList>("gesture");
    QTest::addColumn<int>("clicks");

    QTest::newRow("press and release inside") << QStringList{"press in", "release in"} << 1;
    QTest::newRow("released outside") << QStringList{"press in", "release out"} << 0;
    QTest::newRow("pressed outside") << QStringList{"press out", "release in"} << 0;
    QTest::newRow("double-click") << QStringList{"doubleclick in"} << 1;
    QTest::newRow("right button") << QStringList{"rightclick in"} << 0;
    QTest::newRow("Space") << QStringList{"key Space"} << 1;
    QTest::newRow("Enter") << QStringList{"key Enter"} << 1;
    QTest::newRow("held Space") << QStringList{"held Space"} << 1;
    QTest::newRow("held Return") << QStringList{"held Return"} << 1;
}

void Form1Test::cardBoxClicks()
{
    QFETCH(QStringList, gesture);
    QFETCH(int, clicks);

    GameTable table;
    table.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&table.form));
    CardBox *box = table.card(2);
    box->setFocus();
    QSignalSpy clicked(box, &CardBox::clicked);
    // Mouse input goes to the window, as the window system delivers it.
    QWindow *window = table.form.windowHandle();
    const QPoint in = box->mapTo(&table.form, box->rect().center());
    const QPoint out = box->mapTo(&table.form, QPoint(box->width() + 5, box->height() / 2));
    for (const QString &step : gesture) {
        const auto [action, what] =
            std::pair{step.section(QLatin1Char(' '), 0, 0), step.section(QLatin1Char(' '), 1)};
        const QPoint where = what == QLatin1String("out") ? out : in;
        const auto key = static_cast<Qt::Key>(QKeySequence::fromString(what)[0].key());
        if (action == QLatin1String("press"))
            QTest::mousePress(window, Qt::LeftButton, {}, where);
        else if (action == QLatin1String("release"))
            QTest::mouseRelease(window, Qt::LeftButton, {}, where);
        else if (action == QLatin1String("doubleclick"))
            QTest::mouseDClick(window, Qt::LeftButton, {}, where);
        else if (action == QLatin1String("rightclick"))
            QTest::mouseClick(window, Qt::RightButton, {}, where);
        else if (action == QLatin1String("key"))
            QTest::keyClick(box, key);
        else if (action == QLatin1String("held")) {
            QTest::keyPress(box, key);
            QTest::simulateEvent(box, true, key, {}, QString(), true);
            QTest::keyRelease(box, key);
        }
    }
    QCOMPARE(clicked.size(), clicks);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
