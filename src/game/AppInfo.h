// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the windows say about the application itself.
namespace AppInfo {
inline const QString title = QStringLiteral("Merovant");
inline constexpr int major = 1;
inline constexpr int minor = 0;
inline constexpr int revision = 0;
} // namespace AppInfo
