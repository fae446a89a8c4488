// The configure dialog over the engine and a simulated LAN: what it shows, which controls each
// box and radio button governs, and what request each combination puts on the wire.
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "net/session_events.h"
#include "tests/ui/window_harness.h"
#include "ui/configure_dialog.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {

class ConfigureDialogTest : public LanFixture {
protected:
    // Three boards found; the dialog opens on board index (list line) 1: Bd2, 10.0.0.2.
    void SetUp() override {
        lan.addBoards(3);
        findBoards();
    }

    void open(int32_t index = 1) {
        dialog.reset();
        view = std::make_unique<FakeDialogView>();
        dialog = std::make_unique<ConfigureDialog>(*view, session, index);
        view->attach([this](SessionEvent code, int32_t value) {
            return dialog->event(code, withNetworkFlags(code, value));
        });
        dialog->opened();
    }

    void click(int id) { dialog->command(id, 0, 0); }
    void toggleBox(int id) { toggle(*view, *dialog, id); }
    void chooseDhcp(int id) {
        view->checkRadio(IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO, id);
        click(id);
    }

    // Presses "Configure" and waits until the dialog closes or takes entries again.
    void press() {
        click(IDC_CFG_CONFIGURE);
        view->pumpUntil([&] { return view->closed() || view->enabled(IDC_CFG_CONFIGURE); });
    }

    std::string status() const { return view->text(IDC_STATUS); }

    std::unique_ptr<FakeDialogView> view;
    std::unique_ptr<ConfigureDialog> dialog;   // destroyed before its view
};

TEST_F(ConfigureDialogTest, OpensWithTheBoardsValuesAndEveryPartChecked) {
    open();
    for (int box : {IDC_CFG_ID_CHECK, IDC_CFG_IP_CHECK, IDC_CFG_GATEWAY_CHECK, IDC_CFG_DHCP_CHECK})
        EXPECT_TRUE(view->checked(box)) << box;
    EXPECT_EQ(view->text(IDC_CFG_ID_EDIT), "Bd2");
    EXPECT_EQ(view->text(IDV_IP_ADDRESS), "10.0.0.2");
    EXPECT_EQ(view->text(IDV_SUBNET_MASK), "255.255.255.0");
    EXPECT_EQ(view->text(IDV_GATEWAY), "10.0.0.254");
    EXPECT_TRUE(view->checked(IDC_CFG_DHCP_NO));
    EXPECT_FALSE(view->checked(IDC_CFG_DHCP_YES));
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(view->enabled(IDV_IP_ADDRESS));
    EXPECT_TRUE(view->enabled(IDC_CFG_CONFIGURE));
}

TEST_F(ConfigureDialogTest, ABoardOnDhcpOpensWithYesAndNoAddressEntry) {
    SimBoard board;
    board.mac = "02aabbccddee";
    board.dhcp = 1;
    lan.addBoard(board);
    findBoards();
    open(3);
    EXPECT_TRUE(view->checked(IDC_CFG_DHCP_YES));
    EXPECT_FALSE(view->checked(IDC_CFG_DHCP_NO));
    EXPECT_FALSE(view->enabled(IDV_IP_ADDRESS));
    EXPECT_FALSE(view->enabled(IDV_SUBNET_MASK));
    EXPECT_FALSE(view->enabled(IDC_CFG_IP_CHECK));
    EXPECT_TRUE(view->enabled(IDV_GATEWAY));
}

TEST_F(ConfigureDialogTest, EachBoxGovernsItsOwnControls) {
    open();
    toggleBox(IDC_CFG_ID_CHECK);
    EXPECT_FALSE(view->enabled(IDC_CFG_ID_EDIT));
    toggleBox(IDC_CFG_ID_CHECK);
    EXPECT_TRUE(view->enabled(IDC_CFG_ID_EDIT));

    toggleBox(IDC_CFG_GATEWAY_CHECK);
    EXPECT_FALSE(view->enabled(IDV_GATEWAY));
    EXPECT_TRUE(view->enabled(IDV_IP_ADDRESS));

    toggleBox(IDC_CFG_DHCP_CHECK);
    EXPECT_FALSE(view->enabled(IDC_CFG_DHCP_YES));
    EXPECT_FALSE(view->enabled(IDC_CFG_DHCP_NO));
    toggleBox(IDC_CFG_DHCP_CHECK);
    EXPECT_TRUE(view->enabled(IDC_CFG_DHCP_YES));

    chooseDhcp(IDC_CFG_DHCP_YES);
    EXPECT_FALSE(view->enabled(IDV_IP_ADDRESS));
    EXPECT_FALSE(view->enabled(IDV_SUBNET_MASK));
    EXPECT_FALSE(view->enabled(IDC_CFG_IP_CHECK));
    chooseDhcp(IDC_CFG_DHCP_NO);
    EXPECT_TRUE(view->enabled(IDC_CFG_IP_CHECK));
    EXPECT_TRUE(view->enabled(IDV_IP_ADDRESS));
    EXPECT_TRUE(view->enabled(IDV_SUBNET_MASK));

    // "No" brings the address back only when its box is checked.
    toggleBox(IDC_CFG_IP_CHECK);
    EXPECT_FALSE(view->enabled(IDV_IP_ADDRESS));
    chooseDhcp(IDC_CFG_DHCP_YES);
    chooseDhcp(IDC_CFG_DHCP_NO);
    EXPECT_TRUE(view->enabled(IDC_CFG_IP_CHECK));
    EXPECT_FALSE(view->enabled(IDV_IP_ADDRESS));
    EXPECT_FALSE(view->enabled(IDV_SUBNET_MASK));
}

// --- What each combination sends -----------------------------------------------------------

class ConfigureRequestTest;

struct Combination {
    const char* name;
    std::function<void(ConfigureRequestTest&)> setUp;
    std::set<int> tags;
    int dhcp;   // value of the Dhcp field when it is sent
    std::vector<uint8_t> ip;
};

class ConfigureRequestTest : public ConfigureDialogTest,
                             public ::testing::WithParamInterface<Combination> {
public:
    using ConfigureDialogTest::chooseDhcp;
    using ConfigureDialogTest::toggleBox;
    using ConfigureDialogTest::view;
};

TEST_P(ConfigureRequestTest, SendsExactlyTheCheckedParts) {
    open();
    GetParam().setUp(*this);
    press();
    EXPECT_EQ(view->result(), ConfigureDialog::kConfigured);
    EXPECT_EQ(status(), "Configuration complete");
    EXPECT_EQ(view->messageCount(), 0u);

    auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    const RequestFields& fields = sent[0];
    std::set<int> tags;
    for (const auto& [tag, value] : fields) tags.insert(tag);
    EXPECT_EQ(tags, GetParam().tags);
    EXPECT_EQ(fields.at(kMac), (std::vector<uint8_t>{0x02, 0, 0, 0, 0, 0x02}));
    EXPECT_EQ(fields.at(kEcho), textBytes("e2"));
    if (fields.count(kDhcp)) {
        EXPECT_EQ(fields.at(kDhcp), std::vector<uint8_t>{uint8_t(GetParam().dhcp)});
    }
    if (fields.count(kIp)) {
        EXPECT_EQ(fields.at(kIp), GetParam().ip);
    }
    if (fields.count(kId)) {
        EXPECT_EQ(fields.at(kId), textBytes("Bd2"));
    }
}

const std::vector<uint8_t> kBoardIp{10, 0, 0, 2};

INSTANTIATE_TEST_SUITE_P(
    Combinations, ConfigureRequestTest,
    ::testing::Values(
        Combination{"Everything", [](ConfigureRequestTest&) {},
                    {kMac, kIp, kSubnet, kGateway, kDhcp, kId, kEcho}, 0, kBoardIp},
        Combination{"DhcpYesAlone",
                    [](ConfigureRequestTest& r) {
                        r.toggleBox(IDC_CFG_ID_CHECK);
                        r.toggleBox(IDC_CFG_GATEWAY_CHECK);
                        // An address that the range rule would refuse: never checked here.
                        r.view->setText(IDV_IP_ADDRESS, "10.0.0.0");
                        r.chooseDhcp(IDC_CFG_DHCP_YES);
                    },
                    {kMac, kDhcp, kEcho}, 1, {}},
        Combination{"DhcpNoWithoutAddress",
                    [](ConfigureRequestTest& r) {
                        r.view->setText(IDV_IP_ADDRESS, "10.0.0.255");
                        r.toggleBox(IDC_CFG_IP_CHECK);
                    },
                    {kMac, kGateway, kDhcp, kId, kEcho}, 0, {}},
        Combination{"DhcpUncheckedAddressChecked",
                    [](ConfigureRequestTest& r) {
                        r.view->setText(IDV_IP_ADDRESS, "10.0.0.9");
                        r.toggleBox(IDC_CFG_DHCP_CHECK);
                    },
                    {kMac, kIp, kSubnet, kGateway, kId, kEcho}, 0, {10, 0, 0, 9}},
        Combination{"DhcpUncheckedAddressUnchecked",
                    [](ConfigureRequestTest& r) {
                        r.toggleBox(IDC_CFG_DHCP_CHECK);
                        r.toggleBox(IDC_CFG_IP_CHECK);
                    },
                    {kMac, kGateway, kId, kEcho}, 0, {}},
        Combination{"YesThenDhcpUnchecked",
                    [](ConfigureRequestTest& r) {
                        r.chooseDhcp(IDC_CFG_DHCP_YES);
                        r.toggleBox(IDC_CFG_DHCP_CHECK);
                    },
                    {kMac, kGateway, kId, kEcho}, 0, {}}),
    [](const ::testing::TestParamInfo<Combination>& info) { return std::string(info.param.name); });

// --- Refusals, the question, Cancel ----------------------------------------------------------

TEST_F(ConfigureDialogTest, RefusedEntriesSendNothingAndKeepTheDialogOpen) {
    open();
    view->setText(IDC_CFG_ID_EDIT, "ABCDEFGHIJKLMNOPQ");
    press();
    ASSERT_EQ(view->messageCount(), 1u);
    EXPECT_EQ(view->lastMessage()->text, "Entry cannot be more than 16 characters");
    EXPECT_EQ(view->lastMessage()->caption, "INVALID");

    view->setText(IDC_CFG_ID_EDIT, "Bd2");
    view->setText(IDV_IP_ADDRESS, "192.168.1.0");
    press();
    view->setText(IDV_IP_ADDRESS, "192.168.1.255");
    press();
    auto messages = view->messages();
    ASSERT_EQ(messages.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(messages[i].text,
                  "An invalid IP address will be created.  Change the IP address and try again.");
        EXPECT_EQ(messages[i].caption, "Error");
    }
    EXPECT_FALSE(view->closed());
    EXPECT_TRUE(view->enabled(IDC_CFG_CONFIGURE));
    EXPECT_TRUE(lan.configureRequests().empty());
    EXPECT_EQ(view->text(IDV_IP_ADDRESS), "192.168.1.255");   // entries stay as typed

    view->setText(IDV_IP_ADDRESS, "192.168.1.1");
    view->setText(IDV_GATEWAY, "192.168.1.254");
    press();
    EXPECT_EQ(view->result(), ConfigureDialog::kConfigured);
    EXPECT_EQ(lan.board(1).ip, "192.168.1.1");
}

// What would clash is asked: No sends nothing and keeps the entries, Yes sends. Each Yes leaves
// the board with what its row gave it.
TEST_F(ConfigureDialogTest, ClashesAreAskedAboutBeforeAnythingIsSent) {
    const std::pair<std::map<int, std::string>, std::string> rows[] = {
        {{{IDV_IP_ADDRESS, "10.253.0.107"}, {IDV_GATEWAY, "192.168.10.1"}},
         "gateway 192.168.10.1 is outside 10.253.0.0/24"},
        {{{IDV_IP_ADDRESS, "10.0.0.3"}}, "SN 020000000002: IP address 10.0.0.3 is held by SN 020000000003 (Bd3)"},
        {{{IDC_CFG_ID_EDIT, "Bd3"}}, "SN 020000000002: ID Bd3 is held by SN 020000000003"},
    };
    for (const auto& [entries, clash] : rows) {
        const size_t sent = lan.configureRequests().size();
        open();
        for (const auto& [id, text] : entries) view->setText(id, text);
        press();
        expectClashAsked(*view, clash);
        EXPECT_EQ(lan.configureRequests().size(), sent);
        for (const auto& [id, text] : entries) EXPECT_EQ(view->text(id), text);
        view->queueAnswer(MessageAnswer::Yes);
        press();
        EXPECT_EQ(lan.configureRequests().size(), sent + 1);
    }
}

TEST_F(ConfigureDialogTest, BoardThatNeverAnswersIsAskedAboutAndCanBeSentAgain) {
    lan.neverAck(1);
    open();
    view->queueAnswer(MessageAnswer::Retry);
    view->queueAnswer(MessageAnswer::Cancel);
    press();
    EXPECT_EQ(status(), "Configuration canceled");
    EXPECT_FALSE(view->closed());
    EXPECT_TRUE(view->enabled(IDC_CFG_CONFIGURE));
    EXPECT_EQ(lan.configureRequests().size(), 20u);   // ten attempts, Retry, ten more

    auto messages = view->messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, notFoundMessage(*session.devices.at(1)));
    EXPECT_EQ(messages[0].caption, "Error");
    EXPECT_EQ(messages[0].buttons, MessageButtons::RetryCancel);

    std::vector<std::string> expected{"Ready"};
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 10; ++i) expected.push_back("Broadcast " + std::to_string(i));
    expected.push_back("Configuration canceled");
    EXPECT_EQ(view->textHistory(IDC_STATUS), expected);

    // A second press sends the entries as they are now.
    view->setText(IDC_CFG_ID_EDIT, "Second");
    press();
    auto sent = requests();
    ASSERT_EQ(sent.size(), 30u);
    EXPECT_EQ(sent.back().at(kId), textBytes("Second"));
}

TEST_F(ConfigureDialogTest, CancelWhileConfiguringClosesAndTheOperationStillEnds) {
    lan.holdReceives(true);
    open();
    click(IDC_CFG_CONFIGURE);
    view->pumpUntil([&] { return status() == "Broadcast 0"; });
    click(IDCANCEL);
    EXPECT_EQ(view->result(), 0);
    dialog.reset();   // waits for the operation it started
    EXPECT_FALSE(session.operationRunning().load());
    EXPECT_TRUE(session.isIdle());
    // The question found its window gone: nobody was asked.
    EXPECT_EQ(view->messageCount(), 0u);

    // The next dialog is not held up by the last one.
    lan.holdReceives(false);
    open();
    press();
    EXPECT_EQ(view->result(), ConfigureDialog::kConfigured);
}

TEST_F(ConfigureDialogTest, NetworkThatCannotOpenIsReported) {
    lan.setFailOpen(true);
    networkFlags = kEndOpenFailed;
    open();
    press();
    ASSERT_EQ(view->messageCount(), 1u);
    EXPECT_EQ(view->lastMessage()->text.rfind(kNetworkFailedText, 0), 0u);
    EXPECT_EQ(view->lastMessage()->caption, "Error");
    EXPECT_TRUE(view->enabled(IDC_CFG_CONFIGURE));
    EXPECT_FALSE(view->closed());
}

TEST_F(ConfigureDialogTest, NoBoardBehindTheLineMeansNothingToSend) {
    open(-1);
    EXPECT_FALSE(view->enabled(IDC_CFG_CONFIGURE));
    EXPECT_EQ(view->text(IDC_CFG_ID_EDIT), "");
    click(IDC_CFG_CONFIGURE);
    EXPECT_TRUE(lan.configureRequests().empty());
    EXPECT_FALSE(view->closed());
}

TEST_F(ConfigureDialogTest, OnlyItsOwnOperationsEventsChangeTheDialog) {
    open();
    for (SessionEvent code : {EVT_FOUND, EVT_BROADCAST, EVT_CONFIG_BROADCAST, EVT_TOO_MANY})
        EXPECT_TRUE(dialog->event(code, 4));
    EXPECT_EQ(view->textHistory(IDC_STATUS), (std::vector<std::string>{"Ready", "Broadcast 4"}));
    EXPECT_FALSE(view->closed());
}

}  // namespace
