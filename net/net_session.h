#pragma once
// The one protocol object of lanset: the boards found, the datagram to send, the exchange
// cycles and the find / configure operations that run them on a worker thread.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/device_list.h"
#include "net/session_events.h"
#include "net/udp_channel.h"
#include "net/wire.h"

class NetSession {
public:
    static constexpr int kQuietMs = 1000;        // a cycle ends after this long without a datagram
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
    int32_t selection[kMaxSelection] = {};     // ascending list indexes chosen in the main list
    std::atomic<int32_t> selectionCount{0};

    std::atomic<bool> cancelRequested{false};
    std::atomic<bool> workerIdle{false};
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
    std::atomic<int32_t> selectionMode{0};
    std::atomic<int32_t> sequenceStart{0};

    // --- Start routines (window thread) -------------------------------------------------------
    // Each first waits until a previous operation has done its work (running the wait hook
    // meanwhile), then prepares the operation, starts its worker and returns true. A worker that
    // is already inside its final event call is not waited for: the handler of that event may
    // start the next operation. False only when called from inside a running operation's event
    // or when no thread can be started; then nothing was started.
    bool startFind(EventSink sink);
    // The record is copied: the caller's record need not outlive the operation.
    bool startConfigureOne(EventSink sink, const DeviceRecord& record, int32_t index,
                           NotFoundQuestion ask);
    // The template is copied when the batch starts.
    bool startConfigureBatch(EventSink sink, const DeviceRecord& batchTemplate,
                             int32_t firstSequence, int32_t mode, NotFoundQuestion ask);
    void setWorkerWait(WorkerWait wait);
    // Waits until no worker runs (running the wait hook meanwhile) and joins it. The destructor
    // waits the same way.
    void waitForWorker();
    // Any thread: ends the running operation (closes the socket, raises cancelRequested).
    void stop();

    // --- Codec on the session's buffers --------------------------------------------------------
    void buildDiscoveryRequest();
    bool buildConfigureRequest();   // from *request
    bool parseReply(const uint8_t* data, size_t length);

    // --- Exchange engine (worker thread) -----------------------------------------------------------
    bool openSocket();
    void discoveryCycle();
    void configureCycle();
    void addBoardFromReply(const uint8_t* data, size_t length);
    void applyAcknowledgedSettings();
    std::string expandIdPattern(const char* pattern, int32_t boardIndex, int32_t position) const;

    // --- Operations (worker thread bodies; public for tests that drive them directly) -------------
    void runFind();
    void runConfigureOne();
    void runConfigureBatch();

    // --- Engine internals, visible to tests -----------------------------------------------------
    ReplyFields reply{};
    DeviceRecord* newRecord = nullptr;
    DeviceRecord* request = nullptr;            // the configuration being sent
    const DeviceRecord* batchTemplate = nullptr;
    std::atomic<uint8_t> replyHandled{0};
    int32_t idleCycles = 0;
    uint16_t port = 0;
    uint8_t sendBuffer[kSendBufferSize] = {};
    size_t sendLength = 0;
    UdpChannel& channel() { return *channel_; }

private:
    enum class CycleKind { Discovery, Configure };
    struct Worker;  // one operation thread and whether it has returned

    void runCycle(CycleKind kind);
    void handleDatagram(CycleKind kind, const uint8_t* data, size_t length);
    void closeChannel();
    bool sendEvent(int32_t code, int32_t value);
    QuestionAnswer ask(const DeviceRecord& board, bool batch);
    bool attemptLoop(int32_t broadcastEvent);  // true when acknowledged
    bool startWorker(void (NetSession::*body)());
    bool waitForPreviousWorker();
    bool workersPending();        // under workersLock_
    void joinReturnedWorkers();   // under workersLock_
    void waitHook();
    void beginOperation();
    void finishOperation(int32_t finalEvent);
    bool fillBatchRecord(int32_t position, int32_t boardIndex);

    std::unique_ptr<UdpChannel> channel_;
    std::mutex sessionLock_;   // orders stop() against a cycle's look at replyHandled
    EventSink eventSink_;
    NotFoundQuestion question_;
    WorkerWait workerWait_;
    DeviceRecord oneRequest_;       // copy of the record that configure one sends
    DeviceRecord templateCopy_;     // copy of the batch template
    DeviceRecord batchRecord_;      // the batch's working record
    std::vector<int32_t> batchSelection_;   // the list indexes a batch over the selection takes
    int32_t ackTarget_ = -1;        // list index that an acknowledgement writes to
    bool sentAny_ = false;          // this operation got at least one datagram out
    bool sendRefused_ = false;      // ...and at least one send failed
    std::mutex workersLock_;   // guards workers_
    // Threads not yet joined; the last one runs (or ran) the latest operation. Earlier ones are
    // past their final event and only have to return.
    std::vector<std::unique_ptr<Worker>> workers_;
    // True while an operation does its work; cleared just before its final event, so that
    // the window handling that event may start the next operation.
    std::atomic<bool> workerRunning_{false};
};
