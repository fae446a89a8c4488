// lanset's main window opened from its template by the program's own code: the controls as the
// template places them, the state at opening, and the window's logic acting on the real
// controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <tuple>

#include "net/net_session.h"
#include "tests/win/win_test_support.h"
#include "ui/resource.h"
#include "ui/whole_file.h"
#include "ui/win32/win32_front.h"
#include "view/win32/win32_dialog_view.h"

namespace {

using wintest::windowText;

std::optional<AdapterAddresses> testAdapter() {
    return AdapterAddresses{"10.1.2.3", "255.255.0.0", "10.1.0.1"};
}

std::string lineOf(HWND list, int index) {
    char line[128] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line));
    return line;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::initCommonControls();
        // Like the program's, the session outlives every window that may still use it.
        session_ = new NetSession();
        window_ = openMainWindow(GetModuleHandleA(nullptr), *session_, testAdapter);
        ASSERT_NE(window_, nullptr);
        list_ = GetDlgItem(window_, IDC_DEVICE_LIST);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    bool enabled(int id) { return IsWindowEnabled(GetDlgItem(window_, id)) != FALSE; }
    void command(int id, intptr_t value = 0) {
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), static_cast<LPARAM>(value));
    }
    // An operation's event, as a worker hands it over.
    void event(SessionEvent code, int32_t value) {
        SendMessageA(window_, kSessionEventMessage, static_cast<WPARAM>(code), static_cast<LPARAM>(value));
    }
    // Two boards reported as a find reports them.
    void findTwoBoards() {
        session_->devices.append(
            wintest::newBoard("Node1", "0a1b2c3d4e5f", "10.0.0.5", "255.0.0.0", "10.0.0.1", false));
        event(EVT_FOUND, 0);
        session_->devices.append(
            wintest::newBoard("Node2", "0a1b2c3d4e60", "10.0.0.6", "255.0.0.0", "10.0.0.1", true));
        event(EVT_FOUND, 1);
        event(EVT_COMPLETE, 0);
    }

    NetSession* session_ = nullptr;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
};

TEST(MainWindowTemplate, DescribesTheWindowAndItsControls) {
    const DWORD list = LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT |
                       WS_VSCROLL | WS_BORDER;
    wintest::expectTemplate(
        IDD_MAIN, "Tarnwick Lanset", 330, 141,
        DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        WS_POPUP | WS_MAXIMIZEBOX | WS_THICKFRAME,
        {
            {-1, "Static", "ID", 9, 5, 8, 8, SS_LEFT, 0, 0},
            {-1, "Static", "SN", 78, 5, 11, 8, SS_LEFT, 0, 0},
            {-1, "Static", "IP", 149, 5, 8, 8, SS_LEFT, 0, 0},
            {IDC_DEVICE_LIST, "ListBox", "", 7, 14, 234, 105, -1, list, LBS_SORT | LBS_MULTIPLESEL},
            {IDC_FIND, "Button", "Find", 254, 12, 69, 14, BS_PUSHBUTTON, 0, 0},
            {IDC_CONFIGURE, "Button", "Configure", 254, 31, 69, 14, BS_PUSHBUTTON, 0, 0},
            {IDC_AUTO_CONFIGURE, "Button", "Auto Configure", 254, 51, 69, 14, BS_PUSHBUTTON, 0, 0},
            {IDCANCEL, "Button", "Exit", 254, 70, 69, 14, BS_PUSHBUTTON, 0, 0},
            {-1, "Button", "", 7, 118, 234, 22, BS_GROUPBOX, 0, 0},
            {IDC_STATUS_LABEL, "Static", "Status: ", 11, 126, 24, 8, SS_LEFT, 0, 0},
            {IDC_STATUS, "Static", "", 36, 126, 132, 8, SS_LEFT, 0, 0},
            {IDC_STOP_FIND, "Button", "Stop Find", 191, 124, 48, 14, BS_PUSHBUTTON, 0, 0},
        });
}

TEST_F(MainWindowTest, OpensWithTheVersionTitleInTheReadyState) {
    EXPECT_EQ(windowText(window_), "Tarnwick Lanset  1.2");
    EXPECT_TRUE(IsWindowVisible(window_));
    RECT client{};
    GetClientRect(window_, &client);
    const SIZE size = wintest::dialogUnitSize(window_, 330, 141);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);

    EXPECT_EQ(windowText(GetDlgItem(window_, IDC_STATUS)), "Ready");
    EXPECT_TRUE(enabled(IDC_FIND));
    EXPECT_FALSE(enabled(IDC_CONFIGURE));
    EXPECT_FALSE(enabled(IDC_STOP_FIND));
    EXPECT_TRUE(enabled(IDC_AUTO_CONFIGURE));
    EXPECT_TRUE(enabled(IDCANCEL));
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 0);
    // The program's icon, for the taskbar and Alt+Tab.
    EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindowTest, EventsFillTheListAndTheSelectionRuleFollowsClicks) {
    event(EVT_BROADCAST, 3);
    EXPECT_EQ(windowText(GetDlgItem(window_, IDC_STATUS)), "Broadcast 3");
    findTwoBoards();
    ASSERT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(lineOf(list_, 0), "Node1\t0a1b2c3d4e5f\t10.0.0.5");
    EXPECT_EQ(lineOf(list_, 1), "Node2\t0a1b2c3d4e60\t10.0.0.6");
    EXPECT_EQ(windowText(GetDlgItem(window_, IDC_STATUS)), "Finished.  Found 2 devices");
    EXPECT_TRUE(enabled(IDC_FIND));
    EXPECT_FALSE(enabled(IDC_STOP_FIND));

    EXPECT_FALSE(enabled(IDC_CONFIGURE));
    wintest::clickListLine(list_, 0, false);
    EXPECT_TRUE(enabled(IDC_CONFIGURE));
    wintest::clickListLine(list_, 1, true);  // two lines: one board at a time only
    EXPECT_FALSE(enabled(IDC_CONFIGURE));
    wintest::clickListLine(list_, 1, true);  // back to one
    EXPECT_TRUE(enabled(IDC_CONFIGURE));
}

// Watches for a dialog with this caption from another thread, notes what it shows, then
// presses Cancel in it.
struct DialogWatch {
    std::string caption;
    std::atomic<bool> seen{false};
    HWND owner = nullptr;
    bool ownerEnabled = true;
    std::string texts[3];
    int ids[3] = {0, 0, 0};

    std::thread start() {
        return std::thread([this] {
            for (int tries = 0; tries < 1000; ++tries) {
                HWND dialog = FindWindowA("#32770", caption.c_str());
                if (dialog != nullptr && IsWindowVisible(dialog)) {
                    owner = GetWindow(dialog, GW_OWNER);
                    ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
                    for (int i = 0; i < 3; ++i)
                        if (ids[i] != 0) texts[i] = windowText(GetDlgItem(dialog, ids[i]));
                    seen = true;
                    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                    return;
                }
                Sleep(10);
            }
        });
    }
};

TEST_F(MainWindowTest, ConfigureOpensTheConfigureDialogModallyOverTheCurrentBoard) {
    findTwoBoards();
    wintest::clickListLine(list_, 1, false);
    DialogWatch watch;
    watch.caption = "Ethernet Board Configure";
    watch.ids[0] = IDC_CFG_ID_EDIT;
    watch.ids[1] = IDC_STATUS;
    std::thread watcher = watch.start();
    command(IDC_CONFIGURE);  // returns when the dialog has closed
    watcher.join();
    ASSERT_TRUE(watch.seen);
    EXPECT_EQ(watch.owner, window_);
    EXPECT_FALSE(watch.ownerEnabled);
    EXPECT_EQ(watch.texts[0], "Node2");
    EXPECT_EQ(watch.texts[1], "Ready");
    // Cancelled: the list and its selection stay as they were.
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(list_, LB_GETSEL, 1, 0), 1);
    EXPECT_EQ(windowText(GetDlgItem(window_, IDC_STATUS)), "Finished.  Found 2 devices");
}

TEST_F(MainWindowTest, AutoConfigureOpensOverTheSelectedLinesWithTheAdapterAddresses) {
    findTwoBoards();
    wintest::clickListLine(list_, 0, false);
    wintest::clickListLine(list_, 1, true);
    DialogWatch watch;
    watch.caption = "Ethernet Board Auto Configure";
    watch.ids[0] = IDC_AUTO_PATTERN;
    watch.ids[1] = IDC_AUTO_PHASE;
    std::thread watcher = watch.start();
    command(IDC_AUTO_CONFIGURE);
    watcher.join();
    ASSERT_TRUE(watch.seen);
    EXPECT_EQ(watch.owner, window_);
    EXPECT_EQ(watch.texts[0], "Vorn");
    EXPECT_EQ(watch.texts[1], "Ready");
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 2);
}

TEST_F(MainWindowTest, ClosingFromTheTitleBarEndsTheProgramLikeExit) {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    // Should the window not end the loop, the test ends it with another code.
    UINT_PTR guard = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) DispatchMessageA(&msg);
    KillTimer(nullptr, guard);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_FALSE(IsWindow(window_));
}

// At this run's DPI (96, 120 or 144) no two controls overlap and every label is whole.
TEST_F(MainWindowTest, LayoutHoldsAtTheScreensDpi) {
    findTwoBoards();
    wintest::expectTidyLayout(window_);
}

// --- The board list's context menu, Copy and Save List As... on the real window ----------------

// What the clipboard holds as plain text; "" when nothing.
std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void emptyClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

const std::wstring kTabHeader = L"id\tsn\tip\tsubnet\tgateway\tdhcp\r\n";
const std::wstring kNode1Tab = L"Node1\t0a1b2c3d4e5f\t10.0.0.5\t255.0.0.0\t10.0.0.1\toff\r\n";
const std::wstring kNode2Tab = L"Node2\t0a1b2c3d4e60\t10.0.0.6\t255.0.0.0\t10.0.0.1\ton\r\n";

// From another thread: waits (up to ten seconds) for a visible top-level window of this class
// and caption (null: any), then acts on it.
std::thread watchFor(const char* windowClass, const char* caption, std::function<void(HWND)> act) {
    return std::thread([=] {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(10)) {
            HWND found = FindWindowA(windowClass, caption);
            if (found != nullptr && IsWindowVisible(found)) {
                act(found);
                return;
            }
        }
        ADD_FAILURE() << "no window of class " << windowClass << " came up";
    });
}

// Ctrl held while key goes down in the list, as the program's message loop meets it.
void typeControlKey(HWND mainWindow, HWND list, UINT key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(list, WM_KEYDOWN, key, 1);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (translateMainWindowKeys(GetModuleHandleA(nullptr), mainWindow, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(MainWindowTest, CopyPutsTheLinesOnTheClipboardAndCtrlCDoesTheSame) {
    findTwoBoards();
    emptyClipboard();
    command(IDM_LIST_COPY);
    EXPECT_EQ(clipboardText(), kTabHeader + kNode1Tab + kNode2Tab);

    wintest::clickListLine(list_, 1, false);
    emptyClipboard();
    typeControlKey(window_, list_, 'C');
    EXPECT_EQ(clipboardText(), kTabHeader + kNode2Tab);
    // Other keys stay the list's: Ctrl+Down moves nothing onto the clipboard.
    emptyClipboard();
    typeControlKey(window_, list_, VK_DOWN);
    EXPECT_EQ(clipboardText(), L"");

    // An ID's bytes are copied as the list shows them, in the ANSI code page.
    session_->devices.append(
        wintest::newBoard("\x80\x83\x41\xe9\x41", "0a1b2c3d4e61", "10.0.0.7", "255.0.0.0", "", false));
    event(EVT_FOUND, 2);
    wchar_t shown[64] = {};
    SendMessageW(list_, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(shown));
    wintest::clickListLine(list_, 2, false);
    command(IDM_LIST_COPY);
    EXPECT_EQ(clipboardText().substr(kTabHeader.size(), 5), std::wstring(shown, 5));
}

TEST_F(MainWindowTest, RightClickOffersCopyAndSaveListAsAndCarriesOutTheChoice) {
    findTwoBoards();
    emptyClipboard();
    std::wstring labels[2];
    UINT states[2] = {0, 0};
    HWND mainWindow = window_;
    std::thread watcher = watchFor("#32768", nullptr, [&](HWND menuWindow) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; i < 2 && menu != nullptr; ++i) {
            wchar_t label[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), label, 64, MF_BYPOSITION);
            labels[i] = label;
            states[i] = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        }
        // The first item, as the keyboard picks it.
        PostMessageA(mainWindow, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageA(mainWindow, WM_KEYDOWN, VK_RETURN, 1);
    });
    RECT r{};
    GetWindowRect(list_, &r);
    // Returns once the menu is gone and its choice handled.
    SendMessageA(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_), MAKELPARAM(r.left + 20, r.top + 20));
    watcher.join();
    EXPECT_EQ(labels[0], L"Copy\tCtrl+C");
    EXPECT_EQ(labels[1], L"Save List As...\tCtrl+S");
    EXPECT_EQ(states[0] & MF_GRAYED, 0u);
    EXPECT_EQ(states[1] & MF_GRAYED, 0u);
    EXPECT_EQ(clipboardText(), kTabHeader + kNode1Tab + kNode2Tab);

    // Over the caption the system's window menu still comes up: the list's menu is the only one.
    watcher = watchFor("#32768", nullptr, [&](HWND) { PostMessageA(mainWindow, WM_KEYDOWN, VK_ESCAPE, 1); });
    GetWindowRect(window_, &r);
    const int caption = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    SendMessageA(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_), MAKELPARAM(r.left + 60, caption));
    watcher.join();
}

// A folder in the temp folder whose name the ANSI code page cannot spell.
std::wstring scratchFolder(const wchar_t* what) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring folder = std::wstring(temp) + L"lanset-\u0422\u0435\u0441\u0442-" + what + L"-" +
                                std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

std::vector<std::wstring> namesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void removeFolder(const std::wstring& folder) {
    for (const std::wstring& name : namesIn(folder)) {
        const std::wstring path = folder + L"\\" + name;
        if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) removeFolder(path);
        else DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

BOOL CALLBACK findEdit(HWND child, LPARAM found) {
    if (wintest::className(child) != "Edit") return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

const std::string kCsv =
    "id,sn,ip,subnet,gateway,dhcp\n"
    "Node1,0a1b2c3d4e5f,10.0.0.5,255.0.0.0,10.0.0.1,off\n"
    "Node2,0a1b2c3d4e60,10.0.0.6,255.0.0.0,10.0.0.1,on\n";

TEST_F(MainWindowTest, SaveListAsWritesTheCsvUnderTheNameTheSaveDialogGives) {
    findTwoBoards();
    // lanset-cli's file: an ID's bytes read as Latin-1, not through the list's code page (0x80, a
    // control character there, is written escaped).
    session_->devices.append(wintest::newBoard("\x80\xe9", "0a1b2c3d4e61", "10.0.0.7", "255.0.0.0", "", false));
    event(EVT_FOUND, 2);
    const std::wstring folder = scratchFolder(L"save");
    // The name is typed without its extension: the dialog adds ".csv".
    const std::wstring typed = folder + L"\\\u00e9tage";
    std::thread watcher = watchFor("#32770", "Save List As", [&](HWND dialog) {
        // The file name box: an edit inside the combo box cmb13 (or edt1 in older dialogs).
        HWND name = GetDlgItem(dialog, 0x480);
        EnumChildWindows(GetDlgItem(dialog, 0x47C), findEdit, reinterpret_cast<LPARAM>(&name));
        if (name == nullptr) {
            ADD_FAILURE() << "the save dialog has no file name box";
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    command(IDM_LIST_SAVE);   // returns once the dialog is gone and the file written
    watcher.join();
    EXPECT_EQ(fileBytes(typed + L".csv"), kCsv + "\\x80\xc3\xa9,0a1b2c3d4e61,10.0.0.7,255.0.0.0,,off\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::wstring>{L"\u00e9tage.csv"});
    removeFolder(folder);
}

// The Win32 writer itself: whole or not at all, in a folder of any name.
TEST(SaveWholeFile, ReplacesWholeOrLeavesEverythingAsItWas) {
    const std::wstring folder = scratchFolder(L"whole");
    const std::wstring target = folder + L"\\boards.csv";
    EXPECT_EQ(saveWholeFile(target, kCsv), SaveResult::Saved);
    EXPECT_EQ(fileBytes(target), kCsv);
    EXPECT_EQ(saveWholeFile(target, "id\n"), SaveResult::Saved);   // shorter: nothing of the old
    EXPECT_EQ(fileBytes(target), "id\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::wstring>{L"boards.csv"});
    // A file that another program holds for a moment is replaced once let go, attributes kept.
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN);
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::thread holder([held] { Sleep(200); CloseHandle(held); });
    EXPECT_EQ(saveWholeFile(target, kCsv), SaveResult::Saved);
    holder.join();
    EXPECT_EQ(fileBytes(target), kCsv);
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    // A folder under the chosen name cannot be replaced; nothing is left beside it.
    const std::wstring taken = folder + L"\\taken.csv";
    CreateDirectoryW(taken.c_str(), nullptr);
    EXPECT_EQ(saveWholeFile(taken, kCsv), SaveResult::NotReplaced);
    EXPECT_TRUE(GetFileAttributesW(taken.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(namesIn(folder).size(), 2u);
    // A folder that is not there: no file is made.
    EXPECT_EQ(saveWholeFile(folder + L"\\gone\\boards.csv", kCsv), SaveResult::NotCreated);
    EXPECT_EQ(namesIn(folder).size(), 2u);
    removeFolder(folder);
}

// A replace that failed half-way (the old file aside, or gone) loses no copy that may be the only
// one; a file held open (1: the old one, 2: the new one) cannot move.
TEST(SaveWholeFile, AReplaceThatFailedHalfWayLosesNoCopy) {
    const std::wstring folder = scratchFolder(L"settle");
    const std::wstring final = folder + L"\\boards.csv", temp = final + L".tmp", backup = final + L".bak";
    const std::tuple<bool, int, SaveResult, std::string, std::vector<std::wstring>> rows[] = {
        {true, 0, SaveResult::NotReplaced, "old", {L"boards.csv"}},
        {true, 1, SaveResult::SavedOldKept, "new", {L"boards.csv", L"boards.csv.bak"}},
        {true, 3, SaveResult::BothKept, "<none>", {L"boards.csv.bak", L"boards.csv.tmp"}},
        {false, 0, SaveResult::Saved, "new", {L"boards.csv"}},
        {false, 2, SaveResult::ListKept, "<none>", {L"boards.csv.tmp"}},
    };
    for (const auto& [oldAside, held, expected, named, left] : rows) {
        std::vector<HANDLE> holds;
        for (const auto& [path, text, bit] : {std::tuple{backup, "old", 1}, {temp, "new", 2}}) {
            if (path == backup && !oldAside) continue;
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD done = 0;
            WriteFile(file, text, 3, &done, nullptr);
            (held & bit ? holds.push_back(file) : static_cast<void>(CloseHandle(file)));
        }
        SaveLeftovers kept;
        EXPECT_EQ(settleFailedReplace(final, temp, backup, &kept), expected);
        for (HANDLE file : holds) CloseHandle(file);
        std::vector<std::wstring> names = namesIn(folder);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::make_tuple(fileBytes(final), names, kept.oldFile.wstring(), kept.listFile.wstring()),
                  std::make_tuple(named, left, held & 1 ? backup : L"", held & 2 ? temp : L""));
        for (const std::wstring& name : names) DeleteFileW((folder + L"\\" + name).c_str());
    }
    removeFolder(folder);
}

}  // namespace

