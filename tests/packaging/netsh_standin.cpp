// Stands in for the system's netsh.exe in the installer test's Wine prefix (Wine has no
// firewall): appends its command line, one line a call, to the file that LANSET_NETSH_LOG names
// and ends with the status that LANSET_NETSH_EXIT gives (0 when unset), so a test can show what
// the installer asked for and how it takes a refusal. Copied in place of an installed program,
// it plays that program running: with LANSET_STANDIN_HOLD naming a file, it runs until that file
// exists (two minutes at most).
#include <windows.h>

#include <cstdlib>
#include <string>

int main() {
    const wchar_t* line = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 1), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    text += "\r\n";

    char log[MAX_PATH] = {};
    if (GetEnvironmentVariableA("LANSET_NETSH_LOG", log, sizeof log) > 0) {
        HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            CloseHandle(file);
        }
    }
    char hold[MAX_PATH] = {};
    if (GetEnvironmentVariableA("LANSET_STANDIN_HOLD", hold, sizeof hold) > 0) {
        const ULONGLONG deadline = GetTickCount64() + 120000;
        while (GetFileAttributesA(hold) == INVALID_FILE_ATTRIBUTES && GetTickCount64() < deadline) Sleep(50);
    }
    char status[16] = {};
    return GetEnvironmentVariableA("LANSET_NETSH_EXIT", status, sizeof status) > 0 ? std::atoi(status) : 0;
}
