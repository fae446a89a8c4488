// Starting and stopping operations: stop at every stage, a network that cannot be opened, starts
// that follow each other closely, a session destroyed under a running operation.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/net/support/sim_session.h"

namespace {

using Events = std::vector<Event>;
using Answers = std::vector<QuestionAnswer>;

class LifecycleTest : public ::testing::Test {
protected:
    SimLanSession sim;
    SimChannel& lan = sim.lan;
    NetSession& session = sim.session;
    EventLog log;

    void findBoards(int count) {
        lan.addBoards(count);
        EventLog findLog;
        ASSERT_TRUE(session.startFind(findLog.sink()));
        session.waitForWorker();
        ASSERT_EQ(session.devices.count(), count);
    }

    DeviceRecord settingsFor(int32_t index) {
        DeviceRecord r;
        copyText(r.mac, session.devices.at(index)->mac);
        r.setId("New");
        return r;
    }

    void neverAck(int board) {
        SimBoard b = lan.board(board);
        b.silentConfigures = SimChannel::kNeverAck;
        lan.setBoard(board, b);
    }

    ScriptedQuestion oneQuestion{{QuestionAnswer::Cancel}};
    ScriptedQuestion batchQuestion{{QuestionAnswer::Abort}};

    // Each operation with the same stop script; every one must end with its final event.
    void expectEnds(const Events& findEvents, const Events& oneEvents, const Events& batchEvents) {
        ASSERT_TRUE(session.startFind(log.sink()));
        session.waitForWorker();
        EXPECT_EQ(log.events(), findEvents) << eventsText(log.events());
        log.clear();
        ASSERT_TRUE(session.startConfigureOne(log.sink(), settingsFor(0), 0, oneQuestion.question()));
        session.waitForWorker();
        EXPECT_EQ(log.events(), oneEvents) << eventsText(log.events());
        log.clear();
        ASSERT_TRUE(session.startConfigureBatch(log.sink(), settingsFor(0), 0, 2,
                                                batchQuestion.question()));
        session.waitForWorker();
        EXPECT_EQ(log.events(), batchEvents) << eventsText(log.events());
        EXPECT_FALSE(lan.isOpen());
        EXPECT_FALSE(session.operationActive);
        EXPECT_EQ(session.idleCycles, 0);
    }
};

TEST_F(LifecycleTest, StopWhileTheSocketOpensEndsEveryOperationAtOnce) {
    findBoards(1);
    lan.setHook([this](SimStage s, int) {
        if (s == SimStage::Open) session.stop();
    });
    const size_t sentBefore = lan.sent().size();
    expectEnds({{EVT_COMPLETE, 0}}, {{EVT_CANCELLED, 0}}, {{EVT_BATCH_CANCELLED, 0}});
    EXPECT_EQ(lan.sent().size(), sentBefore);
    EXPECT_EQ(oneQuestion.asked() + batchQuestion.asked(), 0);
    EXPECT_FALSE(session.networkFailed);
}

TEST_F(LifecycleTest, StopDuringACycle) {
    findBoards(1);
    neverAck(0);
    lan.setHook([this](SimStage s, int) {
        if (s == SimStage::Receive) session.stop();
    });
    Events one = {{EVT_BROADCAST, 0}, {EVT_CANCELLED, 0}};
    Events batch = {{EVT_CONFIG_BROADCAST, 0}, {EVT_BATCH_CANCELLED, 0}};
    expectEnds({{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}}, one, batch);
    EXPECT_EQ(oneQuestion.asked(), 1);
    EXPECT_EQ(batchQuestion.asked(), 1);
    EXPECT_TRUE(session.cancelRequested);
    EXPECT_EQ(session.replyHandled, 1);
}

TEST_F(LifecycleTest, StopBetweenAttemptsLeadsToTheQuestion) {
    findBoards(1);
    neverAck(0);
    log.setOnEvent([this](int32_t code, int32_t value) {
        if (code == EVT_BROADCAST && value == 3) session.stop();
    });
    ScriptedQuestion question({QuestionAnswer::Retry, QuestionAnswer::Retry, QuestionAnswer::Cancel});
    ASSERT_TRUE(session.startConfigureOne(log.sink(), settingsFor(0), 0, question.question()));
    session.waitForWorker();
    // Attempt 3 finds the socket shut; while the stop holds, Retry asks again at once.
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_BROADCAST, 1}, {EVT_BROADCAST, 2},
                                    {EVT_BROADCAST, 3}, {EVT_CANCELLED, 0}}));
    EXPECT_EQ(question.asked(), 3);
    EXPECT_EQ(lan.configureRequests().size(), 3u);
}

TEST_F(LifecycleTest, StopDuringTheQuestion) {
    findBoards(2);
    neverAck(0);
    ScriptedQuestion question({QuestionAnswer::Retry, QuestionAnswer::Ignore});
    question.setOnAsk([this](int asked) {
        if (asked == 0) session.stop();
    });
    ASSERT_TRUE(session.startConfigureBatch(log.sink(), settingsFor(0), 0, 2, question.question()));
    session.waitForWorker();
    // Retry under a stop asks at once for the same board; Ignore then moves on, and the second
    // board is asked about without an attempt.
    EXPECT_EQ(question.asked(), 3);
    EXPECT_EQ(lan.configureRequests().size(), 10u);
    EXPECT_EQ(log.countOf(EVT_CONFIG_BROADCAST), 10);
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
}

TEST_F(LifecycleTest, AnAckInTheLastCycleWinsOverAStop) {
    findBoards(1);
    SimBoard b = lan.board(0);
    b.replyDelayMs = 10;
    lan.setBoard(0, b);
    // The second receive of the first attempt follows the ack: stop there.
    int receives = 0;
    lan.setHook([&](SimStage s, int) {
        if (s == SimStage::Receive && ++receives == 2) session.stop();
    });
    ScriptedQuestion question({QuestionAnswer::Cancel});
    ASSERT_TRUE(session.startConfigureOne(log.sink(), settingsFor(0), 0, question.question()));
    session.waitForWorker();
    lan.setHook(nullptr);
    EXPECT_EQ(receives, 2);
    EXPECT_EQ(log.events(), (Events{{EVT_BROADCAST, 0}, {EVT_COMPLETE, 0}}));
    EXPECT_EQ(question.asked(), 0);
    EXPECT_STREQ(session.devices.at(0)->id, "New");
}

TEST_F(LifecycleTest, StopFromAnotherThreadEndsAWaitingReceive) {
    findBoards(2);
    neverAck(0);
    neverAck(1);
    for (int op = 0; op < 3; ++op) {
        log.clear();
        lan.holdReceives(true);
        ScriptedQuestion question({QuestionAnswer::Cancel});
        ScriptedQuestion ignore({QuestionAnswer::Ignore});
        bool started = false;
        if (op == 0) started = session.startFind(log.sink());
        if (op == 1) started = session.startConfigureOne(log.sink(), settingsFor(0), 0, question.question());
        if (op == 2) started = session.startConfigureBatch(log.sink(), settingsFor(0), 0, 2, ignore.question());
        ASSERT_TRUE(started);
        ASSERT_TRUE(lan.waitUntilHeld());
        session.stop();
        session.waitForWorker();
        lan.holdReceives(false);
        const int32_t final = op == 0 ? EVT_COMPLETE : op == 1 ? EVT_CANCELLED : EVT_BATCH_COMPLETE;
        EXPECT_EQ(log.events().back(), (Event{final, 0})) << eventsText(log.events());
        EXPECT_EQ(log.countOf(final), 1);
        if (op == 2) {
            EXPECT_EQ(ignore.asked(), 2);
        }
    }
}

TEST_F(LifecycleTest, AStopRightAfterAStartIsNeverLost) {
    findBoards(1);
    for (int i = 0; i < 100; ++i) {
        log.clear();
        ASSERT_TRUE(session.startFind(log.sink()));
        session.stop();
        session.waitForWorker();
        const auto events = log.events();
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back(), (Event{EVT_COMPLETE, 0}));
        EXPECT_EQ(log.countOf(EVT_COMPLETE), 1);
        // Whenever the worker got going, the stop came after the start and must still stand.
        EXPECT_TRUE(session.cancelRequested);
        EXPECT_FALSE(lan.isOpen());
    }
}

TEST_F(LifecycleTest, AStopWithNothingRunningLeavesTheNextStartNormal) {
    session.stop();
    session.stop();
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_EQ(log.countOf(EVT_BROADCAST), 3);
    EXPECT_FALSE(session.cancelRequested);
}

TEST_F(LifecycleTest, ANetworkThatCannotBeOpenedEndsWithTheFinalEventAndAFlag) {
    findBoards(1);
    lan.setFailOpen(true);
    oneQuestion.setAnswers({QuestionAnswer::Retry});
    std::atomic<bool> activeAtFinal{true};
    log.setOnEvent([&](int32_t, int32_t) { activeAtFinal = session.operationActive.load(); });
    expectEnds({{EVT_COMPLETE, 0}}, {{EVT_CANCELLED, 0}}, {{EVT_BATCH_CANCELLED, 0}});
    EXPECT_TRUE(session.networkFailed);
    EXPECT_FALSE(activeAtFinal);
    EXPECT_EQ(oneQuestion.asked() + batchQuestion.asked(), 0);

    // Cleared by the next start.
    lan.setFailOpen(false);
    log.clear();
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_FALSE(session.networkFailed);
    EXPECT_EQ(log.countOf(EVT_BROADCAST), 3);
}

TEST_F(LifecycleTest, EveryDatagramRefusedCountsAsANetworkFailure) {
    findBoards(1);
    lan.setFailSend(true);
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    // Failed sends leave cycles uncounted: all ten run, at once.
    EXPECT_EQ(log.countOf(EVT_BROADCAST), NetSession::kMaxCycles);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_TRUE(session.networkFailed);

    log.clear();
    ScriptedQuestion question({QuestionAnswer::Cancel});
    ASSERT_TRUE(session.startConfigureOne(log.sink(), settingsFor(0), 0, question.question()));
    session.waitForWorker();
    EXPECT_EQ(question.asked(), 1);
    EXPECT_EQ(log.events().back(), (Event{EVT_CANCELLED, 0}));
    EXPECT_TRUE(session.networkFailed);

    // A stopped operation is not a network failure.
    log.clear();
    lan.setHook([this](SimStage s, int) {
        if (s == SimStage::Send) session.stop();
    });
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_FALSE(session.networkFailed);
}

TEST_F(LifecycleTest, TheFlagsFollowTheOperationsLife) {
    findBoards(1);
    std::atomic<bool> activeDuring{false};
    std::atomic<bool> idleDuring{true};
    std::atomic<bool> activeAtFinal{true};
    log.setOnEvent([&](int32_t code, int32_t) {
        if (code == EVT_BROADCAST) {
            activeDuring = session.operationActive.load();
            idleDuring = session.workerIdle.load();
        }
        if (code == EVT_COMPLETE) activeAtFinal = session.operationActive.load();
    });
    session.workerIdle = false;   // as the main window leaves it when it starts a find
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_TRUE(activeDuring);
    EXPECT_FALSE(idleDuring);
    EXPECT_FALSE(activeAtFinal);
    EXPECT_TRUE(session.workerIdle);
    EXPECT_EQ(lan.closeCount(), lan.openCount());
}

TEST_F(LifecycleTest, AStartWaitsForTheRunningOperation) {
    findBoards(1);
    lan.holdReceives(true);
    EventLog first;
    ASSERT_TRUE(session.startFind(first.sink()));
    ASSERT_TRUE(lan.waitUntilHeld());

    // The second start must wait (running the hook) until the first find is over.
    std::atomic<int> hookCalls{0};
    session.setWorkerWait([&] {
        if (++hookCalls == 50) lan.holdReceives(false);
        std::this_thread::yield();
    });
    EventLog second;
    ASSERT_TRUE(session.startFind(second.sink()));
    EXPECT_GE(hookCalls, 50);
    // The first find had done all its cycles before the second began.
    EXPECT_EQ(first.countOf(EVT_BROADCAST), 3);
    session.waitForWorker();
    EXPECT_EQ(first.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_EQ(second.events().back(), (Event{EVT_COMPLETE, 0}));
    EXPECT_EQ(second.countOf(EVT_BROADCAST), 3);
}

TEST_F(LifecycleTest, TheNextOperationCanStartFromInsideTheFinalEvent) {
    findBoards(2);
    ScriptedQuestion question;
    DeviceRecord t;
    t.setId("Auto#");
    t.dhcpGiven = 0;
    std::atomic<bool> started{false};
    // As the auto-configure window does: the pass starts from the find's EVT_COMPLETE, while
    // the find's worker waits in that very call.
    log.setOnEvent([&](int32_t code, int32_t) {
        if (code == EVT_COMPLETE) {
            started = session.startConfigureBatch(log.sink(), t, 1, 0, question.question());
        }
    });
    session.devices.freeAll();
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_TRUE(started);
    EXPECT_EQ(log.valuesOf(EVT_CONFIGURED), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(log.events().back(), (Event{EVT_BATCH_COMPLETE, 0}));
    EXPECT_STREQ(session.devices.at(1)->id, "Auto2");
}

TEST_F(LifecycleTest, AStartFromInsideAnEventOfTheRunningOperationIsRefused) {
    std::atomic<int> refused{0};
    log.setOnEvent([&](int32_t code, int32_t value) {
        if (code == EVT_BROADCAST && value == 0 && !session.startFind(EventSink{})) ++refused;
    });
    ASSERT_TRUE(session.startFind(log.sink()));
    session.waitForWorker();
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
}

TEST(SessionDestruction, StopsAndJoinsARunningOperation) {
    auto channel = std::make_unique<SimChannel>();
    SimChannel& lan = *channel;
    EventLog log;
    lan.addBoards(1);
    lan.holdReceives(true);
    {
        auto session = std::make_unique<NetSession>(std::move(channel));
        session->devices.initialise();
        ASSERT_TRUE(session->startFind(log.sink()));
        ASSERT_TRUE(lan.waitUntilHeld());
        session.reset();
    }
    EXPECT_EQ(log.events().back(), (Event{EVT_COMPLETE, 0}));
}

}  // namespace
