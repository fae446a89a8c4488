// boardsim: simulated boards on UDP port 21210, for tests and demonstrations.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tools/boardsim/simulator.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

}  // namespace

int main(int argc, char** argv) {
    const sim::SimParse parsed = sim::parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(sim::simUsage().c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "boardsim: %s\n%s", parsed.error.c_str(), sim::simUsage().c_str());
        return 2;
    }
    const sim::SimOptions& o = parsed.options;

    FILE* log = nullptr;
    if (!o.logPath.empty()) {
        // Appending: a test may empty the log while we run and read only what follows.
        const int logFd = open(o.logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        log = logFd < 0 ? nullptr : fdopen(logFd, "a");
        if (!log) {
            std::fprintf(stderr, "boardsim: cannot write %s: %s\n", o.logPath.c_str(), std::strerror(errno));
            return 1;
        }
        std::setvbuf(log, nullptr, _IOLBF, 0);
    }
    auto simulator = std::make_unique<sim::Simulator>(o, log);
    if (!simulator->open()) {
        std::fprintf(stderr, "boardsim: cannot open UDP port %u: %s\n", sim::kPort, std::strerror(errno));
        return 1;
    }
    if (!simulator->fallbackNote().empty())
        std::fprintf(stderr, "boardsim: %s\n", simulator->fallbackNote().c_str());
    struct sigaction sa {};
    sa.sa_handler = onSignal;   // no SA_RESTART: a signal ends the poll at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    if (!o.readyPath.empty()) {
        if (FILE* f = std::fopen(o.readyPath.c_str(), "w")) {
            std::fprintf(f, "%d\n", static_cast<int>(getpid()));
            std::fclose(f);
        }
    }
    std::fprintf(stderr, "boardsim: %d boards on UDP port %u, replies by %s%s%s\n", simulator->boards(),
                 sim::kPort, o.reply == sim::ReplyMode::Broadcast ? "broadcast" : "unicast",
                 o.burst ? ", in one burst" : "", o.shuffle ? ", in a fresh random order" : "");
    simulator->run(gStop);
    std::fprintf(stderr, "boardsim: %s\n", simulator->summary().c_str());
    simulator.reset();
    if (log) std::fclose(log);
    return 0;
}
