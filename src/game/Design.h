// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

class QPalette;

// The windows are designed in twips, Windows fonts and a light colour
// scheme; this turns the design into pixels, installed faces and colours
// that stay readable under the desktop's palette.
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

// On Windows the designed MS Sans Serif. Elsewhere Liberation Sans, whose
// widths are Arial's, so that every caption fits the design's controls, then
// the designed face. Then the fallbacks, at the same size and weight.
QFont sansSerif(qreal points, bool bold = false);
// On Windows the designed Arial Black for the result line. Elsewhere Lato
// Black, as heavy and a little narrower, then that face. Then the boldest
// installed sans-serif.
QFont heavySansSerif(qreal points);

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor &a, const QColor &b);
// A palette whose button text is lighter than its button face.
bool isDark(const QPalette &palette);
// `ink` itself when it reads at 3:1 on `background`, else the ink blended
// towards white or black, whichever reads better there, until it reads at
// 4.5:1.
QColor legible(const QColor &ink, const QColor &background);
// The design's colours were chosen for a light palette and stand there as
// they are; on a dark one they are made legible.
QColor textColour(const QColor &designed, const QColor &background, const QPalette &palette);
} // namespace Design
