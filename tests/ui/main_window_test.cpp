// The main window over the engine and a simulated LAN: status texts, button states, the board
// list, and what it hands to the two dialogs.
#include <algorithm>

#include <gtest/gtest.h>

#include "tests/ui/window_harness.h"
#include "ui/main_window.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {

class MainWindowTest : public LanFixture {
protected:
    MainWindowTest()
        : window(view, session, modal.seam(), [] { return std::nullopt; }, &LanFixture::pumpOnce) {
        view.attach([this](int id, intptr_t value) {
            window.command(id, 0, value);
            if (onEvent) onEvent(id, value);
        });
        window.opened();
    }

    void click(int id) { window.command(id, 0, 0); }

    // Find, then wait until the window is back in its ready state and the worker has returned.
    void findAndWait() {
        click(IDC_FIND);
        view.pumpUntil([&] { return view.enabled(IDC_FIND); });
        session.waitForWorker();
    }

    void select(const std::vector<int>& lines, int caret) {
        view.selectLines(IDC_DEVICE_LIST, lines, caret);
        window.command(IDC_DEVICE_LIST, 1 /* LBN_SELCHANGE */, 0);
    }

    std::string status() const { return view.text(IDC_STATUS); }

    FakeDialogView view;
    ModalRunner modal;
    MainWindow window;
    std::function<void(int id, intptr_t value)> onEvent;
};

TEST_F(MainWindowTest, OpensReadyWithFindOnlyAndOneTabStop) {
    EXPECT_EQ(status(), "Ready");
    EXPECT_EQ(view.tabStops(IDC_DEVICE_LIST), std::vector<int>{70});
    EXPECT_TRUE(view.enabled(IDC_FIND));
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
    EXPECT_TRUE(view.enabled(IDC_AUTO_CONFIGURE));
    EXPECT_TRUE(session.workerIdle);
    EXPECT_EQ(session.devices.capacity(), 128);
}

TEST_F(MainWindowTest, FindWithNothingAnsweringEndsWithZeroDevices) {
    click(IDC_FIND);
    // Until the worker's first event is handled the window is in its finding state.
    EXPECT_FALSE(view.enabled(IDC_FIND));
    EXPECT_TRUE(view.enabled(IDC_STOP_FIND));
    EXPECT_FALSE(session.workerIdle);
    view.pumpUntil([&] { return view.enabled(IDC_FIND); });

    EXPECT_EQ(view.textHistory(IDC_STATUS),
              (std::vector<std::string>{"Ready", "Broadcast 0", "Broadcast 1", "Broadcast 2",
                                        "Finished.  Found 0 devices"}));
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
}

TEST_F(MainWindowTest, FinishedTextCountsDevicesAndListsEachBoard) {
    EXPECT_EQ(finishedText(0), "Finished.  Found 0 devices");
    EXPECT_EQ(finishedText(1), "Finished.  Found 1 device");
    EXPECT_EQ(finishedText(17), "Finished.  Found 17 devices");

    SimBoard board;
    board.id = "Kiln-16-chars-ID";
    board.mac = "02a1b2c3d4e5";
    board.ip = "192.168.100.200";
    lan.addBoard(board);
    findAndWait();
    EXPECT_EQ(status(), "Finished.  Found 1 device");
    EXPECT_EQ(view.listLines(IDC_DEVICE_LIST),
              std::vector<std::string>{"Kiln-16-chars-ID\t02a1b2c3d4e5\t192.168.100.200"});
    auto history = view.textHistory(IDC_STATUS);
    EXPECT_NE(std::find(history.begin(), history.end(), "Found Device"), history.end());

    lan.addBoards(16);
    findAndWait();
    EXPECT_EQ(status(), "Finished.  Found 17 devices");
    auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 17u);   // emptied before the new find, not appended to
    for (int i = 0; i < 17; ++i) EXPECT_EQ(lines[i], listLine(*session.devices.at(i)));
}

TEST_F(MainWindowTest, FindPressedTwiceStartsOneFind) {
    lan.addBoards(2);
    click(IDC_FIND);
    click(IDC_FIND);
    view.pumpUntil([&] { return view.enabled(IDC_FIND); });
    session.waitForWorker();
    EXPECT_EQ(lan.openCount(), 1);
    EXPECT_EQ(view.listLines(IDC_DEVICE_LIST).size(), 2u);
}

TEST_F(MainWindowTest, StopFindKeepsTheBoardsFoundSoFar) {
    lan.addBoards(5);
    onEvent = [&](int id, intptr_t value) {
        if (id == EVT_FOUND && value == 1) click(IDC_STOP_FIND);
    };
    findAndWait();
    EXPECT_EQ(status(), "Finished.  Found 2 devices");
    EXPECT_EQ(view.listLines(IDC_DEVICE_LIST).size(), 2u);
    EXPECT_TRUE(view.enabled(IDC_FIND));
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
}

TEST_F(MainWindowTest, FindRightAfterStopFindWaitsForTheStoppedOne) {
    lan.addBoards(3);
    bool stopped = false;
    onEvent = [&](int id, intptr_t value) {
        if (id == EVT_FOUND && value == 0 && !stopped) {
            click(IDC_STOP_FIND);
            stopped = true;
        }
    };
    click(IDC_FIND);
    view.pumpUntil([&] { return stopped; });
    // The stopped worker may still be ending; this find must not overlap it.
    click(IDC_FIND);
    view.pumpUntil([&] { return view.enabled(IDC_FIND); });
    session.waitForWorker();
    EXPECT_EQ(lan.openCount(), 2);
    EXPECT_EQ(status(), "Finished.  Found 3 devices");
    auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(lines[i], listLine(*session.devices.at(i)));
}

TEST_F(MainWindowTest, SelectionRuleAllowsConfigureForExactlyOneLine) {
    lan.addBoards(3);
    findAndWait();
    select({1}, 1);
    EXPECT_TRUE(view.enabled(IDC_CONFIGURE));
    select({1, 2}, 2);
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
    select({2}, 2);
    EXPECT_TRUE(view.enabled(IDC_CONFIGURE));
    // Other list notifications (a double click) change nothing.
    view.enable(IDC_CONFIGURE, false);
    window.command(IDC_DEVICE_LIST, 2 /* LBN_DBLCLK */, 0);
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
}

TEST_F(MainWindowTest, SuccessfulConfigureRewritesTheLineAndClearsTheSelection) {
    lan.addBoards(3);
    findAndWait();
    select({1}, 1);
    modal.setScript([](FakeDialogView& dialog, WindowLogic& logic) {
        dialog.setText(IDC_CFG_ID_EDIT, "Press-7");
        dialog.setText(IDV_IP_ADDRESS, "10.0.0.77");
        logic.command(IDC_CFG_CONFIGURE, 0, 0);
    });
    click(IDC_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_CONFIGURE});
    EXPECT_EQ(session.devices.selectedIndex, 1);
    EXPECT_EQ(lan.board(1).id, "Press-7");
    auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Press-7\t020000000002\t10.0.0.77");
    EXPECT_EQ(lines[0], "Bd1\t020000000001\t10.0.0.1");
    EXPECT_EQ(status(), "Device Configured");
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
    EXPECT_TRUE(view.listSelection(IDC_DEVICE_LIST).empty());
}

TEST_F(MainWindowTest, CancelledConfigureLeavesListAndSelection) {
    lan.addBoards(2);
    findAndWait();
    select({0}, 0);
    modal.setScript([](FakeDialogView&, WindowLogic& logic) { logic.command(IDCANCEL, 0, 0); });
    const auto before = view.listLines(IDC_DEVICE_LIST);
    click(IDC_CONFIGURE);
    EXPECT_EQ(view.listLines(IDC_DEVICE_LIST), before);
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), std::vector<int>{0});
    EXPECT_EQ(status(), "Finished.  Found 2 devices");
    EXPECT_TRUE(lan.configureRequests().empty());
}

TEST_F(MainWindowTest, ConfigureDuringAFindStopsItFirst) {
    lan.addBoards(6);
    modal.setScript([&](FakeDialogView&, WindowLogic& logic) {
        // The stopped find reports its end to the main window while the dialog is open.
        view.pumpUntil([&] { return view.enabled(IDC_FIND); });
        logic.command(IDCANCEL, 0, 0);
    });
    onEvent = [&](int id, intptr_t value) {
        if (id == EVT_FOUND && value == 0) {
            select({0}, 0);
            lan.holdReceives(true);   // the find waits for its next datagram until stopped
        }
    };
    click(IDC_FIND);
    view.pumpUntil([&] { return view.listLines(IDC_DEVICE_LIST).size() == 1; });
    onEvent = nullptr;
    click(IDC_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_CONFIGURE});
    EXPECT_EQ(session.devices.count(), 1);
    EXPECT_EQ(status(), "Finished.  Found 1 device");
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
}

// "Yes" ends the search with the boards found so far; "No" goes on and is not asked again.
TEST_F(MainWindowTest, ManyBoardsQuestion) {
    lan.addBoards(4100);
    for (auto [answer, found] : {std::pair{MessageAnswer::Yes, 4097}, {MessageAnswer::No, 4100}}) {
        view.clearMessages();
        view.queueAnswer(answer);
        findAndWait();
        auto messages = view.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text,
                  "More than 4096 modules have been found.  This indicates that there may be an "
                  "error.\nDo you wish to abort the search?");
        EXPECT_EQ(messages[0].caption, "Warning");
        EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(status(), finishedText(found));
        EXPECT_EQ(view.listLines(IDC_DEVICE_LIST).size(), size_t(found));
    }
}

TEST_F(MainWindowTest, NetworkThatCannotOpenIsReportedNotCountedAsZero) {
    lan.addBoards(1);
    lan.setFailOpen(true);
    findAndWait();
    auto message = view.lastMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "Error");
    EXPECT_EQ(message->text, kNetworkFailedText);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(view.enabled(IDC_FIND));
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));

    // The next find, with the port free again, counts as usual.
    lan.setFailOpen(false);
    findAndWait();
    EXPECT_EQ(status(), "Finished.  Found 1 device");
    EXPECT_EQ(view.messageCount(), 1u);
}

TEST_F(MainWindowTest, ExitDuringAFindStopsAndWaitsForTheWorker) {
    lan.addBoards(2);
    lan.holdReceives(true);
    click(IDC_FIND);
    view.pumpUntil([&] { return status() == "Broadcast 0"; });
    click(IDCANCEL);
    EXPECT_EQ(view.result(), IDCANCEL);
    // The worker has returned: nothing is left running under the session.
    EXPECT_TRUE(session.workerIdle);
    EXPECT_FALSE(session.operationActive);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(MainWindowTest, AutoConfigureHandsOverTheSelection) {
    lan.addBoards(4);
    findAndWait();
    view.selectLines(IDC_DEVICE_LIST, {1, 3}, 3);
    int32_t handed[2] = {-1, -1};
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        handed[0] = session.selection[0];
        handed[1] = session.selection[1];
        EXPECT_EQ(session.selectionCount, 2);
        EXPECT_TRUE(dialog.checked(IDC_AUTO_MODE_SELECTED));
        logic.command(IDCANCEL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_AUTOCONFIGURE});
    EXPECT_EQ(handed[0], 1);
    EXPECT_EQ(handed[1], 3);
    // Cancelled: nothing changes.
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), (std::vector<int>{1, 3}));
    EXPECT_EQ(status(), "Finished.  Found 4 devices");
}

TEST_F(MainWindowTest, CompletedFindAndConfigurePassRebuildsTheList) {
    lan.addBoards(2);
    findAndWait();
    lan.addBoards(1, 3);   // a third board appears before the pass's own find
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        // The find phase empties the main list at once.
        dialog.checkRadio(IDC_AUTO_MODE_SELECTED, IDC_AUTO_MODE_FIND, IDC_AUTO_MODE_FIND);
        toggle(dialog, logic, IDC_AUTO_IP_CHECK);
        dialog.setText(IDC_AUTO_PATTERN, "Oven#");
        logic.command(IDC_AUTO_CONFIGURE_ALL, 0, 0);
        EXPECT_TRUE(view.listLines(IDC_DEVICE_LIST).empty());
    });
    click(IDC_AUTO_CONFIGURE);
    auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Oven1\t020000000001\t10.0.0.1");
    EXPECT_EQ(lines[2], "Oven3\t020000000003\t10.0.0.3");
    EXPECT_EQ(status(), "Devices Configured");
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));
}

TEST_F(MainWindowTest, APassAbortedAfterSomeBoardsStillShowsTheirNewSettings) {
    lan.addBoards(3);
    findAndWait();
    SimBoard silent = lan.board(1);
    silent.silentConfigures = SimChannel::kNeverAck;
    lan.setBoard(1, silent);
    view.selectLines(IDC_DEVICE_LIST, {2}, 2);
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        dialog.checkRadio(IDC_AUTO_MODE_SELECTED, IDC_AUTO_MODE_FIND, IDC_AUTO_MODE_ALL);
        toggle(dialog, logic, IDC_AUTO_IP_CHECK);
        dialog.setText(IDC_AUTO_PATTERN, "Oven#");
        dialog.queueAnswer(MessageAnswer::Abort);
        logic.command(IDC_AUTO_CONFIGURE_ALL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    const auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Oven1\t020000000001\t10.0.0.1");
    EXPECT_EQ(lines[1], "Bd2\t020000000002\t10.0.0.2");
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), std::vector<int>{2});   // untouched line
    EXPECT_EQ(status(), "Finished.  Found 3 devices");
}

TEST_F(MainWindowTest, CancelledFreshFindLeavesTheListEmptyAndConfigureOpensNothing) {
    lan.addBoards(2);
    findAndWait();
    select({0}, 0);
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        dialog.checkRadio(IDC_AUTO_MODE_SELECTED, IDC_AUTO_MODE_FIND, IDC_AUTO_MODE_FIND);
        logic.command(IDC_AUTO_CONFIGURE_ALL, 0, 0);
    });
    // Cancel as soon as the dialog's find reports its first board.
    modal.setAfterCommand([](WindowLogic& logic, int id, intptr_t) {
        if (id == EVT_FOUND) logic.command(IDCANCEL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    EXPECT_TRUE(view.listLines(IDC_DEVICE_LIST).empty());
    EXPECT_GE(session.devices.count(), 1);   // the dialog's find filled the table
    EXPECT_TRUE(lan.configureRequests().empty());

    // "Configure" kept its state, but names no line now: it opens nothing and changes nothing.
    EXPECT_TRUE(view.enabled(IDC_CONFIGURE));
    const int32_t selectedBefore = session.devices.selectedIndex;
    click(IDC_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_AUTOCONFIGURE});
    EXPECT_EQ(session.devices.selectedIndex, selectedBefore);
}

}  // namespace
