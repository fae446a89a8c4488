#pragma once
// When each answer to one request leaves: the boards' order and each one's delay.
#include <cstdint>
#include <random>
#include <vector>

#include "tools/boardsim/board_set.h"
#include "tools/boardsim/sim_options.h"

namespace sim {

struct PlannedSend {
    int board = 0;
    bool ack = false;      // the board's acknowledgement rather than its discovery reply
    int64_t delayUs = 0;   // after the request arrived
};

// The answers to one request in the order they leave when their delays tie: the replies in
// board order, or in a fresh random order with shuffle; then the acknowledgement. The k-th
// answer waits k * pace plus a random 0..jitter.
std::vector<PlannedSend> planSends(const Reaction& reaction, const SimOptions& options,
                                   std::mt19937& random);

}  // namespace sim
