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

// Every position is worked out on the 1x card and then multiplied by the
// scale, so the 2x card is the 1x layout with finer drawings in the same
// places. Drawings at scale s are exactly s times their 1x size.
struct Layout
{
    int s; // 1 or 2
    int width() const { return cardWidth * s; }
    int height() const { return cardHeight * s; }
    // The 1x offset that centres `inner` in `outer`, both given at scale s.
    int centred(int outer, int inner) const { return s * ((outer / s - inner / s) / 2); }
};

// Pastes `image` with its corner at (x, y), and the same turned upside down
// where a half-turn of the card takes it.
void pasteBothWays(IndexedImage &face, const Layout &l, const IndexedImage &image, int x, int y)
{
    face.paste(image, x, y, clear);
    face.paste(image.rotated180(), l.width() - x - image.width(), l.height() - y - image.height(),
               clear);
}

// Rank over suit symbol, both centred on one column.
IndexedImage cornerIndex(const Layout &l, int rank, Suit suit)
{
    const IndexedImage text = rankText(rank, inkOf(suit), l.s);
    const IndexedImage symbol = suitSymbol(suit, SymbolSize::Corner, l.s);
    const int gap = 2 * l.s;
    const int width = std::max(text.width(), symbol.width());
    IndexedImage out(width, text.height() + gap + symbol.height(), clear);
    out.paste(text, l.centred(width, text.width()), 0);
    out.paste(symbol, l.centred(width, symbol.width()), text.height() + gap);
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

void drawPips(IndexedImage &face, const Layout &l, int rank, Suit suit)
{
    const IndexedImage pip = suitSymbol(suit, SymbolSize::Pip, l.s);
    const IndexedImage turned = pip.rotated180();
    const int pipWidth = pip.width() / l.s;
    const int columnCentre[] = {22, 35, 48};
    const int top = 10;  // upper edge of the pips in row 0
    const int span = 64; // from row 0 down to row 12
    for (const Pip &p : pipLayout(rank)) {
        const int x = l.s * (columnCentre[p.column] - pipWidth / 2);
        const bool upper = p.row <= 6;
        const int fromTop = l.s * (top + (span * (upper ? p.row : 12 - p.row) + 6) / 12);
        if (upper)
            face.paste(pip, x, fromTop, clear);
        else
            face.paste(turned, l.width() - x - pip.width(), l.height() - fromTop - pip.height(),
                       clear);
    }
}

} // namespace

IndexedImage renderFace(int rank, Suit suit, int scale)
{
    if (rank < 1 || rank > 13)
        throw std::out_of_range("rank must be 1 to 13");
    if (scale != 1 && scale != 2)
        throw std::invalid_argument("faces come at scale 1 and 2 only");
    const Layout l{scale};
    IndexedImage face(l.width(), l.height(), White);
    // The one-pixel border of the 1x card, as thick as one of its pixels.
    face.fillRect(0, 0, l.width(), l.s, Black);
    face.fillRect(0, l.height() - l.s, l.width(), l.s, Black);
    face.fillRect(0, 0, l.s, l.height(), Black);
    face.fillRect(l.width() - l.s, 0, l.s, l.height(), Black);
    // The card box hides the right-most two columns and bottom three rows,
    // so the turned index keeps four pixels from those edges.
    pasteBothWays(face, l, cornerIndex(l, rank, suit), 4 * l.s, 4 * l.s);

    if (rank == 1) {
        const IndexedImage ace = suitSymbol(suit, SymbolSize::Ace, l.s);
        face.paste(ace, l.centred(l.width(), ace.width()), l.centred(l.height(), ace.height()),
                   clear);
    } else if (rank <= 10) {
        drawPips(face, l, rank, suit);
    } else {
        drawCourt(face, rank, suit, l.s);
    }
    return face;
}

IndexedImage renderSheet(int scale)
{
    const int width = cardWidth * scale, height = cardHeight * scale;
    IndexedImage sheet(width * sheetColumns, height * sheetRows, White);
    for (int row = 0; row < sheetRows; ++row)
        for (int column = 0; column < sheetColumns; ++column)
            sheet.paste(renderFace(column + 1, Suit(row), scale), width * column, height * row);
    return sheet;
}

} // namespace cardart
