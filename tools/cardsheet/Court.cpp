// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Court.h"

#include <stdexcept>

namespace cardart::detail {
namespace {

// The upper half of each figure, 43 x 42 pixels; the lower half is the same
// turned round, and the black bottom row of each half makes the line between
// them. The suit's pip is added at the upper left, so that corner stays clear.
// clang-format off
const char *const jack[] = {
    "..............kk..................k........",
    "..............kwkk...............kck.......",
    "...............kwwk.kkkkk........kck.......",
    "................kwwkqqqqqkk......kck.kk....",
    ".................kkqqqqqqqqkk....kykkcck...",
    "................kqqqqqqqqqqqqk...kykcccck..",
    "...............kkkkkkkkkkkkkkkkkkkykcccck..",
    "...............kyryyyryyyryyyryk.kykcccck..",
    "...............kkkkkkkkkkkkkkkkk.kykkcck...",
    "...............kyykwwwwwwwwwkyyk.kyk.kk....",
    "...............kyykwkkwwwkkwkyyk.kyk.......",
    "...............kyykwwwwwwwwwkyyk.kyk.......",
    "...............kyykwwkwwwkwwkyyk.kyk.......",
    "...............kyykwwwwkwwwwkyyk.kyk.......",
    "...............kyykwwwwkwwwwkyyk.kyk.......",
    "...............kyyykwwkkwwwkyyyk.kyk.......",
    "...............kyyykwwwwwwwkyyyk.kyk.......",
    "................kyyykwrrrwkyyyk..kyk.......",
    ".................kkkkkkkkkkkkk...kyk.......",
    "...........kppqpkkwkwkwkwkwkkpqppkyk.......",
    ".........kqpppqkwkwkwkwkwkwkwkqppkyk.......",
    ".......kppqpppqpkkkkkkkkkkkkkpqpkkkkkk.....",
    "......kpppqpppqpppqpppqpppqpppqkwwwwwkk....",
    "......kpppqpppqpppqpppqpppqpppqkwkwkwkk....",
    "......kpppqpppqpppqpppqpppqpppqkwwwwwkk....",
    "......kpppqpppqpppqpppqpppqpppqpkkkkkpk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kpppqpppqpppqpppqpppqpppqppkykppk....",
    "......kkkkkkkkkkkkkkkkkkkkkkkkkkkkykkkk....",
    "......kyyyyyyyyyyyyykyyykyyyyyyyykkkyyk....",
    "......kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk....",
    "......kpppqpppqpppqpppqpppqpppqpppqpppk....",
    "......kpppqpppqpppqpppqpppqpppqpppqpppk....",
    "......kpppqpppqpppqpppqpppqpppqpppqpppk....",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};
const char *const queen[] = {
    "......................k....................",
    ".....................kyk...................",
    "................k...kyryk...k..............",
    "...............kyk..kyyyk..kyk.............",
    "...............kyyk.kyyyk.kyyk.............",
    "...............kyyykkyyykkyyyk.............",
    "...............kyyyyyyyyyyyyyk.............",
    "...............kbyyryybyyryybk.............",
    "..............kykkkkkkkkkkkkkyk............",
    ".............kyyyyyyyyyyyyyyyyyk...........",
    ".............kyyyykkkkkkkkkyyyyk...........",
    ".............kyyykwwwwwwwwwkyyyk.kkk.......",
    ".............kyykwwkkwwwkkwwkyykkmmmk......",
    ".............kyykwwwwwwwwwwwkyykmmymmk.....",
    ".............kyykwwwkwwwkwwwkyykkmmmk......",
    ".............kyykwwwwwkwwwwwkyyk.kgk.......",
    ".............kyyykwwwkkwwwwkyyykkgk........",
    ".............kyyykwwwrrrwwwkyyykggk........",
    ".............kyyyykwwwwwwwkyyyykkgk........",
    ".............kyyyyykkwwwkkyyyyyk.kgk.......",
    ".............kyyyyyykwwwkyyyyyykkkgkk......",
    "..........kppkyyyyyrwrwrwryyyyykwwwwwk.....",
    "........kppwppkyyyykwwwwwkyyyykkwwwwwk.....",
    ".......kpppppppkyyykwwwwwkyyykppkkkkkk.....",
    "......kppwpppwpkqqkkkkkkkkkqqkpppwpppwk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kwpppwpppkqqqqqyqqqqqqqkpwpppwppk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kppwpppwpkqqqqqyqqqqqqqkpppwpppwk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kwpppwpppkqqqqqyqqqqqqqkpwpppwppk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kppwpppwpkqqqqqyqqqqqqqkpppwpppwk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kwpppwpppkqqqqqyqqqqqqqkpwpppwppk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kppwpppwpkqqqqqyqqqqqqqkpppwpppwk....",
    "......kppppppppkqqqqyqyqqqqqqkppppppppk....",
    "......kwpppwpppkkkkkkkkkkkkkkkpwpppwppk....",
    "......kppppppppkyyyyyryryyyyykppppppppk....",
    "......kppwpppwpkkkkkkkkkkkkkkkpppwpppwk....",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};
const char *const king[] = {
    "................................kkk........",
    "................k.....k.....k..kyyyk.......",
    "...............kyk...kyk...kyk.kyryk.......",
    "...............kyyk.kyyyk.kyyk.kyyyk.......",
    "...............kyyykyyyyykyyyk..kyk........",
    "...............kyyyyyyyyyyyyyk..kyk........",
    "...............kyrryybbbyyrryk..kyk........",
    "...............kkkkkkkkkkkkkkk..kyk........",
    "...............kkwwwwwwwwwwwkk..kyk........",
    "...............kkwkkwwwwwkkwkk..kyk........",
    "...............kkwwwwwwwwwwwkk..kyk........",
    "...............kkwwkwwwwwkwwkk..kyk........",
    "...............kkwwwwwkwwwwwkk..kyk........",
    "...............kkwwwwwkwwwwwkk..kyk........",
    "................kwwwwkkwwwwwk...kyk........",
    "................kwkkkkkkkkkwk...kyk........",
    "................kkkkkrrrkkkkk...kyk........",
    "................kkkkkkkkkkkkk...kyk........",
    ".................kkkkkkkkkkk....kyk........",
    "..........kkkkkkkkkkkkkkkkkkkkkkkyk........",
    "........kwkwwwwkwwwkkkkkkkwwwwkkkkkkk......",
    "......kkwwwwkwwwwkwwkkkkkwwkwwkwwwwwkkk....",
    ".....kwwwwkwwwwkwwwwkkkkwkwwwwkwkwkwkwwk...",
    "....kpppypppypkwwkqqqqqqqqqkwwkwwwwwkpppk..",
    "....kpppppppppkkwkqqqqyqqqqkkwkkkkkkppppk..",
    "....kpypppypppkwwkqqqyyyqqqkwwkpkykpppypk..",
    "....kpppppppppkwwkqqqqyqqqqkwwkpkykpppppk..",
    "....kpppypppypkwkkqqqqqqqqqkwkkpkykpypppk..",
    "....kpppppppppkwwkqqqqqqqqqkwwkpkykpppppk..",
    "....kpypppypppkwwkqqqqqqqqqkwwkpkykpppypk..",
    "....kpppppppppkkwkqqqqyqqqqkkwkpkykpppppk..",
    "....kpppypppypkwwkqqqyyyqqqkwwkpkykpypppk..",
    "....kpppppppppkwwkqqqqyqqqqkwwkpkykpppppk..",
    "....kpypppypppkwkkqqqqqqqqqkwkkpkykpppypk..",
    "....kpppppppppkwwkqqqqqqqqqkwwkpkykpppppk..",
    "....kpppypppypkwwkqqqqqqqqqkwwkpkkkpypppk..",
    "....kpppppppppkkwkkkkkkkkkkkkwkpppppppppk..",
    "....kpypppypppkwwkyyyryryyykwwkpppypppypk..",
    "....kpppppppppkwwkkkkkkkkkkkwwkpppppppppk..",
    "....kpppypppypkwkkqqqqqqqqqkwkkpypppypppk..",
    "....kpppppppppkwwkqqqqqqqqqkwwkpppppppppk..",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
};
// clang-format on

// Figures of the black suits dress in blue, those of the red suits in red.
Inks dressFor(Suit suit)
{
    const std::uint8_t ink = inkOf(suit);
    return ink == Red ? Inks{ink, Red, Blue} : Inks{ink, Blue, Red};
}

std::span<const char *const> figure(int rank)
{
    switch (rank) {
    case 11:
        return jack;
    case 12:
        return queen;
    case 13:
        return king;
    }
    throw std::out_of_range("not a court card");
}

} // namespace

void drawCourt(IndexedImage &face, int rank, Suit suit, int scale)
{
    // At 2x the figure is smoothed rather than redrawn; its pip is drawn
    // afresh at that size.
    IndexedImage half = parseArt(figure(rank), dressFor(suit));
    if (scale == 2)
        half = scale2x(half);
    half.paste(suitSymbol(suit, SymbolSize::Pip, scale), 2 * scale, 2 * scale, clear);

    // The picture sits centred in a black frame one 1x pixel wide, clear of
    // the corner indexes; blank art shows the card's white.
    const int left = (cardWidth * scale - half.width()) / 2;
    const int top = (cardHeight * scale - 2 * half.height()) / 2;
    face.fillRect(left - scale, top - scale, half.width() + 2 * scale,
                  2 * half.height() + 2 * scale, Black);
    face.fillRect(left, top, half.width(), 2 * half.height(), White);
    face.paste(half, left, top, clear);
    face.paste(half.rotated180(), left, top + half.height(), clear);
}

} // namespace cardart::detail
