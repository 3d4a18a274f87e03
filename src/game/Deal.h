// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// How one uniform draw 0 <= r < 1 becomes a card. Both use single precision
// and round half to even, so the ends of each range come up half as often.
namespace Deal {
// r * 12 + 1: values 1..13, with 1 and 13 half as likely as the others.
qint16 valueFromDraw(float r);
// r * 3: suit rows 0..3, with rows 0 and 3 half as likely as rows 1 and 2.
qint16 suitFromDraw(float r);
} // namespace Deal
