#include "ui/entry_rules.h"

#include <cstring>

#include "net/ipv4.h"

namespace {

constexpr RuleVerdict kPass{true, "", ""};

constexpr const char* kInvalidEntry = "INVALID ENTRY";
constexpr const char* kInvalid = "INVALID";
constexpr const char* kError = "Error";

constexpr const char* kBadAddress =
    "An invalid IP address will be created.  Change the IP address and try again.";
constexpr const char* kOutsideSubnet =
    "An IP address will be created outside the Subnet.  Change the IP address and try again.";
constexpr const char* kBadSubnet =
    "Invalid subnet address.  Change the subnet address and try again.";

constexpr size_t kMaxIdLength = 16;
constexpr uint32_t kMaxSequence = 65535;

const char* forbiddenMessage(char c) {
    switch (c) {
    case ' ': return "Entry cannot contain a space";
    case '.': return "Entry cannot contain a '.'";
    case ':': return "Entry cannot contain a ':'";
    case '?': return "Entry cannot contain a '?'";
    case '/': return "Entry cannot contain a '/'";
    default: return nullptr;
    }
}

bool show(const RuleVerdict& verdict, DialogView& owner) {
    if (!verdict.ok) owner.messageBox(verdict.message, verdict.caption, MessageButtons::Ok);
    return verdict.ok;
}

}  // namespace

RuleVerdict checkIdText(const char* text) {
    if (text == nullptr) text = "";
    // The earliest forbidden character decides, before emptiness or length.
    for (const char* at = text; *at != '\0'; ++at) {
        if (const char* message = forbiddenMessage(*at)) return {false, message, kInvalidEntry};
    }
    const size_t length = std::strlen(text);
    if (length == 0) return {false, "All fields must be filled out", kInvalid};
    if (length > kMaxIdLength) return {false, "Entry cannot be more than 16 characters", kInvalid};
    return kPass;
}

RuleVerdict checkAddressRangeText(const char* start, const char* mask, int32_t count) {
    // Unsigned 32-bit arithmetic throughout: the last address may wrap past 255.255.255.255.
    const uint32_t s = inetAddrHost(start);
    const uint32_t m = inetAddrHost(mask);

    uint32_t leadingOnes = 0;
    for (uint32_t bit = 0x80000000u; bit != 0 && (m & bit) != 0; bit >>= 1) leadingOnes |= bit;
    if (m != leadingOnes) return {false, kBadSubnet, kError};

    const uint32_t network = s & m;
    const uint32_t last = s + static_cast<uint32_t>(count) - 1u;
    if (s == network) return {false, kBadAddress, kError};
    if (last == network) return {false, kBadAddress, kError};
    if ((last & m) != network) return {false, kOutsideSubnet, kError};
    if ((last & ~m) == ~m) return {false, kBadAddress, kError};
    // A zero mask is refused only after the address tests.
    if (m == 0) return {false, kBadSubnet, kError};
    return kPass;
}

RuleVerdict checkSequenceText(const std::string& text, bool patternHasHash, int32_t& value) {
    value = 0;
    constexpr RuleVerdict kInvalidSequence{false, "Invalid Sequence Number", kError};
    if (text.empty()) return patternHasHash ? kInvalidSequence : kPass;
    uint32_t number = 0;
    bool tooLong = false;
    for (char c : text) {
        if (c < '0' || c > '9') return kInvalidSequence;
        if (!tooLong) {
            number = number * 10 + static_cast<uint32_t>(c - '0');
            tooLong = number > kMaxSequence;
        }
    }
    if (tooLong) return {false, "Sequence Number too long.  Must be 16 bit, non-negative number.", kError};
    value = static_cast<int32_t>(number);
    return kPass;
}

bool CheckIdEntry(const char* text, DialogView& owner) { return show(checkIdText(text), owner); }

bool CheckAddressRange(const char* start, const char* mask, int32_t count, DialogView& owner) {
    return show(checkAddressRangeText(start, mask, count), owner);
}
