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

enum class SymbolSize {
    Corner, // under the rank in the corner index
    Pip,    // the pips of 2 to 10 and the court cards' emblem
    Ace,    // the single large symbol of an ace
};

// The suit's symbol in its ink on a clear background.
IndexedImage suitSymbol(Suit suit, SymbolSize size);
// "A", "2".."10", "J", "Q", "K" in `ink` on a clear background.
IndexedImage rankText(int rank, std::uint8_t ink);

} // namespace cardart::detail
