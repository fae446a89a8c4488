// The exchange engine: opening the channel, the discovery and configuration cycles, the handling
// of each received datagram, and stop().
#include "net/net_session.h"

#include "net/ipv4.h"

#include <algorithm>
#include <new>
#include <thread>

// operationActive_ is raised by the start routine already, before the worker exists.
bool NetSession::openSocket() {
    // A stop() that came first keeps the socket shut; one that comes while it opens finds
    // nothing to close, so look again once it is open.
    if (cancelRequested_) return false;
    if (!channel_->open(port)) {
        if (!cancelRequested_) openFailed_ = true;
        return false;
    }
    std::lock_guard<std::mutex> lock(sessionLock_);
    if (!cancelRequested_) return true;
    channel_->close();
    return false;
}

void NetSession::stop() {
    std::lock_guard<std::mutex> lock(sessionLock_);
    channel_->close();
    cancelRequested_ = true;
    replyHandled = 1;
    // A stopped operation is as good as ended: the next find may start and waits for it.
    busyToken_ = 0;
}

// One send, then receives until kQuietMs pass without a board's answer (a board's first reply
// in a discovery cycle, an acknowledgement in a configuration one), or kCycleCeilingMs in all.
// Anything else on the port (our own request heard back, another finder's, junk, a board that
// answers again: to another finder) is read and dropped without holding the cycle open, so a
// chatty LAN costs no time. A discovery cycle adds 1 to idleCycles exactly once: at its first
// handled completion, whatever it carried, or at its final time-out when nothing came.
void NetSession::runCycle(CycleKind kind) {
    const bool discovery = kind == CycleKind::Discovery;
    ++cycleNumber_;
    const size_t length = discovery ? kDiscoveryDatagramSize : sendLength_;
    const int64_t started = channel_->nowMs();
    const bool sent =
        length != 0 && length <= sizeof sendBuffer && channel_->send(sendBuffer, length);
    (sent ? sentAny_ : sendRefused_) = true;

    // A cycle whose send failed still takes its time (and any late reply), so ten attempts
    // never pass in an instant; asking nobody, it is not counted as a quiet one. Its time runs
    // from the start: a send that failed only after its whole wait has had it.
    const int64_t quietEnd = (sent ? channel_->nowMs() : started) + kQuietMs;
    takeReplies(kind, quietEnd, started + kCycleCeilingMs, !sent, true);
}

void NetSession::takeReplies(CycleKind kind, int64_t quietEnd, int64_t ceiling, bool counted,
                             bool extend) {
    const bool discovery = kind == CycleKind::Discovery;
    auto countOnce = [&] {
        if (discovery && !counted) {
            ++idleCycles;
            counted = true;
        }
    };

    for (;;) {
        int64_t end = std::min(quietEnd, ceiling);
        if (settleAt_ != 0) end = std::min(end, settleAt_);
        const int64_t left = end - channel_->nowMs();
        if (left <= 0) {
            countOnce();
            return;
        }
        const uint8_t* data = nullptr;
        size_t size = 0;
        const ReceiveResult result = channel_->receive(static_cast<int>(left), data, size);
        if (result == ReceiveResult::Timeout) {
            countOnce();
            return;
        }

        // A stray datagram (Dropped) is a completion like any other, but carries nothing.
        replyHandled = 0;
        const bool answer = result == ReceiveResult::Datagram && handleDatagram(kind, data, size);
        replyHandled = 1;
        {
            std::unique_lock<std::mutex> lock(sessionLock_);
            while (replyHandled.load() != 1) {
                lock.unlock();
                std::this_thread::yield();
                lock.lock();
            }
            countOnce();
        }
        if (answer && extend) quietEnd = channel_->nowMs() + kQuietMs;
        // A closed channel posts no further receive; an aborted search takes no more boards.
        if (result == ReceiveResult::Closed || cancelRequested_) return;
    }
}

// True when the datagram is a board's answer: its first reply in the cycle, or an
// acknowledgement.
bool NetSession::handleDatagram(CycleKind kind, const uint8_t* data, size_t length) {
    if (kind == CycleKind::Discovery) return addBoardFromReply(data, length);
    if (!isConfigureAck(data, length)) return false;
    if (kind == CycleKind::Round) {
        ++roundAcks_;
        return true;
    }
    if (!fromBoardInProgress()) return false;
    configureAcknowledged_ = true;
    applyAcknowledgedSettings();
    return true;
}

// An acknowledgement names no board, but it comes from an address. One from an address of
// another listed board (its listed one, or one sent to it in this operation) is that board's,
// unless the board in progress has that address too (boards that share a factory address). An
// unknown sender, or one that is no board's, counts as before (a simulator answering for all).
bool NetSession::fromBoardInProgress() const {
    const uint32_t from = channel_->receivedFrom();
    if (from == 0 || from == currentListed_ || from == currentSent_) return true;
    return otherAddresses_.count(from) == 0;
}

uint32_t NetSession::addressOf(const char* ip) {
    const uint32_t a = inetAddrHost(ip);
    return a == kAddressNone ? 0 : a;
}

void NetSession::recordOfReply(DeviceRecord& record) const {
    record.setId(reply.id);
    record.setIp(reply.ip);
    copyText(record.mac, reply.mac);
    record.setSubnet(reply.subnet);
    record.setGateway(reply.gateway);
    copyText(record.echoText, reply.echoText);
    record.dhcp = reply.dhcp;
    copyText(record.number16, reply.number16);
    record.heardOn = channel_->receivedOn();
}

bool NetSession::addBoardFromReply(const uint8_t* data, size_t length) {
    // A field that a reply leaves out must not carry over from the board before it.
    reply = ReplyFields{};
    if (!parseReply(data, length, reply)) return false;
    // Every board sends its hardware address, and a request needs one: without it, no board.
    if (reply.mac[0] == '\0') return false;
    if (const int32_t known = devices.findByMac(reply.mac); known >= 0) {
        if (keepOtherAnswers_) {
            DeviceRecord other;
            recordOfReply(other);
            devices.addOtherAnswer(known, other);
        }
        return firstAnswer(known);
    }

    auto* record = new (std::nothrow) DeviceRecord;
    if (!record) {
        stop();
        return true;
    }
    recordOfReply(*record);

    if (!devices.append(record)) {
        delete record;
        cancelRequested_ = true;
        replyHandled = 1;
        return true;
    }
    const int32_t count = devices.count();
    sendEvent(EVT_FOUND, count - 1);
    if (awaiting_ && awaited_.erase(fieldText(record->mac)) != 0 && awaited_.empty())
        settleAt_ = channel_->nowMs() + kSettleMs;

    if (count > kManyBoards && !manyBoardsAsked_) {
        const bool goOn = sendEvent(EVT_TOO_MANY, 0);
        manyBoardsAsked_ = true;
        if (!goOn) {
            cancelRequested_ = true;
            replyHandled = 1;
            return true;
        }
    }
    idleCycles = 0;
    return firstAnswer(count - 1);
}

// Whether the board at index answers for the first time in this cycle. In one cycle each board
// answers our request once; what it sends beyond that answers another finder.
bool NetSession::firstAnswer(int32_t index) {
    const auto at = static_cast<size_t>(index);
    if (answeredIn_.size() <= at) answeredIn_.resize(at + 1, 0);
    if (answeredIn_[at] == cycleNumber_) return false;
    answeredIn_[at] = cycleNumber_;
    return true;
}

void NetSession::applyAcknowledgedSettings() {
    DeviceRecord* target = devices.at(ackTarget_);
    if (!target || !request) return;
    if (request->id[0] != '\0') target->setId(request->id);
    if (request->ip[0] != '\0') target->setIp(request->ip);
    if (request->subnet[0] != '\0') target->setSubnet(request->subnet);
    if (request->gateway[0] != '\0') target->setGateway(request->gateway);
    if (request->dhcpGiven) target->dhcp = request->dhcp;
    // A board on DHCP has no address that we know.
    if (target->dhcp) target->setIp("0.0.0.0");
}

bool NetSession::sendEvent(int32_t code, int32_t value) {
    return eventSink_ ? eventSink_(code, value) : true;
}

QuestionAnswer NetSession::ask(const DeviceRecord& board, bool batch) {
    if (!question_) return QuestionAnswer::Unavailable;
    return question_(notFoundMessage(board), batch);
}
