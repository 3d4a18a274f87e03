// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SystemTools.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// An in-memory registry and a recording program starter for tests. Keys and
// values are matched exactly; every call is recorded in order.
class FakeSystemTools : public SystemTools
{
public:
    struct Opening
    {
        std::uint32_t root;
        std::string name;
        std::uint32_t options;
        std::uint32_t access;
    };
    struct Value
    {
        std::uint32_t type;
        std::string data;
    };

    std::int32_t openKey(std::uint32_t root, const std::string &name, std::uint32_t options,
                         std::uint32_t access, Key &key) override;
    std::int32_t queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override;
    std::int32_t closeKey(Key key) override;
    bool startProgram(const std::string &path) override;
    bool isPlainFile(const std::string &path) override;

    // Values under HKEY_LOCAL_MACHINE, by key name and value name.
    void setValue(const std::string &key, const std::string &name, std::uint32_t type,
                  std::string data);
    // A text value stored with its final NUL, as Windows stores text.
    void setText(const std::string &key, const std::string &name, const std::string &text);

    std::map<std::string, std::map<std::string, Value>> keys;
    std::set<std::string> plainFiles; // what isPlainFile finds
    std::set<std::string> programs;   // what startProgram can start

    std::vector<Opening> openings;
    std::vector<std::string> queries;
    std::vector<Key> closings;
    std::vector<std::string> fileChecks;
    std::vector<std::string> starts; // every start asked for, started or not
    std::map<Key, std::string> openKeys;

private:
    Key m_nextKey = 1;
};
