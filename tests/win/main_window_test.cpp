// lanset's main window opened from its template by the program's own code: the controls as the
// template places them, the state at opening, and the window's logic acting on the real
// controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "net/net_session.h"
#include "tests/win/win_test_support.h"
#include "ui/resource.h"
#include "ui/win32/win32_front.h"

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
    // Two boards reported as a find reports them.
    void findTwoBoards() {
        session_->devices.append(
            wintest::newBoard("Node1", "0a1b2c3d4e5f", "10.0.0.5", "255.0.0.0", "10.0.0.1", false));
        command(EVT_FOUND, 0);
        session_->devices.append(
            wintest::newBoard("Node2", "0a1b2c3d4e60", "10.0.0.6", "255.0.0.0", "10.0.0.1", true));
        command(EVT_FOUND, 1);
        command(EVT_COMPLETE, 0);
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
}

TEST_F(MainWindowTest, EventsFillTheListAndTheSelectionRuleFollowsClicks) {
    command(EVT_BROADCAST, 3);
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
    EXPECT_EQ(session_->devices.selectedIndex, 1);
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
    EXPECT_EQ(session_->selectionCount, 2);
    EXPECT_EQ(session_->selection[0], 0);
    EXPECT_EQ(session_->selection[1], 1);
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

}  // namespace

