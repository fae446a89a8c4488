#pragma once
// Runs lanset-cli's commands over a NetSession: one operation at a time, each awaited to its
// final event, progress on err, boards on out.
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
#include "tools/lanset-cli/pass_checks.h"

enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,        // a board did not answer or was not listed; the network failed
    kExitRefused = 2,       // bad usage or an entry that the rules refuse; nothing was sent
    kExitInterrupted = 130,
};

class CliRunner {
public:
    using Interfaces = std::function<std::vector<InterfaceAddress>()>;
    // interrupted is raised from outside (Ctrl-C); the runner then stops the operation.
    // interfaces: the host's, for its own addresses and for telling why the port would not open.
    CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
              const std::atomic<bool>& interrupted, Interfaces interfaces = systemInterfaces);
    int run(const CliOptions& options);

private:
    enum class Waited { Final, Interrupted, NoFinalEvent };
    // Where a board of a pass stands.
    enum class Outcome { Pending, Configured, NotAcknowledged };
    struct OneResult {
        int status = kExitOk;       // kExitOk once the operation ran to its end
        bool acknowledged = false;
    };

    int runFind();
    int runConfigure();
    int runAuto();
    int runApply();   // plan_apply.cpp
    // Runs one find to its end; kExitOk, or the status to end with.
    int find();
    Waited awaitFinal();
    // After a start: kExitOk once the operation has sent its final event, otherwise the exit
    // status that says why it did not run to its end (what names it: "search", ...).
    int awaitOperation(bool started, const char* what);
    void prepare(std::vector<int32_t> finals);
    bool onEvent(int32_t code, int32_t value);
    QuestionAnswer onQuestion(bool batch);
    // Configures the listed board at index with record, to its end.
    OneResult configureOne(int32_t index, const DeviceRecord& record);
    // auto's batches over passIndexes_, at most a selection's worth each; false when stopped.
    int runBatches(const DeviceRecord& batch, int32_t firstSequence, int32_t& finalCode);
    void printPassSummary();
    // The checks that a pass must pass: a refusal ends with kExitRefused; with --force a clash
    // is said and passed. nullopt: go on.
    std::optional<int> refusedPass(const std::vector<PassBoard>& pass);
    std::optional<int> refusedPass(const std::vector<PassBoard>& pass, const std::vector<const DeviceRecord*>& listed);
    int refuse(const Refusal& refusal);
    int networkFailure();
    void noteSmallReceiveBuffer();
    // A progress line, shown from the verbosity given on.
    void say(const std::string& line, Verbosity from = Verbosity::Normal);
    void printBoards(const std::vector<int32_t>& indexes);
    std::vector<const DeviceRecord*> listed() const;
    std::vector<uint32_t> hostAddresses() const;
    std::string describeIndex(int32_t index) const;

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

    // A pass (auto): its boards by list index in the order they are numbered, what each is to
    // get, where each stands, and the chunk the engine works through now.
    std::vector<int32_t> passIndexes_;
    std::vector<DeviceRecord> planned_;
    std::vector<Outcome> outcomes_;
    size_t chunkOffset_ = 0;
    int32_t announced_ = -1;
    bool oneNotAcknowledged_ = false;   // configure one: the board never acknowledged
};
