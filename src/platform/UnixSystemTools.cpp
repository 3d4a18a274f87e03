// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UnixSystemTools.h"

#include <QProcess>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Registry names ignore case, as on Windows.
bool sameName(const std::string &a, const std::string &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool isRegularFile(const fs::path &path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool isExecutableFile(const fs::path &path)
{
    return isRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}
} // namespace

UnixSystemTools::UnixSystemTools() : UnixSystemTools(pathDirs(), wellKnownPrograms()) {}

UnixSystemTools::UnixSystemTools(std::vector<std::string> searchDirs,
                                 std::vector<std::string> programs)
    : m_searchDirs(std::move(searchDirs)), m_programs(std::move(programs))
{}

std::vector<std::string> UnixSystemTools::wellKnownPrograms()
{
#ifdef __APPLE__
    return {"/System/Applications/Utilities/System Information.app/Contents/MacOS/"
            "System Information",
            "/Applications/Utilities/System Information.app/Contents/MacOS/System Information"};
#else
    // Hardware and system overviews first; a system monitor is the last resort.
    return {"hardinfo2", "hardinfo", "kinfocenter", "cpu-x", "gnome-system-monitor"};
#endif
}

std::vector<std::string> UnixSystemTools::pathDirs()
{
    std::vector<std::string> dirs;
    const char *path = std::getenv("PATH");
    if (!path)
        return dirs;
    const std::string list(path);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string dir = list.substr(start, end - start);
        // An empty or relative entry would make the answer depend on the
        // current folder.
        if (!dir.empty() && dir.front() == '/')
            dirs.push_back(dir);
        start = end + 1;
    }
    return dirs;
}

std::string UnixSystemTools::findProgram() const
{
    for (const std::string &program : m_programs) {
        if (!program.empty() && program.front() == '/') {
            if (isExecutableFile(program))
                return program;
            continue;
        }
        for (const std::string &dir : m_searchDirs) {
            const fs::path candidate = fs::path(dir) / program;
            if (isExecutableFile(candidate))
                return candidate.string();
        }
    }
    return {};
}

std::int32_t UnixSystemTools::openKey(std::uint32_t root, const std::string &name, std::uint32_t,
                                      std::uint32_t, Key &key)
{
    key = 0;
    if (root != localMachine || !sameName(name, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"))
        return notFound;
    std::string program = findProgram();
    if (program.empty())
        return notFound;
    key = m_nextKey++;
    m_openKeys.emplace(key, std::move(program));
    return success;
}

std::int32_t UnixSystemTools::queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                                         unsigned char *data, std::uint32_t &size)
{
    const auto open = m_openKeys.find(key);
    if (open == m_openKeys.end())
        return invalidHandle;
    if (!sameName(valueName, "PATH"))
        return notFound;
    // Stored as Windows stores text: with its final NUL.
    const std::string &path = open->second;
    const auto needed = static_cast<std::uint32_t>(path.size() + 1);
    type = textType;
    const std::uint32_t room = size;
    size = needed;
    if (needed > room || !data)
        return data ? moreData : success;
    std::memcpy(data, path.c_str(), needed);
    return success;
}

std::int32_t UnixSystemTools::closeKey(Key key)
{
    return m_openKeys.erase(key) ? success : invalidHandle;
}

bool UnixSystemTools::startProgram(const std::string &path)
{
    if (path.empty())
        return false;
    return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

bool UnixSystemTools::isPlainFile(const std::string &path)
{
    const fs::path file(path);
    const std::string name = file.filename().string();
    return !name.empty() && name.front() != '.' && isRegularFile(file);
}

std::unique_ptr<SystemTools> makeDesktopSystemTools()
{
    return std::make_unique<UnixSystemTools>();
}
