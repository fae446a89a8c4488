// lanset-cli: the scriptable face of lanset's protocol engine.
#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>

#include "net/net_session.h"
#include "net/network_adapters.h"
#include "tools/lanset-cli/cli_args.h"
#include "tools/lanset-cli/cli_checks.h"
#include "tools/lanset-cli/cli_runner.h"

namespace {

std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int) { gInterrupted = true; }

}  // namespace

int main(int argc, char** argv) {
    const CliParse parsed = parseCliArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::cout << cliUsage();
        return kExitOk;
    }
    if (!parsed.ok) {
        std::cerr << "lanset-cli: " << parsed.error << "\n\n" << cliUsage();
        return kExitRefused;
    }
    // The runner sees the flag within a few milliseconds and stops the operation itself: a
    // signal handler may do nothing more than raise it.
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
#ifdef SIGBREAK
    std::signal(SIGBREAK, onInterrupt);
#endif
    if (auto refusal = checkAdapters(parsed.options.adapters, systemInterfaces())) {
        std::cerr << refusal->caption << ": " << refusal->message << "\n";
        return kExitRefused;
    }
    auto session = std::make_unique<NetSession>();
    if (!session->devices.initialise()) {
        std::cerr << "lanset-cli: out of memory\n";
        return kExitFailed;
    }
    CliRunner runner(*session, std::cout, std::cerr, gInterrupted);
    return runner.run(parsed.options);
}
