// The main window over the engine and a simulated LAN: status texts, button states, the board
// list, and what it hands to the two dialogs.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

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
        view.attach([this](SessionEvent code, int32_t value) {
            const bool answer = window.event(code, withNetworkFlags(code, value));
            if (onEvent) onEvent(code, value);
            return answer;
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
    EXPECT_TRUE(session.isIdle());
    EXPECT_EQ(session.devices.capacity(), 128);
}

TEST_F(MainWindowTest, FindWithNothingAnsweringEndsWithZeroDevices) {
    click(IDC_FIND);
    // Until the worker's first event is handled the window is in its finding state.
    EXPECT_FALSE(view.enabled(IDC_FIND));
    EXPECT_TRUE(view.enabled(IDC_STOP_FIND));
    EXPECT_FALSE(session.isIdle());
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
    // A double click opens Configure for the line, as the button does, and only where it would.
    modal.setScript([](FakeDialogView& dialog, WindowLogic& logic) {
        EXPECT_EQ(dialog.text(IDC_CFG_ID_EDIT), "Bd3");
        logic.command(IDCANCEL, 0, 0);
    });
    for (const std::vector<int>& lines : {std::vector<int>{1, 2}, {2}}) {
        select(lines, 2);
        window.command(IDC_DEVICE_LIST, 2 /* LBN_DBLCLK */, 0);
    }
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_CONFIGURE});
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
    networkFlags = kEndOpenFailed;
    findAndWait();
    auto message = view.lastMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "Error");
    EXPECT_EQ(message->text.rfind(kNetworkFailedText, 0), 0u) << message->text;
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(view.enabled(IDC_FIND));
    EXPECT_FALSE(view.enabled(IDC_STOP_FIND));
    EXPECT_FALSE(view.enabled(IDC_CONFIGURE));

    // The next find, with the port free again, counts as usual.
    lan.setFailOpen(false);
    networkFlags.reset();
    findAndWait();
    EXPECT_EQ(status(), "Finished.  Found 1 device");
    EXPECT_EQ(view.messageCount(), 1u);
    // A final event speaks for its own find, whatever the session says of the last one.
    view.sendEvent(EVT_COMPLETE, kEndSendFailed);
    EXPECT_EQ(view.lastMessage()->text, kSendFailedText);

    // The holder, where the system names it.
    const std::string busy = kNetworkFailedText;
    EXPECT_EQ(networkFailureText(kEndOpenFailed, PortHolder{"boardsim", 4711}),
              busy + " It is held by boardsim (process ID 4711).");
    EXPECT_EQ(networkFailureText(kEndOpenFailed | kEndSendFailed, PortHolder{"", 8}),
              busy + " It is held by process ID 8.");
    EXPECT_EQ(printableProgramName("a\x1b[2Jb\xff\xc2\x85\xc3\xa9"), "a?[2Jb???\xc3\xa9");
}

TEST_F(MainWindowTest, ExitDuringAFindStopsAndWaitsForTheWorker) {
    lan.addBoards(2);
    lan.holdReceives(true);
    click(IDC_FIND);
    view.pumpUntil([&] { return status() == "Broadcast 0"; });
    click(IDCANCEL);
    EXPECT_EQ(view.result(), IDCANCEL);
    // The worker has returned: nothing is left running under the session.
    EXPECT_TRUE(session.isIdle());
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(MainWindowTest, AutoConfigureTakesTheSelectedLines) {
    lan.addBoards(4);
    findAndWait();
    view.selectLines(IDC_DEVICE_LIST, {1, 3}, 3);
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        EXPECT_TRUE(dialog.checked(IDC_AUTO_MODE_SELECTED));
        logic.command(IDCANCEL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_AUTOCONFIGURE});
    // Cancelled: nothing changes.
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), (std::vector<int>{1, 3}));
    EXPECT_EQ(status(), "Finished.  Found 4 devices");

    // A pass over the selection configures those lines' boards, and says how many; the one ID
    // they get is asked about first.
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        toggle(dialog, logic, IDC_AUTO_IP_CHECK);
        dialog.queueAnswer(MessageAnswer::Yes);
        logic.command(IDC_AUTO_CONFIGURE_ALL, 0, 0);
        EXPECT_EQ(dialog.messages().at(0).buttons, MessageButtons::YesNoDefaultNo);
    });
    click(IDC_AUTO_CONFIGURE);
    ASSERT_EQ(lan.configureRequests().size(), 2u);
    EXPECT_EQ(lan.board(1).id, "Vorn");
    EXPECT_EQ(lan.board(3).id, "Vorn");
    EXPECT_EQ(lan.board(2).id, "Bd3");
    EXPECT_EQ(status(), "Devices Configured");
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
    lan.neverAck(2);
    select({0, 2}, 2);
    modal.setScript([&](FakeDialogView& dialog, WindowLogic& logic) {
        toggle(dialog, logic, IDC_AUTO_IP_CHECK);
        dialog.setText(IDC_AUTO_PATTERN, "Oven#");
        dialog.queueAnswer(MessageAnswer::Abort);
        logic.command(IDC_AUTO_CONFIGURE_ALL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    const auto lines = view.listLines(IDC_DEVICE_LIST);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Oven1\t020000000001\t10.0.0.1");
    EXPECT_EQ(lines[2], "Bd3\t020000000003\t10.0.0.3");
    // The rewritten line lost its selection: one line is left, and "Configure" follows it.
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), std::vector<int>{2});
    EXPECT_TRUE(view.enabled(IDC_CONFIGURE));
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
    modal.setAfterEvent([](WindowLogic& logic, SessionEvent code, int32_t) {
        if (code == EVT_FOUND) logic.command(IDCANCEL, 0, 0);
    });
    click(IDC_AUTO_CONFIGURE);
    EXPECT_TRUE(view.listLines(IDC_DEVICE_LIST).empty());
    EXPECT_GE(session.devices.count(), 1);   // the dialog's find filled the table
    EXPECT_TRUE(lan.configureRequests().empty());

    // "Configure" kept its state, but names no line now: it opens nothing and changes nothing.
    EXPECT_TRUE(view.enabled(IDC_CONFIGURE));
    click(IDC_CONFIGURE);
    EXPECT_EQ(modal.opened(), std::vector<int>{IDD_AUTOCONFIGURE});
}

// --- The board list's context menu, Copy and Save List As... ----------------------------------

constexpr const char* kHeader = "id,sn,ip,subnet,gateway,dhcp\n";
constexpr const char* kTabHeader = "id\tsn\tip\tsubnet\tgateway\tdhcp\n";

std::string csvRow(int i) {
    return "Bd" + std::to_string(i) + ",02000000000" + std::to_string(i) + ",10.0.0." +
           std::to_string(i) + ",255.255.255.0,10.0.0.254,off\n";
}
std::string tabRow(int i) {
    return "Bd" + std::to_string(i) + "\t02000000000" + std::to_string(i) + "\t10.0.0." +
           std::to_string(i) + "\t255.255.255.0\t10.0.0.254\toff\n";
}

// A folder of the test's own, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        static int made = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("lanset-save-" + std::to_string(getpid()) + "-" + std::to_string(made++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }

private:
    std::filesystem::path path_;
};

std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

TEST_F(MainWindowTest, ContextMenuOffersCopyAndSaveOnceALineIsListed) {
    // Nothing listed: both are there but greyed, and their keys do nothing.
    EXPECT_TRUE(window.contextMenu(IDC_DEVICE_LIST));
    ASSERT_EQ(view.menus().size(), 1u);
    const auto greyed = view.menus()[0];
    ASSERT_EQ(greyed.size(), 2u);
    for (const MenuItem& item : greyed) EXPECT_FALSE(item.enabled) << item.text;
    click(IDM_LIST_COPY);
    click(IDM_LIST_SAVE);
    EXPECT_EQ(view.clipboard(), "");
    EXPECT_TRUE(view.saveRequests().empty());
    // Other places of the window have no menu of its own: the system may show its.
    EXPECT_FALSE(window.contextMenu(0));
    EXPECT_FALSE(window.contextMenu(IDC_FIND));
    EXPECT_EQ(view.menus().size(), 1u);

    lan.addBoards(2);
    findAndWait();
    view.queueMenuChoice(IDM_LIST_COPY);
    window.contextMenu(IDC_DEVICE_LIST);
    const auto items = view.menus().back();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, IDM_LIST_COPY);
    EXPECT_EQ(items[0].text, "Copy");
    EXPECT_EQ(items[0].shortcut, "Ctrl+C");
    EXPECT_EQ(items[1].id, IDM_LIST_SAVE);
    EXPECT_EQ(items[1].text, "Save List As...");
    EXPECT_EQ(items[1].shortcut, "Ctrl+S");
    for (const MenuItem& item : items) EXPECT_TRUE(item.enabled) << item.text;
    // The choice is carried out.
    EXPECT_EQ(view.clipboard(), kTabHeader + tabRow(1) + tabRow(2));

    // Dismissed: nothing happens.
    view.failClipboard(true);
    window.contextMenu(IDC_DEVICE_LIST);
    EXPECT_EQ(view.messageCount(), 0u);
}

// "Copy": the selected lines, or every line when none is selected, tab-separated under a header.
TEST_F(MainWindowTest, CopyTakesTheSelectedLinesOrAllWithAHeader) {
    lan.addBoards(3);
    findAndWait();
    click(IDM_LIST_COPY);
    EXPECT_EQ(view.clipboard(), kTabHeader + tabRow(1) + tabRow(2) + tabRow(3));
    select({0, 2}, 2);
    click(IDM_LIST_COPY);
    EXPECT_EQ(view.clipboard(), kTabHeader + tabRow(1) + tabRow(3));
    // The selection stays as the user made it.
    EXPECT_EQ(view.listSelection(IDC_DEVICE_LIST), (std::vector<int>{0, 2}));

    // A tab or line break in an ID would start a column or row of its own: it shows as '?'. C1
    // controls and a right-to-left override are left out; a formula gets an apostrophe.
    SimBoard odd = lan.board(1);
    odd.id = "=a\tb\nc\xc2\x85\xe2\x80\xae";
    lan.setBoard(1, odd);
    findAndWait();
    select({1}, 1);
    click(IDM_LIST_COPY);
    EXPECT_EQ(view.clipboard(),
              std::string(kTabHeader) + "'=a?b?c\t020000000002\t10.0.0.2\t255.255.255.0\t10.0.0.254\toff\n");

    view.failClipboard(true);
    click(IDM_LIST_COPY);
    auto message = view.lastMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, kCopyFailedText);
    EXPECT_EQ(message->caption, "Error");
}

// Both commands work while a find runs, on the lines listed so far.
TEST_F(MainWindowTest, CopyAndSaveDuringAFindTakeTheLinesListedSoFar) {
    ScratchFolder folder;
    lan.addBoards(5);
    onEvent = [&](int id, intptr_t value) {
        if (id != EVT_FOUND || value != 1) return;
        EXPECT_FALSE(view.enabled(IDC_FIND));   // still finding
        click(IDM_LIST_COPY);
        view.queueSaveFileName(folder.path() / "so-far.csv");
        click(IDM_LIST_SAVE);
    };
    findAndWait();
    EXPECT_EQ(view.clipboard(), kTabHeader + tabRow(1) + tabRow(2));
    EXPECT_EQ(contentsOf(folder.path() / "so-far.csv"), kHeader + csvRow(1) + csvRow(2));
    EXPECT_EQ(status(), "Finished.  Found 5 devices");
}

// "Save List As...": every line, in lanset-cli's CSV, whole under the chosen name.
TEST_F(MainWindowTest, SaveListWritesTheCsvOfEveryLine) {
    ScratchFolder folder;
    lan.addBoards(3);
    findAndWait();
    select({1}, 1);   // a selection does not narrow the file

    view.queueSaveFileName(std::nullopt);   // cancelled
    click(IDM_LIST_SAVE);
    ASSERT_EQ(view.saveRequests().size(), 1u);
    const SaveFileRequest asked = view.saveRequests()[0];
    EXPECT_EQ(asked.title, "Save List As");
    EXPECT_EQ(asked.suggestedName, "boards.csv");
    EXPECT_EQ(asked.typeName, "CSV files");
    EXPECT_EQ(asked.extension, "csv");
    EXPECT_TRUE(folder.names().empty());

    const auto file = folder.path() / "Kiln \xc3\xa9tage.csv";
    writeFile(file, "an older list that is longer than the new one will be, by far, far, far\n");
    view.queueSaveFileName(file);
    click(IDM_LIST_SAVE);
    EXPECT_EQ(contentsOf(file), kHeader + csvRow(1) + csvRow(2) + csvRow(3));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Kiln \xc3\xa9tage.csv"});   // nothing beside it
    EXPECT_EQ(view.messageCount(), 0u);
}

// A save that fails says why, and leaves nothing half-written: the chosen name holds what it
// held before, and no other file is left in the folder.
TEST_F(MainWindowTest, SaveThatFailsSaysSoAndLeavesNothingHalfWritten) {
    lan.addBoards(3);
    findAndWait();
    struct Case {
        const char* what;
        SaveResult expected;
    };
    for (Case c : {Case{"folder that is gone", SaveResult::NotCreated},
                   Case{"name of a folder", SaveResult::NotReplaced},
                   Case{"disk full", SaveResult::NotWritten}}) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        std::filesystem::path target = folder.path() / "boards.csv";
        std::vector<std::string> before;
        rlimit oldLimit{};
        if (c.expected == SaveResult::NotCreated) {
            target = folder.path() / "gone" / "boards.csv";
        } else if (c.expected == SaveResult::NotReplaced) {
            std::filesystem::create_directory(target);
            writeFile(target / "inside.txt", "kept");
        } else {
            writeFile(target, "old\n");
            // Files of this process may not grow past 40 bytes: a write past it fails as on a
            // full disk.
            getrlimit(RLIMIT_FSIZE, &oldLimit);
            rlimit small = oldLimit;
            small.rlim_cur = 40;
            std::signal(SIGXFSZ, SIG_IGN);
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        before = folder.names();

        view.clearMessages();
        view.queueSaveFileName(target);
        click(IDM_LIST_SAVE);
        if (c.expected == SaveResult::NotWritten) setrlimit(RLIMIT_FSIZE, &oldLimit);

        auto message = view.lastMessage();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->caption, "Error");
        EXPECT_EQ(message->text, saveFailedText(c.expected));
        EXPECT_EQ(folder.names(), before);
        if (c.expected == SaveResult::NotReplaced) {
            EXPECT_EQ(contentsOf(target / "inside.txt"), "kept");
        }
        if (c.expected == SaveResult::NotWritten) {
            EXPECT_EQ(contentsOf(target), "old\n");
        }
    }
    std::signal(SIGXFSZ, SIG_DFL);
}

}  // namespace

