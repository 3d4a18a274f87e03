// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the face and icon drawings.

#include "CardArt.h"

#include <span>

namespace cardart::detail {

// A pixel value that pasting skips, so drawings keep what lies beneath them.
inline constexpr std::uint8_t clear = 0xFE;

// Inks that a drawing leaves open until it is used for a particular card.
struct Inks
{
    std::uint8_t suit = Black; // 's': the suit's own colour
    std::uint8_t main = Red;   // 'p': the main colour of a court figure's dress
    std::uint8_t trim = Blue;  // 'q': the second colour of the dress
};

// Pixel art written as text, one string a row. '.' is clear; the letters
// k b g c r m y w are the sheet's eight inks, and s p q those of `inks`.
// Rows must be equally long.
IndexedImage parseArt(std::span<const char *const> rows, Inks inks);
inline IndexedImage parseArt(std::span<const char *const> rows, std::uint8_t suitInk)
{
    return parseArt(rows, Inks{suitInk});
}

std::uint8_t inkOf(Suit suit);

// Doubles an image with the Scale2x (EPX) rule: a pixel's four quarters take
// the colour of two neighbours that agree along a diagonal edge, so staircases
// come out as finer steps instead of larger blocks.
IndexedImage scale2x(const IndexedImage &image);

enum class SymbolSize {
    Corner, // under the rank in the corner index
    Pip,    // the pips of 2 to 10 and the court cards' emblem
    Ace,    // the single large symbol of an ace
};

// Whether (u, v) of the unit square, v pointing down, lies inside the suit's
// outline, the one the large symbols are sampled from.
bool inSuitOutline(Suit suit, double u, double v);

// The suit's symbol in its ink on a clear background, `scale` (1 or 2) times
// the size of the sheet's own.
IndexedImage suitSymbol(Suit suit, SymbolSize size, int scale = 1);
// "A", "2".."10", "J", "Q", "K" in `ink` on a clear background, at `scale`.
IndexedImage rankText(int rank, std::uint8_t ink, int scale = 1);

} // namespace cardart::detail
