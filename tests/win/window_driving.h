#pragma once
// What the programs that drive a Windows program's window from outside (lanset_driver,
// plugset_driver) do with it: ask its thread with a time limit, wait for conditions with
// deadlines, find it by title, read a list box's lines.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/driver_checks.h"

namespace driver {

// WM_GETTEXT answered by the window's own thread (an IP address control keeps no window text).
inline std::string textOf(HWND window) {
    char buffer[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                             SMTO_NORMAL, 10000, &copied))
        return "<no answer>";
    return std::string(buffer, copied);
}

inline void setTextOf(HWND window, const std::string& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        10000, &ignored);
}

inline LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result))
        fail("no answer to message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

template <typename Condition>
bool waitFor(Condition condition, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(20);
    }
    return true;
}

inline HWND waitWindow(const char* title, DWORD ms) {
    HWND found = nullptr;
    waitFor([&] { return (found = FindWindowA(nullptr, title)) != nullptr && IsWindowVisible(found); },
            ms);
    return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

// A button press as the user makes it: only an enabled button can be pressed.
inline bool press(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr || !IsWindowEnabled(button)) {
        fail("button " + std::to_string(id) + " cannot be pressed");
        return false;
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

inline std::vector<std::string> listLines(HWND list) {
    std::vector<std::string> all;
    const LRESULT count = ask(list, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        // Asked in UTF-16: the list's texts cross the process boundary whole that way.
        wchar_t line[256] = {};
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(line), SMTO_NORMAL, 10000, &length))
            fail("no answer to LB_GETTEXT");
        std::string text;
        for (const wchar_t* c = line; *c != 0; ++c) text.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
        all.push_back(text);
    }
    return all;
}

}  // namespace driver
