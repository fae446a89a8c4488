#pragma once
// lanset-cli's commands over a NetSession: the one entry that main and the tests call.
#include <atomic>
#include <ostream>

#include "tools/lanset-cli/cli_driver.h"

class CliRunner {
public:
    using Interfaces = CliDriver::Interfaces;
    // interrupted is raised from outside (Ctrl-C); the running operation is then stopped.
    // interfaces: the host's, for its own addresses and for telling why the port would not open.
    CliRunner(NetSession& session, std::ostream& out, std::ostream& err,
              const std::atomic<bool>& interrupted, Interfaces interfaces = systemInterfaces);
    int run(const CliOptions& options);

private:
    NetSession& session_;
    std::ostream& out_;
    std::ostream& err_;
    const std::atomic<bool>& interrupted_;
    Interfaces interfaces_;
};
