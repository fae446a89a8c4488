#pragma once
// Which program holds a UDP port on this host, to name it when the board port cannot be had.
#include <cstdint>
#include <optional>
#include <string>

struct PortHolder {
    std::string name;        // its program's file name, UTF-8, printable; empty when not told
    uint32_t processId = 0;
};

// Nothing when the system does not tell (or we may not look).
std::optional<PortHolder> findPortHolder(uint16_t port);

// "boardsim, process 4711"; empty when the system does not tell.
std::string portHolder(uint16_t port);

// A program's name as the system gives it (bytes nothing has checked) for a message or a
// terminal: control characters and what is no UTF-8 shown as '?'.
std::string printableProgramName(const std::string& name);
