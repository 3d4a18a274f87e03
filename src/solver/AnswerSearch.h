// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/Expression.h"

#include <QString>

#include <array>
#include <optional>

// The Answer search: every order of the four cards under every choice of
// three operators, in the one left-to-right chain ((w op x) op y) op z, with
// an exact test for 24.
namespace AnswerSearch {
using Cards = std::array<qint16, 4>;

// The card orders, as positions in the deal, in the order they are tried.
// This order decides which of several hits is shown, so it is kept as it
// is: it is not lexicographic.
inline constexpr std::array<std::array<int, 4>, 24> cardOrder{{
    {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 3, 2, 1}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2},
    {1, 0, 2, 3}, {1, 0, 3, 2}, {1, 2, 3, 0}, {1, 3, 2, 0}, {1, 2, 0, 3}, {1, 3, 0, 2},
    {2, 0, 1, 3}, {2, 1, 0, 3}, {2, 0, 3, 1}, {2, 3, 1, 0}, {2, 3, 0, 1}, {2, 1, 3, 0},
    {3, 0, 1, 2}, {3, 2, 1, 0}, {3, 1, 0, 2}, {3, 2, 0, 1}, {3, 0, 2, 1}, {3, 1, 2, 0},
}};

// One candidate that makes exactly 24: the operators and the cards in the
// order they were evaluated.
struct Hit
{
    Ops ops;
    Cards cards;
    friend bool operator==(const Hit &, const Hit &) = default;
};

// Calls onHit for every hit, operator triples outermost from (0,0,0) to
// (3,3,3), card orders innermost. Equal cards give equal hits more than once.
template <typename OnHit> void forEachHit(const Cards &deal, OnHit &&onHit)
{
    Ops ops{};
    for (ops[0] = 0; ops[0] <= 3; ++ops[0])
        for (ops[1] = 0; ops[1] <= 3; ++ops[1])
            for (ops[2] = 0; ops[2] <= 3; ++ops[2])
                for (const auto &row : cardOrder) {
                    const Cards cards{deal[row[0]], deal[row[1]], deal[row[2]], deal[row[3]]};
                    if (compute(cards[0], cards[1], cards[2], cards[3], ops) == 24)
                        onHit(Hit{ops, cards});
                }
}

// The hit that the search settles on: the last one it meets.
std::optional<Hit> lastHit(const Cards &deal);

// "(( 4/ 1)* 3)* 2=24": each card after a blank, the symbols straight after.
QString line(const Hit &hit);

// "No solution.", in the language of the installed translation.
QString noSolution();
} // namespace AnswerSearch
