#include "tools/lanset-cli/cli_runner.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "net/id_pattern.h"
#include "net/ipv4.h"
#include "tools/lanset-cli/board_output.h"
#include "tools/lanset-cli/board_text.h"
#include "tools/lanset-cli/port_holder.h"
#include "ui/window_texts.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);


std::string describe(const DeviceRecord& b) {
    return utf8FromLatin1(printableLatin1(fieldText(b.id))) + "  SN " + fieldText(b.mac) + "  IP " + fieldText(b.ip);
}

std::string snList(const std::vector<std::string>& sns) {
    std::string out;
    for (const std::string& sn : sns) out += (out.empty() ? "" : " ") + sn;
    return out;
}

// Decimal digits of n.
size_t digits(int64_t n) { return std::to_string(n).size(); }

}  // namespace

CliRunner::CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
                     const std::atomic<bool>& interrupted, Interfaces interfaces)
    : session_(session), out_(out), err_(err), interrupted_(interrupted), interfaces_(std::move(interfaces)) {
    session_.setWorkerWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
}

int CliRunner::run(const CliOptions& options) {
    options_ = options;
    session_.channel().limitAdapters(options.adapters);
    switch (options.command) {
    case CliCommand::Find: return runFind();
    case CliCommand::Configure: return runConfigure();
    case CliCommand::Auto: return runAuto();
    case CliCommand::Apply: return runApply();
    }
    return kExitRefused;
}

void CliRunner::say(const std::string& line, Verbosity from) {
    if (options_.verbosity < from) return;
    std::lock_guard guard(printLock_);
    err_ << line << '\n' << std::flush;
}

int CliRunner::refuse(const Refusal& refusal) {
    std::lock_guard guard(printLock_);
    err_ << refusalText(refusal) << std::flush;
    return kExitRefused;
}

std::optional<int> CliRunner::refusedPass(const std::vector<PassBoard>& pass) { return refusedPass(pass, listed()); }

std::optional<int> CliRunner::refusedPass(const std::vector<PassBoard>& pass,
                                          const std::vector<const DeviceRecord*>& listed) {
    auto refusal = checkPass(pass, listed, hostAddresses());
    if (!refusal) return std::nullopt;
    if (!options_.force) {
        refusal->reason = "nothing was sent; --force goes on all the same";
        return refuse(*refusal);
    }
    say("lanset-cli: --force: going on although " + refusal->message, Verbosity::Quiet);
    return std::nullopt;
}

std::vector<const DeviceRecord*> CliRunner::listed() const {
    std::vector<const DeviceRecord*> all;
    for (int32_t i = 0; i < session_.devices.count(); ++i) all.push_back(session_.devices.at(i));
    return all;
}

std::vector<uint32_t> CliRunner::hostAddresses() const {
    std::vector<uint32_t> addresses;
    for (const InterfaceAddress& a : interfaces_())
        if (a.address != 0) addresses.push_back(a.address);
    return addresses;
}

std::string CliRunner::describeIndex(int32_t index) const {
    const DeviceRecord* b = session_.devices.at(index);
    if (!b) return "board " + std::to_string(index);
    const std::string id = fieldText(b->id);
    return "SN " + fieldText(b->mac) + " (" + (id.empty() ? "" : "ID " + utf8FromLatin1(printableLatin1(id)) + ", ") +
           "IP " + fieldText(b->ip) + ")";
}

void CliRunner::prepare(std::vector<int32_t> finals) {
    std::lock_guard guard(lock_);
    finals_ = std::move(finals);
    finalSeen_ = false;
    finalCode_ = 0;
    questionPosition_ = -1;
    retriesUsed_ = 0;
}

bool CliRunner::onEvent(int32_t code, int32_t value) {
    switch (code) {
    case EVT_BROADCAST:
        say("Broadcast " + std::to_string(value), Verbosity::Verbose);
        break;
    case EVT_CONFIG_BROADCAST: {
        say("Broadcast " + std::to_string(value), Verbosity::Verbose);
        const auto position = static_cast<int32_t>(chunkOffset_) + session_.batchPosition();
        if (position != announced_ && static_cast<size_t>(position) < planned_.size()) {
            announced_ = position;
            const DeviceRecord& p = planned_[static_cast<size_t>(position)];
            std::string gets;
            if (p.id[0]) gets += " ID " + utf8FromLatin1(fieldText(p.id));
            if (p.ip[0]) gets += " IP " + fieldText(p.ip);
            say("board " + std::to_string(position + 1) + "/" + std::to_string(planned_.size()) + ": SN " +
                fieldText(p.mac) + (gets.empty() ? "" : " ->" + gets));
        }
        break;
    }
    case EVT_FOUND:
        if (const DeviceRecord* b = session_.devices.at(value)) say("Found device " + describe(*b));
        break;
    case EVT_CONFIGURED: {
        if (const DeviceRecord* b = session_.devices.at(value))
            say("Configured device " + describe(*b), Verbosity::Verbose);
        std::lock_guard guard(lock_);
        const size_t position = chunkOffset_ + static_cast<size_t>(session_.batchPosition());
        if (position < outcomes_.size()) outcomes_[position] = Outcome::Configured;
        break;
    }
    case EVT_TOO_MANY:
        say("More than 4096 boards have answered; going on.");
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
QuestionAnswer CliRunner::onQuestion(bool batch) {
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
        } else if (batch) {
            const size_t position = chunkOffset_ + static_cast<size_t>(current);
            if (position < outcomes_.size()) outcomes_[position] = Outcome::NotAcknowledged;
        } else {
            oneNotAcknowledged_ = true;
        }
    }
    if (used > 0) {
        say("No acknowledgement; trying again (" + std::to_string(used) + " of " +
            std::to_string(options_.retries) + ")");
        return QuestionAnswer::Retry;
    }
    const int32_t index = batch ? passIndexes_[chunkOffset_ + static_cast<size_t>(current)] : current;
    say("lanset-cli: " + describeIndex(index) + " did not acknowledge after " +
            std::to_string(NetSession::kMaxCycles * (options_.retries + 1)) +
            " attempts. Check connections and try again.",
        Verbosity::Quiet);
    return giveUp;
}

CliRunner::Waited CliRunner::awaitFinal() {
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

int CliRunner::networkFailure() {
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

int CliRunner::find() {
    prepare({EVT_COMPLETE});
    const bool started =
        session_.startFreshFind([this](int32_t c, int32_t v) { return onEvent(c, v); });
    if (const int status = awaitOperation(started, "search"); status != kExitOk) return status;
    say(finishedText(session_.devices.count()));
    noteSmallReceiveBuffer();
    return kExitOk;
}

// Thousands of boards answering at once fill the port's buffer faster than replies are taken
// when the system grants much less than asked: say so once, with the setting that raises it.
void CliRunner::noteSmallReceiveBuffer() {
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

void CliRunner::printBoards(const std::vector<int32_t>& indexes) {
    std::vector<DeviceRecord> boards;
    for (int32_t i : indexes)
        if (const DeviceRecord* b = session_.devices.at(i)) boards.push_back(*b);
    out_ << formatBoards(boards, options_.format) << std::flush;
}

int CliRunner::runFind() {
    const int status = find();
    if (status != kExitOk && status != kExitInterrupted) return status;
    std::vector<int32_t> all(static_cast<size_t>(session_.devices.count()));
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int32_t>(i);
    if (status == kExitInterrupted)
        say("lanset-cli: interrupted; " + std::to_string(all.size()) + " found so far", Verbosity::Quiet);
    printBoards(all);
    return status;
}

int CliRunner::awaitOperation(bool started, const char* what) {
    if (!started) {
        say(std::string("lanset-cli: the ") + what + " could not be started", Verbosity::Quiet);
        return kExitFailed;
    }
    const Waited w = awaitFinal();
    if (w == Waited::Interrupted) return kExitInterrupted;
    if (w == Waited::NoFinalEvent || session_.openFailed() || session_.sendFailed())
        return networkFailure();
    return kExitOk;
}

CliRunner::OneResult CliRunner::configureOne(int32_t index, const DeviceRecord& record) {
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

int CliRunner::runConfigure() {
    if (auto r = checkSomethingToChange(options_)) return refuse(*r);
    if (auto r = toBoardText(options_.id, "--id")) return refuse(*r);
    if (auto r = checkConfigureEntries(options_)) return refuse(*r);
    if (const int status = find(); status != kExitOk) {
        if (status == kExitInterrupted) say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }
    const int32_t index = session_.devices.findByMac(options_.sn.c_str());
    const DeviceRecord* board = session_.devices.at(index);
    if (!board) {
        say("lanset-cli: no board with SN " + options_.sn + " answered the search", Verbosity::Quiet);
        return kExitFailed;
    }
    const DeviceRecord record = configureRecord(options_, *board);
    if (auto refused = refusedPass({PassBoard{board, record, ""}})) return *refused;
    const OneResult r = configureOne(index, record);
    if (r.status == kExitInterrupted) {
        say("lanset-cli: interrupted; " + describeIndex(index) +
                (r.acknowledged ? " had acknowledged its new settings"
                                : " had not acknowledged: it may or may not have taken them"),
            Verbosity::Quiet);
        if (r.acknowledged) printBoards({index});
        return kExitInterrupted;
    }
    if (r.status != kExitOk) return r.status;
    if (!r.acknowledged) return kExitFailed;   // said in onQuestion
    say("Configured device " + describe(*session_.devices.at(index)));
    printBoards({index});
    return kExitOk;
}

int CliRunner::runAuto() {
    if (auto r = checkSomethingToChange(options_)) return refuse(*r);
    if (auto r = toBoardText(options_.pattern, "--pattern")) return refuse(*r);
    int32_t firstSequence = 0;
    if (auto r = checkPatternEntries(options_, firstSequence)) return refuse(*r);
    // With the boards named, their number is known before anything is sent.
    if (!options_.sns.empty())
        if (auto r = checkBatchRange(options_, static_cast<int32_t>(options_.sns.size()))) return refuse(*r);
    if (const int status = find(); status != kExitOk) {
        if (status == kExitInterrupted) say("lanset-cli: interrupted during the search; nothing was sent", Verbosity::Quiet);
        return status;
    }

    passIndexes_.clear();
    if (options_.sns.empty()) {
        for (int32_t i = 0; i < session_.devices.count(); ++i) passIndexes_.push_back(i);
    } else {
        for (const std::string& sn : options_.sns) {
            const int32_t i = session_.devices.findByMac(sn.c_str());
            if (i < 0) {
                say("lanset-cli: no board with SN " + sn + " answered the search", Verbosity::Quiet);
                return kExitFailed;
            }
            passIndexes_.push_back(i);
        }
        std::sort(passIndexes_.begin(), passIndexes_.end());   // list order: the order they answered
    }
    if (options_.order == BoardOrder::Sn)
        std::sort(passIndexes_.begin(), passIndexes_.end(), [this](int32_t a, int32_t b) {
            return std::strncmp(session_.devices.at(a)->mac, session_.devices.at(b)->mac,
                                sizeof session_.devices.at(a)->mac) < 0;
        });
    const auto boards = static_cast<int32_t>(passIndexes_.size());
    if (boards == 0) {
        say(std::string("lanset-cli: Alert: ") + kNoBoardsText, Verbosity::Quiet);
        return kExitFailed;
    }
    if (auto r = checkBatchRange(options_, boards)) return refuse(*r);

    // What each board is to get, as the batch will derive it.
    const DeviceRecord batch = batchTemplate(options_);
    planned_.clear();
    std::vector<PassBoard> pass;
    for (int32_t p = 0; p < boards; ++p) {
        const DeviceRecord* board = session_.devices.at(passIndexes_[static_cast<size_t>(p)]);
        DeviceRecord w = configureRecord(options_, *board);
        w.id[0] = '\0';
        if (options_.pattern)
            w.setId(expandIdPattern(*options_.pattern, firstSequence + p, fieldText(board->mac)).c_str());
        if (options_.ip) w.setIp(formatIpv4(inetAddrHost(options_.ip->c_str()) + static_cast<uint32_t>(p)).c_str());
        planned_.push_back(w);
        pass.push_back(PassBoard{board, w, ""});
    }
    // Numbers too wide for the pattern's '#' are cut: IDs that repeat, or that say the wrong number.
    if (options_.pattern) {
        const auto hashes = static_cast<size_t>(std::count(options_.pattern->begin(), options_.pattern->end(), '#'));
        const int64_t last = int64_t{firstSequence} + boards - 1;
        std::string need;
        if (hashes > 0 && digits(last) > hashes)
            need = "numbers " + std::to_string(firstSequence) + " to " + std::to_string(last) + " need " +
                   std::to_string(digits(last)) + " '#', the pattern has " + std::to_string(hashes);
        else if (hashes == 0 && boards > 1 && options_.pattern->find('%') == std::string::npos)
            need = "the pattern has no '#': every board would get " + utf8FromLatin1(*options_.pattern) +
                   "; numbers " + std::to_string(firstSequence) + " to " + std::to_string(last) + " need " +
                   std::to_string(digits(last)) + " '#'";
        if (!need.empty()) {
            auto clash = checkPass(pass, listed(), {});
            Refusal r{"", (clash ? clash->message + "; " : std::string()) + need, "", true};
            if (!options_.force) {
                r.reason = "nothing was sent; --force goes on all the same";
                return refuse(r);
            }
            say("lanset-cli: --force: going on although " + r.message, Verbosity::Quiet);
        }
    }
    if (auto refused = refusedPass(pass)) return *refused;

    outcomes_.assign(passIndexes_.size(), Outcome::Pending);
    int32_t finalCode = 0;
    const int status = runBatches(batch, firstSequence, finalCode);
    if (status != kExitOk && status != kExitInterrupted) return status;
    printPassSummary();
    std::vector<int32_t> done;
    for (size_t p = 0; p < passIndexes_.size(); ++p)
        if (outcomes_[p] == Outcome::Configured) done.push_back(passIndexes_[p]);
    printBoards(done);
    if (status == kExitInterrupted) return kExitInterrupted;
    return done.size() == passIndexes_.size() ? kExitOk : kExitFailed;
}

int CliRunner::runBatches(const DeviceRecord& batch, int32_t firstSequence, int32_t& finalCode) {
    announced_ = -1;
    for (chunkOffset_ = 0; chunkOffset_ < passIndexes_.size(); chunkOffset_ += NetSession::kMaxSelection) {
        const size_t end = std::min(passIndexes_.size(), chunkOffset_ + NetSession::kMaxSelection);
        // Each chunk goes on where the one before it ended: addresses and numbers.
        DeviceRecord chunk = batch;
        if (chunk.ip[0])
            chunk.setIp(formatIpv4(inetAddrHost(chunk.ip) + static_cast<uint32_t>(chunkOffset_)).c_str());
        prepare({EVT_BATCH_COMPLETE, EVT_BATCH_CANCELLED});
        const bool started = session_.startConfigureBatch(
            [this](int32_t c, int32_t v) { return onEvent(c, v); }, chunk,
            firstSequence + static_cast<int32_t>(chunkOffset_),
            std::vector<int32_t>(passIndexes_.begin() + static_cast<std::ptrdiff_t>(chunkOffset_),
                                 passIndexes_.begin() + static_cast<std::ptrdiff_t>(end)),
            [this](const std::string&, bool b) { return onQuestion(b); });
        if (const int status = awaitOperation(started, "configuration"); status != kExitOk) return status;
        finalCode = finalCode_;
        if (finalCode != EVT_BATCH_COMPLETE) break;
    }
    return kExitOk;
}

void CliRunner::printPassSummary() {
    std::vector<std::string> configured, silent, stopped, unreached;
    for (size_t p = 0; p < passIndexes_.size(); ++p) {
        const std::string sn = fieldText(session_.devices.at(passIndexes_[p])->mac);
        if (outcomes_[p] == Outcome::Configured) configured.push_back(sn);
        else if (outcomes_[p] == Outcome::NotAcknowledged) silent.push_back(sn);
        else if (static_cast<int32_t>(p) == announced_ && interrupted_) stopped.push_back(sn);
        else unreached.push_back(sn);
    }
    const bool whole = configured.size() == passIndexes_.size();
    say("Configured " + std::to_string(configured.size()) + " of " + std::to_string(passIndexes_.size()) +
            (passIndexes_.size() == 1 ? " board" : " boards"),
        whole ? Verbosity::Normal : Verbosity::Quiet);
    if (!silent.empty()) say("Did not acknowledge: " + snList(silent), Verbosity::Quiet);
    if (!stopped.empty()) say("Interrupted before it acknowledged: " + snList(stopped), Verbosity::Quiet);
    if (!unreached.empty()) say("Not reached: " + snList(unreached), Verbosity::Quiet);
}
