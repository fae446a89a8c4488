// lanset-cli auto --watch: a station that numbers and addresses each board as it is plugged in.
// One whole find first: a board that already holds a number of the pattern and an address of
// the range is left alone, and what it holds counts as taken; every other board is configured
// as auto configures it. Then each board that appears gets the next free number and address,
// sent in a round and verified by the cycle that follows, until Ctrl-C or --count boards.
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <set>

#include "net/id_pattern.h"
#include "net/ipv4.h"
#include "tools/lanset-cli/board_output.h"
#include "tools/lanset-cli/board_watch.h"
#include "tools/lanset-cli/commands.h"
#include "tools/lanset-cli/lan_check.h"
#include "tools/lanset-cli/plan_run.h"
#include "ui/board_text.h"

namespace {

constexpr int kCyclesToAnswer = 3;         // cycles a board sent its settings may stay silent

PlanRow rowOf(const std::string& sn, std::optional<std::string> id = {}, std::optional<std::string> ip = {}) {
    PlanRow row;
    row.sn = sn;
    row.id = std::move(id);
    row.ip = std::move(ip);
    return row;
}

class Station {
public:
    Station(CliDriver& d, const CliOptions& o, int32_t firstSequence) : d_(d), o_(o), next_(firstSequence) {
        if (o_.ip) {
            first_ = inetAddrHost(o_.ip->c_str());
            const uint32_t mask = inetAddrHost(o_.mask->c_str());
            last_ = (first_ & mask) | ~mask;   // the broadcast address: the first one past the range
        }
        if (o_.pattern) hashes_ = static_cast<size_t>(std::count(o_.pattern->begin(), o_.pattern->end(), '#'));
    }

    int run();

private:
    struct Pending {
        PlanRow row;
        DeviceRecord request;
        int sends = 0;
        int silentCycles = 0;
    };

    // The number of the pattern that board's ID holds, or -1.
    int32_t numberOf(const DeviceRecord& b) const;
    bool inRange(uint32_t a) const { return o_.ip && a >= first_ && a < last_; }
    bool heldAlready(const DeviceRecord& b) const;
    void takeWhatItHolds(const DeviceRecord& b);
    // Gives a board the next free number and address; false (said) when it may not be sent.
    bool assign(const DeviceRecord& board);
    void report(const PlanRow& row, const std::string& result, bool failed);
    bool onCycle(const DeviceList& answered);
    int sendQueued();

    CliDriver& d_;
    const CliOptions& o_;
    int32_t next_;             // the next number to try
    uint32_t first_ = 0, last_ = 0;
    size_t hashes_ = 0;
    std::set<int32_t> numbers_;      // taken
    std::set<uint32_t> addresses_;   // taken
    std::map<std::string, DeviceRecord> present_;   // by SN, as last heard
    std::deque<DeviceRecord> queue_;                // boards waiting for their turn
    std::set<std::string> handled_;                 // SNs the station has dealt with
    std::map<std::string, Pending> pending_;        // sent, not yet verified
    std::vector<Pending> toSend_;
    BoardWatch watch_;
    int configured_ = 0;
    std::vector<std::string> failed_;
};

int32_t Station::numberOf(const DeviceRecord& b) const {
    if (!o_.pattern || hashes_ == 0) return -1;
    const std::string id = fieldText(b.id);
    if (id.size() != o_.pattern->size()) return -1;
    std::string digits;
    for (size_t i = 0; i < id.size(); ++i)
        if ((*o_.pattern)[i] == '#') digits += id[i];
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) return -1;
    const auto n = static_cast<int32_t>(std::stol(digits));
    return expandIdPattern(*o_.pattern, n, fieldText(b.mac)) == id ? n : -1;
}

bool Station::heldAlready(const DeviceRecord& b) const {
    if (o_.pattern && (hashes_ > 0 ? numberOf(b) < 0
                                   : fieldText(b.id) != expandIdPattern(*o_.pattern, 0, fieldText(b.mac))))
        return false;
    if (o_.ip && (!inRange(boardAddress(b)) || fieldText(b.subnet) != *o_.mask)) return false;
    if (o_.gateway && fieldText(b.gateway) != *o_.gateway) return false;
    if (o_.dhcp && (b.dhcp != 0) != *o_.dhcp) return false;
    return true;
}

void Station::takeWhatItHolds(const DeviceRecord& b) {
    if (const int32_t n = numberOf(b); n >= 0) numbers_.insert(n);
    if (const uint32_t a = boardAddress(b)) addresses_.insert(a);
}

bool Station::assign(const DeviceRecord& board) {
    const std::string sn = fieldText(board.mac);
    DeviceRecord w = configureRecord(o_, board);
    w.id[0] = '\0';
    int32_t number = -1;
    if (o_.pattern) {
        if (hashes_ > 0) {
            while (numbers_.count(next_)) ++next_;
            number = next_;
            if (number > 65535 || std::to_string(number).size() > hashes_) {
                report(rowOf(sn),
                       "refused: the pattern's " + std::to_string(hashes_) + " '#' hold no number past " +
                           std::to_string(number - 1), true);
                return false;
            }
        }
        w.setId(expandIdPattern(*o_.pattern, std::max(number, 0), sn).c_str());
    }
    uint32_t address = 0;
    if (o_.ip) {
        address = first_;
        while (addresses_.count(address) && address < last_) ++address;
        if (address >= last_) {
            report(rowOf(sn), "refused: no address of the range is free", true);
            return false;
        }
        w.setIp(formatIpv4(address).c_str());
    }
    std::vector<const DeviceRecord*> listed;
    for (const auto& [key, b] : present_) listed.push_back(&b);
    PlanRow row;
    row.sn = sn;
    if (o_.pattern) row.id = fieldText(w.id);
    if (o_.ip) {
        row.ip = fieldText(w.ip);
        row.subnet = *o_.mask;
    }
    if (o_.gateway) row.gateway = *o_.gateway;
    row.dhcp = o_.dhcp;
    std::string refused = otherAnswersProblem(d_.session().devices, d_.session().devices.findByMac(board.mac));
    if (refused.empty())
        if (auto clash = checkPass({PassBoard{&board, w, ""}}, listed, d_.hostAddresses())) refused = clash->message;
    if (!refused.empty() && !o_.force) {
        report(row, "refused: " + refused, true);
        return false;
    }
    if (number >= 0) numbers_.insert(number);
    if (address) addresses_.insert(address);
    handled_.insert(sn);
    toSend_.push_back(Pending{row, w, 0, 0});
    return true;
}

void Station::report(const PlanRow& row, const std::string& result, bool failed) {
    if (failed) failed_.push_back(row.sn);
    if (o_.format == OutputFormat::Json) {
        std::string line = "{\"sn\": " + jsonText(row.sn) + ", \"id\": " + (row.id ? jsonText(*row.id) : "null") +
                           ", \"ip\": " + (row.ip ? jsonText(*row.ip) : "null") + ", \"result\": " + jsonText(result) + "}\n";
        d_.emit(line);
        return;
    }
    d_.emit("SN " + row.sn + (row.id ? "  ID " + printableText(*row.id) : "") + (row.ip ? "  IP " + *row.ip : "") +
            "  " + printableText(result) + "\n");
}

// At a cycle's end, on the worker: what appeared joins the queue; what was sent is verified.
// False ends the watch, to send what waits (or at --count).
bool Station::onCycle(const DeviceList& answered) {
    for (const WatchEvent& e : watch_.cycle(answered)) {
        const std::string sn = fieldText(e.board.mac);
        if (e.kind == WatchEvent::Kind::Gone) {
            present_.erase(sn);
            continue;
        }
        present_[sn] = e.board;
        if (e.kind == WatchEvent::Kind::Appeared && !handled_.count(sn)) {
            if (heldAlready(e.board)) {
                takeWhatItHolds(e.board);
                handled_.insert(sn);
                report(rowOf(sn, fieldText(e.board.id), fieldText(e.board.ip)),
                       "left alone: it holds a number and an address already", false);
            } else {
                queue_.push_back(e.board);
            }
        }
    }
    for (auto it = pending_.begin(); it != pending_.end();) {
        Pending& p = it->second;
        const int32_t index = answered.findByMac(p.row.sn.c_str());
        const DeviceRecord* seen = answered.at(index);
        const std::string twin = otherAnswersProblem(answered, index);
        if (seen && twin.empty() && planDifferences(p.row, *seen).empty()) {
            report(p.row, "configured", false);
            ++configured_;
            it = pending_.erase(it);
            continue;
        }
        if (!seen && ++p.silentCycles < kCyclesToAnswer) {
            ++it;
            continue;
        }
        if (p.sends < kPlanRounds + o_.retries) {
            p.silentCycles = 0;
            toSend_.push_back(p);
        } else {
            std::string why = "did not answer after its settings were sent";
            if (!twin.empty()) why = twin;
            else if (seen) {
                why.clear();
                for (const FieldChange& c : planDifferences(p.row, *seen))
                    why += (why.empty() ? "reports " : ", ") + c.field + " " + printableText(c.before);
            }
            report(p.row, "not as planned: " + why, true);
        }
        it = pending_.erase(it);
    }
    const bool enough = o_.count > 0 && configured_ >= o_.count;
    return !enough && queue_.empty() && toSend_.empty();
}

// The boards waiting, each given its number and address, and what is to be sent again: one round.
int Station::sendQueued() {
    while (!queue_.empty()) {
        const DeviceRecord board = queue_.front();
        queue_.pop_front();
        assign(board);
    }
    if (toSend_.empty()) return kExitOk;
    std::vector<DeviceRecord> requests;
    for (const Pending& p : toSend_) requests.push_back(p.request);
    int32_t acks = 0;
    const int status = d_.round(requests, acks);
    for (Pending& p : toSend_) {
        ++p.sends;
        pending_[p.row.sn] = p;
    }
    toSend_.clear();
    return status;
}

int Station::run() {
    if (const int status = d_.find(); status != kExitOk) return status;
    const DeviceList& list = d_.session().devices;
    std::vector<int32_t> order;
    for (int32_t i = 0; i < list.count(); ++i) order.push_back(i);
    if (o_.order == BoardOrder::Sn)
        std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
            return std::strncmp(list.at(a)->mac, list.at(b)->mac, sizeof list.at(a)->mac) < 0;
        });
    // What the find saw is what the watch starts from; the boards it numbers already are left
    // alone first, so that every number and address they hold is taken before any is given.
    watch_.cycle(list);
    for (int32_t i = 0; i < list.count(); ++i) present_[fieldText(list.at(i)->mac)] = *list.at(i);
    for (int32_t i : order) {
        const DeviceRecord& b = *list.at(i);
        if (!heldAlready(b)) continue;
        takeWhatItHolds(b);
        handled_.insert(fieldText(b.mac));
        report(rowOf(fieldText(b.mac), fieldText(b.id), fieldText(b.ip)),
               "left alone: it holds a number and an address already", false);
    }
    for (const auto& [sn, b] : present_)
        if (!heldAlready(b)) takeWhatItHolds(b);   // not to be given to another
    for (int32_t i : order)
        if (!handled_.count(fieldText(list.at(i)->mac))) queue_.push_back(*list.at(i));

    d_.say("Watching for boards; Ctrl-C ends", Verbosity::Normal);
    int status = kExitOk;
    for (;;) {
        status = sendQueued();
        if (status != kExitOk) break;
        status = d_.watch([this](const DeviceList& answered) { return onCycle(answered); });
        if (status != kExitOk) break;
        if (o_.count > 0 && configured_ >= o_.count) break;
    }
    const bool stopped = status == kExitInterrupted;
    d_.say("Configured " + std::to_string(configured_) + (configured_ == 1 ? " board" : " boards"), Verbosity::Quiet);
    std::vector<std::string> unverified;
    for (const auto& [sn, p] : pending_) unverified.push_back(sn);
    for (const Pending& p : toSend_) unverified.push_back(p.row.sn);
    auto list_ = [](const std::vector<std::string>& sns) {
        std::string out;
        for (const std::string& sn : sns) out += (out.empty() ? "" : " ") + sn;
        return out;
    };
    if (!failed_.empty()) d_.say("Failed: " + list_(failed_), Verbosity::Quiet);
    if (!unverified.empty()) d_.say("Sent, but not yet verified: " + list_(unverified), Verbosity::Quiet);
    if (!stopped && status != kExitOk) return status;
    return failed_.empty() && unverified.empty() ? kExitOk : kExitFailed;
}

}  // namespace

int cmdStation(CliDriver& d, const CliOptions& o, int32_t firstSequence) {
    return Station(d, o, firstSequence).run();
}
