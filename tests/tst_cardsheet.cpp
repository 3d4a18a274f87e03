// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardArt.h"
#include "GameTable.h"
#include "game/CardBox.h"
#include "game/CardSheet.h"
#include "game/PictureClip.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <vector>

using cardart::Suit;

namespace {

// The committed sheet's layout: 256 palette entries, then rows of 923 pixels
// padded to 924 bytes, bottom row first.
constexpr int paletteOffset = 14 + 40;
constexpr int pixelOffset = paletteOffset + 256 * 4;
constexpr int rowBytes = 924;

QByteArray readResource(const char *name)
{
    QFile file(QStringLiteral(MEROVANT_RESOURCES_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray toBytes(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// Palette index of a pixel of the committed sheet, counted from the top.
int sheetIndex(const QByteArray &bmp, int x, int y)
{
    return quint8(bmp.at(pixelOffset + (cardart::sheetHeight - 1 - y) * rowBytes + x));
}

QString cardName(int rank, Suit suit)
{
    static const char *const ranks[] = {"ace", "2", "3",  "4",    "5",     "6",   "7",
                                        "8",   "9", "10", "jack", "queen", "king"};
    static const char *const suits[] = {"spades", "hearts", "clubs", "diamonds"};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks[rank - 1]), QLatin1String(suits[int(suit)]));
}

QRgb rgbOf(std::uint8_t index)
{
    const cardart::Rgb c = cardart::sheetPalette.at(index);
    return qRgb(c.r, c.g, c.b);
}

// Pieces of ink in a region that touch each other, corners included.
int countBlobs(const cardart::IndexedImage &face, QRect region, std::uint8_t ink)
{
    std::vector<bool> seen(std::size_t(face.width() * face.height()), false);
    int blobs = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            if (face.at(x, y) != ink || seen[std::size_t(y * face.width() + x)])
                continue;
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            seen[std::size_t(y * face.width() + x)] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        const auto at = std::size_t(q.y() * face.width() + q.x());
                        if (region.contains(q) && face.at(q.x(), q.y()) == ink && !seen[at]) {
                            seen[at] = true;
                            stack.push_back(q);
                        }
                    }
            }
        }
    return blobs;
}

QImage faceImage(int rank, Suit suit, int scale)
{
    const cardart::IndexedImage face = cardart::renderFace(rank, suit, scale);
    QImage image(face.width(), face.height(), QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            image.setPixel(x, y, rgbOf(face.at(x, y)));
    return image;
}

// Where two pictures first differ, or an empty string.
QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("differs at (%1, %2)").arg(x).arg(y);
    return {};
}

QImage iconImage(int size)
{
    QImageReader reader(QStringLiteral(":/merovant.ico"));
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() == QSize(size, size))
            return image;
    }
    return {};
}

} // namespace

class CardSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void signatureAndLength();
    void bmpHeader_data();
    void bmpHeader();
    void paletteLeadsWithPureColours_data();
    void paletteLeadsWithPureColours();
    void restOfPaletteIsZero();
    void pixelsUseOnlyTheEightColours();

    void committedArtIsWhatTheGeneratorDraws_data();
    void committedArtIsWhatTheGeneratorDraws();

    void cellBorders_data();
    void cellBorders();
    void cutOffEdgesAreBlank_data();
    void cutOffEdgesAreBlank();
    void pipCount_data();
    void pipCount();
    void everyFaceIsDifferent();
    void hiDpiBorderIsTwoPixels_data();
    void hiDpiBorderIsTwoPixels();
    void hiDpiFaceIsFinerNotDoubled_data();
    void hiDpiFaceIsFinerNotDoubled();

    void qtLoadsTheEmbeddedSheet();
    void pictureClipCells_data();
    void pictureClipCells();
    void gridEndsAtTheSheetEdge_data();
    void gridEndsAtTheSheetEdge();
    void sheetScaleForTheScreen_data();
    void sheetScaleForTheScreen();
    void cardBoxesShowTheFacesOfTheirScreen_data();
    void cardBoxesShowTheFacesOfTheirScreen();

    void iconSizes_data();
    void iconSizes();
    void iconDirectory_data();
    void iconDirectory();
    void themePngsMatchTheIcon_data();
    void themePngsMatchTheIcon();
    void themeIconsAreDrawnAtTheirOwnSize_data();
    void themeIconsAreDrawnAtTheirOwnSize();
    void scalableIcon();

private:
    QByteArray m_bmp;
};

void CardSheetTest::initTestCase()
{
    m_bmp = readResource("cards.bmp");
    QVERIFY2(!m_bmp.isEmpty(), MEROVANT_RESOURCES_DIR "/cards.bmp is missing");
}

void CardSheetTest::signatureAndLength()
{
    QCOMPARE(m_bmp.left(2), QByteArray("BM"));
    QCOMPARE(m_bmp.size(), 355894);
}

void CardSheetTest::bmpHeader_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<qint64>("value");

    QTest::newRow("file size") << 2 << 4 << qint64(355894);
    QTest::newRow("reserved") << 6 << 4 << qint64(0);
    QTest::newRow("pixel data offset") << 10 << 4 << qint64(1078);
    QTest::newRow("info header size") << 14 << 4 << qint64(40);
    QTest::newRow("width") << 18 << 4 << qint64(923);
    // Positive: the bottom row is stored first.
    QTest::newRow("height") << 22 << 4 << qint64(384);
    QTest::newRow("planes") << 26 << 2 << qint64(1);
    QTest::newRow("bits per pixel") << 28 << 2 << qint64(8);
    QTest::newRow("compression: none") << 30 << 4 << qint64(0);
    QTest::newRow("pixel data size") << 34 << 4 << qint64(384 * 924);
    QTest::newRow("horizontal resolution") << 38 << 4 << qint64(0);
    QTest::newRow("vertical resolution") << 42 << 4 << qint64(0);
    QTest::newRow("colours used: a full table") << 46 << 4 << qint64(0);
    QTest::newRow("colours important") << 50 << 4 << qint64(0);
}

void CardSheetTest::bmpHeader()
{
    QFETCH(int, offset);
    QFETCH(int, bytes);
    QFETCH(qint64, value);
    const uchar *field = reinterpret_cast<const uchar *>(m_bmp.constData()) + offset;
    const qint64 actual = bytes == 2 ? qint64(qFromLittleEndian<quint16>(field))
                                     : qint64(qFromLittleEndian<qint32>(field));
    QCOMPARE(actual, value);
}

void CardSheetTest::paletteLeadsWithPureColours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("0 black") << 0 << qRgb(0x00, 0x00, 0x00);
    QTest::newRow("1 blue") << 1 << qRgb(0x00, 0x00, 0xFF);
    QTest::newRow("2 green") << 2 << qRgb(0x00, 0xFF, 0x00);
    QTest::newRow("3 cyan") << 3 << qRgb(0x00, 0xFF, 0xFF);
    QTest::newRow("4 red") << 4 << qRgb(0xFF, 0x00, 0x00);
    QTest::newRow("5 magenta") << 5 << qRgb(0xFF, 0x00, 0xFF);
    QTest::newRow("6 yellow") << 6 << qRgb(0xFF, 0xFF, 0x00);
    QTest::newRow("7 white") << 7 << qRgb(0xFF, 0xFF, 0xFF);
}

void CardSheetTest::paletteLeadsWithPureColours()
{
    QFETCH(int, index);
    QFETCH(QRgb, colour);
    // Entries are stored blue, green, red, reserved.
    const QByteArray entry = m_bmp.mid(paletteOffset + 4 * index, 4);
    QCOMPARE(qRgb(quint8(entry[2]), quint8(entry[1]), quint8(entry[0])), colour);
    QCOMPARE(quint8(entry[3]), quint8(0));
}

void CardSheetTest::restOfPaletteIsZero()
{
    const QByteArray rest = m_bmp.mid(paletteOffset + 8 * 4, 248 * 4);
    QCOMPARE(rest, QByteArray(248 * 4, '\0'));
}

void CardSheetTest::pixelsUseOnlyTheEightColours()
{
    for (int y = 0; y < cardart::sheetHeight; ++y) {
        for (int x = 0; x < cardart::sheetWidth; ++x)
            if (sheetIndex(m_bmp, x, y) > 7)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) has palette index %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(sheetIndex(m_bmp, x, y))));
        QCOMPARE(sheetIndex(m_bmp, cardart::sheetWidth, y), 0); // the padding byte
    }
}

void CardSheetTest::committedArtIsWhatTheGeneratorDraws_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("drawn");

    QTest::newRow("card sheet") << QStringLiteral("cards.bmp")
                                << toBytes(cardart::encodeSheetBmp(cardart::renderSheet()));
    QTest::newRow("icon") << QStringLiteral("merovant.ico") << toBytes(cardart::encodeIcon());
    QTest::newRow("Windows icon") << QStringLiteral("merovant-windows.ico")
                                  << toBytes(cardart::encodeWindowsIcon());
    QTest::newRow("2x card sheet")
        << QStringLiteral("cards-2x.png")
        << toBytes(cardart::encodeSheetPng(cardart::renderSheet(cardart::hiDpiScale)));
}

void CardSheetTest::committedArtIsWhatTheGeneratorDraws()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, drawn);
    const QByteArray committed = readResource(qPrintable(file));
    QVERIFY2(committed == drawn,
             qPrintable(file + QStringLiteral(" is out of date: build the regenerate-art target")));
}

void CardSheetTest::cellBorders_data()
{
    QTest::addColumn<int>("cell");

    for (int cell = 0; cell < 52; ++cell)
        QTest::newRow(qPrintable(
            QStringLiteral("cell %1, %2").arg(cell).arg(cardName(cell % 13 + 1, Suit(cell / 13)))))
            << cell;
}

// Every cell starts and ends on the black border of its card.
void CardSheetTest::cellBorders()
{
    QFETCH(int, cell);
    const int left = 71 * (cell % 13), top = 96 * (cell / 13);
    const int right = left + 70, bottom = top + 95;
    for (int x = left; x <= right; ++x) {
        QCOMPARE(sheetIndex(m_bmp, x, top), int(cardart::Black));
        QCOMPARE(sheetIndex(m_bmp, x, bottom), int(cardart::Black));
    }
    for (int y = top; y <= bottom; ++y) {
        QCOMPARE(sheetIndex(m_bmp, left, y), int(cardart::Black));
        QCOMPARE(sheetIndex(m_bmp, right, y), int(cardart::Black));
    }
    // Inside the border the card is white.
    QCOMPARE(sheetIndex(m_bmp, left + 1, top + 1), int(cardart::White));
    QCOMPARE(sheetIndex(m_bmp, right - 1, bottom - 1), int(cardart::White));
}

void CardSheetTest::cutOffEdgesAreBlank_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("scale");

    for (int scale = 1; scale <= 2; ++scale)
        for (int cell = 0; cell < 52; ++cell)
            QTest::addRow("%s at %dx", qPrintable(cardName(cell % 13 + 1, Suit(cell / 13))), scale)
                << cell << scale;
}

// The card box shows about 69 x 93 pixels of a face; whatever lies within
// four pixels of the right and bottom edges may be cut off, so only the
// card's white may be there.
void CardSheetTest::cutOffEdgesAreBlank()
{
    QFETCH(int, cell);
    QFETCH(int, scale);
    const cardart::IndexedImage face = cardart::renderFace(cell % 13 + 1, Suit(cell / 13), scale);
    const int border = scale, margin = 4 * scale;
    for (int y = border; y < face.height() - border; ++y)
        for (int x = border; x < face.width() - border; ++x) {
            const bool nearEdge = x >= face.width() - margin || y >= face.height() - margin;
            if (nearEdge && face.at(x, y) != cardart::White)
                QFAIL(qPrintable(QStringLiteral("ink at (%1, %2)").arg(x).arg(y)));
        }
}

void CardSheetTest::pipCount_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("scale");

    for (int scale = 1; scale <= 2; ++scale)
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 1; rank <= 10; ++rank)
                QTest::addRow("%s at %dx", qPrintable(cardName(rank, Suit(suit))), scale)
                    << rank << suit << scale;
}

// Between the corner indexes a pip card shows as many separate symbols as its
// value, in its suit's colour and no other ink: black for spades and clubs,
// red for hearts and diamonds.
void CardSheetTest::pipCount()
{
    QFETCH(int, rank);
    QFETCH(int, suit);
    QFETCH(int, scale);
    const cardart::IndexedImage face = cardart::renderFace(rank, Suit(suit), scale);
    const bool red = suit == int(Suit::Hearts) || suit == int(Suit::Diamonds);
    const QRect middle(15 * scale, scale, 41 * scale, 94 * scale);
    QCOMPARE(countBlobs(face, middle, red ? cardart::Red : cardart::Black), rank);
    QCOMPARE(countBlobs(face, middle, red ? cardart::Black : cardart::Red), 0);
}

void CardSheetTest::everyFaceIsDifferent()
{
    QSet<QByteArray> seen;
    for (int cell = 0; cell < 52; ++cell) {
        const int left = 71 * (cell % 13), top = 96 * (cell / 13);
        QByteArray pixels;
        for (int y = top; y < top + 96; ++y)
            pixels += m_bmp.mid(pixelOffset + (383 - y) * rowBytes + left, 71);
        QVERIFY2(!seen.contains(pixels), qPrintable(QStringLiteral("cell %1").arg(cell)));
        seen.insert(pixels);
    }
}

void CardSheetTest::hiDpiBorderIsTwoPixels_data()
{
    QTest::addColumn<int>("suit");

    for (int suit = 0; suit < 4; ++suit)
        QTest::newRow(qPrintable(cardName(1, Suit(suit)).section(QLatin1Char(' '), 2))) << suit;
}

// The 1x card's one-pixel border stays where it was: two device pixels at
// each edge, with the card's white right inside.
void CardSheetTest::hiDpiBorderIsTwoPixels()
{
    QFETCH(int, suit);
    for (int rank = 1; rank <= 13; ++rank) {
        const cardart::IndexedImage face = cardart::renderFace(rank, Suit(suit), 2);
        QCOMPARE(face.width(), 142);
        QCOMPARE(face.height(), 192);
        for (int i = 0; i < 2; ++i) {
            for (int x = 0; x < 142; ++x) {
                QCOMPARE(face.at(x, i), cardart::Black);
                QCOMPARE(face.at(x, 191 - i), cardart::Black);
            }
            for (int y = 0; y < 192; ++y) {
                QCOMPARE(face.at(i, y), cardart::Black);
                QCOMPARE(face.at(141 - i, y), cardart::Black);
            }
        }
        QCOMPARE(face.at(2, 2), cardart::White);
        QCOMPARE(face.at(139, 189), cardart::White);
    }
}

void CardSheetTest::hiDpiFaceIsFinerNotDoubled_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");

    for (int suit = 0; suit < 4; ++suit)
        for (int rank : {1, 7, 10, 11, 12, 13})
            QTest::newRow(qPrintable(cardName(rank, Suit(suit)))) << rank << suit;
}

// A 2x face is the 1x face in finer pixels: nearly every 2 x 2 block holds
// mostly the 1x pixel's colour, so everything stays in its place, but many
// blocks are split between two colours, which a pixel-doubled face never is.
void CardSheetTest::hiDpiFaceIsFinerNotDoubled()
{
    QFETCH(int, rank);
    QFETCH(int, suit);
    const cardart::IndexedImage small = cardart::renderFace(rank, Suit(suit));
    const cardart::IndexedImage large = cardart::renderFace(rank, Suit(suit), 2);
    int split = 0, agree = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            int same = 0;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i)
                    same += large.at(2 * x + i, 2 * y + j) == small.at(x, y);
            split += same < 4;
            agree += same >= 2;
        }
    const int blocks = small.width() * small.height();
    QVERIFY2(split >= 20, qPrintable(QStringLiteral("%1 split blocks").arg(split)));
    QVERIFY2(agree * 100 >= blocks * 96,
             qPrintable(QStringLiteral("%1 of %2 blocks agree").arg(agree).arg(blocks)));
}

void CardSheetTest::qtLoadsTheEmbeddedSheet()
{
    const QImage sheet(QStringLiteral(":/cards.bmp"));
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.size(), QSize(923, 384));
    const QImage sheet2x(QStringLiteral(":/cards-2x.png"));
    QVERIFY(!sheet2x.isNull());
    QCOMPARE(sheet2x.size(), QSize(1846, 768));
}

void CardSheetTest::pictureClipCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("scale");

    for (int scale = 1; scale <= 2; ++scale) {
        QTest::addRow("0: ace of spades at %dx", scale) << 0 << 1 << int(Suit::Spades) << scale;
        QTest::addRow("12: king of spades at %dx", scale) << 12 << 13 << int(Suit::Spades) << scale;
        QTest::addRow("13: ace of hearts at %dx", scale) << 13 << 1 << int(Suit::Hearts) << scale;
        QTest::addRow("25: king of hearts at %dx", scale) << 25 << 13 << int(Suit::Hearts) << scale;
        QTest::addRow("26: ace of clubs at %dx", scale) << 26 << 1 << int(Suit::Clubs) << scale;
        QTest::addRow("39: ace of diamonds at %dx", scale)
            << 39 << 1 << int(Suit::Diamonds) << scale;
        QTest::addRow("51: king of diamonds at %dx", scale)
            << 51 << 13 << int(Suit::Diamonds) << scale;
    }
}

// The program cuts the embedded sheet with PictureClip; each cut must be the
// face that the generator draws for that card.
void CardSheetTest::pictureClipCells()
{
    QFETCH(int, cell);
    QFETCH(int, rank);
    QFETCH(int, suit);
    QFETCH(int, scale);
    const PictureClip clip(QImage(CardSheet::resource(scale)), 4, 13);
    // A cut outlives the clip and the sheet it was cut from.
    const QImage cut = PictureClip(QImage(CardSheet::resource(scale)), 4, 13).graphicCell(cell);
    QCOMPARE(cut, clip.graphicCell(cell));
    const QImage picture = cut.convertToFormat(QImage::Format_RGB32);
    const QString difference = firstDifference(picture, faceImage(rank, Suit(suit), scale));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void CardSheetTest::gridEndsAtTheSheetEdge_data()
{
    QTest::addColumn<int>("scale");

    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void CardSheetTest::gridEndsAtTheSheetEdge()
{
    QFETCH(int, scale);
    const PictureClip clip(QImage(CardSheet::resource(scale)), 4, 13);
    QCOMPARE(clip.cellWidth(), 71 * scale);
    QCOMPARE(clip.cellHeight(), 96 * scale);
    QCOMPARE(clip.cellRect(12).right(), 923 * scale - 1);
    QCOMPARE(clip.cellRect(51).right(), 923 * scale - 1);
    QCOMPARE(clip.cellRect(39).bottom(), 384 * scale - 1);
    QCOMPARE(clip.cellRect(51).bottom(), 384 * scale - 1);
    QVERIFY(clip.graphicCell(52).isNull());
}

void CardSheetTest::sheetScaleForTheScreen_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("scale");

    QTest::newRow("1") << 1.0 << 1;
    QTest::newRow("1.25") << 1.25 << 1;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("3") << 3.0 << 2;
}

void CardSheetTest::sheetScaleForTheScreen()
{
    QFETCH(qreal, ratio);
    QFETCH(int, scale);
    QCOMPARE(CardSheet::scaleFor(ratio), scale);
}

void CardSheetTest::cardBoxesShowTheFacesOfTheirScreen_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("rank");

    QTest::newRow("box 1: ace of spades") << 1 << 1;
    QTest::newRow("box 2: 7 of spades") << 2 << 7;
    QTest::newRow("box 3: 10 of spades") << 3 << 10;
    QTest::newRow("box 4: queen of spades") << 4 << 12;
}

// Run as it is, and by a second registration with QT_SCALE_FACTOR=2: the
// window on a screen of ratio 2 cuts the 2x sheet, and each box shows its
// face at the same logical size, one face pixel to one device pixel, cut
// off at the box's client area.
void CardSheetTest::cardBoxesShowTheFacesOfTheirScreen()
{
    QFETCH(int, box);
    QFETCH(int, rank);
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), factor);
    const int scale = factor >= 2 ? 2 : 1;

    GameTable table;
    table.deal(1, 7, 10, 12);
    CardBox *cardBox = table.card(box);
    const QImage *picture = cardBox->picture();
    QVERIFY(picture);
    QCOMPARE(picture->devicePixelRatio(), qreal(scale));
    QCOMPARE(picture->deviceIndependentSize(), QSizeF(71, 96));
    const QImage face = faceImage(rank, Suit::Spades, scale);
    const QString difference =
        firstDifference(picture->convertToFormat(QImage::Format_RGB32), face);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    const QImage shown = cardBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.devicePixelRatio(), qreal(scale));
    const QRect client = cardBox->contentsRect();
    const QRect clientPixels(client.topLeft() * scale, client.size() * scale);
    QCOMPARE(firstDifference(shown.copy(clientPixels),
                             face.copy(0, 0, clientPixels.width(), clientPixels.height())),
             QString());

    // The 8-bit face drawn as it is shows what a 32-bit pixmap copy of its
    // cell, the route the window once took, shows over the same box.
    // Spades are the sheet's first row.
    QPixmap copied = QPixmap(CardSheet::resource(scale))
                         .copy(71 * scale * (rank - 1), 0, 71 * scale, 96 * scale);
    copied.setDevicePixelRatio(scale);
    QImage overPainted = shown;
    QPainter painter(&overPainted);
    painter.setClipRect(client);
    painter.drawPixmap(client.topLeft(), copied);
    painter.end();
    QCOMPARE(firstDifference(shown, overPainted), QString());
}

void CardSheetTest::iconSizes_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("32x32") << 32;
    QTest::newRow("16x16") << 16;
}

void CardSheetTest::iconSizes()
{
    QFETCH(int, size);
    const QIcon file(QStringLiteral(":/merovant.ico"));
    QVERIFY(file.availableSizes().contains(QSize(size, size)));
    // The window shows the file's icon.
    GameTable table;
    const QIcon window = table.form.windowIcon();
    QCOMPARE(window.availableSizes(), file.availableSizes());
    QCOMPARE(window.pixmap(size).toImage(), file.pixmap(size).toImage());

    const QImage image = iconImage(size);
    QVERIFY(!image.isNull());
    QSet<QRgb> colours;
    int transparent = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                ++transparent;
            else
                colours.insert(pixel);
        }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    // The mask lets the desktop show through around the cards.
    QVERIFY(transparent > 0);
    QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0);
}

void CardSheetTest::iconDirectory_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("size");

    QTest::newRow("first image, 32x32") << 0 << 32;
    QTest::newRow("second image, 16x16") << 1 << 16;
}

// Each image of the icon is a 16-colour, 4-bit picture.
void CardSheetTest::iconDirectory()
{
    QFETCH(int, entry);
    QFETCH(int, size);
    const QByteArray ico = readResource("merovant.ico");
    QVERIFY(ico.size() > 6 + 16 * 2);
    const auto *bytes = reinterpret_cast<const uchar *>(ico.constData());
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 2), quint16(1)); // an icon
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(2)); // two images

    const uchar *dir = bytes + 6 + 16 * entry;
    QCOMPARE(int(dir[0]), size);
    QCOMPARE(int(dir[1]), size);
    QCOMPARE(int(dir[2]), 16);                                 // colours
    QCOMPARE(qFromLittleEndian<quint16>(dir + 6), quint16(4)); // bits per pixel
    const quint32 offset = qFromLittleEndian<quint32>(dir + 12);
    QVERIFY(offset + 40 <= quint32(ico.size()));
    QCOMPARE(qFromLittleEndian<quint16>(bytes + offset + 14), quint16(4));
}

void CardSheetTest::themePngsMatchTheIcon_data()
{
    iconSizes_data();
}

void CardSheetTest::themePngsMatchTheIcon()
{
    QFETCH(int, size);
    const QByteArray png = toBytes(cardart::encodeThemeIconPng(size));
    const QImage fromPng = QImage::fromData(png, "PNG");
    QVERIFY(!fromPng.isNull());
    QCOMPARE(fromPng.convertToFormat(QImage::Format_ARGB32),
             iconImage(size).convertToFormat(QImage::Format_ARGB32));
}

void CardSheetTest::themeIconsAreDrawnAtTheirOwnSize_data()
{
    QTest::addColumn<int>("size");

    for (const int size : cardart::themeIconSizes)
        if (size != 16 && size != 32)
            QTest::addRow("%dx%d", size, size) << size;
}

// The sizes without a pixel drawing are drawn from the outlines at their own
// size: their edges are smoothed, which no blow-up of the 32 x 32 drawing
// has, and brought down to 32 x 32 they show the same picture as it does.
void CardSheetTest::themeIconsAreDrawnAtTheirOwnSize()
{
    QFETCH(int, size);
    const QByteArray png = toBytes(cardart::encodeThemeIconPng(size));
    // Deflated: a 256 x 256 icon stored raw would take 256 KiB.
    QVERIFY2(png.size() < 16 * 1024, qPrintable(QString::number(png.size())));
    const QImage icon = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));

    int partlyCovered = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            partlyCovered += qAlpha(icon.pixel(x, y)) > 0 && qAlpha(icon.pixel(x, y)) < 255;
    QVERIFY2(partlyCovered >= size, qPrintable(QString::number(partlyCovered)));

    // Brought to 32 x 32, it shows the drawing's colour inside each patch of
    // one colour (a pixel whose eight neighbours match it); only the edges
    // between patches may differ.
    const QImage drawn = iconImage(32).convertToFormat(QImage::Format_ARGB32);
    const QImage reduced = icon.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int inside = 0, alike = 0;
    for (int y = 1; y < 31; ++y)
        for (int x = 1; x < 31; ++x) {
            bool patch = true;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i)
                    patch = patch && drawn.pixel(x + i, y + j) == drawn.pixel(x, y);
            if (!patch)
                continue;
            const QRgb a = reduced.pixel(x, y), b = drawn.pixel(x, y);
            const int distance = qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                                 qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
            ++inside;
            alike += distance < 128;
        }
    QVERIFY2(alike * 100 >= inside * 99,
             qPrintable(QStringLiteral("%1 of %2 alike").arg(alike).arg(inside)));
}

void CardSheetTest::scalableIcon()
{
    QXmlStreamReader svg(QByteArray::fromStdString(cardart::themeIconSvg()));
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name(), QLatin1String("svg"));
    QCOMPARE(svg.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 32 32"));
    int shapes = 0;
    while (!svg.atEnd())
        shapes += svg.readNext() == QXmlStreamReader::StartElement;
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY(shapes > 10);
}

QTEST_MAIN(CardSheetTest)
#include "tst_cardsheet.moc"
