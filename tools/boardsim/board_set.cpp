#include "tools/boardsim/board_set.h"

namespace sim {

BoardSet::BoardSet(const SimOptions& options)
    : boards_(initialBoards(options)), silent_(boards_.size(), false) {
    for (int i = 0; i < size(); ++i) {
        byMac_[key(boards_[static_cast<size_t>(i)].mac)] = i;
        everyBoard_.push_back(i);
    }
    for (int i : options.muteIndexes)
        if (i >= 0 && i < size()) silent_[static_cast<size_t>(i)] = true;
    for (const Mac& m : options.muteMacs)
        if (int i = indexOf(m); i >= 0) silent_[static_cast<size_t>(i)] = true;
}

uint64_t BoardSet::key(const Mac& mac) {
    uint64_t v = 0;
    for (uint8_t b : mac) v = v << 8 | b;
    return v;
}

int BoardSet::indexOf(const Mac& mac) const {
    auto it = byMac_.find(key(mac));
    return it == byMac_.end() ? -1 : it->second;
}

Reaction BoardSet::handle(const Request& request) {
    Reaction r;
    if (request.kind == RequestKind::Discover) {
        r.replies = everyBoard_;
        r.note = std::to_string(everyBoard_.size()) + " replies";
        return r;
    }
    if (request.kind != RequestKind::Configure) {
        r.note = "ignored";
        return r;
    }
    const int i = indexOf(request.fields.mac);
    if (i < 0) {
        r.note = "no such board";
        return r;
    }
    if (silent_[static_cast<size_t>(i)]) {
        r.note = "board " + std::to_string(i) + " does not acknowledge";
        return r;
    }
    applyConfiguration(boards_[static_cast<size_t>(i)], request.fields);
    r.ackBoard = i;
    r.note = "board " + std::to_string(i) + " applied and acknowledges";
    return r;
}

}  // namespace sim
