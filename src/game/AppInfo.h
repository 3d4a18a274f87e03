// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the windows say about the application itself. The version numbers come
// from the build, which has them from the one project version.
namespace AppInfo {
inline const QString title = QStringLiteral("Merovant");
inline constexpr int major = MEROVANT_VERSION_MAJOR;
inline constexpr int minor = MEROVANT_VERSION_MINOR;
inline constexpr int revision = MEROVANT_VERSION_PATCH;
// major.minor.revision, as the About box and --version show it.
inline const QString version = QStringLiteral(MEROVANT_VERSION);
} // namespace AppInfo
