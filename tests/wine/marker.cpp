// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the system information tool: when started it leaves
// "<its own path>.ran" behind, telling how it was started.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char **)
{
    char self[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, self, MAX_PATH))
        return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    // Written aside and renamed, so that the test never reads half a file.
    const std::string done = std::string(self) + ".ran";
    const std::string partial = done + ".part";
    FILE *file = std::fopen(partial.c_str(), "w");
    if (!file)
        return 1;
    std::fprintf(file, "arguments=%d show=%d", argc - 1, show);
    std::fclose(file);
    return MoveFileExA(partial.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
