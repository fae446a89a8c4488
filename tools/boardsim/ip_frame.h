#pragma once
// The IPv4 and UDP headers of a datagram from 0.0.0.0, the source of a board without an
// address: no UDP socket sends from it (the kernel writes its own address there), so such a
// datagram leaves by a packet socket with the headers written here.
#include <cstddef>
#include <cstdint>

namespace sim {

constexpr size_t kFrameHeaderBytes = 28;

// Addresses in host order; both ports are port. The checksums cover payload.
void writeFrameHeaders(uint8_t* out, uint32_t source, uint32_t destination, uint16_t port,
                       const uint8_t* payload, size_t length);

}  // namespace sim
