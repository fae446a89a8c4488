// The find and configure operations, their start routines and the worker threads they run on.
#include <algorithm>
#include <string>
#include <string_view>

#include "net/id_pattern.h"
#include "net/ipv4.h"
#include "net/net_session.h"

NetSession::NetSession(std::unique_ptr<UdpChannel> channel) : channel_(std::move(channel)) {}

NetSession::~NetSession() {
    stop();
    waitForWorker();
}

void NetSession::setWorkerWait(WorkerWait wait) { workers_.setWaitHook(std::move(wait)); }

void NetSession::waitForWorker() { workers_.waitForAll(); }

// A start from inside an event of the running operation would wait for itself: refused.
// Otherwise the previous operation is let to finish its work; its worker may still be inside
// its final event, whose handler may be this very start.
bool NetSession::mayStart() {
    if (operationActive_ && workers_.callerIsNewest()) return false;
    while (operationActive_) workers_.waitTurn();
    return true;
}

uint64_t NetSession::claim() {
    const uint64_t token = ++lastToken_;
    busyToken_ = token;
    return token;
}

bool NetSession::launch(void (NetSession::*body)()) {
    // Cleared here, not on the worker, so that a stop() right after the start is not lost.
    cancelRequested_ = false;
    settleAt_ = 0;
    openFailed_ = false;
    sendFailed_ = false;
    operationActive_ = true;
    const uint64_t token = claim();
    if (workers_.start([this, body, token] {
            (this->*body)();
            // Only this start's own busy mark: a stop, or a later start, has replaced it.
            uint64_t mine = token;
            busyToken_.compare_exchange_strong(mine, 0);
        }))
        return true;
    operationActive_ = false;
    busyToken_ = 0;
    return false;
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

bool NetSession::startFind(EventSink sink) { return startFindAwaiting(std::move(sink), {}); }

bool NetSession::startFindAwaiting(EventSink sink, std::vector<std::string> awaited) {
    return startDiscovery(std::move(sink), std::move(awaited), &NetSession::runFind);
}

// A find and a watch: discovery cycles, with the boards a find awaits.
bool NetSession::startDiscovery(EventSink sink, std::vector<std::string> awaited, void (NetSession::*body)()) {
    if (!mayStart()) return false;
    awaiting_ = !awaited.empty();
    awaited_ = std::unordered_set<std::string>(awaited.begin(), awaited.end());
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = nullptr;
    buildDiscoveryRequest(sendBuffer);
    sendLength_ = kDiscoveryDatagramSize;
    return launch(body);
}

bool NetSession::startFreshFind(EventSink sink, const std::function<void()>& emptied) {
    return startFreshFind(std::move(sink), emptied, {});
}

bool NetSession::startFreshFind(EventSink sink, const std::function<void()>& emptied,
                                std::vector<std::string> awaited) {
    if (!isIdle()) return false;
    // Busy from here: a second press while this one waits is refused.
    claim();
    // A find that was stopped may still be returning: let it end before its boards are freed,
    // so that two finds never overlap.
    waitForWorker();
    devices.freeAll();
    if (emptied) emptied();
    if (startFindAwaiting(std::move(sink), std::move(awaited))) return true;
    busyToken_ = 0;
    return false;
}

bool NetSession::startConfigureOne(EventSink sink, const DeviceRecord& record, int32_t index,
                                   NotFoundQuestion ask) {
    if (!mayStart()) return false;
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = std::move(ask);
    oneRequest_ = record;
    terminateTexts(oneRequest_);
    request = &oneRequest_;
    oneIndex_ = index;
    sendLength_ = buildConfigureRequest(oneRequest_, sendBuffer, sizeof sendBuffer);
    return launch(&NetSession::runConfigureOne);
}

bool NetSession::startConfigureBatch(EventSink sink, const DeviceRecord& batchTemplateRecord,
                                     int32_t firstSequence, std::vector<int32_t> boards,
                                     NotFoundQuestion ask) {
    if (!mayStart()) return false;
    firstSequence_ = firstSequence;
    batchBoards_ = std::move(boards);
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = std::move(ask);
    batchTemplate = batchTemplateRecord;
    terminateTexts(batchTemplate);
    return launch(&NetSession::runConfigureBatch);
}

bool NetSession::startWatch(EventSink sink) { return startDiscovery(std::move(sink), {}, &NetSession::runWatch); }

bool NetSession::startConfigureRound(EventSink sink, const std::vector<DeviceRecord>& requests,
                                     RoundPacing pacing) {
    if (!mayStart()) return false;
    port = kBoardPort;
    eventSink_ = std::move(sink);
    question_ = nullptr;
    pacing_ = pacing;
    roundBytes_.clear();
    roundEnds_.clear();
    for (DeviceRecord r : requests) {
        terminateTexts(r);
        uint8_t datagram[kSendBufferSize];
        const size_t length = buildConfigureRequest(r, datagram, sizeof datagram);
        roundBytes_.insert(roundBytes_.end(), datagram, datagram + length);
        roundEnds_.push_back(roundBytes_.size());
    }
    return launch(&NetSession::runRound);
}

// The addresses of every listed board: an acknowledgement from one of them that is not the
// board in progress is that board's, late, and no answer for this one.
void NetSession::noteListedAddresses() {
    otherAddresses_.clear();
    for (int32_t i = 0; i < devices.count(); ++i)
        if (const DeviceRecord* d = devices.at(i))
            if (const uint32_t a = addressOf(d->ip)) otherAddresses_.insert(a);
}

void NetSession::beginOperation() {
    sentAny_ = false;
    sendRefused_ = false;
}

// The end every operation shares: socket closed, operationActive_ cleared, then the one final
// event, its value the operation's failures (OperationEnd). After that the worker touches nothing of the session but its busy mark.
void NetSession::finishOperation(int32_t finalEvent) {
    idleCycles = 0;
    channel_->close();
    // Cycles ran, yet not one datagram left: the user must hear why nothing answered.
    if (sendRefused_ && !sentAny_ && !cancelRequested_) sendFailed_ = true;
    // The event carries this operation's own failures: by the time a window handles it, the
    // next operation may have started and cleared the session's flags.
    const int32_t end = (openFailed_ ? kEndOpenFailed : 0) | (sendFailed_ ? kEndSendFailed : 0);
    // The handler of this event may start the next operation, which replaces eventSink_.
    const EventSink sink = eventSink_;
    operationActive_ = false;
    if (sink) sink(finalEvent, end);
}

void NetSession::runFind() {
    beginOperation();
    manyBoardsAsked_ = false;
    if (openSocket()) {
        for (int32_t cycle = 0; idleCycles < kIdleCyclesToFinish && !cancelRequested_;) {
            sendEvent(EVT_BROADCAST, cycle);
            runCycle(CycleKind::Discovery);
            if (settleAt_ != 0) break;   // every board awaited has answered
            // A cycle in which the system lost replies for want of room is no quiet one: the
            // lost ones may have been boards not yet listed.
            if (channel_->lostDatagrams()) idleCycles = 0;
            if (++cycle >= kMaxCycles) break;
        }
    }
    finishOperation(EVT_COMPLETE);
}

// Up to kMaxCycles configuration cycles; an acknowledgement is looked at before a stop, so one
// that came in the last attempt wins.
bool NetSession::attemptLoop(int32_t broadcastEvent) {
    configureAcknowledged_ = false;
    // What came before this board's first request (a late acknowledgement of the board before
    // it) is not this board's answer.
    channel_->dropWaiting();
    const DeviceRecord* target = devices.at(ackTarget_);
    currentListed_ = target ? addressOf(target->ip) : 0;
    currentSent_ = request ? addressOf(request->ip) : 0;
    for (int32_t attempt = 0; attempt < kMaxCycles; ++attempt) {
        if (configureAcknowledged_) return true;
        if (cancelRequested_) return false;
        sendEvent(broadcastEvent, attempt);
        runCycle(CycleKind::Configure);
    }
    return configureAcknowledged_;
}

void NetSession::runConfigureOne() {
    beginOperation();
    noteListedAddresses();
    ackTarget_ = oneIndex_;
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
        if (const DeviceRecord* stored = devices.at(oneIndex_)) {
            board = *stored;
        } else if (request) {
            copyText(board.mac, request->mac);
        }
        const QuestionAnswer answer = ask(board, false);
        idleCycles = 0;
        if (answer != QuestionAnswer::Retry) {
            configureAcknowledged_ = false;
            finishOperation(EVT_CANCELLED);
            return;
        }
    }
}

// The working record for the board at list index boardIndex, batch position position.
bool NetSession::fillBatchRecord(int32_t position, int32_t boardIndex) {
    const DeviceRecord* board = devices.at(boardIndex);
    if (!board) return false;
    const DeviceRecord& t = batchTemplate;
    DeviceRecord& w = batchRecord_;
    w = DeviceRecord{};
    copyText(w.mac, board->mac);
    copyText(w.echoText, board->echoText);
    if (t.id[0] != '\0') {
        // Wraps instead of overflowing; the window keeps the start within 0..65535.
        const auto sequence = static_cast<int32_t>(static_cast<uint32_t>(firstSequence_) +
                                                   static_cast<uint32_t>(position));
        w.setId(expandIdPattern(t.id, sequence, board->mac).c_str());
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
    sendLength_ = buildConfigureRequest(batchRecord_, sendBuffer, sizeof sendBuffer);
    return sendLength_ != 0;
}

void NetSession::runConfigureBatch() {
    beginOperation();
    if (!openSocket()) {
        finishOperation(EVT_BATCH_CANCELLED);
        return;
    }
    batchRecord_ = DeviceRecord{};
    request = &batchRecord_;
    configureAcknowledged_ = false;
    noteListedAddresses();

    // Only the boards chosen for this pass: an empty list takes none, never every board.
    const auto count = static_cast<int32_t>(batchBoards_.size());
    for (int32_t position = 0; position < count;) {
        batchPosition_ = position;
        const int32_t board = batchBoards_[static_cast<size_t>(position)];
        ackTarget_ = board;
        // An entry that names no listed board has nothing to configure.
        if (!fillBatchRecord(position, board)) {
            ++position;
            continue;
        }
        const bool acknowledged = attemptLoop(EVT_CONFIG_BROADCAST);
        // Its new address is its own from now on: an acknowledgement from it is not another's.
        if (const uint32_t sent = addressOf(batchRecord_.ip)) otherAddresses_.insert(sent);
        if (acknowledged) {
            sendEvent(EVT_CONFIGURED, board);
            idleCycles = 0;
            configureAcknowledged_ = false;
            ++position;
            continue;
        }
        const DeviceRecord* stored = devices.at(board);
        const QuestionAnswer answer = ask(stored ? *stored : batchRecord_, true);
        idleCycles = 0;
        if (answer == QuestionAnswer::Abort) {
            configureAcknowledged_ = false;
            finishOperation(EVT_BATCH_CANCELLED);
            return;
        }
        if (answer != QuestionAnswer::Retry) ++position;
    }
    finishOperation(EVT_BATCH_COMPLETE);
}

// Every request once, in bursts; each gap takes the acknowledgements that have come, so that
// none is lost for want of room. Then acknowledgements until a quiet time passes.
void NetSession::runRound() {
    beginOperation();
    roundAcks_ = 0;
    if (openSocket()) {
        ++cycleNumber_;
        const int burst = std::max(1, pacing_.burst);
        size_t start = 0;
        int32_t sent = 0;
        for (size_t i = 0; i < roundEnds_.size() && !cancelRequested_; ++i) {
            if (i > 0 && i % static_cast<size_t>(burst) == 0 && pacing_.gapMs > 0) {
                const int64_t gapEnd = channel_->nowMs() + pacing_.gapMs;
                takeReplies(CycleKind::Round, gapEnd, gapEnd, true, false);
            }
            const size_t end = roundEnds_[i];
            const bool ok = end > start && channel_->send(roundBytes_.data() + start, end - start);
            (ok ? sentAny_ : sendRefused_) = true;
            if (ok) ++sent;
            start = end;
        }
        if (!cancelRequested_) {
            sendEvent(EVT_ROUND_SENT, sent);
            const int64_t now = channel_->nowMs();
            takeReplies(CycleKind::Round, now + kQuietMs, now + kCycleCeilingMs, true, true);
        }
    }
    finishOperation(EVT_ROUND_COMPLETE);
}

// Each cycle's list is what answered in it; the one asking reads it at the cycle's end.
void NetSession::runWatch() {
    beginOperation();
    manyBoardsAsked_ = false;
    if (openSocket()) {
        for (int32_t cycle = 0; !cancelRequested_; ++cycle) {
            devices.freeAll();
            sendEvent(EVT_BROADCAST, cycle);
            runCycle(CycleKind::Discovery);
            if (cancelRequested_) break;
            sendEvent(EVT_CYCLE_END, cycle);
        }
    }
    finishOperation(EVT_COMPLETE);
}
