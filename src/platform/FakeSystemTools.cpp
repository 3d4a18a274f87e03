// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FakeSystemTools.h"

#include <cstring>

std::int32_t FakeSystemTools::openKey(std::uint32_t root, const std::string &name,
                                      std::uint32_t options, std::uint32_t access, Key &key)
{
    openings.push_back({root, name, options, access});
    key = 0;
    if (root != localMachine || !keys.contains(name))
        return notFound;
    key = m_nextKey++;
    openKeys.emplace(key, name);
    return success;
}

std::int32_t FakeSystemTools::queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                                         unsigned char *data, std::uint32_t &size)
{
    queries.push_back(valueName);
    const auto open = openKeys.find(key);
    if (open == openKeys.end())
        return invalidHandle;
    const auto &values = keys.at(open->second);
    const auto value = values.find(valueName);
    if (value == values.end())
        return notFound;
    type = value->second.type;
    const std::uint32_t room = size;
    size = static_cast<std::uint32_t>(value->second.data.size());
    if (!data)
        return success;
    if (size > room)
        return moreData;
    std::memcpy(data, value->second.data.data(), size);
    return success;
}

std::int32_t FakeSystemTools::closeKey(Key key)
{
    closings.push_back(key);
    return openKeys.erase(key) ? success : invalidHandle;
}

bool FakeSystemTools::startProgram(const std::string &path)
{
    starts.push_back(path);
    return programs.contains(path);
}

bool FakeSystemTools::isPlainFile(const std::string &path)
{
    fileChecks.push_back(path);
    return plainFiles.contains(path);
}

void FakeSystemTools::setValue(const std::string &key, const std::string &name, std::uint32_t type,
                               std::string data)
{
    keys[key][name] = {type, std::move(data)};
}

void FakeSystemTools::setText(const std::string &key, const std::string &name,
                              const std::string &text)
{
    setValue(key, name, textType, text + '\0');
}
