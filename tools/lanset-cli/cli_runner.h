#pragma once
// Runs lanset-cli's commands over a NetSession: one operation at a time, each awaited to its
// final event, progress on err, boards on out.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "net/net_session.h"
#include "tools/lanset-cli/cli_args.h"

enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,        // a board did not answer or was not listed; the network failed
    kExitRefused = 2,       // bad usage or an entry that the rules refuse; nothing was sent
    kExitInterrupted = 130,
};

class CliRunner {
public:
    // interrupted is raised from outside (Ctrl-C); the runner then stops the operation.
    CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
              const std::atomic<bool>& interrupted);
    int run(const CliOptions& options);

private:
    enum class Waited { Final, Interrupted, NoFinalEvent };

    int runFind();
    int runConfigure();
    int runAuto();
    // Runs one find to its end; kExitOk, or the status to end with.
    int find();
    Waited awaitFinal();
    // After a start: kExitOk once the operation has sent its final event, otherwise the exit
    // status that says why it did not run to its end (what names it: "search", ...).
    int awaitOperation(bool started, const char* what);
    void prepare(std::vector<int32_t> finals);
    bool onEvent(int32_t code, int32_t value);
    QuestionAnswer onQuestion(const std::string& message, bool batch);
    int networkFailure();
    void noteSmallReceiveBuffer();
    void say(const std::string& line);
    void printBoards(const std::vector<int32_t>& indexes);

    NetSession& session_;
    std::ostream& out_;
    std::ostream& err_;
    const std::atomic<bool>& interrupted_;
    CliOptions options_;

    std::mutex printLock_;   // err_ is written from the worker and from the caller
    std::mutex lock_;        // guards what follows
    std::condition_variable finished_;
    std::vector<int32_t> finals_;
    int32_t finalCode_ = 0;
    bool finalSeen_ = false;
    std::vector<int32_t> configured_;
    bool missing_ = false;
    int32_t questionPosition_ = -1;
    int retriesUsed_ = 0;
    bool bufferNoted_ = false;
};
