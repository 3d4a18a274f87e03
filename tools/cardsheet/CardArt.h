// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Draws the program's card faces and icon into palette-indexed pixels and
// encodes them in the file formats the game embeds. Nothing here depends on
// Qt, so the art can be regenerated without the GUI toolkit.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cardart {

// Rows of the sheet, top to bottom.
enum class Suit { Spades, Hearts, Clubs, Diamonds };

// The sheet palette: the eight pure colours, in the order the BMP stores them.
enum Ink : std::uint8_t { Black, Blue, Green, Cyan, Red, Magenta, Yellow, White };

struct Rgb
{
    std::uint8_t r, g, b;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr int cardWidth = 71;
inline constexpr int cardHeight = 96;
inline constexpr int sheetColumns = 13;
inline constexpr int sheetRows = 4;
inline constexpr int sheetWidth = cardWidth * sheetColumns;
inline constexpr int sheetHeight = cardHeight * sheetRows;

inline constexpr std::array<Rgb, 8> sheetPalette{{{0x00, 0x00, 0x00},
                                                  {0x00, 0x00, 0xFF},
                                                  {0x00, 0xFF, 0x00},
                                                  {0x00, 0xFF, 0xFF},
                                                  {0xFF, 0x00, 0x00},
                                                  {0xFF, 0x00, 0xFF},
                                                  {0xFF, 0xFF, 0x00},
                                                  {0xFF, 0xFF, 0xFF}}};

// Palette indexes, row by row from the top.
class IndexedImage
{
public:
    IndexedImage() = default;
    IndexedImage(int width, int height, std::uint8_t fill);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    std::uint8_t at(int x, int y) const { return m_pixels[index(x, y)]; }
    // Off-image pixels are ignored, so shapes may be clipped at the edge.
    void set(int x, int y, std::uint8_t value);
    void fillRect(int x, int y, int w, int h, std::uint8_t value);
    // Copies `image` with its upper-left corner at (x, y); pixels equal to
    // `skip` leave the destination alone.
    void paste(const IndexedImage &image, int x, int y, int skip = -1);
    IndexedImage rotated180() const;

    friend bool operator==(const IndexedImage &, const IndexedImage &) = default;

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;
};

// The sheet for screens of twice the pixel density: the same cards in the
// same places at twice the pixels, drawn finer rather than doubled.
inline constexpr int hiDpiScale = 2;

// One card, rank 1 (ace) to 13 (king), 71 x 96 pixels times `scale` (1 or
// 2) in sheet palette indexes.
IndexedImage renderFace(int rank, Suit suit, int scale = 1);
// All 52 faces: column c holds rank c + 1, row r holds Suit(r).
IndexedImage renderSheet(int scale = 1);
// An 8-bit Windows bitmap with a full 256-entry table led by `sheetPalette`.
std::vector<std::uint8_t> encodeSheetBmp(const IndexedImage &sheet);
// A deflated PNG of 8-bit indexes into `sheetPalette`, for the 2x sheet.
std::vector<std::uint8_t> encodeSheetPng(const IndexedImage &sheet);

// The icon uses the 16 colours of the classic VGA set; pixels with this
// value are transparent.
inline constexpr std::uint8_t iconTransparent = 0xFF;
extern const std::array<Rgb, 16> iconPalette;
inline constexpr std::array<int, 2> iconSizes{32, 16};

IndexedImage renderIcon(int size);
// A Windows icon holding every size in `iconSizes`, 4 bits per pixel with an
// AND mask.
std::vector<std::uint8_t> encodeIcon();
// A truecolour PNG with alpha of one size of the icon's drawings.
std::vector<std::uint8_t> encodeIconPng(int size);

// The sizes of the desktop icon theme. 16 and 32 are the icon's pixel
// drawings; every other size is drawn from the outlines that the 32 x 32
// drawing was made from, at its own size.
inline constexpr std::array<int, 8> themeIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// RGBA, row by row from the top: the outlines rendered at `size` pixels,
// each pixel the average of 8 x 8 samples.
std::vector<std::uint8_t> renderIconOutlines(int size);
std::vector<std::uint8_t> encodeThemeIconPng(int size);
// The same outlines as a scalable SVG document of 32 x 32 units.
std::string themeIconSvg();

// The Windows program icon: the two 16-colour drawings of `encodeIcon`, and
// for today's Explorer views these sizes drawn from the outlines, stored as
// PNG as Windows reads them.
inline constexpr std::array<int, 2> windowsIconPngSizes{48, 256};
std::vector<std::uint8_t> encodeWindowsIcon();

} // namespace cardart
