#pragma once
// A simulated LAN for tests: a UdpChannel with a virtual clock and boards that answer the
// protocol. Nothing really waits: a receive that finds no datagram due within its time-out moves
// the clock on by that time-out and returns at once, so a find of three quiet cycles takes
// microseconds. Every method is thread-safe; the engine calls the channel on its worker thread.
//
//   auto owned = std::make_unique<SimChannel>();
//   SimChannel& lan = *owned;
//   NetSession session(std::move(owned));
//   lan.addBoards(3);                    // three boards that answer and acknowledge
//   session.startFind(log.sink());
//   session.waitForWorker();
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "net/udp_channel.h"

struct SimBoard {
    std::string mac = "02a1b2c3d4e5";   // 12 lowercase hex digits
    std::string ip = "10.0.0.1";
    std::string subnet = "255.255.255.0";
    std::string gateway = "10.0.0.254";
    std::string id = "Board";
    std::string echoText = "echo";
    uint8_t dhcp = 0;
    uint16_t number16 = 0;

    int replyDelayMs = 0;        // from the request to the board's datagram
    int firstDiscovery = 0;      // discovery requests (counting from 0) before this one go unanswered
    // Configuration requests for this board that go unanswered before it acknowledges;
    // kNeverAck: it never does.
    int silentConfigures = 0;
    uint16_t ackStatus = 0;      // non-zero: it answers with a refusal and keeps its settings
    // Filled in by the simulation:
    int configuresSeen = 0;
};

enum class SimStage { Open, Send, Receive, Close };

struct SimDatagram {
    int64_t atMs = 0;
    std::vector<uint8_t> bytes;
};

class SimChannel final : public UdpChannel {
public:
    static constexpr int kNeverAck = -1;
    static constexpr int64_t kForever = INT64_MAX;

    // --- The boards -------------------------------------------------------------------------
    // Adds a board; returns its index among the simulated boards.
    int addBoard(const SimBoard& board);
    // Adds count boards: mac 02000000NNNN (NNNN counting from first), id "BdN", ip 10.0.N/256.N%256.
    void addBoards(int count, int first = 1);
    // Each discovery request brings one more board that was never seen before.
    void setNewBoardEachDiscovery(bool on);
    SimBoard board(int index) const;
    int boardCount() const;
    // Replaces a board's settings and script.
    void setBoard(int index, const SimBoard& board);
    // The board takes no configuration from now on: it never acknowledges.
    void neverAck(int index);

    // --- Scripted traffic ---------------------------------------------------------------------
    // One datagram arriving at virtual time atMs (bytes of any size; empty or longer than 256
    // bytes is received as Dropped), from the address given (dotted; empty: unknown). A board's
    // own datagrams come from its ip (an acknowledgement: from the ip it held when asked).
    void inject(int64_t atMs, std::vector<uint8_t> bytes, const std::string& from = "");
    // The same datagram every periodMs from fromMs until untilMs.
    void flood(int64_t fromMs, int periodMs, std::vector<uint8_t> bytes, int64_t untilMs = kForever);
    // The host hears its own broadcasts (as it does on a real network).
    void setEchoOwnSends(bool on);

    // --- Failures and stages --------------------------------------------------------------------
    void setFailOpen(bool on);
    // A refused send returns after takesMs of virtual time (one that never completes: its wait).
    void setFailSend(bool on, int takesMs = 0);
    // lostDatagrams() is true once after each discovery cycle named (counting from 0).
    void setLostDatagramsInCycles(std::vector<int> cycles);
    // What receiveBuffer() reports.
    void setReceiveBuffer(int asked, int granted);
    std::vector<std::string> limitedTo() const { return chosenAdapters(); }
    // Called on the calling (engine) thread at the start of each stage, with the stage's
    // occurrence number counting from 0, before the stage does anything. May call stop().
    void setHook(std::function<void(SimStage, int occurrence)> hook);
    // While held, a receive really blocks (no virtual time passes) until release or close().
    void holdReceives(bool on);
    // Blocks the calling thread until a receive is held (true), or close() is called first
    // (false; every operation closes at its end, even one that could not open).
    bool waitUntilHeld();

    // --- What happened ----------------------------------------------------------------------------
    std::vector<SimDatagram> sent() const;           // every datagram the engine sent
    std::vector<SimDatagram> configureRequests() const;
    int discoveryRequests() const;
    int openCount() const;
    int closeCount() const;   // closes that closed an open socket
    bool isOpen() const;
    int64_t now() const;

    // --- UdpChannel -------------------------------------------------------------------------------
    bool open(uint16_t port) override;
    bool send(const uint8_t* data, size_t length) override;
    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override;
    void close() override;
    int64_t nowMs() override;
    bool lostDatagrams() override;
    uint32_t receivedFrom() const override;
    // What has arrived by now is gone; no stage hook runs (it is no cycle's receive).
    void dropWaiting() override;


    // Board datagrams, built as a board would send them (also handy for injecting).
    static std::vector<uint8_t> discoveryReply(const SimBoard& board);
    static std::vector<uint8_t> acknowledgement(uint16_t status);

private:
    struct Flood {
        int64_t next;
        int period;
        int64_t until;
        std::vector<uint8_t> bytes;
    };
    void runHook(SimStage stage);
    void answer(const std::vector<uint8_t>& request);  // under mutex_
    void configureBoard(SimBoard& board, const std::vector<uint8_t>& request);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<SimBoard> boards_;
    struct Arrival {
        std::vector<uint8_t> bytes;
        uint32_t from = 0;   // host order; 0 unknown
    };
    std::multimap<int64_t, Arrival> pending_;  // by arrival time, then order sent
    std::vector<Flood> floods_;
    std::vector<SimDatagram> sent_;
    std::function<void(SimStage, int)> hook_;
    int stageCounts_[4] = {};
    int64_t now_ = 0;
    int discoveries_ = 0;
    int opens_ = 0;
    int closes_ = 0;
    int closeCalls_ = 0;
    int nextNewBoard_ = 0x8000;
    bool open_ = false;
    bool newBoardEachDiscovery_ = false;
    bool echo_ = false;
    bool failOpen_ = false;
    bool failSend_ = false;
    int failSendMs_ = 0;
    std::vector<int> lossCycles_;
    bool hold_ = false;
    bool held_ = false;
    uint8_t buffer_[256] = {};
    uint32_t from_ = 0;
};
