// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// System Info on the real Windows services, run under Wine: GetKeyValue
// against values written into the registry here, and StartSysInfo's two
// lookups, file check and program start against the real keys of a Wine
// prefix that belongs to this test alone.
#include "about/SysInfo.h"
#include "platform/SystemTools.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
int passed = 0;
int failed = 0;

void check(bool ok, const std::string &what, const std::string &detail = {})
{
    std::printf("%s  %s%s%s\n", ok ? "PASS" : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    std::fflush(stdout);
    ++(ok ? passed : failed);
}

// The real services, with every call they get counted, so that the masks
// asked for, the keys left open and the programs started can be checked.
class Recording : public SystemTools
{
public:
    explicit Recording(SystemTools &real) : m_real(real) {}

    std::int32_t openKey(std::uint32_t root, const std::string &name, std::uint32_t options,
                         std::uint32_t access, Key &key) override
    {
        masks.push_back(access);
        const std::int32_t result = m_real.openKey(root, name, options, access, key);
        if (result == success)
            ++openKeys;
        return result;
    }
    std::int32_t queryValue(Key key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override
    {
        return m_real.queryValue(key, valueName, type, data, size);
    }
    std::int32_t closeKey(Key key) override
    {
        const std::int32_t result = m_real.closeKey(key);
        if (result == success)
            --openKeys;
        return result;
    }
    bool startProgram(const std::string &path) override
    {
        starts.push_back(path);
        return m_real.startProgram(path);
    }
    bool isPlainFile(const std::string &path) override
    {
        fileChecks.push_back(path);
        return m_real.isPlainFile(path);
    }

    void reset()
    {
        masks.clear();
        starts.clear();
        fileChecks.clear();
    }

    std::vector<std::uint32_t> masks;
    std::vector<std::string> starts;
    std::vector<std::string> fileChecks;
    int openKeys = 0;

private:
    SystemTools &m_real;
};

const char ownKey[] = "SOFTWARE\\Merovant Test";

void setValue(const char *key, const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot create key ") + key);
    const LONG result =
        RegSetValueExA(handle, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot write value ") + name);
}

void setText(const char *key, const char *name, const std::string &text, bool finalNul = true)
{
    setValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + (finalNul ? 1 : 0)));
}

void setNumber(const char *key, const char *name, DWORD value)
{
    setValue(key, name, REG_DWORD, &value, sizeof value);
}

void deleteValue(const char *key, const char *name)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}

struct Read
{
    bool found = false;
    bool threw = false;
    std::string value;
};

Read read(Recording &tools, const char *key, const char *name)
{
    Read r;
    r.value = "before";
    try {
        r.found = SysInfo::GetKeyValue(tools, SystemTools::localMachine, key, name, r.value);
    } catch (const std::invalid_argument &) {
        r.threw = true;
    }
    return r;
}

std::string show(const Read &r)
{
    const std::string value = r.value.size() <= 40 ? "\"" + r.value + "\""
                                                   : std::to_string(r.value.size()) + " characters";
    return std::string(r.threw ? "threw" : r.found ? "found" : "not found") + ", value " + value;
}

void checkRead(Recording &tools, const char *name, const Read &expected, const std::string &what)
{
    const int openBefore = tools.openKeys;
    const Read r = read(tools, ownKey, name);
    check(r.found == expected.found && r.threw == expected.threw && r.value == expected.value, what,
          show(r));
    check(tools.openKeys == openBefore, what + ": no key left open");
}

std::string folderOf(const std::string &path)
{
    return path.substr(0, path.find_last_of('\\'));
}

void makeFolder(const std::string &path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}

void copyFile(const std::string &from, const std::string &to)
{
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + from + " to " + to);
}

// What a started marker program reported, once it has run; empty if it did
// not run within half a minute.
std::string waitForRun(const std::string &program)
{
    const std::string marker = program + ".ran";
    for (int i = 0; i < 300; ++i) {
        std::ifstream in(marker);
        if (in) {
            std::stringstream text;
            text << in.rdbuf();
            return text.str();
        }
        Sleep(100);
    }
    return {};
}

bool hasRun(const std::string &program)
{
    return GetFileAttributesA((program + ".ran").c_str()) != INVALID_FILE_ATTRIBUTES;
}

void forgetRuns(const std::vector<std::string> &programs)
{
    for (const std::string &program : programs)
        DeleteFileA((program + ".ran").c_str());
}

void testGetKeyValue(Recording &tools)
{
    std::printf("-- GetKeyValue on values of its own key\n");
    const std::string path = "C:\\Tools\\info.exe";
    setText(ownKey, "TextWithNul", path);
    setText(ownKey, "TextWithoutNul", path, false);
    setText(ownKey, "Text1024", std::string(1023, 'x'));
    setText(ownKey, "Text1025", std::string(1024, 'x'));
    const std::string bytes1025(1025, '\x01');
    setValue(ownKey, "Binary1024", REG_BINARY, bytes1025.data(), 1024);
    setValue(ownKey, "Binary1025", REG_BINARY, bytes1025.data(), 1025);
    setValue(ownKey, "Binary", REG_BINARY, "\x01\x02\x03", 3);
    setNumber(ownKey, "NumberAllBytes", 0x12345678);
    setNumber(ownKey, "NumberLowBytes", 0x0A0B0C0D);
    setNumber(ownKey, "NumberTopBitSet", 0xFEDCBA98);
    setNumber(ownKey, "NumberTopByteZero", 0x00ABCDEF);
    setValue(ownKey, "EmptyText", REG_SZ, "", 0);
    setValue(ownKey, "EmptyBinary", REG_BINARY, "", 0);

    checkRead(tools, "TextWithNul", {true, false, path}, "text with final NUL loses only the NUL");
    checkRead(tools, "TextWithoutNul", {true, false, path},
              "text without final NUL keeps every character");
    checkRead(tools, "Text1024", {true, false, std::string(1023, 'x')},
              "text of 1024 bytes is read whole");
    checkRead(tools, "Text1025", {false, false, ""}, "text of 1025 bytes is not found");
    checkRead(tools, "Binary1024", {true, false, "before"},
              "binary of 1024 bytes is read, text unchanged");
    checkRead(tools, "Binary1025", {false, false, ""}, "binary of 1025 bytes is not found");
    checkRead(tools, "Binary", {true, false, "before"}, "binary leaves the text unchanged");
    checkRead(tools, "NumberAllBytes", {true, false, "&h12345678"},
              "number with four non-zero bytes");
    checkRead(tools, "NumberLowBytes", {true, false, "&h0A0B0C0D"},
              "number bytes below 16 keep a leading 0");
    checkRead(tools, "NumberTopBitSet", {true, false, "&hFEDCBA98"}, "number with top bit set");
    checkRead(tools, "NumberTopByteZero", {true, false, "&hABCDEF"},
              "number whose most significant byte is zero gives six digits");
    checkRead(tools, "EmptyText", {false, true, "before"}, "text without data is an error");
    checkRead(tools, "EmptyBinary", {false, true, "before"}, "binary without data is an error");
    checkRead(tools, "Missing", {false, false, ""}, "missing value");
    const Read noKey = read(tools, "SOFTWARE\\Merovant Test\\Missing", "Value");
    check(!noKey.found && noKey.value.empty(), "missing key", show(noKey));

    bool readOnly = !tools.masks.empty();
    for (std::uint32_t mask : tools.masks)
        readOnly = readOnly && mask == KEY_READ;
    check(readOnly, "every key is opened with read rights only");
}

void testStartSysInfo(Recording &tools, const std::string &marker)
{
    std::printf("-- StartSysInfo on the prefix's own entries\n");
    const char *first = SysInfo::toolKey;
    const char *second = SysInfo::locationKey;

    // Folders with blanks in their names, as under Program Files.
    const std::string root = "C:\\Merovant test";
    const std::string tool = root + "\\first tool\\tool.exe";
    const std::string withFile = root + "\\second folder";
    const std::string inFolder = withFile + "\\MSINFO32.EXE";
    const std::string hidden = root + "\\hidden";
    const std::string system = root + "\\system";
    const std::string folder = root + "\\folder";
    const std::string empty = root + "\\empty";
    for (const std::string &dir :
         {root, folderOf(tool), withFile, hidden, system, folder, empty, folder + "\\MSINFO32.EXE"})
        makeFolder(dir);
    copyFile(marker, tool);
    copyFile(marker, inFolder);
    copyFile(marker, hidden + "\\MSINFO32.EXE");
    copyFile(marker, system + "\\MSINFO32.EXE");
    SetFileAttributesA((hidden + "\\MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((system + "\\MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_SYSTEM);

    auto press = [&] {
        tools.reset();
        forgetRuns({tool, inFolder});
        return SysInfo::StartSysInfo(tools);
    };
    auto expectFailure = [&](const std::string &what) {
        const bool started = press();
        check(!started && !hasRun(tool) && !hasRun(inFolder), what);
    };

    {
        const Read own = read(tools, first, SysInfo::toolValue);
        std::printf("   (Wine's own first entry: %s)\n", show(own).c_str());
    }

    deleteValue(first, SysInfo::toolValue);
    deleteValue(second, SysInfo::locationValue);
    expectFailure("neither entry: unavailable");
    expectFailure("neither entry, pressed again: unavailable again");
    check(tools.masks.size() == 2, "each press repeats both lookups");

    setText(first, SysInfo::toolValue, tool);
    bool started = press();
    std::string run = waitForRun(tool);
    check(started && run == "arguments=0 show=1",
          "first entry starts the tool, shown normally, with no arguments", run);
    check(tools.fileChecks.empty(), "first entry is used without a file check");

    setText(second, SysInfo::locationValue, withFile);
    started = press();
    run = waitForRun(tool);
    check(started && !run.empty() && tools.starts == std::vector<std::string>{tool},
          "first entry wins over second");

    setText(first, SysInfo::toolValue, root + "\\first tool\\missing.exe");
    expectFailure("first entry naming no program: unavailable");

    deleteValue(first, SysInfo::toolValue);
    started = press();
    run = waitForRun(inFolder);
    check(started && run == "arguments=0 show=1",
          "second entry starts MSINFO32.EXE from its folder", run);
    check(tools.fileChecks == std::vector<std::string>{inFolder},
          "the file check comes after the second lookup");

    setText(second, SysInfo::locationValue, empty);
    expectFailure("second entry without the program file: unavailable");
    setText(second, SysInfo::locationValue, hidden);
    expectFailure("second entry with a hidden program file: unavailable");
    setText(second, SysInfo::locationValue, system);
    expectFailure("second entry with a system program file: unavailable");
    setText(second, SysInfo::locationValue, folder);
    expectFailure("second entry with a folder of that name: unavailable");

    setText(second, SysInfo::locationValue, withFile);
    setValue(first, SysInfo::toolValue, REG_SZ, "", 0);
    expectFailure("first entry without data: unavailable");
    check(tools.masks.size() == 1, "an error in the first lookup skips the second");
    setValue(first, SysInfo::toolValue, REG_BINARY, "\x01", 1);
    expectFailure("first entry of another type starts the empty path: unavailable");
    check(tools.starts == std::vector<std::string>{""}, "the empty path was tried");

    check(tools.openKeys == 0, "no key left open");
}
} // namespace

int main()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string marker = folderOf(self) + "\\marker.exe";

    auto windows = makeDesktopSystemTools();
    Recording tools(*windows);
    try {
        testGetKeyValue(tools);
        testStartSysInfo(tools, marker);
    } catch (const std::exception &error) {
        check(false, std::string("setting up: ") + error.what());
    }
    std::printf("sysinfo_wine: %d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
