// Find over the simulated LAN: cycle counting, the events, what becomes a board.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;

class FindTest : public ::testing::Test {
protected:
    SimLanSession sim;
    SimChannel& lan = sim.lan;
    NetSession& session = sim.session;
    EventLog log;

    void find() {
        ASSERT_TRUE(session.startFind(log.sink()));
        session.waitForWorker();
    }
};

TEST_F(FindTest, NoBoardsGivesThreeQuietCyclesThenComplete) {
    find();
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_BROADCAST, 1}, {EVT_BROADCAST, 2},
                                    {EVT_COMPLETE, 0}}));
    EXPECT_EQ(session.idleCycles, 0);
    EXPECT_EQ(lan.now(), 3 * NetSession::kQuietMs);
    EXPECT_EQ(lan.openCount(), 1);
    EXPECT_EQ(lan.closeCount(), 1);
    EXPECT_FALSE(lan.isOpen());
    EXPECT_FALSE(session.networkFailed);
    EXPECT_FALSE(session.operationActive);
    EXPECT_TRUE(session.workerIdle);

    // Every discovery goes out as 256 bytes: the 12-byte header, then zeros.
    const auto sent = lan.sent();
    ASSERT_EQ(sent.size(), 3u);
    std::vector<uint8_t> expected(256, 0);
    expected[1] = 0x0C;
    expected[10] = 1;
    for (const auto& d : sent) EXPECT_EQ(d.bytes, expected);
}

TEST_F(FindTest, ANewBoardEveryCycleRunsTenCycles) {
    lan.setNewBoardEachDiscovery(true);
    find();
    Events expected;
    for (int r = 0; r < NetSession::kMaxCycles; ++r) {
        expected.push_back({EVT_BROADCAST, r});
        expected.push_back({EVT_FOUND, r});
    }
    expected.push_back({EVT_COMPLETE, 0});
    EXPECT_EQ(log.events(), expected);
    EXPECT_EQ(session.devices.count(), 10);
    EXPECT_EQ(session.idleCycles, 0);
}

TEST_F(FindTest, BoardsBecomeRecordsWithEveryField) {
    SimBoard b;
    b.mac = "0a1b2d3e4f56";
    b.ip = "192.168.0.10";
    b.subnet = "255.255.0.0";
    b.gateway = "192.168.0.1";
    b.id = "Pump-7";
    b.echoText = "v2.1";
    b.dhcp = 1;
    b.number16 = 65535;
    lan.addBoard(b);
    lan.addBoards(2);
    find();

    ASSERT_EQ(session.devices.count(), 3);
    const DeviceRecord* r = session.devices.at(0);
    EXPECT_STREQ(r->mac, "0a1b2d3e4f56");
    EXPECT_STREQ(r->ip, "192.168.0.10");
    EXPECT_STREQ(r->subnet, "255.255.0.0");
    EXPECT_STREQ(r->gateway, "192.168.0.1");
    EXPECT_STREQ(r->id, "Pump-7");
    EXPECT_STREQ(r->echoText, "v2.1");
    EXPECT_STREQ(r->number16, "65535");
    EXPECT_EQ(r->dhcp, 1);
    EXPECT_EQ(r->dhcpGiven, 1);
    EXPECT_STREQ(session.devices.at(1)->mac, "020000000001");
    EXPECT_STREQ(session.devices.at(2)->id, "Bd2");
    // Three new boards in the first cycle: each resets the count after the cycle counted
    // itself, so three more quiet cycles are needed.
    EXPECT_EQ(log.withoutFound(), (Events{{EVT_BROADCAST, 0}, {EVT_BROADCAST, 1},
                                          {EVT_BROADCAST, 2}, {EVT_BROADCAST, 3},
                                          {EVT_COMPLETE, 0}}));
    EXPECT_EQ(log.valuesOf(EVT_FOUND), (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(FindTest, OneNewBoardInTheFirstDatagramLeavesTheCycleCounted) {
    lan.addBoards(1);
    find();
    // The new board resets the count before the cycle counts itself: 1 after cycle 0.
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                    {EVT_BROADCAST, 2}, {EVT_COMPLETE, 0}}));
}

TEST_F(FindTest, OwnBroadcastCountsTheCycleBeforeANewBoardResetsIt) {
    lan.setEchoOwnSends(true);
    SimBoard b;
    b.replyDelayMs = 5;
    lan.addBoard(b);
    find();
    // Own request first (rejected, but it counts the cycle), then the board: the count ends
    // at 0, so a fourth cycle runs.
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                    {EVT_BROADCAST, 2}, {EVT_BROADCAST, 3}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(session.devices.count(), 1);
}

TEST_F(FindTest, DuplicatesAreIgnoredAndLeaveTheCountAlone) {
    SimBoard first;
    first.id = "First";
    SimBoard again = first;   // same mac, other fields differ
    again.id = "Second";
    again.ip = "10.9.9.9";
    again.replyDelayMs = 10;
    lan.addBoard(first);
    lan.addBoard(again);
    find();
    ASSERT_EQ(session.devices.count(), 1);
    EXPECT_STREQ(session.devices.at(0)->id, "First");
    EXPECT_STREQ(session.devices.at(0)->ip, "10.0.0.1");
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                    {EVT_BROADCAST, 2}, {EVT_COMPLETE, 0}}));
}

TEST_F(FindTest, JunkAndOversizeDatagramsDoNotEndTheSearch) {
    std::vector<uint8_t> badTag = SimChannel::discoveryReply(SimBoard{});
    badTag[12] = 9;
    lan.inject(100, std::vector<uint8_t>(300, 0x55));   // longer than any board sends
    lan.inject(200, {});                                 // empty
    lan.inject(300, badTag);
    lan.inject(400, {0x00, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0});  // header only
    lan.inject(500, {0x01, 0x00});                       // length 1
    SimBoard late;
    late.replyDelayMs = 600;
    lan.addBoard(late);
    find();
    ASSERT_EQ(session.devices.count(), 1);
    EXPECT_STREQ(session.devices.at(0)->mac, "02a1b2c3d4e5");
    EXPECT_EQ(lan.closeCount(), 1);
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                    {EVT_BROADCAST, 2}, {EVT_BROADCAST, 3}, {EVT_COMPLETE, 0}}));
}

TEST_F(FindTest, AReplyAfterTheQuietTimeIsTakenByTheNextCycle) {
    SimBoard slow;
    slow.replyDelayMs = NetSession::kQuietMs + 500;
    slow.firstDiscovery = 0;
    lan.addBoard(slow);
    find();
    ASSERT_EQ(session.devices.count(), 1);
    const auto events = log.events();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[1], (Event{EVT_BROADCAST, 1}));
    EXPECT_EQ(events[2], (Event{EVT_FOUND, 0}));
    EXPECT_EQ(log.countOf(EVT_COMPLETE), 1);
}

TEST_F(FindTest, AFloodOfRepeatsEndsEachCycleAtTheCeiling) {
    SimBoard b;
    // Far longer than a find may take, yet finite, so that a missing ceiling fails, not hangs.
    lan.flood(0, 10, SimChannel::discoveryReply(b), 1000000);
    find();
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                    {EVT_BROADCAST, 2}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(lan.now(), 3 * NetSession::kCycleCeilingMs);
}

TEST_F(FindTest, AFloodWithNewBoardsStillStopsAfterTenCycles) {
    lan.flood(0, 1, SimChannel::discoveryReply(SimBoard{}), 200000);
    lan.setNewBoardEachDiscovery(true);
    find();
    EXPECT_EQ(log.countOf(EVT_BROADCAST), NetSession::kMaxCycles);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_EQ(session.devices.count(), NetSession::kMaxCycles + 1);
    EXPECT_LE(lan.now(), NetSession::kMaxCycles * NetSession::kCycleCeilingMs);
}

TEST_F(FindTest, ManyBoardsAskOnceAndGoOnWhenTold) {
    lan.addBoards(NetSession::kManyBoards + 3);
    log.setTooManyAnswer(true);
    find();
    const auto events = log.events();
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 1);
    EXPECT_EQ(session.devices.count(), NetSession::kManyBoards + 3);
    // Asked right after the 4097th board was reported.
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].code == EVT_TOO_MANY) {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(events[i - 1], (Event{EVT_FOUND, NetSession::kManyBoards}));
        }
    }
    EXPECT_TRUE(session.manyBoardsAsked);
    EXPECT_EQ(events.back(), (Event{EVT_COMPLETE, 0}));

    // The next find asks again.
    session.devices.freeAll();
    log.clear();
    find();
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 1);
}

TEST_F(FindTest, ExactlyTheLimitAsksNothing) {
    lan.addBoards(NetSession::kManyBoards);
    find();
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 0);
    EXPECT_EQ(session.devices.count(), NetSession::kManyBoards);
}

TEST_F(FindTest, AbortingAtTheManyBoardsQuestionKeepsWhatWasFound) {
    lan.addBoards(NetSession::kManyBoards + 50);
    log.setTooManyAnswer(false);
    find();
    const auto events = log.events();
    ASSERT_GE(events.size(), 3u);
    // Nothing more after the answer: the search ends at once.
    EXPECT_EQ(events[events.size() - 2], (Event{EVT_TOO_MANY, 0}));
    EXPECT_EQ(events.back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_EQ(log.countOf(EVT_BROADCAST), 1);
    EXPECT_EQ(session.devices.count(), NetSession::kManyBoards + 1);
    EXPECT_TRUE(session.cancelRequested);
    EXPECT_EQ(session.idleCycles, 0);
}

TEST_F(FindTest, AReplyWithoutAFieldDoesNotInheritThePreviousBoards) {
    SimBoard full;
    lan.addBoard(full);
    // A second board whose reply carries only its Mac and Id.
    std::vector<uint8_t> bare = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0,
                                 1, 6, 0x02, 0, 0, 0, 0, 0x99, 6, 2, 'B', 'x'};
    bare[1] = static_cast<uint8_t>(bare.size());
    lan.inject(50, bare);
    find();
    ASSERT_EQ(session.devices.count(), 2);
    const DeviceRecord* r = session.devices.at(1);
    EXPECT_STREQ(r->mac, "020000000099");
    EXPECT_STREQ(r->id, "Bx");
    EXPECT_STREQ(r->ip, "");
    EXPECT_STREQ(r->gateway, "");
    EXPECT_STREQ(r->echoText, "");
}

}  // namespace
