#pragma once
// The simulated boards on the network: one UDP socket on port 21210, requests read in batches,
// answers sent when due, each out of the interface on which its request arrived and, as real
// boards send, from the board's own address (IP_TRANSPARENT lets root send from addresses that
// no interface holds; 0.0.0.0 goes by a packet socket).
#include <linux/if_packet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <array>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <queue>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "tools/boardsim/board_set.h"
#include "tools/boardsim/ip_frame.h"
#include "tools/boardsim/sim_options.h"

namespace sim {

struct SimStats {
    uint64_t received = 0, discover = 0, configure = 0, ignored = 0, malformed = 0, own = 0;
    uint64_t replies = 0, acks = 0, sendFailures = 0;
};

class Simulator {
public:
    // log: one line per request received, or null.
    Simulator(const SimOptions& options, FILE* log);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    bool open();   // binds UDP port 21210; false with errno set
    // Set by open() where the boards cannot answer from their own addresses (not root), and
    // every board answers from the namespace's address instead.
    const std::string& fallbackNote() const { return fallbackNote_; }
    // Answers until stop is raised (a signal ends the wait at once) or the socket fails.
    void run(const volatile std::sig_atomic_t& stop);
    int boards() const { return boards_.size(); }
    std::string summary() const;   // what was received and sent, for the last line of stderr

private:
    // Where an answer goes and by which interface it leaves (addresses in network order).
    struct Path {
        uint32_t destination = 0;
        int ifindex = 0;      // 0: the request came without its arrival interface
        uint32_t local = 0;   // our address on that interface
    };
    struct Pending {
        int64_t dueUs;
        uint64_t order;   // keeps a run in its planned order when due times tie
        int board;   // a device of the BoardSet
        bool ack;
        Path path;
        bool operator>(const Pending& o) const {
            return dueUs != o.dueUs ? dueUs > o.dueUs : order > o.order;
        }
    };
    static constexpr size_t kReceiveBatch = 64;
    static constexpr size_t kSendBatch = 256;
    static constexpr size_t kControlBytes = CMSG_SPACE(sizeof(in_pktinfo));

    void readRequests();
    void answer(const uint8_t* data, size_t length, const sockaddr_in& from, const Path& arrival);
    void sendDue(const volatile std::sig_atomic_t& stop);
    std::optional<uint32_t> sourceOf(const Pending& send) const;
    void stage(size_t slot, const Pending& send, std::optional<uint32_t> source);
    void sendStaged(int fd, size_t count);
    int waitMs() const;

    SimOptions options_;
    FILE* log_;
    BoardSet boards_;
    std::vector<std::vector<uint8_t>> replyBytes_;   // each board's reply, kept current
    std::vector<uint8_t> ackBytes_;
    int fd_ = -1;
    int packetFd_ = -1;          // sends from 0.0.0.0
    bool ownSources_ = false;    // each device answers from its own address
    std::string fallbackNote_;
    std::unordered_set<uint32_t> ownAddresses_;
    std::mt19937 random_;
    std::priority_queue<Pending, std::vector<Pending>, std::greater<>> queue_;
    uint64_t order_ = 0;
    int64_t startUs_;
    SimStats stats_;

    // Reused for every batch: nothing is allocated per datagram.
    std::array<mmsghdr, kReceiveBatch> inMessages_{};
    std::array<iovec, kReceiveBatch> inParts_{};
    std::array<sockaddr_in, kReceiveBatch> inFrom_{};
    alignas(cmsghdr) std::array<std::array<uint8_t, kControlBytes>, kReceiveBatch> inControl_{};
    std::array<std::array<uint8_t, 2048>, kReceiveBatch> inBuffers_{};
    std::array<mmsghdr, kSendBatch> outMessages_{};
    std::array<std::array<iovec, 2>, kSendBatch> outParts_{};
    std::array<sockaddr_in, kSendBatch> outTo_{};
    std::array<sockaddr_ll, kSendBatch> outLink_{};
    std::array<std::array<uint8_t, kFrameHeaderBytes>, kSendBatch> outHeaders_{};
    alignas(cmsghdr) std::array<std::array<uint8_t, kControlBytes>, kSendBatch> outControl_{};
    std::array<bool, kSendBatch> outIsAck_{};
};

}  // namespace sim
