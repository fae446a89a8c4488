// The window title from the program file's version block, read from this test program's own
// copy of lanset's resources.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "view/version_title.h"
#include "view/win32/win32_dialog_view.h"
#include "tests/win/win_test_support.h"
#include "ui/resource.h"

namespace {

TEST(ComposeVersionTitle, MissingValuesAndTheLengthLimit) {
    EXPECT_EQ(composeVersionTitle("Tarnwick Lanset", "1.2"), "Tarnwick Lanset  1.2");
    EXPECT_EQ(composeVersionTitle("Tarnwick Lanset", nullptr), "Tarnwick Lanset  ");
    EXPECT_EQ(composeVersionTitle(nullptr, "1.2"), "1.2");
    EXPECT_EQ(composeVersionTitle(static_cast<const char*>(nullptr), nullptr), "");
    EXPECT_EQ(composeVersionTitle("", ""), "  ");

    const std::string longName(300, 'n');
    const std::string cut = composeVersionTitle(longName.c_str(), "9.9");
    EXPECT_EQ(cut, std::string(255, 'n'));
    const std::string nearlyFull(252, 'n');
    EXPECT_EQ(composeVersionTitle(nearlyFull.c_str(), "1.23"), nearlyFull + "  1");

    // The wide texts of a version block follow the same rules, and the cut never leaves half
    // of a character that takes two UTF-16 units.
    EXPECT_EQ(composeVersionTitle(L"Tarnwick Lanset", L"1.2"), L"Tarnwick Lanset  1.2");
    EXPECT_EQ(composeVersionTitle(L"Tarnwick Lanset", nullptr), L"Tarnwick Lanset  ");
    EXPECT_EQ(composeVersionTitle(nullptr, L"1.2"), L"1.2");
    EXPECT_EQ(composeVersionTitle(static_cast<const wchar_t*>(nullptr), nullptr), L"");
    EXPECT_EQ(composeVersionTitle(std::wstring(300, L'n').c_str(), L"9.9"), std::wstring(255, L'n'));
    const std::wstring beforeEmoji(254, L'n');
    EXPECT_EQ(composeVersionTitle((beforeEmoji + L"\U0001F600").c_str(), L"1.2"), beforeEmoji);
    EXPECT_EQ(composeVersionTitle((beforeEmoji.substr(1) + L"\U0001F600").c_str(), L"1.2"),
              beforeEmoji.substr(1) + L"\U0001F600");
}

class VersionTitleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "Tarnwick Lanset", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }
    HWND window_ = nullptr;
};

TEST_F(VersionTitleWindow, ReadsProductNameAndVersionUnderThePrefixOfTheStringTable) {
    const std::string prefix = loadResourceString(GetModuleHandleA(nullptr), IDS_VERSION_PREFIX);
    EXPECT_EQ(prefix, "\\StringFileInfo\\040904E4\\");
    EXPECT_TRUE(buildVersionTitle(window_, GetModuleHandleA(nullptr), prefix.c_str()));
    EXPECT_EQ(wintest::windowText(window_), "Tarnwick Lanset  1.2");
}

// A Cyrillic user name in the program's folder: the ANSI code page cannot spell the path.
// The test program copies itself into such a folder and runs this test again there; the copy
// writes the title it got into a file beside itself.
TEST_F(VersionTitleWindow, ReadsTheVersionBlockFromAFolderTheAnsiCodePageCannotSpell) {
    const std::wstring folderName = L"\u0422\u0435\u0441\u0442";  // "Test" in Russian
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    ASSERT_FALSE(self.empty());
    const std::wstring selfFolder = self.substr(0, self.find_last_of(L'\\'));
    const std::wstring resultName = L"title.txt";
    if (selfFolder.ends_with(L"\\" + folderName)) {
        const std::string prefix = loadResourceString(GetModuleHandleA(nullptr), IDS_VERSION_PREFIX);
        buildVersionTitle(window_, GetModuleHandleA(nullptr), prefix.c_str());
        const std::string title = wintest::windowText(window_);
        HANDLE file = CreateFileW((selfFolder + L"\\" + resultName).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, title.data(), static_cast<DWORD>(title.size()), &written, nullptr);
        CloseHandle(file);
        return;
    }

    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
    const std::wstring base = std::wstring(temp) + L"lanset-title-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring folder = base + L"\\" + folderName;
    const std::wstring copy = folder + L"\\" + self.substr(self.find_last_of(L'\\') + 1);
    const std::wstring result = folder + L"\\" + resultName;
    CreateDirectoryW(base.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(self.c_str(), copy.c_str(), FALSE));

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
    std::wstring commandLine = L"\"" + copy + L"\" --gtest_filter=" + std::wstring(filter.begin(), filter.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &child));
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 120000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(exitCode, 0u);

    std::string title;
    HANDLE file = CreateFileW(result.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[512] = {};
        DWORD read = 0;
        ReadFile(file, buffer, sizeof buffer, &read, nullptr);
        title.assign(buffer, read);
        CloseHandle(file);
    }
    DeleteFileW(result.c_str());
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(base.c_str());
    EXPECT_EQ(title, "Tarnwick Lanset  1.2");
}

TEST_F(VersionTitleWindow, APrefixWithoutValuesGivesAnEmptyTitle) {
    // Neither value exists under another language block: the title is set, and empty.
    EXPECT_TRUE(buildVersionTitle(window_, GetModuleHandleA(nullptr), "\\StringFileInfo\\041104B0\\"));
    EXPECT_EQ(wintest::windowText(window_), "");
}

TEST_F(VersionTitleWindow, AProgramFileWithoutVersionBlockKeepsTheCaption) {
    // A module handle that names no file at all: nothing can be read, the caption stays.
    HINSTANCE none = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x10));
    EXPECT_FALSE(buildVersionTitle(window_, none, "\\StringFileInfo\\040904E4\\"));
    EXPECT_EQ(wintest::windowText(window_), "Tarnwick Lanset");
}

// The program's manifest (this test program carries lanset's resources): visual styles through
// Common Controls 6, no elevation, DPI awareness and the Windows versions it was tried on; and the
// system took it: the controls are those of version 6 and the process is DPI aware.
TEST(ProgramManifest, AsksForCommonControls6AsInvokerAndDpiAwarenessAndTheSystemTakesIt) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    for (const char* part : {
             R"(name="Tarnwick.Lanset" version="1.2.0.0")",
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             R"(publicKeyToken="6595b64144ccf1df")",
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   // 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   // 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})  // 10 and 11
        EXPECT_NE(manifest.find(part), std::string::npos) << part;

    // Only the buttons of Common Controls 6 know their ideal size; the system's own do not.
    wintest::initCommonControls();
    HWND button = CreateWindowExA(0, "Button", "Find", WS_POPUP | BS_PUSHBUTTON, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
    DestroyWindow(button);
    EXPECT_TRUE(IsProcessDPIAware());
}

TEST(LoadResourceString, AnEntryThatIsNotThereIsEmpty) {
    EXPECT_EQ(loadResourceString(GetModuleHandleA(nullptr), 903), "");
}

}  // namespace
