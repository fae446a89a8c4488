// The auto-configure dialog over the engine and a simulated LAN: modes at opening, the address
// proposal, the sequence-number checks, the find phase, the pass, and Cancel.
#include <algorithm>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

#include "net/session_events.h"
#include "tests/ui/window_harness.h"
#include "ui/auto_configure_dialog.h"
#include "ui/auto_configure_pass.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {

class AutoConfigureTest : public LanFixture {
protected:
    // Opens the dialog as the main window does: with its selection handed over.
    void open(std::optional<AdapterAddresses> adapter = std::nullopt) {
        dialog.reset();
        view = std::make_unique<FakeDialogView>();
        dialog = std::make_unique<AutoConfigureDialog>(
            *view, session, autoTemplate, [adapter] { return adapter; }, selected,
            BoardListHooks{[this] { ++listEmptied; }, {}});
        view->attach([this](SessionEvent code, int32_t value) {
            return dialog->event(code, withNetworkFlags(code, value));
        });
        dialog->opened();
    }

    void click(int id) { dialog->command(id, 0, 0); }
    void toggleBox(int id) { toggle(*view, *dialog, id); }

    // Presses "Configure All" and waits until the dialog closes or takes entries again.
    void configureAll() {
        click(IDC_AUTO_CONFIGURE_ALL);
        view->pumpUntil([&] { return view->closed() || view->enabled(IDC_AUTO_CONFIGURE_ALL); });
    }

    void select(std::vector<int32_t> lines) { selected = std::move(lines); }

    std::string progress() const { return view->text(IDC_STATUS); }
    std::vector<std::string> progressHistory() const { return view->textHistory(IDC_STATUS); }
    bool saw(const std::string& text) const {
        auto h = progressHistory();
        return std::find(h.begin(), h.end(), text) != h.end();
    }

    DeviceRecord autoTemplate;
    std::vector<int32_t> selected;   // the main list's selected lines
    int listEmptied = 0;
    std::unique_ptr<FakeDialogView> view;
    std::unique_ptr<AutoConfigureDialog> dialog;   // destroyed before its view
};

TEST_F(AutoConfigureTest, ModesAtOpeningFollowTheTableAndTheSelection) {
    open();
    EXPECT_FALSE(view->enabled(IDC_AUTO_MODE_SELECTED));
    EXPECT_FALSE(view->enabled(IDC_AUTO_MODE_ALL));
    EXPECT_TRUE(view->checked(IDC_AUTO_MODE_FIND));
    for (int box : {IDC_AUTO_ID_CHECK, IDC_AUTO_IP_CHECK, IDC_AUTO_GATEWAY_CHECK, IDC_AUTO_DHCP_CHECK})
        EXPECT_TRUE(view->checked(box)) << box;
    EXPECT_TRUE(view->checked(IDC_AUTO_DHCP_NO));
    EXPECT_FALSE(view->checked(IDC_AUTO_DHCP_YES));
    EXPECT_EQ(view->text(IDC_AUTO_PATTERN), "Vorn");
    EXPECT_EQ(view->text(IDC_AUTO_SEQUENCE), "1");
    EXPECT_EQ(view->text(IDC_AUTO_PHASE), "Ready");

    lan.addBoards(3);
    findBoards();
    open();
    EXPECT_FALSE(view->enabled(IDC_AUTO_MODE_SELECTED));
    EXPECT_TRUE(view->enabled(IDC_AUTO_MODE_ALL));
    EXPECT_TRUE(view->checked(IDC_AUTO_MODE_ALL));
    EXPECT_FALSE(view->checked(IDC_AUTO_MODE_FIND));

    select({0, 2});
    open();
    EXPECT_TRUE(view->enabled(IDC_AUTO_MODE_SELECTED));
    EXPECT_TRUE(view->checked(IDC_AUTO_MODE_SELECTED));
    EXPECT_FALSE(view->checked(IDC_AUTO_MODE_ALL));

    click(IDC_AUTO_MODE_FIND);
    EXPECT_TRUE(view->checked(IDC_AUTO_MODE_FIND));
    EXPECT_FALSE(view->checked(IDC_AUTO_MODE_SELECTED));
}

TEST_F(AutoConfigureTest, ProposesTheAdaptersNetworkAddress) {
    EXPECT_EQ(proposedStartAddress("192.168.1.37", "255.255.255.0"), "192.168.1.0");
    EXPECT_EQ(proposedStartAddress("10.1.2.3", "255.255.0.0"), "10.1.0.0");
    EXPECT_EQ(proposedStartAddress("0.0.0.0", "255.0.0.0"), "0.0.0.0");

    open(std::nullopt);
    EXPECT_EQ(view->text(IDV_IP_ADDRESS), "");
    EXPECT_EQ(view->text(IDV_SUBNET_MASK), "");
    EXPECT_EQ(view->text(IDV_GATEWAY), "");

    lan.addBoards(2);
    findBoards();
    open(AdapterAddresses{"10.1.2.3", "255.255.0.0", "10.1.0.1"});
    EXPECT_EQ(view->text(IDV_IP_ADDRESS), "10.1.0.0");
    EXPECT_EQ(view->text(IDV_SUBNET_MASK), "255.255.0.0");
    EXPECT_EQ(view->text(IDV_GATEWAY), "10.1.0.1");
    // Unchanged, the proposal is the network address itself: the range rule refuses it.
    configureAll();
    ASSERT_EQ(view->messageCount(), 1u);
    EXPECT_EQ(view->lastMessage()->text,
              "An invalid IP address will be created.  Change the IP address and try again.");
    EXPECT_EQ(view->lastMessage()->caption, "Error");
    EXPECT_FALSE(view->closed());
    EXPECT_TRUE(lan.configureRequests().empty());
}

struct SequenceCase {
    bool idChecked;
    const char* pattern;
    const char* sequence;
    const char* message;   // empty: accepted
};

TEST_F(AutoConfigureTest, SequenceNumberChecks) {
    const char* invalid = "Invalid Sequence Number";
    const char* tooLong = "Sequence Number too long.  Must be 16 bit, non-negative number.";
    const SequenceCase cases[] = {
        {true, "Vorn", "", ""},          {true, "Vorn#", "", invalid},
        {true, "Vorn#", " 1", invalid},  {true, "Vorn#", "-1", invalid},
        {true, "Vorn#", "1a", invalid},  {true, "V#####", "65535", ""},
        {true, "Vorn#", "65536", tooLong}, {true, "Vorn#", "4294967297", tooLong},
        {false, "Vorn#", "abc", ""},
    };
    lan.addBoards(1);   // one board: a pattern without '#' gives no two boards one ID
    findBoards();
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / '" + c.sequence + "'");
        const size_t sentBefore = lan.configureRequests().size();
        open();
        toggleBox(IDC_AUTO_IP_CHECK);
        if (!c.idChecked) toggleBox(IDC_AUTO_ID_CHECK);
        view->setText(IDC_AUTO_PATTERN, c.pattern);
        view->setText(IDC_AUTO_SEQUENCE, c.sequence);
        configureAll();
        if (*c.message == '\0') {
            EXPECT_EQ(view->messageCount(), 0u);
            EXPECT_EQ(view->result(), 1);
        } else {
            ASSERT_EQ(view->messageCount(), 1u);
            EXPECT_EQ(view->lastMessage()->text, c.message);
            EXPECT_EQ(view->lastMessage()->caption, "Error");
            EXPECT_FALSE(view->closed());
            EXPECT_TRUE(view->enabled(IDC_AUTO_CONFIGURE_ALL));
            EXPECT_EQ(lan.configureRequests().size(), sentBefore);
        }
        if (std::string(c.sequence) == "65535") {
            EXPECT_EQ(lan.board(0).id, "V65535");
        }
    }
}

TEST_F(AutoConfigureTest, DhcpYesNeverSendsAnAddress) {
    lan.addBoards(1);
    findBoards();
    open(AdapterAddresses{"10.0.0.5", "255.255.255.0", "10.0.0.254"});
    view->setText(IDV_IP_ADDRESS, "10.0.0.10");
    click(IDC_AUTO_DHCP_YES);
    EXPECT_TRUE(view->checked(IDC_AUTO_DHCP_YES));
    EXPECT_FALSE(view->checked(IDC_AUTO_DHCP_NO));
    EXPECT_FALSE(view->enabled(IDC_AUTO_IP_CHECK));
    EXPECT_FALSE(view->enabled(IDV_IP_ADDRESS));
    configureAll();
    auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].count(kIp), 0u);
    EXPECT_EQ(sent[0].count(kSubnet), 0u);
    EXPECT_EQ(sent[0].at(kDhcp), std::vector<uint8_t>{1});
    EXPECT_EQ(sent[0].at(kGateway), (std::vector<uint8_t>{10, 0, 0, 254}));

    // "DHCP:" unchecked after "Yes": no DHCP setting and still no address.
    open(AdapterAddresses{"10.0.0.5", "255.255.255.0", "10.0.0.254"});
    view->setText(IDV_IP_ADDRESS, "10.0.0.10");
    click(IDC_AUTO_DHCP_YES);
    toggleBox(IDC_AUTO_DHCP_CHECK);
    EXPECT_FALSE(view->enabled(IDC_AUTO_DHCP_YES));
    configureAll();
    sent = requests();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].count(kDhcp), 0u);
    EXPECT_EQ(sent[1].count(kIp), 0u);
    EXPECT_EQ(autoTemplate.dhcpGiven, 0);

    // "No" gives the address back.
    open(AdapterAddresses{"10.0.0.5", "255.255.255.0", "10.0.0.254"});
    click(IDC_AUTO_DHCP_YES);
    click(IDC_AUTO_DHCP_NO);
    EXPECT_TRUE(view->enabled(IDC_AUTO_IP_CHECK));
    EXPECT_TRUE(view->enabled(IDV_IP_ADDRESS));
}

TEST_F(AutoConfigureTest, AddressRangeCoversTheSelectedBoards) {
    lan.addBoards(4);
    findBoards();
    select({0, 1, 2, 3});
    open(AdapterAddresses{"192.168.1.1", "255.255.255.0", "192.168.1.254"});
    view->setText(IDV_IP_ADDRESS, "192.168.1.252");
    configureAll();   // .252 to .255: the last is the broadcast address
    ASSERT_EQ(view->messageCount(), 1u);
    EXPECT_EQ(view->lastMessage()->text,
              "An invalid IP address will be created.  Change the IP address and try again.");
    EXPECT_TRUE(lan.configureRequests().empty());

    select({0, 2, 3});
    open(AdapterAddresses{"192.168.1.1", "255.255.255.0", "192.168.1.254"});
    view->setText(IDV_IP_ADDRESS, "192.168.1.252");
    view->setText(IDC_AUTO_PATTERN, "Lab#");
    view->setText(IDC_AUTO_SEQUENCE, "7");
    configureAll();
    EXPECT_EQ(view->result(), 3);
    EXPECT_EQ(lan.board(0).ip, "192.168.1.252");
    EXPECT_EQ(lan.board(2).ip, "192.168.1.253");
    EXPECT_EQ(lan.board(3).ip, "192.168.1.254");
    EXPECT_EQ(lan.board(1).ip, "10.0.0.2");
    EXPECT_EQ(lan.board(0).id, "Lab7");
    EXPECT_EQ(lan.board(3).id, "Lab9");
}

TEST_F(AutoConfigureTest, CompletedPassReportsEachBoardAndCloses) {
    lan.addBoards(4);
    findBoards();
    open();
    view->setText(IDC_AUTO_PATTERN, "Vorn#");
    configureAll();
    EXPECT_EQ(view->result(), 4);
    EXPECT_EQ(progress(), "Auto Configuration complete");
    EXPECT_TRUE(saw("Broadcast 0"));
    EXPECT_TRUE(saw("Device 3Configured"));
    EXPECT_EQ(view->textHistory(IDC_AUTO_PHASE), (std::vector<std::string>{"Ready", "Configuring..."}));
    EXPECT_EQ(lan.board(3).id, "Vorn4");
    EXPECT_EQ(listEmptied, 0);
}

TEST_F(AutoConfigureTest, FindAndConfigureRunsThePassWhenTheFindEnds) {
    lan.addBoards(2);
    open();
    ASSERT_TRUE(view->checked(IDC_AUTO_MODE_FIND));
    view->setText(IDC_AUTO_PATTERN, "New#");
    view->setText(IDC_AUTO_SEQUENCE, "5");
    configureAll();
    EXPECT_EQ(view->result(), 2);
    EXPECT_EQ(listEmptied, 1);
    EXPECT_EQ(view->textHistory(IDC_AUTO_PHASE),
              (std::vector<std::string>{"Ready", "Discovering...", "Configuring..."}));
    EXPECT_TRUE(saw("Found device Bd1"));
    EXPECT_TRUE(saw("Finished.  Found 2 devices"));
    EXPECT_EQ(lan.board(0).id, "New5");
    EXPECT_EQ(lan.board(1).id, "New6");
}

// What would clash is asked before the first board is sent anything, in "find and configure" once
// the find has listed the boards: No keeps the dialog as typed, Yes sends. Each Yes leaves the
// boards with what its row gave them.
TEST_F(AutoConfigureTest, ClashesAreAskedAboutBeforeAnythingIsSent) {
    const std::tuple<int, std::vector<int32_t>, std::map<int, std::string>, std::string, size_t> rows[] = {
        {IDC_AUTO_MODE_ALL, {}, {}, "The pattern has no '#': every board would get Vorn.\nNumbers 1 to 3 need 1 '#'.", 3},
        {IDC_AUTO_MODE_SELECTED, {0, 1},
         {{IDC_AUTO_PATTERN, "Lab#"}, {IDV_IP_ADDRESS, "10.0.0.3"}, {IDV_SUBNET_MASK, "255.255.255.0"}},
         "SN 020000000001: IP address 10.0.0.3 is held by SN 020000000003 (Vorn), which is not being configured.", 2},
        {IDC_AUTO_MODE_FIND, {}, {}, "The pattern has no '#': every board would get Vorn.", 3},
    };
    lan.addBoards(3);
    findBoards();
    for (const auto& [mode, lines, entries, clash, boards] : rows) {
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            const size_t sent = lan.configureRequests().size();
            select(lines);
            open();
            click(mode);
            for (const auto& [id, text] : entries) view->setText(id, text);
            view->queueAnswer(answer);
            configureAll();
            expectClashAsked(*view, clash);
            EXPECT_EQ(lan.configureRequests().size(), sent + (answer == MessageAnswer::Yes ? boards : 0));
            EXPECT_EQ(view->closed(), answer == MessageAnswer::Yes);
            for (const auto& [id, text] : entries) EXPECT_EQ(view->text(id), text);
        }
    }
}

TEST_F(AutoConfigureTest, FindThatFindsNothingSaysSoAndStaysOpen) {
    open();
    configureAll();
    EXPECT_EQ(progress(), "Finished.  Found 0 devices");
    EXPECT_EQ(view->text(IDC_AUTO_PHASE), "Done.");
    EXPECT_TRUE(dialog->event(EVT_TOO_MANY, 0));   // a find phase goes on without asking
    ASSERT_EQ(view->messageCount(), 1u);
    EXPECT_EQ(view->lastMessage()->text,
              "No boards found to configure.\nCheck Connections and try again.");
    EXPECT_EQ(view->lastMessage()->caption, "Alert");
    EXPECT_FALSE(view->closed());
    EXPECT_TRUE(view->enabled(IDC_AUTO_CONFIGURE_ALL));
    // Cancel now closes at once: nothing runs.
    click(IDCANCEL);
    EXPECT_EQ(view->result(), 0);
}

TEST_F(AutoConfigureTest, CancelDuringTheFindPhaseClosesWhenTheFindEnds) {
    lan.addBoards(5);
    open();
    bool cancelled = false;
    view->attach([&](SessionEvent code, int32_t value) {
        const bool answer = dialog->event(code, value);
        if (code == EVT_FOUND && !cancelled) {
            click(IDCANCEL);
            cancelled = true;
            EXPECT_EQ(progress(), "Auto Configuration canceled");
            EXPECT_FALSE(view->closed());
        }
        return answer;
    });
    click(IDC_AUTO_CONFIGURE_ALL);
    view->pumpUntil([&] { return view->closed(); });
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(view->result(), 0);
    EXPECT_EQ(progress(), finishedText(session.devices.count()));
    EXPECT_TRUE(lan.configureRequests().empty());
    EXPECT_EQ(listEmptied, 1);
}

TEST_F(AutoConfigureTest, AbortAtABoardThatNeverAnswersEndsThePass) {
    lan.addBoards(3);
    findBoards();
    lan.neverAck(1);

    open();
    view->setText(IDC_AUTO_PATTERN, "Vorn#");
    view->queueAnswer(MessageAnswer::Ignore);
    configureAll();
    EXPECT_EQ(view->result(), 3);   // a pass over three boards; board 1 skipped
    auto question = view->messages().at(0);
    EXPECT_EQ(question.text, notFoundMessage(*session.devices.at(1)));
    EXPECT_EQ(question.caption, "Error");
    EXPECT_EQ(question.buttons, MessageButtons::AbortRetryIgnore);

    open();
    view->setText(IDC_AUTO_PATTERN, "Vorn#");
    view->queueAnswer(MessageAnswer::Abort);
    configureAll();
    EXPECT_EQ(view->result(), 0);
    EXPECT_EQ(progress(), "Canceling...");
}

TEST_F(AutoConfigureTest, NetworkThatCannotOpenIsReportedAndTheDialogStaysReady) {
    lan.addBoards(2);
    findBoards();
    lan.setFailOpen(true);
    networkFlags = kEndOpenFailed;
    // The find phase empties the table: the pass over the listed boards goes first.
    for (int mode : {IDC_AUTO_MODE_ALL, IDC_AUTO_MODE_FIND}) {
        SCOPED_TRACE(mode);
        open();
        click(mode);
        toggleBox(IDC_AUTO_ID_CHECK);
        configureAll();
        ASSERT_EQ(view->messageCount(), 1u);
        EXPECT_EQ(view->lastMessage()->text.rfind(kNetworkFailedText, 0), 0u);
        EXPECT_EQ(view->lastMessage()->caption, "Error");
        EXPECT_FALSE(view->closed());
        EXPECT_TRUE(view->enabled(IDC_AUTO_CONFIGURE_ALL));
        EXPECT_FALSE(saw("Finished.  Found 0 devices"));
        // Ready again: Cancel closes at once.
        click(IDCANCEL);
        EXPECT_EQ(view->result(), 0);
    }
}

// A pass takes only the boards chosen for it: a pass over every board that ends without
// success leaves the main list's selection as it was, and a find phase that replaces the
// table takes the old selection (and the mode that would use it) away.
TEST_F(AutoConfigureTest, APassTakesOnlyTheBoardsChosenForIt) {
    lan.addBoards(3);
    findBoards();
    select({1});
    open();
    ASSERT_TRUE(view->checked(IDC_AUTO_MODE_SELECTED));
    toggleBox(IDC_AUTO_IP_CHECK);
    view->setText(IDC_AUTO_PATTERN, "Vorn#");
    click(IDC_AUTO_MODE_ALL);
    lan.setFailSend(true);
    networkFlags = kEndSendFailed;
    view->queueAnswer(MessageAnswer::Abort);
    configureAll();
    ASSERT_FALSE(view->closed());
    EXPECT_EQ(view->lastMessage()->text, kSendFailedText);
    EXPECT_TRUE(view->enabled(IDC_AUTO_MODE_SELECTED));

    lan.setFailSend(false);
    networkFlags.reset();
    click(IDC_AUTO_MODE_SELECTED);
    configureAll();
    EXPECT_EQ(view->result(), 1);
    ASSERT_EQ(requests().size(), 1u);
    EXPECT_EQ(requests()[0].at(kMac), (std::vector<uint8_t>{0x02, 0, 0, 0, 0, 0x02}));
    EXPECT_EQ(lan.board(0).id, "Bd1");
    EXPECT_EQ(lan.board(2).id, "Bd3");

    // A find phase that ends without a pass: the selection is gone with the old table. The
    // boards it found (refused start address) may be taken all; none found: only a new find.
    for (bool answering : {true, false}) {
        SCOPED_TRACE(answering);
        for (int i = 0; i < lan.boardCount() && !answering; ++i) {
            SimBoard b = lan.board(i);
            b.firstDiscovery = 1 << 30;
            lan.setBoard(i, b);
        }
        select({1});
        open();
        ASSERT_TRUE(view->checked(IDC_AUTO_MODE_SELECTED));
        click(IDC_AUTO_MODE_FIND);
        view->setText(IDV_IP_ADDRESS, "10.0.0.0");   // the network address: refused
        view->setText(IDV_SUBNET_MASK, "255.255.255.0");
        configureAll();
        ASSERT_FALSE(view->closed());
        EXPECT_FALSE(view->enabled(IDC_AUTO_MODE_SELECTED));
        EXPECT_EQ(view->enabled(IDC_AUTO_MODE_ALL), answering);
        EXPECT_TRUE(view->checked(IDC_AUTO_MODE_FIND));
        click(IDCANCEL);
    }
    EXPECT_EQ(requests().size(), 1u);
}

// The pass's transitions: each row feeds its inputs from Ready; then the phase, the last step's
// action, whether it completed, and what it shows (status | phase text | message).
TEST(AutoConfigurePass, EachInputTakesThePassWhereTheTableSays) {
    using I = PassInput;
    using P = PassPhase;
    using A = PassAction;
    PassFacts none, two, failed, done;
    two.boards = failed.boards = done.boards = 2;
    failed.networkFailure = kSendFailedText;
    done.configured = 2;
    const std::string noBoards = kNoBoardsText, sendFailed = kSendFailedText;
    struct Row {
        std::vector<std::pair<PassInput, PassFacts>> inputs;
        PassPhase phase;
        PassAction action;
        bool completed;
        std::string shown;
    };
    const Row rows[] = {
        {{{I::FindChosen, none}}, P::Finding, A::StartFind, false, "||Discovering...|"},
        {{{I::ListedChosen, none}}, P::Ready, A::None, false, "||Done.|" + noBoards},
        {{{I::FindChosen, none}, {I::FindEnded, two}}, P::Configuring, A::StartBatch, false, "||Configuring...|"},
        {{{I::FindChosen, none}, {I::FindEnded, failed}}, P::Ready, A::None, false, "||Ready|" + sendFailed},
        {{{I::FindChosen, none}, {I::Cancel, none}}, P::Finding, A::Stop, false, "|Auto Configuration canceled||"},
        {{{I::FindChosen, none}, {I::Cancel, none}, {I::FindEnded, two}}, P::Closed, A::Close, false, "|||"},
        {{{I::ListedChosen, two}, {I::BatchEnded, done}}, P::Closed, A::Close, true, "|Auto Configuration complete||"},
        {{{I::ListedChosen, two}, {I::BatchEnded, two}}, P::Ready, A::None, false, "|No device configured|Done.|"},
        {{{I::ListedChosen, two}, {I::Cancel, two}, {I::BatchEnded, two}}, P::Closed, A::Close, false, "|Canceling...||"},
        {{{I::ListedChosen, two}, {I::BatchCancelled, failed}}, P::Ready, A::None, false, "||Ready|" + sendFailed},
        {{{I::ListedChosen, two}, {I::Refused, two}}, P::Ready, A::None, false, "|||"},
        // What does not belong to the phase changes nothing.
        {{{I::FindEnded, two}}, P::Ready, A::None, false, "|||"},
        {{{I::ListedChosen, two}, {I::FindChosen, two}}, P::Configuring, A::None, false, "|||"},
        {{{I::Cancel, none}, {I::Cancel, none}}, P::Closed, A::None, false, "|||"},
    };
    for (const Row& row : rows) {
        PassState state;
        PassStep step;
        for (const auto& [input, facts] : row.inputs) state = (step = passStep(state, input, facts)).state;
        auto text = [](const char* t) { return std::string(t ? t : ""); };
        EXPECT_EQ(std::make_tuple(state.phase, step.action, step.completed,
                                  "|" + text(step.status) + "|" + text(step.phaseText) + "|" + text(step.message)),
                  std::make_tuple(row.phase, row.action, row.completed, row.shown))
            << "row " << (&row - rows);
    }
}

}  // namespace
