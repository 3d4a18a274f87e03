// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardArt.h"
#include "game/PictureClip.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QTest>
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

    void qtLoadsTheEmbeddedSheet();
    void pictureClipCells_data();
    void pictureClipCells();
    void gridEndsAtTheSheetEdge();

    void iconSizes_data();
    void iconSizes();
    void iconDirectory_data();
    void iconDirectory();
    void themePngsMatchTheIcon_data();
    void themePngsMatchTheIcon();
    void themeIconsScaleTheDrawingPixelForPixel_data();
    void themeIconsScaleTheDrawingPixelForPixel();

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
    cellBorders_data();
}

// The card box shows about 69 x 93 pixels of a face; whatever lies within
// four pixels of the right and bottom edges may be cut off, so only the
// card's white may be there.
void CardSheetTest::cutOffEdgesAreBlank()
{
    QFETCH(int, cell);
    const cardart::IndexedImage face = cardart::renderFace(cell % 13 + 1, Suit(cell / 13));
    for (int y = 1; y < cardart::cardHeight - 1; ++y)
        for (int x = 1; x < cardart::cardWidth - 1; ++x) {
            const bool nearEdge = x >= cardart::cardWidth - 4 || y >= cardart::cardHeight - 4;
            if (nearEdge && face.at(x, y) != cardart::White)
                QFAIL(qPrintable(QStringLiteral("ink at (%1, %2)").arg(x).arg(y)));
        }
}

void CardSheetTest::pipCount_data()
{
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");

    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 10; ++rank)
            QTest::newRow(qPrintable(cardName(rank, Suit(suit)))) << rank << suit;
}

// Between the corner indexes a pip card shows as many separate symbols as its
// value, in its suit's colour and no other ink: black for spades and clubs,
// red for hearts and diamonds.
void CardSheetTest::pipCount()
{
    QFETCH(int, rank);
    QFETCH(int, suit);
    const cardart::IndexedImage face = cardart::renderFace(rank, Suit(suit));
    const bool red = suit == int(Suit::Hearts) || suit == int(Suit::Diamonds);
    const QRect middle(15, 1, 41, 94);
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

void CardSheetTest::qtLoadsTheEmbeddedSheet()
{
    const QImage sheet(QStringLiteral(":/cards.bmp"));
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.size(), QSize(923, 384));
}

void CardSheetTest::pictureClipCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("suit");

    QTest::newRow("0: ace of spades") << 0 << 1 << int(Suit::Spades);
    QTest::newRow("12: king of spades") << 12 << 13 << int(Suit::Spades);
    QTest::newRow("13: ace of hearts") << 13 << 1 << int(Suit::Hearts);
    QTest::newRow("25: king of hearts") << 25 << 13 << int(Suit::Hearts);
    QTest::newRow("26: ace of clubs") << 26 << 1 << int(Suit::Clubs);
    QTest::newRow("39: ace of diamonds") << 39 << 1 << int(Suit::Diamonds);
    QTest::newRow("51: king of diamonds") << 51 << 13 << int(Suit::Diamonds);
}

// The program cuts the embedded sheet with PictureClip; each cut must be the
// face that the generator draws for that card.
void CardSheetTest::pictureClipCells()
{
    QFETCH(int, cell);
    QFETCH(int, rank);
    QFETCH(int, suit);
    const PictureClip clip(QPixmap(QStringLiteral(":/cards.bmp")), 4, 13);
    const QImage picture = clip.graphicCell(cell).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(71, 96));

    const cardart::IndexedImage face = cardart::renderFace(rank, Suit(suit));
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (picture.pixel(x, y) != rgbOf(face.at(x, y)))
                QFAIL(qPrintable(QStringLiteral("differs at (%1, %2)").arg(x).arg(y)));
}

void CardSheetTest::gridEndsAtTheSheetEdge()
{
    const PictureClip clip(QPixmap(QStringLiteral(":/cards.bmp")), 4, 13);
    QCOMPARE(clip.cellWidth(), 71);
    QCOMPARE(clip.cellHeight(), 96);
    QCOMPARE(clip.cellRect(12).right(), 922);
    QCOMPARE(clip.cellRect(51).right(), 922);
    QCOMPARE(clip.cellRect(39).bottom(), 383);
    QCOMPARE(clip.cellRect(51).bottom(), 383);
    QVERIFY(clip.graphicCell(52).isNull());
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
    QVERIFY(QIcon(QStringLiteral(":/merovant.ico")).availableSizes().contains(QSize(size, size)));

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
    const QByteArray png = toBytes(cardart::encodeIconPng(size));
    const QImage fromPng = QImage::fromData(png, "PNG");
    QVERIFY(!fromPng.isNull());
    QCOMPARE(fromPng.convertToFormat(QImage::Format_ARGB32),
             iconImage(size).convertToFormat(QImage::Format_ARGB32));
}

void CardSheetTest::themeIconsScaleTheDrawingPixelForPixel_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("drawnSize");

    for (const cardart::ThemeIcon icon : cardart::themeIcons)
        QTest::addRow("%dx%d from %dx%d", icon.size, icon.size, icon.drawnSize, icon.drawnSize)
            << icon.size << icon.drawnSize;
}

void CardSheetTest::themeIconsScaleTheDrawingPixelForPixel()
{
    QFETCH(int, size);
    QFETCH(int, drawnSize);
    QCOMPARE(size % drawnSize, 0);
    const int scale = size / drawnSize;
    const QImage fromPng =
        QImage::fromData(toBytes(cardart::encodeIconPng(drawnSize, scale)), "PNG");
    QCOMPARE(fromPng.size(), QSize(size, size));
    // Every pixel of the drawing becomes a block of equal pixels, nothing blended.
    const QImage drawn = iconImage(drawnSize).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(fromPng.convertToFormat(QImage::Format_ARGB32),
             drawn.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QTEST_MAIN(CardSheetTest)
#include "tst_cardsheet.moc"
