#pragma once
// What a pass is about to write, checked whole before anything is sent: every ID distinct, no
// address held twice (by two boards, by a board left out, by this host, or by a board that is to
// move but may not), every gateway inside its subnet. configure, auto and apply share it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/device_record.h"
#include "tools/lanset-cli/cli_checks.h"

struct PassBoard {
    const DeviceRecord* found = nullptr;   // the board as the find listed it
    DeviceRecord wanted;                   // what it is to hold; an empty text keeps its value
    std::string where;                     // a plan's "line 4"; empty: named by its SN
};

// listed: every board the find listed (the pass's and the others); host: this host's addresses.
std::optional<Refusal> checkPass(const std::vector<PassBoard>& pass,
                                 const std::vector<const DeviceRecord*>& listed,
                                 const std::vector<uint32_t>& host);

// A gateway judged against the address and mask it goes with: inside the subnet, neither its
// network nor its broadcast address (0.0.0.0, no gateway, passes); empty when fine.
std::string gatewayFault(const std::string& gateway, const std::string& address, const std::string& mask);
