// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/AnswerSearch.h"

#include <array>

// The Answer search done the plain way, for tests and benchmarks to hold the
// program's search against: every candidate in turn, with the card orders
// written out here once more rather than taken from the program.
namespace ChainWalk {
// The card orders in the order they are tried, as positions in the deal.
inline constexpr std::array<std::array<int, 4>, 24> cardOrder{{
    {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 3, 2, 1}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2},
    {1, 0, 2, 3}, {1, 0, 3, 2}, {1, 2, 3, 0}, {1, 3, 2, 0}, {1, 2, 0, 3}, {1, 3, 0, 2},
    {2, 0, 1, 3}, {2, 1, 0, 3}, {2, 0, 3, 1}, {2, 3, 1, 0}, {2, 3, 0, 1}, {2, 1, 3, 0},
    {3, 0, 1, 2}, {3, 2, 1, 0}, {3, 1, 0, 2}, {3, 2, 0, 1}, {3, 0, 2, 1}, {3, 1, 2, 0},
}};

// Calls onHit for every hit, operator triples outermost from (0,0,0) to
// (3,3,3), card orders innermost. Equal cards give equal hits more than once.
template <typename OnHit> void forEachHit(const AnswerSearch::Cards &deal, OnHit &&onHit)
{
    Ops ops{};
    for (ops[0] = 0; ops[0] <= 3; ++ops[0])
        for (ops[1] = 0; ops[1] <= 3; ++ops[1])
            for (ops[2] = 0; ops[2] <= 3; ++ops[2])
                for (const auto &row : cardOrder) {
                    const AnswerSearch::Cards cards{deal[row[0]], deal[row[1]], deal[row[2]],
                                                    deal[row[3]]};
                    if (compute(cards[0], cards[1], cards[2], cards[3], ops) == 24)
                        onHit(AnswerSearch::Hit{ops, cards});
                }
}
} // namespace ChainWalk
