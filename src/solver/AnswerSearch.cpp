// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/AnswerSearch.h"

#include <QCoreApplication>

// The line shows the last hit, so walking the candidates backwards the first
// hit found is the one. Chains that share their first steps share that
// arithmetic: each step is worked once per prefix, with the same operations
// in the same order as compute(), so every result is bit for bit the same.
std::optional<AnswerSearch::Hit> AnswerSearch::lastHit(const Cards &deal)
{
    constexpr int rows = static_cast<int>(cardOrder.size());
    std::array<Cards, rows> cards;
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i < 4; ++i)
            cards[r][i] = deal[cardOrder[r][i]];

    std::array<double, rows> first;
    std::array<double, rows> second;
    for (qint16 op0 = 3; op0 >= 0; --op0) {
        for (int r = 0; r < rows; ++r)
            first[r] = Expression::apply(cards[r][0], op0, cards[r][1]);
        for (qint16 op1 = 3; op1 >= 0; --op1) {
            for (int r = 0; r < rows; ++r)
                second[r] = Expression::apply(first[r], op1, cards[r][2]);
            for (qint16 op2 = 3; op2 >= 0; --op2)
                for (int r = rows - 1; r >= 0; --r)
                    if (Expression::apply(second[r], op2, cards[r][3]) == 24)
                        return Hit{{op0, op1, op2}, cards[r]};
        }
    }
    return std::nullopt;
}

QString AnswerSearch::line(const Hit &hit)
{
    auto card = [&hit](int i) { return QLatin1Char(' ') + QString::number(hit.cards[i]); };
    auto symbol = [&hit](int i) {
        const std::string_view s = con(hit.ops[i]);
        return QLatin1String(s.data(), static_cast<qsizetype>(s.size()));
    };
    return QLatin1String("((") + card(0) + symbol(0) + card(1) + QLatin1Char(')') + symbol(1) +
           card(2) + QLatin1Char(')') + symbol(2) + card(3) + QLatin1String("=24");
}

QString AnswerSearch::noSolution()
{
    return QCoreApplication::translate("AnswerSearch", "No solution.");
}
