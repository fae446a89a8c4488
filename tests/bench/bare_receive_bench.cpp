// The bare loop, for scale beside find_bench: one discovery broadcast out of every IPv4
// interface, then poll + recvmmsg until a cycle's 1000 ms pass without a datagram, counting
// the distinct boards by their Mac field. No engine, no list: what the kernel lets through
// to an ordinary socket, whatever user runs it.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unordered_set>

#include "net/wire.h"
#include "tests/bench/bare_lan.h"

namespace {

constexpr int kQuietMs = 1000;      // a cycle ends after this long without a datagram
constexpr int kCeilingMs = 8000;    // ...and after this long in all

}  // namespace

int main(int argc, char** argv) {
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    int rcvbuf = 0;
    const int fd = openBoardPort("bare_receive_bench", rcvbuf);
    if (fd < 0) return 1;
    std::unordered_set<int64_t> boards;
    boards.reserve(65536);

    const double cpuBefore = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    uint8_t discovery[kDiscoveryDatagramSize];
    buildDiscoveryRequest(discovery);
    if (broadcastOut(fd, discovery, sizeof discovery, "bare_receive_bench") == 0) {
        std::fprintf(stderr, "bare_receive_bench: the discovery left by no interface\n");
        return 1;
    }
    int64_t lastFoundMs = 0;   // the last new board
    const uint64_t datagrams = receiveUntilQuiet(fd, kQuietMs, kCeilingMs, [&](const uint8_t* d, size_t n, bool&) {
        // Our own discovery heard back has no Mac field and is not counted.
        const int64_t mac = replyMac(d, n);
        if (mac >= 0 && boards.insert(mac).second) lastFoundMs = elapsedMs();
        return true;
    });
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
