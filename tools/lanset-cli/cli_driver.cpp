#include "tools/lanset-cli/cli_driver.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "net/ipv4.h"
#include "tools/lanset-cli/board_output.h"
#include "tools/lanset-cli/lan_check.h"
#include "ui/board_text.h"
#include "ui/port_holder.h"
#include "ui/window_texts.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);

}  // namespace

std::string describeBoard(const DeviceRecord& b) {
    return printableText(fieldText(b.id)) + "  SN " + fieldText(b.mac) + "  IP " + fieldText(b.ip);
}

CliDriver::CliDriver(NetSession& session, std::ostream& out, std::ostream& err,
                     const std::atomic<bool>& interrupted, Interfaces interfaces, const CliOptions& options)
    : session_(session), out_(out), err_(err), interrupted_(interrupted), interfaces_(std::move(interfaces)),
      options_(options) {
    session_.setWorkerWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    session_.channel().limitAdapters(options_.adapters);
    // A second answer for an SN must be seen: it may be a device posing as the board.
    session_.keepOtherAnswers(true);
}

void CliDriver::say(const std::string& line, Verbosity from) {
    if (options_.verbosity < from) return;
    std::lock_guard guard(printLock_);
    err_ << line << '\n' << std::flush;
}

int CliDriver::refuse(const Refusal& refusal) {
    std::lock_guard guard(printLock_);
    err_ << refusalText(refusal) << std::flush;
    return kExitRefused;
}

std::optional<int> CliDriver::refuseClash(Refusal clash) {
    if (!options_.force) {
        clash.reason = "nothing was sent; --force goes on all the same";
        return refuse(clash);
    }
    say("lanset-cli: --force: going on although " + clash.message, Verbosity::Quiet);
    return std::nullopt;
}

std::optional<int> CliDriver::refusedPass(const std::vector<PassBoard>& pass) { return refusedPass(pass, listed()); }

std::optional<int> CliDriver::refusedPass(const std::vector<PassBoard>& pass,
                                          const std::vector<const DeviceRecord*>& listed) {
    auto refusal = checkPass(pass, listed, hostAddresses());
    if (!refusal) return std::nullopt;
    return refuseClash(*refusal);
}

std::optional<int> CliDriver::refusedTwins(const std::vector<const DeviceRecord*>& boards) {
    for (const DeviceRecord* b : boards) {
        const std::string twin = otherAnswersProblem(session_.devices, session_.devices.findByMac(b->mac));
        if (!twin.empty()) return refuseClash(Refusal{"", twin, "", true});
    }
    return std::nullopt;
}

std::vector<const DeviceRecord*> CliDriver::listed() const {
    std::vector<const DeviceRecord*> all;
    for (int32_t i = 0; i < session_.devices.count(); ++i) all.push_back(session_.devices.at(i));
    return all;
}

std::vector<uint32_t> CliDriver::hostAddresses() const {
    std::vector<uint32_t> addresses;
    for (const InterfaceAddress& a : interfaces_())
        if (a.address != 0) addresses.push_back(a.address);
    return addresses;
}

std::string CliDriver::describeIndex(int32_t index) const {
    const DeviceRecord* b = session_.devices.at(index);
    if (!b) return "board " + std::to_string(index);
    const std::string id = fieldText(b->id);
    return "SN " + fieldText(b->mac) + " (" + (id.empty() ? "" : "ID " + printableText(id) + ", ") +
           "IP " + fieldText(b->ip) + ")";
}

void CliDriver::prepare(std::vector<int32_t> finals) {
    std::lock_guard guard(lock_);
    finals_ = std::move(finals);
    finalSeen_ = false;
    finalCode_ = 0;
    questionPosition_ = -1;
    retriesUsed_ = 0;
}

bool CliDriver::onEvent(int32_t code, int32_t value) {
    switch (code) {
    case EVT_BROADCAST:
        say("Broadcast " + std::to_string(value), Verbosity::Verbose);
        break;
    case EVT_CONFIG_BROADCAST: {
        say("Broadcast " + std::to_string(value), Verbosity::Verbose);
        if (!batch_) break;
        const auto position = static_cast<int32_t>(batch_->chunkOffset) + session_.batchPosition();
        if (position != batch_->announced && static_cast<size_t>(position) < batch_->planned.size()) {
            batch_->announced = position;
            const DeviceRecord& p = batch_->planned[static_cast<size_t>(position)];
            std::string gets;
            if (p.id[0]) gets += " ID " + printableText(fieldText(p.id));
            if (p.ip[0]) gets += " IP " + fieldText(p.ip);
            say("board " + std::to_string(position + 1) + "/" + std::to_string(batch_->planned.size()) + ": SN " +
                fieldText(p.mac) + (gets.empty() ? "" : " ->" + gets));
        }
        break;
    }
    case EVT_FOUND:
        if (value >= kMaxBoards) {
            if (!tooMany_.exchange(true)) session_.stop();
            break;
        }
        if (const DeviceRecord* b = session_.devices.at(value)) say("Found device " + describeBoard(*b), foundFrom_);
        break;
    case EVT_CONFIGURED: {
        if (const DeviceRecord* b = session_.devices.at(value))
            say("Acknowledged by device " + describeBoard(*b), Verbosity::Verbose);
        std::lock_guard guard(lock_);
        if (!batch_) break;
        const size_t position = batch_->chunkOffset + static_cast<size_t>(session_.batchPosition());
        if (position < batch_->outcomes.size()) batch_->outcomes[position] = Outcome::Configured;
        break;
    }
    case EVT_ROUND_SENT:
        say("Sent " + std::to_string(value) + (value == 1 ? " request" : " requests") +
                "; waiting for acknowledgements", Verbosity::Verbose);
        break;
    case EVT_TOO_MANY:
        if (!onCycle_) say("More than 4096 boards have answered; going on.");
        break;
    case EVT_CYCLE_END:
        if (onCycle_ && !cycleStop_ && !onCycle_(session_.devices)) {
            cycleStop_ = true;
            session_.stop();
        }
        break;
    default:
        break;
    }
    std::lock_guard guard(lock_);
    if (std::find(finals_.begin(), finals_.end(), code) != finals_.end()) {
        finalCode_ = code;
        finalSeen_ = true;
        finished_.notify_all();
    }
    return true;   // EVT_TOO_MANY: a script wants every board, however many
}

// The engine asks after ten attempts without an acknowledgement (or after a stop).
QuestionAnswer CliDriver::onQuestion(bool batch) {
    const QuestionAnswer giveUp =
        !batch ? QuestionAnswer::Cancel
               : (options_.onMissing == OnMissing::Ignore && !interrupted_ ? QuestionAnswer::Ignore
                                                                           : QuestionAnswer::Abort);
    // Stopped: the board stays pending, neither configured nor known to be silent.
    if (interrupted_) return giveUp;
    const int32_t current = batch ? session_.batchPosition() : oneIndex_;
    int used = 0;
    {
        std::lock_guard guard(lock_);
        if (current != questionPosition_) {
            questionPosition_ = current;
            retriesUsed_ = 0;
        }
        if (retriesUsed_ < options_.retries) {
            used = ++retriesUsed_;
        } else if (batch && batch_) {
            const size_t position = batch_->chunkOffset + static_cast<size_t>(current);
            if (position < batch_->outcomes.size()) batch_->outcomes[position] = Outcome::NotAcknowledged;
        } else {
            oneNotAcknowledged_ = true;
        }
    }
    if (used > 0) {
        say("No acknowledgement; trying again (" + std::to_string(used) + " of " +
            std::to_string(options_.retries) + ")");
        return QuestionAnswer::Retry;
    }
    const int32_t index =
        batch && batch_ ? batch_->indexes[batch_->chunkOffset + static_cast<size_t>(current)] : current;
    say("lanset-cli: " + describeIndex(index) + " did not acknowledge after " +
            std::to_string(NetSession::kMaxCycles * (options_.retries + 1)) +
            " attempts. Check connections and try again.",
        Verbosity::Quiet);
    return giveUp;
}

CliDriver::Waited CliDriver::awaitFinal() {
    bool stopped = false;
    Waited result = Waited::Final;
    {
        std::unique_lock guard(lock_);
        while (!finalSeen_) {
            finished_.wait_for(guard, kPollInterval);
            if (finalSeen_) break;
            if (interrupted_ && !stopped) {
                guard.unlock();
                session_.stop();
                guard.lock();
                stopped = true;
            }
            // The worker returned without a final event: the operation did not run to its end.
            if (!stopped && session_.isIdle() && !finalSeen_) {
                result = Waited::NoFinalEvent;
                break;
            }
        }
    }
    session_.waitForWorker();
    if (result == Waited::Final && interrupted_) result = Waited::Interrupted;
    return result;
}

int CliDriver::networkFailure() {
    const std::string port = "UDP " + std::to_string(kBoardPort);
    if (session_.sendFailed()) {
        say("lanset-cli: could not send on " + port +
                ": no network adapter is connected, or the network refused every datagram",
            Verbosity::Quiet);
    } else if (broadcastAdapters(interfaces_(), options_.adapters).empty()) {
        say(std::string("lanset-cli: no network adapter can broadcast") +
                (options_.adapters.empty() ? " (only loopback, or every adapter is down or has no IPv4 address)"
                                           : " among those given by --adapter") +
                "; connect the boards' network and try again",
            Verbosity::Quiet);
    } else {
        const std::string holder = portHolder(kBoardPort);
        say("lanset-cli: another program holds " + port + (holder.empty() ? "" : " (" + holder + ")") +
                "; close it and try again",
            Verbosity::Quiet);
    }
    return kExitFailed;
}

int CliDriver::awaitOperation(bool started, const char* what) {
    if (!started) {
        say(std::string("lanset-cli: the ") + what + " could not be started", Verbosity::Quiet);
        return kExitFailed;
    }
    const Waited w = awaitFinal();
    if (w == Waited::Interrupted && !tooMany_) return kExitInterrupted;
    if (w == Waited::NoFinalEvent) {
        say(std::string("lanset-cli: the ") + what + " ended without saying how it ended: an internal "
            "error; what it did is not known", Verbosity::Quiet);
        return kExitFailed;
    }
    if (session_.openFailed() || session_.sendFailed()) return networkFailure();
    return kExitOk;
}

int CliDriver::find() {
    // On a terminal, find's own list follows at once: each board would be there twice.
    if (options_.terminal && options_.command == CliCommand::Find) {
        say("Searching...");
        return startedFind({}, Verbosity::Verbose);
    }
    return startedFind({}, Verbosity::Normal);
}

int CliDriver::verifyingFind(const std::vector<std::string>& awaited) {
    say("Searching again to verify", Verbosity::Verbose);
    return startedFind(awaited, Verbosity::Verbose);
}

int CliDriver::startedFind(const std::vector<std::string>& awaited, Verbosity foundFrom) {
    prepare({EVT_COMPLETE});
    foundFrom_ = foundFrom;
    tooMany_ = false;
    const bool started = session_.startFreshFind(
        [this](int32_t c, int32_t v) { return onEvent(c, v); }, {}, awaited);
    const int status = awaitOperation(started, "search");
    if (tooMany_) {
        say("lanset-cli: more than " + std::to_string(kMaxBoards) + " boards answered, more than any LAN of "
            "boards holds: a device may be answering for boards that are not there. The search stopped; "
            "nothing was sent", Verbosity::Quiet);
        return kExitFailed;
    }
    if (status != kExitOk) return status;
    if (awaited.empty()) say(finishedText(session_.devices.count()));
    if (awaited.empty() && session_.devices.count() == 0 && options_.command != CliCommand::Watch)
        say("lanset-cli: no board answered. Check the cable and the switch, that the boards are on this "
            "computer's LAN or VLAN (a broadcast does not cross a router), and that the firewall lets UDP " +
            std::to_string(kBoardPort) + " in", Verbosity::Quiet);
    noteSmallReceiveBuffer();
    return kExitOk;
}

// Thousands of boards answering at once fill the port's buffer faster than replies are taken
// when the system grants much less than asked: say so once, with the setting that raises it.
void CliDriver::noteSmallReceiveBuffer() {
    const UdpChannel::ReceiveBuffer buffer = session_.channel().receiveBuffer();
    if (bufferNoted_ || buffer.granted <= 0 || buffer.granted >= buffer.asked) return;
    bufferNoted_ = true;
    say("lanset-cli: note: the system gave UDP port " + std::to_string(kBoardPort) +
        " a receive buffer of " + std::to_string(buffer.granted) + " bytes (" +
        std::to_string(buffer.asked) + " asked); if boards of a large rack go missing, " +
#ifdef _WIN32
        "close programs that hold many sockets open and try again");
#else
        "raise the limit: sysctl -w net.core.rmem_max=" + std::to_string(buffer.asked));
#endif
}

void CliDriver::printBoards(const std::vector<DeviceRecord>& boards) {
    out_ << formatBoards(boards, options_.format) << std::flush;
}

void CliDriver::printListed(const std::vector<int32_t>& indexes) {
    std::vector<DeviceRecord> boards;
    for (int32_t i : indexes)
        if (const DeviceRecord* b = session_.devices.at(i)) boards.push_back(*b);
    printBoards(boards);
}

CliDriver::OneResult CliDriver::configureOne(int32_t index, const DeviceRecord& record) {
    {
        std::lock_guard guard(lock_);
        oneNotAcknowledged_ = false;
    }
    prepare({EVT_COMPLETE, EVT_CANCELLED});
    oneIndex_ = index;
    const bool started = session_.startConfigureOne(
        [this](int32_t c, int32_t v) { return onEvent(c, v); }, record, index,
        [this](const std::string&, bool batch) { return onQuestion(batch); });
    OneResult r;
    r.status = awaitOperation(started, "configuration");
    r.acknowledged = finalCode_ == EVT_COMPLETE && (r.status == kExitOk || r.status == kExitInterrupted);
    return r;
}

int CliDriver::runBatches(BatchProgress& batch, const DeviceRecord& batchTemplate, int32_t firstSequence) {
    batch_ = &batch;
    batch.announced = -1;
    int status = kExitOk;
    for (batch.chunkOffset = 0; batch.chunkOffset < batch.indexes.size();
         batch.chunkOffset += NetSession::kMaxSelection) {
        const size_t end = std::min(batch.indexes.size(), batch.chunkOffset + NetSession::kMaxSelection);
        // Each chunk goes on where the one before it ended: addresses and numbers.
        DeviceRecord chunk = batchTemplate;
        if (chunk.ip[0])
            chunk.setIp(formatIpv4(inetAddrHost(chunk.ip) + static_cast<uint32_t>(batch.chunkOffset)).c_str());
        prepare({EVT_BATCH_COMPLETE, EVT_BATCH_CANCELLED});
        const auto from = batch.indexes.begin() + static_cast<std::ptrdiff_t>(batch.chunkOffset);
        const bool started = session_.startConfigureBatch(
            [this](int32_t c, int32_t v) { return onEvent(c, v); }, chunk,
            firstSequence + static_cast<int32_t>(batch.chunkOffset),
            std::vector<int32_t>(from, batch.indexes.begin() + static_cast<std::ptrdiff_t>(end)),
            [this](const std::string&, bool b) { return onQuestion(b); });
        status = awaitOperation(started, "configuration");
        if (status != kExitOk || finalCode_ != EVT_BATCH_COMPLETE) break;
    }
    batch_ = nullptr;
    return status;
}

int CliDriver::watch(std::function<bool(const DeviceList&)> onCycle) {
    prepare({EVT_COMPLETE});
    foundFrom_ = Verbosity::Verbose;
    tooMany_ = false;
    cycleStop_ = false;
    onCycle_ = std::move(onCycle);
    const bool started = session_.startWatch([this](int32_t c, int32_t v) { return onEvent(c, v); });
    const int status = awaitOperation(started, "watch");
    onCycle_ = nullptr;
    if (tooMany_) {
        say("lanset-cli: more than " + std::to_string(kMaxBoards) + " boards answered in one cycle; the watch "
            "stopped", Verbosity::Quiet);
        return kExitFailed;
    }
    return status;
}

void CliDriver::emit(const std::string& text) {
    std::lock_guard guard(printLock_);
    out_ << text << std::flush;
}

int CliDriver::round(const std::vector<DeviceRecord>& requests, int32_t& acknowledgements) {
    prepare({EVT_ROUND_COMPLETE});
    const bool started =
        session_.startConfigureRound([this](int32_t c, int32_t v) { return onEvent(c, v); }, requests);
    const int status = awaitOperation(started, "configuration");
    acknowledgements = session_.roundAcknowledgements();
    return status;
}
