// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <array>
#include <string_view>

// Operator codes of the solver: 0 add, 1 subtract, 2 multiply, 3 divide.
using Ops = std::array<qint16, 3>;

namespace Expression {
// One step of a chain, the running value on the left. Codes are tested in
// the order 0, 1, 2; anything else divides.
inline double apply(double r, qint16 code, double next)
{
    if (code == 0)
        return r + next;
    if (code == 1)
        return r - next;
    if (code == 2)
        return r * next;
    return r / next;
}
} // namespace Expression

// ((a cc[0] b) cc[1] c) cc[2] d, strictly left to right in IEEE double, with
// no precedence: ((10 / 6) + 1) * 9 gives 24.000000000000004, not 24.
inline double compute(qint16 a, qint16 b, qint16 c, qint16 d, const Ops &cc)
{
    double r = Expression::apply(a, cc[0], b);
    r = Expression::apply(r, cc[1], c);
    return Expression::apply(r, cc[2], d);
}

// The symbol of an operator code: "+", "-", "*", "/", or empty for any other code.
std::string_view con(qint16 nu);
