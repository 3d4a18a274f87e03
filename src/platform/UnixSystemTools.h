// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SystemTools.h"

#include <map>
#include <string>
#include <vector>

// The services on systems without a registry. The registry is imitated by one
// entry: the key "SOFTWARE\Microsoft\Shared Tools\MSINFO" under
// HKEY_LOCAL_MACHINE exists while one of a few well-known system information
// programs is installed, and its value "PATH" is the full path of the first
// one found. Nothing else exists, so there is no second entry to fall back on.
class UnixSystemTools : public SystemTools
{
public:
    // Looks for the well-known programs in the folders of PATH.
    UnixSystemTools();
    // Looks for `programs`, in this order, in `searchDirs`; a program given
    // with a full path is looked for at that path only.
    UnixSystemTools(std::vector<std::string> searchDirs, std::vector<std::string> programs);

    static std::vector<std::string> wellKnownPrograms();
    static std::vector<std::string> pathDirs();

    std::int32_t openKey(std::uint32_t root, const std::string &name, std::uint32_t options,
                         std::uint32_t access, Key &key) override;
    std::int32_t queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override;
    std::int32_t closeKey(Key key) override;
    bool startProgram(const std::string &path) override;
    bool isPlainFile(const std::string &path) override;

private:
    std::string findProgram() const;

    std::vector<std::string> m_searchDirs;
    std::vector<std::string> m_programs;
    std::map<Key, std::string> m_openKeys; // each open key with the path found when it was opened
    Key m_nextKey = 1;
};
