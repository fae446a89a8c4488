#include "tools/boardsim/board_set.h"

#include <algorithm>

namespace sim {

BoardSet::BoardSet(const SimOptions& options)
    : boards_(options.boards), states_(initialBoards(options)), behaviour_(states_.size()),
      shared_(options.sharedAddress) {
    for (int i = 0; i < size(); ++i) byMac_[key(states_[static_cast<size_t>(i)].mac)] = i;
    auto each = [&](const BoardList& list, auto set) {
        for (int i : chosen(list)) set(behaviour_[static_cast<size_t>(i)]);
    };
    each(options.noAck, [](Behaviour& b) { b.silent = true; });
    for (const BoardNumber& n : options.ignoreFirst) each(n.boards, [&](Behaviour& b) { b.ignoreFirst = n.value; });
    for (const BoardNumber& n : options.deafAfterApplyMs) each(n.boards, [&](Behaviour& b) { b.deafMs = n.value; });
    for (const BoardNumber& n : options.ackDelayMs) each(n.boards, [&](Behaviour& b) { b.ackDelayMs = n.value; });
    for (const BoardTime& t : options.appear) each(t.boards, [&](Behaviour& b) { b.appearUs = t.us; });
    for (const BoardTime& t : options.leave) each(t.boards, [&](Behaviour& b) { b.leaveUs = t.us; });

    // A twin holds settings of its own beside its board's hardware address.
    for (int index : options.twins) {
        if (index < 0 || index >= size() || twinOf_.count(index)) continue;
        BoardState twin = states_[static_cast<size_t>(index)];
        twin.id = "Twin" + std::to_string(index);
        twin.ip += static_cast<uint32_t>(size());
        twinOf_[index] = devices();
        states_.push_back(twin);
    }
    if (options.ackEverything) ackEverything_ = devices();
    for (const BoardState& s : states_) ++sources_[ownAddress(s)];
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

std::vector<int> BoardSet::chosen(const BoardList& list) const {
    std::vector<int> out;
    auto add = [&](int i) {
        if (i >= 0 && i < size()) out.push_back(i);
    };
    for (int i : list.indexes) add(i);
    for (const Mac& m : list.macs) add(indexOf(m));
    for (auto [first, last] : list.ranges)
        for (int i = first; i <= std::min(last, size() - 1); ++i) add(i);
    for (int k : list.strides)
        for (int i = 0; i < size(); i += k) add(i);
    return out;
}

std::optional<uint32_t> BoardSet::sourceOf(int device) const {
    if (shared_ || device < 0 || device >= devices()) return std::nullopt;
    return ownAddress(board(device));
}

void BoardSet::apply(int device, const ConfigureFields& fields) {
    BoardState& s = states_[static_cast<size_t>(device)];
    const uint32_t before = ownAddress(s);
    applyConfiguration(s, fields);
    if (ownAddress(s) == before) return;
    if (--sources_[before] == 0) sources_.erase(before);
    ++sources_[ownAddress(s)];
}

Reaction BoardSet::handle(const Request& request, int64_t atUs) {
    Reaction r;
    if (request.kind == RequestKind::Discover) {
        r.replies.reserve(static_cast<size_t>(devices()));
        for (int twin = size(); twin < devices(); ++twin) r.replies.push_back(twin);
        r.twinReplies = r.replies.size();
        size_t absent = 0, deaf = 0;
        for (int i = 0; i < size(); ++i) {
            const Behaviour& b = behaviour_[static_cast<size_t>(i)];
            if (atUs < b.appearUs || atUs >= b.leaveUs) ++absent;
            else if (atUs < b.deafUntilUs) ++deaf;
            else r.replies.push_back(i);
        }
        r.note = std::to_string(r.replies.size()) + " replies";
        if (r.twinReplies > 0) r.note += " (" + std::to_string(r.twinReplies) + " from twins)";
        auto boards = [](size_t n) { return std::to_string(n) + (n == 1 ? " board " : " boards "); };
        if (absent > 0) r.note += ", " + boards(absent) + "absent";
        if (deaf > 0) r.note += ", " + boards(deaf) + "deaf";
        return r;
    }
    if (request.kind != RequestKind::Configure) {
        r.note = "ignored";
        return r;
    }
    const int i = indexOf(request.fields.mac);
    std::string twinNote;
    if (auto twin = twinOf_.find(i); twin != twinOf_.end()) {   // it copies, and answers first
        apply(twin->second, request.fields);
        r.acks.push_back(Ack{twin->second, 0});
        twinNote = "; twin of board " + std::to_string(i) + " applied and acknowledges";
    }
    r.note = (i < 0 ? "no such board" : boardTakes(i, request.fields, atUs, r)) + twinNote;
    if (ackEverything_ >= 0) {
        r.acks.push_back(Ack{ackEverything_, 0});
        r.note += "; ack-everything acknowledges";
    }
    return r;
}

std::string BoardSet::boardTakes(int i, const ConfigureFields& fields, int64_t atUs, Reaction& r) {
    Behaviour& b = behaviour_[static_cast<size_t>(i)];
    const std::string name = "board " + std::to_string(i);
    if (atUs < b.appearUs || atUs >= b.leaveUs) return name + " is absent";
    if (atUs < b.deafUntilUs) return name + " is deaf";
    if (b.heard < b.ignoreFirst) {
        ++b.heard;
        if (b.ignoreFirst == 1) return name + " ignores its first request";
        return name + " ignores request " + std::to_string(b.heard) + " of its first " + std::to_string(b.ignoreFirst);
    }
    if (b.silent) return name + " does not acknowledge";
    apply(i, fields);
    if (b.deafMs > 0) b.deafUntilUs = atUs + int64_t{b.deafMs} * 1000;
    r.acks.push_back(Ack{i, b.ackDelayMs});
    std::string note = name + " applied and acknowledges";
    if (b.ackDelayMs > 0) note += " " + std::to_string(b.ackDelayMs) + " ms later";
    return note;
}

}  // namespace sim
