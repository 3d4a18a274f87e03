// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Art.h"

#include <array>
#include <span>
#include <stdexcept>

namespace cardart::detail {
namespace {

// The suit shapes are outlines in a unit square, v pointing down, sampled
// 4 x 4 times a pixel: a pixel is inked when at least half its samples are
// inside. Only + - * / are used, so every run rounds alike.
using Shape = bool (*)(double u, double v);

bool inCircle(double u, double v, double cu, double cv, double r)
{
    return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= r * r;
}

// A point that narrows with slightly bulging sides from `top` down to `tip`.
bool inPoint(double u, double v, double top, double tip, double halfWidth)
{
    if (v < top || v > tip)
        return false;
    const double t = (v - top) / (tip - top);
    const double w = halfWidth * (1 - t) * (1 + 0.55 * t);
    return u >= 0.5 - w && u <= 0.5 + w;
}

// A stem that flares out towards its foot.
bool inStem(double u, double v, double top)
{
    if (v < top || v > 1)
        return false;
    const double t = (v - top) / (1 - top);
    const double w = 0.05 + 0.19 * t * t;
    return u >= 0.5 - w && u <= 0.5 + w;
}

bool heart(double u, double v)
{
    return inCircle(u, v, 0.26, 0.27, 0.26) || inCircle(u, v, 0.74, 0.27, 0.26) ||
           inPoint(u, v, 0.29, 1.0, 0.5);
}

bool spade(double u, double v)
{
    const double body = 0.8;
    return heart(u, (body - v) / body) || inStem(u, v, 0.55);
}

bool club(double u, double v)
{
    const double r = 0.235;
    return inCircle(u, v, 0.5, r, r) || inCircle(u, v, r, 0.58, r) ||
           inCircle(u, v, 1 - r, 0.58, r) || (u > 0.4 && u < 0.6 && v > 0.3 && v < 0.65) ||
           inStem(u, v, 0.55);
}

bool diamond(double u, double v)
{
    const double du = u < 0.5 ? 0.5 - u : u - 0.5;
    const double dv = v < 0.5 ? 0.5 - v : v - 0.5;
    return du + dv <= 0.5;
}

Shape shapeOf(Suit suit)
{
    switch (suit) {
    case Suit::Spades:
        return spade;
    case Suit::Hearts:
        return heart;
    case Suit::Clubs:
        return club;
    case Suit::Diamonds:
        return diamond;
    }
    throw std::logic_error("no such suit");
}

IndexedImage rasterize(Shape shape, int width, int height, std::uint8_t ink)
{
    IndexedImage out(width, height, clear);
    constexpr int n = 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int inside = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i)
                    inside += shape((x + (i + 0.5) / n) / width, (y + (j + 0.5) / n) / height);
            if (2 * inside >= n * n)
                out.set(x, y, ink);
        }
    return out;
}

// The two small sizes are drawn by hand: at seven and eleven pixels a
// sampled outline comes out lumpy.
// clang-format off
const char *const spadeCorner[] = {
    "...s...",
    "..sss..",
    ".sssss.",
    "sssssss",
    "sssssss",
    "ss.s.ss",
    "...s...",
    "..sss..",
};
const char *const heartCorner[] = {
    ".ss.ss.",
    "sssssss",
    "sssssss",
    "sssssss",
    ".sssss.",
    "..sss..",
    "...s...",
    ".......",
};
const char *const clubCorner[] = {
    "..sss..",
    ".sssss.",
    "..sss..",
    "ss.s.ss",
    "sssssss",
    "ss.s.ss",
    "...s...",
    "..sss..",
};
const char *const diamondCorner[] = {
    "...s...",
    "..sss..",
    ".sssss.",
    "sssssss",
    "sssssss",
    ".sssss.",
    "..sss..",
    "...s...",
};
const char *const spadePip[] = {
    ".....s.....",
    "....sss....",
    "...sssss...",
    "..sssssss..",
    ".sssssssss.",
    "sssssssssss",
    "sssssssssss",
    "sssssssssss",
    ".sss.s.sss.",
    ".....s.....",
    "....sss....",
    "..sssssss..",
};
const char *const heartPip[] = {
    ".sss...sss.",
    "sssss.sssss",
    "sssssssssss",
    "sssssssssss",
    "sssssssssss",
    ".sssssssss.",
    ".sssssssss.",
    "..sssssss..",
    "...sssss...",
    "....sss....",
    "....sss....",
    ".....s.....",
};
const char *const clubPip[] = {
    "....sss....",
    "...sssss...",
    "...sssss...",
    "...sssss...",
    "....sss....",
    ".sss.s.sss.",
    "sssssssssss",
    "sssssssssss",
    "sssssssssss",
    ".sss.s.sss.",
    "....sss....",
    "..sssssss..",
};
const char *const diamondPip[] = {
    ".....s.....",
    "....sss....",
    "....sss....",
    "...sssss...",
    "..sssssss..",
    ".sssssssss.",
    ".sssssssss.",
    "..sssssss..",
    "...sssss...",
    "....sss....",
    "....sss....",
    ".....s.....",
};

// Bold 6 x 9 figures; the "1" of "10" is narrower so that "10" still fits
// the corner.
const char *const glyphA[] = {
    "..ss..",
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ssssss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
};
const char *const glyph1[] = {
    ".ss",
    "sss",
    ".ss",
    ".ss",
    ".ss",
    ".ss",
    ".ss",
    ".ss",
    ".ss",
};
const char *const glyph2[] = {
    ".ssss.",
    "ss..ss",
    "....ss",
    "...ss.",
    "..ss..",
    ".ss...",
    "ss....",
    "ss....",
    "ssssss",
};
const char *const glyph3[] = {
    ".ssss.",
    "ss..ss",
    "....ss",
    "....ss",
    "..sss.",
    "....ss",
    "....ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyph4[] = {
    "...ss.",
    "..sss.",
    ".ssss.",
    "ss.ss.",
    "ss.ss.",
    "ssssss",
    "...ss.",
    "...ss.",
    "...ss.",
};
const char *const glyph5[] = {
    "ssssss",
    "ss....",
    "ss....",
    "sssss.",
    "....ss",
    "....ss",
    "....ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyph6[] = {
    "..sss.",
    ".ss...",
    "ss....",
    "sssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyph7[] = {
    "ssssss",
    "....ss",
    "....ss",
    "...ss.",
    "...ss.",
    "..ss..",
    "..ss..",
    "..ss..",
    "..ss..",
};
const char *const glyph8[] = {
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyph9[] = {
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    ".sssss",
    "....ss",
    "....ss",
    "...ss.",
    ".sss..",
};
const char *const glyph0[] = {
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyphJ[] = {
    "..ssss",
    "....ss",
    "....ss",
    "....ss",
    "....ss",
    "....ss",
    "ss..ss",
    "ss..ss",
    ".ssss.",
};
const char *const glyphQ[] = {
    ".ssss.",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss..ss",
    "ss.sss",
    ".ssss.",
    "....ss",
};
const char *const glyphK[] = {
    "ss..ss",
    "ss..ss",
    "ss.ss.",
    "ssss..",
    "sss...",
    "ssss..",
    "ss.ss.",
    "ss..ss",
    "ss..ss",
};
// clang-format on

// Each suit's drawings, in the order of Suit; the ink comes from the suit.
const std::array<std::span<const char *const>, 4> cornerArt{spadeCorner, heartCorner, clubCorner,
                                                            diamondCorner};
const std::array<std::span<const char *const>, 4> pipArt{spadePip, heartPip, clubPip, diamondPip};

IndexedImage cornerSymbol(Suit suit)
{
    return parseArt(cornerArt.at(static_cast<std::size_t>(suit)), inkOf(suit));
}

IndexedImage pipSymbol(Suit suit)
{
    return parseArt(pipArt.at(static_cast<std::size_t>(suit)), inkOf(suit));
}

IndexedImage glyph(char c, std::uint8_t ink)
{
    switch (c) {
    case 'A':
        return parseArt(glyphA, ink);
    case '1':
        return parseArt(glyph1, ink);
    case '2':
        return parseArt(glyph2, ink);
    case '3':
        return parseArt(glyph3, ink);
    case '4':
        return parseArt(glyph4, ink);
    case '5':
        return parseArt(glyph5, ink);
    case '6':
        return parseArt(glyph6, ink);
    case '7':
        return parseArt(glyph7, ink);
    case '8':
        return parseArt(glyph8, ink);
    case '9':
        return parseArt(glyph9, ink);
    case '0':
        return parseArt(glyph0, ink);
    case 'J':
        return parseArt(glyphJ, ink);
    case 'Q':
        return parseArt(glyphQ, ink);
    case 'K':
        return parseArt(glyphK, ink);
    }
    throw std::logic_error(std::string("no glyph for ") + c);
}

} // namespace

bool inSuitOutline(Suit suit, double u, double v)
{
    return shapeOf(suit)(u, v);
}

IndexedImage suitSymbol(Suit suit, SymbolSize size, int scale)
{
    if (scale != 1 && scale != 2)
        throw std::invalid_argument("symbols come at scale 1 and 2 only");
    if (scale == 2 && size != SymbolSize::Ace) {
        // Twice as large, the outline samples cleanly: draw it instead of the
        // hand-made pixels, in the same box. The corner heart leaves its
        // bottom row blank, as the hand-made one does.
        const IndexedImage drawn =
            size == SymbolSize::Corner ? cornerSymbol(suit) : pipSymbol(suit);
        const int width = 2 * drawn.width(), height = 2 * drawn.height();
        const int inked = suit == Suit::Hearts && size == SymbolSize::Corner ? height - 2 : height;
        IndexedImage out(width, height, clear);
        out.paste(rasterize(shapeOf(suit), width, inked, inkOf(suit)), 0, 0);
        return out;
    }
    switch (size) {
    case SymbolSize::Corner:
        return cornerSymbol(suit);
    case SymbolSize::Pip:
        return pipSymbol(suit);
    case SymbolSize::Ace:
        return rasterize(shapeOf(suit), 31 * scale, 36 * scale, inkOf(suit));
    }
    throw std::logic_error("no such symbol size");
}

IndexedImage rankText(int rank, std::uint8_t ink, int scale)
{
    if (scale == 2)
        return scale2x(rankText(rank, ink, 1));
    if (scale != 1)
        throw std::invalid_argument("rank text comes at scale 1 and 2 only");
    static const char *const names[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    if (rank < 1 || rank > 13)
        throw std::out_of_range("rank must be 1 to 13");
    std::vector<IndexedImage> glyphs;
    int width = 0;
    for (const char *c = names[rank - 1]; *c; ++c) {
        glyphs.push_back(glyph(*c, ink));
        width += glyphs.back().width() + (width ? 1 : 0);
    }
    IndexedImage out(width, glyphs.front().height(), clear);
    int x = 0;
    for (const IndexedImage &g : glyphs) {
        out.paste(g, x, 0);
        x += g.width() + 1;
    }
    return out;
}

} // namespace cardart::detail
