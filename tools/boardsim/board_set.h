#pragma once
// The simulated boards, and the devices beside them, and what each does with a request.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/boardsim/board_codec.h"
#include "tools/boardsim/sim_options.h"

namespace sim {

struct Ack {
    int device = 0;
    int delayMs = 0;   // after the request arrived
};

// Devices are numbered: the boards from 0, then the twins, then the ack-everything device.
struct Reaction {
    std::vector<int> replies;   // devices that send their discovery reply, the twins' first
    size_t twinReplies = 0;     // how many of them lead, planned before any board's
    std::vector<Ack> acks;      // each applied the request (the ack-everything device none)
    std::string note;           // for the log: what the boards did
};

class BoardSet {
public:
    explicit BoardSet(const SimOptions& options);

    // Says who answers a request that arrived atUs after the start, and applies a
    // configuration to the board (and twin) that takes it. A board that is absent, deaf, still
    // ignoring or never acknowledging behaves as if it had not heard the request.
    Reaction handle(const Request& request, int64_t atUs = 0);

    const BoardState& board(int device) const { return states_[static_cast<size_t>(device)]; }
    int size() const { return boards_; }
    int devices() const { return static_cast<int>(states_.size()); }   // the boards and twins
    int indexOf(const Mac& mac) const;   // the board that has it, or -1
    bool acknowledges(int index) const { return !behaviour_[static_cast<size_t>(index)].silent; }

    // The address a device's datagrams leave from (host order): its own IP, 0.0.0.0 while it
    // is on DHCP; none for the ack-everything device and with --shared-address, which answer
    // from the namespace's own address.
    std::optional<uint32_t> sourceOf(int device) const;
    bool sendsFrom(uint32_t address) const { return sources_.count(address) != 0; }

private:
    struct Behaviour {
        bool silent = false;
        int ignoreFirst = 0;
        int heard = 0;        // requests that named it while it could hear
        int deafMs = 0;
        int ackDelayMs = 0;
        int64_t appearUs = 0, leaveUs = INT64_MAX, deafUntilUs = 0;
    };
    static uint64_t key(const Mac& mac);
    std::vector<int> chosen(const BoardList& list) const;
    std::string boardTakes(int index, const ConfigureFields& fields, int64_t atUs, Reaction& r);
    void apply(int device, const ConfigureFields& fields);
    static uint32_t ownAddress(const BoardState& s) { return s.dhcp ? 0 : s.ip; }

    int boards_;
    std::vector<BoardState> states_;     // the boards, then the twins
    std::vector<Behaviour> behaviour_;   // the boards'
    std::unordered_map<uint64_t, int> byMac_;
    std::unordered_map<int, int> twinOf_;   // board index to its twin's device
    int ackEverything_ = -1;                // its device, or -1
    bool shared_;
    std::unordered_map<uint32_t, int> sources_;   // how many devices send from each address
};

}  // namespace sim
