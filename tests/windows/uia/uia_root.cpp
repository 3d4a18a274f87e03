// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the shown window titled "Merovant" for its UI Automation root, as a
// screen reader does when it starts and whenever it reads the window anew.
// With the stand-in UI Automation core in place, the program then writes out
// the tree that a screen reader would see. Exits 0 once the window has
// answered, 1 when there is no such window or it does not answer.
#include <windows.h>

#include <cwchar>

namespace {
constexpr LPARAM uiaRootObjectId = -25;

BOOL CALLBACK findGame(HWND window, LPARAM found)
{
    wchar_t title[16] = {};
    GetWindowTextW(window, title, 16);
    if (!IsWindowVisible(window) || std::wcscmp(title, L"Merovant") != 0)
        return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}
} // namespace

int main()
{
    HWND window = nullptr;
    EnumWindows(findGame, reinterpret_cast<LPARAM>(&window));
    DWORD_PTR result = 0;
    if (!window || !SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG,
                                        10000, &result))
        return 1;
    return 0;
}
