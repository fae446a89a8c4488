#include "net/wire.h"

#include <algorithm>
#include <cstring>

namespace {

// Length of a record text, never more than its field can hold with a terminator.
template <size_t N>
size_t textLength(const char (&field)[N]) {
    return std::min(fieldLength(field), N - 1);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One byte of the hardware address from a pair of characters: the leading hex digits of the
// pair, low 8 bits; a pair without a leading hex digit gives 0.
uint8_t macByte(const char* pair, size_t available) {
    unsigned value = 0;
    for (size_t i = 0; i < 2 && i < available; ++i) {
        const int digit = hexValue(pair[i]);
        if (digit < 0) break;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<uint8_t>(value);
}

// The four bytes of a dotted address text. Parts are split at '.', empty parts skipped; each
// part is an optional sign and leading decimal digits (none gives 0), of which the low 8 bits
// count. Missing parts are 0.
void addressBytes(const char* text, size_t length, uint8_t out[4]) {
    out[0] = out[1] = out[2] = out[3] = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        while (pos < length && text[pos] == '.') ++pos;
        if (pos >= length) return;
        bool negative = false;
        if (text[pos] == '+' || text[pos] == '-') {
            negative = text[pos] == '-';
            ++pos;
        }
        uint32_t value = 0;   // wraps: only the low 8 bits are kept
        while (pos < length && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10u + static_cast<uint32_t>(text[pos] - '0');
            ++pos;
        }
        if (negative) value = 0u - value;
        out[part] = static_cast<uint8_t>(value);
        while (pos < length && text[pos] != '.') ++pos;
    }
}

void putBigEndian16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}

void writeHeader(uint8_t* buffer, uint16_t totalLength, PacketCommand command) {
    putBigEndian16(buffer, totalLength);
    std::memset(buffer + 2, 0, 8);
    buffer[10] = static_cast<uint8_t>(command);
    buffer[11] = 0;
}

void appendAddressField(uint8_t* buffer, size_t& pos, FieldTag tag, const char* text,
                        size_t length) {
    buffer[pos++] = static_cast<uint8_t>(tag);
    buffer[pos++] = 4;
    addressBytes(text, length, buffer + pos);
    pos += 4;
}

void appendTextField(uint8_t* buffer, size_t& pos, FieldTag tag, const char* text,
                     size_t length) {
    buffer[pos++] = static_cast<uint8_t>(tag);
    buffer[pos++] = static_cast<uint8_t>(length);
    std::memcpy(buffer + pos, text, length);
    pos += length;
}

void formatDecimal(char* out, unsigned value) {
    char digits[10];
    size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) *out++ = digits[--n];
    *out = '\0';
}

void formatAddress(char (&out)[32], const uint8_t* value) {
    char* at = out;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) *at++ = '.';
        formatDecimal(at, value[i]);
        at += std::strlen(at);
    }
}

// Up to length characters; a zero byte ends the text early; cut to the member's width.
void copyValueText(char (&out)[32], const uint8_t* value, size_t length) {
    size_t n = 0;
    while (n < length && n + 1 < sizeof out && value[n] != 0) {
        out[n] = static_cast<char>(value[n]);
        ++n;
    }
    out[n] = '\0';
}

// Value bytes that decoding a field reads, beyond its tag and length bytes.
size_t valueBytesRead(FieldTag tag, uint8_t length) {
    switch (tag) {
    case FieldTag::Mac: return 6;
    case FieldTag::Ip:
    case FieldTag::Subnet:
    case FieldTag::Gateway: return 4;
    case FieldTag::Dhcp: return 1;
    case FieldTag::Number16: return 2;
    case FieldTag::Id:
    case FieldTag::EchoText: return length;
    }
    return length;
}

}  // namespace

void buildDiscoveryRequest(uint8_t* buffer) {
    writeHeader(buffer, static_cast<uint16_t>(kHeaderSize), PacketCommand::Discover);
    std::memset(buffer + kHeaderSize, 0, kDiscoveryDatagramSize - kHeaderSize);
}

size_t buildConfigureRequest(const DeviceRecord& request, uint8_t* buffer, size_t capacity) {
    const size_t ipLength = textLength(request.ip);
    const size_t subnetLength = textLength(request.subnet);
    const size_t gatewayLength = textLength(request.gateway);
    const size_t idLength = textLength(request.id);
    const size_t echoLength = textLength(request.echoText);

    size_t total = kHeaderSize + 8;
    if (ipLength > 0) total += 6;
    if (subnetLength > 0) total += 6;
    if (gatewayLength > 0) total += 6;
    if (request.dhcpGiven != 0) total += 3;
    if (idLength > 0) total += 2 + idLength;
    total += 2 + echoLength;
    if (buffer == nullptr || capacity < total) return 0;

    writeHeader(buffer, static_cast<uint16_t>(total), PacketCommand::Configure);
    size_t pos = kHeaderSize;

    buffer[pos++] = static_cast<uint8_t>(FieldTag::Mac);
    buffer[pos++] = 6;
    const size_t macLength = textLength(request.mac);
    for (size_t i = 0; i < 6; ++i) {
        const size_t from = 2 * i;
        buffer[pos++] = from < macLength ? macByte(request.mac + from, macLength - from) : 0;
    }
    if (ipLength > 0) appendAddressField(buffer, pos, FieldTag::Ip, request.ip, ipLength);
    if (subnetLength > 0)
        appendAddressField(buffer, pos, FieldTag::Subnet, request.subnet, subnetLength);
    if (gatewayLength > 0)
        appendAddressField(buffer, pos, FieldTag::Gateway, request.gateway, gatewayLength);
    if (request.dhcpGiven != 0) {
        buffer[pos++] = static_cast<uint8_t>(FieldTag::Dhcp);
        buffer[pos++] = 1;
        buffer[pos++] = request.dhcp;
    }
    if (idLength > 0) appendTextField(buffer, pos, FieldTag::Id, request.id, idLength);
    appendTextField(buffer, pos, FieldTag::EchoText, request.echoText, echoLength);
    return pos;
}

bool parseReply(const uint8_t* data, size_t received, ReplyFields& reply) {
    if (data == nullptr || received == 0) return false;
    // A board sends its length either as one byte first or as a big-endian u16 below 256.
    if (data[0] == 0 && received < 2) return false;
    const size_t length = data[0] != 0 ? data[0] : data[1];
    if (length <= kHeaderSize) return false;

    // Every byte that a field's decoding reads must lie inside both the stated length and the
    // bytes received; a field that does not fit rejects the whole reply.
    const size_t end = std::min(length, received);
    ReplyFields parsed = reply;   // the caller's reply changes only when the whole reply is good
    size_t pos = kHeaderSize;
    while (pos < length) {
        if (pos + 2 > end) return false;
        const uint8_t rawTag = data[pos];
        if (rawTag == 0 || rawTag > 8) return false;
        const auto tag = static_cast<FieldTag>(rawTag);
        const uint8_t fieldLengthByte = data[pos + 1];
        const size_t step = tag == FieldTag::Mac ? 8 : 2 + size_t{fieldLengthByte};
        const size_t reach = std::max(step, 2 + valueBytesRead(tag, fieldLengthByte));
        if (pos + reach > end) return false;

        const uint8_t* value = data + pos + 2;
        switch (tag) {
        case FieldTag::Mac: {
            static constexpr char kHex[] = "0123456789abcdef";
            for (size_t i = 0; i < 6; ++i) {
                parsed.mac[2 * i] = kHex[value[i] >> 4];
                parsed.mac[2 * i + 1] = kHex[value[i] & 0x0F];
            }
            parsed.mac[12] = '\0';
            break;
        }
        case FieldTag::Ip: formatAddress(parsed.ip, value); break;
        case FieldTag::Subnet: formatAddress(parsed.subnet, value); break;
        case FieldTag::Gateway: formatAddress(parsed.gateway, value); break;
        case FieldTag::Dhcp: parsed.dhcp = value[0] == 1 ? 1 : 0; break;
        case FieldTag::Id: copyValueText(parsed.id, value, fieldLengthByte); break;
        case FieldTag::EchoText: copyValueText(parsed.echoText, value, fieldLengthByte); break;
        case FieldTag::Number16:
            formatDecimal(parsed.number16, (unsigned{value[0]} << 8) | value[1]);
            break;
        }
        pos += step;
    }
    reply = parsed;
    return true;
}

bool isConfigureAck(const uint8_t* data, size_t received) {
    if (data == nullptr || received < 14) return false;
    return data[10] == static_cast<uint8_t>(PacketCommand::ConfigureAck) && data[12] == 0 &&
           data[13] == 0;
}
