// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Art.h"

namespace cardart::detail {

// The framed, double-ended picture of a jack (11), queen (12) or king (13),
// on a face drawn at `scale` (1 or 2).
void drawCourt(IndexedImage &face, int rank, Suit suit, int scale = 1);

} // namespace cardart::detail
