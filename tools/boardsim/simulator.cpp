#include "tools/boardsim/simulator.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/ethernet.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "tools/boardsim/send_plan.h"

namespace sim {
namespace {

int64_t nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Addresses of this namespace's own interfaces: a datagram from one of them is our own
// broadcast coming back.
std::unordered_set<uint32_t> localAddresses() {
    std::unordered_set<uint32_t> set;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return set;
    for (ifaddrs* a = list; a; a = a->ifa_next)
        if (a->ifa_addr && a->ifa_addr->sa_family == AF_INET)
            set.insert(reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr);
    freeifaddrs(list);
    return set;
}

// How often a send may find no room before its datagram counts as failed.
constexpr int kSendStalls = 50;

}  // namespace

Simulator::Simulator(const SimOptions& options, FILE* log)
    : options_(options), log_(log), boards_(options), random_(std::random_device{}()),
      startUs_(nowUs()) {
    replyBytes_.reserve(static_cast<size_t>(boards_.devices()));
    for (int i = 0; i < boards_.devices(); ++i)
        replyBytes_.push_back(encodeReply(boards_.board(i), options_.lengthInFirstByte));
    ackBytes_ = encodeAck(0);
}

Simulator::~Simulator() {
    if (fd_ >= 0) close(fd_);
    if (packetFd_ >= 0) close(packetFd_);
}

bool Simulator::open() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    // The arrival interface of each request: its answers leave by it, so that a broadcast
    // answer needs no route for 255.255.255.255.
    setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &one, sizeof one);
    // The forced sizes need root; without it the kernel's ceilings apply.
    const int sndbuf = options_.sendBufferBytes;
    if (setsockopt(fd, SOL_SOCKET, SO_SNDBUFFORCE, &sndbuf, sizeof sndbuf) != 0)
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sndbuf, sizeof sndbuf);
    const int rcvbuf = 4 << 20;
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &rcvbuf, sizeof rcvbuf) != 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvbuf, sizeof rcvbuf);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        const int e = errno;
        close(fd);
        errno = e;
        return false;
    }
    fd_ = fd;
    ownAddresses_ = localAddresses();
    if (!options_.sharedAddress) {
        // Both need CAP_NET_RAW; without it the boards share the namespace's address.
        std::string refused;
        if (setsockopt(fd, SOL_IP, IP_TRANSPARENT, &one, sizeof one) != 0)
            refused = std::string("IP_TRANSPARENT: ") + std::strerror(errno);
        else if ((packetFd_ = socket(AF_PACKET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) < 0)
            refused = std::string("packet socket: ") + std::strerror(errno);
        else if (setsockopt(packetFd_, SOL_SOCKET, SO_SNDBUFFORCE, &sndbuf, sizeof sndbuf) != 0)
            setsockopt(packetFd_, SOL_SOCKET, SO_SNDBUF, &sndbuf, sizeof sndbuf);
        ownSources_ = refused.empty();
        if (!ownSources_)
            fallbackNote_ = "cannot answer from the boards' own addresses (" + refused +
                            "): every board answers from this host's address, as with --shared-address";
    }
    return true;
}

int Simulator::waitMs() const {
    if (queue_.empty()) return -1;
    const int64_t wait = queue_.top().dueUs - nowUs();
    return wait <= 0 ? 0 : static_cast<int>((wait + 999) / 1000);
}

void Simulator::run(const volatile std::sig_atomic_t& stop) {
    while (!stop) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, waitMs()) < 0 && errno != EINTR) break;
        readRequests();
        sendDue(stop);
    }
}

// Everything that has arrived, in batches.
void Simulator::readRequests() {
    for (;;) {
        for (size_t i = 0; i < kReceiveBatch; ++i) {
            inParts_[i] = iovec{inBuffers_[i].data(), inBuffers_[i].size()};
            msghdr& m = inMessages_[i].msg_hdr;
            m = msghdr{};
            m.msg_name = &inFrom_[i];
            m.msg_namelen = sizeof inFrom_[i];
            m.msg_iov = &inParts_[i];
            m.msg_iovlen = 1;
            m.msg_control = inControl_[i].data();
            m.msg_controllen = inControl_[i].size();
        }
        const int n = recvmmsg(fd_, inMessages_.data(), kReceiveBatch, MSG_DONTWAIT, nullptr);
        if (n <= 0) return;
        for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
            msghdr& m = inMessages_[i].msg_hdr;
            Path arrival;
            for (cmsghdr* c = CMSG_FIRSTHDR(&m); c; c = CMSG_NXTHDR(&m, c)) {
                if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_PKTINFO) continue;
                in_pktinfo info;
                std::memcpy(&info, CMSG_DATA(c), sizeof info);
                arrival.ifindex = info.ipi_ifindex;
                arrival.local = info.ipi_spec_dst.s_addr;
            }
            answer(inBuffers_[i].data(), inMessages_[i].msg_len, inFrom_[i], arrival);
        }
        if (static_cast<size_t>(n) < kReceiveBatch) return;
    }
}

void Simulator::answer(const uint8_t* data, size_t length, const sockaddr_in& from,
                       const Path& arrival) {
    ++stats_.received;
    // Our broadcasts come back to us: from this host's address, or from a board's own.
    const bool answerOfOurs =
        length >= kHeaderBytes && (data[10] == kCmdDiscoverReply || data[10] == kCmdConfigureAck);
    if (ownAddresses_.count(from.sin_addr.s_addr) ||
        (ownSources_ && answerOfOurs && boards_.sendsFrom(ntohl(from.sin_addr.s_addr)))) {
        ++stats_.own;
        return;
    }
    const Request request = decodeRequest(data, length);
    const Reaction reaction = boards_.handle(request, nowUs() - startUs_);
    switch (request.kind) {
    case RequestKind::Discover: ++stats_.discover; break;
    case RequestKind::Configure: ++stats_.configure; break;
    case RequestKind::Other: ++stats_.ignored; break;
    case RequestKind::Malformed: ++stats_.malformed; break;
    }
    if (log_) {
        char sender[INET_ADDRSTRLEN] = "?";
        inet_ntop(AF_INET, &from.sin_addr, sender, sizeof sender);
        std::fprintf(log_, "t=%.3f from=%s:%u %s -> %s\n",
                     static_cast<double>(nowUs() - startUs_) / 1e6, sender, ntohs(from.sin_port),
                     describeRequest(request).c_str(), reaction.note.c_str());
    }
    for (const Ack& a : reaction.acks)   // the device took the new settings: its reply tells them
        if (a.device < boards_.devices())
            replyBytes_[static_cast<size_t>(a.device)] = encodeReply(boards_.board(a.device), options_.lengthInFirstByte);
    Path path = arrival;
    path.destination =
        options_.reply == ReplyMode::Broadcast ? htonl(INADDR_BROADCAST) : from.sin_addr.s_addr;
    const int64_t t0 = nowUs();
    for (const PlannedSend& s : planSends(reaction, options_, random_))
        queue_.push(Pending{t0 + s.delayUs, order_++, s.board, s.ack, path});
}

// Sends what is due; in a burst, sendmmsg takes whole batches, else one datagram per call as a
// board sends its own.
void Simulator::sendDue(const volatile std::sig_atomic_t& stop) {
    const size_t batch = options_.burst ? kSendBatch : 1;
    size_t staged = 0;
    int via = fd_;
    while (!queue_.empty() && queue_.top().dueUs <= nowUs() && !stop) {
        const std::optional<uint32_t> source = sourceOf(queue_.top());
        const int fd = source == 0u ? packetFd_ : fd_;
        if (staged > 0 && fd != via) {   // one sendmmsg run goes by one socket
            sendStaged(via, staged);
            staged = 0;
        }
        via = fd;
        stage(staged++, queue_.top(), source);
        queue_.pop();
        if (staged == batch) {
            sendStaged(via, staged);
            staged = 0;
        }
    }
    if (staged > 0) sendStaged(via, staged);
}

// The device's own address, where it may be used; none: the namespace's address on the
// arrival interface (a request that came without its interface has no way back but that).
std::optional<uint32_t> Simulator::sourceOf(const Pending& send) const {
    if (!ownSources_ || send.path.ifindex == 0) return std::nullopt;
    return boards_.sourceOf(send.board);
}

void Simulator::stage(size_t slot, const Pending& send, std::optional<uint32_t> source) {
    const std::vector<uint8_t>& bytes = send.ack ? ackBytes_ : replyBytes_[static_cast<size_t>(send.board)];
    std::array<iovec, 2>& parts = outParts_[slot];
    msghdr& m = outMessages_[slot].msg_hdr;
    m = msghdr{};
    outIsAck_[slot] = send.ack;
    if (source == 0u) {
        // A board without an address broadcasts even where it would answer by unicast: no host
        // takes a unicast from 0.0.0.0.
        writeFrameHeaders(outHeaders_[slot].data(), 0, INADDR_BROADCAST, kPort, bytes.data(), bytes.size());
        parts[0] = iovec{outHeaders_[slot].data(), kFrameHeaderBytes};
        parts[1] = iovec{const_cast<uint8_t*>(bytes.data()), bytes.size()};
        sockaddr_ll& link = outLink_[slot];
        link = sockaddr_ll{};
        link.sll_family = AF_PACKET;
        link.sll_protocol = htons(ETH_P_IP);
        link.sll_ifindex = send.path.ifindex;
        link.sll_halen = ETH_ALEN;
        std::memset(link.sll_addr, 0xff, ETH_ALEN);
        m.msg_name = &link;
        m.msg_namelen = sizeof link;
        m.msg_iov = parts.data();
        m.msg_iovlen = 2;
        return;
    }
    parts[0] = iovec{const_cast<uint8_t*>(bytes.data()), bytes.size()};
    sockaddr_in& to = outTo_[slot];
    to = sockaddr_in{};
    to.sin_family = AF_INET;
    to.sin_port = htons(kPort);
    to.sin_addr.s_addr = send.path.destination;
    m.msg_name = &to;
    m.msg_namelen = sizeof to;
    m.msg_iov = parts.data();
    m.msg_iovlen = 1;
    if (send.path.ifindex != 0) {
        // Out of the arrival interface, from the device's address or ours there: no route is
        // looked up for a broadcast.
        m.msg_control = outControl_[slot].data();
        m.msg_controllen = outControl_[slot].size();
        cmsghdr* c = CMSG_FIRSTHDR(&m);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = send.path.ifindex;
        info.ipi_spec_dst.s_addr = source ? htonl(*source) : send.path.local;
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
    }
}

// Waits for room in the send buffer rather than drop a board's answer; a datagram that the
// kernel refuses outright counts as failed and the rest still go.
void Simulator::sendStaged(int fd, size_t count) {
    size_t next = 0;
    int stalls = 0;
    while (next < count) {
        const int n = sendmmsg(fd, outMessages_.data() + next, static_cast<unsigned>(count - next), 0);
        if (n > 0) {
            for (int i = 0; i < n; ++i) ++(outIsAck_[next++] ? stats_.acks : stats_.replies);
            stalls = 0;
            continue;
        }
        const bool full = errno == EAGAIN || errno == EWOULDBLOCK;
        if ((full || errno == ENOBUFS || errno == EINTR) && ++stalls <= kSendStalls) {
            if (full) {
                pollfd p{fd, POLLOUT, 0};
                poll(&p, 1, 100);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            continue;
        }
        ++stats_.sendFailures;
        ++next;
        stalls = 0;
    }
}

std::string Simulator::summary() const {
    const auto u = [](uint64_t v) { return std::to_string(v); };
    return "received " + u(stats_.received) + " datagrams (" + u(stats_.discover) + " discover, " +
           u(stats_.configure) + " configure, " + u(stats_.ignored) + " other, " + u(stats_.malformed) +
           " malformed, " + u(stats_.own) + " own); sent " + u(stats_.replies) + " replies, " +
           u(stats_.acks) + " acknowledgements; " + u(stats_.sendFailures) + " sends failed";
}

}  // namespace sim
