// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The running result lives only as the text of the result line, so it is
// written and read back in one fixed form whatever the user's locale: a blank
// before values of 0 and above, a minus sign below, a point for the decimals,
// no point for whole numbers, up to 15 significant digits: " 4", "-2", " 3.5",
// " 0.5".
namespace NumberText {
QString write(double value);
// Exactly what write() gives, with blanks allowed around it; anything else,
// a verdict or an answer line for instance, is not a number.
std::optional<double> read(QStringView text);
} // namespace NumberText
