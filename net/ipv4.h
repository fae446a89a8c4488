#pragma once
// Dotted-quad texts and 32-bit addresses in host byte order.
#include <cstdint>
#include <string>

constexpr uint32_t kAddressNone = 0xFFFFFFFFu;

// Reads an address text as inet_addr does (one to four parts; decimal, octal or hex), in host
// order; kAddressNone for a text it rejects.
uint32_t inetAddrHost(const char* text);
// "a.b.c.d" of a host-order address.
std::string formatIpv4(uint32_t address);
