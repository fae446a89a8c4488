#pragma once
// Which program holds a UDP port on this host, to name it when the board port cannot be had.
#include <cstdint>
#include <string>

// "boardsim, process 4711"; empty when the system does not tell (or we may not look).
std::string portHolder(uint16_t port);
