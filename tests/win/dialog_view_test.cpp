// The Win32 dialog view over real dialogs made from lanset's templates: what the window logic
// does through it must land on the real controls, and workers must reach the window thread.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "view/win32/dialog_host.h"
#include "view/win32/win32_dialog_view.h"
#include "tests/win/win_test_support.h"
#include "ui/resource.h"

namespace {

struct Received {
    int id;
    int notification;
    intptr_t value;
    DWORD thread;
};

// Records the commands and events the dialog receives (an event with notification -1) and
// answers every event yes; no logic behind it.
INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    const bool event = message == kSessionEventMessage;
    if (!event && message != WM_COMMAND) return FALSE;
    if (auto* log = reinterpret_cast<std::vector<Received>*>(GetWindowLongPtrA(dialog, DWLP_USER)))
        log->push_back({event ? static_cast<int>(wParam) : LOWORD(wParam), event ? -1 : HIWORD(wParam),
                        static_cast<intptr_t>(lParam), GetCurrentThreadId()});
    if (event) SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
    return TRUE;
}

class DialogViewOnTemplate : public ::testing::Test {
protected:
    void open(int templateId) {
        wintest::initCommonControls();
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                     nullptr, recordingProc, reinterpret_cast<LPARAM>(&log_));
        ASSERT_NE(dialog_, nullptr);
        view_.attach(dialog_);
    }
    void TearDown() override {
        if (dialog_ != nullptr && IsWindow(dialog_)) DestroyWindow(dialog_);
    }
    // The events; the controls' own notifications (focus...) left out.
    std::vector<Received> sentEvents() const {
        std::vector<Received> events;
        for (const Received& r : log_)
            if (r.notification == -1) events.push_back(r);
        return events;
    }
    std::vector<Received> log_;
    HWND dialog_ = nullptr;
    Win32DialogView view_{nullptr, Win32DialogView::Kind::Modeless};
};

TEST_F(DialogViewOnTemplate, ListOperationsReachTheExtendedSelectionList) {
    open(IDD_MAIN);
    HWND list = GetDlgItem(dialog_, IDC_DEVICE_LIST);
    EXPECT_EQ(view_.listAdd(IDC_DEVICE_LIST, "b\t0a\t10.0.0.2"), 0);
    EXPECT_EQ(view_.listAdd(IDC_DEVICE_LIST, "a\t0b\t10.0.0.1"), 1);  // not sorted
    view_.listInsert(IDC_DEVICE_LIST, 1, "c\t0c\t10.0.0.3");
    ASSERT_EQ(view_.listCount(IDC_DEVICE_LIST), 3);
    char line[64] = {};
    SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(line, "c\t0c\t10.0.0.3");
    SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(line, "a\t0b\t10.0.0.1");

    EXPECT_EQ(view_.listSelCount(IDC_DEVICE_LIST), 0);
    EXPECT_TRUE(view_.listSelItems(IDC_DEVICE_LIST, 256).empty());
    wintest::clickListLine(list, 0, false);
    wintest::clickListLine(list, 2, true);
    EXPECT_EQ(view_.listSelCount(IDC_DEVICE_LIST), 2);
    EXPECT_EQ(view_.listSelItems(IDC_DEVICE_LIST, 256), (std::vector<int>{0, 2}));
    EXPECT_EQ(view_.listSelItems(IDC_DEVICE_LIST, 1), (std::vector<int>{0}));
    EXPECT_EQ(view_.listCurSel(IDC_DEVICE_LIST), 2);  // the line with the focus frame

    view_.listClearSelection(IDC_DEVICE_LIST);
    EXPECT_EQ(view_.listSelCount(IDC_DEVICE_LIST), 0);

    view_.listDelete(IDC_DEVICE_LIST, 0);
    EXPECT_EQ(view_.listCount(IDC_DEVICE_LIST), 2);
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(line, "c\t0c\t10.0.0.3");
    view_.listReset(IDC_DEVICE_LIST);
    EXPECT_EQ(view_.listCount(IDC_DEVICE_LIST), 0);
    EXPECT_EQ(view_.listCurSel(IDC_DEVICE_LIST), -1);

    // Clicks on lines notify the window of the selection change.
    bool notified = false;
    for (const Received& r : log_)
        notified |= r.id == IDC_DEVICE_LIST && r.notification == LBN_SELCHANGE;
    EXPECT_TRUE(notified);
}

TEST_F(DialogViewOnTemplate, ABurstOfLinesIsDrawnOnceItHasArrived) {
    open(IDD_MAIN);
    HWND list = GetDlgItem(dialog_, IDC_DEVICE_LIST);
    for (int i = 0; i < 500; ++i) view_.listAdd(IDC_DEVICE_LIST, "line " + std::to_string(i));
    EXPECT_EQ(view_.listCount(IDC_DEVICE_LIST), 500);
    wintest::pumpFor(300);
    // Drawing is on again: the scroll bar covers every line and the list paints.
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMax, 499);
    InvalidateRect(list, nullptr, FALSE);
    wintest::pumpFor(100);
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
    view_.listAdd(IDC_DEVICE_LIST, "one more");
    wintest::pumpFor(300);
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMax, 500);
}

// Types text into one of an address control's four fields (0 is the leftmost) as a user would.
void typeInField(HWND address, int field, const char* text) {
    std::vector<HWND> fields = wintest::childWindows(address);
    ASSERT_EQ(fields.size(), 4u);
    std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) {
        return wintest::clientRectOf(a).left < wintest::clientRectOf(b).left;
    });
    SetWindowTextA(fields[static_cast<size_t>(field)], text);
}

TEST_F(DialogViewOnTemplate, TextsStatesAndAddressControls) {
    open(IDD_CONFIGURE);
    view_.setTitle("A title");
    EXPECT_EQ(wintest::windowText(dialog_), "A title");
    view_.setText(IDC_CFG_ID_EDIT, "Board-0123456789");
    EXPECT_EQ(view_.getText(IDC_CFG_ID_EDIT, 31), "Board-0123456789");
    EXPECT_EQ(view_.getText(IDC_CFG_ID_EDIT, 5), "Board");  // read with room for 5 only
    EXPECT_EQ(view_.getText(4711, 31), "");                    // no such control

    view_.enable(IDC_CFG_CONFIGURE, false);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, IDC_CFG_CONFIGURE)));
    EXPECT_FALSE(view_.isEnabled(IDC_CFG_CONFIGURE));
    view_.enable(IDC_CFG_CONFIGURE, true);
    EXPECT_TRUE(view_.isEnabled(IDC_CFG_CONFIGURE));

    view_.check(IDC_CFG_DHCP_CHECK, true);
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_CFG_DHCP_CHECK), BST_CHECKED);
    EXPECT_TRUE(view_.isChecked(IDC_CFG_DHCP_CHECK));
    view_.check(IDC_CFG_DHCP_CHECK, false);
    EXPECT_FALSE(view_.isChecked(IDC_CFG_DHCP_CHECK));
    view_.checkRadio(IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO, IDC_CFG_DHCP_NO);
    EXPECT_FALSE(view_.isChecked(IDC_CFG_DHCP_YES));
    EXPECT_TRUE(view_.isChecked(IDC_CFG_DHCP_NO));

    HWND address = GetDlgItem(dialog_, IDV_IP_ADDRESS);
    ASSERT_NE(address, nullptr);
    view_.setText(IDV_IP_ADDRESS, "10.1.2.3");
    EXPECT_EQ(wintest::shownAddress(address), "10.1.2.3");  // in the fields, not only the text
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 31), "10.1.2.3");
    view_.setText(IDV_IP_ADDRESS, "255.255.255.0");
    EXPECT_EQ(wintest::shownAddress(address), "255.255.255.0");
    view_.setText(IDV_IP_ADDRESS, "");
    EXPECT_TRUE(SendMessageA(address, IPM_ISBLANK, 0, 0));
    // Read as the fields hold it, whatever text this comctl32 makes of them: blank is 0.0.0.0
    // (the rules judge it, a gateway sends it), a blank field of a half-filled control is 0.
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 31), "0.0.0.0");
    view_.setText(IDV_IP_ADDRESS, "0.0.0.0");
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 31), "0.0.0.0");
    view_.setText(IDV_IP_ADDRESS, "10.1.2.3");
    typeInField(address, 2, "");
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 31), "10.1.0.3");
    view_.setText(IDV_IP_ADDRESS, "");
    typeInField(address, 0, "192");
    typeInField(address, 1, "168");
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 31), "192.168.0.0");
    EXPECT_EQ(view_.getText(IDV_IP_ADDRESS, 5), "192.1");  // read with room for 5 only
    view_.setText(IDV_IP_ADDRESS, "10.1.2.3");
    view_.enable(IDV_IP_ADDRESS, false);
    EXPECT_FALSE(IsWindowEnabled(address));
}

TEST_F(DialogViewOnTemplate, WorkersEventsAreHandledOnTheWindowThreadWhileItWaitsAndAnswered) {
    open(IDD_MAIN);
    std::atomic<bool> busy{true};
    std::atomic<int> delivered{0};
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i)
            if (view_.sendEvent(EVT_BROADCAST, i)) ++delivered;
        busy = false;
    });
    view_.waitWhile(busy);  // must keep handling what the worker sends, or both wait for ever
    worker.join();
    EXPECT_EQ(delivered.load(), 200);
    std::vector<Received> events = sentEvents();
    ASSERT_EQ(events.size(), 200u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(events[i].id, EVT_BROADCAST);
        EXPECT_EQ(events[i].value, i);
        EXPECT_EQ(events[i].thread, GetCurrentThreadId());
    }
}

// Answers the first message box with the given caption that shows up, by pressing button (0:
// its default button, as Enter does).
std::thread answerMessageBox(const char* caption, int button) {
    return std::thread([caption, button] {
        for (int tries = 0; tries < 1000; ++tries) {
            // Visible once it has set itself up (its default button too).
            if (HWND box = FindWindowA("#32770", caption); box && IsWindowVisible(box)) {
                int id = button;
                for (HWND b = GetWindow(box, GW_CHILD); b && id == 0; b = GetWindow(b, GW_HWNDNEXT))
                    if ((GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) id = GetDlgCtrlID(b);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
                return;
            }
            Sleep(10);
        }
    });
}

TEST_F(DialogViewOnTemplate, AMessageBoxAskedFromAWorkerIsOwnedByTheWindowAndAnswered) {
    open(IDD_MAIN);
    std::atomic<bool> busy{true};
    MessageAnswer answer = MessageAnswer::None;
    std::thread answerer = answerMessageBox("Warning", 0);   // Enter: the default, No
    std::thread worker([&] {
        answer = view_.messageBox("Send it all the same?", "Warning", MessageButtons::YesNoDefaultNo);
        busy = false;
    });
    view_.waitWhile(busy);
    worker.join();
    answerer.join();
    EXPECT_EQ(answer, MessageAnswer::No);
}

TEST_F(DialogViewOnTemplate, AGoneWindowTakesNoEventAndAsksNothing) {
    open(IDD_MAIN);
    DestroyWindow(dialog_);
    EXPECT_FALSE(view_.sendEvent(EVT_BROADCAST, 1));
    bool sentFromWorker = true;
    MessageAnswer answer = MessageAnswer::Ok;
    std::thread worker([&] {
        sentFromWorker = view_.sendEvent(EVT_COMPLETE, 0);
        answer = view_.messageBox("text", "Error", MessageButtons::RetryCancel);
    });
    worker.join();
    EXPECT_FALSE(sentFromWorker);
    EXPECT_EQ(answer, MessageAnswer::None);
    EXPECT_TRUE(sentEvents().empty());
    // Nothing happens to controls of a window that is gone.
    view_.setText(IDC_STATUS, "x");
    EXPECT_EQ(view_.listCount(IDC_DEVICE_LIST), 0);
}

// A logic that counts what reaches it: command 1 throws, command 2 closes its own window.
class ProbeLogic : public WindowLogic {
public:
    struct Counts {
        int opened = 0, commands = 0, timers = 0, destroyed = 0;
    };
    ProbeLogic(DialogView& view, Counts& counts, int closeOnOpen)
        : view_(view), counts_(counts), closeOnOpen_(closeOnOpen) {}
    ~ProbeLogic() override { ++counts_.destroyed; }
    void opened() override {
        ++counts_.opened;
        if (closeOnOpen_ != 0) view_.close(closeOnOpen_);
    }
    void command(int id, int, intptr_t) override {
        if (id == 1) throw std::runtime_error("a handler that fails");
        if (id == 2) view_.close(0);
        if (id == 2 || id == 5) ++counts_.commands;   // after the close too: the logic is still there
    }
    void timer(uintptr_t) override { ++counts_.timers; }

private:
    DialogView& view_;
    Counts& counts_;
    int closeOnOpen_;
};

// Every window runs through one dialog host: no exception crosses it, a handler may destroy its
// own window, and the logic goes once, after its handler, or before a modal run returns.
TEST(DialogHost, KeepsExceptionsInAndOutlivesAHandlerThatDestroysTheWindow) {
    wintest::initCommonControls();
    ProbeLogic::Counts counts;
    DialogSetup setup;
    setup.instance = GetModuleHandleA(nullptr);
    setup.templateId = IDD_MAIN;
    int closeOnOpen = 0;
    setup.make = [&](DialogView& view) {
        return std::make_unique<ProbeLogic>(view, counts, closeOnOpen);
    };
    HWND window = createModelessDialog(nullptr, setup);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(counts.opened, 1);
    SendMessageA(window, WM_COMMAND, 1, 0);   // throws inside
    SendMessageA(window, WM_COMMAND, 5, 0);
    SendMessageA(window, WM_TIMER, 9, 0);
    EXPECT_EQ(counts.commands, 1);
    EXPECT_EQ(counts.timers, 1);
    SendMessageA(window, WM_COMMAND, 2, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(counts.commands, 2);
    EXPECT_EQ(counts.destroyed, 1);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);   // a modeless close ends the loop

    closeOnOpen = 77;
    EXPECT_EQ(runModalDialog(nullptr, setup), 77);
    EXPECT_EQ(counts.destroyed, 2);

    // No logic: no window is left without one.
    setup.make = [](DialogView&) -> std::unique_ptr<WindowLogic> { return nullptr; };
    EXPECT_EQ(createModelessDialog(nullptr, setup), nullptr);
    EXPECT_EQ(runModalDialog(nullptr, setup), 0);
    setup.make = [](DialogView&) -> std::unique_ptr<WindowLogic> { throw std::bad_alloc(); };
    EXPECT_EQ(createModelessDialog(nullptr, setup), nullptr);
}

}  // namespace
