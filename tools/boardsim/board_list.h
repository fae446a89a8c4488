#pragma once
// Boards picked on the command line, one syntax for every option that picks them:
// "2,5,02a1b2c3d4e5,10..19,every:10".
#include <string>
#include <utility>
#include <vector>

#include "tools/boardsim/board_codec.h"

namespace sim {

struct BoardList {
    std::vector<int> indexes;
    std::vector<Mac> macs;
    std::vector<std::pair<int, int>> ranges;   // A..B, indexes, inclusive
    std::vector<int> strides;                  // every:K: boards 0, K, 2K, ...

    static BoardList all() { return BoardList{{}, {}, {}, {1}}; }
};

// A whole decimal number in low..high; false for anything else.
bool parseInt(const std::string& text, int low, int high, int& out);

// Adds the comma-separated items of text to list: indexes, hardware addresses (12 hex digits,
// ':' or '-' allowed between), ranges A..B and every:K. False on an item that is none of these.
bool parseBoardList(const std::string& text, BoardList& list);

}  // namespace sim
