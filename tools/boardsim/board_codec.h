#pragma once
// The boards' side of the protocol, written apart from lanset's own codec so that the
// end-to-end tests check lanset's bytes against an independent reading of the format.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

constexpr uint16_t kPort = 21210;
constexpr size_t kHeaderBytes = 12;
constexpr size_t kDiscoverBytes = 256;   // lanset's discovery datagram on the wire
constexpr size_t kMaxIdChars = 16;
constexpr size_t kMaxEchoChars = 15;

constexpr uint8_t kCmdDiscover = 1;
constexpr uint8_t kCmdConfigure = 2;
// Our boards mark their discovery replies 3; lanset reads replies by their fields only, and
// no request carries 3, so a board never takes another board's reply for a request.
constexpr uint8_t kCmdDiscoverReply = 3;
constexpr uint8_t kCmdConfigureAck = 4;

using Mac = std::array<uint8_t, 6>;

struct BoardState {
    Mac mac{};
    uint32_t ip = 0;        // host byte order
    uint32_t subnet = 0;
    uint32_t gateway = 0;
    bool dhcp = false;
    std::string id;         // at most 16 characters
    std::string echoText;   // at most 15 characters
    uint16_t number16 = 0;
};

// The fields of a configuration request; absent ones leave the board's value alone.
struct ConfigureFields {
    Mac mac{};
    std::optional<uint32_t> ip, subnet, gateway;
    std::optional<bool> dhcp;
    std::optional<std::string> id;
    std::string echoText;
};

enum class RequestKind { Discover, Configure, Other, Malformed };

struct Request {
    RequestKind kind = RequestKind::Malformed;
    uint8_t command = 0;
    size_t length = 0;        // bytes received
    ConfigureFields fields;   // Configure only
    std::string problem;      // Malformed only: why
};

// Reads a datagram as a board would. Strict: anything that lanset would not send exactly so
// is Malformed, with the reason, so that a test sees every deviation on the wire.
Request decodeRequest(const uint8_t* data, size_t length);

// A board's discovery reply: Mac, Ip, Subnet, Gateway, Dhcp, Id, EchoText, Number16. The length
// goes big-endian into bytes 0-1, or, with lengthInFirstByte, alone into byte 0.
std::vector<uint8_t> encodeReply(const BoardState& board, bool lengthInFirstByte = false);

// A configuration acknowledgement with the given status (0: accepted).
std::vector<uint8_t> encodeAck(uint16_t status = 0);

// Applies the fields present to the board.
void applyConfiguration(BoardState& board, const ConfigureFields& fields);

// One log line for a request (without time and sender): "discover len=256",
// "configure mac=... ip=... id=... echo=...", "malformed len=7: ...", "other command=4 len=14".
std::string describeRequest(const Request& request);

std::string macText(const Mac& mac);                  // 12 lowercase hex digits
std::optional<Mac> parseMac(const std::string& text); // 12 hex digits, ':' or '-' allowed between
Mac macPlus(const Mac& mac, uint64_t n);              // the 48-bit address + n, wrapping
std::string ipText(uint32_t address);                 // dotted quad of a host-order address
std::optional<uint32_t> parseIp(const std::string& text);  // strict a.b.c.d, each 0..255

}  // namespace sim
