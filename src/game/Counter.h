// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>

// The window's counters are 16 bits wide. One more than the largest cannot
// be counted; the counter then stays where it is and the game goes on.
namespace Counter {
inline constexpr qint16 largest = std::numeric_limits<qint16>::max();

inline void raise(qint16 &count)
{
    if (count < largest)
        ++count;
}

// Counters are shown as plain decimal text, without the blank of number text.
inline QString text(qint16 count)
{
    return QString::number(count);
}
} // namespace Counter
