// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Art.h"

#include <stdexcept>

namespace cardart {

const std::array<Rgb, 16> iconPalette{{{0x00, 0x00, 0x00},
                                       {0x80, 0x00, 0x00},
                                       {0x00, 0x80, 0x00},
                                       {0x80, 0x80, 0x00},
                                       {0x00, 0x00, 0x80},
                                       {0x80, 0x00, 0x80},
                                       {0x00, 0x80, 0x80},
                                       {0xC0, 0xC0, 0xC0},
                                       {0x80, 0x80, 0x80},
                                       {0xFF, 0x00, 0x00},
                                       {0x00, 0xFF, 0x00},
                                       {0xFF, 0xFF, 0x00},
                                       {0x00, 0x00, 0xFF},
                                       {0xFF, 0x00, 0xFF},
                                       {0x00, 0xFF, 0xFF},
                                       {0xFF, 0xFF, 0xFF}}};

namespace {

using detail::clear;

enum IconInk : std::uint8_t {
    IconBlack = 0,
    IconNavy = 4,
    IconGrey = 8,
    IconRed = 9,
    IconBlue = 12,
    IconWhite = 15,
};

// A card as seen in the icon: a rectangle turned about its centre by the
// angle whose cosine and sine are given, with its corners cut round.
struct IconCard
{
    double cx, cy;       // centre
    double halfW, halfH; // half the sides
    double cosA, sinA;   // turn, clockwise on screen
    double corner;       // radius of the rounded corners

    // (u, v) are the card's own coordinates of a pixel's centre.
    void local(int x, int y, double &u, double &v) const
    {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        u = dx * cosA + dy * sinA;
        v = -dx * sinA + dy * cosA;
    }

    bool contains(int x, int y) const
    {
        double u, v;
        local(x, y, u, v);
        const double au = u < 0 ? -u : u, av = v < 0 ? -v : v;
        if (au > halfW || av > halfH)
            return false;
        const double ex = au - (halfW - corner), ey = av - (halfH - corner);
        return ex <= 0 || ey <= 0 || ex * ex + ey * ey <= corner * corner;
    }
};

// Paints the card with a black outline wherever it covers the icon; `fill`
// chooses the inside colour of each covered pixel.
template <typename Fill> void paintCard(IndexedImage &icon, const IconCard &card, Fill fill)
{
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            if (!card.contains(x, y))
                continue;
            // Looking at all eight neighbours keeps a turned card's outline
            // free of gaps at every step of its staircase.
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    edge = edge || !card.contains(x + dx, y + dy);
            icon.set(x, y, edge ? std::uint8_t(IconBlack) : fill(x, y));
        }
}

// The back of a card: a white margin round a blue lattice.
void paintCardBack(IndexedImage &icon, const IconCard &card, double margin)
{
    paintCard(icon, card, [&](int x, int y) -> std::uint8_t {
        double u, v;
        card.local(x, y, u, v);
        const double au = u < 0 ? -u : u, av = v < 0 ? -v : v;
        if (au > card.halfW - margin || av > card.halfH - margin)
            return IconWhite;
        return (x + y) % 3 == 0 || (x - y + 30) % 3 == 0 ? IconNavy : IconBlue;
    });
}

// clang-format off
// Bold figures for the large icon.
const char *const bigTwo[] = {
    ".rrrrr.",
    "rrrrrrr",
    "rr...rr",
    ".....rr",
    "....rrr",
    "...rrr.",
    "..rrr..",
    ".rrr...",
    "rrr....",
    "rrrrrrr",
    "rrrrrrr",
};
const char *const bigFour[] = {
    "....rr.",
    "...rrr.",
    "..rrrr.",
    ".rr.rr.",
    "rr..rr.",
    "rr..rr.",
    "rrrrrrr",
    "rrrrrrr",
    "....rr.",
    "....rr.",
    "....rr.",
};
const char *const heart[] = {
    "rr.rr",
    "rrrrr",
    ".rrr.",
    "..r..",
};
// At 16 pixels a figure has one-pixel strokes.
const char *const smallTwo[] = {
    ".rr.",
    "r..r",
    "...r",
    "..r.",
    ".r..",
    "rrrr",
};
const char *const smallFour[] = {
    "..r.",
    ".rr.",
    "r.r.",
    "rrrr",
    "..r.",
    "..r.",
};
// clang-format on

// The icon only draws in red and black from the text art; map its letters to
// the icon's palette.
void pasteFigure(IndexedImage &icon, std::span<const char *const> rows, int x, int y)
{
    const IndexedImage figure = detail::parseArt(rows, Red);
    for (int j = 0; j < figure.height(); ++j)
        for (int i = 0; i < figure.width(); ++i)
            if (figure.at(i, j) == Red)
                icon.set(x + i, y + j, IconRed);
}

IndexedImage largeIcon()
{
    IndexedImage icon(32, 32, iconTransparent);
    // The card behind leans 18 degrees to the left; its cosine and sine are
    // written out so that no maths library's rounding can change a pixel.
    paintCardBack(icon, {10.5, 14.0, 8.5, 12.0, 0.951, -0.309, 2.0}, 2.0);
    paintCard(icon, {20.5, 18.0, 10.0, 13.5, 1.0, 0.0, 2.0},
              [](int, int) -> std::uint8_t { return IconWhite; });
    pasteFigure(icon, heart, 13, 7);
    pasteFigure(icon, bigTwo, 13, 13);
    pasteFigure(icon, bigFour, 21, 13);
    const IndexedImage corner = detail::parseArt(heart, Red).rotated180();
    for (int j = 0; j < corner.height(); ++j)
        for (int i = 0; i < corner.width(); ++i)
            if (corner.at(i, j) == Red)
                icon.set(24 + i, 26 + j, IconRed);
    return icon;
}

IndexedImage smallIcon()
{
    IndexedImage icon(16, 16, iconTransparent);
    paintCardBack(icon, {5.0, 6.5, 4.5, 6.5, 1.0, 0.0, 1.0}, 1.0);
    paintCard(icon, {10.5, 9.5, 5.5, 6.5, 1.0, 0.0, 1.0},
              [](int, int) -> std::uint8_t { return IconWhite; });
    pasteFigure(icon, smallTwo, 6, 7);
    pasteFigure(icon, smallFour, 11, 7);
    return icon;
}

} // namespace

IndexedImage renderIcon(int size)
{
    switch (size) {
    case 32:
        return largeIcon();
    case 16:
        return smallIcon();
    }
    throw std::invalid_argument("the icon comes in 16 and 32 pixels only");
}

} // namespace cardart
