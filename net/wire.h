#pragma once
// The board protocol on the wire: pure byte work, no I/O.
#include <cstddef>
#include <cstdint>

#include "net/device_record.h"

constexpr uint16_t kBoardPort = 21210;
constexpr size_t kSendBufferSize = 1024;
constexpr size_t kDiscoveryDatagramSize = 256;   // a discovery request always goes out as 256 bytes
constexpr size_t kReceiveBufferSize = 256;       // boards never send more
constexpr size_t kHeaderSize = 12;
constexpr size_t kMaxConfigureRequest = 76;

// Layout of the 12-byte header; multi-byte values are big-endian on the wire.
struct PacketHeader {
    uint16_t totalLength;
    uint8_t reserved[8];
    uint8_t command;
    uint8_t reserved2;
};

enum class PacketCommand : uint8_t { Discover = 1, Configure = 2, ConfigureAck = 4 };

enum class FieldTag : uint8_t {
    Mac = 1, Ip = 2, Subnet = 3, Gateway = 4, Dhcp = 5, Id = 6, EchoText = 7, Number16 = 8
};

struct ReplyFields {
    char ip[32];
    char mac[32];
    char gateway[32];
    char id[32];
    char echoText[32];
    char subnet[32];
    char number16[32];
    uint8_t dhcp;
};

// Writes the 12-byte discovery header and zeroes bytes 12..255 of buffer (at least 256 bytes).
void buildDiscoveryRequest(uint8_t* buffer);

// Builds the configuration request for request into buffer; returns its length (the header's
// totalLength), or 0 when capacity is too small.
size_t buildConfigureRequest(const DeviceRecord& request, uint8_t* buffer, size_t capacity);

// Parses a discovery reply of received bytes into reply. Never reads past received.
bool parseReply(const uint8_t* data, size_t received, ReplyFields& reply);

// True for an acknowledgement with status 0. Never reads past received.
bool isConfigureAck(const uint8_t* data, size_t received);
