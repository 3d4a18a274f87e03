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

// The hit that the search settles on: the last one it meets.
std::optional<Hit> lastHit(const Cards &deal);

// "(( 4/ 1)* 3)* 2=24": each card after a blank, the symbols straight after.
QString line(const Hit &hit);

// "No solution.", in the language of the installed translation.
QString noSolution();
} // namespace AnswerSearch
