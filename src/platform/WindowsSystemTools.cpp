// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows services: the registry of advapi32, CreateProcessA and the
// file attributes. Kept free of Qt so that it is cross-compiled and run under
// Wine on its own.
#include "platform/SystemTools.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

namespace {
HKEY toHandle(SystemTools::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

class WindowsSystemTools : public SystemTools
{
public:
    std::int32_t openKey(std::uint32_t root, const std::string &name, std::uint32_t options,
                         std::uint32_t access, Key &key) override
    {
        // A predefined root is a 32-bit number that a 64-bit handle carries
        // sign-extended.
        const auto rootHandle =
            reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootHandle, name.c_str(), options, access, &opened);
        key = result == ERROR_SUCCESS ? reinterpret_cast<Key>(opened) : 0;
        return result;
    }

    std::int32_t queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result = RegQueryValueExA(toHandle(key), valueName.c_str(), nullptr, &valueType,
                                             data, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    std::int32_t closeKey(Key key) override { return RegCloseKey(toHandle(key)); }

    bool startProgram(const std::string &path) override
    {
        // The program is named, not searched for: the application name is the
        // path itself, and the command line only repeats it, quoted, as the
        // program's own name.
        std::string line = '"' + path + '"';
        std::vector<char> commandLine(line.begin(), line.end());
        commandLine.push_back('\0');
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }

    bool isPlainFile(const std::string &path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return false;
        return (attributes &
                (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    }
};
} // namespace

std::unique_ptr<SystemTools> makeDesktopSystemTools()
{
    return std::make_unique<WindowsSystemTools>();
}
