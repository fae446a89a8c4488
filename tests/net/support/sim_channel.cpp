#include "tests/net/support/sim_channel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void putBytes(std::vector<uint8_t>& out, std::initializer_list<unsigned> bytes) {
    for (unsigned b : bytes) out.push_back(static_cast<uint8_t>(b));
}

void putAddress(std::vector<uint8_t>& out, uint8_t tag, const std::string& text) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) != 4) a = b = c = d = 0;
    putBytes(out, {tag, 4, a, b, c, d});
}

void putText(std::vector<uint8_t>& out, uint8_t tag, const std::string& text) {
    out.push_back(tag);
    out.push_back(static_cast<uint8_t>(text.size()));
    for (char c : text) out.push_back(static_cast<uint8_t>(c));
}

std::string addressText(const uint8_t* p) {
    return std::to_string(p[0]) + "." + std::to_string(p[1]) + "." + std::to_string(p[2]) + "." +
           std::to_string(p[3]);
}

uint32_t hostAddress(const std::string& text) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) != 4) return 0;
    return (a & 0xFFu) << 24 | (b & 0xFFu) << 16 | (c & 0xFFu) << 8 | (d & 0xFFu);
}

std::string hexMac(const uint8_t* p) {
    char text[13];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x%02x%02x", p[0], p[1], p[2], p[3], p[4], p[5]);
    return text;
}

void setLength(std::vector<uint8_t>& datagram) {
    datagram[0] = static_cast<uint8_t>(datagram.size() >> 8);
    datagram[1] = static_cast<uint8_t>(datagram.size() & 0xFF);
}

}  // namespace

std::vector<uint8_t> SimChannel::discoveryReply(const SimBoard& board) {
    std::vector<uint8_t> out;
    putBytes(out, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 6});
    for (size_t i = 0; i < 6; ++i) {
        unsigned byte = 0;
        std::sscanf(board.mac.substr(i * 2, 2).c_str(), "%2x", &byte);
        out.push_back(static_cast<uint8_t>(byte));
    }
    putAddress(out, 2, board.ip);
    putAddress(out, 3, board.subnet);
    putAddress(out, 4, board.gateway);
    putBytes(out, {5, 1, board.dhcp});
    putText(out, 6, board.id);
    putText(out, 7, board.echoText);
    putBytes(out, {8, 2, static_cast<unsigned>(board.number16 >> 8), board.number16 & 0xFFu});
    setLength(out);
    return out;
}

std::vector<uint8_t> SimChannel::acknowledgement(uint16_t status) {
    std::vector<uint8_t> out(14, 0);
    out[10] = 4;
    out[12] = static_cast<uint8_t>(status >> 8);
    out[13] = static_cast<uint8_t>(status & 0xFF);
    setLength(out);
    return out;
}

int SimChannel::addBoard(const SimBoard& board) {
    std::lock_guard<std::mutex> lock(mutex_);
    boards_.push_back(board);
    return static_cast<int>(boards_.size()) - 1;
}

void SimChannel::addBoards(int count, int first) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int i = first; i < first + count; ++i) {
        SimBoard b;
        char text[32];
        std::snprintf(text, sizeof text, "02%010x", static_cast<unsigned>(i));
        b.mac = text;
        std::snprintf(text, sizeof text, "Bd%d", i);
        b.id = text;
        std::snprintf(text, sizeof text, "10.0.%d.%d", (i >> 8) & 0xFF, i & 0xFF);
        b.ip = text;
        std::snprintf(text, sizeof text, "e%d", i);
        b.echoText = text;
        b.number16 = static_cast<uint16_t>(i);
        boards_.push_back(b);
    }
}

void SimChannel::setNewBoardEachDiscovery(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    newBoardEachDiscovery_ = on;
}

SimBoard SimChannel::board(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boards_.at(static_cast<size_t>(index));
}

int SimChannel::boardCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(boards_.size());
}

void SimChannel::setBoard(int index, const SimBoard& board) {
    std::lock_guard<std::mutex> lock(mutex_);
    boards_.at(static_cast<size_t>(index)) = board;
}

void SimChannel::neverAck(int index) {
    std::lock_guard<std::mutex> lock(mutex_);
    boards_.at(static_cast<size_t>(index)).silentConfigures = kNeverAck;
}

void SimChannel::inject(int64_t atMs, std::vector<uint8_t> bytes, const std::string& from) {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.emplace(atMs, Arrival{std::move(bytes), hostAddress(from)});
}

void SimChannel::flood(int64_t fromMs, int periodMs, std::vector<uint8_t> bytes, int64_t untilMs) {
    std::lock_guard<std::mutex> lock(mutex_);
    floods_.push_back(Flood{fromMs, std::max(1, periodMs), untilMs, std::move(bytes)});
}

void SimChannel::setEchoOwnSends(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    echo_ = on;
}

void SimChannel::setFailOpen(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    failOpen_ = on;
}

void SimChannel::setFailSend(bool on, int takesMs) {
    std::lock_guard<std::mutex> lock(mutex_);
    failSend_ = on;
    failSendMs_ = takesMs;
}

void SimChannel::setReceiveBuffer(int asked, int granted) { recordReceiveBuffer({asked, granted}); }

void SimChannel::setLostDatagramsInCycles(std::vector<int> cycles) {
    std::lock_guard<std::mutex> lock(mutex_);
    lossCycles_ = std::move(cycles);
}

// Asked once after each discovery cycle: the cycle is the one whose request went out last.
bool SimChannel::lostDatagrams() {
    std::lock_guard<std::mutex> lock(mutex_);
    const int cycle = discoveries_ - 1;
    return std::find(lossCycles_.begin(), lossCycles_.end(), cycle) != lossCycles_.end();
}

void SimChannel::setHook(std::function<void(SimStage, int)> hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

void SimChannel::holdReceives(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    hold_ = on;
    changed_.notify_all();
}

bool SimChannel::waitUntilHeld() {
    std::unique_lock<std::mutex> lock(mutex_);
    const int closes = closeCalls_;
    changed_.wait(lock, [&] { return held_ || closeCalls_ != closes; });
    return held_;
}

std::vector<SimDatagram> SimChannel::sent() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sent_;
}

std::vector<SimDatagram> SimChannel::configureRequests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<SimDatagram> out;
    for (const auto& d : sent_) {
        if (d.bytes.size() > 10 && d.bytes[10] == 2) out.push_back(d);
    }
    return out;
}

int SimChannel::discoveryRequests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return discoveries_;
}

int SimChannel::openCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return opens_;
}

int SimChannel::closeCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closes_;
}

bool SimChannel::isOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return open_;
}

int64_t SimChannel::now() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return now_;
}

void SimChannel::runHook(SimStage stage) {
    std::function<void(SimStage, int)> hook;
    int occurrence = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hook = hook_;
        occurrence = stageCounts_[static_cast<int>(stage)]++;
    }
    if (hook) hook(stage, occurrence);
}

bool SimChannel::open(uint16_t) {
    runHook(SimStage::Open);
    std::lock_guard<std::mutex> lock(mutex_);
    if (failOpen_) return false;
    ++opens_;
    open_ = true;
    return true;
}

bool SimChannel::send(const uint8_t* data, size_t length) {
    runHook(SimStage::Send);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_) return false;
    if (failSend_) {
        now_ += failSendMs_;
        return false;
    }
    std::vector<uint8_t> bytes(data, data + length);
    sent_.push_back(SimDatagram{now_, bytes});
    if (echo_) pending_.emplace(now_, Arrival{bytes, 0});
    answer(bytes);
    return true;
}

ReceiveResult SimChannel::receive(int timeoutMs, const uint8_t*& data, size_t& length) {
    runHook(SimStage::Receive);
    std::unique_lock<std::mutex> lock(mutex_);
    data = nullptr;
    length = 0;
    from_ = 0;
    if (hold_ && open_) {
        held_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return !hold_ || !open_; });
        held_ = false;
    }
    if (!open_) return ReceiveResult::Closed;

    const int64_t limit = now_ + std::max(0, timeoutMs);
    int64_t best = pending_.empty() ? kForever : pending_.begin()->first;
    Flood* source = nullptr;
    for (auto& f : floods_) {
        // A flood sends whether or not anyone listens: skip what fell between receives.
        if (f.next < now_) f.next += (now_ - f.next + f.period - 1) / f.period * f.period;
        if (f.next <= f.until && f.next < best) {
            best = f.next;
            source = &f;
        }
    }
    if (best > limit) {
        now_ = limit;
        return ReceiveResult::Timeout;
    }
    now_ = std::max(now_, best);
    std::vector<uint8_t> bytes;
    if (source) {
        bytes = source->bytes;
        source->next += source->period;
    } else {
        bytes = std::move(pending_.begin()->second.bytes);
        from_ = pending_.begin()->second.from;
        pending_.erase(pending_.begin());
    }
    if (bytes.empty() || bytes.size() > sizeof buffer_) return ReceiveResult::Dropped;
    std::memcpy(buffer_, bytes.data(), bytes.size());
    data = buffer_;
    length = bytes.size();
    return ReceiveResult::Datagram;
}

void SimChannel::close() {
    runHook(SimStage::Close);
    std::lock_guard<std::mutex> lock(mutex_);
    ++closeCalls_;
    if (open_) {
        open_ = false;
        ++closes_;
        pending_.clear();  // a closed socket loses what it had not delivered
    }
    changed_.notify_all();
}

void SimChannel::dropWaiting() {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.erase(pending_.begin(), pending_.upper_bound(now_));
}

uint32_t SimChannel::receivedFrom() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return from_;
}

int64_t SimChannel::nowMs() {
    std::lock_guard<std::mutex> lock(mutex_);
    return now_;
}

void SimChannel::answer(const std::vector<uint8_t>& request) {
    if (request.size() < 12) return;
    if (request[10] == 1) {
        const int index = discoveries_++;
        if (newBoardEachDiscovery_) {
            SimBoard b;
            char mac[13];
            std::snprintf(mac, sizeof mac, "03000000%04x", static_cast<unsigned>(nextNewBoard_) & 0xFFFF);
            b.mac = mac;
            b.id = "New" + std::to_string(nextNewBoard_++);
            b.firstDiscovery = index;
            boards_.push_back(b);
        }
        for (const auto& b : boards_) {
            if (index >= b.firstDiscovery)
                pending_.emplace(now_ + b.replyDelayMs, Arrival{discoveryReply(b), hostAddress(b.ip)});
        }
        return;
    }
    if (request[10] == 2 && request.size() >= 20 && request[12] == 1 && request[13] == 6) {
        const std::string mac = hexMac(&request[14]);
        for (auto& b : boards_) {
            if (b.mac == mac) configureBoard(b, request);
        }
    }
}

void SimChannel::configureBoard(SimBoard& board, const std::vector<uint8_t>& request) {
    ++board.configuresSeen;
    const uint32_t askedAt = hostAddress(board.ip);
    if (board.silentConfigures == kNeverAck || board.configuresSeen <= board.silentConfigures) return;
    if (board.ackStatus == 0) {
        const size_t total = std::min<size_t>(request.size(), (size_t{request[0]} << 8) | request[1]);
        for (size_t pos = 12; pos + 2 <= total;) {
            const uint8_t tag = request[pos];
            const size_t len = request[pos + 1];
            if (pos + 2 + len > total) break;
            const uint8_t* value = request.data() + pos + 2;
            const std::string text(reinterpret_cast<const char*>(value), len);
            if (tag == 2 && len == 4) board.ip = addressText(value);
            if (tag == 3 && len == 4) board.subnet = addressText(value);
            if (tag == 4 && len == 4) board.gateway = addressText(value);
            if (tag == 5 && len == 1) board.dhcp = value[0];
            if (tag == 6) board.id = text;
            pos += 2 + len;
        }
    }
    pending_.emplace(now_ + board.replyDelayMs, Arrival{acknowledgement(board.ackStatus), askedAt});
}
