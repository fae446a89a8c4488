// Find over the simulated LAN: cycle counting, the events, what becomes a board.
#include <gtest/gtest.h>

#include <functional>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;

class FindTest : public ::testing::Test, protected SimLanSession {
protected:
    EventLog log;
};

TEST_F(FindTest, NoBoardsGivesThreeQuietCyclesThenComplete) {
    find(log);
    EXPECT_EQ(log.events(), numbered(EVT_BROADCAST, 3, {{EVT_COMPLETE, 0}}));
    EXPECT_EQ(lan.now(), 3 * NetSession::kQuietMs);
    EXPECT_EQ(lan.openCount(), 1);
    EXPECT_EQ(lan.closeCount(), 1);
    EXPECT_FALSE(session.openFailed());
    EXPECT_FALSE(session.sendFailed());
    EXPECT_FALSE(session.operationRunning().load());
    EXPECT_TRUE(session.isIdle());

    // Every discovery goes out as 256 bytes: the 12-byte header, then zeros.
    std::vector<uint8_t> expected(256, 0);
    expected[1] = 0x0C;
    expected[10] = 1;
    ASSERT_EQ(lan.sent().size(), 3u);
    for (const auto& d : lan.sent()) EXPECT_EQ(d.bytes, expected);
    EXPECT_EQ(nextFindCycles(), 3);
}

TEST_F(FindTest, ANewBoardEveryCycleRunsTenCycles) {
    lan.setNewBoardEachDiscovery(true);
    find(log);
    Events expected;
    for (int r = 0; r < NetSession::kMaxCycles; ++r) {
        expected.push_back({EVT_BROADCAST, r});
        expected.push_back({EVT_FOUND, r});
    }
    expected.push_back({EVT_COMPLETE, 0});
    EXPECT_EQ(log.events(), expected);
    lan.setNewBoardEachDiscovery(false);
    EXPECT_EQ(nextFindCycles(), 3);
}

// A cycle counts itself once, at its first datagram (whatever it is) or at its time-out; a new
// board resets the count. So whether a new board comes before or after the cycle counted
// itself decides how many cycles the search needs.
TEST_F(FindTest, CycleCounting) {
    std::vector<uint8_t> badTag = SimChannel::discoveryReply(SimBoard{});
    badTag[12] = 9;
    struct Case {
        const char* name;
        std::function<void(SimChannel&)> setUp;
        Events events;
        const char* firstId;   // of the one board listed
    };
    const Events threeCycles = {{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                                {EVT_BROADCAST, 2}, {EVT_COMPLETE, 0}};
    const Events fourCycles = {{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1},
                               {EVT_BROADCAST, 2}, {EVT_BROADCAST, 3}, {EVT_COMPLETE, 0}};
    const Case cases[] = {
        {"new board in the first datagram", [](SimChannel& lan) { lan.addBoards(1); },
         threeCycles, "Bd1"},
        {"own broadcast first, then the board",
         [](SimChannel& lan) {
             lan.setEchoOwnSends(true);
             SimBoard b;
             b.replyDelayMs = 5;
             lan.addBoard(b);
         },
         fourCycles, "Board"},
        {"a repeat with other fields is no news",
         [](SimChannel& lan) {
             SimBoard first;
             SimBoard again = first;
             again.id = "Second";
             again.ip = "10.9.9.9";
             again.replyDelayMs = 10;
             lan.addBoard(first);
             lan.addBoard(again);
         },
         threeCycles, "Board"},
        {"junk and oversize datagrams first",
         [&badTag](SimChannel& lan) {
             lan.inject(100, std::vector<uint8_t>(300, 0x55));   // longer than any board sends
             lan.inject(200, {});
             lan.inject(300, badTag);
             lan.inject(400, {0x00, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0});   // header only
             lan.inject(500, {0x01, 0x00});                                // length 1
             SimBoard late;
             late.replyDelayMs = 600;
             lan.addBoard(late);
         },
         fourCycles, "Board"},
        {"a cycle that lost replies is no quiet one",
         [](SimChannel& lan) {
             lan.addBoards(1);
             lan.setLostDatagramsInCycles({1, 2});   // the system had no room for some replies
         },
         {{EVT_BROADCAST, 0}, {EVT_FOUND, 0}, {EVT_BROADCAST, 1}, {EVT_BROADCAST, 2},
          {EVT_BROADCAST, 3}, {EVT_BROADCAST, 4}, {EVT_BROADCAST, 5}, {EVT_COMPLETE, 0}},
         "Bd1"},
        {"a reply after the quiet time goes to the next cycle",
         [](SimChannel& lan) {
             SimBoard slow;
             slow.replyDelayMs = NetSession::kQuietMs + 500;
             lan.addBoard(slow);
         },
         {{EVT_BROADCAST, 0}, {EVT_BROADCAST, 1}, {EVT_FOUND, 0}, {EVT_BROADCAST, 2},
          {EVT_BROADCAST, 3}, {EVT_COMPLETE, 0}},
         "Board"},
    };
    for (const Case& c : cases) {
        SimLanSession sim;
        EventLog events;
        c.setUp(sim.lan);
        sim.find(events);
        EXPECT_EQ(events.events(), c.events) << c.name << ": " << eventsText(events.events());
        ASSERT_EQ(sim.session.devices.count(), 1) << c.name;
        EXPECT_STREQ(sim.session.devices.at(0)->id, c.firstId) << c.name;
        EXPECT_STREQ(sim.session.devices.at(0)->ip, "10.0.0.1") << c.name;
        EXPECT_EQ(sim.lan.closeCount(), 1) << c.name;   // nothing closed the socket early
    }

    // Three new boards in the first cycle: the last resets the count after the cycle counted.
    lan.addBoards(3);
    find(log);
    EXPECT_EQ(log.withoutFound(), numbered(EVT_BROADCAST, 4, {{EVT_COMPLETE, 0}}));
    EXPECT_EQ(log.valuesOf(EVT_FOUND), (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(FindTest, RepliesBecomeRecordsAndAMissingFieldIsNotInherited) {
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
    // A second board whose reply carries only its Mac and Id; a reply without a Mac is none.
    lan.inject(50, {0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0,
                    1, 6, 0x02, 0, 0, 0, 0, 0x99, 6, 2, 'B', 'x'});
    lan.inject(60, {0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 6, 2, 'N', 'o'});
    // Where asked, other answers for an SN are kept, each once.
    SimBoard twin = b;
    twin.id = "Twin";
    for (int64_t at : {70, 80, 1100}) lan.inject(at, SimChannel::discoveryReply(twin));
    session.keepOtherAnswers(true);
    find(log);

    ASSERT_EQ(session.devices.count(), 2);
    ASSERT_EQ(session.devices.otherAnswers(0).size(), 1u);
    EXPECT_STREQ(session.devices.otherAnswers(0)[0].id, "Twin");
    EXPECT_TRUE(session.devices.otherAnswers(1).empty());
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

    const DeviceRecord* bare = session.devices.at(1);
    EXPECT_STREQ(bare->mac, "020000000099");
    EXPECT_STREQ(bare->id, "Bx");
    for (const char* text : {bare->ip, bare->subnet, bare->gateway, bare->echoText, bare->number16})
        EXPECT_STREQ(text, "");
    EXPECT_EQ(bare->dhcp, 0);
}

TEST_F(FindTest, AStreamOfBoardsEndsEachCycleAtTheCeilingAndStraysNeverHoldItOpen) {
    // A new board every 10 ms, for longer than a cycle may last.
    SimBoard b;
    for (int i = 0; i < 1000; ++i) {
        b.mac = "0300000" + std::to_string(10000 + i);
        lan.inject(10 * i, SimChannel::discoveryReply(b));
    }
    int64_t secondCycleAt = -1;
    log.setOnEvent([&](int32_t code, int32_t value) {
        if (code == EVT_BROADCAST && value == 1) secondCycleAt = lan.now();
    });
    find(log);
    EXPECT_EQ(secondCycleAt, NetSession::kCycleCeilingMs);
    EXPECT_EQ(session.devices.count(), 1000);

    // With a new board every cycle and a board repeating itself, the ten-cycle limit holds.
    SimLanSession busy;
    EventLog busyLog;
    busy.lan.flood(0, 1, SimChannel::discoveryReply(SimBoard{}), 200000);
    busy.lan.setNewBoardEachDiscovery(true);
    busy.find(busyLog);
    EXPECT_EQ(busyLog.withoutFound(), numbered(EVT_BROADCAST, 10, {{EVT_COMPLETE, 0}}));
    EXPECT_EQ(busy.session.devices.count(), NetSession::kMaxCycles + 1);

    // Junk every millisecond, our own requests heard back, and a second finder whose requests
    // the boards answer too: each is read and dropped, and the find takes a quiet LAN's time.
    SimLanSession chatty;
    EventLog chattyLog;
    chatty.lan.addBoards(3);
    chatty.lan.setEchoOwnSends(true);
    chatty.lan.flood(1, 1, std::vector<uint8_t>(64, 0xA5));
    std::vector<uint8_t> otherFinder(kDiscoveryDatagramSize);
    buildDiscoveryRequest(otherFinder.data());
    chatty.lan.flood(500, NetSession::kQuietMs, otherFinder);
    for (int i = 0; i < 3; ++i)
        chatty.lan.flood(500, NetSession::kQuietMs, SimChannel::discoveryReply(chatty.lan.board(i)));
    chatty.find(chattyLog);
    EXPECT_EQ(chattyLog.withoutFound(), numbered(EVT_BROADCAST, 4, {{EVT_COMPLETE, 0}}));
    EXPECT_EQ(chattyLog.valuesOf(EVT_FOUND), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(chatty.lan.now(), 4 * NetSession::kQuietMs);
}

TEST_F(FindTest, ThePastManyBoardsQuestionIsAskedOncePerFind) {
    lan.addBoards(NetSession::kManyBoards);
    find(log);
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 0);

    lan.addBoards(3, NetSession::kManyBoards + 1);
    session.devices.freeAll();
    log.clear();
    find(log);
    EXPECT_EQ(session.devices.count(), NetSession::kManyBoards + 3);
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 1);
    const auto events = log.events();
    for (size_t i = 1; i < events.size(); ++i) {   // right after the 4097th board
        if (events[i].code == EVT_TOO_MANY) {
            EXPECT_EQ(events[i - 1], (Event{EVT_FOUND, NetSession::kManyBoards}));
        }
    }
    EXPECT_EQ(events.back(), (Event{EVT_COMPLETE, 0}));

    session.devices.freeAll();   // the next find asks again
    log.clear();
    find(log);
    EXPECT_EQ(log.countOf(EVT_TOO_MANY), 1);
}

TEST_F(FindTest, AbortingAtTheManyBoardsQuestionKeepsWhatWasFound) {
    lan.addBoards(NetSession::kManyBoards + 50);
    log.setTooManyAnswer(false);
    find(log);
    const auto events = log.events();
    ASSERT_GE(events.size(), 3u);
    // Nothing more after the answer: the search ends at once.
    EXPECT_EQ(events[events.size() - 2], (Event{EVT_TOO_MANY, 0}));
    EXPECT_EQ(events.back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_EQ(log.countOf(EVT_BROADCAST), 1);
    EXPECT_EQ(session.devices.count(), NetSession::kManyBoards + 1);
}

// A find awaiting boards ends a settling time after the last of them answered; one that never
// answers leaves it to end as any find does.
TEST_F(FindTest, AFindAwaitingBoardsEndsOnceTheyAllAnswered) {
    lan.addBoards(3);
    SimBoard late = lan.board(2);
    late.replyDelayMs = 300;
    lan.setBoard(2, late);
    ASSERT_TRUE(session.startFreshFind(log.sink(), {}, {"020000000001", "020000000003"}));
    session.waitForWorker();
    EXPECT_EQ(log.withoutFound(), (Events{{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(session.devices.count(), 3);
    EXPECT_EQ(lan.now(), 300 + NetSession::kSettleMs);
    log.clear();
    ASSERT_TRUE(session.startFreshFind(log.sink(), {}, {"020000000001", "0200000000ff"}));
    session.waitForWorker();
    EXPECT_EQ(log.countOf(EVT_BROADCAST), 4);
    EXPECT_EQ(nextFindCycles(), 3) << "an awaiting find leaves no settling behind";
}

// A watch runs cycle after cycle; at each cycle's end the list holds what answered in it.
TEST_F(FindTest, AWatchListsEachCyclesAnswersUntilStopped) {
    lan.addBoards(1);
    std::vector<int32_t> listed;
    log.setOnEvent([&](int32_t code, int32_t value) {
        if (code != EVT_CYCLE_END) return;
        listed.push_back(session.devices.count());
        if (value == 0) lan.addBoards(1, 2);
        if (value == 2) session.stop();
    });
    ASSERT_TRUE(session.startWatch(log.sink()));
    session.waitForWorker();
    EXPECT_EQ(listed, (std::vector<int32_t>{1, 2, 2}));
    EXPECT_EQ(log.withoutFound(), (Events{{EVT_BROADCAST, 0}, {EVT_CYCLE_END, 0}, {EVT_BROADCAST, 1},
                                          {EVT_CYCLE_END, 1}, {EVT_BROADCAST, 2}, {EVT_CYCLE_END, 2},
                                          {EVT_COMPLETE, 0}}));
    EXPECT_EQ(lan.now(), 3 * NetSession::kQuietMs);
    EXPECT_FALSE(lan.isOpen());
}

}  // namespace
