// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The operating system services behind System Info: three registry calls,
// the start of a program and the plain-file check. Free of Qt and of any one
// platform, so that the lookup logic above it runs and is tested the same
// everywhere. Texts are narrow strings in the system's code page; numbers
// and result codes are those of the Windows registry, which platforms
// without a registry imitate.
class SystemTools
{
public:
    using Key = std::uintptr_t; // an open key; 0 is no key

    static constexpr std::uint32_t localMachine = 0x80000002; // HKEY_LOCAL_MACHINE

    // Access rights of a key: reading values, and the rights that change a
    // key, which System Info never asks for.
    static constexpr std::uint32_t queryValueRight = 0x0001;
    static constexpr std::uint32_t setValueRight = 0x0002;
    static constexpr std::uint32_t createSubKeyRight = 0x0004;
    static constexpr std::uint32_t createLinkRight = 0x0020;
    static constexpr std::uint32_t deleteRight = 0x00010000;
    static constexpr std::uint32_t writeDacRight = 0x00040000;
    static constexpr std::uint32_t writeOwnerRight = 0x00080000;
    static constexpr std::uint32_t readAccess = 0x20019; // KEY_READ

    // Value types.
    static constexpr std::uint32_t textType = 1;   // REG_SZ
    static constexpr std::uint32_t binaryType = 3; // REG_BINARY
    static constexpr std::uint32_t numberType = 4; // REG_DWORD, little-endian

    // Result codes.
    static constexpr std::int32_t success = 0;
    static constexpr std::int32_t notFound = 2;
    static constexpr std::int32_t invalidHandle = 6;
    static constexpr std::int32_t moreData = 234;

    virtual ~SystemTools() = default;

    // RegOpenKeyExA: opens the key `name` under the predefined root.
    virtual std::int32_t openKey(std::uint32_t root, const std::string &name, std::uint32_t options,
                                 std::uint32_t access, Key &key) = 0;
    // RegQueryValueExA: on entry `size` is the room in `data`; on return it
    // is the size of the value's data, which is copied only when it fits
    // (else the result is moreData).
    virtual std::int32_t queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                                    unsigned char *data, std::uint32_t &size) = 0;
    // RegCloseKey.
    virtual std::int32_t closeKey(Key key) = 0;

    // Starts the program file at `path` as a process of its own, its window
    // shown normally, with no arguments, no shell and without waiting for
    // it. False when it could not be started.
    virtual bool startProgram(const std::string &path) = 0;

    // Whether `path` names an existing plain file: folders, hidden and
    // system files do not count.
    virtual bool isPlainFile(const std::string &path) = 0;
};

// The services of the platform the program was built for.
std::unique_ptr<SystemTools> makeDesktopSystemTools();
