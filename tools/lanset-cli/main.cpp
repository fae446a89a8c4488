// lanset-cli: the scriptable face of lanset's protocol engine.
#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "net/net_session.h"
#include "net/network_adapters.h"
#include "tools/lanset-cli/cli_args.h"
#include "tools/lanset-cli/cli_checks.h"
#include "tools/lanset-cli/cli_runner.h"

namespace {

std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int) { gInterrupted = true; }

// The arguments as UTF-8. Windows hands a program's narrow argv over in the ANSI code page,
// which holds neither every ID character nor every path: read the wide command line instead.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) {
            const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string arg(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
            if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
            arg.resize(arg.size() - 1);   // the terminator
            args.push_back(arg);
        }
        LocalFree(wide);
    }
    return args;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

// What lanset-cli writes is UTF-8; a Windows console shows it so only in code page 65001,
// which the console keeps after we leave: put the user's page back.
class ConsoleUtf8 {
public:
#ifdef _WIN32
    ConsoleUtf8() : previous_(GetConsoleOutputCP()) {
        if (previous_ != 0 && previous_ != CP_UTF8) SetConsoleOutputCP(CP_UTF8);
    }
    ~ConsoleUtf8() {
        if (previous_ != 0 && previous_ != CP_UTF8) SetConsoleOutputCP(previous_);
    }

private:
    UINT previous_;
#endif
};

}  // namespace

int main(int argc, char** argv) {
    [[maybe_unused]] ConsoleUtf8 console;
    const CliParse parsed = parseCliArguments(utf8Arguments(argc, argv));
    if (parsed.help) {
        std::cout << cliUsage();
        return kExitOk;
    }
    if (parsed.version) {
        std::cout << "lanset-cli " << LANSET_CLI_VERSION << "\n";
        return kExitOk;
    }
    if (!parsed.ok) {
        std::cerr << usageErrorLine(parsed.error);
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
        std::cerr << refusalText(*refusal);
        return kExitRefused;
    }
    auto session = std::make_unique<NetSession>();
    if (!session->devices.initialise()) {
        std::cerr << "lanset-cli: out of memory\n";
        return kExitFailed;
    }
    CliOptions options = parsed.options;
    options.terminal = isatty(fileno(stdout)) && isatty(fileno(stderr));
    CliRunner runner(*session, std::cout, std::cerr, gInterrupted);
    return runner.run(options);
}
