#pragma once
// The simulated boards and what each does with a request.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/boardsim/board_codec.h"
#include "tools/boardsim/sim_options.h"

namespace sim {

struct Reaction {
    std::vector<int> replies;   // boards that send their discovery reply
    int ackBoard = -1;          // board that acknowledges a configuration, or -1
    std::string note;           // for the log: what the boards did
};

class BoardSet {
public:
    explicit BoardSet(const SimOptions& options);

    // Applies a configuration to its board (unless that board never acknowledges, in which
    // case it behaves as if it had not heard it) and says who answers.
    Reaction handle(const Request& request);

    const BoardState& board(int index) const { return boards_[static_cast<size_t>(index)]; }
    int size() const { return static_cast<int>(boards_.size()); }
    int indexOf(const Mac& mac) const;   // -1 when no board has it
    bool acknowledges(int index) const { return !silent_[static_cast<size_t>(index)]; }

private:
    static uint64_t key(const Mac& mac);
    std::vector<BoardState> boards_;
    std::vector<bool> silent_;
    std::vector<int> everyBoard_;
    std::unordered_map<uint64_t, int> byMac_;
};

}  // namespace sim
