#pragma once
// The host's IPv4 adapters that a broadcast can leave by. A limited broadcast leaves by one
// adapter only, so the channel sends every datagram out of each of them.
#include <cstdint>
#include <string>
#include <vector>

// One address of one interface, as the system reports it.
struct InterfaceAddress {
    std::string name;       // "eth0"; on Windows the adapter's friendly name
    uint32_t index = 0;     // the system's interface index
    uint32_t address = 0;   // IPv4, host order; 0 when the interface has none
    bool up = false;
    bool broadcast = false; // can broadcast (not point-to-point)
    bool loopback = false;
    // Fit for use: not tentative, duplicate or deprecated (Windows' duplicate-address state).
    bool preferred = true;
    int prefixLength = -1;  // of its subnet (24 for /24); -1 when not known
};

struct NetworkAdapter {
    std::string name;
    uint32_t index = 0;
    uint32_t address = 0;                 // the IPv4 address to use, host order
    std::vector<uint32_t> alternatives;   // its others, to try in turn when address cannot be bound
};

// Every interface that is up, can broadcast, is no loopback and has an IPv4 address, once, in
// the system's order, by its first preferred address (else its first). With names or dotted
// addresses in only, just the adapters that one of them names (by an address: the adapter sends
// from that address).
std::vector<NetworkAdapter> broadcastAdapters(const std::vector<InterfaceAddress>& interfaces,
                                              const std::vector<std::string>& only = {});

// The system's interfaces as they are now (empty when they cannot be read).
std::vector<InterfaceAddress> systemInterfaces();
