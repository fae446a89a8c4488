#pragma once
// What a pass is about to write, checked whole before anything is sent: every ID distinct, no
// address held twice (by two boards, by a board left out, by this host, or by a board that is to
// move but may not), every gateway inside its subnet. lanset-cli's configure, auto and apply and
// the windows share it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/device_record.h"

// Why nothing is sent. caption and message are the windows' own where a window would refuse
// too; reason says what the window cannot (the addresses concerned). clash: a check that the
// user may pass on purpose (lanset-cli --force, a window's Yes).
struct Refusal {
    std::string caption;
    std::string message;
    std::string reason;
    bool clash = false;
};

struct PassBoard {
    const DeviceRecord* found = nullptr;   // the board as the find listed it
    DeviceRecord wanted;                   // what it is to hold; an empty text keeps its value
    std::string where;                     // a plan's "line 4"; empty: named by its SN
};

// listed: every board the find listed (the pass's and the others); host: this host's addresses.
// judgeKept: a board whose address or mask moves has the gateway it keeps judged as well.
std::optional<Refusal> checkPass(const std::vector<PassBoard>& pass,
                                 const std::vector<const DeviceRecord*>& listed,
                                 const std::vector<uint32_t>& host, bool judgeKept = true);

// A gateway judged against the address and mask it goes with: inside the subnet, neither its
// network nor its broadcast address (0.0.0.0, no gateway, passes); empty when fine.
std::string gatewayFault(const std::string& gateway, const std::string& address, const std::string& mask);

// What is wrong with numbering boards boards from firstSequence by pattern (Latin-1): numbers
// too wide for its '#' are cut, and a pattern without '#' or '%' gives every board one ID.
// Empty when fine.
std::string patternFault(const std::string& pattern, int32_t firstSequence, int32_t boards);
