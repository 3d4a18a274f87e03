// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// The card sheets built into the program: the faces at their own size, and
// the same faces drawn at twice the pixels for screens of high density.
// Either has 13 columns (ace to king) and 4 rows (the suits).
namespace CardSheet {
// From this device pixel ratio up, the 2x faces look better than the 1x ones
// scaled up.
inline constexpr qreal hiDpiFrom = 1.5;
// 2 for a screen of that ratio or more, else 1.
int scaleFor(qreal devicePixelRatio);
// The same for the screen that `window` is on, or will be on when shown.
int scaleFor(const QWidget &window);
// The resource holding the sheet drawn at `scale` (1 or 2).
QString resource(int scale);
} // namespace CardSheet
