#include "tools/lanset-cli/cli_checks.h"

#include <algorithm>

#include "net/ipv4.h"
#include "ui/board_text.h"
#include "ui/entry_rules.h"

namespace {

std::optional<Refusal> refusalOf(const RuleVerdict& v, std::string reason = {}) {
    if (v.ok) return std::nullopt;
    return Refusal{v.caption ? v.caption : "", v.message ? v.message : "", std::move(reason)};
}

}  // namespace

std::string refusalText(const Refusal& r) {
    std::string text;
    const auto lines = [&](const std::string& said) {
        for (size_t from = 0; from <= said.size();) {
            const size_t end = std::min(said.find('\n', from), said.size());
            text += "lanset-cli: " + said.substr(from, end - from) + "\n";
            from = end + 1;
        }
    };
    lines((r.caption.empty() ? "" : r.caption + ": ") + r.message);
    if (!r.reason.empty()) lines(r.reason);
    return text;
}

std::string controlCharacterFault(const std::string& latin1) {
    for (const char c : latin1) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && (code < 0x7F || code >= 0xA0)) continue;
        static constexpr char kHex[] = "0123456789abcdef";
        return "'" + printableText(latin1) + "' holds a control character (0x" + kHex[code >> 4] + kHex[code & 0x0F] +
               "): an ID is printable text";
    }
    return {};
}

std::optional<Refusal> boardTextOf(const std::string& utf8, std::string& latin1) {
    std::string bad;
    if (auto text = latin1FromUtf8(utf8, &bad)) {
        latin1 = *text;
        return std::nullopt;
    }
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "'" + text + ... here.
    std::string message(1, '\'');
    if (bad.size() == 1 && static_cast<unsigned char>(bad[0]) >= 0x80) {
        message += printableText(utf8);
        message += "' is not UTF-8 text (IDs are read as UTF-8)";
    } else {
        message += printableUtf8(bad);
        message += "' in '";
        message += printableUtf8(utf8);
        message += "' is a character that the boards cannot hold: they hold Latin-1 (letters such as "
                   "\xc3\xa9, \xc3\xbc, \xc3\x9f, \xc3\xb8)";
    }
    return Refusal{"", message, ""};
}

std::optional<Refusal> toBoardText(std::optional<std::string>& text, const char* option) {
    if (!text) return std::nullopt;
    std::string latin1;
    if (auto r = boardTextOf(*text, latin1)) {
        r->message = std::string(option) + ": " + r->message;
        return r;
    }
    text = latin1;
    return std::nullopt;
}

std::optional<Refusal> checkSomethingToChange(const CliOptions& o) {
    if (o.id || o.pattern || o.ip || o.gateway || o.dhcp) return std::nullopt;
    return Refusal{"", std::string("nothing to change: give ") +
                           (o.command == CliCommand::Auto ? "--pattern" : "--id") +
                           ", --ip and --mask, --gateway or --dhcp", ""};
}

std::optional<Refusal> checkRange(const std::string& start, const std::string& mask, int32_t count) {
    return refusalOf(checkAddressRangeText(start.c_str(), mask.c_str(), count),
                     addressRangeReason(start.c_str(), mask.c_str(), count));
}

std::optional<Refusal> checkConfigureEntries(const CliOptions& o) {
    if (o.id) {
        if (auto r = refusalOf(checkIdText(o.id->c_str()))) return r;
        if (std::string fault = controlCharacterFault(*o.id); !fault.empty()) return Refusal{"", "--id: " + fault, ""};
    }
    if (o.ip) return checkRange(*o.ip, *o.mask, 1);
    return std::nullopt;
}

std::optional<Refusal> checkPatternEntries(const CliOptions& o, int32_t& firstSequence) {
    firstSequence = 0;
    if (!o.pattern) return std::nullopt;
    if (auto r = refusalOf(checkIdText(o.pattern->c_str()))) return r;
    if (std::string fault = controlCharacterFault(*o.pattern); !fault.empty())
        return Refusal{"", "--pattern: " + fault, ""};
    const bool hasHash = o.pattern->find('#') != std::string::npos;
    // Without --sequence the dialog's proposal, 1, is the start.
    const std::string sequence = o.sequence.value_or("1");
    return refusalOf(checkSequenceText(sequence, hasHash, firstSequence),
                     sequence.empty() ? "the pattern's '#' takes a number: give --sequence"
                                      : "the sequence runs from 0 to 65535");
}

std::optional<Refusal> checkBatchRange(const CliOptions& o, int32_t boards) {
    if (!o.ip) return std::nullopt;
    return checkRange(*o.ip, *o.mask, boards);
}

std::optional<Refusal> checkAdapters(const std::vector<std::string>& given,
                                     const std::vector<InterfaceAddress>& interfaces) {
    for (const std::string& g : given) {
        if (!broadcastAdapters(interfaces, {g}).empty()) continue;
        std::string have;
        for (const NetworkAdapter& a : broadcastAdapters(interfaces))
            have += (have.empty() ? "" : ", ") + a.name + " " + formatIpv4(a.address);
        return Refusal{"", "--adapter " + g + " names no network adapter that can broadcast (" +
                                         (have.empty() ? std::string("there is none") : "there are: " + have) + ")", ""};
    }
    return std::nullopt;
}

DeviceRecord configureRecord(const CliOptions& o, const DeviceRecord& board) {
    DeviceRecord r;
    copyText(r.mac, board.mac);
    copyText(r.echoText, board.echoText);
    copyText(r.number16, board.number16);
    if (o.id) r.setId(o.id->c_str());
    if (o.ip) {
        r.setIp(o.ip->c_str());
        r.setSubnet(o.mask->c_str());
    }
    if (o.gateway) r.setGateway(o.gateway->c_str());
    r.dhcpGiven = o.dhcp.has_value() ? 1 : 0;
    r.dhcp = o.dhcp.value_or(false) ? 1 : 0;
    return r;
}

DeviceRecord batchTemplate(const CliOptions& o) {
    DeviceRecord t;
    if (o.pattern) t.setId(o.pattern->c_str());
    if (o.ip) {
        t.setIp(o.ip->c_str());
        t.setSubnet(o.mask->c_str());
    }
    if (o.gateway) t.setGateway(o.gateway->c_str());
    t.dhcpGiven = o.dhcp.has_value() ? 1 : 0;
    t.dhcp = o.dhcp.value_or(false) ? 1 : 0;
    return t;
}
