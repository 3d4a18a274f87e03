// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/CardName.h"

#include <array>

QString CardName::of(int value, int suit)
{
    static const std::array<const char *, 13> ranks{"Ace",  "Two",   "Three", "Four", "Five",
                                                    "Six",  "Seven", "Eight", "Nine", "Ten",
                                                    "Jack", "Queen", "King"};
    // The rows of the card sheet, top to bottom.
    static const std::array<const char *, 4> suits{"spades", "hearts", "clubs", "diamonds"};
    return QLatin1String(ranks.at(value - 1)) + QLatin1String(" of ") +
           QLatin1String(suits.at(suit));
}
