// Configure one board and configure a batch over the simulated LAN: attempts, the not-found
// question, the derived settings and what is written back.
#include <gtest/gtest.h>

#include <functional>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;
using Bytes = std::vector<uint8_t>;

const char* const kBoard2NotFound =
    "Could not find this device:\n\n   ID:  Bd2\n   IP:  10.0.0.2\n   SN:  "
    "020000000002\n\nCheck connections and try again.";

class ConfigureTest : public ::testing::Test, protected SimLanSession {
protected:
    EventLog log;

    // New ID and IP for list index i (board i+1 of the simulated LAN).
    DeviceRecord settings(int32_t index) {
        DeviceRecord r;
        copyText(r.mac, session.devices.at(index)->mac);
        copyText(r.echoText, session.devices.at(index)->echoText);
        r.setId("Lab1");
        r.setIp("10.0.0.5");
        r.dhcpGiven = 0;
        return r;
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

    // What board N (mac 02000000000N, echo text eN) must receive from labTemplate().
    static Bytes labRequest(uint8_t board, uint8_t ipLow, const std::string& id) {
        Bytes out = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0,
                     1, 6, 0x02, 0, 0, 0, 0, board,
                     2, 4, 10, 0, 0, ipLow,
                     3, 4, 255, 255, 255, 0,
                     5, 1, 0,
                     6, static_cast<uint8_t>(id.size())};
        for (char c : id) out.push_back(static_cast<uint8_t>(c));
        out.insert(out.end(), {7, 2, 'e', static_cast<uint8_t>('0' + board)});
        out[1] = static_cast<uint8_t>(out.size());
        return out;
    }
};

// ---------------------------------------------------------------------------------------------
// One board

TEST_F(ConfigureTest, OneAckOnTheFirstAttemptWritesTheSettingsBack) {
    findBoards(4);
    ScriptedQuestion question;
    configureOne(log, settings(2), 2, question);
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(question.asked(), 0);

    // Exactly the built datagram, nothing beyond its length.
    uint8_t built[kSendBufferSize];
    const size_t length = buildConfigureRequest(settings(2), built, sizeof built);
    ASSERT_EQ(lan.configureRequests().size(), 1u);
    EXPECT_EQ(lan.configureRequests()[0].bytes, Bytes(built, built + length));

    const DeviceRecord* r = session.devices.at(2);
    EXPECT_STREQ(r->id, "Lab1");
    EXPECT_STREQ(r->ip, "10.0.0.5");
    EXPECT_STREQ(r->subnet, "255.255.255.0");   // not sent: kept
    EXPECT_STREQ(r->mac, "020000000003");
    EXPECT_EQ(lan.board(2).id, "Lab1");
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_EQ(nextFindCycles(), 3);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(ConfigureTest, OneNeverAnAckAsksAfterTenAttemptsAndRetryStartsAgain) {
    findBoards(4);
    neverAck(1);
    ScriptedQuestion question({QuestionAnswer::Retry, QuestionAnswer::Cancel});
    // Datagrams that are no acknowledgement, every millisecond, hold no attempt open.
    const int64_t start = lan.now();
    lan.flood(start + 1, 1, SimChannel::discoveryReply(SimBoard{}), start + 20 * NetSession::kQuietMs);
    configureOne(log, settings(1), 1, question);

    EXPECT_EQ(lan.now() - start, 20 * NetSession::kQuietMs);
    EXPECT_EQ(log.events(), numbered(EVT_BROADCAST, 10, numbered(EVT_BROADCAST, 10,
                                                                 {{EVT_CANCELLED, 0}})));
    ASSERT_EQ(question.asked(), 2);
    EXPECT_EQ(question.messages()[0], kBoard2NotFound);
    EXPECT_EQ(question.batchFlags(), (std::vector<bool>{false, false}));
    DeviceRecord hostile;   // a board's text reaches the message without its control characters
    hostile.setId("\x1b]0;x\x07\x9b");
    EXPECT_NE(notFoundMessage(hostile).find("ID:  ?]0;x??\n"), std::string::npos);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 20u);
    EXPECT_EQ(sent[0].bytes, sent[19].bytes);   // Retry sends the same datagram again
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_EQ(nextFindCycles(), 3);
    EXPECT_FALSE(lan.isOpen());
}

// The acknowledgement is looked at when an attempt ends; only status 0 from a board counts, and
// not one from another listed board's address (10.0.0.2), nor one that was waiting already.
TEST_F(ConfigureTest, OneAttemptsUntilAnAck) {
    struct Case {
        const char* name;
        std::function<void(SimBoard&)> board;
        const char* ackFrom;   // a datagram, once the board is found: an ack from this address
        int64_t ackAfterMs;
        Events events;
    };
    const auto silent = [](SimBoard& b) { b.silentConfigures = SimChannel::kNeverAck; };
    const Events cancelled = numbered(EVT_BROADCAST, 10, {{EVT_CANCELLED, 0}});
    const Events first = {{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}};
    const Case cases[] = {
        {"silent for three requests", [](SimBoard& b) { b.silentConfigures = 3; }, nullptr, 0,
         numbered(EVT_BROADCAST, 4, {{EVT_COMPLETE, 0}})},
        {"ack after the quiet time", [](SimBoard& b) { b.replyDelayMs = NetSession::kQuietMs + 200; },
         nullptr, 0, numbered(EVT_BROADCAST, 2, {{EVT_COMPLETE, 0}})},
        {"refusal, with our own requests heard back", [](SimBoard& b) { b.ackStatus = 1; }, nullptr, 0,
         cancelled},
        {"ack from another board's address", silent, "10.0.0.2", 100, cancelled},
        {"ack from an address no board has", silent, "10.9.9.9", 100, first},
        {"ack from an address this board shares", [&](SimBoard& b) { silent(b); b.ip = "10.0.0.2"; },
         "10.0.0.2", 100, first},
        {"ack waiting before the first request", silent, "", 0, cancelled},
    };
    for (const Case& c : cases) {
        SimLanSession sim;
        sim.lan.addBoards(2);
        SimBoard b = sim.lan.board(0);
        c.board(b);
        sim.lan.setBoard(0, b);
        sim.lan.setEchoOwnSends(true);
        EventLog found;
        sim.find(found);
        if (c.ackFrom) sim.lan.inject(sim.lan.now() + c.ackAfterMs, SimChannel::acknowledgement(0), c.ackFrom);
        EventLog events;
        ScriptedQuestion question({QuestionAnswer::Cancel});
        DeviceRecord r;
        copyText(r.mac, "020000000001");
        r.setId("New");
        const int32_t index = sim.session.devices.findByMac(r.mac);
        sim.configureOne(events, r, index, question);
        EXPECT_EQ(events.events(), c.events) << c.name << ": " << eventsText(events.events());
        const bool acked = c.events.back().code == EVT_COMPLETE;
        EXPECT_STREQ(sim.session.devices.at(index)->id, acked ? "New" : "Bd1") << c.name;
    }
}

// A board's late acknowledgement lands in the next board's attempts: it is not that board's.
TEST_F(ConfigureTest, BatchALateAcknowledgementIsNotTheNextBoards) {
    findBoards(2);
    neverAck(1);
    log.setOnEvent([this](int32_t code, int32_t value) {
        if (code == EVT_CONFIG_BROADCAST && value == 0 && session.batchPosition() == 1)
            lan.inject(lan.now() + 200, SimChannel::acknowledgement(0), "10.0.0.1");
    });
    ScriptedQuestion question({QuestionAnswer::Ignore});
    batch(log, labTemplate(), 1, all(), question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0}));
    EXPECT_EQ(question.asked(), 1);
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
}

TEST_F(ConfigureTest, OneDhcpOnLeavesTheAddressUnknown) {
    findBoards(4);
    DeviceRecord r = settings(3);
    r.setSubnet("255.255.0.0");
    r.setGateway("10.0.0.254");
    r.dhcpGiven = 1;
    r.dhcp = 1;
    ScriptedQuestion question;
    configureOne(log, r, 3, question);
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
    configureOne(log, nothing, 3, question);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_STREQ(stored->ip, "0.0.0.0");
    EXPECT_STREQ(stored->id, "Lab1");
    EXPECT_EQ(stored->dhcp, 1);
}

TEST_F(ConfigureTest, OneWithoutAnAnswerEndsAsCancel) {
    findBoards(2);
    neverAck(0);
    ScriptedQuestion unavailable({QuestionAnswer::Unavailable});
    configureOne(log, settings(0), 0, unavailable);
    EXPECT_EQ(unavailable.asked(), 1);
    EXPECT_EQ(log.events(), numbered(EVT_BROADCAST, 10, {{EVT_CANCELLED, 0}}));

    log.clear();   // no question at all
    ASSERT_TRUE(session.startConfigureOne(log.sink(), settings(0), 0, nullptr));
    session.waitForWorker();
    EXPECT_EQ(log.events(), numbered(EVT_BROADCAST, 10, {{EVT_CANCELLED, 0}}));

    // An index outside the list: the question names the board by the request's address.
    log.clear();
    ScriptedQuestion question({QuestionAnswer::Cancel});
    configureOne(log, settings(0), 17, question);
    ASSERT_EQ(question.asked(), 1);
    EXPECT_NE(question.messages()[0].find("SN:  020000000001"), std::string::npos);
    EXPECT_EQ(log.events().back(), (Event{EVT_CANCELLED, 0}));
}

TEST_F(ConfigureTest, OneWritesToItsIndexEvenAfterABatchOverChosenBoards) {
    findBoards(4);
    DeviceRecord batchTemplate;
    batchTemplate.dhcpGiven = 0;
    batchTemplate.setId("Batch");
    ScriptedQuestion question;
    batch(log, batchTemplate, 0, {0, 2}, question);
    ASSERT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(session.batchPosition(), 1);   // the last batch position

    // Index 3 is neither the batch's board 3 nor the one at its last position.
    configureOne(log, settings(3), 3, question);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_STREQ(session.devices.at(3)->id, "Lab1");
    EXPECT_STREQ(session.devices.at(2)->id, "Batch");
    EXPECT_STREQ(session.devices.at(0)->id, "Batch");
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
}

// ---------------------------------------------------------------------------------------------
// Batch

TEST_F(ConfigureTest, BatchOverChosenBoardsNumbersByPosition) {
    findBoards(6);
    ScriptedQuestion question;
    batch(log, labTemplate(), 7, {2, 5}, question);

    EXPECT_EQ(log.events(), (Events{{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 2},
                                    {EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 5},
                                    {EVT_BATCH_COMPLETE, 0}}));
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes, labRequest(3, 20, "Lab007"));
    EXPECT_EQ(sent[1].bytes, labRequest(6, 21, "Lab008"));
    EXPECT_STREQ(session.devices.at(2)->id, "Lab007");
    EXPECT_STREQ(session.devices.at(2)->ip, "10.0.0.20");
    EXPECT_STREQ(session.devices.at(5)->id, "Lab008");
    EXPECT_STREQ(session.devices.at(5)->ip, "10.0.0.21");
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(std::string(session.devices.at(i)->id), "Bd" + std::to_string(i + 1));
    EXPECT_EQ(nextFindCycles(), 3);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(ConfigureTest, BatchOverAllBoardsCarriesAcrossOctets) {
    findBoards(4);
    DeviceRecord t = labTemplate();
    t.setIp("10.0.0.254");
    ScriptedQuestion question;
    batch(log, t, 9, all(), question);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
    const char* ids[] = {"Lab009", "Lab010", "Lab011", "Lab012"};
    const char* ips[] = {"10.0.0.254", "10.0.0.255", "10.0.1.0", "10.0.1.1"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(session.devices.at(i)->id, ids[i]);
        EXPECT_STREQ(session.devices.at(i)->ip, ips[i]);
        EXPECT_EQ(lan.board(i).ip, ips[i]);
    }
}

TEST_F(ConfigureTest, BatchSendsOnlyWhatTheTemplateGives) {
    findBoards(3);
    DeviceRecord t;
    t.setGateway("10.0.0.1");
    t.dhcpGiven = 0;
    ScriptedQuestion question;
    batch(log, t, 0, all(), question);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 3u);
    // Header, Mac, Gateway, EchoText: no Ip, Subnet, Dhcp or Id field.
    EXPECT_EQ(sent[1].bytes, (Bytes{0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0,
                                    1, 6, 0x02, 0, 0, 0, 0, 0x02,
                                    4, 4, 10, 0, 0, 1,
                                    7, 2, 'e', '2'}));
    EXPECT_STREQ(session.devices.at(1)->id, "Bd2");
    EXPECT_STREQ(session.devices.at(1)->ip, "10.0.0.2");
    EXPECT_STREQ(session.devices.at(1)->gateway, "10.0.0.1");

    // '%' takes each board's own mac; an unreadable first address is not sent.
    t = DeviceRecord{};
    t.setId("R#%%");
    t.setIp("10.0.0.x");
    t.dhcpGiven = 0;
    batch(log, t, 5, {1, 2}, question);
    EXPECT_STREQ(session.devices.at(1)->id, "R502");
    EXPECT_STREQ(session.devices.at(2)->id, "R603");
    EXPECT_STREQ(session.devices.at(2)->ip, "10.0.0.3");
    EXPECT_STREQ(session.devices.at(0)->id, "Bd1");
    EXPECT_EQ(lan.configureRequests().back().bytes[20], 6);   // Id follows Mac directly
}

TEST_F(ConfigureTest, BatchRetryConfiguresTheSameBoardWithTheSameSettings) {
    findBoards(2);
    SimBoard slow = lan.board(1);
    slow.silentConfigures = NetSession::kMaxCycles;   // answers the 11th request
    lan.setBoard(1, slow);
    ScriptedQuestion question({QuestionAnswer::Retry});
    batch(log, labTemplate(), 0, all(), question);

    Events expected = {{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 0}};
    const Events retried = numbered(EVT_CONFIG_BROADCAST, 10, {{EVT_CONFIG_BROADCAST, 0},
                                    {EVT_CONFIGURED, 1}, {EVT_BATCH_COMPLETE, 0}});
    expected.insert(expected.end(), retried.begin(), retried.end());
    EXPECT_EQ(log.events(), expected);
    ASSERT_EQ(question.asked(), 1);
    EXPECT_EQ(question.batchFlags(), (std::vector<bool>{true}));
    EXPECT_EQ(question.messages()[0], kBoard2NotFound);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 12u);
    EXPECT_EQ(sent[1].bytes, labRequest(2, 21, "Lab001"));
    EXPECT_EQ(sent[11].bytes, sent[1].bytes);
    EXPECT_STREQ(session.devices.at(1)->id, "Lab001");
}

TEST_F(ConfigureTest, BatchIgnoreOrNoAnswerSkipsTheBoard) {
    for (QuestionAnswer answer : {QuestionAnswer::Ignore, QuestionAnswer::Unavailable}) {
        SimLanSession sim;
        sim.findBoards(3);
        sim.neverAck(1);
        sim.neverAck(2);
        EventLog events;
        ScriptedQuestion question({answer});
        sim.batch(events, labTemplate(), 0, sim.all(), question);
        EXPECT_EQ(events.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0}));
        EXPECT_EQ(events.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
        ASSERT_EQ(question.asked(), 2);   // board 1, then the last board
        EXPECT_NE(question.messages()[1].find("ID:  Bd3"), std::string::npos);
        EXPECT_EQ(sim.lan.configureRequests().size(), 21u);
        EXPECT_STREQ(sim.session.devices.at(1)->id, "Bd2");
    }
}

TEST_F(ConfigureTest, BatchAbortEndsAtOnce) {
    findBoards(3);
    neverAck(0);
    ScriptedQuestion question({QuestionAnswer::Abort});
    batch(log, labTemplate(), 0, all(), question);
    EXPECT_EQ(log.events(), numbered(EVT_CONFIG_BROADCAST, 10, {{EVT_BATCH_CANCELLED, 0}}));
    EXPECT_EQ(lan.configureRequests().size(), 10u);   // nothing for boards 1 and 2
    EXPECT_EQ(nextFindCycles(), 3);
    EXPECT_FALSE(lan.isOpen());
}

TEST_F(ConfigureTest, BatchBoardEdges) {
    // No boards: only the final event, and no network failure.
    ScriptedQuestion question;
    batch(log, labTemplate(), 0, all(), question);
    EXPECT_EQ(log.events(), (Events{{EVT_BATCH_COMPLETE, 0}}));
    EXPECT_FALSE(session.openFailed() || session.sendFailed());

    // Boards listed, none chosen: none is configured, never every board.
    findBoards(3);
    log.clear();
    batch(log, labTemplate(), 1, {}, question);
    EXPECT_EQ(log.events(), (Events{{EVT_BATCH_COMPLETE, 0}}));
    EXPECT_TRUE(lan.configureRequests().empty());
    EXPECT_STREQ(session.devices.at(2)->id, "Bd3");

    // An entry that names no listed board is skipped without a question.
    log.clear();
    batch(log, labTemplate(), 0, {1, 40}, question);
    EXPECT_EQ(log.events(), (Events{{EVT_CONFIG_BROADCAST, 0}, {EVT_CONFIGURED, 1},
                                    {EVT_BATCH_COMPLETE, 0}}));
    EXPECT_EQ(question.asked(), 0);
}

// The caller's record or template may be gone while the operation runs.
TEST_F(ConfigureTest, RecordsAreCopiedAtTheStart) {
    findBoards(2);
    ScriptedQuestion question;
    for (bool one : {true, false}) {
        lan.holdReceives(true);
        {
            auto scoped = std::make_unique<DeviceRecord>(one ? settings(0) : labTemplate());
            ASSERT_TRUE(one ? session.startConfigureOne(log.sink(), *scoped, 0, question.question())
                            : session.startConfigureBatch(log.sink(), *scoped, 3, all(),
                                                          question.question()));
            scoped->setId("Garbage");
        }
        ASSERT_TRUE(lan.waitUntilHeld());
        lan.holdReceives(false);
        session.waitForWorker();
        EXPECT_EQ(log.events().back(), (Event{one ? EVT_COMPLETE : EVT_BATCH_COMPLETE, 0}));
        EXPECT_STREQ(session.devices.at(0)->id, one ? "Lab1" : "Lab003");
    }
    EXPECT_STREQ(session.devices.at(1)->id, "Lab004");
}

// A round sends every request as configure one builds it, in bursts, without waiting; the
// acknowledgements, whoever sends them, are counted and write nothing into the list.
TEST_F(ConfigureTest, ARoundSendsEveryRequestPacedAndOnlyCountsAcknowledgements) {
    findBoards(40);
    neverAck(5);
    std::vector<DeviceRecord> requests;
    for (int32_t i = 0; i < 40; ++i) requests.push_back(settings(i));
    const int64_t start = lan.now();
    lan.inject(start + 300, SimChannel::acknowledgement(0));   // from no board of the round
    ASSERT_TRUE(session.startConfigureRound(log.sink(), requests, RoundPacing{16, 2}));
    session.waitForWorker();
    EXPECT_EQ(log.events(), (Events{{EVT_ROUND_SENT, 40}, {EVT_ROUND_COMPLETE, 0}}));
    EXPECT_EQ(session.roundAcknowledgements(), 40);
    const auto sent = lan.configureRequests();
    ASSERT_EQ(sent.size(), 40u);
    for (size_t i = 0; i < sent.size(); ++i) {
        uint8_t built[kSendBufferSize];
        const size_t length = buildConfigureRequest(requests[i], built, sizeof built);
        EXPECT_EQ(sent[i].bytes, Bytes(built, built + length)) << i;
        EXPECT_EQ(sent[i].atMs, start + static_cast<int64_t>(i / 16) * 2) << i;
    }
    EXPECT_EQ(lan.now(), start + 300 + NetSession::kQuietMs);
    EXPECT_STREQ(session.devices.at(0)->id, "Bd1");
    EXPECT_EQ(lan.board(0).id, "Lab1");
    EXPECT_EQ(lan.board(5).id, "Bd6");
    EXPECT_EQ(nextFindCycles(), 3);
}

}  // namespace
