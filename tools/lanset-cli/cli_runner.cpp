#include "tools/lanset-cli/cli_runner.h"

#include "tools/lanset-cli/commands.h"

CliRunner::CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
                     const std::atomic<bool>& interrupted, Interfaces interfaces)
    : session_(session), out_(out), err_(err), interrupted_(interrupted), interfaces_(std::move(interfaces)) {}

int CliRunner::run(const CliOptions& options) {
    CliDriver driver(session_, out_, err_, interrupted_, interfaces_, options);
    switch (options.command) {
    case CliCommand::Find: return cmdFind(driver);
    case CliCommand::Configure: return cmdConfigure(driver);
    case CliCommand::Auto: return cmdAuto(driver);
    case CliCommand::Apply: return cmdApply(driver);
    case CliCommand::Watch: return cmdWatch(driver);
    }
    return kExitRefused;
}
