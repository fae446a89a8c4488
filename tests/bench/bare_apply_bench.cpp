// The bare pipelined apply, for scale beside lanset-cli apply: one discovery cycle, then every
// board that answered its configuration request (a new ID and address), in bursts, then
// acknowledgements until 1000 ms of quiet, then a discovery that ends once every board reports
// its new ID. One round, no engine, no list, no retries: what the LAN allows at best.
//
//   bare_apply_bench N [--burst B] [--gap MS]      (default: lanset's own pacing)
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "net/ipv4.h"
#include "net/net_session.h"
#include "net/wire.h"
#include "tests/bench/bare_lan.h"

namespace {

constexpr int kQuietMs = 1000;
constexpr int kCeilingMs = 8000;

}  // namespace

int main(int argc, char** argv) {
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    RoundPacing pacing;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--burst") == 0) pacing.burst = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--gap") == 0) pacing.gapMs = std::max(0, std::atoi(argv[i + 1]));
    }
    int rcvbuf = 0;
    const int fd = openBoardPort("bare_apply_bench", rcvbuf);
    if (fd < 0) return 1;
    const double cpuBefore = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };

    // The boards, by their hardware address, in the order they answered.
    std::unordered_map<int64_t, ReplyFields> boards;
    std::vector<int64_t> order;
    uint8_t discovery[kDiscoveryDatagramSize];
    buildDiscoveryRequest(discovery);
    if (broadcastOut(fd, discovery, sizeof discovery, "bare_apply_bench") == 0) return 1;
    receiveUntilQuiet(fd, kQuietMs, kCeilingMs, [&](const uint8_t* d, size_t n, bool&) {
        ReplyFields reply{};
        const int64_t mac = replyMac(d, n);
        if (mac < 0 || !parseReply(d, n, reply) || boards.count(mac)) return false;
        boards.emplace(mac, reply);
        order.push_back(mac);
        return true;
    });
    const int64_t foundMs = elapsedMs();

    // Board k gets ID Bare<k> and 10.216.0.0/16 + 1 + k.
    std::vector<std::vector<uint8_t>> requests;
    std::unordered_map<int64_t, std::string> wanted;
    for (size_t k = 0; k < order.size(); ++k) {
        const ReplyFields& b = boards[order[k]];
        DeviceRecord r;
        copyText(r.mac, b.mac);
        copyText(r.echoText, b.echoText);
        r.setId(("Bare" + std::to_string(k)).c_str());
        r.setIp(formatIpv4(0x0AD80001u + static_cast<uint32_t>(k)).c_str());
        r.setSubnet("255.255.0.0");
        r.dhcpGiven = 0;
        uint8_t datagram[kSendBufferSize];
        const size_t length = buildConfigureRequest(r, datagram, sizeof datagram);
        requests.emplace_back(datagram, datagram + length);
        wanted[order[k]] = r.id;
    }
    int acks = 0;
    const auto takeAcks = [&](const uint8_t* d, size_t n, bool&) {
        const bool ack = isConfigureAck(d, n);
        acks += ack ? 1 : 0;
        return ack;
    };
    for (size_t k = 0; k < requests.size(); ++k) {
        if (k > 0 && k % static_cast<size_t>(pacing.burst) == 0 && pacing.gapMs > 0)
            receiveUntilQuiet(fd, pacing.gapMs, pacing.gapMs, takeAcks);
        broadcastOut(fd, requests[k].data(), requests[k].size(), "bare_apply_bench");
    }
    const int64_t sentMs = elapsedMs();
    receiveUntilQuiet(fd, kQuietMs, kCeilingMs, takeAcks);
    const int64_t roundMs = elapsedMs();

    // Verified: a board that reports its new ID.
    size_t changed = 0;
    std::unordered_map<int64_t, bool> seen;
    broadcastOut(fd, discovery, sizeof discovery, "bare_apply_bench");
    receiveUntilQuiet(fd, kQuietMs, kCeilingMs, [&](const uint8_t* d, size_t n, bool& done) {
        ReplyFields reply{};
        const int64_t mac = replyMac(d, n);
        if (mac < 0 || !parseReply(d, n, reply) || seen[mac] || wanted.count(mac) == 0) return false;
        seen[mac] = true;
        if (wanted[mac] == reply.id) ++changed;
        done = changed == wanted.size();
        return true;
    });
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("boards=%d found=%zu changed=%zu acks=%d find_ms=%lld send_ms=%lld round_ms=%lld duration_ms=%lld "
                "cpu_ms=%.1f burst=%d gap_ms=%d rcvbuf_bytes=%d\n",
                expected, order.size(), changed, acks, static_cast<long long>(foundMs),
                static_cast<long long>(sentMs - foundMs), static_cast<long long>(roundMs - foundMs),
                static_cast<long long>(elapsedMs()), cpu * 1e3, pacing.burst, pacing.gapMs, rcvbuf);
    close(fd);
    return 0;
}
