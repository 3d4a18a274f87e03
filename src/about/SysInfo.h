// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SystemTools.h"

#include <cstdint>
#include <string>

// What System Info does, free of Qt and of any one platform: where the tool
// is found and how a registry value is read as text. The About box calls it
// with the platform's services; tests call it with fakes, or under Wine with
// the real Windows services.
namespace SysInfo {
inline constexpr char unavailableMessage[] = "System Information Is Unavailable At This Time";

inline constexpr char toolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char toolValue[] = "PATH";
inline constexpr char locationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char locationValue[] = "MSINFO";
inline constexpr char programFile[] = "\\MSINFO32.EXE";

// The room for a value's data; a longer value counts as not found.
inline constexpr std::uint32_t bufferSize = 1024;

// Reads the value SubKeyRef of the key KeyName under the root KeyRoot into
// KeyVal: text as it is, a 32-bit number as "&h" and its hexadecimal digits,
// any other type leaving KeyVal unchanged; true when the value was read.
// When it cannot be read KeyVal becomes empty and the result is false. A
// value without data throws std::invalid_argument and leaves KeyVal as it
// was.
bool GetKeyValue(SystemTools &tools, std::uint32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

// Finds the system information tool and starts it. False, for every kind of
// failure, when it could not; the caller then shows unavailableMessage.
bool StartSysInfo(SystemTools &tools);
} // namespace SysInfo
