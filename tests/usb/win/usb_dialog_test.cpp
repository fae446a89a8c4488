// plugset's real window, built from its template, over the simulated bus: layout, lines,
// details and their enabled states, renaming, the refresh, and closing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/usb/support/sim_usb_bus.h"
#include "usb/resource.h"
#include "usb/win32/usb_dialog.h"

namespace {

using Lines = std::vector<std::string>;

struct ShownMessage {
    HWND owner;
    std::string caption;
    std::string text;
};

std::vector<ShownMessage> shownMessages;

// Every message box that a window of this thread opens is read and answered with OK.
LRESULT CALLBACK answerMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    char cls[32] = {};
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassNameA(box, cls, sizeof cls) && std::strcmp(cls, "#32770") == 0 &&
        GetWindow(box, GW_OWNER) != nullptr) {
        char caption[256] = {};
        char text[512] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // a message box's text control
        shownMessages.push_back({GetWindow(box, GW_OWNER), caption, text});
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PlugsetDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_INTERNET_CLASSES};
        InitCommonControlsEx(&controls);
        hook = SetWindowsHookExA(WH_CBT, answerMessageBoxes, nullptr, GetCurrentThreadId());
    }
    static void TearDownTestSuite() { UnhookWindowsHookEx(hook); }

    void SetUp() override { shownMessages.clear(); }
    void TearDown() override {
        if (dialog != nullptr && IsWindow(dialog)) DestroyWindow(dialog);
        pump();
    }

    // Not shown: the controls work the same, and Wine is much slower with shown windows.
    void open() {
        dialog = createUsbDialog(GetModuleHandleA(nullptr), bus);
        ASSERT_NE(dialog, nullptr);
    }
    // Handles what is queued; true when the quit message came (its exit code in quitCode).
    bool pump() {
        bool quit = false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return quit;
    }

    HWND item(int id) const { return GetDlgItem(dialog, id); }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    std::string text(HWND window) const {
        char buffer[512] = {};
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }
    std::string text(int id) const { return text(item(id)); }
    Lines lines() const {
        Lines result;
        const auto count = SendMessageA(item(IDC_USB_LIST), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const auto length = SendMessageA(item(IDC_USB_LIST), LB_GETTEXTLEN, i, 0);
            std::vector<char> buffer(static_cast<size_t>(length) + 1);
            SendMessageA(item(IDC_USB_LIST), LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
            result.emplace_back(buffer.data());
        }
        return result;
    }
    int selected() const { return static_cast<int>(SendMessageA(item(IDC_USB_LIST), LB_GETCURSEL, 0, 0)); }
    void tick() { SendMessageA(dialog, WM_TIMER, REFRESH_TIMER, 0); }
    // A mouse click on a line: the list box selects it and notifies the window itself.
    void userClicksLine(int line) {
        RECT rc{};
        ASSERT_NE(SendMessageA(item(IDC_USB_LIST), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rc)), LB_ERR);
        const LPARAM at = MAKELPARAM(rc.left + 2, (rc.top + rc.bottom) / 2);
        SendMessageA(item(IDC_USB_LIST), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(item(IDC_USB_LIST), WM_LBUTTONUP, 0, at);
    }
    void userTypesName(const char* name) { SetWindowTextA(item(IDC_USB_NAME), name); }
    void userClicksRename() { SendMessageA(item(IDC_USB_RENAME), BM_CLICK, 0, 0); }
    void expectDetailsEnabled(bool on) {
        for (int id : {IDC_USB_DETAILS, IDC_USB_SERIAL_LABEL, IDC_USB_NAME_LABEL, IDC_USB_NAME, IDC_USB_RENAME})
            EXPECT_EQ(enabled(id), on) << "control " << id;
        EXPECT_TRUE(enabled(IDC_USB_SERIAL));
    }
    std::string path(int board) { return bus.boards()[static_cast<size_t>(board)].path; }

    static HHOOK hook;
    SimUsbBus bus;
    HWND dialog = nullptr;
    WPARAM quitCode = 12345;
};

HHOOK PlugsetDialog::hook = nullptr;

TEST_F(PlugsetDialog, TheTemplateLaysOutTheWindow) {
    for (int i = 0; i < 20; ++i) bus.plug("board", std::to_string(i));  // more than the list shows
    open();
    EXPECT_FALSE(IsWindowVisible(dialog));  // shown by the program, not by the template
    EXPECT_EQ(text(dialog), "Tarnwick Plugset  1.3");

    RECT size{0, 0, 287, 63};
    MapDialogRect(dialog, &size);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    // x, y, width, height in dialog units; the rename controls sit inside the "Details" frame.
    const struct {
        int id;
        const char* cls;
        const char* text;
        RECT units;
    } specs[] = {
        {IDC_USB_LIST, "ListBox", "", {7, 7, 143, 50}},
        {IDC_USB_DETAILS, "Button", "Details", {158, 7, 122, 50}},
        {IDC_USB_SERIAL_LABEL, "Static", "Serial Number:", {159, 20, 48, 8}},
        {IDC_USB_SERIAL, "Static", "", {209, 20, 64, 10}},
        {IDC_USB_NAME_LABEL, "Static", "ID:", {160, 37, 15, 9}},
        {IDC_USB_NAME, "Edit", "", {177, 35, 60, 12}},
        {IDC_USB_RENAME, "Button", "Rename", {240, 34, 36, 14}},
    };
    for (const auto& spec : specs) {
        SCOPED_TRACE(spec.id);
        HWND control = item(spec.id);
        ASSERT_NE(control, nullptr);
        char cls[32] = {};
        GetClassNameA(control, cls, sizeof cls);
        EXPECT_EQ(_stricmp(cls, spec.cls), 0) << cls;
        EXPECT_EQ(text(control), spec.text);
        // The dialog manager converts position and size separately.
        RECT expected = spec.units;
        MapDialogRect(dialog, &expected);
        RECT actual{};
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
    }

    HWND list = item(IDC_USB_LIST);
    // The view redraws a list shortly after a burst of line changes; the list box shows its
    // scroll bar then, as the program's message loop would let it.
    for (int turn = 0; turn < 100 && (GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL) == 0; ++turn) {
        pump();
        Sleep(20);
    }
    const auto style = GetWindowLongPtrA(list, GWL_STYLE);
    const LONG_PTR wanted = LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0);
    EXPECT_NE(style & WS_VSCROLL, 0);  // twenty lines do not fit
    // The dialog manager draws a template's border as a sunken edge.
    EXPECT_TRUE((style & WS_BORDER) != 0 || (GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    EXPECT_EQ(GetWindowLongPtrA(item(IDC_USB_NAME), GWL_STYLE) & ES_READONLY, 0);
}

// plugset's manifest: the same visual styles and DPI awareness as lanset, under its own name and
// version; the window's buttons are those of Common Controls 6.
TEST_F(PlugsetDialog, TheManifestGivesCommonControls6AndDpiAwareness) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    for (const char* part : {R"(name="Tarnwick.Plugset" version="1.3.0.0")",
                             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                             R"(level="asInvoker")", ">true</dpiAware>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;

    open();
    SIZE ideal{};
    EXPECT_TRUE(SendMessageA(item(IDC_USB_RENAME), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_TRUE(IsProcessDPIAware());
}

TEST_F(PlugsetDialog, OpensWithItsLinesFilledAndTheDetailsDisabled) {
    bus.plug("zeta", "900");
    bus.plug("Lab3", "A1B2C3");
    bus.plug("quiet", "77").nameFails = true;
    bus.plug("x", "1").pathFails = true;
    open();
    // Filled before the window is first shown, in the bus's order (not sorted).
    EXPECT_EQ(lines(), (Lines{"zeta\t900", "Lab3\tA1B2C3", "77", ""}));
    EXPECT_EQ(selected(), LB_ERR);
    expectDetailsEnabled(false);
    EXPECT_EQ(text(IDC_USB_SERIAL), "");
    EXPECT_EQ(text(IDC_USB_NAME), "");
    EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(PlugsetDialog, ABoardAppearsAndDisappearsWithinOneTick) {
    open();
    EXPECT_TRUE(lines().empty());
    bus.plug("new", "5");
    // The window's own timer brings it; the limit is a guard against waiting for ever, not a
    // measure of speed.
    for (const DWORD start = GetTickCount(); lines().empty() && GetTickCount() - start < 20000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        pump();
    }
    EXPECT_EQ(lines(), Lines{"new\t5"});
    bus.unplug(path(0));
    tick();
    EXPECT_TRUE(lines().empty());
    // Another timer's tick changes nothing.
    bus.plug("later", "6");
    SendMessageA(dialog, WM_TIMER, REFRESH_TIMER + 1, 0);
    EXPECT_TRUE(lines().empty());
}

TEST_F(PlugsetDialog, ClickingALineShowsItsDetailsAndEnablesThem) {
    bus.plug("alpha", "111");
    bus.plug("beta", "222");
    open();
    userClicksLine(1);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(text(IDC_USB_SERIAL), "222");
    EXPECT_EQ(text(IDC_USB_NAME), "beta");
    expectDetailsEnabled(true);

    // The refresh keeps the line by its index and leaves the details alone.
    bus.unplug(path(0));
    tick();
    EXPECT_EQ(lines(), Lines{"beta\t222"});
    EXPECT_EQ(selected(), LB_ERR);
    EXPECT_EQ(text(IDC_USB_NAME), "beta");
    expectDetailsEnabled(true);

    // The selection removed: the list box reports the change without a selected line.
    SendMessageA(item(IDC_USB_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_USB_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(IDC_USB_LIST)));
    expectDetailsEnabled(false);
}

TEST_F(PlugsetDialog, TheRenameButtonWritesTheTypedNameOrSaysWhatWentWrong) {
    bus.plug("old", "111");
    open();
    userClicksLine(0);
    userTypesName("Bench-7");
    userClicksRename();
    EXPECT_TRUE(shownMessages.empty());
    ASSERT_EQ(bus.writes().size(), 1u);
    EXPECT_EQ(bus.writes()[0].path, path(0));
    EXPECT_EQ(bus.writes()[0].bytes, "Bench-7");
    tick();
    EXPECT_EQ(lines(), Lines{"Bench-7\t111"});

    // A board that refuses the name: the message is owned by the window.
    bus.boards()[0].writeFails = true;
    userTypesName("fine");
    userClicksRename();
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].owner, dialog);
    EXPECT_EQ(shownMessages[0].caption, "Error");
    EXPECT_EQ(shownMessages[0].text, "An error occured while trying to change the USB device name.");
    ASSERT_EQ(bus.writes().size(), 2u);
    tick();
    EXPECT_EQ(lines(), Lines{"Bench-7\t111"});
}

// On a double-byte ANSI code page a Japanese character is two bytes, and the driver takes
// bytes: nine of them are 18 bytes, too long, however the window cuts the text when read.
// The test's environment chooses code page 932 (LC_ALL=ja_JP.UTF-8 under Wine).
TEST_F(PlugsetDialog, OnADoubleByteCodePageTheNameRuleCountsBytes) {
    if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
    bus.plug("old", "111");
    open();
    userClicksLine(0);
    SetWindowTextW(item(IDC_USB_NAME), L"\u65E5\u672C\u8A9E\u306E\u540D\u524D\u3067\u3059\u3088");
    userClicksRename();
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].caption, "Error");
    EXPECT_EQ(shownMessages[0].text, "Name must be less than 16 characters.");
    EXPECT_TRUE(bus.writes().empty());

    // Eight of them are 16 bytes: the most a name may have.
    SetWindowTextW(item(IDC_USB_NAME), L"\u65E5\u672C\u8A9E\u306E\u540D\u524D\u3067\u3059");
    userClicksRename();
    EXPECT_EQ(shownMessages.size(), 1u);
    ASSERT_EQ(bus.writes().size(), 1u);
    EXPECT_EQ(bus.writes()[0].bytes.size(), 16u);
}

TEST_F(PlugsetDialog, TheCloseBoxEndsTheProgramWithExitCode0) {
    open();
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    bool quit = pump();
    EXPECT_TRUE(quit);
    EXPECT_EQ(quitCode, 0u);
    EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
