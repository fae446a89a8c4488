#include "net/ipv4.h"

namespace {

bool isDecimal(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (isDecimal(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One part of an address text: decimal, 0-octal or 0x-hex, at least one digit. Values past
// 32 bits saturate so that the range checks refuse them.
bool readPart(const char*& at, uint64_t& value) {
    if (!isDecimal(*at)) return false;
    unsigned base = 10;
    if (at[0] == '0' && (at[1] == 'x' || at[1] == 'X')) {
        base = 16;
        at += 2;
        if (hexValue(*at) < 0) return false;
    } else if (at[0] == '0') {
        base = 8;
    }
    value = 0;
    for (;; ++at) {
        const int digit = base == 16 ? hexValue(*at) : (isDecimal(*at) ? *at - '0' : -1);
        if (digit < 0) break;
        if (base == 8 && digit > 7) return false;
        if (value <= 0xFFFFFFFFull) value = value * base + static_cast<unsigned>(digit);
    }
    return true;
}

}  // namespace

uint32_t inetAddrHost(const char* text) {
    if (text == nullptr) return kAddressNone;
    uint64_t parts[4] = {};
    int count = 0;
    const char* at = text;
    for (;;) {
        if (count == 4 || !readPart(at, parts[count])) return kAddressNone;
        ++count;
        if (*at == '\0') break;
        if (*at != '.') return kAddressNone;
        ++at;
    }
    // The last part fills all the bits that the parts before it leave.
    static constexpr uint64_t kLastPartMax[4] = {0xFFFFFFFFull, 0xFFFFFFull, 0xFFFFull, 0xFFull};
    for (int i = 0; i + 1 < count; ++i) {
        if (parts[i] > 0xFF) return kAddressNone;
    }
    if (parts[count - 1] > kLastPartMax[count - 1]) return kAddressNone;
    uint64_t address = parts[count - 1];
    for (int i = 0; i + 1 < count; ++i) address |= parts[i] << (24 - 8 * i);
    return static_cast<uint32_t>(address);
}

std::string formatIpv4(uint32_t address) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (shift != 24) text += '.';
        text += std::to_string((address >> shift) & 0xFF);
    }
    return text;
}
