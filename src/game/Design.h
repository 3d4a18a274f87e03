// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

// The windows are designed in twips and Windows fonts; this turns the design
// into pixels and installed faces.
namespace Design {
// At 96 dpi 15 twips make a pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

inline QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// The designed face, or where it is missing the nearest installed plain
// sans-serif, at the same size and weight.
QFont sansSerif(qreal points, bool bold = false);
// The heavy face of the result line, or the boldest installed sans-serif.
QFont heavySansSerif(qreal points);
} // namespace Design
