// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in each language: its texts fit their controls in the fonts the
// controls really use, and a deal and an Answer play and count as in English.
#include "GameTable.h"
#include "about/frmAbout.h"
#include "game/CardBox.h"
#include "platform/Translations.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QtMath>

namespace {
// English as the C locale, then every language with a translation.
const QStringList languages{"C", "de", "fr", "es", "zh_CN"};

// What a text needs and what its control offers, for the failure message.
QString misfit(const QString &text, const QWidget *control, QSize needed, QSize room)
{
    return QStringLiteral("%1 in %2 %3pt: needs %4x%5, has %6x%7")
        .arg(text, QFontInfo(control->font()).family())
        .arg(control->font().pointSizeF())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The width and height of one line of text as it is drawn, glyphs that come
// from fallback fonts (Chinese) included.
QSize lineSize(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    return {qCeil(line.naturalTextWidth()), qCeil(line.height())};
}

bool fitsIn(QSize needed, QSize room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The button's client area less the frame and margins its style keeps
// around the text.
QSize roomOf(const QPushButton *button)
{
    const QStyle *style = button->style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return button->contentsRect().size() - QSize(frame + margin, frame + margin);
}
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void fits_data();
    void fits();
    void plays_data();
    void plays();
    void cleanup() { Translations::install(QLocale::c()); }
};

void TestLanguages::fits_data()
{
    // A control of either window. For the result line Label1, a deal and the
    // moves that make it show one of its texts; a count label shows "999".
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QList<int>>("deal");
    QTest::addColumn<QString>("moves");

    struct Result
    {
        const char *what;
        QList<int> deal;
        const char *moves;
    };
    const QList<Result> results{
        {"won", {4, 6, 1, 1}, "1 * 2 * 3 * 4"},
        {"lost", {1, 1, 1, 1}, "1 + 2 + 3 + 4"},
        {"no solution", {1, 1, 1, 1}, "answer"},
        // The longest Answer line: four two-digit cards.
        {"answer line", {12, 12, 12, 12}, "answer"},
        // The longest running result: a blank and 15 significant digits.
        {"long number", {1, 13, 1, 1}, "1 / 2"},
    };
    const QList<QByteArray> controls{
        "Command1",   "Command2",       "Command3",     "Command4", "Command5",   "Command6",
        "Label4",     "Label5",         "Label7",       "Label8",   "Label2",     "Label3",
        "Label6",     "Label9",         "menu",         "cmdOK",    "cmdSysInfo", "lblTitle",
        "lblVersion", "lblDescription", "lblDisclaimer"};
    for (const QString &language : languages) {
        for (const QByteArray &control : controls)
            QTest::addRow("%s %s", qPrintable(language), control.constData())
                << language << control << QList<int>() << QString();
        for (const Result &result : results)
            QTest::addRow("%s Label1 %s", qPrintable(language), result.what)
                << language << QByteArray("Label1") << result.deal
                << QString::fromLatin1(result.moves);
    }
}

void TestLanguages::fits()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, control);
    QFETCH(QList<int>, deal);
    QFETCH(QString, moves);
    QCOMPARE(Translations::install(QLocale(language)), language == "C" ? QString() : language);

    GameTable table;
    frmAbout about(table.platform);
    const char *name = control.constData();
    if (about.findChild<QWidget *>(name)) {
        // The load step writes the title and version lines.
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        about.Show();
    }
    if (!deal.isEmpty()) {
        table.deal(deal[0], deal[1], deal[2], deal[3]);
        table.play(moves);
    }

    auto *button = table.form.findChild<QPushButton *>(name);
    if (!button)
        button = about.findChild<QPushButton *>(name);
    if (button) {
        const QString text = button->text().remove(QLatin1Char('&'));
        const QSize needed = lineSize(text, button->font());
        QVERIFY2(fitsIn(needed, roomOf(button)),
                 qPrintable(misfit(text, button, needed, roomOf(button))));
    } else if (auto *label = about.findChild<QLabel *>(name)) {
        // The About box's labels wrap at their width.
        const QSize room = label->contentsRect().size();
        const QRect wrapped = label->fontMetrics().boundingRect(
            QRect(QPoint(), QSize(room.width(), 10000)), Qt::TextWordWrap, label->text());
        const QSize needed(wrapped.width(), label->heightForWidth(label->width()));
        QVERIFY2(fitsIn(needed, label->size()),
                 qPrintable(misfit(label->text(), label, needed, label->size())));
    } else if (auto *label = table.form.findChild<QLabel *>(name)) {
        if (label->text() == "0" && deal.isEmpty())
            label->setText(QStringLiteral("999"));
        const QString text = label->text();
        QVERIFY2(!text.isEmpty() && text != "0", qPrintable(text));
        const QSize needed = lineSize(text, label->font());
        QVERIFY2(fitsIn(needed, label->contentsRect().size()),
                 qPrintable(misfit(text, label, needed, label->contentsRect().size())));
    } else {
        QCOMPARE(control, QByteArray("menu"));
        // All three commands on the bar, none pushed into an overflow menu.
        QMenuBar *bar = table.form.menuBar();
        QStringList texts;
        for (QAction *action : bar->actions())
            texts << action->text();
        const QSize room = table.form.centralWidget()->size();
        QVERIFY2(bar->sizeHint().width() <= room.width(),
                 qPrintable(misfit(texts.join(' '), bar, bar->sizeHint(), room)));
    }
}

void TestLanguages::plays_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("noCard");
    QTest::addColumn<QStringList>("cardNames"); // seven of hearts, ace of spades
    QTest::addColumn<QString>("won");
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QString>("noSolution");
    QTest::addColumn<QString>("help"); // how the Help text begins
    QTest::addColumn<QString>("ok");   // the message box's button, from Qt's own translation

    struct Texts
    {
        const char *noCard, *sevenOfHearts, *aceOfSpades, *won, *lost, *noSolution, *help, *ok;
    };
    auto row = [](const char *language, const Texts &t) {
        QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(t.noCard)
                                << QStringList{t.sevenOfHearts, t.aceOfSpades}
                                << QString::fromUtf8(t.won) << QString::fromUtf8(t.lost)
                                << QString::fromUtf8(t.noSolution) << QString::fromUtf8(t.help)
                                << QString::fromUtf8(t.ok);
    };
    const Texts english{"No card",
                        "Seven of hearts",
                        "Ace of spades",
                        "Congradulations, you got 24",
                        "You failed. Try a new game",
                        "No solution.",
                        "Merovant is a very easy card game. The purpose",
                        "OK"};
    row("C", english);
    row("en_GB", english);
    // A language without a translation stays in English.
    row("it", english);
    row("de",
        {"Keine Karte", "Herz-Sieben", "Pik-Ass", "Glückwunsch, du hast 24!",
         "Verloren. Auf ein Neues!", "Keine Lösung.", "Merovant ist ein ganz einfaches", "OK"});
    row("fr", {"Aucune carte", "Sept de cœur", "As de pique", "Bravo, vous avez fait 24\u00a0!",
               "Perdu\u00a0! Une autre donne\u00a0?", "Pas de solution.",
               "Merovant est un jeu de cartes", "OK"});
    row("es", {"Sin carta", "Siete de corazones", "As de picas", "¡Enhorabuena, has hecho 24!",
               "Has perdido. ¡Otra partida!", "No hay solución.", "Merovant es un juego de cartas",
               "Aceptar"});
    row("zh_CN", {"无牌", "红桃7", "黑桃A", "恭喜，你算出了 24 点！", "算错了，再来一局吧",
                  "无解。", "Merovant 是一款非常简单的纸牌游戏", "确定"});
}

// Only words change: the running result keeps its number text, which the game
// reads back, and the Answer line and the counts stay as they are.
void TestLanguages::plays()
{
    QFETCH(QString, language);
    QFETCH(QString, noCard);
    QFETCH(QStringList, cardNames);
    QFETCH(QString, won);
    QFETCH(QString, lost);
    QFETCH(QString, noSolution);
    QFETCH(QString, help);
    QFETCH(QString, ok);
    Translations::install(QLocale(language));

    GameTable table;
    QCOMPARE(table.card(1)->accessibleName(), noCard);
    // Seven of hearts, ace of spades, four and ace: 7 - 1 = 6, * 4 = 24, * 1.
    for (float draw : {FakePlatform::drawForValue(7), FakePlatform::drawForValue(1),
                       FakePlatform::drawForValue(4), FakePlatform::drawForValue(1),
                       FakePlatform::drawForSuit(1), FakePlatform::drawForSuit(0),
                       FakePlatform::drawForSuit(0), FakePlatform::drawForSuit(0)})
        table.platform.draws.push_back(draw);
    table.press("Command1");
    QCOMPARE((QStringList{table.card(1)->accessibleName(), table.card(2)->accessibleName()}),
             cardNames);
    table.play("1 - 2");
    QCOMPARE(table.text("Label1"), QStringLiteral(" 6"));
    table.play("* 3 * 4");
    QCOMPARE(table.text("Label1"), won);

    table.deal(1, 1, 1, 1);
    table.play("1 + 2 + 3 + 4");
    QCOMPARE(table.text("Label1"), lost);

    table.deal(1, 1, 1, 1);
    table.play("answer");
    QCOMPARE(table.text("Label1"), noSolution);

    table.deal(4, 6, 1, 1);
    table.play("answer");
    QCOMPARE(table.text("Label1"), QStringLiteral("(( 6/ 1)/ 1)* 4=24"));

    // Won, lost (the lost verdict and the solvable Answer), no solution, total.
    const QStringList counts{table.text("Label2"), table.text("Label9"), table.text("Label6"),
                             table.text("Label3")};
    QCOMPARE(counts, (QStringList{"1", "2", "1", "4"}));

    table.choose("help");
    QCOMPARE(table.platform.messages.size(), 1);
    QVERIFY2(table.platform.messages[0].startsWith(help), qPrintable(table.platform.messages[0]));
    QCOMPARE(
        QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok).button(QMessageBox::Ok)->text(),
        ok);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
