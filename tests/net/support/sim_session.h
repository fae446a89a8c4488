#pragma once
// A NetSession wired to a simulated LAN, with its device list ready as the main window leaves it,
// and the few steps that engine tests repeat: run an operation to its end, find boards, silence
// a board.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "net/net_session.h"
#include "tests/net/support/event_log.h"
#include "tests/net/support/sim_channel.h"

class SimLanSession {
public:
    SimLanSession() : SimLanSession(std::make_unique<SimChannel>()) {}

    SimChannel& lan;       // owned by session
    NetSession session;

    // Each starts the operation and waits until its worker has returned.
    void find(EventLog& log) {
        ASSERT_TRUE(session.startFind(log.sink()));
        session.waitForWorker();
    }
    void configureOne(EventLog& log, const DeviceRecord& record, int32_t index,
                      ScriptedQuestion& question) {
        ASSERT_TRUE(session.startConfigureOne(log.sink(), record, index, question.question()));
        session.waitForWorker();
    }
    void batch(EventLog& log, const DeviceRecord& batchTemplate, int32_t firstSequence,
               std::vector<int32_t> boards, ScriptedQuestion& question) {
        ASSERT_TRUE(session.startConfigureBatch(log.sink(), batchTemplate, firstSequence,
                                                std::move(boards), question.question()));
        session.waitForWorker();
    }
    // Every listed board, in list order.
    std::vector<int32_t> all() const {
        std::vector<int32_t> boards;
        for (int32_t i = 0; i < session.devices.count(); ++i) boards.push_back(i);
        return boards;
    }
    // Adds count boards (SimChannel::addBoards) and finds them: list index i is board i.
    void findBoards(int count) {
        lan.addBoards(count);
        EventLog log;
        find(log);
        ASSERT_EQ(session.devices.count(), count);
    }
    // A find over the boards already listed: it runs exactly three quiet cycles only when the
    // operation before it left its count of quiet cycles at zero, as every operation must.
    int nextFindCycles() {
        EventLog log;
        find(log);
        return log.countOf(EVT_BROADCAST);
    }
    void neverAck(int board) { lan.neverAck(board); }

private:
    explicit SimLanSession(std::unique_ptr<SimChannel> channel)
        : lan(*channel), session(std::move(channel)) {
        session.devices.initialise();
    }
};

// {code, 0} .. {code, count - 1}, then each of more in turn.
inline std::vector<Event> numbered(int32_t code, int32_t count, std::vector<Event> more = {}) {
    std::vector<Event> out;
    for (int32_t i = 0; i < count; ++i) out.push_back({code, i});
    out.insert(out.end(), more.begin(), more.end());
    return out;
}
