#include "ui/entry_rules.h"

#include <cstring>
#include <string>

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

std::string addressRangeReason(const char* start, const char* mask, int32_t count) {
    if (checkAddressRangeText(start, mask, count).ok) return {};
    const uint32_t s = inetAddrHost(start);
    const uint32_t m = inetAddrHost(mask);
    uint32_t leadingOnes = 0;
    int length = 0;
    for (uint32_t bit = 0x80000000u; bit != 0 && (m & bit) != 0; bit >>= 1, ++length) leadingOnes |= bit;
    if (m != leadingOnes) return std::string(mask) + " is no subnet mask: its one bits must come first";
    const uint32_t network = s & m;
    const uint32_t broadcast = network | ~m;
    const std::string subnet = formatIpv4(network) + "/" + std::to_string(length);
    const std::string boards = std::to_string(count) + (count == 1 ? " board" : " boards");
    if (m == 0xFFFFFFFFu) return subnet + " has no host addresses";
    if (s == network) return formatIpv4(s) + " is the network address of " + subnet;
    const uint64_t lastWide = uint64_t{s} + static_cast<uint64_t>(count) - 1u;
    if (lastWide > 0xFFFFFFFFu) return boards + " from " + formatIpv4(s) + " run past 255.255.255.255";
    // The last address as the count runs on in the start's last number ("10.0.0.259"), which
    // shows how far past the end it lies.
    const uint32_t lastByte = (s & 0xFFu) + static_cast<uint32_t>(count) - 1u;
    const std::string last = lastByte > 0xFFu ? formatIpv4(s).substr(0, formatIpv4(s).rfind('.') + 1) +
                                                    std::to_string(lastByte)
                                              : formatIpv4(static_cast<uint32_t>(lastWide));
    const uint64_t highest = uint64_t{broadcast} - static_cast<uint64_t>(count);
    const std::string remedy = highest > network ? "; the highest start is " + formatIpv4(static_cast<uint32_t>(highest))
                                                 : "; " + subnet + " holds " + std::to_string(broadcast - network - 1u) +
                                                       " addresses";
    if (count == 1 && s == broadcast) return formatIpv4(s) + " is the broadcast address of " + subnet;
    if (static_cast<uint32_t>(lastWide) == broadcast)
        return boards + " from " + formatIpv4(s) + " end at " + last + ", the broadcast address of " + subnet + remedy;
    if (m == 0) return "0.0.0.0 is no subnet mask: it leaves no network";
    return boards + " from " + formatIpv4(s) + " end at " + last + remedy;
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
