// The batch over the simulated LAN: derivation of each board's settings, the question, the end.
#include <gtest/gtest.h>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;
using Answers = std::vector<QuestionAnswer>;
using Bytes = std::vector<uint8_t>;

class BatchTest : public ::testing::Test {
protected:
    SimLanSession sim;
    SimChannel& lan = sim.lan;
    NetSession& session = sim.session;
    EventLog log;

    void findBoards(int count) {
        lan.addBoards(count);   // Bd1.., macs 020000000001..
        EventLog findLog;
        ASSERT_TRUE(session.startFind(findLog.sink()));
        session.waitForWorker();
        ASSERT_EQ(session.devices.count(), count);
    }

    void batch(const DeviceRecord& t, int32_t firstSequence, int32_t mode, ScriptedQuestion& q) {
        ASSERT_TRUE(session.startConfigureBatch(log.sink(), t, firstSequence, mode, q.question()));
        session.waitForWorker();
    }

    void neverAck(int board) {
        SimBoard b = lan.board(board);
        b.silentConfigures = SimChannel::kNeverAck;
        lan.setBoard(board, b);
    }

    static DeviceRecord labTemplate() {
        DeviceRecord t;
        t.setId("Lab###");
        t.setIp("10.0.0.20");
        t.setSubnet("255.255.255.0");
        t.dhcpGiven = 1;
        t.dhcp = 0;
        return t;
    }

    // The request a board must receive: header, Mac, Ip, Subnet, Dhcp off, Id, EchoText.
    static Bytes request(uint8_t macLow, uint8_t ipLow, const std::string& id, const std::string& echo) {
        Bytes out = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0,
                     1, 6, 0x02, 0, 0, 0, 0, macLow,
                     2, 4, 10, 0, 0, ipLow,
                     3, 4, 255, 255, 255, 0,
                     5, 1, 0,
                     6, static_cast<uint8_t>(id.size())};
        for (char c : id) out.push_back(static_cast<uint8_t>(c));
        out.push_back(7);
        out.push_back(static_cast<uint8_t>(echo.size()));
        for (char c : echo) out.push_back(static_cast<uint8_t>(c));
        out[1] = static_cast<uint8_t>(out.size());
        return out;
    }
};

TEST_F(BatchTest, SelectionModeConfiguresTheSelectedBoardsInOrder) {
    findBoards(6);
    session.selection[0] = 2;
    session.selection[1] = 5;
    session.selectionCount = 2;
    ScriptedQuestion question;
    batch(labTemplate(), 7, 1, question);

    EXPECT_EQ(log.events(), (Events{{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 2},
                                    {EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 5},
                                    {EVT_BATCH_COMPLETE, 0}}));
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes, request(0x03, 20, "Lab007", "e3"));
    EXPECT_EQ(sent[1].bytes, request(0x06, 21, "Lab008", "e6"));

    EXPECT_STREQ(session.devices.at(2)->id, "Lab007");
    EXPECT_STREQ(session.devices.at(2)->ip, "10.0.0.20");
    EXPECT_STREQ(session.devices.at(5)->id, "Lab008");
    EXPECT_STREQ(session.devices.at(5)->ip, "10.0.0.21");
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(std::string(session.devices.at(i)->id), "Bd" + std::to_string(i + 1));
    }
    EXPECT_EQ(session.selectionCount, 2);
    EXPECT_EQ(session.idleCycles, 0);
    EXPECT_FALSE(session.operationActive);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(BatchTest, AllBoardsModeNumbersByPositionAndCarriesAcrossOctets) {
    findBoards(4);
    session.selectionCount = 99;   // replaced by the number of boards
    DeviceRecord t = labTemplate();
    t.setIp("10.0.0.254");
    ScriptedQuestion question;
    batch(t, 9, 2, question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
    EXPECT_EQ(session.selectionCount, 4);
    const char* ids[] = {"Lab009", "Lab010", "Lab011", "Lab012"};
    const char* ips[] = {"10.0.0.254", "10.0.0.255", "10.0.1.0", "10.0.1.1"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(session.devices.at(i)->id, ids[i]);
        EXPECT_STREQ(session.devices.at(i)->ip, ips[i]);
        EXPECT_EQ(lan.board(i).ip, ips[i]);
    }
}

TEST_F(BatchTest, AnEmptyTemplateSendsOnlyWhatWasGiven) {
    findBoards(2);
    DeviceRecord t;
    t.setGateway("10.0.0.1");
    t.dhcpGiven = 0;
    ScriptedQuestion question;
    batch(t, 0, 0, question);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 2u);
    // Header, Mac, Gateway, EchoText: no Ip, Subnet, Dhcp or Id field.
    const Bytes expected = {0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0,
                            1, 6, 0x02, 0, 0, 0, 0, 0x02,
                            4, 4, 10, 0, 0, 1,
                            7, 2, 'e', '2'};
    EXPECT_EQ(sent[1].bytes, expected);
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_STREQ(session.devices.at(1)->ip, "10.0.0.2");
    EXPECT_STREQ(session.devices.at(1)->gateway, "10.0.0.1");
}

TEST_F(BatchTest, SerialPlaceholdersTakeEachBoardsOwnMac) {
    findBoards(3);
    session.selection[0] = 1;
    session.selection[1] = 2;
    session.selectionCount = 2;
    DeviceRecord t;
    t.setId("R#%%");
    t.dhcpGiven = 0;
    ScriptedQuestion question;
    batch(t, 5, 1, question);
    EXPECT_STREQ(session.devices.at(1)->id, "R502");
    EXPECT_STREQ(session.devices.at(2)->id, "R603");
    EXPECT_STREQ(session.devices.at(0)->id, "Bd1");
}

TEST_F(BatchTest, RetryConfiguresTheSameBoardWithTheSameSettings) {
    findBoards(2);
    SimBoard slow = lan.board(1);
    slow.silentConfigures = NetSession::kMaxCycles;   // answers the 11th request
    lan.setBoard(1, slow);
    ScriptedQuestion question({QuestionAnswer::Retry});
    batch(labTemplate(), 0, 2, question);

    Events expected = {{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 0}};
    for (int a = 0; a < NetSession::kMaxCycles; ++a) expected.push_back({EVT_CONFIG_BROADCAST, a});
    expected.push_back({EVT_CONFIG_BROADCAST, 0});
    expected.push_back({EVT_CONFIGURED, 1});
    expected.push_back({EVT_BATCH_COMPLETE, 0});
    EXPECT_EQ(log.events(), expected);
    ASSERT_EQ(question.asked(), 1);
    EXPECT_EQ(question.batchFlags()[0], true);
    EXPECT_EQ(question.messages()[0],
              "Could not find this device:\n\n   ID:  Bd2\n   IP:  10.0.0.2\n   SN:  "
              "020000000002\n\nCheck connections and try again.");
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 12u);
    EXPECT_EQ(sent[1].bytes, request(0x02, 21, "Lab001", "e2"));
    EXPECT_EQ(sent[11].bytes, sent[1].bytes);
    EXPECT_STREQ(session.devices.at(1)->id, "Lab001");
}

TEST_F(BatchTest, IgnoreSkipsTheBoardAndGoesOn) {
    findBoards(3);
    neverAck(1);
    neverAck(2);
    ScriptedQuestion question({QuestionAnswer::Ignore});
    batch(labTemplate(), 0, 2, question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0}));
    EXPECT_EQ(question.asked(), 2);   // board 1, then the last board
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
    EXPECT_EQ(lan.configureRequests().size(), 21u);
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_NE(question.messages()[1].find("ID:  Bd3"), std::string::npos);
}

TEST_F(BatchTest, AbortEndsTheBatchAtOnce) {
    findBoards(3);
    neverAck(0);
    ScriptedQuestion question({QuestionAnswer::Abort});
    batch(labTemplate(), 0, 2, question);
    Events expected;
    for (int a = 0; a < NetSession::kMaxCycles; ++a) expected.push_back({EVT_CONFIG_BROADCAST, a});
    expected.push_back({EVT_BATCH_CANCELLED, 0});
    EXPECT_EQ(log.events(), expected);
    EXPECT_EQ(lan.configureRequests().size(), 10u);   // nothing for boards 1 and 2
    EXPECT_FALSE(session.configureAcknowledged);
    EXPECT_EQ(session.idleCycles, 0);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(BatchTest, UnavailableCountsAsIgnore) {
    findBoards(2);
    neverAck(0);
    ScriptedQuestion question({QuestionAnswer::Unavailable});
    batch(labTemplate(), 0, 2, question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{1}));
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
}

TEST_F(BatchTest, AnEmptyListSendsOnlyTheFinalEvent) {
    ScriptedQuestion question;
    for (int mode : {0, 2}) {
        log.clear();
        batch(labTemplate(), 0, mode, question);
        EXPECT_EQ(log.events(), (Events{{EVT_BATCH_COMPLETE, 0}}));
        EXPECT_EQ(session.selectionCount, 0);
    }
    EXPECT_TRUE(lan.configureRequests().empty());
    EXPECT_FALSE(session.networkFailed);
}

TEST_F(BatchTest, SelectionModeWithoutASelectionWorksThroughTheWholeList) {
    findBoards(3);
    session.selection[0] = 2;   // stale entries must not be used
    session.selectionCount = 0;
    DeviceRecord t = labTemplate();
    ScriptedQuestion question;
    batch(t, 1, 1, question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_STREQ(session.devices.at(0)->id, "Lab001");
    EXPECT_STREQ(session.devices.at(1)->id, "Lab002");
    EXPECT_STREQ(session.devices.at(2)->id, "Lab003");
}

TEST_F(BatchTest, ASelectionEntryOutsideTheListIsSkipped) {
    findBoards(2);
    session.selection[0] = 1;
    session.selection[1] = 40;
    session.selectionCount = 2;
    ScriptedQuestion question;
    batch(labTemplate(), 0, 1, question);
    EXPECT_EQ(log.events(), (Events{{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 1},
                                    {EVT_BATCH_COMPLETE, 0}}));
    EXPECT_EQ(question.asked(), 0);
}

TEST_F(BatchTest, TheTemplateIsCopiedAtTheStart) {
    findBoards(2);
    ScriptedQuestion question;
    lan.holdReceives(true);
    {
        auto t = std::make_unique<DeviceRecord>(labTemplate());
        ASSERT_TRUE(session.startConfigureBatch(log.sink(), *t, 3, 2, question.question()));
        t->setId("Changed");
    }
    ASSERT_TRUE(lan.waitUntilHeld());
    lan.holdReceives(false);
    session.waitForWorker();
    EXPECT_STREQ(session.devices.at(0)->id, "Lab003");
    EXPECT_STREQ(session.devices.at(1)->id, "Lab004");
}

TEST_F(BatchTest, AnUnreadableFirstAddressIsNotSent) {
    findBoards(1);
    DeviceRecord t = labTemplate();
    t.setIp("10.0.0.x");
    ScriptedQuestion question;
    batch(t, 0, 2, question);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].bytes[20], 3);   // the Subnet field follows Mac directly
    EXPECT_STREQ(session.devices.at(0)->ip, "10.0.0.1");
}

}  // namespace
