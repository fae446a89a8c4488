#include "tests/bench/bare_lan.h"

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
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "net/wire.h"

namespace {

constexpr size_t kBatch = 256;

int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

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

int openBoardPort(const char* who, int& rcvbuf) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    // As far as an unprivileged socket may: net.core.rmem_max.
    int limit = 0;
    std::ifstream("/proc/sys/net/core/rmem_max") >> limit;
    if (limit > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &limit, sizeof limit);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kBoardPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        std::fprintf(stderr, "%s: cannot bind UDP port %u: %s\n", who, kBoardPort, std::strerror(errno));
        close(fd);
        return -1;
    }
    socklen_t length = sizeof rcvbuf;
    getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &rcvbuf, &length);
    return fd;
}

int broadcastOut(int fd, const uint8_t* data, size_t length, const char* who) {
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
        iovec part{const_cast<uint8_t*>(data), length};
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
        if (sendmsg(fd, &m, 0) == static_cast<ssize_t>(length)) {
            ++sent;
        } else {
            std::fprintf(stderr, "%s: cannot send on %s: %s\n", who, a->ifa_name, std::strerror(errno));
        }
    }
    freeifaddrs(list);
    return sent;
}

uint64_t receiveUntilQuiet(int fd, int quietMs, int ceilingMs,
                           const std::function<bool(const uint8_t*, size_t, bool&)>& take) {
    static std::vector<std::array<uint8_t, kReceiveBufferSize>> buffers(kBatch);
    std::vector<iovec> parts(kBatch);
    std::vector<mmsghdr> messages(kBatch);
    uint64_t datagrams = 0;
    const int64_t start = nowMs();
    int64_t last = start;   // the last answer
    for (bool done = false; !done;) {
        const int64_t wait = std::min(last + quietMs, start + ceilingMs) - nowMs();
        if (wait <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(wait)) <= 0) continue;
        while (!done) {
            for (size_t i = 0; i < kBatch; ++i) {
                parts[i] = iovec{buffers[i].data(), buffers[i].size()};
                messages[i].msg_hdr = msghdr{};
                messages[i].msg_hdr.msg_iov = &parts[i];
                messages[i].msg_hdr.msg_iovlen = 1;
            }
            const int n = recvmmsg(fd, messages.data(), kBatch, MSG_DONTWAIT, nullptr);
            if (n <= 0) break;
            datagrams += static_cast<uint64_t>(n);
            for (size_t i = 0; i < static_cast<size_t>(n) && !done; ++i)
                if (take(buffers[i].data(), messages[i].msg_len, done)) last = nowMs();
            if (static_cast<size_t>(n) < kBatch) break;
        }
    }
    return datagrams;
}
