// The find and configure operations, their start routines and the worker threads they run on.
#include <algorithm>
#include <string>
#include <string_view>

#include "net/ipv4.h"
#include "net/net_session.h"

struct NetSession::Worker {
    std::thread thread;
    std::atomic<bool> returned{false};
};

NetSession::NetSession(std::unique_ptr<UdpChannel> channel) : channel_(std::move(channel)) {}

NetSession::~NetSession() {
    stop();
    waitForWorker();
    // Only a session destroyed from inside its own event can leave its own thread behind.
    for (auto& w : workers_) {
        if (w->thread.joinable()) w->thread.detach();
    }
}

void NetSession::setWorkerWait(WorkerWait wait) { workerWait_ = std::move(wait); }

void NetSession::waitHook() {
    if (workerWait_) workerWait_();
    else std::this_thread::yield();
}

// A thread never waits for itself: a sink may call this from inside an event.
bool NetSession::workersPending() {
    const auto self = std::this_thread::get_id();
    for (const auto& w : workers_) {
        if (!w->returned && w->thread.get_id() != self) return true;
    }
    return false;
}

void NetSession::joinReturnedWorkers() {
    for (auto it = workers_.begin(); it != workers_.end();) {
        if ((*it)->returned || !(*it)->thread.joinable()) {
            if ((*it)->thread.joinable()) (*it)->thread.join();
            it = workers_.erase(it);
        } else {
            ++it;
        }
    }
}

void NetSession::waitForWorker() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(workersLock_);
            // Look first, then join: a worker that returns in between is joined too.
            if (!workersPending()) {
                joinReturnedWorkers();
                return;
            }
        }
        waitHook();
    }
}

bool NetSession::waitForPreviousWorker() {
    {
        // A start from inside an event of the running operation would wait for itself.
        std::lock_guard<std::mutex> lock(workersLock_);
        if (workerRunning_ && !workers_.empty() &&
            workers_.back()->thread.get_id() == std::this_thread::get_id()) {
            return false;
        }
    }
    while (workerRunning_) waitHook();
    std::lock_guard<std::mutex> lock(workersLock_);
    joinReturnedWorkers();
    return true;
}

bool NetSession::startWorker(void (NetSession::*body)()) {
    // Cleared here, not on the worker, so that a stop() right after the start is not lost.
    cancelRequested = false;
    openFailed = false;
    sendFailed = false;
    std::lock_guard<std::mutex> lock(workersLock_);
    workerRunning_ = true;
    try {
        workers_.push_back(std::make_unique<Worker>());
        Worker* w = workers_.back().get();
        w->thread = std::thread([this, body, w] {
            (this->*body)();
            workerIdle = true;
            w->returned = true;
        });
    } catch (...) {   // no memory or no thread: nothing was started
        if (!workers_.empty() && !workers_.back()->thread.joinable()) workers_.pop_back();
        workerRunning_ = false;
        return false;
    }
    return true;
}

namespace {

template <size_t N>
void terminate(char (&text)[N]) { text[N - 1] = '\0'; }

// A caller's record may fill a text to its last byte; what we keep is always terminated.
void terminateTexts(DeviceRecord& r) {
    terminate(r.ip);
    terminate(r.subnet);
    terminate(r.gateway);
    terminate(r.id);
    terminate(r.mac);
    terminate(r.echoText);
    terminate(r.number16);
}

}  // namespace

bool NetSession::startFind(EventSink sink) {
    if (!waitForPreviousWorker()) return false;
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = nullptr;
    buildDiscoveryRequest();
    return startWorker(&NetSession::runFind);
}

bool NetSession::startConfigureOne(EventSink sink, const DeviceRecord& record, int32_t index,
                                   NotFoundQuestion ask) {
    if (!waitForPreviousWorker()) return false;
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = std::move(ask);
    oneRequest_ = record;
    terminateTexts(oneRequest_);
    request = &oneRequest_;
    currentIndex = index;
    buildConfigureRequest();
    return startWorker(&NetSession::runConfigureOne);
}

bool NetSession::startConfigureBatch(EventSink sink, const DeviceRecord& batchTemplateRecord,
                                     int32_t firstSequence, int32_t mode, NotFoundQuestion ask) {
    if (!waitForPreviousWorker()) return false;
    sequenceStart = firstSequence;
    selectionMode = mode;
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = std::move(ask);
    templateCopy_ = batchTemplateRecord;
    terminateTexts(templateCopy_);
    batchTemplate = &templateCopy_;
    // The selection as it stands now is the pass's: nothing written later changes its boards.
    batchSelection_.clear();
    if (mode == 1) {
        const int32_t count = std::clamp<int32_t>(selectionCount, 0, kMaxSelection);
        batchSelection_.assign(selection, selection + count);
    }
    return startWorker(&NetSession::runConfigureBatch);
}

void NetSession::beginOperation() {
    sentAny_ = false;
    sendRefused_ = false;
}

// The end every operation shares: socket closed, operationActive cleared, then the one final
// event. After that the worker touches nothing of the session but workerIdle.
void NetSession::finishOperation(int32_t finalEvent) {
    idleCycles = 0;
    closeChannel();
    // Cycles ran, yet not one datagram left: the user must hear why nothing answered.
    if (sendRefused_ && !sentAny_ && !cancelRequested) sendFailed = true;
    operationActive = false;
    // The handler of this event may start the next operation, which replaces eventSink_.
    const EventSink sink = eventSink_;
    workerRunning_ = false;
    if (sink) sink(finalEvent, 0);
}

void NetSession::runFind() {
    beginOperation();
    manyBoardsAsked = false;
    if (openSocket()) {
        for (int32_t cycle = 0; idleCycles < kIdleCyclesToFinish && !cancelRequested;) {
            sendEvent(EVT_BROADCAST, cycle);
            discoveryCycle();
            if (++cycle >= kMaxCycles) break;
        }
    }
    finishOperation(EVT_COMPLETE);
}

// Up to kMaxCycles configuration cycles; an acknowledgement is looked at before a stop, so one
// that came in the last attempt wins.
bool NetSession::attemptLoop(int32_t broadcastEvent) {
    configureAcknowledged = false;
    for (int32_t attempt = 0; attempt < kMaxCycles; ++attempt) {
        if (configureAcknowledged) return true;
        if (cancelRequested) return false;
        sendEvent(broadcastEvent, attempt);
        configureCycle();
    }
    return configureAcknowledged;
}

void NetSession::runConfigureOne() {
    beginOperation();
    ackTarget_ = currentIndex;
    if (!openSocket()) {
        finishOperation(EVT_CANCELLED);
        return;
    }
    for (;;) {
        if (attemptLoop(EVT_BROADCAST)) {
            finishOperation(EVT_COMPLETE);
            return;
        }
        DeviceRecord board;
        if (const DeviceRecord* stored = devices.at(currentIndex)) {
            board = *stored;
        } else if (request) {
            copyText(board.mac, request->mac);
        }
        const QuestionAnswer answer = ask(board, false);
        idleCycles = 0;
        if (answer != QuestionAnswer::Retry) {
            configureAcknowledged = false;
            finishOperation(EVT_CANCELLED);
            return;
        }
    }
}

// The working record for the board at list index boardIndex, batch position position.
bool NetSession::fillBatchRecord(int32_t position, int32_t boardIndex) {
    const DeviceRecord* board = devices.at(boardIndex);
    if (!board || !batchTemplate) return false;
    const DeviceRecord& t = *batchTemplate;
    DeviceRecord& w = batchRecord_;
    w = DeviceRecord{};
    copyText(w.mac, board->mac);
    copyText(w.echoText, board->echoText);
    if (t.id[0] != '\0') {
        w.setId(expandIdPattern(t.id, boardIndex, position).c_str());
    }
    if (t.ip[0] != '\0') {
        // An address that cannot be read is not sent: the board keeps its own.
        const uint32_t first = inetAddrHost(t.ip);
        if (first != kAddressNone || std::string_view(t.ip, fieldLength(t.ip)) == "255.255.255.255") {
            w.setIp(formatIpv4(first + static_cast<uint32_t>(position)).c_str());
        }
    }
    w.setSubnet(t.subnet);
    w.setGateway(t.gateway);
    w.dhcpGiven = t.dhcpGiven ? 1 : 0;
    w.dhcp = t.dhcpGiven ? t.dhcp : 0;
    request = &batchRecord_;
    return buildConfigureRequest();
}

void NetSession::runConfigureBatch() {
    beginOperation();
    if (!openSocket()) {
        finishOperation(EVT_BATCH_CANCELLED);
        return;
    }
    batchRecord_ = DeviceRecord{};
    request = &batchRecord_;
    configureAcknowledged = false;

    // Only the boards chosen for this pass: an empty selection takes none, never every board.
    const bool overSelection = selectionMode == 1;
    const int32_t count =
        overSelection ? static_cast<int32_t>(batchSelection_.size()) : devices.count();
    batchBoardCount = count;

    for (int32_t position = 0; position < count;) {
        currentIndex = position;
        const int32_t board = overSelection ? batchSelection_[static_cast<size_t>(position)] : position;
        ackTarget_ = board;
        // A selection entry that names no listed board has nothing to configure.
        if (!fillBatchRecord(position, board)) {
            ++position;
            continue;
        }
        if (attemptLoop(EVT_CONFIG_BROADCAST)) {
            sendEvent(EVT_CONFIGURED, board);
            idleCycles = 0;
            configureAcknowledged = false;
            ++position;
            continue;
        }
        const DeviceRecord* stored = devices.at(board);
        const QuestionAnswer answer = ask(stored ? *stored : batchRecord_, true);
        idleCycles = 0;
        if (answer == QuestionAnswer::Abort) {
            configureAcknowledged = false;
            finishOperation(EVT_BATCH_CANCELLED);
            return;
        }
        if (answer != QuestionAnswer::Retry) ++position;
    }
    finishOperation(EVT_BATCH_COMPLETE);
}
