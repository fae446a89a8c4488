#pragma once
// When each answer to one request leaves: the devices' order and each one's delay.
#include <cstdint>
#include <random>
#include <vector>

#include "tools/boardsim/board_set.h"
#include "tools/boardsim/sim_options.h"

namespace sim {

struct PlannedSend {
    int board = 0;         // a device of the BoardSet: a board, a twin, the ack-everything one
    bool ack = false;      // the device's acknowledgement rather than its discovery reply
    int64_t delayUs = 0;   // after the request arrived
};

// The answers to one request in the order they leave when their delays tie: the twins'
// replies, then the boards' in board order, or in a fresh random order with shuffle; then the
// acknowledgements. The k-th answer waits k * pace plus a random 0..jitter, an acknowledgement
// its device's delay on top.
std::vector<PlannedSend> planSends(const Reaction& reaction, const SimOptions& options,
                                   std::mt19937& random);

}  // namespace sim
