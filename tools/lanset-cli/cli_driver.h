#pragma once
// What every lanset-cli command stands on: one operation at a time over the NetSession, each
// awaited to its final event (Ctrl-C stops it), progress on err, boards on out, refusals said
// one way. The commands (cmd_*.cpp) are written over it.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "net/net_session.h"
#include "net/network_adapters.h"
#include "tools/lanset-cli/cli_args.h"
#include "tools/lanset-cli/cli_checks.h"
#include "ui/pass_checks.h"

enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,        // a board did not answer or was not listed; the network failed
    kExitRefused = 2,       // bad usage or an entry that the rules refuse; nothing was sent
    kExitInterrupted = 130,
};

// Where a board of a batch (auto --one-by-one) stands.
enum class Outcome { Pending, Configured, NotAcknowledged };

// A batch worked through by the engine in parts of at most a selection's worth: its boards by
// list index in the order they are numbered, what each is to get, and where each stands.
struct BatchProgress {
    std::vector<int32_t> indexes;
    std::vector<DeviceRecord> planned;
    std::vector<Outcome> outcomes;
    size_t chunkOffset = 0;
    int32_t announced = -1;   // the position last said
};

// "ID  SN ...  IP ..." of a board, for a progress line.
std::string describeBoard(const DeviceRecord& board);

class CliDriver {
public:
    // Beyond this many boards a find stops: a flood of made-up boards must not exhaust memory.
    static constexpr int32_t kMaxBoards = 65536;
    using Interfaces = std::function<std::vector<InterfaceAddress>()>;
    struct OneResult {
        int status = kExitOk;       // kExitOk once the operation ran to its end
        bool acknowledged = false;
    };

    CliDriver(NetSession& session, std::ostream& out, std::ostream& err,
              const std::atomic<bool>& interrupted, Interfaces interfaces, const CliOptions& options);

    const CliOptions& options() const { return options_; }
    NetSession& session() { return session_; }
    std::ostream& out() { return out_; }
    bool interrupted() const { return interrupted_; }

    // A progress line on err, shown from the verbosity given on.
    void say(const std::string& line, Verbosity from = Verbosity::Normal);
    int refuse(const Refusal& refusal);
    // A clash: refused (kExitRefused), or with --force said and passed (nullopt: go on).
    std::optional<int> refuseClash(Refusal clash);
    // The checks that a pass must pass, against every board listed or against listed.
    std::optional<int> refusedPass(const std::vector<PassBoard>& pass);
    std::optional<int> refusedPass(const std::vector<PassBoard>& pass,
                                   const std::vector<const DeviceRecord*>& listed);

    // A board of the pass whose SN answered with different settings: a clash (refused, or with
    // --force said and passed).
    std::optional<int> refusedTwins(const std::vector<const DeviceRecord*>& boards);
    // One find over an emptied list, to its end: kExitOk, or the status to end with. A find
    // that awaits boards (their SNs) ends once they all answered; its finds are said with -v.
    int find();
    int verifyingFind(const std::vector<std::string>& awaited);
    // Configures the listed board at index with record, through its attempts, to its end.
    OneResult configureOne(int32_t index, const DeviceRecord& record);
    // The engine's batches over batch.indexes; kExitOk unless the network failed or Ctrl-C.
    int runBatches(BatchProgress& batch, const DeviceRecord& batchTemplate, int32_t firstSequence);
    // Watch cycles until onCycle (on the worker, with the list of what answered in the cycle)
    // returns false, or Ctrl-C (kExitInterrupted).
    int watch(std::function<bool(const DeviceList& answered)> onCycle);
    // A line on out, from any thread.
    void emit(const std::string& text);
    // One round of requests; acknowledgements receives the count heard.
    int round(const std::vector<DeviceRecord>& requests, int32_t& acknowledgements);

    // What the find listed, and the host's own addresses.
    std::vector<const DeviceRecord*> listed() const;
    std::vector<uint32_t> hostAddresses() const;
    std::vector<InterfaceAddress> interfaces() const { return interfaces_(); }
    // "SN ... (ID ..., IP ...)" of a listed board.
    std::string describeIndex(int32_t index) const;
    void printBoards(const std::vector<DeviceRecord>& boards);
    void printListed(const std::vector<int32_t>& indexes);

private:
    enum class Waited { Final, Interrupted, NoFinalEvent };
    int startedFind(const std::vector<std::string>& awaited, Verbosity foundFrom);
    Waited awaitFinal();
    // After a start: kExitOk once the operation has sent its final event, otherwise the exit
    // status that says why it did not run to its end (what names it: "search", ...).
    int awaitOperation(bool started, const char* what);
    void prepare(std::vector<int32_t> finals);
    bool onEvent(int32_t code, int32_t value);
    QuestionAnswer onQuestion(bool batch);
    int networkFailure();
    void noteSmallReceiveBuffer();

    NetSession& session_;
    std::ostream& out_;
    std::ostream& err_;
    const std::atomic<bool>& interrupted_;
    Interfaces interfaces_;
    CliOptions options_;

    std::mutex printLock_;   // err_ is written from the worker and from the caller
    std::mutex lock_;        // guards what follows
    std::condition_variable finished_;
    std::vector<int32_t> finals_;
    int32_t finalCode_ = 0;
    bool finalSeen_ = false;
    int32_t questionPosition_ = -1;
    int32_t oneIndex_ = -1;   // the board a single configuration sends to
    int retriesUsed_ = 0;
    bool bufferNoted_ = false;
    bool oneNotAcknowledged_ = false;
    Verbosity foundFrom_ = Verbosity::Normal;
    BatchProgress* batch_ = nullptr;   // the batch running now
    std::atomic<bool> tooMany_{false};
    std::function<bool(const DeviceList&)> onCycle_;
    bool cycleStop_ = false;   // onCycle_ asked to end
};
