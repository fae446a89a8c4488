// Configure one board over the simulated LAN: attempts, the question, the write-back.
#include <gtest/gtest.h>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;
using Answers = std::vector<QuestionAnswer>;

class ConfigureOneTest : public ::testing::Test {
protected:
    SimLanSession sim;
    SimChannel& lan = sim.lan;
    NetSession& session = sim.session;
    EventLog log;

    void SetUp() override {
        lan.addBoards(4);   // Bd1 .. Bd4, macs 020000000001 ..
        EventLog findLog;
        ASSERT_TRUE(session.startFind(findLog.sink()));
        session.waitForWorker();
        ASSERT_EQ(session.devices.count(), 4);
    }

    static DeviceRecord settings(const DeviceRecord& board) {
        DeviceRecord r;
        copyText(r.mac, board.mac);
        copyText(r.echoText, board.echoText);
        r.setId("Lab1");
        r.setIp("10.0.0.5");
        r.dhcpGiven = 0;
        return r;
    }

    void configure(int32_t index, const DeviceRecord& record, ScriptedQuestion& question) {
        ASSERT_TRUE(session.startConfigureOne(log.sink(), record, index, question.question()));
        session.waitForWorker();
    }

    static Events attempts(int count, int32_t code = EVT_BROADCAST) {
        Events out;
        for (int a = 0; a < count; ++a) out.push_back({code, a});
        return out;
    }
};

TEST_F(ConfigureOneTest, AckOnTheFirstAttemptWritesTheSettingsBack) {
    SimBoard b;
    b.mac = "02a1b2c3d4e5";
    b.echoText = "";
    lan.addBoard(b);
    session.devices.freeAll();
    EventLog findLog;
    ASSERT_TRUE(session.startFind(findLog.sink()));
    session.waitForWorker();
    const int32_t index = session.devices.findByMac("02a1b2c3d4e5");
    ASSERT_GE(index, 0);

    ScriptedQuestion question;
    configure(index, settings(*session.devices.at(index)), question);
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(question.asked(), 0);

    // The request on the wire, byte for byte.
    const auto requests = lan.configureRequests();
    ASSERT_EQ(requests.size(), 1u);
    const std::vector<uint8_t> expected = {
        0x00, 0x22, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00,
        0x01, 0x06, 0x02, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5,
        0x02, 0x04, 0x0A, 0x00, 0x00, 0x05,
        0x06, 0x04, 'L', 'a', 'b', '1',
        0x07, 0x00};
    EXPECT_EQ(requests[0].bytes, expected);

    const DeviceRecord* r = session.devices.at(index);
    EXPECT_STREQ(r->id, "Lab1");
    EXPECT_STREQ(r->ip, "10.0.0.5");
    EXPECT_STREQ(r->subnet, "255.255.255.0");   // not sent: kept
    EXPECT_STREQ(r->mac, "02a1b2c3d4e5");
    EXPECT_EQ(session.idleCycles, 0);
    EXPECT_FALSE(session.operationActive);
    EXPECT_EQ(lan.board(lan.boardCount() - 1).id, "Lab1");
}

TEST_F(ConfigureOneTest, NeverAnAckAsksAfterTenAttemptsAndRetryStartsAgain) {
    SimBoard silent = lan.board(1);
    silent.silentConfigures = SimChannel::kNeverAck;
    lan.setBoard(1, silent);

    ScriptedQuestion question({QuestionAnswer::Retry, QuestionAnswer::Cancel});
    configure(1, settings(*session.devices.at(1)), question);

    Events expected = attempts(10);
    const Events again = attempts(10);
    expected.insert(expected.end(), again.begin(), again.end());
    expected.push_back({EVT_CANCELLED, 0});
    EXPECT_EQ(log.events(), expected);
    ASSERT_EQ(question.asked(), 2);
    EXPECT_EQ(question.messages()[0],
              "Could not find this device:\n\n   ID:  Bd2\n   IP:  10.0.0.2\n   SN:  "
              "020000000002\n\nCheck connections and try again.");
    EXPECT_EQ(question.batchFlags(), (std::vector<bool>{false, false}));
    EXPECT_EQ(lan.configureRequests().size(), 20u);
    // Retry sends the same datagram again.
    EXPECT_EQ(lan.configureRequests()[0].bytes, lan.configureRequests()[19].bytes);
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_FALSE(session.configureAcknowledged);
    EXPECT_EQ(session.idleCycles, 0);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(ConfigureOneTest, AckOnALaterAttempt) {
    SimBoard slow = lan.board(0);
    slow.silentConfigures = 3;
    lan.setBoard(0, slow);
    ScriptedQuestion question;
    configure(0, settings(*session.devices.at(0)), question);
    Events expected = attempts(4);
    expected.push_back({EVT_COMPLETE, 0});
    EXPECT_EQ(log.events(), expected);
}

TEST_F(ConfigureOneTest, AnAckArrivingAfterTheQuietTimeCountsInTheNextAttempt) {
    SimBoard late = lan.board(0);
    late.replyDelayMs = NetSession::kQuietMs + 200;
    lan.setBoard(0, late);
    ScriptedQuestion question;
    configure(0, settings(*session.devices.at(0)), question);
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_BROADCAST, 1}, {EVT_COMPLETE, 0}}));
}

TEST_F(ConfigureOneTest, ARefusalOrOwnRequestIsNoAck) {
    SimBoard refusing = lan.board(2);
    refusing.ackStatus = 1;
    lan.setBoard(2, refusing);
    lan.setEchoOwnSends(true);
    ScriptedQuestion question({QuestionAnswer::Cancel});
    configure(2, settings(*session.devices.at(2)), question);
    Events expected = attempts(10);
    expected.push_back({EVT_CANCELLED, 0});
    EXPECT_EQ(log.events(), expected);
    EXPECT_STREQ(session.devices.at(2)->id, "Bd3");
}

TEST_F(ConfigureOneTest, DhcpOnLeavesTheAddressUnknown) {
    DeviceRecord r = settings(*session.devices.at(3));
    r.setSubnet("255.255.0.0");
    r.setGateway("10.0.0.254");
    r.dhcpGiven = 1;
    r.dhcp = 1;
    ScriptedQuestion question;
    configure(3, r, question);
    const DeviceRecord* stored = session.devices.at(3);
    EXPECT_EQ(stored->dhcp, 1);
    EXPECT_STREQ(stored->ip, "0.0.0.0");
    EXPECT_STREQ(stored->subnet, "255.255.0.0");
    EXPECT_STREQ(stored->gateway, "10.0.0.254");
    EXPECT_STREQ(stored->id, "Lab1");
    EXPECT_STREQ(stored->echoText, "e4");
    EXPECT_STREQ(stored->number16, "4");

    // A request that changes nothing leaves a board on DHCP at 0.0.0.0, and the rest alone.
    DeviceRecord nothing;
    copyText(nothing.mac, stored->mac);
    nothing.dhcpGiven = 0;
    log.clear();
    configure(3, nothing, question);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_STREQ(stored->ip, "0.0.0.0");
    EXPECT_STREQ(stored->id, "Lab1");
    EXPECT_EQ(stored->dhcp, 1);
}

TEST_F(ConfigureOneTest, TheCallersRecordNeedNotOutliveTheStart) {
    ScriptedQuestion question;
    lan.holdReceives(true);
    {
        auto scoped = std::make_unique<DeviceRecord>(settings(*session.devices.at(0)));
        ASSERT_TRUE(session.startConfigureOne(log.sink(), *scoped, 0, question.question()));
        scoped->setId("Garbage");
    }   // gone while the operation runs
    ASSERT_TRUE(lan.waitUntilHeld());
    lan.holdReceives(false);
    session.waitForWorker();
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_STREQ(session.devices.at(0)->id, "Lab1");
}

TEST_F(ConfigureOneTest, AnUnavailableOrMissingQuestionCountsAsCancel) {
    SimBoard silent = lan.board(0);
    silent.silentConfigures = SimChannel::kNeverAck;
    lan.setBoard(0, silent);
    ScriptedQuestion unavailable({QuestionAnswer::Unavailable});
    configure(0, settings(*session.devices.at(0)), unavailable);
    EXPECT_EQ(unavailable.asked(), 1);
    EXPECT_EQ(log.events().back(), (Event{EVT_CANCELLED, 0}));

    log.clear();
    ASSERT_TRUE(session.startConfigureOne(log.sink(), settings(*session.devices.at(0)), 0, nullptr));
    session.waitForWorker();
    Events expected = attempts(10);
    expected.push_back({EVT_CANCELLED, 0});
    EXPECT_EQ(log.events(), expected);
}

TEST_F(ConfigureOneTest, WritesBackToTheIndexEvenAfterABatchOverTheSelection) {
    // A batch over the selection {0, 2} first...
    session.selection[0] = 0;
    session.selection[1] = 2;
    session.selectionCount = 2;
    DeviceRecord batchTemplate;
    batchTemplate.dhcpGiven = 0;
    batchTemplate.setId("Batch");
    ScriptedQuestion question;
    ASSERT_TRUE(session.startConfigureBatch(log.sink(), batchTemplate, 0, 1, question.question()));
    session.waitForWorker();
    ASSERT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(session.currentIndex, 1);   // the last batch position

    // ...then configure one on index 3 (neither selection[3] nor selection[currentIndex]).
    log.clear();
    configure(3, settings(*session.devices.at(3)), question);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_STREQ(session.devices.at(3)->id, "Lab1");
    EXPECT_STREQ(session.devices.at(2)->id, "Batch");
    EXPECT_STREQ(session.devices.at(0)->id, "Batch");
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
}

TEST_F(ConfigureOneTest, AnIndexOutsideTheListNamesTheBoardByItsAddress) {
    DeviceRecord r = settings(*session.devices.at(0));
    r.setId("Other");
    SimBoard silent = lan.board(0);
    silent.silentConfigures = SimChannel::kNeverAck;
    lan.setBoard(0, silent);
    ScriptedQuestion question({QuestionAnswer::Cancel});
    configure(17, r, question);
    ASSERT_EQ(question.asked(), 1);
    EXPECT_NE(question.messages()[0].find("SN:  020000000001"), std::string::npos);
    EXPECT_EQ(log.events().back(), (Event{EVT_CANCELLED, 0}));
}

}  // namespace
