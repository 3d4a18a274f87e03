// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/SysInfo.h"

#include <stdexcept>

namespace SysInfo {

bool GetKeyValue(SystemTools &tools, std::uint32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    SystemTools::Key hKey = 0;
    auto failure = [&] {
        KeyVal.clear();
        tools.closeKey(hKey);
        return false;
    };

    // Read rights only: a standard user is refused any write right under
    // HKEY_LOCAL_MACHINE, and asking for one would hide an installed tool.
    if (tools.openKey(KeyRoot, KeyName, 0, SystemTools::readAccess, hKey) != SystemTools::success)
        return failure();

    std::string tmpVal(bufferSize, '\0');
    std::uint32_t KeyValSize = bufferSize;
    std::uint32_t KeyValType = 0;
    if (tools.queryValue(hKey, SubKeyRef, KeyValType,
                         reinterpret_cast<unsigned char *>(tmpVal.data()),
                         KeyValSize) != SystemTools::success)
        return failure();
    // More than the buffer holds was not read, whatever the service said.
    if (KeyValSize > bufferSize)
        return failure();
    if (KeyValSize == 0) {
        // The key is closed all the same: the error must not leak the handle.
        tools.closeKey(hKey);
        throw std::invalid_argument("registry value without data");
    }

    // The byte count serves as the character count; a final NUL is dropped.
    tmpVal.resize(tmpVal[KeyValSize - 1] == '\0' ? KeyValSize - 1 : KeyValSize);

    switch (KeyValType) {
    case SystemTools::textType:
        KeyVal = tmpVal;
        break;
    case SystemTools::numberType: {
        // Most significant byte first. The "&h" text is kept as it is rather
        // than turned into decimal: that holds for any number of bytes and
        // needs no choice of width or sign, and only paths are looked up, so
        // a number fails to start as a program either way.
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string hex = "&h";
        for (auto c = tmpVal.rbegin(); c != tmpVal.rend(); ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            hex += digits[byte >> 4];
            hex += digits[byte & 0xF];
        }
        KeyVal = hex;
        break;
    }
    default:
        break;
    }

    tools.closeKey(hKey);
    return true;
}

bool StartSysInfo(SystemTools &tools)
{
    try {
        std::string SysInfoPath;
        // The first entry names the program itself and is trusted as it is.
        if (!GetKeyValue(tools, SystemTools::localMachine, toolKey, toolValue, SysInfoPath)) {
            if (!GetKeyValue(tools, SystemTools::localMachine, locationKey, locationValue,
                             SysInfoPath))
                return false;
            const std::string candidate = SysInfoPath + programFile;
            if (!tools.isPlainFile(candidate))
                return false;
            SysInfoPath = candidate;
        }
        return tools.startProgram(SysInfoPath);
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace SysInfo
