// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Art.h"
#include "Court.h"

#include <algorithm>
#include <stdexcept>

namespace cardart {
namespace {

using namespace detail;

// Pastes `image` with its corner at (x, y), and the same turned upside down
// where a half-turn of the card takes it.
void pasteBothWays(IndexedImage &face, const IndexedImage &image, int x, int y)
{
    face.paste(image, x, y, clear);
    face.paste(image.rotated180(), cardWidth - x - image.width(), cardHeight - y - image.height(),
               clear);
}

// Rank over suit symbol, both centred on one column.
IndexedImage cornerIndex(int rank, Suit suit)
{
    const IndexedImage text = rankText(rank, inkOf(suit));
    const IndexedImage symbol = suitSymbol(suit, SymbolSize::Corner);
    const int gap = 2;
    const int width = std::max(text.width(), symbol.width());
    IndexedImage out(width, text.height() + gap + symbol.height(), clear);
    out.paste(text, (width - text.width()) / 2, 0);
    out.paste(symbol, (width - symbol.width()) / 2, text.height() + gap);
    return out;
}

// Pips stand in three columns and on rows counted in twelfths from the top
// row (0) to the bottom row (12); those below the middle are turned upside
// down, as on a printed card.
struct Pip
{
    int column; // 0 left, 1 centre, 2 right
    int row;    // 0 .. 12
};

const std::vector<Pip> &pipLayout(int rank)
{
    static const std::vector<Pip> layouts[] = {
        {{1, 0}, {1, 12}},
        {{1, 0}, {1, 6}, {1, 12}},
        {{0, 0}, {2, 0}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {1, 9}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 4}, {2, 4}, {1, 6}, {0, 8}, {2, 8}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 2}, {0, 4}, {2, 4}, {0, 8}, {2, 8}, {1, 10}, {0, 12}, {2, 12}},
    };
    return layouts[rank - 2];
}

void drawPips(IndexedImage &face, int rank, Suit suit)
{
    const IndexedImage pip = suitSymbol(suit, SymbolSize::Pip);
    const IndexedImage turned = pip.rotated180();
    const int columnCentre[] = {22, 35, 48};
    const int top = 10;  // upper edge of the pips in row 0
    const int span = 64; // from row 0 down to row 12
    for (const Pip &p : pipLayout(rank)) {
        const int x = columnCentre[p.column] - pip.width() / 2;
        const bool upper = p.row <= 6;
        const int fromTop = top + (span * (upper ? p.row : 12 - p.row) + 6) / 12;
        if (upper)
            face.paste(pip, x, fromTop, clear);
        else
            face.paste(turned, cardWidth - x - pip.width(), cardHeight - fromTop - pip.height(),
                       clear);
    }
}

} // namespace

IndexedImage renderFace(int rank, Suit suit)
{
    if (rank < 1 || rank > 13)
        throw std::out_of_range("rank must be 1 to 13");
    IndexedImage face(cardWidth, cardHeight, White);
    for (int x = 0; x < cardWidth; ++x) {
        face.set(x, 0, Black);
        face.set(x, cardHeight - 1, Black);
    }
    for (int y = 0; y < cardHeight; ++y) {
        face.set(0, y, Black);
        face.set(cardWidth - 1, y, Black);
    }
    // The card box hides the right-most two columns and bottom three rows,
    // so the turned index keeps four pixels from those edges.
    pasteBothWays(face, cornerIndex(rank, suit), 4, 4);

    if (rank == 1) {
        const IndexedImage ace = suitSymbol(suit, SymbolSize::Ace);
        face.paste(ace, (cardWidth - ace.width()) / 2, (cardHeight - ace.height()) / 2, clear);
    } else if (rank <= 10) {
        drawPips(face, rank, suit);
    } else {
        drawCourt(face, rank, suit);
    }
    return face;
}

IndexedImage renderSheet()
{
    IndexedImage sheet(sheetWidth, sheetHeight, White);
    for (int row = 0; row < sheetRows; ++row)
        for (int column = 0; column < sheetColumns; ++column)
            sheet.paste(renderFace(column + 1, Suit(row)), cardWidth * column, cardHeight * row);
    return sheet;
}

} // namespace cardart
