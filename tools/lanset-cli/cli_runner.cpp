#include "tools/lanset-cli/cli_runner.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "tools/lanset-cli/board_output.h"
#include "tools/lanset-cli/cli_checks.h"
#include "ui/window_texts.h"

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);

std::string text(const char* field, size_t width) {
    size_t n = 0;
    while (n < width && field[n]) ++n;
    return std::string(field, n);
}

std::string describe(const DeviceRecord& b) {
    return text(b.id, sizeof b.id) + "  SN " + text(b.mac, sizeof b.mac) + "  IP " +
           text(b.ip, sizeof b.ip);
}

}  // namespace

CliRunner::CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
                     const std::atomic<bool>& interrupted)
    : session_(session), out_(out), err_(err), interrupted_(interrupted) {
    session_.setWorkerWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    session_.workerIdle = true;   // nothing runs yet: a find may start
}

int CliRunner::run(const CliOptions& options) {
    options_ = options;
    session_.channel().limitAdapters(options.adapters);
    switch (options.command) {
    case CliCommand::Find: return runFind();
    case CliCommand::Configure: return runConfigure();
    case CliCommand::Auto: return runAuto();
    }
    return kExitRefused;
}

void CliRunner::say(const std::string& line) {
    std::lock_guard guard(printLock_);
    err_ << line << '\n' << std::flush;
}

void CliRunner::prepare(std::vector<int32_t> finals) {
    std::lock_guard guard(lock_);
    finals_ = std::move(finals);
    finalSeen_ = false;
    finalCode_ = 0;
}

bool CliRunner::onEvent(int32_t code, int32_t value) {
    switch (code) {
    case EVT_BROADCAST:
    case EVT_CONFIG_BROADCAST:
        say("Broadcast " + std::to_string(value));
        break;
    case EVT_FOUND:
        if (const DeviceRecord* b = session_.devices.at(value)) say("Found device " + describe(*b));
        break;
    case EVT_CONFIGURED: {
        if (const DeviceRecord* b = session_.devices.at(value)) say("Configured device " + describe(*b));
        std::lock_guard guard(lock_);
        configured_.push_back(value);
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

QuestionAnswer CliRunner::onQuestion(const std::string& message, bool batch) {
    const QuestionAnswer giveUp =
        !batch ? QuestionAnswer::Cancel
               : (options_.onMissing == OnMissing::Ignore && !interrupted_ ? QuestionAnswer::Ignore
                                                                           : QuestionAnswer::Abort);
    if (interrupted_) return giveUp;
    const int32_t position = session_.currentIndex;
    int used = 0;
    {
        std::lock_guard guard(lock_);
        if (position != questionPosition_) {
            questionPosition_ = position;
            retriesUsed_ = 0;
        }
        if (retriesUsed_ < options_.retries) used = ++retriesUsed_;
        else missing_ = true;
    }
    if (used > 0) {
        say("No acknowledgement; trying again (" + std::to_string(used) + " of " +
            std::to_string(options_.retries) + ")");
        return QuestionAnswer::Retry;
    }
    say(message);
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
            if (session_.workerIdle && !finalSeen_) {
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
    if (session_.sendFailed)
        say("lanset-cli: could not send on UDP port " + std::to_string(kBoardPort) +
            ": no network adapter is connected, or the network refused every datagram");
    else
        say("lanset-cli: cannot open UDP port " + std::to_string(kBoardPort) +
            ": another program holds the port, or no network can be reached");
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
    if (const int status = find(); status != kExitOk) return status;
    std::vector<int32_t> all(static_cast<size_t>(session_.devices.count()));
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int32_t>(i);
    printBoards(all);
    return kExitOk;
}

int CliRunner::runConfigure() {
    if (auto refusal = checkConfigureEntries(options_)) {
        say(refusal->caption + ": " + refusal->message);
        return kExitRefused;
    }
    if (const int status = find(); status != kExitOk) return status;
    const int32_t index = session_.devices.findByMac(options_.sn.c_str());
    const DeviceRecord* board = session_.devices.at(index);
    if (!board) {
        say("lanset-cli: no board with SN " + options_.sn + " answered the search");
        return kExitFailed;
    }
    const DeviceRecord record = configureRecord(options_, *board);
    prepare({EVT_COMPLETE, EVT_CANCELLED});
    session_.workerIdle = false;   // raised again when the worker returns (see awaitFinal)
    const bool started = session_.startConfigureOne(
        [this](int32_t c, int32_t v) { return onEvent(c, v); }, record, index,
        [this](const std::string& m, bool batch) { return onQuestion(m, batch); });
    if (const int status = awaitOperation(started, "configuration"); status != kExitOk) return status;
    if (finalCode_ != EVT_COMPLETE) return kExitFailed;   // the not-found text has been shown
    say("Configured device " + describe(*session_.devices.at(index)));
    printBoards({index});
    return kExitOk;
}

int CliRunner::awaitOperation(bool started, const char* what) {
    if (!started) {
        say(std::string("lanset-cli: the ") + what + " could not be started");
        return kExitFailed;
    }
    const Waited w = awaitFinal();
    if (w == Waited::Interrupted) {
        say("lanset-cli: interrupted");
        return kExitInterrupted;
    }
    if (w == Waited::NoFinalEvent || session_.openFailed || session_.sendFailed)
        return networkFailure();
    return kExitOk;
}

int CliRunner::runAuto() {
    int32_t firstSequence = 0;
    if (auto refusal = checkPatternEntries(options_, firstSequence)) {
        say(refusal->caption + ": " + refusal->message);
        return kExitRefused;
    }
    // With the boards named, their number is known before anything is sent.
    if (!options_.sns.empty())
        if (auto refusal = checkBatchRange(options_, static_cast<int32_t>(options_.sns.size()))) {
            say(refusal->caption + ": " + refusal->message);
            return kExitRefused;
        }
    if (const int status = find(); status != kExitOk) return status;

    BatchScope scope = BatchScope::AllListed;
    int32_t boards = session_.devices.count();
    std::vector<int> indexes;
    if (!options_.sns.empty()) {
        for (const std::string& sn : options_.sns) {
            const int32_t i = session_.devices.findByMac(sn.c_str());
            if (i < 0) {
                say("lanset-cli: no board with SN " + sn + " answered the search");
                return kExitFailed;
            }
            indexes.push_back(i);
        }
        std::sort(indexes.begin(), indexes.end());   // the batch goes in list order
        boards = static_cast<int32_t>(indexes.size());
        scope = BatchScope::Selection;
    }
    session_.select(indexes);
    if (boards == 0) {
        say(std::string("Alert: ") + kNoBoardsText);
        return kExitFailed;
    }
    if (auto refusal = checkBatchRange(options_, boards)) {
        say(refusal->caption + ": " + refusal->message);
        return kExitRefused;
    }
    const DeviceRecord batch = batchTemplate(options_);
    {
        std::lock_guard guard(lock_);
        configured_.clear();
        missing_ = false;
        questionPosition_ = -1;
    }
    prepare({EVT_BATCH_COMPLETE, EVT_BATCH_CANCELLED});
    session_.workerIdle = false;   // raised again when the worker returns (see awaitFinal)
    const bool started = session_.startConfigureBatch(
        [this](int32_t c, int32_t v) { return onEvent(c, v); }, batch, firstSequence, scope,
        [this](const std::string& m, bool b) { return onQuestion(m, b); });
    if (const int status = awaitOperation(started, "configuration"); status != kExitOk) return status;
    std::vector<int32_t> done;
    bool missing = false;
    {
        std::lock_guard guard(lock_);
        done = configured_;
        missing = missing_;
    }
    say("Configured " + std::to_string(done.size()) + " of " + std::to_string(boards) +
        (boards == 1 ? " board" : " boards"));
    printBoards(done);
    return missing || finalCode_ != EVT_BATCH_COMPLETE ? kExitFailed : kExitOk;
}
