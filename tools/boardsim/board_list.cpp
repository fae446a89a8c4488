#include "tools/boardsim/board_list.h"

#include <charconv>

namespace sim {
namespace {

constexpr int kMaxIndex = 1 << 20;

bool parseIndex(const std::string& text, int low, int& out) { return parseInt(text, low, kMaxIndex, out); }

bool parseItem(const std::string& item, BoardList& list) {
    int a = 0, b = 0;
    if (item.rfind("every:", 0) == 0) {
        if (!parseIndex(item.substr(6), 1, a)) return false;
        list.strides.push_back(a);
    } else if (const size_t dots = item.find(".."); dots != std::string::npos) {
        if (!parseIndex(item.substr(0, dots), 0, a) || !parseIndex(item.substr(dots + 2), a, b)) return false;
        list.ranges.emplace_back(a, b);
    } else if (auto mac = item.size() >= 12 ? parseMac(item) : std::nullopt) {
        list.macs.push_back(*mac);
    } else if (parseIndex(item, 0, a)) {
        list.indexes.push_back(a);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool parseInt(const std::string& text, int low, int high, int& out) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || p != end || v < low || v > high) return false;
    out = v;
    return true;
}

bool parseBoardList(const std::string& text, BoardList& list) {
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        if (!parseItem(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), list))
            return false;
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace sim
