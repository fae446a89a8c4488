// The bare loop, for scale beside find_bench: one discovery broadcast out of every IPv4
// interface, then poll + recvmmsg until a cycle's 1000 ms pass without a datagram, counting
// the distinct boards by their Mac field. No engine, no list: what the kernel lets through
// to an ordinary socket, whatever user runs it.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unordered_set>
#include <vector>

#include "net/wire.h"

namespace {

constexpr int kQuietMs = 1000;      // a cycle ends after this long without a datagram
constexpr int kCeilingMs = 8000;    // ...and after this long in all
constexpr size_t kBatch = 256;

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The 48-bit hardware address of a reply (tag 1), or -1 when it carries none.
int64_t replyMac(const uint8_t* data, size_t received) {
    if (received < 2) return -1;
    const size_t length = std::min<size_t>(data[0] != 0 ? data[0] : data[1], received);
    for (size_t pos = kHeaderSize; pos + 2 <= length;) {
        const uint8_t tag = data[pos];
        if (tag == 0 || tag > 8) return -1;
        if (tag == 1) {
            if (pos + 8 > length) return -1;
            int64_t mac = 0;
            for (size_t i = 0; i < 6; ++i) mac = mac << 8 | data[pos + 2 + i];
            return mac;
        }
        pos += 2 + size_t{data[pos + 1]};
    }
    return -1;
}

// Raises the default receive buffer as far as an unprivileged socket may: net.core.rmem_max.
void growReceiveBuffer(int fd) {
    int limit = 0;
    std::ifstream("/proc/sys/net/core/rmem_max") >> limit;
    if (limit > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &limit, sizeof limit);
}

// The discovery out of each IPv4 interface that can broadcast, by its index: no route needed.
int broadcastDiscovery(int fd) {
    uint8_t datagram[kDiscoveryDatagramSize];
    buildDiscoveryRequest(datagram);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(kBoardPort);
    to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    int sent = 0;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return 0;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !(a->ifa_flags & IFF_UP) ||
            !(a->ifa_flags & IFF_BROADCAST) || (a->ifa_flags & IFF_LOOPBACK))
            continue;
        alignas(cmsghdr) uint8_t control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
        iovec part{datagram, sizeof datagram};
        msghdr m{};
        m.msg_name = &to;
        m.msg_namelen = sizeof to;
        m.msg_iov = &part;
        m.msg_iovlen = 1;
        m.msg_control = control;
        m.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&m);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(if_nametoindex(a->ifa_name));
        info.ipi_spec_dst = reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr;
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
        if (sendmsg(fd, &m, 0) == static_cast<ssize_t>(sizeof datagram)) {
            ++sent;
        } else {
            std::fprintf(stderr, "bare_receive_bench: cannot send on %s: %s\n", a->ifa_name,
                         std::strerror(errno));
        }
    }
    freeifaddrs(list);
    return sent;
}

}  // namespace

int main(int argc, char** argv) {
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 1;
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    growReceiveBuffer(fd);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kBoardPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        std::fprintf(stderr, "bare_receive_bench: cannot bind UDP port %u: %s\n", kBoardPort, std::strerror(errno));
        return 1;
    }
    int rcvbuf = 0;
    socklen_t rcvbufLength = sizeof rcvbuf;
    getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvbuf, &rcvbufLength);

    std::vector<std::array<uint8_t, kReceiveBufferSize>> buffers(kBatch);
    std::vector<iovec> parts(kBatch);
    std::vector<mmsghdr> messages(kBatch);
    std::unordered_set<int64_t> boards;
    boards.reserve(65536);
    uint64_t datagrams = 0;

    const double cpuBefore = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    if (broadcastDiscovery(fd) == 0) {
        std::fprintf(stderr, "bare_receive_bench: the discovery left by no interface\n");
        return 1;
    }
    int64_t lastMs = 0;        // the last datagram
    int64_t lastFoundMs = 0;   // the last new board
    for (;;) {
        const int64_t now = elapsedMs();
        const int64_t wait = std::min(lastMs + kQuietMs, int64_t{kCeilingMs}) - now;
        if (wait <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(wait)) <= 0) continue;
        for (;;) {
            for (size_t i = 0; i < kBatch; ++i) {
                parts[i] = iovec{buffers[i].data(), buffers[i].size()};
                messages[i].msg_hdr = msghdr{};
                messages[i].msg_hdr.msg_iov = &parts[i];
                messages[i].msg_hdr.msg_iovlen = 1;
            }
            const int n = recvmmsg(fd, messages.data(), kBatch, MSG_DONTWAIT, nullptr);
            if (n <= 0) break;
            lastMs = elapsedMs();
            datagrams += static_cast<uint64_t>(n);
            for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
                // Our own discovery heard back has no Mac field and is not counted.
                const int64_t mac = replyMac(buffers[i].data(), messages[i].msg_len);
                if (mac >= 0 && boards.insert(mac).second) lastFoundMs = lastMs;
            }
            if (static_cast<size_t>(n) < kBatch) break;
        }
    }
    const double cpu = cpuSeconds() - cpuBefore;
    const int found = static_cast<int>(boards.size());
    std::printf("boards=%d found=%d first_cycle_found=%d cycles=1 duration_ms=%lld last_found_ms=%lld "
                "datagrams=%llu cpu_ms=%.1f cpu_us_per_datagram=%.2f rcvbuf_bytes=%d network_failed=0\n",
                expected, found, found, static_cast<long long>(elapsedMs()), static_cast<long long>(lastFoundMs),
                static_cast<unsigned long long>(datagrams), cpu * 1e3,
                datagrams ? cpu * 1e6 / static_cast<double>(datagrams) : 0.0, rcvbuf);
    close(fd);
    return 0;
}
