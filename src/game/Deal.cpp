// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Deal.h"

#include <cmath>

namespace {
// nearbyint rounds in the current mode, which is to nearest, ties to even.
qint16 roundHalfEven(float x)
{
    return static_cast<qint16>(std::nearbyint(x));
}
} // namespace

qint16 Deal::valueFromDraw(float r)
{
    const float scaled = r * 12.0f;
    return roundHalfEven(scaled + 1.0f);
}

qint16 Deal::suitFromDraw(float r)
{
    return roundHalfEven(r * 3.0f);
}
