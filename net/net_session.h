#pragma once
// The one protocol object of lanset: the boards found, the flags shared with the windows, and
// the find / configure operations, each run on a worker thread of its own.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/device_list.h"
#include "net/session_events.h"
#include "net/udp_channel.h"
#include "net/wire.h"
#include "net/worker_threads.h"

// Which boards a batch takes.
enum class BatchScope : int32_t {
    FreshFind = 0,   // every board that a find just before it listed
    Selection = 1,   // the boards chosen in the main list (select())
    AllListed = 2,   // every board in the list
};

class NetSession {
public:
    static constexpr int kQuietMs = 1000;        // a cycle ends after this long without a board's answer
    static constexpr int kCycleCeilingMs = 8000; // ...and after this long in all, whatever arrives
    static constexpr int kMaxCycles = 10;        // find cycles, or attempts per board
    static constexpr int kIdleCyclesToFinish = 3;
    static constexpr int32_t kManyBoards = 4096;
    static constexpr int kMaxSelection = 256;

    explicit NetSession(std::unique_ptr<UdpChannel> channel = makeSystemChannel());
    // Stops a running operation and waits for its worker: nothing is destroyed under it.
    ~NetSession();
    NetSession(const NetSession&) = delete;
    NetSession& operator=(const NetSession&) = delete;

    // --- State shared with the windows -------------------------------------------------------
    DeviceList devices;
    // The lines chosen in the main list (ascending), as select() wrote them.
    int32_t selection[kMaxSelection] = {};
    std::atomic<int32_t> selectionCount{0};

    std::atomic<bool> cancelRequested{false};
    // No worker runs: the windows start a find only while it is set, and clear it then.
    std::atomic<bool> workerIdle{false};
    // From a start until just before the operation's final event.
    std::atomic<bool> operationActive{false};
    std::atomic<bool> configureAcknowledged{false};
    std::atomic<bool> manyBoardsAsked{false};
    // Read by the caller at the operation's final event; each has one meaning.
    // The board port could not be opened (another program holds it, or there is no network).
    std::atomic<bool> openFailed{false};
    // The port was open, but not one datagram of the operation could be sent.
    std::atomic<bool> sendFailed{false};
    // How many boards the last batch worked through: its selection, or every listed board.
    std::atomic<int32_t> batchBoardCount{0};
    std::atomic<int32_t> currentIndex{0};
    std::atomic<BatchScope> selectionMode{BatchScope::FreshFind};
    std::atomic<int32_t> sequenceStart{0};

    // The main list's chosen lines (ascending); only the first kMaxSelection are kept.
    void select(const std::vector<int>& lines);

    // --- Start routines (window thread) -------------------------------------------------------
    // Each first waits until a previous operation has done its work (running the wait hook
    // meanwhile), then prepares the operation, starts its worker and returns true. A worker that
    // is already inside its final event call is not waited for: the handler of that event may
    // start the next operation. False only when called from inside a running operation's event
    // or when no thread can be started; then nothing was started.
    bool startFind(EventSink sink);
    // A find over an emptied list, as the windows and lanset-cli start one: only while no worker
    // runs (workerIdle); a stopped find is let to return first. emptied runs once the list is
    // empty. False when a worker still runs, or when the start fails (workerIdle is set again).
    bool startFreshFind(EventSink sink, const std::function<void()>& emptied = {});
    // The record is copied: the caller's record need not outlive the operation.
    bool startConfigureOne(EventSink sink, const DeviceRecord& record, int32_t index,
                           NotFoundQuestion ask);
    // The template is copied, and the selection as it stands now is the pass's.
    bool startConfigureBatch(EventSink sink, const DeviceRecord& batchTemplate,
                             int32_t firstSequence, BatchScope scope, NotFoundQuestion ask);
    // What the starting thread does while it waits for a worker.
    void setWorkerWait(WorkerWait wait);
    // Waits until no worker runs (running the wait hook meanwhile) and joins it. The destructor
    // waits the same way.
    void waitForWorker();
    // Any thread: ends the running operation (closes the socket, raises cancelRequested).
    void stop();

    // The board port, for what a caller may tune or ask of it (adapters, receive buffer).
    UdpChannel& channel() { return *channel_; }

private:
    enum class CycleKind { Discovery, Configure };

    // Exchange engine (worker thread).
    bool openSocket();
    void runCycle(CycleKind kind);
    bool handleDatagram(CycleKind kind, const uint8_t* data, size_t length);
    // True for a board's first reply in the cycle.
    bool addBoardFromReply(const uint8_t* data, size_t length);
    bool firstAnswer(int32_t index);
    void applyAcknowledgedSettings();
    bool sendEvent(int32_t code, int32_t value);
    QuestionAnswer ask(const DeviceRecord& board, bool batch);

    // Operations (worker thread).
    void runFind();
    void runConfigureOne();
    void runConfigureBatch();
    bool attemptLoop(int32_t broadcastEvent);   // true when acknowledged
    bool fillBatchRecord(int32_t position, int32_t boardIndex);
    void beginOperation();
    void finishOperation(int32_t finalEvent);

    // Starting (window thread).
    bool mayStart();
    bool launch(void (NetSession::*body)());

    std::unique_ptr<UdpChannel> channel_;
    std::mutex sessionLock_;   // orders stop() against a cycle's look at replyHandled
    std::atomic<uint8_t> replyHandled{0};
    int32_t idleCycles = 0;    // discovery cycles without a new board
    uint32_t cycleNumber_ = 0;            // of the running cycle, counting every one
    std::vector<uint32_t> answeredIn_;    // by list index: the last cycle the board answered in
    uint16_t port = 0;
    uint8_t sendBuffer[kSendBufferSize] = {};
    size_t sendLength_ = 0;
    ReplyFields reply{};
    DeviceRecord* request = nullptr;   // the configuration being sent
    EventSink eventSink_;
    NotFoundQuestion question_;
    DeviceRecord oneRequest_;       // copy of the record that configure one sends
    DeviceRecord batchTemplate;     // copy of the template a batch was started with
    DeviceRecord batchRecord_;      // the batch's working record
    std::vector<int32_t> batchSelection_;   // the list indexes a batch over the selection takes
    int32_t ackTarget_ = -1;        // list index that an acknowledgement writes to
    bool sentAny_ = false;          // this operation got at least one datagram out
    bool sendRefused_ = false;      // ...and at least one send failed
    WorkerThreads workers_;
};
