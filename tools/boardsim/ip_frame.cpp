#include "tools/boardsim/ip_frame.h"

namespace sim {
namespace {

void put16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}

void put32(uint8_t* p, uint32_t v) {
    put16(p, v >> 16);
    put16(p + 2, v & 0xffff);
}

// The ones' complement sum of 16-bit words, an odd last byte padded with zero.
uint32_t sum16(const uint8_t* p, size_t n, uint32_t sum = 0) {
    for (size_t i = 0; i + 1 < n; i += 2) sum += uint32_t{p[i]} << 8 | p[i + 1];
    if (n % 2) sum += uint32_t{p[n - 1]} << 8;
    return sum;
}

uint16_t folded(uint32_t sum) {
    while (sum >> 16) sum = (sum & 0xffff) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

}  // namespace

void writeFrameHeaders(uint8_t* out, uint32_t source, uint32_t destination, uint16_t port,
                       const uint8_t* payload, size_t length) {
    const uint32_t udpBytes = static_cast<uint32_t>(8 + length);
    uint8_t* ip = out;
    put32(ip, 0x45000000u | (20 + udpBytes));   // version 4, 20-byte header, total length
    put32(ip + 4, 0x4000);                      // no fragment id, don't fragment
    put32(ip + 8, 64u << 24 | 17u << 16);       // TTL 64, UDP, checksum 0 while summing
    put32(ip + 12, source);
    put32(ip + 16, destination);
    put16(ip + 10, folded(sum16(ip, 20)));

    uint8_t* udp = out + 20;
    put16(udp, port);
    put16(udp + 2, port);
    put16(udp + 4, udpBytes);
    put16(udp + 6, 0);
    uint32_t sum = sum16(ip + 12, 8) + 17 + udpBytes;   // the pseudo-header
    sum = sum16(payload, length, sum16(udp, 8, sum));
    const uint16_t check = folded(sum);
    put16(udp + 6, check == 0 ? 0xffff : check);   // 0 would mean "no checksum"
}

}  // namespace sim
