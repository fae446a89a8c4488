#pragma once
// The one protocol object of lanset: the boards found, the flags shared with the windows, and
// the find / configure operations, each run on a worker thread of its own.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "net/device_list.h"
#include "net/session_events.h"
#include "net/udp_channel.h"
#include "net/wire.h"
#include "net/worker_threads.h"

// How a round spaces its requests: every board hears every broadcast, and a board's small
// network stack holds only a few datagrams. A burst of this many, then this long taking
// acknowledgements, before the next burst.
struct RoundPacing {
    int burst = 16;
    int gapMs = 2;
};

class NetSession {
public:
    static constexpr int kQuietMs = 1000;        // a cycle ends after this long without a board's answer
    static constexpr int kCycleCeilingMs = 8000; // ...and after this long in all, whatever arrives
    static constexpr int kMaxCycles = 10;        // find cycles, or attempts per board
    static constexpr int kIdleCyclesToFinish = 3;
    static constexpr int32_t kManyBoards = 4096;
    static constexpr int kMaxSelection = 256;    // chosen lines a window hands to one batch
    // A find that awaits given boards ends this long after the last of them answered: an answer
    // close behind it (another device with the same SN) is still heard.
    static constexpr int kSettleMs = 250;


    explicit NetSession(std::unique_ptr<UdpChannel> channel = makeSystemChannel());
    // Stops a running operation and waits for its worker: nothing is destroyed under it.
    ~NetSession();
    NetSession(const NetSession&) = delete;
    NetSession& operator=(const NetSession&) = delete;

    // --- What the windows and tools share --------------------------------------------------------
    DeviceList devices;

    // May a find start: no operation runs, or the one that runs has been stopped. The start
    // routines clear it; the end of their worker and stop() raise it.
    bool isIdle() const { return busyToken_ == 0; }
    // From a start until just before the operation's final event: what a window waits on
    // before it reads entries for the next operation.
    const std::atomic<bool>& operationRunning() const { return operationActive_; }
    // Read once the operation has ended (its final event's value carries the same, for a
    // handler that may run after the next operation started); each has one meaning.
    // The board port could not be opened (another program holds it, or there is no network).
    bool openFailed() const { return openFailed_; }
    // The port was open, but not one datagram of the operation could be sent.
    bool sendFailed() const { return sendFailed_; }
    // Read at a batch's events: the position, in the batch's list of boards, of the board
    // now being configured.
    int32_t batchPosition() const { return batchPosition_; }

    // --- Start routines (window thread) -------------------------------------------------------
    // Each first waits until a previous operation has done its work (running the wait hook
    // meanwhile), then prepares the operation, starts its worker and returns true. A worker that
    // is already inside its final event call is not waited for: the handler of that event may
    // start the next operation. False only when called from inside a running operation's event
    // or when no thread can be started; then nothing was started.
    bool startFind(EventSink sink);
    // A find over an emptied list, as the windows and lanset-cli start one: only while isIdle();
    // a stopped operation is let to return first. emptied runs once the list is empty. False
    // when an operation still runs, or when the start fails.
    bool startFreshFind(EventSink sink, const std::function<void()>& emptied = {});
    // The same find, ending also kSettleMs after every board of awaited (SNs as the list holds
    // them) has answered; otherwise it ends as any find does.
    bool startFreshFind(EventSink sink, const std::function<void()>& emptied,
                        std::vector<std::string> awaited);
    // The record is copied: the caller's record need not outlive the operation.
    bool startConfigureOne(EventSink sink, const DeviceRecord& record, int32_t index,
                           NotFoundQuestion ask);
    // The template is copied. boards are the list indexes the batch configures, in this order;
    // board at position p gets sequence number firstSequence + p and the template's address + p.
    // An index that names no listed board is passed over.
    bool startConfigureBatch(EventSink sink, const DeviceRecord& batchTemplate,
                             int32_t firstSequence, std::vector<int32_t> boards,
                             NotFoundQuestion ask);
    // Discovery cycles one after another, each as a find's, until stop(): the list is emptied as
    // each cycle begins, so that at its EVT_CYCLE_END (value: its number) the list holds what
    // answered in that cycle. Its final event is EVT_COMPLETE.
    bool startWatch(EventSink sink);
    // A round: each record's configuration request (built as configure one builds it) goes out
    // once, paced, without waiting for acknowledgements; then acknowledgements are taken until
    // kQuietMs pass without one. An acknowledgement names no board, so it is only counted
    // (roundAcknowledgements); what the boards hold, a find tells. EVT_ROUND_SENT once the
    // requests are out, then the final EVT_ROUND_COMPLETE. The records are copied.
    bool startConfigureRound(EventSink sink, const std::vector<DeviceRecord>& requests,
                             RoundPacing pacing = {});
    // Read at EVT_ROUND_COMPLETE: the acknowledgements the round heard, from whoever.
    int32_t roundAcknowledgements() const { return roundAcks_; }
    // What the starting thread does while it waits for a worker.
    void setWorkerWait(WorkerWait wait);
    // Waits until no worker runs (running the wait hook meanwhile) and joins it. The destructor
    // waits the same way.
    void waitForWorker();
    // Any thread: ends the running operation (closes the socket; the operation ends at its next
    // look) and lets the next one start.
    void stop();

    // A find keeps, beside each board's first answer, the answers for its SN with other
    // settings (DeviceList::otherAnswers): a device answering with another board's SN is seen.
    void keepOtherAnswers(bool on) { keepOtherAnswers_ = on; }

    // The board port, for what a caller may tune or ask of it (adapters, receive buffer).
    UdpChannel& channel() { return *channel_; }

private:
    enum class CycleKind { Discovery, Configure, Round };

    // Exchange engine (worker thread).
    bool openSocket();
    void runCycle(CycleKind kind);
    // Takes datagrams until quietEnd (a board's answer moves it on by kQuietMs when extend),
    // ceiling, or the settling of an awaiting find. A discovery cycle not yet counted is
    // counted once.
    void takeReplies(CycleKind kind, int64_t quietEnd, int64_t ceiling, bool counted, bool extend);
    bool handleDatagram(CycleKind kind, const uint8_t* data, size_t length);
    // True for a board's first reply in the cycle.
    bool addBoardFromReply(const uint8_t* data, size_t length);
    void recordOfReply(DeviceRecord& record) const;
    bool firstAnswer(int32_t index);
    void applyAcknowledgedSettings();
    bool fromBoardInProgress() const;
    void noteListedAddresses();
    static uint32_t addressOf(const char* ip);   // host order; 0 for none or unreadable
    bool sendEvent(int32_t code, int32_t value);
    QuestionAnswer ask(const DeviceRecord& board, bool batch);

    // Operations (worker thread).
    void runFind();
    void runConfigureOne();
    void runConfigureBatch();
    void runRound();
    void runWatch();
    bool attemptLoop(int32_t broadcastEvent);   // true when acknowledged
    bool fillBatchRecord(int32_t position, int32_t boardIndex);
    void beginOperation();
    void finishOperation(int32_t finalEvent);

    // Starting (window thread).
    bool mayStart();
    bool launch(void (NetSession::*body)());
    bool startFindAwaiting(EventSink sink, std::vector<std::string> awaited);
    bool startDiscovery(EventSink sink, std::vector<std::string> awaited, void (NetSession::*body)());
    // Marks the session busy; the token is what only this start's end may clear.
    uint64_t claim();

    std::unique_ptr<UdpChannel> channel_;
    std::atomic<bool> cancelRequested_{false};
    std::atomic<bool> operationActive_{false};
    std::atomic<bool> configureAcknowledged_{false};
    std::atomic<bool> manyBoardsAsked_{false};
    std::atomic<bool> openFailed_{false};
    std::atomic<bool> sendFailed_{false};
    std::atomic<int32_t> batchPosition_{0};
    // 0 while idle; otherwise the token of the start that made the session busy.
    std::atomic<uint64_t> busyToken_{0};
    std::atomic<uint64_t> lastToken_{0};
    int32_t firstSequence_ = 0;
    int32_t oneIndex_ = -1;        // the board that configure one sends to
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
    std::vector<int32_t> batchBoards_;   // the list indexes the batch takes, in order
    int32_t ackTarget_ = -1;        // list index that an acknowledgement writes to
    // Where acknowledgements may come from: the board in progress (its listed address and the
    // one sent to it) and the other boards (theirs).
    uint32_t currentListed_ = 0;
    uint32_t currentSent_ = 0;
    std::unordered_set<uint32_t> otherAddresses_;
    std::atomic<bool> keepOtherAnswers_{false};
    bool sentAny_ = false;          // this operation got at least one datagram out
    bool sendRefused_ = false;      // ...and at least one send failed
    // An awaiting find: the SNs not yet heard, and when it settles (0: not yet).
    std::unordered_set<std::string> awaited_;
    bool awaiting_ = false;
    int64_t settleAt_ = 0;
    // A round: its datagrams end to end, where each ends, its pacing and what it heard.
    std::vector<uint8_t> roundBytes_;
    std::vector<size_t> roundEnds_;
    RoundPacing pacing_;
    std::atomic<int32_t> roundAcks_{0};
    WorkerThreads workers_;
};
