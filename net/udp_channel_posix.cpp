// The UDP channel over POSIX sockets. One socket bound to any address takes the replies from
// every adapter; each send leaves once by every adapter (IP_PKTINFO names the interface, so no
// route for 255.255.255.255 is needed). Datagrams are drained in batches (recvmmsg) into a ring
// of the channel's own, so a burst of thousands of replies outruns neither a small kernel buffer
// nor the handling of each reply. Between datagrams the receiver sleeps in poll(), which watches
// a wake-up pipe too, so that close() from another thread ends a waiting receive at once.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>

#include "net/network_adapters.h"
#include "net/udp_channel.h"
#include "net/wire.h"

namespace {

constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;  // room for thousands of replies at once
constexpr int kSendWaitMs = 1000;
constexpr size_t kRingSlots = 8192;   // a whole rack's burst, with room to spare
constexpr size_t kBatch = 64;         // datagrams per recvmmsg
constexpr int kDrainEvery = 16;       // datagrams handed out between two drains

enum class Wait { Ready, Timeout, Closed };

struct Slot {
    uint8_t data[kReceiveBufferSize];
    uint32_t length;
    bool whole;          // neither empty nor cut
    uint32_t adapter;    // address of the adapter it arrived on, host order; 0 unknown
    uint32_t from;       // its sender's address, host order; 0 unknown
};

class PosixUdpChannel final : public UdpChannel {
public:
    PosixUdpChannel() {
        int fds[2];
        if (::pipe(fds) == 0) {
            for (int fd : fds) {
                ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
            wakeRead_ = fds[0];
            wakeWrite_ = fds[1];
        }
    }

    ~PosixUdpChannel() override {
        if (fd_ >= 0) ::close(fd_);
        if (wakeRead_ >= 0) ::close(wakeRead_);
        if (wakeWrite_ >= 0) ::close(wakeWrite_);
    }

    bool open(uint16_t port) override {
        std::lock_guard<std::mutex> lock(mutex_);
        closeNow();
        drainWake();
        if (wakeRead_ < 0) return false;
        adapters_ = broadcastAdapters(interfaces(), chosenAdapters());
        if (adapters_.empty()) return false;
        // Written before it is read: no need to clear 2 MB.
        if (!ring_) ring_ = std::make_unique_for_overwrite<Slot[]>(kRingSlots);
        head_ = count_ = 0;
        held_ = false;
        sinceDrain_ = 0;
        droppedSeen_ = 0;
        lost_ = false;

        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        ::setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);   // which adapter heard it
        ::setsockopt(fd, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);  // how many the kernel lost
        // As root the system limit can be passed; otherwise it caps what we get.
        const int size = kReceiveBufferBytes;
#ifdef SO_RCVBUFFORCE
        if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &size, sizeof size) != 0)
#endif
            ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        int granted = 0;
        socklen_t grantedSize = sizeof granted;
        ::getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &granted, &grantedSize);
        // Linux reports twice what it counts against the limit (room for its bookkeeping).
        recordReceiveBuffer({size, granted / 2});
        // No SO_REUSEADDR: a port held by another program must fail here, not share replies.
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            ::close(fd);
            return false;
        }
        port_ = port;
        fd_ = fd;
        closeRequested_ = false;
        return true;
    }

    bool send(const uint8_t* data, size_t length) override {
        const int fd = acquire();
        if (fd < 0) return false;
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port_);
        to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kSendWaitMs);
        bool sentAny = false;
        for (const NetworkAdapter& adapter : adapters_) {
            sentAny = sendBy(fd, adapter, data, length, to, deadline) || sentAny;
        }
        release();
        return sentAny;
    }

    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        data = nullptr;
        length = 0;
        adapter_ = 0;
        from_ = 0;
        const int fd = acquire();
        if (fd < 0) return ReceiveResult::Closed;
        if (held_) {   // the datagram handed out last time is done with
            head_ = (head_ + 1) % kRingSlots;
            --count_;
            held_ = false;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        ReceiveResult result = ReceiveResult::Timeout;
        for (;;) {
            if (count_ == 0 || sinceDrain_ >= kDrainEvery) {
                if (!drain(fd)) {
                    result = ReceiveResult::Closed;
                    break;
                }
            }
            if (count_ > 0) {
                const Slot& slot = ring_[head_];
                held_ = true;
                ++sinceDrain_;
                adapter_ = slot.adapter;
                from_ = slot.from;
                if (slot.whole) {
                    data = slot.data;
                    length = slot.length;
                    result = ReceiveResult::Datagram;
                } else {
                    result = ReceiveResult::Dropped;   // empty, or longer than any board sends
                }
                break;
            }
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
            const Wait wait = waitFor(fd, POLLIN, left > 0 ? static_cast<int>(left) : 0);
            if (wait == Wait::Closed) {
                result = ReceiveResult::Closed;
                break;
            }
            if (wait == Wait::Timeout) break;
        }
        if (result == ReceiveResult::Closed) {
            std::lock_guard<std::mutex> lock(mutex_);
            closeRequested_ = true;
        }
        release();
        return result;
    }

    void close() override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (fd_ < 0) return;
        closeRequested_ = true;
        if (users_ > 0) {
            // The worker is using the descriptor: wake it; it closes on its way out.
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
            return;
        }
        closeNow();
    }

    int64_t nowMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch()).count();
    }

    uint32_t receivedOn() const override { return adapter_; }
    uint32_t receivedFrom() const override { return from_; }

    bool lostDatagrams() override {
        const bool lost = lost_;
        lost_ = false;
        return lost;
    }

private:
    // One datagram out of one adapter. An adapter that has gone (unplugged, switched off)
    // refuses; the others still send.
    bool sendBy(int fd, const NetworkAdapter& adapter, const uint8_t* data, size_t length,
                const sockaddr_in& to, std::chrono::steady_clock::time_point deadline) {
        iovec part{const_cast<uint8_t*>(data), length};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
        msghdr message{};
        message.msg_name = const_cast<sockaddr_in*>(&to);
        message.msg_namelen = sizeof to;
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(adapter.index);
        info.ipi_spec_dst.s_addr = htonl(adapter.address);
        std::memcpy(CMSG_DATA(header), &info, sizeof info);
        for (;;) {
            const ssize_t n = ::sendmsg(fd, &message, MSG_DONTWAIT);
            if (n >= 0) return static_cast<size_t>(n) == length;
            if (errno == EINTR) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != ENOBUFS) return false;
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
            if (left <= 0 || waitFor(fd, POLLOUT, static_cast<int>(left)) != Wait::Ready) return false;
        }
    }

    // Takes what has arrived, without waiting, into the free slots of the ring. False when the
    // socket is unusable.
    bool drain(int fd) {
        sinceDrain_ = 0;
        mmsghdr messages[kBatch];
        iovec parts[kBatch];
        sockaddr_in senders[kBatch];
        alignas(cmsghdr) char controls[kBatch][CMSG_SPACE(sizeof(in_pktinfo)) + CMSG_SPACE(sizeof(uint32_t))];
        while (count_ < kRingSlots) {
            const size_t tail = (head_ + count_) % kRingSlots;
            const size_t batch = std::min({kBatch, kRingSlots - count_, kRingSlots - tail});
            for (size_t i = 0; i < batch; ++i) {
                parts[i] = iovec{ring_[tail + i].data, sizeof ring_[tail + i].data};
                messages[i] = mmsghdr{};
                messages[i].msg_hdr.msg_name = &senders[i];
                messages[i].msg_hdr.msg_namelen = sizeof senders[i];
                messages[i].msg_hdr.msg_iov = &parts[i];
                messages[i].msg_hdr.msg_iovlen = 1;
                messages[i].msg_hdr.msg_control = controls[i];
                messages[i].msg_hdr.msg_controllen = sizeof controls[i];
            }
            const int n = ::recvmmsg(fd, messages, static_cast<unsigned>(batch), MSG_DONTWAIT, nullptr);
            if (n < 0) {
                if (errno == EINTR) continue;
                if (errno == EBADF || errno == ENOTSOCK || errno == EINVAL || errno == EFAULT) return false;
                // EAGAIN: nothing more for now. An ICMP error queued on the socket is taken by
                // this call; datagrams behind it come with the next one.
                if (errno != EAGAIN && errno != EWOULDBLOCK) continue;
                return true;
            }
            for (int i = 0; i < n; ++i) {
                Slot& slot = ring_[tail + static_cast<size_t>(i)];
                const msghdr& header = messages[i].msg_hdr;
                slot.length = messages[i].msg_len;
                slot.whole = slot.length > 0 && (header.msg_flags & MSG_TRUNC) == 0;
                slot.adapter = adapterOf(header);
                slot.from = header.msg_namelen >= sizeof(sockaddr_in) ? ntohl(senders[i].sin_addr.s_addr) : 0;
                noteOverflow(header);
            }
            count_ += static_cast<size_t>(n);
            if (static_cast<size_t>(n) < batch) return true;
        }
        return true;
    }

    // The kernel counts the datagrams it dropped for want of room, and tells the count with
    // the datagrams that follow.
    void noteOverflow(const msghdr& header) {
        for (const cmsghdr* c = CMSG_FIRSTHDR(const_cast<msghdr*>(&header)); c != nullptr;
             c = CMSG_NXTHDR(const_cast<msghdr*>(&header), const_cast<cmsghdr*>(c))) {
            if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SO_RXQ_OVFL) continue;
            uint32_t dropped = 0;
            std::memcpy(&dropped, CMSG_DATA(c), sizeof dropped);
            if (dropped != droppedSeen_) lost_ = true;
            droppedSeen_ = dropped;
        }
    }

    uint32_t adapterOf(const msghdr& header) const {
        for (const cmsghdr* c = CMSG_FIRSTHDR(const_cast<msghdr*>(&header)); c != nullptr;
             c = CMSG_NXTHDR(const_cast<msghdr*>(&header), const_cast<cmsghdr*>(c))) {
            if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_PKTINFO) continue;
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            for (const NetworkAdapter& a : adapters_)
                if (a.index == static_cast<uint32_t>(info.ipi_ifindex)) return a.address;
        }
        return 0;
    }

    // The descriptor for one send or receive, or -1 when closed. It stays open until release().
    int acquire() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (fd_ < 0 || closeRequested_) return -1;
        ++users_;
        return fd_;
    }

    void release() {
        std::lock_guard<std::mutex> lock(mutex_);
        --users_;
        if (users_ == 0 && closeRequested_) closeNow();
    }

    // Under mutex_, with nobody using the descriptor.
    void closeNow() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        drainWake();
    }

    void drainWake() {
        char scratch[64];
        while (wakeRead_ >= 0 && ::read(wakeRead_, scratch, sizeof scratch) > 0) {
        }
    }

    Wait waitFor(int fd, short events, int timeoutMs) {
        pollfd fds[2] = {{fd, events, 0}, {wakeRead_, POLLIN, 0}};
        const int n = ::poll(fds, 2, timeoutMs);
        // Interrupted: report ready; the caller's non-blocking call finds nothing and waits on.
        if (n < 0 && errno == EINTR) return Wait::Ready;
        if (n < 0 || fds[1].revents != 0) return Wait::Closed;
        return n == 0 ? Wait::Timeout : Wait::Ready;
    }

    std::mutex mutex_;   // guards fd_, users_, closeRequested_
    int fd_ = -1;
    int users_ = 0;
    bool closeRequested_ = false;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    // Worker-thread state: set by open(), used by send() and receive().
    uint16_t port_ = 0;
    std::vector<NetworkAdapter> adapters_;
    std::unique_ptr<Slot[]> ring_;
    size_t head_ = 0;
    size_t count_ = 0;
    bool held_ = false;     // ring_[head_] was handed out by the last receive
    int sinceDrain_ = 0;
    uint32_t adapter_ = 0;
    uint32_t from_ = 0;
    uint32_t droppedSeen_ = 0;   // the kernel's count of dropped datagrams, as last told
    bool lost_ = false;          // it grew since lostDatagrams() was asked
};

}  // namespace

std::unique_ptr<UdpChannel> makeSystemChannel() { return std::make_unique<PosixUdpChannel>(); }
